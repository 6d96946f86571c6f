#include "ResourceCache.h"

#include <algorithm>
#include <cstring>

namespace q2gdi
{

ResourceCache& ResourceCache::Instance()
{
    static ResourceCache cache;
    return cache;
}

ResourceCache::~ResourceCache()
{
    for (auto& [key, pen] : pens)
        DeleteObject(pen);
    for (auto& [key, brush] : brushes)
        DeleteObject(brush);
    for (auto& [key, font] : fonts)
        DeleteObject(font);
}

HPEN ResourceCache::Pen(COLORREF color, int width, int style)
{
    color &= 0x00FFFFFF;
    if (width < 1)
        width = 1;
    if (style < PS_SOLID || style > PS_INSIDEFRAME)
        style = PS_SOLID;
    HPEN& pen = pens[{color, width, style}];
    if (pen == nullptr)
        pen = CreatePen(style, width, color);
    return pen;
}

HBRUSH ResourceCache::Brush(COLORREF color, int style)
{
    color &= 0x00FFFFFF;
    if (style < 0 || style > HS_DIAGCROSS + 1)
        style = 0;
    HBRUSH& brush = brushes[{color, style}];
    if (brush == nullptr)
        brush = style == 0 ? CreateSolidBrush(color) : CreateHatchBrush(style - 1, color);
    return brush;
}

HFONT ResourceCache::Font(const std::string& face, int height, int weight, bool italic,
                          bool underline)
{
    std::string key(face.substr(0, LF_FACESIZE - 1));
    for (char& c : key)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    if (weight <= 0 || weight > 1000)
        weight = FW_NORMAL;
    HFONT& font = fonts[{key, height, weight, italic, underline}];
    if (font == nullptr)
    {
        LOGFONTA lf = {};
        lf.lfHeight = height;
        lf.lfWeight = weight;
        lf.lfItalic = italic;
        lf.lfUnderline = underline;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = CLEARTYPE_QUALITY;
        std::memcpy(lf.lfFaceName, face.c_str(), std::min<size_t>(face.size(), LF_FACESIZE - 1));
        font = CreateFontIndirectA(&lf);
    }
    return font;
}

} // namespace q2gdi
