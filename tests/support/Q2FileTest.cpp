#include "support/Q2File.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using r8::CQ2File;
using r8test::TempFolder;

namespace
{

std::vector<std::string> ReadAllLines(CQ2File& file)
{
    std::vector<std::string> lines;
    std::string line;
    while (file.ReadLine(line))
        lines.push_back(line);
    return lines;
}

struct LineCase
{
    const char* text;
    std::vector<std::string> lines;
};

// A memory text and a file give the same lines: LF, CR LF and a lone CR each
// end a line, and the last line needs no line end.
const LineCase kLineCases[] = {
    {"a\r\nb\r\n", {"a", "b"}},
    {"a\nb\n", {"a", "b"}},
    {"a\rb\r", {"a", "b"}},
    {"a\nb", {"a", "b"}},
    {"last line without end", {"last line without end"}},
    {"a\n\nb\r\n\r\nc", {"a", "", "b", "", "c"}},
    {"a\n\rb", {"a", "", "b"}}, // LF CR is two line ends
    {"\n", {""}},
    {"", {}},
};

} // namespace

TEST(Q2File, MemoryLines)
{
    for (const LineCase& c : kLineCases)
    {
        SCOPED_TRACE(::testing::PrintToString(std::string(c.text)));
        CQ2File file;
        file.OpenMemory(c.text);
        EXPECT_TRUE(file.IsReadOpen());
        EXPECT_EQ(ReadAllLines(file), c.lines);
        std::string line = "stale";
        EXPECT_FALSE(file.ReadLine(line));
        EXPECT_EQ(line, "");
    }
}

TEST(Q2File, FileLines)
{
    TempFolder folder;
    for (const LineCase& c : kLineCases)
    {
        SCOPED_TRACE(::testing::PrintToString(std::string(c.text)));
        std::string path = folder.Write("lines.txt", c.text);
        CQ2File file;
        ASSERT_TRUE(file.Open(path.c_str(), CQ2File::modeRead));
        EXPECT_EQ(file.GetFilePath(), path);
        EXPECT_EQ(ReadAllLines(file), c.lines);
    }
}

TEST(Q2File, MemoryTextIsCopied)
{
    std::string text = "one\ntwo";
    CQ2File file;
    file.OpenMemory(text);
    text.assign("overwritten");
    EXPECT_EQ(ReadAllLines(file), (std::vector<std::string>{"one", "two"}));
}

TEST(Q2File, WritesToAStringOrAFile)
{
    std::string target = "kept ";
    CQ2File file;
    file.OpenString(&target);
    EXPECT_TRUE(file.IsWriteOpen());
    file.WriteString("line\r\n");
    file.WriteString(nullptr);
    file.WriteString("more");
    file.Close();
    file.WriteString("after close");
    EXPECT_EQ(target, "kept line\r\nmore");

    TempFolder folder;
    std::string path = folder.Path("out.txt");
    ASSERT_TRUE(file.OpenWrite(path.c_str()));
    file.WriteString("first\r\n");
    file.WriteString("second\n");
    std::string line;
    EXPECT_FALSE(file.ReadLine(line)); // open for writing only
    file.Close();
    EXPECT_EQ(TempFolder::Read(path), "first\r\nsecond\n"); // binary: no line end added

    ASSERT_TRUE(file.Open(path.c_str(), CQ2File::modeWrite));
    file.WriteString("replaced");
    file.Close();
    EXPECT_EQ(TempFolder::Read(path), "replaced");
}

TEST(Q2File, NothingOpen)
{
    CQ2File file;
    std::string line;
    EXPECT_FALSE(file.IsReadOpen());
    EXPECT_FALSE(file.IsWriteOpen());
    EXPECT_FALSE(file.ReadLine(line));
    file.WriteString("nowhere");
    file.OpenString(nullptr);
    EXPECT_FALSE(file.IsWriteOpen());
    file.OpenMemory(static_cast<const char*>(nullptr));
    EXPECT_FALSE(file.ReadLine(line));

    TempFolder folder;
    EXPECT_FALSE(file.Open(folder.Path("missing.txt").c_str(), CQ2File::modeRead));
    EXPECT_FALSE(file.IsReadOpen());
    EXPECT_FALSE(file.Open(nullptr, CQ2File::modeRead));

    // Opening another source forgets the memory text.
    file.OpenMemory("memory");
    std::string path = folder.Write("file.txt", "file");
    ASSERT_TRUE(file.Open(path.c_str(), CQ2File::modeRead));
    EXPECT_EQ(ReadAllLines(file), std::vector<std::string>{"file"});
}

TEST(Q2File, FilePath)
{
    CQ2File file;
    file.SetFilePath("C:\\charts\\main.sfc");
    EXPECT_EQ(file.GetFilePath(), "C:\\charts\\main.sfc");
    file.SetFilePath(nullptr);
    EXPECT_EQ(file.GetFilePath(), "");
}
