#include "DocTestSupport.h"

using doctest::Chart;
using doctest::DocTest;
using doctest::Grid;

namespace
{

// Column 0: step, transition, step, transition, step.
const std::string column =
    Chart({"@S1:0,0=1;", "@T2:1,0=2;", "@S3:2,0=3;", "@T4:3,0=4;", "@S5:4,0=5;"});

} // namespace

// --- deleting ---

TEST_F(DocTest, DeletingOneStepPullsTheColumnUp)
{
    Load(column);
    Caret(0, 2);
    doc.DeleteSelection();
    EXPECT_EQ(Grid(doc), "S1|T2|T4|S5");
    EXPECT_EQ(UndoCount(), 1u);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocTest, DeletingOneNoteLeavesItsCellOpen)
{
    Load(Chart({"@S1:0,0=1;", "@N2:1,0=2;note", "@S3:2,0=3;"}));
    Caret(0, 1);
    doc.DeleteSelection();
    EXPECT_EQ(Grid(doc), "S1|.|S3");
}

TEST_F(DocTest, DeletingSeveralCellsLeavesTheGap)
{
    Load(column);
    view.Select(0, 1, 0, 2);
    doc.DeleteSelection();
    EXPECT_EQ(Grid(doc), "S1|.|.|T4|S5");
}

TEST_F(DocTest, DeletingAStepAboveALinePullsTheLineUp)
{
    Load(Chart({"@S1:0,0=1;", "@O2:1,0=0;", "@d3:1,1=0;", "@T4:2,0=2;", "@T5:2,1=3;"}));
    Caret(0, 0);
    doc.DeleteSelection();
    EXPECT_EQ(Grid(doc), "O d|T2 T3");
}

TEST_F(DocTest, LockedElementsStayAndEmptyCellsStillRecord)
{
    Load(column);
    doc.LockElement(true, SFC_STEP, 3);
    EXPECT_TRUE(doc.IsElementLock(SFC_STEP, 3));
    view.Select(0, 0, 0, 4);
    EXPECT_FALSE(doc.CanCut());
    doc.DeleteSelection();
    EXPECT_EQ(Grid(doc), ".|.|S3");
    EXPECT_TRUE(doc.IsElementLock(SFC_STEP, 3));

    // Clearing an empty cell is one undo step that restores the same text.
    const std::string before = Text();
    Caret(3, 3);
    doc.DeleteSelection();
    EXPECT_EQ(Text(), before);
    EXPECT_EQ(UndoCount(), 2u);
    EXPECT_TRUE(doc.UndoRedoStep(true));
    EXPECT_EQ(Text(), before);
}

// --- moving ---

TEST_F(DocTest, MoveBlockOntoItsOwnCells)
{
    Load(Chart({"@S1:0,0=1;", "@T2:1,0=2;", "@S3:0,1=3;"}));
    view.Select(0, 0, 1, 1);
    const R8Rect outline = doc.GetDragOutline({0, 0});
    EXPECT_TRUE(doc.MoveBlock(1, 0, outline));
    EXPECT_EQ(Grid(doc), ". S1 S3|. T2 .");
    EXPECT_EQ(UndoCount(), 1u);
    EXPECT_EQ(beep.beeps, 0);
}

TEST_F(DocTest, MoveBlockOntoOccupiedCellsBeepsAndChangesNothing)
{
    Load(Chart({"@S1:0,0=1;", "@S2:0,2=2;"}));
    const std::string before = Text();
    Caret(0, 0);
    EXPECT_FALSE(doc.MoveBlock(2, 0, {0, 0, 0, 0}));
    EXPECT_EQ(beep.beeps, 1);
    EXPECT_EQ(Text(), before);
    EXPECT_EQ(UndoCount(), 0u);

    // Past the grid's last column is no free cell either.
    EXPECT_FALSE(doc.MoveBlock(SFC_MAX_COLUMNS, 0, {0, 0, 0, 0}));
    EXPECT_EQ(beep.beeps, 2);
    EXPECT_EQ(Text(), before);
}

