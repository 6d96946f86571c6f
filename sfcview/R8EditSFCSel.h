// The chart selection: an anchor cell and a caret cell. Its rectangle is the
// normalised pair, inclusive on both ends, so a one-cell selection is the
// caret cell alone.
#pragma once

#include "chart/R8Geometry.h"

class CR8EditSFCSel
{
public:
    R8Point GetAnchor() const { return m_anchor; }
    R8Point GetCaret() const { return m_caret; }

    // Moves the caret; without extend the anchor follows (one-cell selection).
    // Negative cells are taken as 0.
    void SetCaret(R8Point cell, bool extend);
    void Set(R8Point anchor, R8Point caret);
    // Drops the extent: the anchor joins the caret.
    void Collapse() { m_anchor = m_caret; }

    // Normalised rectangle in cells, last column and row included.
    R8Rect GetRect() const;
    bool IsSingleCell() const { return m_anchor.x == m_caret.x && m_anchor.y == m_caret.y; }
    bool Contains(int column, int row) const;
    // Size in cells (at least 1 x 1).
    int GetWidth() const;
    int GetHeight() const;

private:
    R8Point m_anchor;
    R8Point m_caret;
};
