// Takes apart a line of the workbench's output list (a compiler error, a
// search result) so that an editor can go to the place it names. A message
// line reads
//
//     object: element,network (line,column): message
//
// for example "Main: GS3-P1,NW2-H (12,4): unknown variable". Every part after
// the object is optional.
#pragma once

#include <cstdint>
#include <string>

namespace r8
{

class CQ2RTLOutParser
{
public:
    // Object kinds: what the line begins with.
    enum ObjectKind : std::int32_t
    {
        objectNone = 0,
        objectName = 1,     // any other token; the name is the token
        objectCommon = 2,   // "#define <Common>"; no name
        objectLibrary = 3,  // "#define <Library>"; no name
        objectGlobal = 4,   // "#define <Global>"; no name
        objectDefine = 5,   // "#define <name>"; the name without the brackets
        objectParen = 6,    // a token beginning with "("
        objectQuoted = 7,   // a double-quoted object; the name without the quotes
        objectVar = 13,     // the token "<var>" in any case
        objectBracket = 14, // "[name]"; the name without the brackets
        objectOption = 18,  // "Opt."; nothing else is parsed
    };

    // Element kinds: the chart element named after the colon.
    enum ElementKind : std::int32_t
    {
        elementNone = 0,
        elementTransition = 8, // GTn
        elementStep = 9,       // GSn
        elementStepP1 = 10,    // GSn-P1
        elementStepN = 11,     // GSn-N
        elementStepP0 = 12,    // GSn-P0
        elementMacroStep = 15, // GMn
    };

    // Network kinds: "NWn-H" or "NWn".
    enum NetworkKind : std::int32_t
    {
        networkNone = 0,
        networkHeader = 16,
        networkPlain = 17,
    };

    CQ2RTLOutParser() = default;
    virtual ~CQ2RTLOutParser() = default;

    // 1 when text is a message line (fields filled), 0 when it is not (a null
    // text, one beginning with a blank, one without a colon; all fields
    // cleared).
    int ParseLine(const char* text);

    // Copy the name out when out is not null; answer the kind.
    std::int32_t GetObjectPart(std::string* out) const;
    std::int32_t GetElementPart(std::string* out) const;
    std::int32_t GetNetworkPart(std::string* out) const;

    // The position; 0 when the line names none.
    std::int32_t GetLine() const { return m_line; }
    std::int32_t GetColumn() const { return m_column; }
    bool HasColumn() const { return m_hasColumn != 0; }

private:
    void Clear();
    std::size_t ParseObject(const std::string& text, std::size_t pos);
    std::size_t ParseElement(const std::string& text, std::size_t pos);
    std::size_t ParseNetwork(const std::string& text, std::size_t pos);
    void ParsePosition(const std::string& text, std::size_t pos);

    std::string m_object;
    std::string m_element;
    std::string m_network;
    std::int32_t m_objectKind = 0;
    std::int32_t m_elementKind = 0;
    std::int32_t m_networkKind = 0;
    std::int32_t m_line = 0;
    std::int32_t m_column = 0;
    std::uint32_t m_hasColumn = 0;
};

} // namespace r8
