#include "chart/ChartPlatform.h"

#include <cstdio>

namespace r8sfc
{

bool ReplaceFileWith(const std::string& source, const std::string& target)
{
    return std::rename(source.c_str(), target.c_str()) == 0;
}

} // namespace r8sfc
