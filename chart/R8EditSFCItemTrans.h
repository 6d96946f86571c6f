// A transition: its condition code and its note.
#pragma once

#include "chart/R8EditSFCItem.h"

class CR8EditSFCItemTrans : public CR8EditSFCItem
{
public:
    void ReadCode(CR8EditSFCFile& file) override;
    void SetLock(int locked) override { StoreLock(locked); }
    bool HasCode() const override { return true; }
    void SetText(int index, const std::string& text) override;
    const std::string* TextOf(int index) const override;
    // The language of the condition, whatever the index.
    int GetLanguage(int) const override { return SFCCodeLanguage(m_condition); }
    void WriteCode(CR8EditSFCFile& file, R8Point origin) const override;
    bool WriteDeclaration(CR8EditSFCFile& file) const override;
    bool GetRefRect(const CR8EditSFCItemView& view, R8Rect& rect) const override;
    bool IsTrans() const override { return true; }
    int GetItemType() const override { return 31; }
    const char* GetTypeName() const override { return "Transition"; }

private:
    std::string m_note;
    std::string m_condition;
};
