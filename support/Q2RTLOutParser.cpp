#include "support/Q2RTLOutParser.h"

#include "support/TextCase.h"

#include <climits>
#include <cstring>
#include <string_view>

namespace r8
{

namespace
{

bool StartsNoCase(const std::string& text, std::size_t pos, std::string_view prefix)
{
    return pos <= text.size() && text.size() - pos >= prefix.size() &&
           EqualsNoCase(std::string_view(text).substr(pos, prefix.size()), prefix);
}

bool IsBlankOrTab(char c)
{
    return c == ' ' || c == '\t';
}

std::size_t SkipBlanks(const std::string& text, std::size_t pos)
{
    while (pos < text.size() && IsBlankOrTab(text[pos]))
        ++pos;
    return pos;
}

bool IsNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

std::size_t SkipName(const std::string& text, std::size_t pos)
{
    while (pos < text.size() && IsNameChar(text[pos]))
        ++pos;
    return pos;
}

// Reads a number as atoi does (leading white space, a sign, digits), but
// saturates instead of overflowing.
std::int32_t ReadNumber(const std::string& text, std::size_t pos)
{
    while (pos < text.size() && (IsBlankOrTab(text[pos]) || text[pos] == '\n' ||
                                 text[pos] == '\r' || text[pos] == '\v' || text[pos] == '\f'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        negative = text[pos++] == '-';
    long long value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
    {
        value = value * 10 + (text[pos++] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<std::int32_t>(value);
}

} // namespace

void CQ2RTLOutParser::Clear()
{
    m_object.clear();
    m_element.clear();
    m_network.clear();
    m_objectKind = objectNone;
    m_elementKind = elementNone;
    m_networkKind = networkNone;
    m_line = 0;
    m_column = 0;
    m_hasColumn = 0;
}

int CQ2RTLOutParser::ParseLine(const char* text)
{
    Clear();
    if (text == nullptr || text[0] == ' ' || std::strchr(text, ':') == nullptr)
        return 0;
    const std::string line(text);
    std::size_t pos = SkipBlanks(line, 0);
    if (StartsNoCase(line, pos, "Opt."))
    {
        m_objectKind = objectOption;
        return 1;
    }
    pos = ParseObject(line, pos);
    std::size_t colon = line.find(':', pos);
    if (colon == std::string::npos)
        return 1;
    pos = SkipBlanks(line, colon + 1);
    pos = ParseElement(line, pos);
    pos = ParseNetwork(line, pos);
    ParsePosition(line, pos);
    return 1;
}

std::size_t CQ2RTLOutParser::ParseObject(const std::string& text, std::size_t pos)
{
    if (StartsNoCase(text, pos, "#define"))
    {
        pos = SkipBlanks(text, pos + 7);
        static constexpr struct
        {
            std::string_view name;
            ObjectKind kind;
        } kFixed[] = {
            {"<Common>", objectCommon},
            {"<Library>", objectLibrary},
            {"<Global>", objectGlobal},
        };
        for (const auto& fixed : kFixed)
        {
            if (StartsNoCase(text, pos, fixed.name))
            {
                m_objectKind = fixed.kind;
                return pos + fixed.name.size();
            }
        }
        if (pos < text.size() && text[pos] == '<')
            ++pos;
        std::size_t end = text.find_first_of(">: \t", pos);
        if (end == std::string::npos)
            end = text.size();
        m_object = text.substr(pos, end - pos);
        m_objectKind = objectDefine;
        return end;
    }

    if (pos < text.size() && (text[pos] == '"' || text[pos] == '['))
    {
        std::size_t end = text.find(':', pos);
        if (end == std::string::npos)
            end = text.size();
        if (text[pos] == '"')
        {
            for (std::size_t i = pos; i < end; ++i)
            {
                if (text[i] != '"')
                    m_object.push_back(text[i]);
            }
            m_objectKind = objectQuoted;
        }
        else
        {
            m_object = text.substr(pos + 1, end - pos - 1);
            if (!m_object.empty() && m_object.back() == ']')
                m_object.pop_back();
            m_objectKind = objectBracket;
        }
        return end;
    }

    std::size_t end = text.find_first_of(": \t", pos);
    if (end == std::string::npos)
        end = text.size();
    m_object = text.substr(pos, end - pos);
    if (EqualsNoCase(m_object, "<var>"))
        m_objectKind = objectVar;
    else if (!m_object.empty() && m_object.front() == '(')
        m_objectKind = objectParen;
    else
        m_objectKind = objectName;
    return end;
}

std::size_t CQ2RTLOutParser::ParseElement(const std::string& text, std::size_t pos)
{
    if (StartsNoCase(text, pos, "GT"))
        m_elementKind = elementTransition;
    else if (StartsNoCase(text, pos, "GS"))
        m_elementKind = elementStep;
    else if (StartsNoCase(text, pos, "GM"))
        m_elementKind = elementMacroStep;
    else
        return pos;

    std::size_t end = SkipName(text, pos + 2);
    m_element = text.substr(pos, end - pos);
    pos = end;
    if (m_elementKind == elementStep)
    {
        static constexpr struct
        {
            std::string_view suffix;
            ElementKind kind;
        } kActions[] = {
            {"-P1", elementStepP1},
            {"-P0", elementStepP0},
            {"-N", elementStepN},
        };
        for (const auto& action : kActions)
        {
            if (StartsNoCase(text, pos, action.suffix))
            {
                m_elementKind = action.kind;
                pos += action.suffix.size();
                break;
            }
        }
    }
    // Only the comma is stepped over: a network must follow it directly.
    if (pos < text.size() && text[pos] == ',')
        ++pos;
    return pos;
}

std::size_t CQ2RTLOutParser::ParseNetwork(const std::string& text, std::size_t pos)
{
    if (!StartsNoCase(text, pos, "NW"))
        return pos;
    std::size_t end = SkipName(text, pos + 2);
    m_network = text.substr(pos, end - pos);
    pos = end;
    if (StartsNoCase(text, pos, "-H"))
    {
        m_networkKind = networkHeader;
        pos += 2;
    }
    else
    {
        m_networkKind = networkPlain;
    }
    return pos;
}

void CQ2RTLOutParser::ParsePosition(const std::string& text, std::size_t pos)
{
    std::size_t open = text.find('(', pos);
    if (open == std::string::npos)
        return;
    m_line = ReadNumber(text, open + 1);
    // The column's comma lies inside the parentheses; a comma in the message
    // text after them is not a column.
    std::size_t close = text.find(')', open + 1);
    std::size_t comma = text.find(',', open + 1);
    if (comma != std::string::npos && (close == std::string::npos || comma < close))
    {
        m_column = ReadNumber(text, comma + 1);
        m_hasColumn = 1;
    }
}

std::int32_t CQ2RTLOutParser::GetObjectPart(std::string* out) const
{
    if (out != nullptr)
        *out = m_object;
    return m_objectKind;
}

std::int32_t CQ2RTLOutParser::GetElementPart(std::string* out) const
{
    if (out != nullptr)
        *out = m_element;
    return m_elementKind;
}

std::int32_t CQ2RTLOutParser::GetNetworkPart(std::string* out) const
{
    if (out != nullptr)
        *out = m_network;
    return m_networkKind;
}

} // namespace r8
