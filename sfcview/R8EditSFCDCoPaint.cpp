// The chart view's drawing: the window frame, pictures of cell ranges and
// the folio operations of printing.
#include "sfcview/R8EditSFCDCo.h"

#include "chart/R8EditSFCDocData.h"
#include "sfcview/R8EditSFCCanvas.h"
#include "sfcview/R8EditSFCItemPainter.h"

#include <algorithm>
#include <cstdint>

namespace
{

constexpr COLORREF kRulerTop = RGB(211, 220, 233);
constexpr COLORREF kRulerBottom = RGB(249, 252, 253);
constexpr COLORREF kRulerSelTop = RGB(241, 193, 96);
constexpr COLORREF kRulerSelBottom = RGB(249, 217, 159);

// Pictures larger than this on a side are not attempted: the bitmap would
// not be made anyway, and the caller reports the folio as unprintable.
constexpr std::int64_t kMaxPictureSide = 32767;

void Line(HDC dc, int x0, int y0, int x1, int y1)
{
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

// The context to make pictures compatible with: the caller's, else the
// window's, else the screen's; released when leaving the scope.
class ReferenceDC
{
public:
    ReferenceDC(HDC given, HWND window) : m_window(window)
    {
        if (given != nullptr)
            m_dc = given;
        else
        {
            m_dc = ::GetDC(window);
            m_owned = m_dc != nullptr;
        }
    }
    ~ReferenceDC()
    {
        if (m_owned)
            ReleaseDC(m_window, m_dc);
    }
    ReferenceDC(const ReferenceDC&) = delete;
    ReferenceDC& operator=(const ReferenceDC&) = delete;
    HDC Get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc = nullptr;
    bool m_owned = false;
};

} // namespace

// Drawing off-screen: cells from (0, 0), no focus rectangle.
class CR8EditSFCDCo::OffscreenScope
{
public:
    explicit OffscreenScope(CR8EditSFCDCo& view)
        : m_view(view), m_offscreen(view.m_offscreen), m_focus(view.m_focusShown)
    {
        view.m_offscreen = true;
        view.m_focusShown = false;
    }
    ~OffscreenScope()
    {
        m_view.m_offscreen = m_offscreen;
        m_view.m_focusShown = m_focus;
    }
    OffscreenScope(const OffscreenScope&) = delete;
    OffscreenScope& operator=(const OffscreenScope&) = delete;

private:
    CR8EditSFCDCo& m_view;
    bool m_offscreen;
    bool m_focus;
};

void CR8EditSFCDCo::Prologue(HDC dc)
{
    SelectObject(dc, GetChartFont());
    SetBkColor(dc, GetColor(3));
    SelectObject(dc, GetPen(1));
    SetBkMode(dc, TRANSPARENT);
}

void CR8EditSFCDCo::DrawScreen(HDC dc)
{
    if (dc == nullptr)
        return;
    RECT client = {0, 0, 0, 0};
    if (m_window != nullptr)
        GetClientRect(m_window, &client);
    else if (HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP))
    {
        BITMAP info = {};
        if (GetObjectA(bitmap, sizeof(info), &info) != 0)
            client = RECT{0, 0, info.bmWidth, info.bmHeight};
    }
    CR8SavedDC saved(dc);
    Prologue(dc);
    CR8EditSFCCanvas canvas(dc, *this, CurrentBlackWhite());
    DrawRulers(canvas, client);
    const R8Point origin = Origin();
    const int columns = std::max<int>(client.right - kLeftRuler, 0) / m_cellWidth + 1;
    const int rows = std::max<int>(client.bottom - kTopRuler, 0) / m_cellHeight + 1;
    for (int c = origin.x; c <= origin.x + columns; ++c)
    {
        for (int r = origin.y; r <= origin.y + rows; ++r)
        {
            const RECT rect = CellRectFrom(c, r, origin);
            DrawCellBackground(canvas, rect, c, r);
            DrawCellContent(canvas, rect, c, r);
        }
    }
}

int CR8EditSFCDCo::PaintRectToDC(HDC dc, const RECT* rect)
{
    if (dc == nullptr)
        return 0;
    CR8SavedDC saved(dc);
    if (rect != nullptr)
        IntersectClipRect(dc, rect->left, rect->top, rect->right, rect->bottom);
    DrawScreen(dc);
    return 1;
}

