#include "DocTestSupport.h"

using charttest::Lines;
using doctest::Chart;
using doctest::DocTest;
using doctest::Grid;

namespace
{

using InsertCommand = CR8EditSFCItem* (CR8EditSFCDoc::*)();

struct InsertCase
{
    const char* name;
    std::string chart;
    R8Point caret;
    InsertCommand command;
    const char* grid;
    R8Point caretAfter;
    std::size_t records;
};

class DocInsert : public DocTest, public ::testing::WithParamInterface<InsertCase>
{
};

// A step above an alternative divergence into two transitions, each followed
// by a step.
const std::string divergence = Chart({"@S1:0,0=1;", "@O2:1,0=0;", "@d3:1,1=0;", "@T4:2,0=2;",
                                      "@T5:2,1=3;", "@S6:3,0=4;", "@S7:3,1=5;"});

} // namespace

TEST_F(DocTest, WorkedExampleIsBuiltWithTheInsertCommands)
{
    ASSERT_NE(doc.InsertInitStep(), nullptr);
    ASSERT_NE(doc.InsertTrans(), nullptr);
    ASSERT_NE(doc.InsertStep(), nullptr);
    ASSERT_NE(doc.InsertJump(), nullptr);
    EXPECT_EQ(Grid(doc), "I1|T2|S3|J0");
    EXPECT_EQ(view.caret.y, 3);

    prompt.answers = {1};
    EXPECT_TRUE(doc.EnterReference(-1));
    EXPECT_TRUE(doc.SetElementText(SFC_INIT_STEP, 1, SFC_TEXT_NOTE, "Init"));
    EXPECT_TRUE(doc.SetElementText(SFC_TRANS, 2, SFC_TEXT_MAIN, "bStart"));
    EXPECT_TRUE(doc.SetElementText(SFC_STEP, 3, SFC_TEXT_P1, "x := 1;"));
    EXPECT_EQ(Text(), Lines({"#info=SFCCHART", "@I1:0,0=1;Init", "@T2:1,0=2;",       "@S3:2,0=3;",
                             "@J4:3,0=1;",     "#endinfo",       "_step _init GS1;", "_next GT2;",
                             "_trans GT2;",    "#sfc=GT2(0,1)",  "bStart",           "#sfc=end",
                             "_next GS3;",     "_step GS3;",     "#sfc=GS3(0,2)",    "",
                             "__BEGIN_P1",     "x := 1;",        "__END_ACTION",     "#sfc=end",
                             "_next GS1;"}));
    EXPECT_TRUE(doc.IsModified());
    ASSERT_FALSE(target.texts.empty());
    EXPECT_EQ(target.texts.back(), Text());
}

