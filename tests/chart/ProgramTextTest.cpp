#include "ChartTestSupport.h"

#include <gtest/gtest.h>

using charttest::Insert;
using charttest::Lines;
using charttest::Rebuild;
using charttest::Save;

namespace
{

std::string ProgramSection(const std::string& text)
{
    const std::string end = "#endinfo\r\n";
    const std::size_t at = text.find(end);
    return at == std::string::npos ? std::string() : text.substr(at + end.size());
}

// A chart of one step at (0, 0) whose code block holds the given lines.
const CR8EditSFCItem* LoadStepBlock(CR8EditSFCDocData& doc,
                                    std::initializer_list<std::string_view> block)
{
    std::string text = Lines({"#info=SFCCHART", "@S1:0,0=1;", "#endinfo", "#sfc=GS1(0,0)"});
    for (std::string_view line : block)
    {
        text += line;
        text += "\r\n";
    }
    doc.LoadFromText(text);
    return doc.ItemAt(0, 0);
}

} // namespace

TEST(ProgramText, StepWithOnlyAP0Action)
{
    CR8EditSFCDocData doc;
    Insert(doc, SFC_STEP, -1, 0, 0)->SetText(SFC_TEXT_P0, "done := TRUE;");
    Rebuild(doc);
    EXPECT_EQ(ProgramSection(Save(doc)), Lines({"_step GS1;", "#sfc=GS1(0,0)", "", "__BEGIN_P0",
                                                "done := TRUE;", "__END_ACTION", "#sfc=end"}));
}

TEST(ProgramText, ElementsWithoutDeclarationWriteNothing)
{
    CR8EditSFCDocData doc;
    for (int code : {SFC_MACRO, SFC_JUMP, SFC_NOTE, SFC_NODE, SFC_DIVERGENCE, 0})
    {
        CR8EditSFCItem* item = Insert(doc, code, 1, code % 7, 0);
        for (int index = 0; index <= 4; ++index)
            item->SetText(index, "GS1.X;");
    }
    Rebuild(doc);
    EXPECT_EQ(ProgramSection(Save(doc)), "");
}

TEST(ProgramText, EmptyCodeWritesNoBlock)
{
    CR8EditSFCDocData doc;
    Insert(doc, SFC_INIT_STEP, -1, 0, 0)->SetText(SFC_TEXT_NOTE, "only a note");
    Insert(doc, SFC_TRANS, -1, 0, 1)->SetText(SFC_TEXT_NOTE, "only a note");
    Insert(doc, SFC_JUMP, 4, 0, 2);
    Rebuild(doc);
    EXPECT_EQ(ProgramSection(Save(doc)),
              Lines({"_step _init GS1;", "_next GT2;", "_trans GT2;", "_next GS4;"}));
}

// The successor lines name the elements below by the numbers they carry now,
// after every way a number or a style changes, and after a move.
TEST(ProgramText, SuccessorLinesFollowNumbersStylesAndMoves)
{
    CR8EditSFCDocData doc;
    CR8EditSFCItem* step = Insert(doc, SFC_STEP, 1, 0, 0);
    CR8EditSFCItem* trans = Insert(doc, SFC_TRANS, 2, 0, 1);
    CR8EditSFCItem* below = Insert(doc, SFC_STEP, 3, 0, 2);
    Rebuild(doc);
    doc.SetNumber(trans->GetId(), 20);
    doc.TakeNumber(below->GetId(), 30);
    EXPECT_TRUE(doc.SwapItemStyle(below->GetId())); // now an initial step
    Rebuild(doc);
    EXPECT_EQ(ProgramSection(Save(doc)), Lines({"_step GS1;", "_next GT20;", "_trans GT20;",
                                                "_next GS30;", "_step _init GS30;"}));
    doc.MoveItem(below->GetId(), 0, 3);
    doc.TakeNumber(below->GetId(), 31);
    doc.TakeNumber(step->GetId(), 11);
    Rebuild(doc);
    EXPECT_EQ(ProgramSection(Save(doc)), Lines({"_step GS11;", "_next GT20;", "_trans GT20;",
                                                "_next GS31;", "_step _init GS31;"}));
}

TEST(ProgramText, StepCodeAsReadBack)
{
    struct Case
    {
        const char* main;
        const char* read;
    };
    const Case cases[] = {
        {"a\r\n\r\nb\r\n", "a\r\n\r\nb\r\n"}, // unchanged
        {"a\r\nb", "a\r\nb\r\n"},             // the line end is added
        {"\r\na\r\n", "a\r\n"},               // a leading empty line is lost
        {"\r\n\r\n", ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.main);
        CR8EditSFCDocData doc;
        CR8EditSFCItem* step = Insert(doc, SFC_STEP, -1, 0, 0);
        step->SetText(SFC_TEXT_MAIN, c.main);
        step->SetText(SFC_TEXT_N, c.main);
        Rebuild(doc);
        CR8EditSFCDocData loaded;
        loaded.LoadFromText(Save(doc));
        EXPECT_EQ(loaded.ItemAt(0, 0)->GetText(SFC_TEXT_MAIN), c.read);
        EXPECT_EQ(loaded.ItemAt(0, 0)->GetText(SFC_TEXT_N), c.read);
    }
}

