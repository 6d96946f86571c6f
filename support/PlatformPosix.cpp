#include "support/Platform.h"

namespace r8
{

bool IsLeadByte(unsigned char)
{
    return false;
}

} // namespace r8