void CR8EditSFCDCo::DrawRulers(CR8EditSFCCanvas& canvas, const RECT& client)
{
    HDC dc = canvas.GetDC();
    const R8Point origin = Origin();
    const R8Rect selection = m_selection.GetRect();
    const bool bw = canvas.IsBlackWhite();
    auto paper = [&](COLORREF c) { return canvas.Paper(c); };

    const RECT top = {client.left, client.top, client.right, client.top + kTopRuler};
    canvas.GradientRows(top, paper(kRulerTop), paper(kRulerBottom));
    const RECT selTop = {
        std::max<LONG>(kLeftRuler + (selection.left - origin.x) * m_cellWidth, kLeftRuler), top.top,
        std::min<LONG>(kLeftRuler + (selection.right + 1 - origin.x) * m_cellWidth, client.right),
        top.bottom};
    if (!bw)
        canvas.GradientRows(selTop, kRulerSelTop, kRulerSelBottom);

    const RECT left = {client.left, client.top + kTopRuler, client.left + kLeftRuler,
                       client.bottom};
    canvas.GradientColumns(left, paper(kRulerTop), paper(kRulerBottom));
    const RECT selLeft = {
        left.left, std::max<LONG>(kTopRuler + (selection.top - origin.y) * m_cellHeight, kTopRuler),
        left.right,
        std::min<LONG>(kTopRuler + (selection.bottom + 1 - origin.y) * m_cellHeight,
                       client.bottom)};
    if (!bw)
        canvas.GradientColumns(selLeft, kRulerSelTop, kRulerSelBottom);

    HGDIOBJ oldPen = SelectObject(dc, GetPen(13));
    Line(dc, client.left, top.bottom - 1, client.right, top.bottom - 1);
    Line(dc, left.right - 1, left.top, left.right - 1, client.bottom);
    for (int x = kLeftRuler + m_cellWidth; x <= client.right; x += m_cellWidth)
        Line(dc, x - 1, top.top, x - 1, top.bottom);
    for (int y = kTopRuler + m_cellHeight; y <= client.bottom; y += m_cellHeight)
        Line(dc, left.left, y - 1, left.right, y - 1);
    SelectObject(dc, GetPen(15));
    for (int x = kLeftRuler + m_cellWidth; x <= client.right; x += m_cellWidth)
        Line(dc, x, top.top, x, top.bottom - 1);
    for (int y = kTopRuler + m_cellHeight; y <= client.bottom; y += m_cellHeight)
        Line(dc, left.left, y, left.right - 1, y);
    SelectObject(dc, oldPen);
}

void CR8EditSFCDCo::DrawCellBackground(CR8EditSFCCanvas& canvas, const RECT& rect, int column,
                                       int row)
{
    HBRUSH brush = GetBrush(3);
    if (!m_offscreen)
    {
        const bool dropped = m_dropShown && column >= m_dropCells.left &&
                             column <= m_dropCells.right && row >= m_dropCells.top &&
                             row <= m_dropCells.bottom;
        if (dropped)
            brush = GetBrush(8);
        else if (m_selection.Contains(column, row))
            brush = GetBrush(5);
    }
    canvas.Fill(rect, brush);
    HDC dc = canvas.GetDC();
    if (m_grid && !m_offscreen)
    {
        HGDIOBJ old = SelectObject(dc, GetPen(7));
        Line(dc, rect.right - 1, rect.top, rect.right - 1, rect.bottom);
        Line(dc, rect.left, rect.bottom - 1, rect.right, rect.bottom - 1);
        SelectObject(dc, old);
    }
    const R8Point caret = GetCaret();
    if (m_focusShown && !m_offscreen && caret.x == column && caret.y == row)
        DrawFocusRect(dc, &rect);
}

