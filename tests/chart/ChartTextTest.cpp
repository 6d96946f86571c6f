#include "ChartTestSupport.h"

#include "chart/R8EditSFCFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

using charttest::Insert;
using charttest::Lines;
using charttest::Rebuild;
using charttest::Save;

namespace
{

const std::string workedExample = Lines({
    "#info=SFCCHART", "@I1:0,0=1;Init", "@T2:1,0=2;",       "@S3:2,0=3;",
    "@J4:3,0=1;",     "#endinfo",       "_step _init GS1;", "_next GT2;",
    "_trans GT2;",    "#sfc=GT2(0,1)",  "bStart",           "#sfc=end",
    "_next GS3;",     "_step GS3;",     "#sfc=GS3(0,2)",    "",
    "__BEGIN_P1",     "x := 1;",        "__END_ACTION",     "#sfc=end",
    "_next GS1;",
});

std::string TempPath(const char* name)
{
    return std::string(::testing::TempDir()) + name;
}

} // namespace

TEST(ChartText, WorkedExampleIsWrittenByteForByteAndReadBack)
{
    CR8EditSFCDocData doc;
    Insert(doc, SFC_INIT_STEP, -1, 0, 0)->SetText(SFC_TEXT_NOTE, "Init");
    Insert(doc, SFC_TRANS, -1, 0, 1)->SetText(SFC_TEXT_MAIN, "bStart");
    Insert(doc, SFC_STEP, -1, 0, 2)->SetText(SFC_TEXT_P1, "x := 1;");
    Insert(doc, SFC_JUMP, 1, 0, 3);
    Rebuild(doc);
    EXPECT_EQ(Save(doc), workedExample);

    CR8EditSFCDocData loaded;
    loaded.LoadFromText(workedExample);
    EXPECT_EQ(Save(loaded), workedExample);
    ASSERT_EQ(loaded.GetItems().size(), 4u);
    EXPECT_EQ(loaded.GetWidth(), 1);
    EXPECT_EQ(loaded.GetHeight(), 4);
    const CR8EditSFCItem* init = loaded.ItemAt(0, 0);
    ASSERT_NE(init, nullptr);
    EXPECT_EQ(init->GetType(), SFC_INIT_STEP);
    EXPECT_EQ(init->GetText(SFC_TEXT_NOTE), "Init");
    const CR8EditSFCItem* trans = loaded.FindByNumber(SFC_TRANS, 2);
    ASSERT_NE(trans, nullptr);
    EXPECT_EQ(trans->GetKey(), 2u);
    EXPECT_EQ(trans->GetText(SFC_TEXT_MAIN), "bStart\r\n");
    const CR8EditSFCItem* step = loaded.FindByNumber(SFC_STEP, 3);
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->GetText(SFC_TEXT_MAIN), "");
    EXPECT_EQ(step->GetText(SFC_TEXT_P1), "x := 1;\r\n");
    const CR8EditSFCItem* jump = loaded.ItemAt(0, 3);
    ASSERT_NE(jump, nullptr);
    EXPECT_EQ(jump->GetType(), SFC_JUMP);
    EXPECT_EQ(jump->GetNumber(), 1);
    EXPECT_EQ(loaded.GetNextKey(), 5u);
    EXPECT_EQ(loaded.GetNextNumber(), 4);
}

TEST(ChartText, WorkedExampleFromDisk)
{
    const std::string path = charttest::FixturePath("worked-example.sfc");
    ASSERT_EQ(charttest::ReadBytes(path), workedExample);
    CR8EditSFCDocData doc;
    ASSERT_TRUE(doc.LoadFromFile(path));
    EXPECT_EQ(Save(doc), workedExample);
}

