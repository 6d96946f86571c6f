#include "ChartTestSupport.h"

#include "chart/R8EditSFCFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace
{

std::vector<std::string> ReadAll(CR8EditSFCFile& file)
{
    std::vector<std::string> lines;
    std::string line;
    while (file.ReadLine(line))
        lines.push_back(line);
    return lines;
}

std::string TempPath(const char* name)
{
    return std::string(::testing::TempDir()) + name;
}

} // namespace

TEST(LineFile, MemoryLineEnds)
{
    struct Case
    {
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"x\ry\n", {"x", "y"}},
        {"a\n\rb", {"a", "", "b"}}, // LF CR ends two lines
        {"\r\n\r\n", {"", ""}},
        {std::string("a\nb\0c\n", 6), {"a", "b"}}, // the text ends at its NUL
        // Line ends at every place in a word of eight, and a last line without one.
        {"abcdefghij\r\nklmnopqrstuvwxyz01\n0123456\r01234567\n89abcdef\rtail without end",
         {"abcdefghij", "klmnopqrstuvwxyz01", "0123456", "01234567", "89abcdef", "tail without end"}},
        {"\x8d\x8a\xff\x0e\x0b\x0c\x09\x8d\x8a\xff\x0e\x0b\x0c\x09\x8d\x8a\n", // bytes near CR and LF
         {"\x8d\x8a\xff\x0e\x0b\x0c\x09\x8d\x8a\xff\x0e\x0b\x0c\x09\x8d\x8a"}},
    };
    for (const Case& c : cases)
    {
        CR8EditSFCFile file;
        ASSERT_TRUE(file.OpenReadText(c.text));
        EXPECT_EQ(ReadAll(file), c.lines) << testing::PrintToString(c.text);
    }
}

TEST(LineFile, DiskLinesEndAtLineFeedAndAreCutAtCarriageReturn)
{
    const std::string path = TempPath("r8chart_lines.txt");
    {
        std::FILE* out = std::fopen(path.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fputs("x\ry\na\r\n\nlast", out);
        std::fclose(out);
    }
    CR8EditSFCFile file;
    ASSERT_TRUE(file.OpenRead(path));
    EXPECT_EQ(ReadAll(file), (std::vector<std::string>{"x", "a", "", "last"}));
    std::remove(path.c_str());

    EXPECT_FALSE(file.OpenRead(TempPath("r8chart_no_such_file.txt")));
    EXPECT_NE(file.GetOpenError(), 0);
    std::string line;
    EXPECT_FALSE(file.ReadLine(line));
}

TEST(LineFile, WriteLineAddsLineEndUnlessPresent)
{
    std::string out = "kept:";
    CR8EditSFCFile file;
    file.OpenWriteString(out);
    file.WriteLine("a");
    file.WriteLine("");
    file.WriteLine("b\r\n");
    file.WriteLine("\n");     // too short to end with CR LF
    file.WriteLine("c\r\nd"); // a text of several lines, written unchanged
    file.Close();
    EXPECT_EQ(out, "kept:a\r\n\r\nb\r\n\n\r\nc\r\nd\r\n");

    // Writing in another mode after Close does not touch the string.
    file.WriteLine("lost");
    EXPECT_EQ(out, "kept:a\r\n\r\nb\r\n\n\r\nc\r\nd\r\n");
}

TEST(LineFile, ReadUntilStopsAtThePrefixInAnyCase)
{
    CR8EditSFCFile file;
    file.OpenReadText("\r\nA\r\n#SFC=END here\r\nafter\r\n");
    std::string text = "old";
    file.ReadUntil("#sfc=end", text);
    EXPECT_EQ(text, "\r\nA\r\n");
    std::string line;
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_EQ(line, "after");

    file.OpenReadText("a\r\nb");
    file.ReadUntil("#sfc=end", text);
    EXPECT_EQ(text, "a\r\nb\r\n");
}