void CR8EditSFCDCo::DrawCellContent(CR8EditSFCCanvas& canvas, const RECT& rect, int column, int row)
{
    if (m_document == nullptr)
        return;
    CR8EditSFCPaintStyle style;
    style.u = GetSymbolSize();
    style.a = SFCArrowSize(style.u);
    style.display = GetDisplay();
    style.offscreen = m_offscreen;
    style.chartFont = GetChartFont();
    style.textBoxFont = GetTextBoxFont();
    style.qualifierWidth = GetQualifierWidth();
    style.document = m_document;
    CR8EditSFCItemPainter painter(canvas, style);
    const std::uint16_t link = m_document->GetLink(column, row);
    if (const CR8EditSFCItem* item = m_document->ItemAt(column, row))
        painter.PaintItem(*item, rect, link);
    else if (link != 0)
        painter.PaintLinks(rect, link);
}

void CR8EditSFCDCo::DrawFolioFrame(HDC dc, const RECT& pixels, int kx, int ky)
{
    if (dc == nullptr)
        return;
    const R8Point first = CellFromPoint(POINT{pixels.left, pixels.top});
    const R8Point last = CellFromPoint(POINT{pixels.right, pixels.bottom});
    const R8Point origin = Origin();
    if (kx >= 1)
    {
        for (int c = std::max(first.x, origin.x); c <= last.x + 1; ++c)
        {
            if (c != 0 && c % kx == 0)
            {
                const int x = CellRect(c, origin.y).left;
                Line(dc, x, pixels.top, x, pixels.bottom);
            }
        }
    }
    if (ky >= 1)
    {
        for (int r = std::max(first.y, origin.y); r <= last.y + 1; ++r)
        {
            if (r != 0 && r % ky == 0)
            {
                const int y = CellRect(origin.x, r).top;
                Line(dc, pixels.left, y, pixels.right, y);
            }
        }
    }
}

BOOL CR8EditSFCDCo::CollectFolio(POINT point, RECT* cells) const
{
    if (cells != nullptr)
        *cells = RECT{point.x, point.y, point.x + 1, point.y + 1};
    return TRUE;
}

BOOL CR8EditSFCDCo::CollectFolioEx(int folioX, int folioY, int cellsPerFolioX, int cellsPerFolioY,
                                   RECT* cells) const
{
    if (cells == nullptr)
        return TRUE;
    const std::int64_t width = m_document != nullptr ? m_document->GetWidth() : 0;
    const std::int64_t height = m_document != nullptr ? m_document->GetHeight() : 0;
    const std::int64_t ux = std::max(cellsPerFolioX, 0);
    const std::int64_t uy = std::max(cellsPerFolioY, 0);
    const std::int64_t left = std::min<std::int64_t>(std::max(folioX, 0) * ux, width);
    const std::int64_t top = std::min<std::int64_t>(std::max(folioY, 0) * uy, height);
    const std::int64_t right = std::min<std::int64_t>((std::max(folioX, 0) + 1) * ux, width);
    const std::int64_t bottom = std::min<std::int64_t>((std::max(folioY, 0) + 1) * uy, height);
    *cells = RECT{static_cast<LONG>(left), static_cast<LONG>(top), static_cast<LONG>(right),
                  static_cast<LONG>(bottom)};
    return TRUE;
}

std::unique_ptr<CR8EditPicture> CR8EditSFCDCo::RenderFolio(const RECT& cells, HDC dc)
{
    OffscreenScope offscreen(*this);
    const std::int64_t width = std::int64_t(cells.right - cells.left) * m_cellWidth;
    const std::int64_t height = std::int64_t(cells.bottom - cells.top) * m_cellHeight + 1;
    if (width <= 0 || height <= 1 || width > kMaxPictureSide || height > kMaxPictureSide)
        return std::make_unique<CR8EditPicture>();
    ReferenceDC reference(dc, m_window);
    CR8MemoryBitmap memory(reference.Get(), static_cast<int>(width), static_cast<int>(height));
    if (!memory.IsValid())
        return std::make_unique<CR8EditPicture>();
    HDC target = memory.GetDC();
    const bool bw = CurrentBlackWhite();
    CR8EditSFCCanvas canvas(target, *this, bw);
    {
        const RECT all = {0, 0, static_cast<LONG>(width), static_cast<LONG>(height)};
        canvas.Fill(all, bw ? static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)) : GetBrush(15));
        CR8SavedDC saved(target);
        Prologue(target);
        // Only the folio's cells are drawn, placed as in a picture of the
        // whole chart seen through the folio.
        const RECT corner = CellRectFrom(cells.left, cells.top, R8Point{0, 0});
        SetWindowOrgEx(target, corner.left, corner.top, nullptr);
        const int lastColumn =
            std::min<int>(cells.right - 1, m_document ? m_document->GetWidth() : 0);
        const int lastRow =
            std::min<int>(cells.bottom, m_document ? m_document->GetHeight() + 1 : 0);
        for (int c = std::max<int>(cells.left, 0); c <= lastColumn; ++c)
            for (int r = std::max<int>(cells.top, 0); r <= lastRow; ++r)
                DrawCellContent(canvas, CellRectFrom(c, r, R8Point{0, 0}), c, r);
    }
    return std::make_unique<CR8EditPicture>(memory.Release());
}

