#include "editing/R8EditUndoRedo.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace
{

std::unique_ptr<CR8EditUndoCommand> Snapshot(const std::string& text)
{
    auto command = std::make_unique<CR8EditUndoCommand>();
    command->SetSnapshot(text);
    return command;
}

// Texts from head (newest) to tail.
std::vector<std::string> Texts(const CR8EditUndoStack& stack)
{
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < stack.GetCount(); ++i)
        texts.push_back(stack.GetAt(i)->GetText());
    return texts;
}

} // namespace

TEST(UndoCommand, CopyFromCopiesOrEmpties)
{
    CR8EditUndoCommand source(2, "chart");
    CR8EditUndoCommand target;
    target.CopyFrom(&source);
    EXPECT_EQ(target.GetKind(), 2);
    EXPECT_EQ(target.GetText(), "chart");
    target.CopyFrom(&target);
    EXPECT_EQ(target.GetText(), "chart");
    target.CopyFrom(nullptr);
    EXPECT_EQ(target.GetKind(), UNDO_KIND_EMPTY);
    EXPECT_EQ(target.GetText(), "");
    target.SetSnapshot("again");
    EXPECT_EQ(target.GetKind(), UNDO_KIND_SNAPSHOT);
    EXPECT_TRUE(target.IsApplicable());
    EXPECT_FALSE(CR8EditUndoCommand(4, "x").IsApplicable());
    EXPECT_FALSE(CR8EditUndoCommand().IsApplicable());
}

TEST(UndoStack, NewestAtTheHeadAndTheOldestDroppedPastTheLimit)
{
    CR8EditUndoStack stack;
    EXPECT_EQ(stack.GetLimit(), 16);
    EXPECT_FALSE(stack.HasCommands());
    EXPECT_EQ(stack.Pop(), nullptr);
    stack.Push(nullptr);
    EXPECT_FALSE(stack.HasCommands());

    for (int i = 1; i <= 17; ++i)
        stack.Push(Snapshot(std::to_string(i)));
    ASSERT_EQ(stack.GetCount(), 16u);
    EXPECT_EQ(stack.GetAt(0)->GetText(), "17");
    EXPECT_EQ(stack.GetAt(15)->GetText(), "2");
    EXPECT_EQ(stack.GetAt(16), nullptr);

    auto head = stack.Pop();
    ASSERT_NE(head, nullptr);
    EXPECT_EQ(head->GetText(), "17");
    EXPECT_EQ(stack.GetCount(), 15u);
    stack.ClearHistory();
    EXPECT_FALSE(stack.HasCommands());
}

TEST(UndoStack, LimitOfZeroOrLessKeepsNothing)
{
    for (int limit : {0, -1, -100})
    {
        CR8EditUndoStack stack;
        stack.SetLimit(limit);
        stack.Push(Snapshot("a"));
        stack.Push(Snapshot("b"));
        EXPECT_FALSE(stack.HasCommands()) << limit;
    }
}

TEST(UndoRedo, RecordingCopiesAndAnEditEmptiesRedo)
{
    CR8EditUndoRedo history;
    CR8EditUndoCommand command;
    command.SetSnapshot("one");
    history.RecordUndo(&command, false);
    command.SetText("changed afterwards");
    ASSERT_TRUE(history.CanUndo());
    EXPECT_EQ(history.GetUndoStack().GetAt(0)->GetText(), "one");

    command.SetText("redo step");
    history.RecordRedo(&command);
    EXPECT_EQ(history.GetUndoStack().GetCount(), 1u);
    ASSERT_TRUE(history.CanRedo());

    command.SetText("kept");
    history.RecordUndo(&command, true);
    EXPECT_TRUE(history.CanRedo());
    history.RecordUndo(&command, false);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(Texts(history.GetUndoStack()), (std::vector<std::string>{"kept", "kept", "one"}));

    history.RecordUndo(nullptr, false);
    history.RecordRedo(nullptr);
    EXPECT_EQ(history.GetUndoStack().GetCount(), 3u);
    EXPECT_FALSE(history.CanRedo());
}

