// Pens, brushes and fonts made once per distinct description and owned by
// the library until it is unloaded: callers select and use them but never
// delete them.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

namespace q2gdi
{

class ResourceCache
{
public:
    static ResourceCache& Instance();

    ResourceCache() = default;
    ~ResourceCache();
    ResourceCache(const ResourceCache&) = delete;
    ResourceCache& operator=(const ResourceCache&) = delete;

    HPEN Pen(COLORREF color, int width, int style);
    // style 0 is solid; 1 to 6 are the hatch styles HS_HORIZONTAL ... HS_DIAGCROSS.
    HBRUSH Brush(COLORREF color, int style);
    HFONT Font(const std::string& face, int height, int weight, bool italic, bool underline);

private:
    std::map<std::tuple<COLORREF, int, int>, HPEN> pens;
    std::map<std::tuple<COLORREF, int>, HBRUSH> brushes;
    std::map<std::tuple<std::string, int, int, bool, bool>, HFONT> fonts;
};

} // namespace q2gdi