TEST_F(DocTest, MoveBlockClampsAtTheTopLeftAndMovesLockedElements)
{
    Load(Chart({"@S1:2,3=1;", "@T2:3,3=2;"}));
    doc.LockElement(true, SFC_TRANS, 2);
    view.Select(3, 2, 3, 3);
    // Dragged from the lower cell; the outline is (0, -1, 0, 0).
    const R8Rect outline = doc.GetDragOutline({3, 3});
    EXPECT_EQ(outline.top, -1);
    EXPECT_TRUE(doc.MoveBlock(-7, -9, outline));
    EXPECT_EQ(Grid(doc), "S1|T2");
    EXPECT_TRUE(doc.IsElementLock(SFC_TRANS, 2));
}

TEST_F(DocTest, MoveBlockInPlaceOrOnAReadOnlyChartSucceedsWithoutChange)
{
    Load(column);
    Caret(0, 0);
    EXPECT_TRUE(doc.MoveBlock(0, 0, {0, 0, 0, 0}));
    EXPECT_EQ(UndoCount(), 0u);
    doc.SetReadOnly(true);
    EXPECT_TRUE(doc.MoveBlock(3, 0, {0, 0, 0, 0}));
    EXPECT_EQ(Grid(doc), "S1|T2|S3|T4|S5");
    EXPECT_EQ(UndoCount(), 0u);
}

// --- renumbering ---

TEST_F(DocTest, RenumberColumnByColumn)
{
    Load(Chart({"@S1:0,0=7;", "@T2:1,0=9;", "@S3:2,0=8;", "@T4:3,0=3;", "@S5:4,0=12;", "@T6:5,0=5;",
                "@S7:6,0=20;", "@S8:0,1=30;", "@T9:1,1=31;", "@S10:2,1=10000;", "@J11:3,1=8;",
                "@M12:4,1=40;", "@B13:0,2=40;"}));
    doc.SetElementText(SFC_TRANS, 9, SFC_TEXT_MAIN, "GS7.X AND GS30.T>t#1s AND GS10000.X");
    EXPECT_TRUE(doc.CanRenumber());
    EXPECT_TRUE(doc.Renumber());
    EXPECT_EQ(Grid(doc), "S1 S101 B201|T1 T101 .|S2 S10000 .|T2 J2 .|S3 M201 .|T3 . .|S4 . .");
    EXPECT_EQ(doc.GetElementText(SFC_TRANS, 1, SFC_TEXT_MAIN),
              "GS1.X AND GS101.T>t#1s AND GS10000.X");
    EXPECT_EQ(doc.GetNextNumber(), 202);
    EXPECT_EQ(UndoCount(), 2u);
    EXPECT_TRUE(doc.UndoRedoStep(true));
    EXPECT_EQ(doc.ItemAt(0, 0)->GetNumber(), 7);
}

// A column's hundred comes from its place, whatever columns before it are
// empty, also for an element past the grid's width (only a crafted call puts
// one there).
TEST_F(DocTest, RenumberNumbersEachColumnByItsPlace)
{
    Load(Chart({"@S1:0,0=7;", "@T2:1,0=3;", "@S3:0,5=8;"}));
    doc.AddItem(SFC_STEP, 9, SFC_MAX_COLUMNS + 1, 1, nullptr);
    doc.RecomputeExtent();
    doc.RebuildMatrix();
    EXPECT_TRUE(doc.Renumber());
    EXPECT_EQ(doc.ItemAt(0, 0)->GetNumber(), 1);
    EXPECT_EQ(doc.ItemAt(0, 1)->GetNumber(), 1);
    EXPECT_EQ(doc.ItemAt(5, 0)->GetNumber(), 501);
    EXPECT_EQ(doc.ItemAt(SFC_MAX_COLUMNS + 1, 1)->GetNumber(), 100 * (SFC_MAX_COLUMNS + 1) + 1);
    EXPECT_EQ(doc.GetNextNumber(), 100 * (SFC_MAX_COLUMNS + 1) + 2);
}

