// Entry points of the drawing-resources library. Every handle answered here
// except Q2GDI_LoadBitmap's belongs to the library and stays valid while it
// is loaded.
#include "BitmapFile.h"
#include "ColorMath.h"
#include "Palette.h"
#include "ResourceCache.h"

using namespace q2gdi;

namespace
{

// The format number of a picture file whose encoder follows the extension.
constexpr int kPictureFile = 71;

COLORREF EntryColor(EntryKind kind, int number, COLORREF fallback)
{
    const ColorEntry* e = FindColorEntry(kind, number);
    return e != nullptr ? e->color : fallback;
}

const FontEntry& EntryFont(int number)
{
    const FontEntry* e = FindFontEntry(number);
    return e != nullptr ? *e : *FindFontEntry(kDefaultFont);
}

} // namespace

extern "C" HBRUSH WINAPI Q2GDI_GetBrush(int entry)
{
    return ResourceCache::Instance().Brush(EntryColor(EntryKind::Brush, entry, kDefaultBrushColor),
                                           0);
}

extern "C" HPEN WINAPI Q2GDI_GetPen(int entry)
{
    const ColorEntry* e = FindColorEntry(EntryKind::Pen, entry);
    return ResourceCache::Instance().Pen(e != nullptr ? e->color : kDefaultPenColor,
                                         e != nullptr ? e->penWidth : 1, PS_SOLID);
}

extern "C" COLORREF WINAPI Q2GDI_GetColor(int entry)
{
    return EntryColor(EntryKind::Color, entry, kDefaultColor);
}

extern "C" COLORREF WINAPI Q2GDI_LightenColor(COLORREF color, double factor)
{
    return Lighten(color, factor);
}

extern "C" COLORREF WINAPI Q2GDI_DarkenColor(COLORREF color, double factor)
{
    return Darken(color, factor);
}

extern "C" COLORREF WINAPI Q2GDI_GradientColor(int step, int count, COLORREF start, COLORREF end)
{
    return Gradient(step, count, start, end);
}

extern "C" HPEN WINAPI Q2GDI_LoadPen(COLORREF color, int width, int style)
{
    return ResourceCache::Instance().Pen(color, width, style);
}

extern "C" HBRUSH WINAPI Q2GDI_LoadBrush(COLORREF color, int style)
{
    return ResourceCache::Instance().Brush(color, style);
}

extern "C" LPCSTR WINAPI Q2GDI_GetFontName(int entry)
{
    return EntryFont(entry).face;
}

extern "C" int WINAPI Q2GDI_GetFontSize(int entry)
{
    return EntryFont(entry).points;
}

extern "C" BOOL WINAPI Q2GDI_IsFontZoom(int entry)
{
    return EntryFont(entry).followsZoom ? TRUE : FALSE;
}

// weight 0 is normal; italic and underline are flags.
extern "C" HFONT WINAPI Q2GDI_LoadFont(LPCSTR face, int height, int weight, int italic,
                                       int underline)
{
    const char* name = face != nullptr && *face != '\0' ? face : EntryFont(kDefaultFont).face;
    return ResourceCache::Instance().Font(name, height, weight, italic != 0, underline != 0);
}

extern "C" BOOL WINAPI Q2GDI_SaveBitmap(HBITMAP bitmap, int format, LPCSTR path)
{
    return format == kPictureFile && SaveBitmapFile(bitmap, path) ? TRUE : FALSE;
}

// The one handle the caller owns: delete it with DeleteObject.
extern "C" HBITMAP WINAPI Q2GDI_LoadBitmap(LPCSTR path)
{
    return LoadBitmapFile(path);
}
