// The file-system calls the chart needs beyond the C library, with one Win32
// body and one POSIX body.
#pragma once

#include <string>

namespace r8sfc
{

// Puts the file source in place of target (replacing it when it exists) in one
// step, so target is either the old file or the new one, never a mix.
bool ReplaceFileWith(const std::string& source, const std::string& target);

} // namespace r8sfc