RECT CR8EditSFCDCo::DrawSummary(bool all, HDC dc)
{
    OffscreenScope offscreen(*this);
    const int width = m_document != nullptr ? m_document->GetWidth() : 0;
    const int height = m_document != nullptr ? m_document->GetHeight() : 0;
    if (width == 0 || height == 0)
        return RECT{0, 0, 0, 0};
    const R8Rect range = all ? R8Rect{0, 0, width - 1, height - 1} : m_selection.GetRect();
    const int columns = range.right - range.left + 1;
    const int rows = range.bottom - range.top + 1;
    const RECT end = CellRectFrom(columns + 1, rows + 1, R8Point{0, 0});
    const RECT extent = {0, 0, end.left, end.top};
    if (dc == nullptr)
        return extent;

    CR8SavedDC saved(dc);
    Prologue(dc);
    const bool bw = CurrentBlackWhite();
    CR8EditSFCCanvas canvas(dc, *this, bw);
    HBRUSH paper = bw ? static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)) : GetBrush(15);
    canvas.Fill(extent, paper);
    if (all)
    {
        for (int c = 0; c <= width; ++c)
        {
            for (int r = 0; r < height; ++r)
            {
                const RECT rect = CellRectFrom(c, r, R8Point{0, 0});
                DrawCellBackground(canvas, rect, c, r);
                DrawCellContent(canvas, rect, c, r);
            }
        }
    }
    else
    {
        const R8Point origin{range.left, range.top};
        for (int c = range.left; c <= range.right; ++c)
            for (int r = range.top; r <= range.bottom; ++r)
                DrawCellContent(canvas, CellRectFrom(c, r, origin), c, r);
    }
    canvas.Fill(RECT{0, 0, extent.right, kTopRuler}, paper);
    canvas.Fill(RECT{0, 0, kLeftRuler, extent.bottom}, paper);
    return extent;
}

std::unique_ptr<CR8EditPicture> CR8EditSFCDCo::RenderSelectionPicture(HDC dc)
{
    OffscreenScope offscreen(*this);
    const R8Rect range = m_selection.GetRect();
    const std::int64_t width =
        kLeftRuler + std::int64_t(range.right - range.left + 1) * m_cellWidth;
    const std::int64_t height =
        kTopRuler + std::int64_t(range.bottom - range.top + 1) * m_cellHeight;
    if (width > kMaxPictureSide || height > kMaxPictureSide)
        return std::make_unique<CR8EditPicture>();
    ReferenceDC reference(dc, m_window);
    CR8MemoryBitmap memory(reference.Get(), static_cast<int>(width), static_cast<int>(height));
    if (!memory.IsValid())
        return std::make_unique<CR8EditPicture>();
    HDC target = memory.GetDC();
    const bool bw = CurrentBlackWhite();
    CR8EditSFCCanvas canvas(target, *this, bw);
    canvas.Fill(RECT{0, 0, static_cast<LONG>(width), static_cast<LONG>(height)},
                bw ? static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)) : GetBrush(15));
    {
        CR8SavedDC saved(target);
        Prologue(target);
        const R8Point origin{range.left, range.top};
        for (int c = range.left; c <= range.right; ++c)
            for (int r = range.top; r <= range.bottom; ++r)
                DrawCellContent(canvas, CellRectFrom(c, r, origin), c, r);
    }
    return std::make_unique<CR8EditPicture>(memory.Release());
}
