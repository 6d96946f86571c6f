#include "support/TextMatch.h"

#include "support/TextCase.h"

#include <string>

namespace r8
{

namespace
{

bool IsWordChar(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

} // namespace

bool MatchText(std::uint32_t flags, const char* text, const char* pattern)
{
    if (pattern == nullptr)
        return false;
    std::string t = text != nullptr ? text : "";
    std::string p = pattern;
    if ((flags & kFindMatchCase) == 0)
    {
        MakeUpperAscii(t);
        MakeUpperAscii(p);
    }
    std::size_t from = 0;
    while (from <= t.size())
    {
        const std::size_t at = t.find(p, from);
        if (at == std::string::npos)
            return false;
        const std::size_t end = at + p.size();
        const bool rejected = (flags & kFindWholeWord) != 0 &&
                              ((at > 0 && IsWordChar(t[at - 1])) || (end < t.size() && IsWordChar(t[end])));
        if (!rejected)
            return true;
        // An empty pattern has no end to resume after: step on one character.
        from = end > at ? end : at + 1;
    }
    return false;
}

} // namespace r8
