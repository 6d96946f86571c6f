#include "sfcview/R8EditSFCGDI.h"

#include "frame/R8EditSFCApp.h"

#include <algorithm>
#include <cmath>

CR8EditSFCGDI::CR8EditSFCGDI()
{
    if (HDC screen = GetDC(nullptr))
    {
        m_dpiY = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    if (m_dpiY <= 0)
        m_dpiY = 96;
    if (HINSTANCE module = ModuleInstance())
        m_rulerCursor = LoadCursorA(module, MAKEINTRESOURCEA(kRulerCursorId));
}

int CR8EditSFCGDI::ChartFontHeight(int cellHeight)
{
    return std::min(cellHeight / 2, 16);
}

int CR8EditSFCGDI::TextBoxFontHeight(int cellHeight, int points, bool followsZoom, int dpiY)
{
    if (followsZoom)
        points = static_cast<int>(std::lround(points * cellHeight / 50.0));
    const int byCell = static_cast<int>(std::lround(cellHeight / 2.5));
    return std::min(byCell, points * dpiY / 96);
}

void CR8EditSFCGDI::RebuildFonts(int cellHeight)
{
    m_chartFontHeight = ChartFontHeight(cellHeight);
    m_chartFont = LoadFont(GetFontName(kChartFontEntry), m_chartFontHeight);
    m_textBoxFontHeight = TextBoxFontHeight(cellHeight, GetFontSize(kTextBoxFontEntry),
                                            IsFontZoom(kTextBoxFontEntry) != FALSE, m_dpiY);
    m_textBoxFont = LoadFont(GetFontName(kTextBoxFontEntry), m_textBoxFontHeight);
    m_qualifierWidth = MeasureTextBox(" Act.");
}

int CR8EditSFCGDI::MeasureTextBox(std::string_view text) const
{
    HDC screen = GetDC(nullptr);
    if (screen == nullptr)
        return 0;
    HGDIOBJ old = m_textBoxFont != nullptr ? SelectObject(screen, m_textBoxFont) : nullptr;
    SIZE size = {0, 0};
    GetTextExtentPoint32A(screen, text.data(), static_cast<int>(text.size()), &size);
    if (old != nullptr)
        SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return size.cx;
}
