#include "workbench/host/PictureWriter.h"

#include <wincodec.h>

#include <algorithm>
#include <cstdint>

namespace sfchost
{

namespace
{

// Releases a COM pointer at the end of its scope.
template <typename T> class ComPtr
{
public:
    ComPtr() = default;
    ~ComPtr()
    {
        if (p != nullptr)
            p->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T** operator&() { return &p; }
    T* operator->() const { return p; }
    T* get() const { return p; }

private:
    T* p = nullptr;
};

// A memory DC with a top-down 32-bit DIB section selected into it.
class MemoryBitmap
{
public:
    MemoryBitmap(int width, int height)
    {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        ReleaseDC(nullptr, screen);
        if (dc != nullptr && bitmap != nullptr)
        {
            old = SelectObject(dc, bitmap);
            std::fill_n(static_cast<std::uint32_t*>(bits), static_cast<std::size_t>(width) * height,
                        0xFFFFFFFFu);
        }
    }
    ~MemoryBitmap()
    {
        if (old != nullptr)
            SelectObject(dc, old);
        if (bitmap != nullptr)
            DeleteObject(bitmap);
        if (dc != nullptr)
            DeleteDC(dc);
    }
    MemoryBitmap(const MemoryBitmap&) = delete;
    MemoryBitmap& operator=(const MemoryBitmap&) = delete;

    bool IsValid() const { return old != nullptr && bits != nullptr; }

    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    void* bits = nullptr;
};

constexpr int kMaxPictureSide = 16000;

bool PaintToPng(const CommandRunner& runner, HWND editor, int width, int height,
                const std::string& file, std::string& error)
{
    if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide)
    {
        error = "picture size " + std::to_string(width) + " x " + std::to_string(height) +
                " out of range";
        return false;
    }
    MemoryBitmap picture(width, height);
    if (!picture.IsValid())
    {
        error = "no memory bitmap of " + std::to_string(width) + " x " + std::to_string(height);
        return false;
    }
    const std::string hdc = std::to_string(reinterpret_cast<std::uintptr_t>(picture.dc));
    if (runner.Execute(editor, {"PaintToDC", hdc, "0", "0", std::to_string(width),
                                std::to_string(height)}) == 0)
    {
        error = "the editor did not paint (PaintToDC answered 0)";
        return false;
    }
    GdiFlush();
    return WritePng(picture.bits, width, height, file, error);
}

std::wstring Widen(const std::string& text)
{
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(n > 0 ? static_cast<std::size_t>(n) : 1u, L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
    wide.resize(wide.size() - 1);
    return wide;
}

} // namespace

bool WritePng(const void* pixels, int width, int height, const std::string& file,
              std::string& error)
{
    ComPtr<IWICImagingFactory> factory;
    HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory, reinterpret_cast<void**>(&factory));
    ComPtr<IWICStream> stream;
    if (SUCCEEDED(hr))
        hr = factory->CreateStream(&stream);
    if (SUCCEEDED(hr))
        hr = stream->InitializeFromFilename(Widen(file).c_str(), GENERIC_WRITE);
    if (FAILED(hr))
    {
        error = "cannot create " + file;
        return false;
    }
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder);
    if (SUCCEEDED(hr))
        hr = encoder->Initialize(stream.get(), WICBitmapEncoderNoCache);
    if (SUCCEEDED(hr))
        hr = encoder->CreateNewFrame(&frame, nullptr);
    if (SUCCEEDED(hr))
        hr = frame->Initialize(nullptr);
    if (SUCCEEDED(hr))
        hr = frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height));
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    if (SUCCEEDED(hr))
        hr = frame->SetPixelFormat(&format);
    // An encoder that cannot take 32 bits per pixel as they are would need a
    // converter; the PNG encoder takes them.
    if (SUCCEEDED(hr) && !IsEqualGUID(format, GUID_WICPixelFormat32bppBGR))
        hr = E_FAIL;
    const UINT stride = static_cast<UINT>(width) * 4;
    if (SUCCEEDED(hr))
        hr = frame->WritePixels(static_cast<UINT>(height), stride,
                                stride * static_cast<UINT>(height),
                                static_cast<BYTE*>(const_cast<void*>(pixels)));
    if (SUCCEEDED(hr))
        hr = frame->Commit();
    if (SUCCEEDED(hr))
        hr = encoder->Commit();
    if (FAILED(hr))
    {
        error = "PNG encoding of " + file + " failed";
        return false;
    }
    return true;
}

bool SaveVisiblePicture(const CommandRunner& runner, HWND editor, const std::string& file,
                        std::string& error)
{
    RECT client = {};
    GetClientRect(editor, &client);
    return PaintToPng(runner, editor, client.right, client.bottom, file, error);
}

bool SaveChartPicture(const CommandRunner& runner, HWND editor, const std::string& file,
                      std::string& error)
{
    constexpr int kRuler = 8; // the rulers along the top and left edges
    const int columns = static_cast<int>(runner.Execute(editor, {"GetWidth"}));
    const int rows = static_cast<int>(runner.Execute(editor, {"GetHeight"}));
    const int cellWidth = static_cast<int>(runner.Execute(editor, {"GetCellWidth"}));
    const int cellHeight = static_cast<int>(runner.Execute(editor, {"GetCellHeight"}));
    // One empty column and row around the chart, so its last elements are
    // not cut at the edge.
    const int width = kRuler + cellWidth * (std::max(columns, 1) + 1);
    const int height = kRuler + cellHeight * (std::max(rows, 1) + 1);

    RECT before = {};
    GetWindowRect(editor, &before);
    MapWindowPoints(nullptr, GetParent(editor), reinterpret_cast<POINT*>(&before), 2);
    const int scrollX = GetScrollPos(editor, SB_HORZ);
    const int scrollY = GetScrollPos(editor, SB_VERT);
    const LONG style = GetWindowLongA(editor, GWL_STYLE);

    // Without scroll bars the client area is the whole window.
    SetWindowLongA(editor, GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
    SetWindowPos(editor, nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    SendMessageA(editor, WM_HSCROLL, SB_TOP, 0);
    SendMessageA(editor, WM_VSCROLL, SB_TOP, 0);
    RECT client = {};
    GetClientRect(editor, &client);
    const bool ok = PaintToPng(runner, editor, client.right, client.bottom, file, error);

    SetWindowLongA(editor, GWL_STYLE, style);
    SetWindowPos(editor, nullptr, before.left, before.top, before.right - before.left,
                 before.bottom - before.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    SendMessageA(editor, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, scrollX), 0);
    SendMessageA(editor, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, scrollY), 0);
    return ok;
}

} // namespace sfchost
