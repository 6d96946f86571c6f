// Case folding used by every case-insensitive lookup of the editor: only the
// ASCII letters change, and both bytes of a double-byte character are kept.
#pragma once

#include <string>
#include <string_view>

namespace r8
{

void MakeUpperAscii(std::string& text);
std::string ToUpperAscii(std::string_view text);

// Compares without regard to ASCII case (the rule of the command monitor and
// the formatter's type tests).
bool EqualsNoCase(std::string_view a, std::string_view b);

} // namespace r8