TEST_P(DocInsert, FollowUpsAndCaret)
{
    const InsertCase& c = GetParam();
    Load(c.chart);
    Caret(c.caret.x, c.caret.y);
    EXPECT_NE((doc.*c.command)(), nullptr);
    EXPECT_EQ(Grid(doc), c.grid);
    EXPECT_EQ(view.caret.x, c.caretAfter.x);
    EXPECT_EQ(view.caret.y, c.caretAfter.y);
    EXPECT_EQ(view.anchor.y, view.caret.y);
    EXPECT_EQ(UndoCount(), c.records);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, DocInsert,
    ::testing::Values(
        InsertCase{"StepOnStep",
                   Chart({"@S1:0,0=1;"}),
                   {0, 0},
                   &CR8EditSFCDoc::InsertStep,
                   "S2|T3|S1",
                   {0, 2},
                   2},
        InsertCase{"InitStepOnStep",
                   Chart({"@S1:0,0=1;"}),
                   {0, 0},
                   &CR8EditSFCDoc::InsertInitStep,
                   "I2|T3|S1",
                   {0, 2},
                   2},
        InsertCase{"MacroOnStep",
                   Chart({"@S1:0,0=1;"}),
                   {0, 0},
                   &CR8EditSFCDoc::InsertMacro,
                   "M2|T3|S1",
                   {0, 2},
                   2},
        InsertCase{"StepAboveAStepAcrossAGap",
                   Chart({"@S1:2,0=1;"}),
                   {0, 0},
                   &CR8EditSFCDoc::InsertStep,
                   "S2|T3|S1",
                   {0, 2},
                   2},
        InsertCase{"StepAboveATransition",
                   Chart({"@T1:1,0=1;"}),
                   {0, 0},
                   &CR8EditSFCDoc::InsertStep,
                   "S2|T1",
                   {0, 1},
                   1},
        InsertCase{"TransOnTrans",
                   Chart({"@T1:0,0=1;"}),
                   {0, 0},
                   &CR8EditSFCDoc::InsertTrans,
                   "T2|S3|T1",
                   {0, 2},
                   2},
        InsertCase{"TransAboveAStep",
                   Chart({"@S1:1,0=1;"}),
                   {0, 0},
                   &CR8EditSFCDoc::InsertTrans,
                   "T2|S1",
                   {0, 1},
                   1},
        InsertCase{
            "StepOnEmptyCell", "", {1, 1}, &CR8EditSFCDoc::InsertStep, ". .|. S1", {1, 2}, 1},
        InsertCase{"MacroBody", "", {0, 0}, &CR8EditSFCDoc::InsertMacroBody, "B1|T2|E3", {0, 3}, 3},
        InsertCase{"JumpKeepsTheCaret",
                   Chart({"@S1:0,0=1;"}),
                   {0, 1},
                   &CR8EditSFCDoc::InsertJump,
                   "S1|J0",
                   {0, 1},
                   1},
        InsertCase{"MainNode", "", {0, 0}, &CR8EditSFCDoc::InsertMainDiv, "O", {0, 1}, 1},
        InsertCase{"Divergence", "", {0, 0}, &CR8EditSFCDoc::InsertDiv, "d", {0, 1}, 1},
        InsertCase{"Convergence", "", {0, 0}, &CR8EditSFCDoc::InsertCnv, "c", {0, 1}, 1},
        InsertCase{"Comment", "", {0, 0}, &CR8EditSFCDoc::InsertComment, "N1", {0, 1}, 1}),
    [](const ::testing::TestParamInfo<InsertCase>& info) { return info.param.name; });

TEST_F(DocTest, InsertingAtAMainNodeShiftsTheWholeLineAndEveryBranch)
{
    Load(divergence);
    ASSERT_EQ(Grid(doc), "S1 .|O d|T2 T3|S4 S5");
    Caret(0, 1);
    ASSERT_NE(doc.InsertStep(), nullptr);
    EXPECT_EQ(Grid(doc), "S1 .|S6 .|O d|T2 T3|S4 S5");
    EXPECT_EQ(UndoCount(), 1u);

    // The Insert key on a branch finds the line's node and moves it all.
    Caret(1, 2);
    EXPECT_TRUE(doc.MakeRoom(1, 2));
    EXPECT_EQ(Grid(doc), "S1 .|S6 .|. .|O d|T2 T3|S4 S5");
    EXPECT_EQ(UndoCount(), 2u);
}

TEST_F(DocTest, LineWithAGapCellMovesWithItsBranches)
{
    // Node, an empty line cell, then two branches; transitions below each.
    Load(Chart({"@S1:0,0=1;", "@O2:1,0=0;", "@d3:1,2=0;", "@d4:1,3=0;", "@T5:2,0=2;", "@T6:2,2=3;",
                "@T7:2,3=4;", "@S8:0,2=9;"}));
    ASSERT_EQ(Grid(doc), "S1 . S9 .|O . d d|T2 . T3 T4");
    EXPECT_TRUE(doc.MakeRoom(0, 1));
    EXPECT_EQ(Grid(doc), "S1 . S9 .|. . . .|O . d d|T2 . T3 T4");
}

