#include "chart/ChartPlatform.h"

#include <windows.h>

namespace r8sfc
{

bool ReplaceFileWith(const std::string& source, const std::string& target)
{
    return MoveFileExA(source.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

} // namespace r8sfc
