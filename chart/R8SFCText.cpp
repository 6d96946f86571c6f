#include "chart/R8SFCText.h"

#include <limits>

namespace r8sfc
{

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::uint32_t RelativeCell(int value, int origin)
{
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(value) - origin);
}

std::uint32_t ReadDecimal(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && text[pos] == '-')
    {
        negative = true;
        ++pos;
    }
    constexpr std::uint64_t limit = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t value = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos)
    {
        value = value * 10 + static_cast<std::uint64_t>(text[pos] - '0');
        if (value > limit)
            return static_cast<std::uint32_t>(limit);
    }
    std::uint32_t result = static_cast<std::uint32_t>(value);
    return negative ? 0u - result : result;
}

std::int32_t ReadDecimalAfter(std::string_view text, char mark, std::int32_t missing)
{
    std::size_t at = text.find(mark);
    if (at == std::string_view::npos)
        return missing;
    return static_cast<std::int32_t>(ReadDecimal(text, at + 1));
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
    {
        char a = text[i];
        char b = prefix[i];
        if (a >= 'a' && a <= 'z')
            a = static_cast<char>(a - 'a' + 'A');
        if (b >= 'a' && b <= 'z')
            b = static_cast<char>(b - 'a' + 'A');
        if (a != b)
            return false;
    }
    return true;
}

std::string EscapeLineBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    AppendEscapedLineBreaks(out, text);
    return out;
}

void AppendEscapedLineBreaks(std::string& out, std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
        {
            out += "\\n";
            ++i;
        }
        else if (c == '\r' || c == '\n')
            out += ' ';
        else
            out += c;
    }
}

std::string UnescapeLineBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n')
        {
            out += "\r\n";
            ++i;
        }
        else
            out += text[i];
    }
    return out;
}

std::string TrimRight(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0)
    {
        char c = text[end - 1];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\v' && c != '\f')
            break;
        --end;
    }
    return std::string(text.substr(0, end));
}

} // namespace r8sfc
