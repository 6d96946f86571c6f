// Wrapper of the workbench's drawing-resources library "Q2GDI.dll": pens,
// brushes, colours and fonts by entry number. Entry points are looked up by
// name on first use; a missing library or entry gives the stock fallback, so
// the chart is still drawn in black and white with the default font. The
// library owns every handle it returns: the editor never deletes them.
// Entry points use the WINAPI calling convention. The operations are virtual
// so a test can stand a known palette in for the library.
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

    virtual HBRUSH GetBrush(int entry);
    virtual HPEN GetPen(int entry);
    virtual COLORREF GetColor(int entry);
    virtual COLORREF LightenColor(COLORREF color, double factor);
    virtual COLORREF DarkenColor(COLORREF color, double factor);
    virtual COLORREF GradientColor(int step, int count, COLORREF start, COLORREF end);
    virtual HPEN LoadPen(COLORREF color, int width, int style);
    virtual HBRUSH LoadBrush(COLORREF color);
    virtual LPCSTR GetFontName(int entry);
    virtual int GetFontSize(int entry);
    virtual BOOL IsFontZoom(int entry);
    virtual HFONT LoadFont(LPCSTR face, int height);
    virtual BOOL SaveBitmap(HBITMAP bitmap, int format, LPCSTR path);
    virtual HBITMAP LoadBitmap(LPCSTR path);

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
