// What the chart document needs from the chart window's view: the caret and
// the selection it edits at, moving the caret, repainting, and the window and
// cell geometry that dialogs are placed by. The window's view implements it;
// tests implement it in a few lines.
#pragma once

#include "chart/R8EditSFCItemView.h"
#include "chart/R8Geometry.h"

#include <algorithm>
#include <cstdint>

class CR8EditSFCDocView
{
public:
    virtual ~CR8EditSFCDocView() = default;

    // The selection runs from the anchor cell to the caret cell.
    virtual R8Point GetCaret() const = 0;
    virtual R8Point GetAnchor() const = 0;
    // Puts the caret on the cell and collapses the selection onto it.
    virtual void SetCaret(int column, int row) = 0;
    virtual void ScrollCaretIntoView() = 0;
    virtual void RepaintCell(int column, int row) = 0;
    virtual void RepaintAll() = 0;
    // The window that owns dialogs, as an integer handle (0 for none).
    virtual std::intptr_t GetWindowHandle() const = 0;
    // Cell geometry in pixels for reference areas; null when there is none.
    virtual const CR8EditSFCItemView* GetGeometry() const = 0;

    bool IsOneCellSelection() const
    {
        const R8Point a = GetAnchor();
        const R8Point c = GetCaret();
        return a.x == c.x && a.y == c.y;
    }
    // The selection's cells, normalised, last column and row inclusive.
    R8Rect GetSelection() const
    {
        const R8Point a = GetAnchor();
        const R8Point c = GetCaret();
        return {std::min(a.x, c.x), std::min(a.y, c.y), std::max(a.x, c.x), std::max(a.y, c.y)};
    }
};
