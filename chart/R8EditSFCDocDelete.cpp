// Deleting the selection and closing the gap, and moving a block of cells.
#include "chart/R8EditSFCDoc.h"

#include <algorithm>
#include <optional>
#include <vector>

// Pulls the element at (column, row), with the line it belongs to and what
// hangs below, up one row when the cells above are free. The matrix words
// travel with the elements, so the cells below see the cells above as
// already moved; the caller rebuilds. True when anything was pulled up.
bool CR8EditSFCDoc::ShiftUp(int column, int row, int stop)
{
    // One line (columns a to e of row r) being pulled up, column x next.
    struct Frame
    {
        int a;
        int e;
        int r;
        int x;
    };
    const auto prepare = [this](int c, int r, int stopColumn) -> std::optional<Frame>
    {
        const CR8EditSFCChart& chart = GetChart();
        if (c < 0 || c >= chart.GetWidth() || r < 1 || r >= chart.GetHeight())
            return std::nullopt;
        int a = c;
        if (Word(c, r) & LINK_FROM_LEFT)
        {
            for (int x = c - 1; x != stopColumn && x >= 0; --x)
            {
                const std::uint16_t v = Word(x, r);
                if (v & LINK_BOX)
                    break;
                if ((v & LINK_USED) && !(v & LINK_FROM_LEFT))
                {
                    a = x;
                    break;
                }
            }
        }
        bool free = !(Word(a, r - 1) & LINK_USED);
        int e = a;
        if (Word(a, r) & LINK_TO_RIGHT)
        {
            if (!free)
                return std::nullopt;
            for (int x = a + 1; x < chart.GetWidth(); ++x)
            {
                const std::uint16_t v = Word(x, r);
                if ((v & LINK_USED) && !(v & LINK_FROM_LEFT))
                    break;
                if (v & (LINK_USED | LINK_FROM_LEFT))
                {
                    free = !(Word(x, r - 1) & LINK_USED);
                    e = x;
                    if (!free)
                        return std::nullopt;
                }
            }
        }
        if (!free)
            return std::nullopt;
        return Frame{a, e, r, a};
    };

    const std::optional<Frame> first = prepare(column, row, stop);
    if (!first)
        return false;
    std::vector<Frame> frames{*first};
    while (!frames.empty())
    {
        Frame& f = frames.back();
        if (f.x > f.e)
        {
            frames.pop_back();
            continue;
        }
        const int x = f.x++;
        const int r = f.r;
        const int a = f.a;
        const std::uint16_t word = Word(x, r);
        CR8EditSFCItem* item = ItemAt(x, r);
        if (item && !ItemAt(x, r - 1))
            MoveItem(item->GetId(), x, r - 1);
        SetLink(x, r - 1, word);
        SetLink(x, r, 0);
        if ((word & LINK_DOWN) || !(word & LINK_USED))
        {
            if (const std::optional<Frame> below = prepare(x, r + 1, a))
                frames.push_back(*below);
        }
    }
    return true;
}

void CR8EditSFCDoc::DeleteSelection()
{
    if (IsReadOnly())
        return;
    std::string before = BeforeText();
    const CR8EditSFCDocView& view = View();
    const R8Rect cells = view.GetSelection();

    std::vector<int> doomed;
    int notes = 0;
    // Only elements reachable by their cell: removing one drops its cell's key.
    GetCellIndex().VisitRange(cells.left, cells.top, cells.right, cells.bottom,
                              [&](int, int, CR8EditSFCItem* item)
                              {
                                  if (!item->IsLocked())
                                  {
                                      doomed.push_back(item->GetId());
                                      if (item->IsNote())
                                          ++notes;
                                  }
                                  return false;
                              });
    RemoveItems(doomed);
    if (!doomed.empty())
        FinishChange();

    if (view.IsOneCellSelection() && notes == 0)
    {
        const R8Point caret = view.GetCaret();
        if (CR8EditSFCItem* item = ItemAt(caret.x, caret.y); item && !item->IsLocked())
        {
            RemoveItem(item->GetId());
            Rebuild();
        }
        ShiftUp(caret.x, caret.y + 1, caret.x);
        FinishChange();
    }
    SaveUndoSnapshot(std::move(before));
}

bool CR8EditSFCDoc::MoveBlock(int column, int row, const R8Rect& outline)
{
    if (IsReadOnly())
        return true;
    const CR8EditSFCDocView& view = View();
    const R8Rect selection = view.GetSelection();
    const std::int64_t left = outline.left;
    const std::int64_t top = outline.top;
    std::int64_t dx = column;
    std::int64_t dy = row;
    if (left + dx < 0)
        dx = -left;
    if (top + dy < 0)
        dy = -top;
    const std::int64_t targetLeft = left + dx;
    const std::int64_t targetTop = top + dy;
    // Where the selected elements land: the outline moved, and the selection
    // moved by the same step when the outline was made from another shape.
    const std::int64_t shiftX = targetLeft - selection.left;
    const std::int64_t shiftY = targetTop - selection.top;
    const auto inSelection = [&selection](std::int64_t c, std::int64_t r)
    {
        return c >= selection.left && c <= selection.right && r >= selection.top &&
               r <= selection.bottom;
    };
    const auto taken = [&](std::int64_t c0, std::int64_t r0, std::int64_t c1, std::int64_t r1)
    {
        if (c0 < 0 || r0 < 0 || c1 >= SFC_MAX_COLUMNS || r1 >= SFC_MAX_ROWS)
            return true;
        return GetCellIndex().VisitRange(c0, r0, c1, r1, [&inSelection](int c, int r, CR8EditSFCItem*)
                                         { return !inSelection(c, r); });
    };
    if (taken(targetLeft, targetTop, left + dx + (outline.right - outline.left),
              top + dy + (outline.bottom - outline.top)) ||
        taken(selection.left + shiftX, selection.top + shiftY, selection.right + shiftX,
              selection.bottom + shiftY))
    {
        if (m_beep)
            m_beep->Beep();
        return false;
    }
    if (shiftX == 0 && shiftY == 0)
        return true;

    std::string before = BeforeText();
    // Visited from the side the block moves towards, so no element lands on
    // one that has not moved yet.
    std::vector<CR8EditSFCItem*> items;
    GetCellIndex().VisitRange(selection.left, selection.top, selection.right, selection.bottom,
                              [&items](int, int, CR8EditSFCItem* item)
                              {
                                  items.push_back(item);
                                  return false;
                              });
    const auto order = [shiftX, shiftY](const CR8EditSFCItem* a, const CR8EditSFCItem* b)
    {
        if (a->GetColumn() != b->GetColumn())
            return shiftX < 0 ? a->GetColumn() < b->GetColumn() : a->GetColumn() > b->GetColumn();
        return shiftY < 0 ? a->GetRow() < b->GetRow() : a->GetRow() > b->GetRow();
    };
    std::sort(items.begin(), items.end(), order);
    for (CR8EditSFCItem* item : items)
    {
        MoveItem(item->GetId(), static_cast<int>(item->GetColumn() + shiftX),
                 static_cast<int>(item->GetRow() + shiftY));
    }
    FinishChange();
    SaveUndoSnapshot(std::move(before));
    return true;
}
