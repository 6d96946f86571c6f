#include "sfcview/R8EditSFCDCo.h"

#include "chart/R8EditSFCDocData.h"

#include <algorithm>

CR8EditSFCDCo::CR8EditSFCDCo()
{
    RebuildFonts(m_cellHeight);
}

void CR8EditSFCDCo::SetWindow(HWND window)
{
    m_window = window;
    RecalcLayout();
}

// --- geometry ---

R8Point CR8EditSFCDCo::Origin() const
{
    if (m_offscreen)
        return R8Point{0, 0};
    return R8Point{GetFirstColumn(), GetFirstRow()};
}

int CR8EditSFCDCo::GetFirstColumn() const
{
    return m_window != nullptr ? std::max(GetScrollPos(m_window, SB_HORZ), 0) : m_scroll.x;
}

int CR8EditSFCDCo::GetFirstRow() const
{
    return m_window != nullptr ? std::max(GetScrollPos(m_window, SB_VERT), 0) : m_scroll.y;
}

RECT CR8EditSFCDCo::CellRectFrom(int column, int row, R8Point origin) const
{
    const int left = std::max(kLeftRuler + (column - origin.x) * m_cellWidth, kLeftRuler);
    const int top = kTopRuler + (row - origin.y) * m_cellHeight;
    return RECT{left, top, left + m_cellWidth, top + m_cellHeight};
}

RECT CR8EditSFCDCo::CellRect(int column, int row) const
{
    return CellRectFrom(column, row, Origin());
}

R8Rect CR8EditSFCDCo::GetCellRect(int column, int row) const
{
    const RECT r = CellRect(column, row);
    return R8Rect{r.left, r.top, r.right, r.bottom};
}

R8Point CR8EditSFCDCo::CellFromPoint(POINT point) const
{
    const R8Point origin = Origin();
    return R8Point{origin.x + (point.x - kLeftRuler) / m_cellWidth,
                   origin.y + (point.y - kTopRuler) / m_cellHeight};
}

SIZE CR8EditSFCDCo::ClientSize() const
{
    RECT client = {0, 0, 0, 0};
    if (m_window != nullptr)
        GetClientRect(m_window, &client);
    return SIZE{client.right - client.left, client.bottom - client.top};
}

void CR8EditSFCDCo::RecalcLayout()
{
    const SIZE client = ClientSize();
    m_visibleColumns = std::max<int>(client.cx - kLeftRuler, 0) / m_cellWidth + 1;
    m_visibleRows = std::max<int>(client.cy - kTopRuler, 0) / m_cellHeight + 1;
    const int columns = m_document != nullptr ? m_document->GetWidth() : 0;
    const int rows = m_document != nullptr ? m_document->GetHeight() : 0;
    m_extentX = columns + 1 + m_visibleColumns;
    m_extentY = rows + 1 + m_visibleRows;
    if (m_window == nullptr)
        return;
    const int bars[2] = {SB_HORZ, SB_VERT};
    const int ranges[2] = {m_extentX - m_visibleColumns, m_extentY - m_visibleRows};
    for (int i = 0; i < 2; ++i)
    {
        const int range = std::max(ranges[i], 0);
        // The range is kept while the bar is hidden, so the view still
        // scrolls by caret moves.
        SetScrollRange(m_window, bars[i], 0, range, FALSE);
        if (GetScrollPos(m_window, bars[i]) > range)
            SetScrollPos(m_window, bars[i], range, FALSE);
        ShowScrollBar(m_window, bars[i], !m_noScroll && range > 0);
    }
}

void CR8EditSFCDCo::ScrollTo(int column, int row)
{
    column = std::max(column, 0);
    row = std::max(row, 0);
    if (m_window == nullptr)
    {
        m_scroll = R8Point{column, row};
        return;
    }
    SetScrollPos(m_window, SB_HORZ, column, TRUE);
    SetScrollPos(m_window, SB_VERT, row, TRUE);
    InvalidateAll();
}

int CR8EditSFCDCo::GetContentWidth() const
{
    const int columns = m_document != nullptr ? m_document->GetWidth() : 0;
    return CellRect(1, 1).left * columns;
}

int CR8EditSFCDCo::GetContentHeight() const
{
    const int rows = m_document != nullptr ? m_document->GetHeight() : 0;
    return CellRect(1, 1).top * rows;
}

// --- zoom ---

void CR8EditSFCDCo::ApplyCellSize(int width, int height)
{
    m_cellWidth = std::clamp(width, 1, kMaxCellSide);
    m_cellHeight = std::clamp(height, 1, kMaxCellSide);
    RebuildFonts(m_cellHeight);
    RecalcLayout();
    InvalidateAll();
}

void CR8EditSFCDCo::SetZoomPercent(int percent)
{
    percent = std::clamp(percent, kMinZoom, kMaxZoom);
    ApplyCellSize(kCellWidth100 * percent / 100, kCellHeight100 * percent / 100);
}