TEST_F(DocTest, RenumberTakesTheNextFreeHundredAfterALongColumn)
{
    std::vector<std::string> lines;
    for (int r = 0; r <= 100; ++r)
        lines.push_back("@S" + std::to_string(r + 1) + ":" + std::to_string(r) +
                        ",0=" + std::to_string(500 + r) + ";");
    std::string text = "#info=SFCCHART\r\n";
    for (const std::string& line : lines)
        text += line + "\r\n";
    // The column ends in a transition: the next column still starts above
    // every step number of this one.
    text += "@T199:101,0=3;\r\n@S200:0,1=9;\r\n#endinfo\r\n";
    Load(text);
    EXPECT_TRUE(doc.Renumber());
    EXPECT_EQ(doc.ItemAt(0, 100)->GetNumber(), 101);
    EXPECT_EQ(doc.ItemAt(0, 101)->GetNumber(), 1);
    EXPECT_EQ(doc.ItemAt(1, 0)->GetNumber(), 201);
    EXPECT_EQ(doc.GetNextNumber(), 202);
}

TEST_F(DocTest, RenumberHandsOutNoNumberTwice)
{
    Load(Chart({"@S1:0,0=7;", "@S2:1,0=8;", "@S3:2,0=9;", "@T4:3,0=5;"}));
    EXPECT_TRUE(doc.Renumber());
    EXPECT_EQ(Grid(doc), "S1|S2|S3|T1");
    EXPECT_EQ(doc.GetNextNumber(), 4);

    // Nor does a number entered by hand come out of the counter again.
    Caret(0, 0);
    prompt.answers = {50};
    EXPECT_TRUE(doc.EnterReference(-1));
    Caret(0, 5);
    EXPECT_EQ(doc.InsertStep()->GetNumber(), 51);
}

TEST_F(DocTest, AFormerNumberNamesNoElementForTextsLocksOrTheProgram)
{
    Load(Chart({"@T1:0,0=1;", "@M2:1,0=7;", "@B3:0,1=7;"}));
    ASSERT_TRUE(doc.Renumber());
    ASSERT_EQ(Grid(doc), "T1 B101|M101 .");
    EXPECT_FALSE(doc.SetElementText(SFC_BEGIN_STEP, 7, SFC_TEXT_MAIN, "x"));
    EXPECT_EQ(doc.GetElementText(SFC_STEP, 101, SFC_TEXT_MAIN), "");
    doc.LockElement(true, SFC_STEP, 7);
    EXPECT_FALSE(doc.IsElementLock(SFC_STEP, 101));

    // The macro step taken back to its body's former number is bound to no
    // body, before a reload as after it.
    Caret(0, 1);
    prompt.answers = {7};
    ASSERT_TRUE(doc.EnterReference(-1));
    EXPECT_NE(Text().find("_trans GT1;\r\n_next;\r\n"), std::string::npos);
}

TEST_F(DocTest, RenumberIsBlockedByAnyLockAndByReadOnly)
{
    Load(column);
    const std::string before = Text();
    doc.LockElement(true, SFC_TRANS, 4);
    EXPECT_FALSE(doc.Renumber());
    doc.LockElement(false, SFC_TRANS, 4);
    doc.SetReadOnly(true);
    EXPECT_FALSE(doc.CanRenumber());
    EXPECT_FALSE(doc.Renumber());
    EXPECT_EQ(Text(), before);
    EXPECT_EQ(UndoCount(), 0u);
}

// --- numbers and references ---

TEST_F(DocTest, EnterReferenceAsksAtTheReferenceArea)
{
    Load(Chart({"@B1:0,0=1;", "@M2:0,1=1;", "@J3:0,2=1;", "@T4:1,0=2;"}));
    doc.SetElementText(SFC_TRANS, 2, SFC_TEXT_MAIN, "GS1.X");
    doc.EmptyUndoStack();
    Caret(0, 0);
    prompt.answers = {4};
    EXPECT_TRUE(doc.CanEnterSelRef());
    EXPECT_TRUE(doc.EnterReference(7));
    EXPECT_EQ(prompt.lastInitial, 1);
    EXPECT_EQ(prompt.lastStartDigit, 7);
    EXPECT_EQ(prompt.lastOwner, 0x1234);
    R8Rect area;
    ASSERT_TRUE(doc.ItemAt(0, 0)->GetRefRect(view.geometry, area));
    EXPECT_EQ(prompt.lastArea.left, area.left);
    EXPECT_EQ(prompt.lastArea.bottom, area.bottom);
    // The macro step with the old number, the jump and the code follow.
    EXPECT_EQ(Grid(doc), "B4 M4 J4|T2 . .");
    EXPECT_EQ(doc.GetElementText(SFC_TRANS, 2, SFC_TEXT_MAIN), "GS4.X");
    EXPECT_EQ(UndoCount(), 1u);
}

