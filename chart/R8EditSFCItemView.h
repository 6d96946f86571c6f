// What an element needs from the chart view to place its reference area and
// to hit-test its text box. The window's view implements it; tests give
// fixed numbers.
#pragma once

#include "chart/R8Geometry.h"

#include <algorithm>
#include <string_view>

class CR8EditSFCItemView
{
public:
    virtual ~CR8EditSFCItemView() = default;

    virtual int GetCellWidth() const = 0;
    virtual int GetCellHeight() const = 0;
    // Pixel rectangle of a cell in the view's coordinates.
    virtual R8Rect GetCellRect(int column, int row) const = 0;
    // Width of a text drawn in the text-box font.
    virtual int GetTextBoxWidth(std::string_view text) const = 0;
    // 0 normal, 1 notes only, 2 action code only.
    virtual int GetDisplayMode() const = 0;

    // Symbol size u: every symbol stands in a square of this side.
    int GetSymbolSize() const { return std::min({GetCellWidth(), GetCellHeight(), 50}); }
};

// Arrow size (frame margin) a for a symbol size u.
inline int SFCArrowSize(int u)
{
    return u > 14 ? 3 : (u > 8 ? 1 : 0);
}
