#include "sfcview/R8EditSFCCanvas.h"

#include <algorithm>
#include <string>

CR8EditSFCCanvas::CR8EditSFCCanvas(HDC dc, CQ2GDIWrapApi& gdi, bool blackWhite)
    : m_dc(dc), m_gdi(gdi), m_blackWhite(blackWhite)
{
}

HBRUSH CR8EditSFCCanvas::SolidBrush(COLORREF color)
{
    HBRUSH brush = m_gdi.LoadBrush(color);
    if (brush == GetStockObject(WHITE_BRUSH) && color != RGB(255, 255, 255))
    {
        SetDCBrushColor(m_dc, color);
        return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    }
    return brush;
}

HPEN CR8EditSFCCanvas::SolidPen(COLORREF color)
{
    HPEN pen = m_gdi.LoadPen(color, 1, 0);
    if (pen == GetStockObject(BLACK_PEN) && color != RGB(0, 0, 0))
    {
        SetDCPenColor(m_dc, color);
        return static_cast<HPEN>(GetStockObject(DC_PEN));
    }
    return pen;
}

void CR8EditSFCCanvas::Fill(const RECT& rect, COLORREF color)
{
    Fill(rect, SolidBrush(color));
}

void CR8EditSFCCanvas::Fill(const RECT& rect, HBRUSH brush)
{
    if (rect.right > rect.left && rect.bottom > rect.top && brush != nullptr)
        FillRect(m_dc, &rect, brush);
}

void CR8EditSFCCanvas::Frame(const RECT& rect, COLORREF color)
{
    if (rect.right > rect.left && rect.bottom > rect.top)
        FrameRect(m_dc, &rect, SolidBrush(color));
}

void CR8EditSFCCanvas::HLine(int x0, int x1, int y, COLORREF color)
{
    if (x1 <= x0)
        return;
    HGDIOBJ old = SelectObject(m_dc, SolidPen(color));
    MoveToEx(m_dc, x0, y, nullptr);
    LineTo(m_dc, x1, y);
    SelectObject(m_dc, old);
}

void CR8EditSFCCanvas::VLine(int x, int y0, int y1, COLORREF color)
{
    if (y1 <= y0)
        return;
    HGDIOBJ old = SelectObject(m_dc, SolidPen(color));
    MoveToEx(m_dc, x, y0, nullptr);
    LineTo(m_dc, x, y1);
    SelectObject(m_dc, old);
}

void CR8EditSFCCanvas::GradientRows(const RECT& rect, COLORREF top, COLORREF bottom)
{
    const int lines = rect.bottom - rect.top;
    for (int i = 0; i < lines; ++i)
        HLine(rect.left, rect.right, rect.top + i,
              m_gdi.GradientColor(i, std::max(lines - 1, 1), top, bottom));
}

void CR8EditSFCCanvas::GradientColumns(const RECT& rect, COLORREF left, COLORREF right)
{
    const int lines = rect.right - rect.left;
    for (int i = 0; i < lines; ++i)
        VLine(rect.left + i, rect.top, rect.bottom,
              m_gdi.GradientColor(i, std::max(lines - 1, 1), left, right));
}

void CR8EditSFCCanvas::LinkColors(COLORREF colors[3])
{
    if (!m_haveLinkColors)
    {
        const COLORREF base = m_gdi.GetColor(122);
        m_linkColors[0] = Ink(base);
        m_linkColors[1] = Ink(m_gdi.DarkenColor(base, 0.12));
        m_linkColors[2] = Ink(m_gdi.DarkenColor(base, 0.3));
        m_haveLinkColors = true;
    }
    std::copy(m_linkColors, m_linkColors + 3, colors);
}

void CR8EditSFCCanvas::LinkV(int x, int y0, int y1)
{
    COLORREF c[3];
    LinkColors(c);
    for (int i = 0; i < 3; ++i)
        VLine(x - 1 + i, y0, y1, c[i]);
}

void CR8EditSFCCanvas::LinkH(int x0, int x1, int y)
{
    COLORREF c[3];
    LinkColors(c);
    for (int i = 0; i < 3; ++i)
        HLine(x0, x1, y - 1 + i, c[i]);
}

void CR8EditSFCCanvas::Text(const RECT& rect, std::string_view text, UINT format, COLORREF color,
                            HFONT font)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0 || text.empty())
        return;
    CR8MemoryBitmap memory(m_dc, width, height);
    if (!memory.IsValid())
        return;
    HDC dc = memory.GetDC();
    BitBlt(dc, 0, 0, width, height, m_dc, rect.left, rect.top, SRCCOPY);
    HGDIOBJ oldFont = SelectObject(dc, font != nullptr ? static_cast<HGDIOBJ>(font)
                                                       : GetCurrentObject(m_dc, OBJ_FONT));
    SetTextColor(dc, color);
    SetBkMode(dc, GetBkMode(m_dc));
    SetBkColor(dc, GetBkColor(m_dc));
    RECT inside = {0, 0, width, height};
    // DrawText may write into the text with DT_MODIFYSTRING only; a copy
    // keeps the caller's view untouched and NUL-terminated.
    std::string copy(text);
    DrawTextA(dc, copy.c_str(), static_cast<int>(copy.size()), &inside, format);
    BitBlt(m_dc, rect.left, rect.top, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldFont);
}

int CR8EditSFCCanvas::MeasureHeight(const RECT& rect, std::string_view text, UINT format,
                                    HFONT font)
{
    if (text.empty())
        return 0;
    RECT box = {0, 0, std::max<LONG>(rect.right - rect.left, 1), 0};
    HGDIOBJ old = font != nullptr ? SelectObject(m_dc, font) : nullptr;
    std::string copy(text);
    DrawTextA(m_dc, copy.c_str(), static_cast<int>(copy.size()), &box, format | DT_CALCRECT);
    if (old != nullptr)
        SelectObject(m_dc, old);
    return box.bottom - box.top;
}

CR8MemoryBitmap::CR8MemoryBitmap(HDC reference, int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    m_dc = CreateCompatibleDC(reference);
    if (m_dc == nullptr)
        return;
    m_bitmap = CreateCompatibleBitmap(reference, width, height);
    if (m_bitmap != nullptr)
        m_old = SelectObject(m_dc, m_bitmap);
}

CR8MemoryBitmap::~CR8MemoryBitmap()
{
    if (m_bitmap != nullptr)
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
    }
    if (m_dc != nullptr)
        DeleteDC(m_dc);
}

HBITMAP CR8MemoryBitmap::Release()
{
    HBITMAP bitmap = m_bitmap;
    if (bitmap != nullptr)
        SelectObject(m_dc, m_old);
    m_bitmap = nullptr;
    return bitmap;
}
