#include "RenderSupport.h"

#include <wincodec.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{

const PaletteEntry kBrushes[] = {
    {3, RGB(255, 255, 255)},  {5, RGB(204, 228, 247)}, {8, RGB(214, 239, 214)},
    {15, RGB(255, 255, 255)}, {36, RGB(217, 83, 79)},  {100, RGB(255, 193, 7)},
    {101, RGB(76, 175, 80)},
};
const PaletteEntry kPens[] = {
    {1, RGB(64, 64, 64)},     {7, RGB(225, 230, 238)}, {13, RGB(148, 160, 180)},
    {15, RGB(255, 255, 254)}, {36, RGB(183, 58, 54)},  {101, RGB(46, 125, 50)},
};
const PaletteEntry kColors[] = {
    {3, RGB(255, 255, 255)}, {9, RGB(64, 64, 64)},    {101, RGB(76, 175, 80)},
    {122, RGB(90, 98, 112)}, {127, RGB(0, 102, 204)},
};

COLORREF Find(const PaletteEntry* begin, const PaletteEntry* end, int entry, COLORREF missing)
{
    for (const PaletteEntry* e = begin; e != end; ++e)
        if (e->entry == entry)
            return e->color;
    return missing;
}

int Mix(int from, int to, double t)
{
    return static_cast<int>(std::lround(from + (to - from) * t));
}

} // namespace

std::string ColorText(COLORREF c)
{
    char text[32];
    std::snprintf(text, sizeof(text), "RGB(%d,%d,%d)", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

PaletteView::PaletteView()
{
    // The base constructor asked the base's resources; ask again for ours.
    RebuildFonts(GetCellHeight());
}

PaletteView::~PaletteView()
{
    for (auto& [color, brush] : brushes)
        DeleteObject(brush);
    for (auto& [color, pen] : pens)
        DeleteObject(pen);
    for (auto& [height, font] : fonts)
        DeleteObject(font);
}

COLORREF PaletteView::BrushColor(int entry)
{
    return Find(std::begin(kBrushes), std::end(kBrushes), entry, RGB(255, 255, 255));
}

COLORREF PaletteView::PenColor(int entry)
{
    return Find(std::begin(kPens), std::end(kPens), entry, RGB(0, 0, 0));
}

COLORREF PaletteView::PlainColor(int entry)
{
    return Find(std::begin(kColors), std::end(kColors), entry, RGB(0, 0, 0));
}

HBRUSH PaletteView::GetBrush(int entry)
{
    return LoadBrush(BrushColor(entry));
}

HPEN PaletteView::GetPen(int entry)
{
    return LoadPen(PenColor(entry), 1, 0);
}

COLORREF PaletteView::GetColor(int entry)
{
    return PlainColor(entry);
}

COLORREF PaletteView::LightenColor(COLORREF c, double f)
{
    return RGB(Mix(GetRValue(c), 255, f), Mix(GetGValue(c), 255, f), Mix(GetBValue(c), 255, f));
}

COLORREF PaletteView::DarkenColor(COLORREF c, double f)
{
    return RGB(Mix(GetRValue(c), 0, f), Mix(GetGValue(c), 0, f), Mix(GetBValue(c), 0, f));
}

COLORREF PaletteView::GradientColor(int step, int count, COLORREF s, COLORREF e)
{
    const double t = count > 0 ? static_cast<double>(step) / count : 0.0;
    return RGB(Mix(GetRValue(s), GetRValue(e), t), Mix(GetGValue(s), GetGValue(e), t),
               Mix(GetBValue(s), GetBValue(e), t));
}

HPEN PaletteView::LoadPen(COLORREF color, int, int)
{
    auto it = pens.find(color);
    if (it == pens.end())
        it = pens.emplace(color, CreatePen(PS_SOLID, 1, color)).first;
    return it->second;
}

HBRUSH PaletteView::LoadBrush(COLORREF color)
{
    auto it = brushes.find(color);
    if (it == brushes.end())
        it = brushes.emplace(color, CreateSolidBrush(color)).first;
    return it->second;
}

LPCSTR PaletteView::GetFontName(int)
{
    return "Tahoma";
}

HFONT PaletteView::LoadFont(LPCSTR face, int height)
{
    fontRequests.push_back(FontRequest{face != nullptr ? face : "", height});
    auto it = fonts.find(height);
    if (it == fonts.end())
        it = fonts
                 .emplace(height, CreateFontA(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET,
                                              0, 0, ANTIALIASED_QUALITY, 0, face))
                 .first;
    return it->second;
}

Surface::Surface(int width, int height) : w(width), h(height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    bits = static_cast<unsigned*>(pixels);
    memory = CreateCompatibleDC(nullptr);
    old = SelectObject(memory, bitmap);
    RECT all = {0, 0, width, height};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

Surface::Surface(Surface&& other) noexcept
    : w(other.w), h(other.h), memory(other.memory), bitmap(other.bitmap), old(other.old),
      bits(other.bits)
{
    other.memory = nullptr;
    other.bitmap = nullptr;
    other.bits = nullptr;
}

Surface::~Surface()
{
    if (memory != nullptr)
    {
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    if (bitmap != nullptr)
        DeleteObject(bitmap);
}

COLORREF Surface::Pixel(int x, int y) const
{
    if (bits == nullptr || x < 0 || y < 0 || x >= w || y >= h)
        return CLR_INVALID;
    GdiFlush();
    const unsigned v = bits[static_cast<size_t>(y) * w + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

int Surface::Count(const RECT& rect, COLORREF color) const
{
    int n = 0;
    for (int y = std::max<LONG>(rect.top, 0); y < std::min<LONG>(rect.bottom, h); ++y)
        for (int x = std::max<LONG>(rect.left, 0); x < std::min<LONG>(rect.right, w); ++x)
            n += Pixel(x, y) == color ? 1 : 0;
    return n;
}

Surface Surface::FromBitmap(HBITMAP source)
{
    BITMAP info = {};
    GetObjectA(source, sizeof(info), &info);
    Surface copy(info.bmWidth, info.bmHeight);
    HDC from = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(from, source);
    BitBlt(copy.dc(), 0, 0, info.bmWidth, info.bmHeight, from, 0, 0, SRCCOPY);
    SelectObject(from, previous);
    DeleteDC(from);
    return copy;
}

bool Surface::SavePng(const std::string& path) const
{
    GdiFlush();
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool ok = false;
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    std::wstring wide(path.begin(), path.end());
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromFilename(wide.c_str(), GENERIC_WRITE)) &&
        SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
        SUCCEEDED(frame->Initialize(nullptr)) && SUCCEEDED(frame->SetSize(w, h)))
    {
        WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
        ok = SUCCEEDED(frame->SetPixelFormat(&format)) &&
             IsEqualGUID(format, GUID_WICPixelFormat32bppBGR) &&
             SUCCEEDED(frame->WritePixels(h, w * 4, w * h * 4, reinterpret_cast<BYTE*>(bits))) &&
             SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    }
    if (frame != nullptr)
        frame->Release();
    if (encoder != nullptr)
        encoder->Release();
    if (stream != nullptr)
        stream->Release();
    if (factory != nullptr)
        factory->Release();
    if (SUCCEEDED(init))
        CoUninitialize();
    return ok;
}
