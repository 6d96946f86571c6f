#include "support/Q2RTLCryptedFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using r8::CQ2RTLCryptedFile;
using r8test::TempFolder;

namespace
{

std::vector<std::string> ReadLines(const std::string& path)
{
    CQ2RTLCryptedFile file;
    std::vector<std::string> lines;
    if (!file.OpenRead(path.c_str()))
        return {"<open failed>"};
    std::string line;
    while (file.ReadLine(line))
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(CryptedFile, KeySequence)
{
    EXPECT_EQ(CQ2RTLCryptedFile::NextKey(0), 1);
    EXPECT_EQ(CQ2RTLCryptedFile::NextKey(1), 8);
    EXPECT_EQ(CQ2RTLCryptedFile::NextKey(37), 4);   // 259 keeps its low byte, 3
    EXPECT_EQ(CQ2RTLCryptedFile::NextKey(29), 5);   // 203 mod 199 = 4
    EXPECT_EQ(CQ2RTLCryptedFile::NextKey(255), 51); // 1785 & 255 = 249, mod 199 = 50
    for (int key = 0; key < 256; ++key)
    {
        int next = CQ2RTLCryptedFile::NextKey(static_cast<std::uint8_t>(key));
        EXPECT_GE(next, 1);
        EXPECT_LE(next, 199);
    }
}

// The bytes on disk, worked out by hand: header, key 5, then 'A' ^ 5 and
// 'B' ^ 36 (the key after 5).
TEST(CryptedFile, WritesTheDocumentedFormat)
{
    TempFolder folder;
    std::string path = folder.Path("ab.txt");
    CQ2RTLCryptedFile file;
    file.SetKey(5);
    ASSERT_TRUE(file.OpenWrite(path.c_str()));
    EXPECT_TRUE(file.WriteString("AB", false));
    file.Close();
    EXPECT_EQ(TempFolder::Read(path), std::string("!CR5\x05") + "Df");
}

TEST(CryptedFile, EveryKeyReadsBackWhatWasWritten)
{
    TempFolder folder;
    std::string path = folder.Path("keys.txt");
    std::string bytes;
    for (int c = 0; c < 256; ++c)
        bytes.push_back(static_cast<char>(c));
    for (int key = 0; key < 256; ++key)
    {
        SCOPED_TRACE(key);
        {
            CQ2RTLCryptedFile writer;
            writer.SetKey(static_cast<std::uint8_t>(key));
            ASSERT_TRUE(writer.OpenWrite(path.c_str()));
            ASSERT_TRUE(writer.WriteString("abc", true));
            for (char c : bytes)
                ASSERT_TRUE(writer.WriteChar(c));
        }
        std::string stored = TempFolder::Read(path);
        ASSERT_EQ(stored.size(), 5 + 5 + bytes.size());
        EXPECT_EQ(static_cast<unsigned char>(stored[4]), key);
        EXPECT_NE(stored.substr(5), "abc\r\n" + bytes) << "text stored in the clear";

        CQ2RTLCryptedFile reader;
        reader.SetKey(static_cast<std::uint8_t>(key ^ 0x55)); // the file's key must win
        ASSERT_TRUE(reader.OpenRead(path.c_str()));
        EXPECT_TRUE(reader.IsScrambled());
        EXPECT_EQ(reader.GetTextSize(), 5 + bytes.size());
        std::string line;
        ASSERT_TRUE(reader.ReadLine(line));
        EXPECT_EQ(line, "abc");
        EXPECT_EQ(reader.ReadAll(), bytes);
    }
}

TEST(CryptedFile, PlainFilesReadAsPlainText)
{
    TempFolder folder;
    std::string path = folder.Write("plain.ini", "[Settings]\r\nA=1\nlast");
    CQ2RTLCryptedFile file;
    ASSERT_TRUE(file.OpenRead(path.c_str()));
    EXPECT_FALSE(file.IsScrambled());
    EXPECT_EQ(file.GetTextSize(), 20u);
    EXPECT_EQ(file.ReadAll(), "[Settings]\r\nA=1\nlast");
    EXPECT_EQ(ReadLines(path), (std::vector<std::string>{"[Settings]", "A=1", "last"}));
}

// A line ends at LF only; carriage returns vanish wherever they stand.
TEST(CryptedFile, LineEnds)
{
    struct Case
    {
        const char* text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"ab"}},
        {"a\n\nb", {"a", "", "b"}},
        {"\r", {}},
        {"", {}},
        {"!C", {"!C"}}, // shorter than the header: plain
    };
    TempFolder folder;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(::testing::PrintToString(std::string(c.text)));
        std::string path = folder.Write("lines.txt", c.text);
        EXPECT_EQ(ReadLines(path), c.lines);
    }
}

