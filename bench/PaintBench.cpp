// Repaint cost of the editor window under Wine: a full 1600 x 1000 client
// area painted through PaintToDC, for a small and a huge chart scrolled to
// their middle, so the same number of cells is visible. Painting must cost
// what is visible, not what the chart holds. The editor is driven through
// the real library the way a host drives it.
#include "ChartGenerator.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace
{

using ExecuteFn = DWORD_PTR (*)(HWND, int, const char**);
using ClassNameFn = const char* (*)();

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;

struct Library
{
    HMODULE module = LoadLibraryA("R8EditSFC.dll");
    ExecuteFn execute = nullptr;
    ClassNameFn className = nullptr;
    Library()
    {
        if (module == nullptr)
            return;
        execute = reinterpret_cast<ExecuteFn>(
            reinterpret_cast<void*>(GetProcAddress(module, "Q2ExecuteCommand")));
        className = reinterpret_cast<ClassNameFn>(
            reinterpret_cast<void*>(GetProcAddress(module, "Q2GetClassName")));
    }
    ~Library()
    {
        if (module != nullptr)
            FreeLibrary(module);
    }
};

DWORD_PTR Exec(const Library& lib, HWND editor, std::vector<const char*> args)
{
    return lib.execute(editor, static_cast<int>(args.size()), args.data());
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Figure
{
    double seconds = -1;   // median of the repaints
    long inkPixels = 0;    // pixels not white: the picture is not empty
    std::size_t textBytes = 0;
};

Figure MeasureRepaint(const Library& lib, HWND parent, std::size_t elements)
{
    Figure figure;
    ChartGeneratorOptions options;
    options.elements = elements;
    CR8EditSFCDocData doc;
    GenerateChart(doc, options);
    std::string text;
    doc.SaveToString(nullptr, text);
    figure.textBytes = text.size();

    HWND editor = CreateWindowExA(0, lib.className(), "", WS_CHILD | WS_VISIBLE, 0, 0, kWidth,
                                  kHeight, parent, reinterpret_cast<HMENU>(1), nullptr, nullptr);
    if (editor == nullptr)
        return figure;
    Exec(lib, editor, {"SetText", text.c_str()});
    const std::string column = std::to_string(doc.GetWidth() / 2);
    const std::string row = std::to_string(doc.GetHeight() / 2);
    Exec(lib, editor, {"GotoXY", column.c_str(), row.c_str()});

    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = kWidth;
    bi.bmiHeader.biHeight = -kHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (bitmap != nullptr)
    {
        HGDIOBJ old = SelectObject(dc, bitmap);
        const std::string hdc = std::to_string(reinterpret_cast<std::uintptr_t>(dc));
        const std::string right = std::to_string(kWidth);
        const std::string bottom = std::to_string(kHeight);
        const std::vector<const char*> paint = {"PaintToDC", hdc.c_str(), "0", "0", right.c_str(),
                                                bottom.c_str()};
        for (int warm = 0; warm < 3; ++warm)
            Exec(lib, editor, paint);
        std::vector<double> runs;
        LARGE_INTEGER begin;
        QueryPerformanceCounter(&begin);
        for (;;)
        {
            LARGE_INTEGER from, to;
            QueryPerformanceCounter(&from);
            Exec(lib, editor, paint);
            QueryPerformanceCounter(&to);
            runs.push_back(Seconds(from, to));
            if (runs.size() >= 200 || (runs.size() >= 15 && Seconds(begin, to) > 2.0))
                break;
        }
        std::sort(runs.begin(), runs.end());
        figure.seconds = runs[runs.size() / 2];
        const auto* px = static_cast<const std::uint32_t*>(bits);
        for (int i = 0; i < kWidth * kHeight; ++i)
            figure.inkPixels += (px[i] & 0xFFFFFF) != 0xFFFFFF ? 1 : 0;
        SelectObject(dc, old);
        DeleteObject(bitmap);
    }
    DeleteDC(dc);
    DestroyWindow(editor);
    return figure;
}

} // namespace

int main()
{
    Library lib;
    if (lib.execute == nullptr || lib.className == nullptr)
    {
        std::printf("R8EditSFC.dll not found beside the benchmark\n");
        return 1;
    }
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "R8PaintBenchParent";
    RegisterClassA(&wc);
    HWND parent = CreateWindowExA(0, wc.lpszClassName, "paint bench", WS_OVERLAPPEDWINDOW, 0, 0,
                                  kWidth + 100, kHeight + 100, nullptr, nullptr, wc.hInstance, nullptr);

    const Figure small = MeasureRepaint(lib, parent, 1000);
    const Figure huge = MeasureRepaint(lib, parent, 100000);
    DestroyWindow(parent);

    std::printf("%-44s %12s %12s %12s\n", "repaint 1600 x 1000 (PaintToDC)", "ms", "ink pixels",
                "text bytes");
    std::printf("%-44s %12.3f %12ld %12zu\n", "PaintToDC/1000", small.seconds * 1e3,
                small.inkPixels, small.textBytes);
    std::printf("%-44s %12.3f %12ld %12zu\n", "PaintToDC/100000", huge.seconds * 1e3,
                huge.inkPixels, huge.textBytes);
    const bool measured = small.seconds > 0 && huge.seconds > 0 && small.inkPixels > 0;
    const double ratio = measured ? huge.seconds / small.seconds : -1;
    const char* verdict = !measured ? "not run" : ratio <= 1.5 ? "met" : "MISSED";
    std::printf("\n%-44s %12s %12s  %s\n", "figure", "measured", "goal", "verdict");
    std::printf("%-44s %12.2f <=%11.2f  %s\n", "PaintToDC 100000 / 1000", ratio, 1.5, verdict);
    return measured ? 0 : 1;
}
