// Drawing primitives of the chart on one device context: solid fills and
// frames in a given colour, one-pixel lines, the three-line link style and
// text clipped to a rectangle. Colours pass through the black-and-white rule
// of the target: ink turns black and paper white.
//
// Pens and brushes of a given colour come from the drawing library. When it
// cannot give one (library or entry missing, its fallback being the stock
// white brush or black pen), the device context's own stock colour pen or
// brush is used instead, so frames and bars keep their colour rather than
// vanishing; nothing is created or deleted either way.
#pragma once

#include "sfcview/Q2GDIWrapApi.h"

#include <string_view>

class CR8EditSFCCanvas
{
public:
    CR8EditSFCCanvas(HDC dc, CQ2GDIWrapApi& gdi, bool blackWhite);

    HDC GetDC() const { return m_dc; }
    CQ2GDIWrapApi& GetGDI() const { return m_gdi; }
    bool IsBlackWhite() const { return m_blackWhite; }

    // The colour of lines and text on this target.
    COLORREF Ink(COLORREF color) const { return m_blackWhite ? RGB(0, 0, 0) : color; }
    // The colour of fills on this target.
    COLORREF Paper(COLORREF color) const { return m_blackWhite ? RGB(255, 255, 255) : color; }

    HBRUSH SolidBrush(COLORREF color);
    HPEN SolidPen(COLORREF color);

    // Colours as given: callers apply Ink or Paper.
    void Fill(const RECT& rect, COLORREF color);
    void Fill(const RECT& rect, HBRUSH brush);
    void Frame(const RECT& rect, COLORREF color);
    void HLine(int x0, int x1, int y, COLORREF color);
    void VLine(int x, int y0, int y1, COLORREF color);
    // Vertical gradient, one line per pixel row, from top to bottom colour.
    void GradientRows(const RECT& rect, COLORREF top, COLORREF bottom);
    // Horizontal gradient, one line per pixel column, from left to right colour.
    void GradientColumns(const RECT& rect, COLORREF left, COLORREF right);

    // The three parallel lines of a link: base colour on the left or upper
    // line, darker in the middle, darkest on the right or lower one.
    void LinkV(int x, int y0, int y1);
    void LinkH(int x0, int x1, int y);

    // Text drawn in a private memory context holding a copy of the
    // rectangle's pixels, then copied back: it never spills out of the
    // rectangle. The colour is taken as given.
    void Text(const RECT& rect, std::string_view text, UINT format, COLORREF color, HFONT font);
    // Height of the text laid out with the format (DT_CALCRECT) in the width
    // of the rectangle.
    int MeasureHeight(const RECT& rect, std::string_view text, UINT format, HFONT font);

private:
    void LinkColors(COLORREF colors[3]);

    HDC m_dc;
    CQ2GDIWrapApi& m_gdi;
    bool m_blackWhite;
    bool m_haveLinkColors = false;
    COLORREF m_linkColors[3] = {};
};

// Saves a device context and restores it when leaving the scope.
class CR8SavedDC
{
public:
    explicit CR8SavedDC(HDC dc) : m_dc(dc), m_state(SaveDC(dc)) {}
    ~CR8SavedDC()
    {
        if (m_state != 0)
            RestoreDC(m_dc, m_state);
    }
    CR8SavedDC(const CR8SavedDC&) = delete;
    CR8SavedDC& operator=(const CR8SavedDC&) = delete;

private:
    HDC m_dc;
    int m_state;
};

// A memory context with a bitmap compatible with a reference context, the
// bitmap selected while the object lives. The bitmap can be taken out.
class CR8MemoryBitmap
{
public:
    CR8MemoryBitmap(HDC reference, int width, int height);
    ~CR8MemoryBitmap();
    CR8MemoryBitmap(const CR8MemoryBitmap&) = delete;
    CR8MemoryBitmap& operator=(const CR8MemoryBitmap&) = delete;

    bool IsValid() const { return m_dc != nullptr && m_bitmap != nullptr; }
    HDC GetDC() const { return m_dc; }
    // Deselects the bitmap and hands it to the caller.
    HBITMAP Release();

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
};
