#include "editing/R8EditUndoRedo.h"

namespace
{

std::unique_ptr<CR8EditUndoCommand> CopyOf(const CR8EditUndoCommand& command)
{
    auto copy = std::make_unique<CR8EditUndoCommand>();
    copy->CopyFrom(&command);
    return copy;
}

} // namespace

void CR8EditUndoRedo::RecordUndo(const CR8EditUndoCommand* command, bool keepRedo)
{
    if (!command)
        return;
    m_undo.Push(CopyOf(*command));
    if (!keepRedo)
        m_redo.ClearHistory();
}

void CR8EditUndoRedo::RecordRedo(const CR8EditUndoCommand* command)
{
    if (!command)
        return;
    m_redo.Push(CopyOf(*command));
}

bool CR8EditUndoRedo::PopInto(CR8EditUndoStack& stack, CR8EditUndoCommand* target)
{
    if (!target)
        return false;
    std::unique_ptr<CR8EditUndoCommand> head = stack.Pop();
    if (!head)
        return false;
    target->CopyFrom(head.get());
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
}

int CR8EditUndoRedo::SetLimit(int size)
{
    m_undo.SetLimit(size);
    m_redo.SetLimit(size);
    ClearHistory();
    return size;
}
