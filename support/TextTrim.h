// Trimming and cutting of narrow texts, shared by the INI parser, the folder
// routines and the language table.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace r8
{

// True for the blank characters that trimming removes (blank, tab, CR, LF,
// vertical tab, form feed).
bool IsTrimBlank(char c);

std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);
std::string_view Trim(std::string_view text);

// Cuts text to at most maxLength bytes, never leaving the lead byte of a
// double-byte character without its trail byte.
void CutText(std::string& text, std::size_t maxLength);

} // namespace r8
