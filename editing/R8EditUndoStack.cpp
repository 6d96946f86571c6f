#include "editing/R8EditUndoStack.h"

std::unique_ptr<CR8EditUndoCommand> CR8EditUndoStack::Push(std::unique_ptr<CR8EditUndoCommand> command)
{
    if (!command)
        return nullptr;
    m_commands.push_front(std::move(command));
    if (static_cast<long long>(m_commands.size()) <= m_limit)
        return nullptr;
    std::unique_ptr<CR8EditUndoCommand> dropped = std::move(m_commands.back());
    m_commands.pop_back();
    return dropped;
}

std::unique_ptr<CR8EditUndoCommand> CR8EditUndoStack::Pop()
{
    if (m_commands.empty())
        return nullptr;
    std::unique_ptr<CR8EditUndoCommand> head = std::move(m_commands.front());
    m_commands.pop_front();
    return head;
}

void CR8EditUndoStack::ClearHistory()
{
    while (!m_commands.empty())
        m_commands.pop_front();
}

std::unique_ptr<CR8EditUndoCommand> CR8EditUndoStack::ClearKeepingOne()
{
    std::unique_ptr<CR8EditUndoCommand> head = Pop();
    ClearHistory();
    return head;
}

const CR8EditUndoCommand* CR8EditUndoStack::GetAt(std::size_t index) const
{
    return index < m_commands.size() ? m_commands[index].get() : nullptr;
}
