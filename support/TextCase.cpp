#include "support/TextCase.h"

#include "support/Platform.h"

namespace r8
{

void MakeUpperAscii(std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(c))
        {
            ++i; // the trail byte stays as it is
            continue;
        }
        if (c >= 'a' && c <= 'z')
            text[i] = static_cast<char>(c - 'a' + 'A');
    }
}

std::string ToUpperAscii(std::string_view text)
{
    std::string copy(text);
    MakeUpperAscii(copy);
    return copy;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
    {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'a' && x <= 'z')
            x = static_cast<unsigned char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<unsigned char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

} // namespace r8
