#include "chart/R8EditSFCItemNote.h"

#include "chart/R8SFCText.h"

namespace
{

bool IsTextIndex(int index)
{
    return index >= SFC_TEXT_MAIN && index <= SFC_TEXT_P0;
}

} // namespace

CR8EditSFCItemNote::CR8EditSFCItemNote(CR8NoteParent* parent)
{
    if (parent)
        m_box = parent->CreateNoteBox();
}

void CR8EditSFCItemNote::SetText(int index, const std::string& text)
{
    if (!IsTextIndex(index))
        return;
    m_text = text;
    if (m_box)
        m_box->SetNoteText(r8sfc::TrimRight(text));
}

const std::string* CR8EditSFCItemNote::TextOf(int index) const
{
    return IsTextIndex(index) ? &m_text : nullptr;
}

void CR8EditSFCItemNote::Reload()
{
    if (m_box)
        m_box->Reload();
}
