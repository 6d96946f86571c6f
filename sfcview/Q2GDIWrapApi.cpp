#include "sfcview/Q2GDIWrapApi.h"

namespace
{

const char* const kEntryNames[] = {
    "Q2GDI_GetBrush",    "Q2GDI_GetPen",        "Q2GDI_GetColor",   "Q2GDI_LightenColor",
    "Q2GDI_DarkenColor", "Q2GDI_GradientColor", "Q2GDI_LoadPen",    "Q2GDI_LoadBrush",
    "Q2GDI_GetFontName", "Q2GDI_GetFontSize",   "Q2GDI_IsFontZoom", "Q2GDI_LoadFont",
    "Q2GDI_SaveBitmap",  "Q2GDI_LoadBitmap",
};

} // namespace

CQ2GDIWrapApi::CQ2GDIWrapApi() : library(LoadLibraryA("Q2GDI.dll"))
{
    static_assert(sizeof(kEntryNames) / sizeof(kEntryNames[0]) == kEntryCount);
}

CQ2GDIWrapApi::~CQ2GDIWrapApi()
{
    if (library != nullptr)
        FreeLibrary(library);
}

template <class F> F CQ2GDIWrapApi::Resolve(Entry e)
{
    if (!looked[e])
    {
        looked[e] = true;
        entries[e] = library != nullptr ? GetProcAddress(library, kEntryNames[e]) : nullptr;
    }
    return reinterpret_cast<F>(reinterpret_cast<void*>(entries[e]));
}

HBRUSH CQ2GDIWrapApi::GetBrush(int entry)
{
    auto f = Resolve<HBRUSH(WINAPI*)(int)>(kGetBrush);
    HBRUSH b = f != nullptr ? f(entry) : nullptr;
    return b != nullptr ? b : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

HPEN CQ2GDIWrapApi::GetPen(int entry)
{
    auto f = Resolve<HPEN(WINAPI*)(int)>(kGetPen);
    HPEN p = f != nullptr ? f(entry) : nullptr;
    return p != nullptr ? p : static_cast<HPEN>(GetStockObject(BLACK_PEN));
}

COLORREF CQ2GDIWrapApi::GetColor(int entry)
{
    auto f = Resolve<COLORREF(WINAPI*)(int)>(kGetColor);
    return f != nullptr ? f(entry) : RGB(0, 0, 0);
}

COLORREF CQ2GDIWrapApi::LightenColor(COLORREF color, double factor)
{
    auto f = Resolve<COLORREF(WINAPI*)(COLORREF, double)>(kLightenColor);
    return f != nullptr ? f(color, factor) : color;
}

COLORREF CQ2GDIWrapApi::DarkenColor(COLORREF color, double factor)
{
    auto f = Resolve<COLORREF(WINAPI*)(COLORREF, double)>(kDarkenColor);
    return f != nullptr ? f(color, factor) : color;
}

COLORREF CQ2GDIWrapApi::GradientColor(int step, int count, COLORREF start, COLORREF end)
{
    auto f = Resolve<COLORREF(WINAPI*)(int, int, COLORREF, COLORREF)>(kGradientColor);
    return f != nullptr ? f(step, count, start, end) : start;
}

HPEN CQ2GDIWrapApi::LoadPen(COLORREF color, int width, int style)
{
    auto f = Resolve<HPEN(WINAPI*)(COLORREF, int, int)>(kLoadPen);
    HPEN p = f != nullptr ? f(color, width, style) : nullptr;
    return p != nullptr ? p : static_cast<HPEN>(GetStockObject(BLACK_PEN));
}

HBRUSH CQ2GDIWrapApi::LoadBrush(COLORREF color)
{
    auto f = Resolve<HBRUSH(WINAPI*)(COLORREF, int)>(kLoadBrush);
    HBRUSH b = f != nullptr ? f(color, 0) : nullptr;
    return b != nullptr ? b : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

LPCSTR CQ2GDIWrapApi::GetFontName(int entry)
{
    auto f = Resolve<LPCSTR(WINAPI*)(int)>(kGetFontName);
    LPCSTR name = f != nullptr ? f(entry) : nullptr;
    return name != nullptr ? name : "Courier New";
}

int CQ2GDIWrapApi::GetFontSize(int entry)
{
    auto f = Resolve<int(WINAPI*)(int)>(kGetFontSize);
    return f != nullptr ? f(entry) : 10;
}

BOOL CQ2GDIWrapApi::IsFontZoom(int entry)
{
    auto f = Resolve<BOOL(WINAPI*)(int)>(kIsFontZoom);
    return f != nullptr ? f(entry) : FALSE;
}

HFONT CQ2GDIWrapApi::LoadFont(LPCSTR face, int height)
{
    auto f = Resolve<HFONT(WINAPI*)(LPCSTR, int, int, int, int)>(kLoadFont);
    HFONT font = f != nullptr ? f(face, height, 0, 0, 0) : nullptr;
    return font != nullptr ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

BOOL CQ2GDIWrapApi::SaveBitmap(HBITMAP bitmap, int format, LPCSTR path)
{
    auto f = Resolve<BOOL(WINAPI*)(HBITMAP, int, LPCSTR)>(kSaveBitmap);
    return f != nullptr ? f(bitmap, format, path) : FALSE;
}

HBITMAP CQ2GDIWrapApi::LoadBitmap(LPCSTR path)
{
    auto f = Resolve<HBITMAP(WINAPI*)(LPCSTR)>(kLoadBitmap);
    if (f != nullptr)
        return f(path);
    return static_cast<HBITMAP>(
        LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}
