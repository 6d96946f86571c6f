// The host's script line format and its reading of the editor's help table.
#include "workbench/host/CommandTypes.h"
#include "workbench/host/ScriptParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using sfchost::ScriptWord;

namespace
{

struct Word
{
    std::string text;
    bool null;
};

std::vector<Word> Split(const std::string& line)
{
    std::vector<ScriptWord> words;
    std::string error;
    EXPECT_TRUE(sfchost::SplitScriptLine(line, words, error)) << line << ": " << error;
    std::vector<Word> out;
    for (const ScriptWord& w : words)
        out.push_back({w.text, w.null});
    return out;
}

} // namespace

TEST(ScriptFormat, SplitsWordsQuotesEscapesAndNull)
{
    struct Case
    {
        const char* line;
        std::vector<Word> words;
    };
    const Case cases[] = {
        {"", {}},
        {"   # a comment", {}},
        {"InsertStep", {{"InsertStep", false}}},
        {"  GotoXY\t2   5 ", {{"GotoXY", false}, {"2", false}, {"5", false}}},
        {"SetTransCode 2 \"a AND  b\"",
         {{"SetTransCode", false}, {"2", false}, {"a AND  b", false}}},
        {"SetText \"l1\\r\\nl2\\tx\\\\y\\\"\"", {{"SetText", false}, {"l1\r\nl2\tx\\y\"", false}}},
        {"Help ~", {{"Help", false}, {"", true}}},
        {"Help \"~\" \\~", {{"Help", false}, {"~", false}, {"~", false}}},
        {"SetText \"\"", {{"SetText", false}, {"", false}}},
        {"x a\"b c\"d", {{"x", false}, {"ab cd", false}}},
        {"x #not-a-comment", {{"x", false}, {"#not-a-comment", false}}},
    };
    for (const Case& c : cases)
    {
        const std::vector<Word> got = Split(c.line);
        ASSERT_EQ(got.size(), c.words.size()) << c.line;
        for (std::size_t i = 0; i < got.size(); ++i)
        {
            EXPECT_EQ(got[i].text, c.words[i].text) << c.line << " word " << i;
            EXPECT_EQ(got[i].null, c.words[i].null) << c.line << " word " << i;
        }
    }
}

TEST(ScriptFormat, RejectsMalformedLines)
{
    for (const char* line : {"SetText \"open", "SetText a\\", "SetText \\q"})
    {
        std::vector<ScriptWord> words;
        std::string error;
        EXPECT_FALSE(sfchost::SplitScriptLine(line, words, error)) << line;
        EXPECT_FALSE(error.empty()) << line;
    }
}

TEST(ScriptFormat, QuotedWordsReadBackTheSame)
{
    for (const ScriptWord& w :
         {ScriptWord{"a b", false}, ScriptWord{"x\r\n\t\\\"", false}, ScriptWord{"", false},
          ScriptWord{"~", false}, ScriptWord{"", true}, ScriptWord{"#x", false}})
    {
        std::vector<ScriptWord> words;
        std::string error;
        const std::string quoted = sfchost::QuoteScriptWord(w);
        ASSERT_TRUE(sfchost::SplitScriptLine("c " + quoted, words, error)) << quoted;
        ASSERT_EQ(words.size(), 2u) << quoted;
        EXPECT_EQ(words[1].text, w.text) << quoted;
        EXPECT_EQ(words[1].null, w.null) << quoted;
    }
    EXPECT_EQ(sfchost::QuoteScriptWord(ScriptWord{"abcdef", false}, 3), "abc...");
}

TEST(CommandTypes, ReadsTheHelpTableAndFormatsResults)
{
    sfchost::CommandTypes types;
    const std::string table = "\"void\";\"SetEnable\";\"BOOL\"\n"
                              "\"BOOL\";\"IsEnable\"\n"
                              "\"\";\"Odd\";\"int\";\"int\"\r\n"
                              "not a line\n"
                              "\"int\";\"PaintToDC\";\"HDC\";\"int\";\"int\";\"int\";\"int\"";
    EXPECT_EQ(types.Parse(table), 4u);
    const sfchost::CommandType* paint = types.Find("painttodc");
    ASSERT_NE(paint, nullptr);
    EXPECT_EQ(paint->name, "PaintToDC");
    EXPECT_EQ(paint->returnType, "int");
    EXPECT_EQ(paint->parameters, 5);
    ASSERT_NE(types.Find("ODD"), nullptr);
    EXPECT_EQ(types.Find("ODD")->returnType, "void"); // an empty type is void
    EXPECT_EQ(types.Find("IsEnable")->parameters, 0);
    EXPECT_EQ(types.Find("IsEnable "), nullptr);

    EXPECT_EQ(sfchost::FormatNumber("void", 5), "");
    EXPECT_EQ(sfchost::FormatNumber("int", 0xFFFFFFFFu), "-1");
    EXPECT_EQ(sfchost::FormatNumber("long", 0xFFFFFFFEu), "-2");
    EXPECT_EQ(sfchost::FormatNumber("DWORD", 0xFFFFFFFFu), "4294967295");
    EXPECT_EQ(sfchost::FormatNumber("WORD", 0x12345u), "9029");
    EXPECT_EQ(sfchost::FormatNumber("BOOL", 1), "1");
}
