// Steps of every kind: step, initial step, macro step, and the begin and end
// steps of a macro body. The code tells them apart.
#pragma once

#include "chart/R8EditSFCItem.h"

class CR8EditSFCItemStep : public CR8EditSFCItem
{
public:
    void ReadCode(CR8EditSFCFile& file) override;
    void SetLock(int locked) override { StoreLock(locked); }
    bool HasCode() const override { return true; }
    bool SetActivity(int value) override;
    bool HasActions() const override { return !IsMacroCode(); }
    // A macro step reads its note for every index but writes into the
    // action fields.
    void SetText(int index, const std::string& text) override;
    const std::string* TextOf(int index) const override;
    int GetLanguage(int index) const override;
    void WriteCode(CR8EditSFCFile& file, R8Point origin) const override;
    bool WriteDeclaration(CR8EditSFCFile& file) const override;
    bool GetRefRect(const CR8EditSFCItemView& view, R8Rect& rect) const override;
    int HitTestText(const R8Rect& rect, int x, int y,
                    const CR8EditSFCItemView& view) const override;
    bool IsStep() const override { return !IsMacroCode(); }
    bool IsMacro() const override { return IsMacroCode(); }
    int GetItemType() const override { return IsMacroCode() ? 30 : 29; }
    const char* GetTypeName() const override { return IsMacroCode() ? "Macro" : "Step"; }
    bool CanSwapStyle() const override;
    int GetActivity() const override { return m_activity; }

protected:
    bool SwapStyle() override;

private:
    bool IsMacroCode() const { return GetType() == SFC_MACRO; }
    std::string* Field(int index);
    const std::string* Field(int index) const;

    // The note first: writing the chart block reads it beside the element's
    // cell and number, so both lie in the object's first cache line.
    std::string m_note;
    std::string m_main;
    std::string m_p1;
    std::string m_n;
    std::string m_p0;
    int m_activity = 0;
};
