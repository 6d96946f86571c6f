#include "support/TextTrim.h"

#include "support/Platform.h"

namespace r8
{

bool IsTrimBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view TrimLeft(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && IsTrimBlank(text[start]))
        ++start;
    return text.substr(start);
}

std::string_view TrimRight(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && IsTrimBlank(text[end - 1]))
        --end;
    return text.substr(0, end);
}

std::string_view Trim(std::string_view text)
{
    return TrimRight(TrimLeft(text));
}

void CutText(std::string& text, std::size_t maxLength)
{
    if (text.size() <= maxLength)
        return;
    std::size_t end = 0;
    while (end < maxLength)
    {
        std::size_t step = IsLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
        if (end + step > maxLength)
            break;
        end += step;
    }
    text.resize(end);
}

} // namespace r8