TEST(ChartText, EveryKindAndTextFieldSurvivesARoundTrip)
{
    CR8EditSFCDocData doc;
    const int codes[] = {SFC_NOTE,
                         SFC_END_STEP,
                         SFC_BEGIN_STEP,
                         SFC_STEP,
                         SFC_CONVERGENCE,
                         SFC_DIVERGENCE,
                         SFC_NODE,
                         SFC_NODE_DOUBLE,
                         SFC_CONVERGENCE_RIGHT,
                         SFC_DIVERGENCE_RIGHT,
                         SFC_MACRO,
                         SFC_TRANS,
                         SFC_JUMP,
                         SFC_INIT_STEP,
                         0};
    int column = 0;
    for (int code : codes)
    {
        CR8EditSFCItem* item = Insert(doc, code, code == SFC_JUMP ? 4 : -1, column, column % 3);
        ++column;
        item->SetText(SFC_TEXT_MAIN, "IF a THEN\r\n\r\n  b := 1;\r\nEND_IF;\r\n");
        item->SetText(SFC_TEXT_P1, "p1 := TRUE;");
        item->SetText(SFC_TEXT_N, "n1;\r\n\r\nn2;\r\n");
        item->SetText(SFC_TEXT_P0, "p0 := FALSE;\r\n");
        // Last, since a note takes every index as its text.
        item->SetText(SFC_TEXT_NOTE, "two\r\nlines, lone\nLF, a literal \\n and \\\\n");
    }
    Rebuild(doc);
    const std::string first = Save(doc);

    CR8EditSFCDocData loaded;
    loaded.LoadFromText(first);
    EXPECT_EQ(Save(loaded), first);
    ASSERT_EQ(loaded.GetItems().size(), std::size(codes));
    for (std::size_t i = 0; i < std::size(codes); ++i)
    {
        const CR8EditSFCItem* item = loaded.ItemAt(static_cast<int>(i), static_cast<int>(i % 3));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->GetType(), codes[i]);
        EXPECT_EQ(item->GetKey(), i + 1);
    }

    const CR8EditSFCItem* step = loaded.ItemAt(3, 0);
    const std::string note = "two\r\nlines, lone LF, a literal \r\n and \\\r\n";
    EXPECT_EQ(step->GetText(SFC_TEXT_NOTE), note);
    EXPECT_EQ(step->GetText(SFC_TEXT_MAIN), "IF a THEN\r\n\r\n  b := 1;\r\nEND_IF;\r\n");
    EXPECT_EQ(step->GetText(SFC_TEXT_P1), "p1 := TRUE;\r\n");
    EXPECT_EQ(step->GetText(SFC_TEXT_N), "n1;\r\n\r\nn2;\r\n");
    EXPECT_EQ(step->GetText(SFC_TEXT_P0), "p0 := FALSE;\r\n");
    EXPECT_EQ(loaded.ItemAt(0, 0)->GetText(SFC_TEXT_NOTE), note);
    EXPECT_EQ(loaded.ItemAt(11, 2)->GetText(SFC_TEXT_MAIN),
              "IF a THEN\r\n\r\n  b := 1;\r\nEND_IF;\r\n");
    EXPECT_EQ(loaded.ItemAt(11, 2)->GetText(SFC_TEXT_NOTE), note);
    // The macro step's note travels in its element line; its code does not.
    EXPECT_EQ(loaded.ItemAt(10, 1)->GetText(SFC_TEXT_NOTE), note);
}

TEST(ChartText, EmptyChartAndEmptySelection)
{
    CR8EditSFCDocData doc;
    std::string text = "previous";
    EXPECT_FALSE(doc.SaveToString(nullptr, text));
    EXPECT_EQ(text, "");

    std::string written;
    CR8EditSFCFile file;
    file.OpenWriteString(written);
    EXPECT_FALSE(doc.WriteChart({0, 0, 0, 0}, file));
    EXPECT_EQ(written, Lines({"#info=SFCCHART", "#endinfo"}));

    Insert(doc, SFC_STEP, -1, 2, 2);
    Rebuild(doc);
    const R8Rect elsewhere{0, 0, 1, 1};
    text = "previous";
    EXPECT_FALSE(doc.SaveToString(&elsewhere, text));
    EXPECT_EQ(text, "");

    // SaveToString appends.
    text = "before\r\n";
    EXPECT_TRUE(doc.SaveToString(nullptr, text));
    EXPECT_EQ(text.rfind("before\r\n#info=SFCCHART\r\n", 0), 0u);
}

