// Wrapper of the workbench's drawing-resources library "Q2GDI.dll": pens,
// brushes, colours and fonts by entry number. Entry points are looked up by
// name on first use; a missing library or entry gives the stock fallback, so
// the chart is still drawn in black and white with the default font. The
// library owns every handle it returns: the editor never deletes them.
// Entry points use the WINAPI calling convention.
#pragma once

#include "frame/Win32.h"

class CQ2GDIWrapApi
{
public:
    CQ2GDIWrapApi();
    virtual ~CQ2GDIWrapApi();
    CQ2GDIWrapApi(const CQ2GDIWrapApi&) = delete;
    CQ2GDIWrapApi& operator=(const CQ2GDIWrapApi&) = delete;

    bool IsLoaded() const { return library != nullptr; }

    HBRUSH GetBrush(int entry);
    HPEN GetPen(int entry);
    COLORREF GetColor(int entry);
    COLORREF LightenColor(COLORREF color, double factor);
    COLORREF DarkenColor(COLORREF color, double factor);
    COLORREF GradientColor(int step, int count, COLORREF start, COLORREF end);
    HPEN LoadPen(COLORREF color, int width, int style);
    HBRUSH LoadBrush(COLORREF color);
    LPCSTR GetFontName(int entry);
    int GetFontSize(int entry);
    BOOL IsFontZoom(int entry);
    HFONT LoadFont(LPCSTR face, int height);
    BOOL SaveBitmap(HBITMAP bitmap, int format, LPCSTR path);
    HBITMAP LoadBitmap(LPCSTR path);

private:
    enum Entry
    {
        kGetBrush,
        kGetPen,
        kGetColor,
        kLightenColor,
        kDarkenColor,
        kGradientColor,
        kLoadPen,
        kLoadBrush,
        kGetFontName,
        kGetFontSize,
        kIsFontZoom,
        kLoadFont,
        kSaveBitmap,
        kLoadBitmap,
        kEntryCount
    };
    template <class F> F Resolve(Entry e);

    HMODULE library = nullptr;
    FARPROC entries[kEntryCount] = {};
    bool looked[kEntryCount] = {};
};