bool CR8EditSFCDCo::ZoomBy(int percent)
{
    if (percent == 100 || percent <= 0)
        return false;
    if (percent < 100 && m_cellHeight < 11)
        return false;
    if (percent > 100 && m_cellHeight >= 500)
        return false;
    ApplyCellSize(m_cellWidth * percent / 100, m_cellHeight * percent / 100);
    return true;
}

void CR8EditSFCDCo::ZoomToFit(int columns, int rows)
{
    SetZoomPercent(100);
    const double across = std::max(m_visibleColumns - 1, 1);
    const double down = std::max(m_visibleRows - 1, 1);
    const double ratio = std::max(std::max(columns, 0) / across, std::max(rows, 0) / down);
    if (ratio > 0)
        SetZoomPercent(static_cast<int>(100 / ratio));
}

void CR8EditSFCDCo::SetCellWidth(int width)
{
    ApplyCellSize(width < 1 ? kCellWidth100 : width, m_cellHeight);
}

void CR8EditSFCDCo::SetCellHeight(int height)
{
    ApplyCellSize(m_cellWidth, height < 1 ? kCellHeight100 : height);
}

// --- flags ---

void CR8EditSFCDCo::SetGrid(bool shown)
{
    m_grid = shown;
    InvalidateAll();
}

void CR8EditSFCDCo::SetNoScroll(bool noScroll)
{
    m_noScroll = noScroll;
    RecalcLayout();
}

void CR8EditSFCDCo::SetBlackWhite(bool blackWhite)
{
    m_blackWhite = blackWhite;
    InvalidateAll();
}

void CR8EditSFCDCo::SetFocusShown(bool shown)
{
    if (m_focusShown == shown)
        return;
    m_focusShown = shown;
    InvalidateCell(GetCaret().x, GetCaret().y);
}

void CR8EditSFCDCo::SetDropFeedback(const R8Rect& cells, bool shown)
{
    if (m_dropShown)
        InvalidateCells(m_dropCells);
    m_dropCells = cells;
    m_dropShown = shown;
    if (m_dropShown)
        InvalidateCells(m_dropCells);
}

void CR8EditSFCDCo::SetDisplayMode(std::uint16_t mode)
{
    SetDisplay(mode);
    InvalidateAll();
}

// --- caret and selection ---

void CR8EditSFCDCo::SetCaret(int column, int row, bool extend)
{
    const R8Rect before = m_selection.GetRect();
    m_selection.SetCaret(R8Point{column, row}, extend);
    InvalidateCells(before);
    InvalidateCells(m_selection.GetRect());
}

void CR8EditSFCDCo::SetSelection(R8Point anchor, R8Point caret)
{
    const R8Rect before = m_selection.GetRect();
    m_selection.Set(anchor, caret);
    InvalidateCells(before);
    InvalidateCells(m_selection.GetRect());
}

void CR8EditSFCDCo::CollapseSelection()
{
    const R8Rect before = m_selection.GetRect();
    m_selection.Collapse();
    InvalidateCells(before);
}

void CR8EditSFCDCo::ScrollIntoView(int column, int row)
{
    const SIZE client = ClientSize();
    const int across = std::max<int>((client.cx - kLeftRuler) / m_cellWidth, 1);
    const int down = std::max<int>((client.cy - kTopRuler) / m_cellHeight, 1);
    int first = GetFirstColumn();
    int top = GetFirstRow();
    if (column < first)
        first = column;
    else if (column >= first + across)
        first = column - across + 1;
    if (row < top)
        top = row;
    else if (row >= top + down)
        top = row - down + 1;
    if (first != GetFirstColumn() || top != GetFirstRow())
        ScrollTo(first, top);
}

void CR8EditSFCDCo::InvalidateCell(int column, int row)
{
    if (m_window == nullptr)
        return;
    const RECT rect = CellRect(column, row);
    InvalidateRect(m_window, &rect, FALSE);
}

void CR8EditSFCDCo::InvalidateSymbol(int column, int row)
{
    if (m_window == nullptr)
        return;
    RECT rect = CellRect(column, row);
    rect.right = rect.left + GetSymbolSize();
    InvalidateRect(m_window, &rect, FALSE);
}

void CR8EditSFCDCo::InvalidateCells(const R8Rect& cells)
{
    if (m_window == nullptr)
        return;
    RECT first = CellRect(cells.left, cells.top);
    RECT last = CellRect(cells.right, cells.bottom);
    RECT rect = {first.left, first.top, last.right, last.bottom};
    InvalidateRect(m_window, &rect, FALSE);
    // The rulers mark the selected columns and rows.
    RECT top = {rect.left, 0, rect.right, kTopRuler};
    RECT left = {0, rect.top, kLeftRuler, rect.bottom};
    InvalidateRect(m_window, &top, FALSE);
    InvalidateRect(m_window, &left, FALSE);
}

void CR8EditSFCDCo::InvalidateAll()
{
    if (m_window != nullptr)
        InvalidateRect(m_window, nullptr, FALSE);
}