TEST(ChartText, FragmentIsWrittenRelativeToItsRange)
{
    CR8EditSFCDocData doc;
    Insert(doc, SFC_STEP, -1, 0, 0);
    Insert(doc, SFC_STEP, 7, 3, 4)->SetText(SFC_TEXT_MAIN, "a;");
    Insert(doc, SFC_TRANS, 8, 3, 5)->SetText(SFC_TEXT_NOTE, "n");
    Rebuild(doc);
    const R8Rect range{2, 4, 3, 5};
    std::string text;
    ASSERT_TRUE(doc.SaveToString(&range, text));
    EXPECT_EQ(text, Lines({"#info=SFCCHART", "@S2:0,1=7;", "@T3:1,1=8;n", "#endinfo", "_step GS7;",
                           "#sfc=GS7(1,0)", "a;", "#sfc=end", "_next GT8;", "_trans GT8;"}));
}

TEST(ChartText, ElementLinesAsRead)
{
    struct Case
    {
        const char* line;
        int code;
        std::uint32_t key;
        int column, row, number;
        const char* written;
    };
    const Case cases[] = {
        {"@Rc7:2,3=0;", SFC_CONVERGENCE_RIGHT, 7, 3, 2, 0, "@Rc7:2,3=0;"},
        {"@Rd8:0,1=0;", SFC_DIVERGENCE_RIGHT, 8, 1, 0, 0, "@Rd8:0,1=0;"},
        {"@C9:0,0=0;", SFC_CONVERGENCE, 9, 0, 0, 0, "@c9:0,0=0;"},
        {"@RS4:1,1=2;", SFC_STEP, 4, 1, 1, 2, "@S4:1,1=2;"}, // R only joins branches
        {"@s1:0,0=1;", 0, 1, 0, 0, 1, "@?1:0,0=1;"},         // letters are case-sensitive
        {"@X5:1,2=3;", 0, 5, 2, 1, 3, "@?5:1,2=3;"},
        {"@S", SFC_STEP, 1, 0, 0, 0, "@S1:0,0=0;"}, // missing fields read as 0, fresh key
        {"@", 0, 1, 0, 0, 0, "@?1:0,0=0;"},
        {"@T:4", SFC_TRANS, 1, 0, 4, 0, "@T1:4,0=0;"},
        {"@S-1:0,0=2;", SFC_STEP, 4294967295u, 0, 0, 2, "@S4294967295:0,0=2;"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.line);
        CR8EditSFCDocData doc;
        doc.LoadFromText(Lines({"#info=SFCCHART", c.line, "#endinfo"}));
        ASSERT_EQ(doc.GetItems().size(), 1u);
        const CR8EditSFCItem* item = doc.ItemAt(c.column, c.row);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->GetType(), c.code);
        EXPECT_EQ(item->GetKey(), c.key);
        EXPECT_EQ(item->GetNumber(), c.number);
        std::string text = Save(doc);
        EXPECT_EQ(text.substr(0, text.find("#endinfo")), Lines({"#info=SFCCHART", c.written}));
    }
}

TEST(ChartText, DuplicateCellsAndKeys)
{
    CR8EditSFCDocData doc;
    doc.LoadFromText(Lines({"#info=SFCCHART", "@S5:0,0=1;first", "@T5:0,0=2;second", "@S0:1,0=3;",
                            "@S0:2,0=4;", "#endinfo"}));
    EXPECT_EQ(doc.GetItems().size(), 4u);
    // The later element owns the cell; the earlier is not written again.
    EXPECT_EQ(doc.ItemAt(0, 0)->GetType(), SFC_TRANS);
    const std::string text = Save(doc);
    EXPECT_EQ(text.substr(0, text.find("#endinfo")),
              Lines({"#info=SFCCHART", "@T5:0,0=2;second", "@S6:1,0=3;", "@S7:2,0=4;"}));
    EXPECT_EQ(doc.GetNextKey(), 8u);
}

