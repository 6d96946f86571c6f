#include "support/Q2RTLOut.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using r8::CQ2RTLOut;
using r8test::TempFolder;

namespace
{

class RecordingList : public r8::CQ2RTLOutList
{
public:
    void AddLine(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

} // namespace

TEST(Out, LineFormats)
{
    struct Case
    {
        const char* category;
        const char* object;
        const char* subObject;
        std::uint32_t network;
        bool twoCoordinates;
        std::uint32_t first;
        std::uint32_t second;
        bool showPosition;
        const char* message;
        const char* expected;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, 0, false, 0, 0, true, "msg", "(0): msg"},
        {"Find", "Main", nullptr, 0, true, 12, 4, true, "a --> b", "Find: Main(12,4): a --> b"},
        {"", "Main", "GS3", 2, false, 5, 0, true, "m", "Main-GS3NW2(5): m"},
        {nullptr, "Main", "GS3", 0, true, 4294967295u, 7, true, "m", "Main-GS3(4294967295,7): m"},
        {"Error", "#define <Common>", nullptr, 3, true, 3, 1, false, "m",
         "Error: #define <Common>m"},
        {nullptr, "Main", nullptr, 0, false, 1, 0, true, nullptr, "Main(1): "},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.expected);
        RecordingList list;
        CQ2RTLOut out;
        out.SetOutput(&list, nullptr);
        out.SetCategory(c.category);
        out.SetObject(c.object);
        out.SetSubObject(c.subObject);
        out.SetNetwork(c.network);
        out.SetTwoCoordinates(c.twoCoordinates);
        out.SetPosition(c.first, c.second);
        out.SetShowPosition(c.showPosition);
        out.WriteLine(c.message);
        EXPECT_EQ(list.lines, std::vector<std::string>{c.expected});
    }
}

TEST(Out, SettingTheObjectClearsTheSubObject)
{
    CQ2RTLOut out;
    out.SetObject("Main");
    out.SetSubObject("GS3");
    out.SetObject("Other");
    out.SetShowPosition(false);
    EXPECT_EQ(out.FormatLine("x"), "Otherx");
}

TEST(Out, WritesToListAndLogUnlessSilent)
{
    TempFolder folder;
    std::string logPath = folder.Path("out.log");
    std::FILE* log = std::fopen(logPath.c_str(), "wb");
    ASSERT_NE(log, nullptr);
    RecordingList list;
    CQ2RTLOut out;
    out.SetOutput(&list, log);
    out.SetObject("Main");
    out.SetPosition(3);

    out.SetFlags(CQ2RTLOut::flagSilent);
    out.WriteLine("silent");
    out.SetFlags(0);
    out.WriteLine("first");
    out.WriteLine("second");
    std::fclose(log);

    EXPECT_EQ(list.lines, (std::vector<std::string>{"Main(3): first", "Main(3): second"}));
    EXPECT_EQ(TempFolder::Read(logPath), "Main(3): first\r\nMain(3): second\r\n");

    // No outputs at all: nothing to write to, nothing breaks.
    out.SetOutput(static_cast<std::uintptr_t>(0), nullptr);
    out.WriteLine("nowhere");
    EXPECT_EQ(list.lines.size(), 2u);
}