TEST(ProgramText, ActionKeywordsArePrefixesInAnyCase)
{
    CR8EditSFCDocData doc;
    const CR8EditSFCItem* step = LoadStepBlock(
        doc, {"", "main", "__begin_p1", "p1", "__END_ACTIONS", "more main", "__BEGIN_Nx", "n",
              "__END_ACTION", "__BEGIN_P0", "", "p0", "__END_ACTION", "#SFC=END", "after"});
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->GetText(SFC_TEXT_MAIN), "main\r\nmore main\r\n");
    EXPECT_EQ(step->GetText(SFC_TEXT_P1), "p1\r\n");
    EXPECT_EQ(step->GetText(SFC_TEXT_N), "n\r\n");
    EXPECT_EQ(step->GetText(SFC_TEXT_P0), "p0\r\n");
}

TEST(ProgramText, BlockWithoutEndKeepsWhatWasRead)
{
    CR8EditSFCDocData doc;
    const CR8EditSFCItem* step = LoadStepBlock(doc, {"x;", "__BEGIN_P1", "y;"});
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->GetText(SFC_TEXT_MAIN), "x;\r\n");
    EXPECT_EQ(step->GetText(SFC_TEXT_P1), "y;\r\n");
}

TEST(ProgramText, TransitionConditionKeepsEveryLine)
{
    CR8EditSFCDocData doc;
    doc.LoadFromText(Lines({"#info=SFCCHART", "@T1:0,0=1;", "#endinfo", "#sfc=GT1(0,0)", "",
                            "a AND", "", "b", "#sfc=end"}));
    const CR8EditSFCItem* trans = doc.ItemAt(0, 0);
    ASSERT_NE(trans, nullptr);
    EXPECT_EQ(trans->GetText(SFC_TEXT_MAIN), "\r\na AND\r\n\r\nb\r\n");
    EXPECT_EQ(ProgramSection(Save(doc)),
              Lines({"_trans GT1;", "#sfc=GT1(0,0)", "", "a AND", "", "b", "#sfc=end"}));
}

TEST(ProgramText, RenameReferences)
{
    CR8EditSFCDocData doc;
    CR8EditSFCItem* twelve = doc.AddItem(SFC_STEP, 12, 0, 0, nullptr);
    const CR8EditSFCNumberMap map{{3, twelve}};
    struct Case
    {
        const char* code;
        const char* renamed;
    };
    const Case cases[] = {
        {"IF GS3.X AND gs3.t > T#2s THEN", "IF GS12.X AND gs12.t > T#2s THEN"},
        {"GS3 := TRUE", "GS3 := TRUE"},
        {"MAGS3.X", "MAGS12.X"},
        {"gS3.T", "gS12.T"},
        {"GS003.x", "GS12.x"},
        {"GS007.Y", "GS7.Y"}, // leading zeros are lost
        {"GS4.X", "GS4.X"},   // not in the map
        {"GS3.", "GS3."},
        {"x := G", "x := G"},
        {"x := GS", "x := GS"},
        {"x := GS3", "x := GS3"},
        {"GS3;GS3.X", "GS3;GS12.X"},
        {"GS3GS3.X", "GS3GS3.X"}, // the character after a number is copied unread
        {"GGS3.X", "GGS3.X"},
        {"GSx.X", "GSx.X"},
        {"GS99999999999.X", "GS99999999999.X"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CR8EditSFCDocData::RenameReferences(c.code, map), c.renamed) << c.code;
}

TEST(ProgramText, ApplyRenumberingFollowsTheNewNumbers)
{
    CR8EditSFCDocData doc;
    CR8EditSFCItem* step = Insert(doc, SFC_STEP, 3, 0, 0);
    CR8EditSFCItem* trans = Insert(doc, SFC_TRANS, 4, 0, 1);
    CR8EditSFCItem* jump = Insert(doc, SFC_JUMP, 3, 0, 2);
    CR8EditSFCItem* macro = Insert(doc, SFC_MACRO, 3, 1, 0);
    CR8EditSFCItem* other = Insert(doc, SFC_JUMP, 5, 1, 1);
    for (int index = 0; index <= 4; ++index)
        step->SetText(index, "GS3.X" + std::to_string(index));
    trans->SetText(SFC_TEXT_MAIN, "GS3.T > t#1s");
    trans->SetText(SFC_TEXT_NOTE, "GS3.T");
    Rebuild(doc);

    doc.TakeNumber(step->GetId(), 12);
    const CR8EditSFCNumberMap map{{3, step}};
    const std::vector<CR8EditSFCItem*> all{step, trans, jump, macro, other, nullptr};
    EXPECT_TRUE(doc.ApplyRenumbering(map, all));
    EXPECT_EQ(step->GetText(SFC_TEXT_MAIN), "GS12.X0");
    EXPECT_EQ(step->GetText(SFC_TEXT_NOTE), "GS3.X1"); // notes are not code
    EXPECT_EQ(step->GetText(SFC_TEXT_P1), "GS12.X2");
    EXPECT_EQ(step->GetText(SFC_TEXT_N), "GS12.X3");
    EXPECT_EQ(step->GetText(SFC_TEXT_P0), "GS12.X4");
    EXPECT_EQ(trans->GetText(SFC_TEXT_MAIN), "GS12.T > t#1s");
    EXPECT_EQ(trans->GetText(SFC_TEXT_NOTE), "GS3.T");
    EXPECT_EQ(jump->GetNumber(), 12);
    EXPECT_EQ(macro->GetNumber(), 12);
    EXPECT_EQ(other->GetNumber(), 5);
    EXPECT_EQ(doc.FindByNumber(SFC_JUMP, 12), jump);
    EXPECT_EQ(doc.FindByNumber(SFC_MACRO, 12), macro);

    // Nothing left to rewrite: the answer says no code changed.
    EXPECT_FALSE(doc.ApplyRenumbering(map, all));
}
