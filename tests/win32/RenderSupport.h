// Support for the chart rendering tests: a view whose drawing resources are
// a known palette (so probes do not depend on the drawing library being
// installed), a 32-bit surface to draw into and read back, and a PNG writer.
#pragma once

#include "chart/R8EditSFCDocData.h"
#include "sfcview/R8EditPicture.h"
#include "sfcview/R8EditSFCDCo.h"

#include <map>
#include <string>
#include <vector>

// Entries of the test palette. Distinct colours, so a probe tells which
// entry painted a pixel.
struct PaletteEntry
{
    int entry;
    COLORREF color;
};

class PaletteView : public CR8EditSFCDCo
{
public:
    PaletteView();
    ~PaletteView() override;

    HBRUSH GetBrush(int entry) override;
    HPEN GetPen(int entry) override;
    COLORREF GetColor(int entry) override;
    COLORREF LightenColor(COLORREF color, double factor) override;
    COLORREF DarkenColor(COLORREF color, double factor) override;
    COLORREF GradientColor(int step, int count, COLORREF start, COLORREF end) override;
    HPEN LoadPen(COLORREF color, int width, int style) override;
    HBRUSH LoadBrush(COLORREF color) override;
    LPCSTR GetFontName(int entry) override;
    int GetFontSize(int) override { return fontPoints; }
    BOOL IsFontZoom(int) override { return fontZoom; }
    HFONT LoadFont(LPCSTR face, int height) override;

    static COLORREF BrushColor(int entry);
    static COLORREF PenColor(int entry);
    static COLORREF PlainColor(int entry);

    int fontPoints = 8;
    BOOL fontZoom = TRUE;
    struct FontRequest
    {
        std::string face;
        int height;
    };
    std::vector<FontRequest> fontRequests;

private:
    std::map<COLORREF, HBRUSH> brushes;
    std::map<COLORREF, HPEN> pens;
    std::map<int, HFONT> fonts;
};

// A top-down 32-bit DIB selected into a memory context.
class Surface
{
public:
    Surface(int width, int height);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HDC dc() const { return memory; }
    int width() const { return w; }
    int height() const { return h; }
    COLORREF Pixel(int x, int y) const;
    // Pixels of the colour inside a rectangle.
    int Count(const RECT& rect, COLORREF color) const;
    // A copy of a bitmap's pixels.
    static Surface FromBitmap(HBITMAP bitmap);
    bool SavePng(const std::string& path) const;

    Surface(Surface&& other) noexcept;

private:
    int w = 0;
    int h = 0;
    HDC memory = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    unsigned* bits = nullptr;
};

std::string ColorText(COLORREF c);

#define EXPECT_COLOR(expected, actual) EXPECT_EQ(ColorText(expected), ColorText(actual))
