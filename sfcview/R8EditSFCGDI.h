// First layer of the chart view over the drawing-resources wrapper: the two
// fonts of the chart (the chart font for numbers and labels, the text-box
// font for actions, conditions and notes) and the cursor shown over the
// rulers. The fonts belong to the drawing library; the view only asks for them
// again whenever the cell height changes.
#pragma once

#include "sfcview/Q2GDIWrapApi.h"

#include <string_view>

class CR8EditSFCGDI : public CQ2GDIWrapApi
{
public:
    static constexpr int kChartFontEntry = 51;
    static constexpr int kTextBoxFontEntry = 52;
    static constexpr int kRulerCursorId = 11000;

    CR8EditSFCGDI();

    // Asks the drawing library for both fonts for the cell height.
    void RebuildFonts(int cellHeight);

    HFONT GetChartFont() const { return m_chartFont; }
    HFONT GetTextBoxFont() const { return m_textBoxFont; }
    // The heights asked for by the last rebuild.
    int GetChartFontHeight() const { return m_chartFontHeight; }
    int GetTextBoxFontHeight() const { return m_textBoxFontHeight; }
    // Width of a text in the text-box font, in pixels.
    int MeasureTextBox(std::string_view text) const;
    // Width of " Act.", the qualifier column of a step's text box.
    int GetQualifierWidth() const { return m_qualifierWidth; }
    // The screen's vertical resolution the text-box font is scaled by.
    int GetScreenDpiY() const { return m_dpiY; }

    // Shown over the rulers away from a cell border; null when the module
    // has no such cursor.
    HCURSOR GetRulerCursor() const { return m_rulerCursor; }

    // The height rules, by themselves.
    static int ChartFontHeight(int cellHeight);
    static int TextBoxFontHeight(int cellHeight, int points, bool followsZoom, int dpiY);

private:
    HFONT m_chartFont = nullptr;
    HFONT m_textBoxFont = nullptr;
    int m_chartFontHeight = 0;
    int m_textBoxFontHeight = 0;
    int m_qualifierWidth = 0;
    int m_dpiY = 96;
    HCURSOR m_rulerCursor = nullptr;
};
