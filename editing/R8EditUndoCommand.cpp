#include "editing/R8EditUndoCommand.h"

void CR8EditUndoCommand::CopyFrom(const CR8EditUndoCommand* source)
{
    if (!source)
    {
        m_kind = UNDO_KIND_EMPTY;
        m_text.clear();
        return;
    }
    if (source == this)
        return;
    m_kind = source->m_kind;
    m_text = source->m_text;
}

void CR8EditUndoCommand::SetSnapshot(std::string text)
{
    m_kind = UNDO_KIND_SNAPSHOT;
    m_text = std::move(text);
}