TEST(ChartText, NextKeyAndNextNumberAfterLoading)
{
    CR8EditSFCDocData doc;
    const std::string text =
        Lines({"#info=SFCCHART", "@S3:0,0=4;", "@T9:1,0=12;", "@S5:2,0=2;", "#endinfo"});
    doc.LoadFromText(text);
    EXPECT_EQ(doc.GetNextKey(), 10u);
    EXPECT_EQ(doc.GetNextNumber(), 13);

    // Keys never go back; numbers start again from the text.
    doc.SetNextKey(100);
    doc.LoadFromText(Lines({"#info=SFCCHART", "@S3:0,0=1;", "#endinfo"}));
    EXPECT_EQ(doc.GetNextKey(), 100u);
    EXPECT_EQ(doc.GetNextNumber(), 2);
    doc.LoadFromText("");
    EXPECT_EQ(doc.GetNextNumber(), 1);
    EXPECT_EQ(doc.GetNextKey(), 100u);

    // Handing out keys never gives 0, which the text reads as "no key".
    doc.SetNextKey(0xFFFFFFFFu);
    EXPECT_EQ(doc.TakeNextKey(), 0xFFFFFFFFu);
    EXPECT_EQ(doc.TakeNextKey(), 1u);
}

TEST(ChartText, HeaderLines)
{
    struct Case
    {
        const char* header;
        bool opens;
    };
    const Case cases[] = {{"#info=SFCCHART", true},   {"#INFO=sfcchart", true},
                          {"#info=WSGE1EDT", true},   {"#info=SFCCHART ", false},
                          {" #info=SFCCHART", false}, {"#info=SFC", false}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.header);
        CR8EditSFCDocData doc;
        doc.LoadFromText(
            Lines({"junk", c.header, "skipped", "@S1:0,0=1;", "#ENDINFO", "@S2:1,0=2;"}));
        EXPECT_EQ(doc.GetItems().size(), c.opens ? 1u : 0u);
        EXPECT_EQ(doc.ItemAt(0, 1), nullptr);
    }
    // The block runs to the end of the text when #endinfo is missing.
    CR8EditSFCDocData doc;
    doc.LoadFromText("#info=SFCCHART\n@S1:0,0=1;\n@S2:1,0=2;");
    EXPECT_EQ(doc.GetItems().size(), 2u);
}