TEST_F(DocTest, EnterReferenceRefusesATakenNumberWithoutARecord)
{
    Load(Chart({"@S1:0,0=1;", "@B2:1,0=5;", "@J3:2,0=1;", "@J4:3,0=9;"}));
    Caret(0, 0);
    prompt.answers = {5};
    EXPECT_FALSE(doc.EnterReference(-1));
    EXPECT_EQ(doc.ItemAt(0, 0)->GetNumber(), 1);
    EXPECT_EQ(UndoCount(), 0u);
    EXPECT_TRUE(target.texts.empty());

    // Jumps may share a target, even one that no step has.
    Caret(0, 2);
    prompt.answers = {77};
    EXPECT_TRUE(doc.EnterReference(-1));
    Caret(0, 3);
    prompt.answers = {77};
    EXPECT_TRUE(doc.EnterReference(-1));
    EXPECT_EQ(Grid(doc), "S1|B5|J77|J77");

    // Cancelled, unchanged or locked: no change and no record.
    Caret(0, 0);
    prompt.answers = {std::nullopt, 1};
    EXPECT_FALSE(doc.EnterReference(-1));
    EXPECT_FALSE(doc.EnterReference(-1));
    doc.LockAtCaret(true);
    const int calls = prompt.calls;
    EXPECT_FALSE(doc.EnterReference(-1));
    EXPECT_EQ(prompt.calls, calls);
    EXPECT_EQ(UndoCount(), 2u);
}

TEST_F(DocTest, AFormerNumberStaysTakenAfterRenumberUntilReload)
{
    Load(Chart({"@S1:0,0=5;", "@T2:1,0=6;", "@S3:2,0=9;"}));
    ASSERT_TRUE(doc.Renumber());
    ASSERT_EQ(Grid(doc), "S1|T1|S2");
    Caret(0, 2);
    prompt.answers = {5};
    EXPECT_FALSE(doc.EnterReference(-1));
    doc.LoadFromText(Text());
    prompt.answers = {5};
    EXPECT_TRUE(doc.EnterReference(-1));
    EXPECT_EQ(Grid(doc), "S1|T1|S5");

    // A deleted step takes its former number with it.
    ASSERT_TRUE(doc.Renumber());
    ASSERT_EQ(Grid(doc), "S1|T1|S2");
    Caret(0, 2);
    doc.DeleteSelection();
    Caret(0, 0);
    prompt.answers = {5};
    EXPECT_TRUE(doc.EnterReference(-1));
    EXPECT_EQ(Grid(doc), "S5|T1");
}

TEST_F(DocTest, SetTimerBelowAStep)
{
    Load(Chart({"@S1:0,0=8;"}));
    Caret(0, 1);
    prompt.answers = {500};
    EXPECT_TRUE(doc.SetTimer());
    EXPECT_EQ(prompt.lastInitial, 0);
    EXPECT_EQ(Grid(doc), "S8|T9");
    EXPECT_EQ(doc.GetElementText(SFC_TRANS, 9, SFC_TEXT_MAIN), "GS8.T>t#500ms");
    EXPECT_EQ(view.caret.y, 1);
    EXPECT_EQ(UndoCount(), 2u);
}

