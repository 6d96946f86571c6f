#include "Palette.h"

namespace q2gdi
{

namespace
{

// The palette. A calm light scheme: white paper, soft blue selection, slate
// links, and a few saturated marks (lock, bookmark, online state) that must
// stand out on it.
//
// | kind  | entry | colour          | role                                        |
// |-------|-------|-----------------|---------------------------------------------|
// | brush |   3   | 255,255,255     | cell background (the paper)                 |
// | brush |   5   | 204,228,247     | selected cells                              |
// | brush |   8   | 214,239,214     | cells under a drop, pale green              |
// | brush |  15   | 255,255,255     | background of saved and copied pictures     |
// | brush |  33   | 255,255,225     | tooltip background, pale yellow             |
// | brush |  36   | 217, 83, 79     | lock mark, brick red                        |
// | brush | 100   | 255,193,  7     | bookmark mark, amber                        |
// | brush | 101   |  76,175, 80     | transition whose condition holds, green     |
// | pen   |   1   |  64, 64, 64     | default outline                             |
// | pen   |   7   | 225,230,238     | grid lines, just visible on the paper       |
// | pen   |  13   | 148,160,180     | ruler edge and ticks                        |
// | pen   |  15   | 255,255,255     | ruler tick highlight, beside the pen 13 one |
// | pen   |  36   | 183, 58, 54     | lock mark outline, darker than its fill     |
// | pen   | 101   |  46,125, 50     | online state mark outline                   |
// | color |   3   | 255,255,255     | text background                             |
// | color |   9   |  64, 64, 64     | note frame and text                         |
// | color | 101   |  76,175, 80     | online state (lightened for "forced")       |
// | color | 122   |  90, 98,112     | links, slate (darkened for the 3-line look) |
// | color | 127   |   0,102,204     | highlighted note                            |
//
// Pens are solid and one pixel wide. Fonts:
//
// | entry | face   | points | zoom | role                                  |
// |-------|--------|--------|------|---------------------------------------|
// |  51   | Tahoma |   9    | no   | chart font: step and transition marks |
// |  52   | Tahoma |   8    | yes  | text boxes: actions, conditions, notes|
const ColorEntry kColors[] = {
    {EntryKind::Brush, 3, RGB(255, 255, 255), 0},  {EntryKind::Brush, 5, RGB(204, 228, 247), 0},
    {EntryKind::Brush, 8, RGB(214, 239, 214), 0},  {EntryKind::Brush, 15, RGB(255, 255, 255), 0},
    {EntryKind::Brush, 33, RGB(255, 255, 225), 0}, {EntryKind::Brush, 36, RGB(217, 83, 79), 0},
    {EntryKind::Brush, 100, RGB(255, 193, 7), 0},  {EntryKind::Brush, 101, RGB(76, 175, 80), 0},
    {EntryKind::Pen, 1, RGB(64, 64, 64), 1},       {EntryKind::Pen, 7, RGB(225, 230, 238), 1},
    {EntryKind::Pen, 13, RGB(148, 160, 180), 1},   {EntryKind::Pen, 15, RGB(255, 255, 255), 1},
    {EntryKind::Pen, 36, RGB(183, 58, 54), 1},     {EntryKind::Pen, 101, RGB(46, 125, 50), 1},
    {EntryKind::Color, 3, RGB(255, 255, 255), 0},  {EntryKind::Color, 9, RGB(64, 64, 64), 0},
    {EntryKind::Color, 101, RGB(76, 175, 80), 0},  {EntryKind::Color, 122, RGB(90, 98, 112), 0},
    {EntryKind::Color, 127, RGB(0, 102, 204), 0},
};

const FontEntry kFonts[] = {
    {51, "Tahoma", 9, false},
    {52, "Tahoma", 8, true},
};

} // namespace

const ColorEntry* FindColorEntry(EntryKind kind, int number)
{
    for (const ColorEntry& e : kColors)
        if (e.kind == kind && e.number == number)
            return &e;
    return nullptr;
}

const FontEntry* FindFontEntry(int number)
{
    for (const FontEntry& e : kFonts)
        if (e.number == number)
            return &e;
    return nullptr;
}

} // namespace q2gdi
