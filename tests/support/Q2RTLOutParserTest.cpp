#include "support/Q2RTLOutParser.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

using r8::CQ2RTLOutParser;

namespace
{

struct Parsed
{
    int result = 0;
    std::string object;
    int objectKind = 0;
    std::string element;
    int elementKind = 0;
    std::string network;
    int networkKind = 0;
    int line = 0;
    int column = 0;
    bool hasColumn = false;

    bool operator==(const Parsed&) const = default;
};

void PrintTo(const Parsed& p, std::ostream* os)
{
    *os << "{" << p.result << ", \"" << p.object << "\" " << p.objectKind << ", \"" << p.element
        << "\" " << p.elementKind << ", \"" << p.network << "\" " << p.networkKind << ", ("
        << p.line << "," << p.column << ") " << p.hasColumn << "}";
}

Parsed Parse(CQ2RTLOutParser& parser, const char* text)
{
    Parsed p;
    p.result = parser.ParseLine(text);
    p.objectKind = parser.GetObjectPart(&p.object);
    p.elementKind = parser.GetElementPart(&p.element);
    p.networkKind = parser.GetNetworkPart(&p.network);
    p.line = parser.GetLine();
    p.column = parser.GetColumn();
    p.hasColumn = parser.HasColumn();
    return p;
}

} // namespace

TEST(OutParser, MessageLines)
{
    struct Case
    {
        const char* text;
        Parsed expected;
    };
    const Case cases[] = {
        {"Main: GS3-P1,NW2-H (12,4): unknown variable",
         {1, "Main", 1, "GS3", 10, "NW2", 16, 12, 4, true}},
        // No blank is skipped after the comma: the network is not read.
        {"Main: GS3-P1, NW2-H (12,4): unknown variable",
         {1, "Main", 1, "GS3", 10, "", 0, 12, 4, true}},
        {"[Main]: GT7 (5): type mismatch", {1, "Main", 14, "GT7", 8, "", 0, 5, 0, false}},
        {"[Main: GT7", {1, "Main", 14, "GT7", 8, "", 0, 0, 0, false}},
        {"[<var>]: GS1", {1, "<var>", 14, "GS1", 9, "", 0, 0, 0, false}},
        {"Opt.: Main: GS3 (1,2): ignored", {1, "", 18, "", 0, "", 0, 0, 0, false}},
        {"opt.x: GS3", {1, "", 18, "", 0, "", 0, 0, 0, false}},
        {"#define <Common>: GS1 (3): x", {1, "", 2, "GS1", 9, "", 0, 3, 0, false}},
        {"#define <Library>: x", {1, "", 3, "", 0, "", 0, 0, 0, false}},
        {"#DEFINE \t<global>: x", {1, "", 4, "", 0, "", 0, 0, 0, false}},
        {"#define <Main>: GT2 (8,1): x", {1, "Main", 5, "GT2", 8, "", 0, 8, 1, true}},
        {"#define\tPrg: GM1", {1, "Prg", 5, "GM1", 15, "", 0, 0, 0, false}},
        {"\"My \"Prog\": GM4 (2): x", {1, "My Prog", 7, "GM4", 15, "", 0, 2, 0, false}},
        {"<VAR>: GS2-N: x", {1, "<VAR>", 13, "GS2", 11, "", 0, 0, 0, false}},
        {"(anonymous): GS1-p0 (1): x", {1, "(anonymous)", 6, "GS1", 12, "", 0, 1, 0, false}},
        {"Main:", {1, "Main", 1, "", 0, "", 0, 0, 0, false}},
        {"Main: nothing to see", {1, "Main", 1, "", 0, "", 0, 0, 0, false}},
        {"Main other: GS1", {1, "Main", 1, "GS1", 9, "", 0, 0, 0, false}},
        {"\tMain:GS2-P0 (7, 9): x", {1, "Main", 1, "GS2", 12, "", 0, 7, 9, true}},
        {"Main: gs12_a,nw3 (1,2): x", {1, "Main", 1, "gs12_a", 9, "nw3", 17, 1, 2, true}},
        {"Main: NW4-h (6): x", {1, "Main", 1, "", 0, "NW4", 16, 6, 0, false}},
        {"Main: text (3): x", {1, "Main", 1, "", 0, "", 0, 3, 0, false}},
        // A comma in the message after the position is not a column.
        {"Main: GT7 (5): expected ',' here", {1, "Main", 1, "GT7", 8, "", 0, 5, 0, false}},
        {"Main: GT7 (99999999999,-4): x", {1, "Main", 1, "GT7", 8, "", 0, INT_MAX, -4, true}},
        {"Main: GT7 (x,y", {1, "Main", 1, "GT7", 8, "", 0, 0, 0, true}},
        // Not message lines.
        {" Main: GS1 (1): x", {}},
        {"Main GS1 (1) without colon", {}},
        {"", {}},
        {nullptr, {}},
    };
    CQ2RTLOutParser parser; // one parser for all: nothing may be left from the line before
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text != nullptr ? c.text : "(null)");
        EXPECT_EQ(Parse(parser, c.text), c.expected);
    }
}

TEST(OutParser, PartsWithoutAString)
{
    CQ2RTLOutParser parser;
    ASSERT_EQ(parser.ParseLine("Main: GS3-P1 (1): x"), 1);
    EXPECT_EQ(parser.GetObjectPart(nullptr), CQ2RTLOutParser::objectName);
    EXPECT_EQ(parser.GetElementPart(nullptr), CQ2RTLOutParser::elementStepP1);
    EXPECT_EQ(parser.GetNetworkPart(nullptr), CQ2RTLOutParser::networkNone);
}
