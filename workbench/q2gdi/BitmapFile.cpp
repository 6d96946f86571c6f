#include "BitmapFile.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <string>
#include <vector>

using Microsoft::WRL::ComPtr;

namespace q2gdi
{

namespace
{

// Larger pictures are refused rather than allocated.
constexpr UINT kMaxSide = 16384;

// COM for the duration of one call, unless the thread already has it.
class ComScope
{
public:
    ComScope() : hr(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(hr))
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT hr;
};

std::wstring Wide(const char* text)
{
    const int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (n <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), n);
    wide.resize(static_cast<size_t>(n - 1));
    return wide;
}

bool EndsWithBmp(const std::string& path)
{
    if (path.size() < 4)
        return false;
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return ext == ".bmp";
}

ComPtr<IWICImagingFactory> Factory()
{
    ComPtr<IWICImagingFactory> factory;
    CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                     IID_PPV_ARGS(factory.GetAddressOf()));
    return factory;
}

bool Encode(IWICImagingFactory* factory, HBITMAP bitmap, const std::wstring& path, bool bmp)
{
    ComPtr<IWICBitmap> source;
    ComPtr<IWICBitmapSource> pixels;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    UINT width = 0, height = 0;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    return SUCCEEDED(factory->CreateBitmapFromHBITMAP(bitmap, nullptr, WICBitmapIgnoreAlpha,
                                                      source.GetAddressOf())) &&
           SUCCEEDED(source->GetSize(&width, &height)) && width > 0 && height > 0 &&
           SUCCEEDED(WICConvertBitmapSource(GUID_WICPixelFormat24bppBGR, source.Get(),
                                            pixels.GetAddressOf())) &&
           SUCCEEDED(factory->CreateStream(stream.GetAddressOf())) &&
           SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
           SUCCEEDED(factory->CreateEncoder(bmp ? GUID_ContainerFormatBmp : GUID_ContainerFormatPng,
                                            nullptr, encoder.GetAddressOf())) &&
           SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
           SUCCEEDED(encoder->CreateNewFrame(frame.GetAddressOf(), nullptr)) &&
           SUCCEEDED(frame->Initialize(nullptr)) && SUCCEEDED(frame->SetSize(width, height)) &&
           SUCCEEDED(frame->SetPixelFormat(&format)) &&
           IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
           SUCCEEDED(frame->WriteSource(pixels.Get(), nullptr)) && SUCCEEDED(frame->Commit()) &&
           SUCCEEDED(encoder->Commit());
}

} // namespace

bool SaveBitmapFile(HBITMAP bitmap, const char* path)
{
    if (bitmap == nullptr || GetObjectType(bitmap) != OBJ_BITMAP || path == nullptr ||
        *path == '\0')
        return false;
    const std::string target(path);
    const std::string temp = target + ".tmp";
    const std::wstring wideTemp = Wide(temp.c_str());
    if (wideTemp.empty())
        return false;
    bool ok = false;
    {
        ComScope com;
        ComPtr<IWICImagingFactory> factory = Factory();
        ok = factory != nullptr && Encode(factory.Get(), bitmap, wideTemp, EndsWithBmp(target));
    } // the stream is closed here, before the file is moved
    if (ok)
        ok = MoveFileExA(temp.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok)
        DeleteFileA(temp.c_str());
    return ok;
}

HBITMAP LoadBitmapFile(const char* path)
{
    if (path == nullptr || *path == '\0')
        return nullptr;
    const std::wstring wide = Wide(path);
    if (wide.empty())
        return nullptr;
    ComScope com;
    ComPtr<IWICImagingFactory> factory = Factory();
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICBitmapSource> pixels;
    UINT width = 0, height = 0;
    if (factory == nullptr ||
        FAILED(factory->CreateDecoderFromFilename(wide.c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand,
                                                  decoder.GetAddressOf())) ||
        FAILED(decoder->GetFrame(0, frame.GetAddressOf())) ||
        FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, frame.Get(),
                                      pixels.GetAddressOf())) ||
        FAILED(pixels->GetSize(&width, &height)) || width == 0 || height == 0 || width > kMaxSide ||
        height > kMaxSide)
        return nullptr;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height); // top-down, as WIC copies rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr)
        return nullptr;
    const UINT stride = width * 4;
    if (FAILED(pixels->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits))))
    {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

} // namespace q2gdi
