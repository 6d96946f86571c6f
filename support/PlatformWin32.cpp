#include "support/Platform.h"

#include <windows.h>

namespace r8
{

bool IsLeadByte(unsigned char c)
{
    return IsDBCSLeadByte(c) != FALSE;
}

} // namespace r8
