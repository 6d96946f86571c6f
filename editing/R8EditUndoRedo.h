// The undo and redo history of one chart. Commands cross its boundary only as
// copies: what goes on a stack is a fresh copy, and what comes off is copied
// into the caller's command.
#pragma once

#include "editing/R8EditUndoStack.h"

class CR8EditUndoRedo
{
public:
    virtual ~CR8EditUndoRedo() = default;

    // Pushes a copy on the undo stack; unless keepRedo is set, every redo
    // step is discarded. A null command does nothing.
    void RecordUndo(const CR8EditUndoCommand* command, bool keepRedo);
    // Pushes a copy on the redo stack; the undo stack stays as it is.
    void RecordRedo(const CR8EditUndoCommand* command);
    // Moves the newest step into target; false when target is null or the
    // stack is empty.
    bool PopUndo(CR8EditUndoCommand* target);
    bool PopRedo(CR8EditUndoCommand* target);
    void ClearHistory();
    // The same limit for both stacks; both are emptied. Answers size.
    int SetLimit(int size);

    bool CanUndo() const { return m_undo.HasCommands(); }
    bool CanRedo() const { return m_redo.HasCommands(); }
    const CR8EditUndoStack& GetUndoStack() const { return m_undo; }
    const CR8EditUndoStack& GetRedoStack() const { return m_redo; }

private:
    static bool PopInto(CR8EditUndoStack& stack, CR8EditUndoCommand* target);

    CR8EditUndoStack m_undo;
    CR8EditUndoStack m_redo;
};