TEST(CryptedFile, ScrambledLineEndsReadLikePlainOnes)
{
    TempFolder folder;
    std::string path = folder.Path("lines.txt");
    {
        CQ2RTLCryptedFile writer;
        ASSERT_TRUE(writer.OpenWrite(path.c_str()));
        writer.WriteString("first", true);
        writer.WriteString("second\nthird", false);
    }
    EXPECT_EQ(ReadLines(path), (std::vector<std::string>{"first", "second", "third"}));
}

TEST(CryptedFile, HeaderWithoutKeyFailsToOpen)
{
    TempFolder folder;
    std::string path = folder.Write("header.txt", "!CR5");
    CQ2RTLCryptedFile file;
    EXPECT_FALSE(file.OpenRead(path.c_str()));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_NE(file.GetOpenError(), 0);

    // A header with its key and no text is an empty scrambled file.
    path = folder.Write("empty.txt", std::string("!CR5\x07", 5));
    ASSERT_TRUE(file.OpenRead(path.c_str()));
    EXPECT_EQ(file.GetTextSize(), 0u);
    EXPECT_EQ(file.ReadAll(), "");
}

TEST(CryptedFile, WithoutScramblingTheHeaderIsText)
{
    TempFolder folder;
    std::string path = folder.Path("plain.txt");
    {
        CQ2RTLCryptedFile writer;
        writer.SetScramble(false);
        ASSERT_TRUE(writer.OpenWrite(path.c_str()));
        writer.WriteString("!CR5 is text here", true);
    }
    EXPECT_EQ(TempFolder::Read(path), "!CR5 is text here\r\n");

    CQ2RTLCryptedFile reader;
    reader.SetScramble(false);
    ASSERT_TRUE(reader.OpenRead(path.c_str()));
    std::string line;
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, "!CR5 is text here");
}

TEST(CryptedFile, FailuresAnswerFalse)
{
    TempFolder folder;
    CQ2RTLCryptedFile file;
    EXPECT_FALSE(file.OpenRead(folder.Path("missing.txt").c_str()));
    EXPECT_NE(file.GetOpenError(), 0);
    EXPECT_FALSE(file.OpenRead(nullptr));
    EXPECT_FALSE(file.OpenWrite(nullptr));
    EXPECT_FALSE(file.OpenWrite(folder.Path("no/such/folder.txt").c_str()));

    char c = 0;
    std::string line;
    EXPECT_FALSE(file.ReadChar(c));
    EXPECT_FALSE(file.ReadLine(line));
    EXPECT_FALSE(file.WriteChar('x'));
    EXPECT_FALSE(file.WriteString("x", true));

    // A file open for reading is not written, and the other way round.
    std::string path = folder.Write("read.txt", "abc");
    ASSERT_TRUE(file.OpenRead(path.c_str()));
    EXPECT_FALSE(file.WriteChar('x'));
    file.Close();
    EXPECT_EQ(TempFolder::Read(path), "abc");
    ASSERT_TRUE(file.OpenWrite(path.c_str()));
    EXPECT_FALSE(file.ReadChar(c));
}