TEST_F(DocTest, SetTimerWithoutAPredecessor)
{
    struct Case
    {
        int number;
        const char* condition;
    };
    for (const Case& c : {Case{1, "GS1.T>t#250ms"}, Case{6, "GS5.T>t#250ms"}})
    {
        const std::string line = "@T1:0,0=" + std::to_string(c.number) + ";";
        Load(Chart({line}));
        Caret(0, 0);
        prompt.answers = {250};
        EXPECT_TRUE(doc.SetTimer());
        EXPECT_EQ(doc.GetElementText(SFC_TRANS, c.number, SFC_TEXT_MAIN), c.condition);
    }
}

TEST_F(DocTest, SetTimerNeedsAnUnlockedTransition)
{
    Load(Chart({"@S1:0,0=1;", "@T2:1,0=2;"}));
    Caret(0, 0);
    prompt.answers = {100};
    EXPECT_FALSE(doc.SetTimer());
    Caret(0, 1);
    doc.LockAtCaret(true);
    EXPECT_FALSE(doc.SetTimer());
    EXPECT_EQ(prompt.calls, 0);
    // Cancelled on an empty cell: the new transition stays.
    Caret(0, 2);
    prompt.answers = {std::nullopt};
    EXPECT_FALSE(doc.SetTimer());
    EXPECT_EQ(Grid(doc), "S1|T2|T3");
    EXPECT_EQ(doc.GetElementText(SFC_TRANS, 3, SFC_TEXT_MAIN), "");
}

// --- style, texts, locks, bookmarks, queries ---

TEST_F(DocTest, SwapStyleKeepsTheNumberIndex)
{
    Load(Chart({"@S1:0,0=1;", "@O2:1,0=0;", "@T3:2,0=2;"}));
    Caret(0, 0);
    EXPECT_TRUE(doc.CanSwapStyle());
    EXPECT_TRUE(doc.SwapStyleAt(0, 0));
    EXPECT_EQ(Grid(doc), "I1|O|T2");
    EXPECT_TRUE(doc.SwapStyleAt(0, 1));
    EXPECT_EQ(doc.FindByNumber(SFC_NODE_DOUBLE, 0), doc.ItemAt(0, 1));
    EXPECT_EQ(doc.FindByNumber(SFC_NODE, 0), nullptr);
    // A transition has no second style, but the step is recorded all the same.
    EXPECT_FALSE(doc.SwapStyleAt(0, 2));
    EXPECT_EQ(UndoCount(), 3u);
    doc.SetReadOnly(true);
    EXPECT_FALSE(doc.CanSwapStyle());
    EXPECT_FALSE(doc.SwapStyleAt(0, 0));
    EXPECT_EQ(UndoCount(), 3u);
}

TEST_F(DocTest, TextsByCodeAndNumber)
{
    Load(Chart({"@S1:0,0=1;", "@T2:1,0=2;"}));
    EXPECT_TRUE(doc.SetElementText(SFC_STEP, 1, SFC_TEXT_P1, "#info=LDEDIT x"));
    EXPECT_EQ(doc.GetElementText(SFC_STEP, 1, SFC_TEXT_P1), "#info=LDEDIT x");
    EXPECT_EQ(doc.GetElementLanguage(SFC_STEP, 1, SFC_TEXT_P1), 2);
    EXPECT_EQ(view.cellRepaints, 1);
    // No element: nothing set, but one undo step as for every text command.
    EXPECT_FALSE(doc.SetElementText(SFC_TRANS, 9, SFC_TEXT_MAIN, "x"));
    EXPECT_EQ(doc.GetElementText(SFC_TRANS, 9, SFC_TEXT_MAIN), "");
    EXPECT_EQ(doc.GetElementLanguage(SFC_TRANS, 9, SFC_TEXT_MAIN), 0);
    EXPECT_EQ(UndoCount(), 2u);
}

