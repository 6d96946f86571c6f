// The undo and redo history of one chart. Commands cross its boundary as
// copies, or moved where the caller gives its command up: a snapshot is the
// whole chart text, and copying it would cost as much as writing it.
#pragma once

#include "editing/R8EditUndoStack.h"

#include <string>

class CR8EditUndoRedo
{
public:
    virtual ~CR8EditUndoRedo() = default;

    // Pushes a copy on the undo stack; unless keepRedo is set, every redo
    // step is discarded. A null command does nothing.
    void RecordUndo(const CR8EditUndoCommand* command, bool keepRedo);
    // Pushes a copy on the redo stack; the undo stack stays as it is.
    void RecordRedo(const CR8EditUndoCommand* command);
    // The same, taking the command's kind and text over.
    void RecordUndo(CR8EditUndoCommand&& command, bool keepRedo);
    void RecordRedo(CR8EditUndoCommand&& command);
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

    // An empty string with the room of a snapshot that left the history, for
    // the next snapshot to be written into: a large chart's text then costs
    // no fresh memory per edit. Empty (without room) when there is none.
    std::string TakeSpareText();
    // Offers a text whose content is done with; its room is kept when larger.
    void KeepSpareText(std::string&& text);

private:
    static bool PopInto(CR8EditUndoStack& stack, CR8EditUndoCommand* target);
    void KeepSpareOf(std::unique_ptr<CR8EditUndoCommand> command);

    CR8EditUndoStack m_undo;
    CR8EditUndoStack m_redo;
    std::string m_spare;
};
