#include "editing/R8EditUndoRedo.h"

namespace
{

std::unique_ptr<CR8EditUndoCommand> CopyOf(const CR8EditUndoCommand& command)
{
    auto copy = std::make_unique<CR8EditUndoCommand>();
    copy->CopyFrom(&command);
    return copy;
}

std::unique_ptr<CR8EditUndoCommand> TakeOver(CR8EditUndoCommand& command)
{
    auto taken = std::make_unique<CR8EditUndoCommand>();
    taken->TakeFrom(command);
    return taken;
}

} // namespace

void CR8EditUndoRedo::RecordUndo(const CR8EditUndoCommand* command, bool keepRedo)
{
    if (!command)
        return;
    KeepSpareOf(m_undo.Push(CopyOf(*command)));
    if (!keepRedo)
        KeepSpareOf(m_redo.ClearKeepingOne());
}

void CR8EditUndoRedo::RecordRedo(const CR8EditUndoCommand* command)
{
    if (!command)
        return;
    KeepSpareOf(m_redo.Push(CopyOf(*command)));
}

void CR8EditUndoRedo::RecordUndo(CR8EditUndoCommand&& command, bool keepRedo)
{
    KeepSpareOf(m_undo.Push(TakeOver(command)));
    if (!keepRedo)
        KeepSpareOf(m_redo.ClearKeepingOne());
}

void CR8EditUndoRedo::RecordRedo(CR8EditUndoCommand&& command)
{
    KeepSpareOf(m_redo.Push(TakeOver(command)));
}

bool CR8EditUndoRedo::PopInto(CR8EditUndoStack& stack, CR8EditUndoCommand* target)
{
    if (!target)
        return false;
    std::unique_ptr<CR8EditUndoCommand> head = stack.Pop();
    if (!head)
        return false;
    // The popped step is the caller's now: its text moves rather than copies.
    target->TakeFrom(*head);
    return true;
}

bool CR8EditUndoRedo::PopUndo(CR8EditUndoCommand* target)
{
    return PopInto(m_undo, target);
}

bool CR8EditUndoRedo::PopRedo(CR8EditUndoCommand* target)
{
    return PopInto(m_redo, target);
}

void CR8EditUndoRedo::ClearHistory()
{
    m_undo.ClearHistory();
    m_redo.ClearHistory();
    // Swapped out: assigning an empty string would keep the room.
    std::string().swap(m_spare);
}

int CR8EditUndoRedo::SetLimit(int size)
{
    m_undo.SetLimit(size);
    m_redo.SetLimit(size);
    ClearHistory();
    return size;
}

std::string CR8EditUndoRedo::TakeSpareText()
{
    std::string spare;
    spare.swap(m_spare);
    spare.clear();
    return spare;
}

void CR8EditUndoRedo::KeepSpareText(std::string&& text)
{
    if (text.capacity() > m_spare.capacity())
        m_spare = std::move(text);
}

void CR8EditUndoRedo::KeepSpareOf(std::unique_ptr<CR8EditUndoCommand> command)
{
    if (!command)
        return;
    KeepSpareText(command->TakeText());
}