TEST(ChartText, DiskAndMemoryLineEnds)
{
    const std::string text = "#info=SFCCHART\r@S1:0,0=1;x\ry\n@S2:1,0=2;\n#endinfo\n";
    CR8EditSFCDocData memory;
    memory.LoadFromText(text);
    // In memory every CR ends a line: "y" is a line of its own.
    ASSERT_EQ(memory.GetItems().size(), 2u);
    EXPECT_EQ(memory.ItemAt(0, 0)->GetText(SFC_TEXT_NOTE), "x");

    const std::string path = TempPath("r8chart_cr.sfc");
    {
        std::FILE* out = std::fopen(path.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
    }
    // From disk only LF ends a line, and a line is cut at its first CR: the
    // first element line is lost with the rest of the header's line.
    CR8EditSFCDocData disk;
    disk.SetModified(true);
    EXPECT_TRUE(disk.LoadFromFile(path));
    EXPECT_FALSE(disk.IsModified());
    ASSERT_EQ(disk.GetItems().size(), 1u);
    EXPECT_EQ(disk.ItemAt(0, 0), nullptr);
    EXPECT_NE(disk.ItemAt(0, 1), nullptr);
    std::remove(path.c_str());

    CR8EditSFCDocData missing;
    missing.LoadFromText(Lines({"#info=SFCCHART", "@S1:0,0=1;", "#endinfo"}));
    EXPECT_FALSE(missing.LoadFromFile(TempPath("r8chart_missing.sfc")));
    EXPECT_TRUE(missing.GetItems().empty());
    EXPECT_EQ(missing.GetWidth(), 0);
}

TEST(ChartText, LoadFromTextLeavesTheModifiedFlag)
{
    CR8EditSFCDocData doc;
    doc.SetModified(true);
    doc.LoadFromText(workedExample);
    EXPECT_TRUE(doc.IsModified());
}

TEST(ChartText, CellsOutsideTheLimitsAreSkipped)
{
    struct Case
    {
        const char* line;
        bool loads;
        int width, height;
    };
    const Case cases[] = {
        {"@S1:9999,0=1;", true, 1, 10000},    {"@S1:0,9999=1;", true, 10000, 1},
        {"@S1:10000,0=1;", false, 0, 0},      {"@S1:0,10000=1;", false, 0, 0},
        {"@S1:-1,0=1;", false, 0, 0},         {"@S1:0,-3=1;", false, 0, 0},
        {"@S1:4294967295,0=1;", false, 0, 0}, {"@S1:0,99999999999999=1;", false, 0, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.line);
        CR8EditSFCDocData doc;
        doc.LoadFromText(Lines({"#info=SFCCHART", c.line, "@S0:0,0=2;", "#endinfo"}));
        EXPECT_EQ(doc.GetItems().size(), c.loads ? 2u : 1u);
        EXPECT_EQ(doc.GetWidth(), std::max(c.width, 1));
        EXPECT_EQ(doc.GetHeight(), std::max(c.height, 1));
        EXPECT_EQ(doc.GetChart().GetWidth(), doc.GetWidth());
        EXPECT_EQ(doc.GetChart().GetHeight(), doc.GetHeight());
        // A skipped line takes no key.
        EXPECT_EQ(doc.ItemAt(0, 0)->GetKey(), c.loads ? 2u : 1u);
    }

    // Elements placed beyond the limits by other means stay out of the matrix.
    CR8EditSFCDocData doc;
    doc.AddItem(SFC_STEP, 1, 20000, 3, nullptr);
    doc.AddItem(SFC_STEP, 2, 2, 0, nullptr);
    Rebuild(doc);
    EXPECT_EQ(doc.GetWidth(), 20001);
    EXPECT_EQ(doc.GetChart().GetWidth(), SFC_MAX_COLUMNS);
    EXPECT_EQ(doc.GetChart().GetHeight(), 4);
    EXPECT_EQ(doc.GetLink(2, 0), SFC_STEP);
}

TEST(ChartText, ReadElementLineForPasting)
{
    CR8EditSFCDocData doc;
    doc.LoadFromText(Lines({"#info=SFCCHART", "@S40:0,0=19;", "#endinfo"}));
    CR8EditSFCPasteMap map;
    const R8Point offset{2, 3};
    CR8EditSFCItem* step = doc.ReadElementLine("@S7:1,0=3;a\\nb", false, &offset, &map);
    CR8EditSFCItem* jump = doc.ReadElementLine("@J8:2,0=3;", false, &offset, &map);
    ASSERT_NE(step, nullptr);
    ASSERT_NE(jump, nullptr);
    EXPECT_EQ(step->GetColumn(), 2);
    EXPECT_EQ(step->GetRow(), 4);
    EXPECT_EQ(step->GetNumber(), 20); // a fresh number
    EXPECT_EQ(step->GetKey(), 41u);   // a fresh key
    EXPECT_EQ(step->GetText(SFC_TEXT_NOTE), "a\r\nb");
    EXPECT_EQ(jump->GetNumber(), 3); // a jump keeps its target
    EXPECT_EQ(jump->GetKey(), 42u);
    ASSERT_EQ(map.size(), 2u);
    EXPECT_EQ(map[0], std::make_pair(step, 3));
    EXPECT_EQ(map[1], std::make_pair(jump, 3));
    EXPECT_EQ(doc.GetWidth(), 3);
    EXPECT_EQ(doc.GetHeight(), 6);

    // The offset cannot carry a cell past the limits.
    const R8Point far{SFC_MAX_COLUMNS - 1, 0};
    EXPECT_EQ(doc.ReadElementLine("@S9:0,1=1;", false, &far, &map), nullptr);
    EXPECT_EQ(map.size(), 2u);
}

TEST(ChartText, ScanExtent)
{
    const std::string text = Lines({"@S1:50,60=1;", "#info=sfcchart", "@S1:2,3=1;", "x:7",
                                    "@T2:1,9=2;", "#endinfo", "@S3:30,40=3;"});
    const R8Rect extent = CR8EditSFCDocData::ScanExtent(text);
    EXPECT_EQ(extent.left, 0);
    EXPECT_EQ(extent.top, 0);
    EXPECT_EQ(extent.right, 9);
    EXPECT_EQ(extent.bottom, 7); // every line of the block counts

    const R8Rect none = CR8EditSFCDocData::ScanExtent("@S1:2,3=1;");
    EXPECT_EQ(none.right, 0);
    EXPECT_EQ(none.bottom, 0);

    const R8Rect huge =
        CR8EditSFCDocData::ScanExtent(Lines({"#info=SFCCHART", "@S1:2000000000,2000000000=1;"}));
    EXPECT_EQ(huge.right, SFC_MAX_COLUMNS - 1);
    EXPECT_EQ(huge.bottom, SFC_MAX_ROWS - 1);
}

TEST(ChartText, SaveToFileReplacesTheFileOnlyWhenComplete)
{
    const std::string path = TempPath("r8chart_save.sfc");
    {
        std::FILE* out = std::fopen(path.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fputs("old chart", out);
        std::fclose(out);
    }
    CR8EditSFCDocData doc;
    doc.LoadFromText(workedExample);
    doc.SetModified(true);
    ASSERT_TRUE(doc.SaveToFile(path));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(charttest::ReadBytes(path), workedExample);
    EXPECT_FALSE(std::filesystem::exists(path + ".r8save"));

    // When the new file cannot be written, the old one stays as it was and the
    // chart stays modified.
    std::filesystem::create_directory(path + ".r8save");
    doc.SetModified(true);
    CR8EditSFCDocData other;
    other.LoadFromText(Lines({"#info=SFCCHART", "@S1:0,0=1;", "#endinfo"}));
    EXPECT_FALSE(other.SaveToFile(path));
    EXPECT_EQ(charttest::ReadBytes(path), workedExample);
    std::filesystem::remove(path + ".r8save");

    EXPECT_FALSE(doc.SaveToFile(TempPath("r8chart_no_dir/x.sfc")));
    EXPECT_TRUE(doc.IsModified());
    std::remove(path.c_str());
}

TEST(ChartText, CodeBlockHeadersNameTheirCell)
{
    CR8EditSFCDocData doc;
    doc.LoadFromText(Lines({
        "#sfc=GS1(0,0)", // before the chart block: no element there yet
        "early",
        "#sfc=end",
        "#info=SFCCHART",
        "@S1:0,0=1;",
        "@T2:1,0=2;",
        "#endinfo",
        "#sfc=GT2(0,5)", // no element at that cell: its lines pass on
        "#sfc=GS1(0,0)",
        "late",
        "#sfc=end",
        "#sfc=anything(0,1)", // the name is not looked at, the cell is
        "c",
        "#sfc=end",
    }));
    EXPECT_EQ(doc.ItemAt(0, 0)->GetText(SFC_TEXT_MAIN), "late\r\n");
    EXPECT_EQ(doc.ItemAt(0, 1)->GetText(SFC_TEXT_MAIN), "c\r\n");
}