TEST(UndoRedo, PopCopiesIntoTheCallersCommand)
{
    CR8EditUndoRedo history;
    CR8EditUndoCommand command;
    EXPECT_FALSE(history.PopUndo(&command));
    EXPECT_FALSE(history.PopRedo(&command));

    command.SetSnapshot("a");
    history.RecordUndo(&command, false);
    EXPECT_FALSE(history.PopUndo(nullptr));
    EXPECT_TRUE(history.CanUndo());

    CR8EditUndoCommand target;
    EXPECT_TRUE(history.PopUndo(&target));
    EXPECT_EQ(target.GetKind(), UNDO_KIND_SNAPSHOT);
    EXPECT_EQ(target.GetText(), "a");
    EXPECT_FALSE(history.CanUndo());

    history.RecordRedo(&target);
    CR8EditUndoCommand redone;
    EXPECT_TRUE(history.PopRedo(&redone));
    EXPECT_EQ(redone.GetText(), "a");
}

// A command given up is taken over whole (kind and text) and left empty; the
// stacks and their rules are the same as for the copying forms.
TEST(UndoRedo, RecordingAMovedCommandTakesItOver)
{
    CR8EditUndoRedo history;
    CR8EditUndoCommand redo(UNDO_KIND_SNAPSHOT, "redo");
    history.RecordRedo(std::move(redo));
    EXPECT_EQ(redo.GetKind(), UNDO_KIND_EMPTY);
    EXPECT_EQ(redo.GetText(), "");
    ASSERT_TRUE(history.CanRedo());

    CR8EditUndoCommand kept(UNDO_KIND_SNAPSHOT, "kept");
    history.RecordUndo(std::move(kept), true);
    EXPECT_TRUE(history.CanRedo());
    CR8EditUndoCommand dropped(2, "drops redo");
    history.RecordUndo(std::move(dropped), false);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(Texts(history.GetUndoStack()), (std::vector<std::string>{"drops redo", "kept"}));
    EXPECT_EQ(history.GetUndoStack().GetAt(0)->GetKind(), 2);

    CR8EditUndoCommand self(UNDO_KIND_SNAPSHOT, "self");
    self.TakeFrom(self);
    EXPECT_EQ(self.GetText(), "self");
}

// A snapshot that leaves the history (past the limit, or a redo step an edit
// discards) lends its room to the next one; clearing the history frees it.
TEST(UndoRedo, ASnapshotLeavingTheHistoryLeavesItsRoomAsSpare)
{
    const std::string big(100000, 'x');
    CR8EditUndoRedo history;
    EXPECT_EQ(history.TakeSpareText().capacity(), std::string().capacity());
    history.SetLimit(1);
    history.RecordUndo(CR8EditUndoCommand(UNDO_KIND_SNAPSHOT, big), false);
    EXPECT_EQ(history.TakeSpareText().capacity(), std::string().capacity());
    history.RecordUndo(CR8EditUndoCommand(UNDO_KIND_SNAPSHOT, "small"), false);
    std::string spare = history.TakeSpareText();
    EXPECT_TRUE(spare.empty());
    EXPECT_GE(spare.capacity(), big.size());
    EXPECT_EQ(Texts(history.GetUndoStack()), (std::vector<std::string>{"small"}));
    // Taken once only.
    EXPECT_LT(history.TakeSpareText().capacity(), big.size());

    history.RecordRedo(CR8EditUndoCommand(UNDO_KIND_SNAPSHOT, big));
    history.RecordUndo(CR8EditUndoCommand(UNDO_KIND_SNAPSHOT, "edit"), false);
    EXPECT_FALSE(history.CanRedo());
    history.KeepSpareText(std::string("tiny")); // smaller room is not kept
    EXPECT_GE(history.TakeSpareText().capacity(), big.size());

    history.KeepSpareText(std::string(big));
    history.ClearHistory();
    EXPECT_LT(history.TakeSpareText().capacity(), big.size());
}

TEST(UndoRedo, SetLimitEmptiesBothAndAnswersTheSize)
{
    CR8EditUndoRedo history;
    CR8EditUndoCommand command;
    command.SetSnapshot("x");
    for (int size : {3, 3, 0, -2})
    {
        history.RecordUndo(&command, false);
        history.RecordRedo(&command);
        EXPECT_EQ(history.SetLimit(size), size);
        EXPECT_FALSE(history.CanUndo());
        EXPECT_FALSE(history.CanRedo());
    }
    history.SetLimit(3);
    for (int i = 0; i < 5; ++i)
        history.RecordUndo(&command, false);
    EXPECT_EQ(history.GetUndoStack().GetCount(), 3u);
    EXPECT_EQ(history.GetRedoStack().GetLimit(), 3);
    history.ClearHistory();
    EXPECT_FALSE(history.CanUndo());
}
