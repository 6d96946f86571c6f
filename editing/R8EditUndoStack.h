// A bounded stack of owned history steps: the newest at the head, and a push
// beyond the limit drops the oldest.
#pragma once

#include "editing/R8EditUndoCommand.h"

#include <cstddef>
#include <deque>
#include <memory>

constexpr int UNDO_DEFAULT_LIMIT = 16;

class CR8EditUndoStack
{
public:
    CR8EditUndoStack() = default;
    CR8EditUndoStack(const CR8EditUndoStack&) = delete;
    CR8EditUndoStack& operator=(const CR8EditUndoStack&) = delete;

    // Adds the command at the head; a null command is ignored. When the count
    // then passes the limit, the command at the tail leaves the stack (one per
    // push), so a limit of 0 or less keeps nothing; it is answered, so its
    // text's room can serve again, or null when none left.
    std::unique_ptr<CR8EditUndoCommand> Push(std::unique_ptr<CR8EditUndoCommand> command);
    // Detaches the head; null when the stack is empty.
    std::unique_ptr<CR8EditUndoCommand> Pop();
    bool HasCommands() const { return !m_commands.empty(); }
    void ClearHistory();
    // ClearHistory, answering the newest command that was on the stack (or null).
    std::unique_ptr<CR8EditUndoCommand> ClearKeepingOne();

    int GetLimit() const { return m_limit; }
    void SetLimit(int limit) { m_limit = limit; }
    std::size_t GetCount() const { return m_commands.size(); }
    // The command at a position counted from the head (0 is the newest); null
    // past the end.
    const CR8EditUndoCommand* GetAt(std::size_t index) const;

private:
    std::deque<std::unique_ptr<CR8EditUndoCommand>> m_commands;
    int m_limit = UNDO_DEFAULT_LIMIT;
};