TEST_F(DocTest, MakeRoomOnAnEmptyCellRecordsAndMovesNothing)
{
    Load(divergence);
    const std::string before = Text();
    EXPECT_TRUE(doc.MakeRoom(3, 3));
    EXPECT_EQ(Text(), before);
    EXPECT_FALSE(doc.IsModified());
    ASSERT_EQ(UndoCount(), 1u);
    EXPECT_TRUE(doc.UndoRedoStep(true));
    EXPECT_EQ(Text(), before);
}

TEST_F(DocTest, ReadOnlyChartTakesNoInsertion)
{
    Load(divergence);
    doc.SetReadOnly(true);
    const std::string before = Text();
    Caret(0, 0);
    EXPECT_FALSE(doc.CanInsert());
    EXPECT_EQ(doc.InsertStep(), nullptr);
    EXPECT_FALSE(doc.MakeRoom(0, 0));
    EXPECT_EQ(Text(), before);
    EXPECT_EQ(UndoCount(), 0u);
    EXPECT_TRUE(target.texts.empty());
}

// Saved below the last row, an element would be skipped when read again: an
// edit that would push one there is refused whole and leaves no record.
TEST_F(DocTest, NothingIsPushedPastTheLastRow)
{
    Load(Chart({"@S1:9998,0=1;", "@T2:9999,0=2;", "@S3:0,1=3;"}));
    const std::string before = Text();

    Caret(0, 9998);
    EXPECT_EQ(doc.InsertStep(), nullptr);
    EXPECT_FALSE(doc.MakeRoom(0, 9999));
    EXPECT_EQ(Text(), before);
    EXPECT_EQ(UndoCount(), 0u);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(target.texts.empty());

    // Outside the grid nothing is inserted; on the last row an empty cell
    // still takes an element, and the caret stays on the grid.
    EXPECT_EQ(doc.InsertElement(SFC_STEP, 0, SFC_MAX_ROWS, 9), nullptr);
    EXPECT_EQ(doc.InsertElement(SFC_STEP, -1, 0, 9), nullptr);
    Caret(1, 9999);
    ASSERT_NE(doc.InsertStep(), nullptr);
    EXPECT_EQ(view.caret.y, 9999);
    CR8EditSFCDocData reloaded;
    reloaded.LoadFromText(Text());
    EXPECT_EQ(reloaded.GetItems().size(), 4u);
}

// Shifting keeps the link matrix current by relinking only what each move
// touched; the words must be those a whole rebuild derives, at every cell of
// charts with lines, branches on both sides and macro bodies.
TEST_F(DocTest, ShiftingLeavesTheMatrixOfAWholeRebuild)
{
    for (const char* name : {"divergence.sfc", "simultaneous.sfc", "convergence.sfc",
                             "partners.sfc", "partners-right.sfc", "macro.sfc", "worked-example.sfc"})
    {
        const std::string text = charttest::ReadBytes(charttest::FixturePath(name));
        Load(text);
        const int width = doc.GetWidth();
        const int height = doc.GetHeight();
        int shifted = 0;
        for (int r = 0; r < height; ++r)
        {
            for (int c = 0; c < width; ++c)
            {
                Load(text);
                if (!doc.ItemAt(c, r) || !doc.MakeRoom(c, r))
                    continue;
                ++shifted;
                const CR8EditSFCChart kept = doc.GetChart();
                const int keptWidth = doc.GetWidth();
                const int keptHeight = doc.GetHeight();
                charttest::Rebuild(doc);
                ASSERT_EQ(keptWidth, doc.GetWidth()) << name << " at " << c << "," << r;
                ASSERT_EQ(keptHeight, doc.GetHeight()) << name << " at " << c << "," << r;
                ASSERT_EQ(kept.GetHeight(), doc.GetChart().GetHeight()) << name;
                for (int y = 0; y < doc.GetHeight(); ++y)
                    for (int x = 0; x < doc.GetWidth(); ++x)
                        ASSERT_EQ(kept.Get(x, y), doc.GetLink(x, y))
                            << name << " shifted at " << c << "," << r << ", word " << x << "," << y;
            }
        }
        EXPECT_GT(shifted, 0) << name;
    }
}
