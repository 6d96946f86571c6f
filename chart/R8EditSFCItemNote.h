// A free-text note. Its comment box (window layer) renders the text.
#pragma once

#include "chart/R8EditSFCItem.h"
#include "chart/R8NoteBox.h"

class CR8EditSFCItemNote : public CR8EditSFCItem
{
public:
    explicit CR8EditSFCItemNote(CR8NoteParent* parent);

    void SetLock(int locked) override { StoreLock(locked); }
    // The note text for every text index.
    void SetText(int index, const std::string& text) override;
    const std::string* TextOf(int index) const override;
    bool IsNote() const override { return true; }
    int GetItemType() const override { return 8; }
    void Reload() override;

    CR8NoteBox* GetNoteBox() const { return m_box.get(); }

private:
    std::unique_ptr<CR8NoteBox> m_box;
    std::string m_text;
};