TEST_F(DocTest, BookmarksWalkWithWrap)
{
    Load(column);
    for (int row : {1, 3})
    {
        Caret(0, row);
        doc.SetBookmark(true);
        doc.SetBookmark(true);
        EXPECT_TRUE(doc.IsBookmark());
    }
    Caret(0, 4);
    EXPECT_TRUE(doc.NextBookmark());
    EXPECT_EQ(view.caret.y, 1);
    EXPECT_TRUE(doc.NextBookmark());
    EXPECT_EQ(view.caret.y, 3);
    EXPECT_TRUE(doc.PreviousBookmark());
    EXPECT_EQ(view.caret.y, 1);
    doc.ToggleBookmark();
    EXPECT_FALSE(doc.IsBookmark());
    // From the only bookmark there is no other.
    Caret(0, 3);
    EXPECT_FALSE(doc.NextBookmark());
    EXPECT_TRUE(doc.ClearBookmarks());
    EXPECT_FALSE(doc.ClearBookmarks());
    EXPECT_FALSE(doc.NextBookmark());
    EXPECT_EQ(UndoCount(), 0u);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocTest, QueriesOnTheSelection)
{
    Load(Chart(
        {"@B1:0,0=3;", "@T2:1,0=4;", "@M3:0,1=3;", "@N4:1,1=6;", "@O5:0,2=0;", "@d6:0,4=0;"}));
    struct Case
    {
        R8Point cell;
        int step, trans, macro, comment;
        bool editCode, enterRef;
    };
    for (const Case& c :
         {Case{{0, 0}, 3, 0, 0, 0, true, true}, Case{{0, 1}, 0, 4, 0, 0, true, true},
          Case{{1, 0}, 0, 0, 3, 0, true, true}, Case{{1, 1}, 0, 0, 0, 6, false, false},
          Case{{2, 0}, 0, 0, 0, 0, false, false}})
    {
        Caret(c.cell.x, c.cell.y);
        EXPECT_EQ(doc.IsSelStep(), c.step);
        EXPECT_EQ(doc.IsSelTrans(), c.trans);
        EXPECT_EQ(doc.IsSelMacro(), c.macro);
        EXPECT_EQ(doc.IsSelComment(), c.comment);
        EXPECT_EQ(doc.CanEditSelCode(), c.editCode);
        EXPECT_EQ(doc.CanEnterSelRef(), c.enterRef);
    }
    // Several cells: nothing is "selected" for these queries.
    view.Select(0, 0, 1, 1);
    EXPECT_EQ(doc.IsSelStep(), 0);
    EXPECT_EQ(doc.GetSelRefNum(), 0);
    EXPECT_TRUE(doc.CanCut());
    // An empty cell on a line can be cut, an empty cell off every line not.
    Caret(3, 0);
    EXPECT_TRUE(doc.CanCut());
    Caret(3, 3);
    EXPECT_FALSE(doc.CanCut());
    Caret(0, 0);
    doc.LockAtCaret(true);
    EXPECT_FALSE(doc.CanEditSelCode());
    EXPECT_FALSE(doc.CanCut());
}

TEST_F(DocTest, ActivateAtCaret)
{
    Load(Chart({"@S1:0,0=1;", "@J2:1,0=1;"}));
    Caret(0, 1);
    prompt.answers = {std::nullopt};
    EXPECT_EQ(doc.ActivateAtCaret(), 1);
    EXPECT_EQ(prompt.calls, 1);
    Caret(0, 0);
    EXPECT_EQ(doc.ActivateAtCaret(), 0);
    Caret(0, 1);
    doc.SetReadOnly(true);
    EXPECT_EQ(doc.ActivateAtCaret(), 0);
    EXPECT_EQ(prompt.calls, 1);
}

// Two macro steps share the number of one body; deleting one must not leave
// the program naming the body's successors by the index's history.
TEST_F(DocTest, ProgramTextDependsOnTheChartNotOnTheIndexHistory)
{
    Load(Chart({"@B1:0,0=7;", "@T2:1,0=8;", "@E3:2,0=9;", "@M4:0,1=7;", "@T5:1,1=10;", "@M6:0,2=7;",
                "@T7:1,2=11;"}));
    Caret(1, 0);
    doc.DeleteSelection();
    ASSERT_EQ(Grid(doc), "B7 T10 M7|T8 . T11|E9 . .");
    const std::string text = Text();
    EXPECT_NE(text.find("_step GS9;\r\n_next GT11;\r\n"), std::string::npos);
    CR8EditSFCDocData reloaded;
    reloaded.LoadFromText(text);
    EXPECT_EQ(charttest::Save(reloaded), text);
}
