// Small text helpers shared by the chart text reader and writer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace r8sfc
{

// Reads the decimal number at text[pos] the way the chart text expects: spaces
// skipped, an optional "-" negates, digits saturate at the largest 32-bit
// value. No digits read as 0; pos beyond the end reads as 0.
std::uint32_t ReadDecimal(std::string_view text, std::size_t pos);

// The decimal after the first occurrence of mark, as a signed 32-bit value;
// missing when mark is absent.
std::int32_t ReadDecimalAfter(std::string_view text, char mark, std::int32_t missing);

// Prefix test without regard to ASCII case over the prefix's length.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// Line breaks of a note in one chart line: CR LF as backslash n, any other CR
// or LF as a space; reading turns every backslash n back into CR LF.
std::string EscapeLineBreaks(std::string_view text);
// The same, appended to out.
void AppendEscapedLineBreaks(std::string& out, std::string_view text);
std::string UnescapeLineBreaks(std::string_view text);

// The text without trailing white space.
std::string TrimRight(std::string_view text);

// A cell coordinate relative to the written range's corner, as the text writes
// it (in unsigned decimal).
std::uint32_t RelativeCell(int value, int origin);

bool IsDigit(char c);

} // namespace r8sfc
