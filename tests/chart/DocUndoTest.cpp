#include "DocTestSupport.h"

#include <functional>

using doctest::Chart;
using doctest::DocTest;
using doctest::Grid;

namespace
{

std::vector<std::string> Texts(const CR8EditUndoStack& stack)
{
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < stack.GetCount(); ++i)
        texts.push_back(stack.GetAt(i)->GetText());
    return texts;
}

class DocUndo : public DocTest
{
protected:
    // One recorded edit: a step inserted at the caret, which then moves down.
    std::string Edit()
    {
        doc.InsertStep();
        return Text();
    }
};

} // namespace

TEST_F(DocUndo, SixteenStepsAreKeptOfSeventeen)
{
    const std::string afterFirst = Edit();
    for (int i = 0; i < 16; ++i)
        Edit();
    EXPECT_EQ(UndoCount(), 16u);
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(doc.UndoRedoStep(true));
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.UndoRedoStep(true));
    EXPECT_EQ(Text(), afterFirst);
}

TEST_F(DocUndo, EditEditUndoUndoRedo)
{
    const std::string start = Text();
    const std::string first = Edit();
    const std::string second = Edit();
    EXPECT_TRUE(doc.UndoRedoStep(true));
    EXPECT_TRUE(doc.UndoRedoStep(true));
    EXPECT_EQ(Text(), start);
    EXPECT_TRUE(doc.UndoRedoStep(false));
    EXPECT_EQ(Text(), first);
    EXPECT_EQ(Texts(doc.GetUndoRedo().GetUndoStack()), std::vector<std::string>{start});
    EXPECT_EQ(Texts(doc.GetUndoRedo().GetRedoStack()), std::vector<std::string>{second});
    EXPECT_FALSE(doc.IsRedoInProgress());
}

TEST_F(DocUndo, RedoKeepsTheRemainingRedoStepsAndAnEditDropsThem)
{
    Edit();
    Edit();
    Edit();
    for (int i = 0; i < 3; ++i)
        doc.UndoRedoStep(true);
    EXPECT_TRUE(doc.UndoRedoStep(false));
    EXPECT_EQ(RedoCount(), 2u);
    EXPECT_EQ(UndoCount(), 1u);
    Edit();
    EXPECT_FALSE(doc.CanRedo());
    EXPECT_FALSE(doc.UndoRedoStep(false));
}

TEST_F(DocUndo, UndoRedoSizeBoundsBothStacksAndEmptiesThem)
{
    Edit();
    EXPECT_EQ(doc.UndoRedoSize(3), 3);
    EXPECT_FALSE(doc.CanUndo());
    for (int i = 0; i < 5; ++i)
        Edit();
    EXPECT_EQ(UndoCount(), 3u);
    doc.UndoRedoStep(true);
    EXPECT_EQ(doc.UndoRedoSize(3), 3);
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.CanRedo());

    EXPECT_EQ(doc.UndoRedoSize(0), 0);
    Edit();
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.UndoRedoStep(true));
}

TEST_F(DocUndo, UndoAppliesTheSnapshotAndNotifies)
{
    Load(Chart({"@S1:0,0=1;"}));
    doc.SetModified(false);
    // Nothing to undo: the chart and its flag stay.
    EXPECT_FALSE(doc.UndoRedoStep(true));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(target.texts.empty());

    const std::string before = Text();
    Caret(0, 0);
    doc.DeleteSelection();
    doc.SetModified(false);
    target.texts.clear();
    EXPECT_TRUE(doc.UndoRedoStep(true));
    EXPECT_EQ(Text(), before);
    EXPECT_TRUE(doc.IsModified());
    ASSERT_EQ(target.texts.size(), 1u);
    EXPECT_EQ(target.texts[0], before);
}

TEST_F(DocUndo, AnUnknownKindIsFiledButNotApplied)
{
    Load(Chart({"@S1:0,0=1;"}));
    doc.SetModified(false);
    const std::string before = Text();
    CR8EditUndoCommand command(7, Chart({"@T1:0,0=1;"}));
    EXPECT_FALSE(doc.ApplyUndoCommand(command));
    EXPECT_EQ(Text(), before);
    ASSERT_EQ(RedoCount(), 1u);
    EXPECT_EQ(doc.GetUndoRedo().GetRedoStack().GetAt(0)->GetKind(), 7);
    EXPECT_EQ(doc.GetUndoRedo().GetRedoStack().GetAt(0)->GetText(), Chart({"@T1:0,0=1;"}));
    // Redone, it is filed back on the undo stack, still unapplied.
    EXPECT_FALSE(doc.UndoRedoStep(false));
    EXPECT_EQ(UndoCount(), 1u);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocUndo, LocksAndBookmarksSurviveUndo)
{
    Load(Chart({"@S1:0,0=1;", "@T2:1,0=2;"}));
    doc.LockElement(true, SFC_STEP, 1);
    Caret(0, 1);
    doc.SetBookmark(true);
    Caret(0, 3);
    doc.InsertStep();
    ASSERT_TRUE(doc.UndoRedoStep(true));
    EXPECT_TRUE(doc.IsElementLock(SFC_STEP, 1));
    Caret(0, 0);
    doc.DeleteSelection();
    EXPECT_EQ(Grid(doc), "S1|T2");
    Caret(0, 1);
    EXPECT_TRUE(doc.IsBookmark());
}

TEST_F(DocUndo, UndoingEveryKindOfEditRestoresEachTextByteForByte)
{
    Load(Chart({"@S1:0,0=1;", "@O2:1,0=0;", "@d3:1,1=0;", "@T4:2,0=2;", "@T5:2,1=3;", "@S6:3,0=4;",
                "@S7:3,1=5;", "@J8:4,1=1;"}));
    std::vector<std::string> states{Text()};
    prompt.answers = {40, 7};
    const std::vector<std::function<void()>> edits{
        [&] { Caret(0, 1), doc.InsertStep(); },
        [&] { doc.MakeRoom(1, 3); },
        [&] { Caret(0, 0), doc.SwapStyleAt(0, 0); },
        [&] { doc.SetElementText(SFC_STEP, 4, SFC_TEXT_MAIN, "x := GS1.X;"); },
        [&] { Caret(0, 0), doc.EnterReference(-1); },
        [&] { doc.Renumber(); },
        [&] {
            view.Select(1, 0, 1, 5), doc.MoveBlock(2, 0, doc.GetDragOutline({1, 0}));
        },
        [&] { Caret(0, 4), doc.DeleteSelection(); },
        [&] {
            Caret(0, 0), doc.PasteFragment(Chart({"@S1:0,0=1;"}), 5, 5, {0, 0, 0, 0});
        },
        [&] { Caret(0, 4), doc.SetTimer(); },
    };
    for (const auto& edit : edits)
    {
        edit();
        states.push_back(Text());
    }
    // The timer on an empty cell inserts its transition first: two steps.
    ASSERT_EQ(UndoCount(), 11u);
    EXPECT_EQ(doc.GetElementText(SFC_TRANS, 103, SFC_TEXT_MAIN), "GS1.T>t#7ms");
    // Each edit changed the chart; walking back passes every state.
    for (std::size_t i = states.size() - 1; i > 0; --i)
        EXPECT_NE(states[i], states[i - 1]) << i;
    std::vector<std::string> seen{Text()};
    while (doc.UndoRedoStep(true))
        seen.push_back(Text());
    EXPECT_EQ(seen.back(), states.front());
    while (doc.UndoRedoStep(false))
        ;
    EXPECT_EQ(Text(), states.back());
}
