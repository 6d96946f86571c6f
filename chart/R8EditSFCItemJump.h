// A jump to a step; its number is the target step's number.
#pragma once

#include "chart/R8EditSFCItem.h"

class CR8EditSFCItemJump : public CR8EditSFCItem
{
public:
    bool GetRefRect(const CR8EditSFCItemView& view, R8Rect& rect) const override;
    bool EditsByReference() const override { return true; }
    bool IsJump() const override { return true; }
    int GetItemType() const override { return 16; }
    const char* GetTypeName() const override { return "Jump"; }
};
