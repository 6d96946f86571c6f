// What each entry number of the drawing-resources library holds.
#pragma once

#include <windows.h>

namespace q2gdi
{

enum class EntryKind
{
    Brush,
    Pen,
    Color,
};

struct ColorEntry
{
    EntryKind kind;
    int number;
    COLORREF color;
    int penWidth; // pens only
};

struct FontEntry
{
    int number;
    const char* face;
    int points;
    bool followsZoom;
};

// The entry of that kind and number, or null when the palette has none.
const ColorEntry* FindColorEntry(EntryKind kind, int number);
const FontEntry* FindFontEntry(int number);

// Answers for numbers the palette doesn't list.
constexpr COLORREF kDefaultBrushColor = RGB(255, 255, 255);
constexpr COLORREF kDefaultPenColor = RGB(0, 0, 0);
constexpr COLORREF kDefaultColor = RGB(0, 0, 0);
constexpr int kDefaultFont = 51;

} // namespace q2gdi
