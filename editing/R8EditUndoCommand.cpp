#include "editing/R8EditUndoCommand.h"

#include <utility>

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

void CR8EditUndoCommand::TakeFrom(CR8EditUndoCommand& source)
{
    if (&source == this)
        return;
    m_kind = source.m_kind;
    m_text = std::move(source.m_text);
    source.m_kind = UNDO_KIND_EMPTY;
    source.m_text.clear();
}
