// Printing and folios: the folio layout's arithmetic and fitting, and the
// chart window's printer route, picture route, summary print and folio
// boundaries, with the window made in this process so that its pictures can
// be compared with what it renders itself.
#include "frame/R8EditFolioLayout.h"
#include "frame/R8EditSFCApp.h"
#include "sfcview/Q2GDIWrapApi.h"
#include "sfcview/R8EditSFCWnd.h"
#include "tests/win32/RenderSupport.h"
#include "tests/workbench/IsolatedRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace
{

// --- the layout alone ---

struct UnitsCase
{
    const char* what;
    int printerDpi;
    int folioWidth;
    double unitWidth;
    bool force;
    int zoom;
    int expected;
};

TEST(FolioLayout, UnitsPerFolio)
{
    // 600 dpi over a 96 dpi screen: 6.25 printer dots per pixel, so a
    // 180-pixel unit takes 1125 dots.
    const UnitsCase cases[] = {
        {"no printer yet: every unit is a folio", 600, 0, 180, false, 100, 1},
        {"folio smaller than a unit", 600, 1000, 180, false, 100, 1},
        {"exactly one unit", 600, 1125, 180, false, 100, 1},
        {"truncated", 600, 4499, 180, false, 100, 3},
        {"four units", 600, 4500, 180, false, 100, 4},
        {"unit of zero pixels", 600, 4500, 0, false, 100, 0},
        {"printer of zero dpi", 0, 4500, 180, false, 100, 0},
        {"negative folio", 600, -4500, 180, false, 100, 1},
        {"forced zoom 50 halves the unit", 600, 4500, 180, true, 50, 8},
        {"zoom kept but not forced", 600, 4500, 180, false, 50, 4},
        {"forced zoom 0", 600, 4500, 180, true, 0, 0},
    };
    for (const UnitsCase& c : cases)
    {
        CR8EditFolioLayout layout(96, 96);
        layout.SetPrinter(c.printerDpi, c.printerDpi, c.folioWidth, c.folioWidth);
        layout.ForceZoom(c.force, c.zoom);
        layout.ComputeUnitsPerFolio(c.unitWidth, c.unitWidth);
        EXPECT_EQ(layout.GetUnitsPerFolioX(), c.expected) << c.what;
        EXPECT_EQ(layout.GetUnitsPerFolioY(), c.expected) << c.what;
    }
}

TEST(FolioLayout, InitialValuesCountsRectanglesAndPrinterSize)
{
    CR8EditFolioLayout layout(96, 120);
    EXPECT_EQ(layout.GetPrinterDpiX(), 600);
    EXPECT_DOUBLE_EQ(layout.GetScaleX(), 6.25);
    EXPECT_DOUBLE_EQ(layout.GetScaleY(), 5.0);
    EXPECT_EQ(layout.GetMaxFoliosX(), -1);
    EXPECT_EQ(layout.GetPrintZoom(), 100);
    // Before any units are known there are no folios.
    EXPECT_EQ(layout.FolioCountX(10), 0);

    // 10 x 20 units per folio.
    layout.SetPrinter(96, 120, 10 * 5, 20 * 5);
    layout.ComputeUnitsPerFolio(5, 5);
    ASSERT_EQ(layout.GetUnitsPerFolioX(), 10);
    ASSERT_EQ(layout.GetUnitsPerFolioY(), 20);
    const R8FolioRect r = layout.FolioRect(2, 1);
    EXPECT_EQ(std::vector<int>({r.left, r.top, r.right, r.bottom}),
              std::vector<int>({20, 20, 30, 40}));
    const R8FolioRect limited = layout.FolioRect(2, 1, 25, 100);
    EXPECT_EQ(limited.right, 25);
    EXPECT_EQ(limited.bottom, 40);
    EXPECT_EQ(layout.FolioCountX(21), 3);
    EXPECT_EQ(layout.FolioCountX(20), 2);
    EXPECT_EQ(layout.FolioCountY(0), 0);
    // A folio far out does not overflow.
    EXPECT_GT(layout.FolioRect(0x7FFFFFFF, 0).right, 0);

    int w = 0;
    int h = 0;
    layout.PrinterSize(30, 1000, w, h);
    EXPECT_EQ(w, 30);
    EXPECT_EQ(h, 100) << "at most one folio";
}

TEST(FolioLayout, DisplayedOnlyWhenAskedNotPrintingAndWithoutLimits)
{
    CR8EditFolioLayout layout(96, 96);
    EXPECT_FALSE(layout.IsDisplayFolio());
    layout.SetDisplayFolio(true);
    EXPECT_TRUE(layout.IsDisplayFolio());
    layout.SetPrinting(true);
    EXPECT_FALSE(layout.IsDisplayFolio());
    layout.SetPrinting(false);
    layout.SetPrinter(96, 96, 100, 100);
    ASSERT_TRUE(layout.Fit(2, 0, 10, 10, 10, 10, [](int, int) { return true; }));
    EXPECT_FALSE(layout.IsDisplayFolio());
    ASSERT_TRUE(layout.Fit(0, 0, 10, 10, 10, 10, [](int, int) { return true; }));
    EXPECT_TRUE(layout.IsDisplayFolio());
}

// Content of 10 x 10 units of 180 x 50 pixels on folios of 4 x 5 units at
// 600 dpi: 3 folios across and 2 down.
class FolioFit : public ::testing::Test
{
protected:
    FolioFit() : layout(96, 96)
    {
        layout.SetPrinter(600, 600, 4500, 1600);
        layout.ComputeUnitsPerFolio(180, 50);
    }
    bool Fit(int maxX, int maxY)
    {
        return layout.Fit(maxX, maxY, 10, 10, 180, 50,
                          [this](int w, int h)
                          {
                              tested.emplace_back(w, h);
                              return w <= bitmapLimit && h <= bitmapLimit;
                          });
    }

    CR8EditFolioLayout layout;
    std::vector<std::pair<int, int>> tested;
    int bitmapLimit = 1 << 20;
};

TEST_F(FolioFit, ShrinksToOneFolio)
{
    ASSERT_EQ(layout.FolioCountX(10), 3);
    ASSERT_EQ(layout.FolioCountY(10), 2);
    EXPECT_TRUE(Fit(1, 1));
    EXPECT_EQ(layout.FolioCountX(10), 1);
    EXPECT_EQ(layout.FolioCountY(10), 1);
    // The walk stops at the first zoom that fits: at 40 % ten columns fit.
    EXPECT_DOUBLE_EQ(layout.GetScaleX(), 6.25 * 40 / 100);
    EXPECT_EQ(layout.GetUnitsPerFolioX(), 10);
    ASSERT_FALSE(tested.empty());
    EXPECT_EQ(tested.back(), std::make_pair(10 * 180 + 1, 12 * 50 + 1));
    EXPECT_EQ(layout.GetMaxFoliosX(), 1);
}

TEST_F(FolioFit, GrowsToMoreFolios)
{
    EXPECT_TRUE(Fit(4, 3));
    EXPECT_GE(layout.FolioCountX(10), 4);
    EXPECT_GE(layout.FolioCountY(10), 3);
    EXPECT_GT(layout.GetScaleX(), 6.25);
}

TEST_F(FolioFit, OneDirectionGrowingAndTheOtherShrinkingIsRefused)
{
    EXPECT_FALSE(Fit(1, 3));
    EXPECT_FALSE(Fit(5, 1));
    EXPECT_TRUE(tested.empty()) << "refused before any zoom is tried";
}

TEST_F(FolioFit, ABitmapThatCannotBeMadeStopsTheWalk)
{
    bitmapLimit = 1500;
    EXPECT_FALSE(Fit(1, 1));
    EXPECT_FALSE(tested.empty());
}

TEST_F(FolioFit, LimitsAlreadyMetOrClearedNeedNoWalk)
{
    EXPECT_TRUE(Fit(3, 2));
    EXPECT_TRUE(tested.empty());
    EXPECT_TRUE(Fit(1, 1));
    EXPECT_TRUE(Fit(0, 0));
    EXPECT_EQ(layout.GetMaxFoliosX(), -1);
    EXPECT_EQ(layout.GetMaxFoliosY(), -1);
    EXPECT_EQ(layout.FolioCountX(10), 3) << "the scales are those of the printer again";
}

TEST_F(FolioFit, EmptyContentFitsOnlyWithoutLimits)
{
    EXPECT_TRUE(layout.Fit(0, 0, 0, 10, 180, 50, nullptr));
    EXPECT_FALSE(layout.Fit(1, 0, 0, 10, 180, 50, nullptr));
    EXPECT_FALSE(layout.Fit(1, 1, 10, 0, 180, 50, nullptr));
}

// --- the chart window ---

// A chart with steps at the given cells (column, row).
std::string ChartWithSteps(std::initializer_list<std::pair<int, int>> cells)
{
    std::string text = "#info=SFCCHART\n";
    int id = 1;
    for (const auto& [column, row] : cells)
    {
        text += "@S" + std::to_string(id) + ":" + std::to_string(row) + "," +
                std::to_string(column) + "=" + std::to_string(id) + ";\n";
        ++id;
    }
    return text + "#endinfo\n";
}

int ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

std::string TempPath(const char* name)
{
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

std::vector<unsigned char> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in),
                                      std::istreambuf_iterator<char>());
}

constexpr COLORREF kMarker = RGB(255, 0, 255);

// The bounding box of the pixels a drawing changed on a marker-filled surface.
RECT Changed(const Surface& s)
{
    RECT box = {s.width(), s.height(), 0, 0};
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.Pixel(x, y) != kMarker)
            {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

void FillMarker(Surface& s)
{
    HBRUSH brush = CreateSolidBrush(kMarker);
    const RECT all = {0, 0, s.width(), s.height()};
    FillRect(s.dc(), &all, brush);
    DeleteObject(brush);
}

class ChartPrint : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ModuleApp().InitInstance(GetModuleHandleA(nullptr)); }

    void SetUp() override
    {
        window = CreateWindowExA(0, "R8EditSFC", "", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        wnd = reinterpret_cast<CR8EditSFCWnd*>(GetWindowLongPtrA(window, 0));
        ASSERT_NE(wnd, nullptr);
        dpi = ScreenDpi();
    }
    void TearDown() override
    {
        if (window != nullptr)
            DestroyWindow(window);
    }

    DWORD_PTR Exec(std::initializer_list<const char*> args)
    {
        std::vector<const char*> argv(args);
        return wnd->ExecuteCommand(static_cast<int>(argv.size()), argv.data());
    }
    DWORD_PTR Exec(std::initializer_list<std::string> args)
    {
        std::vector<const char*> argv;
        for (const std::string& a : args)
            argv.push_back(a.c_str());
        return wnd->ExecuteCommand(static_cast<int>(argv.size()), argv.data());
    }
    void SetChart(const std::string& text) { Exec({std::string("SetText"), text}); }
    // Folios of the given size in cells of 180 x 50 pixels, printed 1:1.
    void SetFolioCells(int across, int down)
    {
        Exec({std::string("SetPrinter"), std::to_string(dpi), std::to_string(dpi),
              std::to_string(across * 180), std::to_string(down * 50 + 1)});
    }
    static std::vector<LONG> Sides(LPCRECT r) { return {r->left, r->top, r->right, r->bottom}; }
    LPCRECT RectResult(DWORD_PTR result) { return reinterpret_cast<LPCRECT>(result); }
    std::string Handle(HDC dc) { return std::to_string(reinterpret_cast<DWORD_PTR>(dc)); }

    HWND window = nullptr;
    CR8EditSFCWnd* wnd = nullptr;
    int dpi = 96;
};

TEST_F(ChartPrint, WithoutAPrinterEveryCellIsAFolio)
{
    SetChart(ChartWithSteps({{4, 2}, {9, 9}}));
    ASSERT_EQ(Exec({"GetWidth"}), 10u);
    ASSERT_EQ(Exec({"GetHeight"}), 10u);
    EXPECT_EQ(Exec({"PrintGetNbHorzFolio"}), 10u);
    EXPECT_EQ(Exec({"GetNbVertFolioEx"}), 10u);
    EXPECT_EQ(Sides(RectResult(Exec({"GetFolioRect", "2", "1"}))), std::vector<LONG>({2, 1, 3, 2}));
    EXPECT_TRUE(Exec({"PrintGetFolio", "7", "7"}));
    EXPECT_TRUE(Exec({"IsPrintGraphic"}));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(Exec({"PrintGetSymbols", "0", "0"}))), "");
}

TEST_F(ChartPrint, FolioCountsFollowPrinterAndCellSize)
{
    SetChart(ChartWithSteps({{9, 9}}));
    EXPECT_TRUE(Exec({std::string("SetPrinter"), std::to_string(dpi), std::to_string(dpi),
                      std::to_string(10 * 180), std::to_string(20 * 50)}));
    EXPECT_EQ(Sides(RectResult(Exec({"GetFolioRect", "2", "1"}))),
              std::vector<LONG>({20, 20, 30, 40}));
    EXPECT_EQ(Exec({"PrintGetNbHorzFolio"}), 1u);
    // Half the cell width: twice the columns per folio.
    Exec({"SetCellWidth", "90"});
    EXPECT_EQ(Sides(RectResult(Exec({"GetFolioRect", "1", "0"}))),
              std::vector<LONG>({20, 0, 40, 20}));
    // ForcePrintZoom keeps the zoom only: the folios stay as they are.
    EXPECT_EQ(Exec({"ForcePrintZoom", "1", "50"}), 0u);
    EXPECT_EQ(Sides(RectResult(Exec({"GetFolioRect", "1", "0"}))),
              std::vector<LONG>({20, 0, 40, 20}));
}

TEST_F(ChartPrint, PrintFolioExDrawsTheFolioAsTheChartRendersIt)
{
    SetChart(ChartWithSteps({{4, 2}, {3, 3}, {9, 9}}));
    SetFolioCells(3, 2);
    Exec({"GotoXY", "6", "6"});
    SetScrollPos(window, SB_HORZ, 2, FALSE);
    SetScrollPos(window, SB_VERT, 3, FALSE);

    Surface page(700, 300);
    FillMarker(page);
    LPCRECT drawn =
        RectResult(Exec({std::string("PrintFolioEx"), std::string("1"), std::string("1"),
                         Handle(page.dc()), std::string("5"), std::string("7")}));
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(Sides(drawn), std::vector<LONG>({5, 7, 5 + 540, 7 + 101}));
    EXPECT_EQ(GetScrollPos(window, SB_HORZ), 2);
    EXPECT_EQ(GetScrollPos(window, SB_VERT), 3);

    const RECT cells = {3, 2, 6, 4};
    std::unique_ptr<CR8EditPicture> picture = wnd->RenderFolioBitmap(nullptr, &cells);
    ASSERT_TRUE(picture && picture->HasBitmap());
    const Surface expected = Surface::FromBitmap(picture->GetBitmap());
    ASSERT_EQ(expected.width(), 540);
    ASSERT_EQ(expected.height(), 101);
    int differing = 0;
    std::set<COLORREF> colours;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
        {
            differing += page.Pixel(5 + x, 7 + y) != expected.Pixel(x, y) ? 1 : 0;
            colours.insert(expected.Pixel(x, y));
        }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(colours.size(), 1u) << "the folio holds the steps, not only paper";
    const RECT changed = Changed(page);
    EXPECT_EQ(changed.right, 545) << "nothing drawn past the folio";
    EXPECT_EQ(changed.bottom, 108);
}

TEST_F(ChartPrint, AFolioWithoutPictureIsPrintedAsAMessage)
{
    SetChart(ChartWithSteps({{1, 1}}));
    SetFolioCells(3, 2);
    Surface page(700, 300);
    FillMarker(page);
    LPCRECT drawn =
        RectResult(Exec({std::string("PrintFolioEx"), std::string("40"), std::string("0"),
                         Handle(page.dc()), std::string("10"), std::string("20")}));
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(Sides(drawn), std::vector<LONG>({0, 0, 0, 0}));
    const RECT changed = Changed(page);
    ASSERT_LT(changed.left, changed.right) << "the message is drawn";
    EXPECT_GE(changed.left, 10);
    EXPECT_GE(changed.top, 20);
    EXPECT_LE(changed.right, 10 + 540);

    FillMarker(page);
    drawn = RectResult(Exec({"PrintFolioEx", "0", "0", "0", "0", "0"}));
    ASSERT_NE(drawn, nullptr) << "no context: an empty rectangle";
    EXPECT_EQ(Sides(drawn), std::vector<LONG>({0, 0, 0, 0}));
}

// The size in a PNG's header, after its signature.
bool PngSize(const std::vector<unsigned char>& png, int& width, int& height)
{
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (png.size() < 24 || !std::equal(kSignature, kSignature + 8, png.begin()))
        return false;
    const auto word = [&](std::size_t at)
    { return int(png[at]) << 24 | int(png[at + 1]) << 16 | int(png[at + 2]) << 8 | png[at + 3]; };
    width = word(16);
    height = word(20);
    return true;
}

TEST_F(ChartPrint, PrintFolioSavesThePictureOfTheFolio)
{
    ASSERT_TRUE(ModuleGDI().IsLoaded()) << "Q2GDI.dll beside the test";
    SetChart(ChartWithSteps({{2, 2}}));
    const std::string path = TempPath("r8print-folio.png");
    DeleteFileA(path.c_str());
    Exec({std::string("PrintFolio"), std::string("2"), std::string("2"), path});
    int w = 0;
    int h = 0;
    ASSERT_TRUE(PngSize(ReadFile(path), w, h));
    EXPECT_EQ(w, 180);
    EXPECT_EQ(h, 51) << "one cell, one pixel taller";
    DeleteFileA(path.c_str());

    // The same through the message, with the folio as a POINT.
    Exec({"SetCellHeight", "40"});
    POINT folio = {2, 2};
    SendMessageA(window, WM_USER + 84, reinterpret_cast<WPARAM>(&folio),
                 reinterpret_cast<LPARAM>(path.c_str()));
    ASSERT_TRUE(PngSize(ReadFile(path), w, h));
    EXPECT_EQ(h, 41);
    DeleteFileA(path.c_str());
    // No point, no file: nothing happens.
    EXPECT_EQ(SendMessageA(window, WM_USER + 84, 0, reinterpret_cast<LPARAM>(path.c_str())), 0);
    Exec({"PrintFolio", "2", "2", ""});
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

// Run by the next case in a folder without the drawing library.
TEST_F(ChartPrint, DISABLED_PrintFolioWithoutTheDrawingLibrarySavesNothing)
{
    ASSERT_FALSE(ModuleGDI().IsLoaded());
    SetChart(ChartWithSteps({{2, 2}}));
    const std::string path = TempPath("r8print-nolib.png");
    DeleteFileA(path.c_str());
    Exec({std::string("PrintFolio"), std::string("2"), std::string("2"), path});
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(ChartPrintIsolated, WithoutTheDrawingLibraryNothingIsWrittenAndNothingFails)
{
    EXPECT_ISOLATED_PASS("ChartPrint.DISABLED_PrintFolioWithoutTheDrawingLibrarySavesNothing");
}

TEST_F(ChartPrint, SummaryOfAnEmptyChartDrawsNothing)
{
    Surface page(400, 300);
    FillMarker(page);
    EXPECT_FALSE(Exec({std::string("SummaryPrint"), std::string("1"), Handle(page.dc())}));
    const RECT changed = Changed(page);
    EXPECT_GE(changed.left, changed.right);
    EXPECT_FALSE(Exec({"SummaryPrint", "1", "0"}));
}

TEST_F(ChartPrint, SmallLandscapeSummaryKeepsItsShareOfThePage)
{
    // One cell: the summary is 8 + 2 x 180 by 8 + 2 x 50 pixels at 100 %.
    SetChart(ChartWithSteps({{0, 0}}));
    Exec({"SetCellWidth", "100"});
    Exec({"SetCellHeight", "30"});
    Surface page(800, 600);
    FillMarker(page);
    Exec({"SetWidthSummaryPrint", "1190"});
    Exec({"SetHeightSummaryPrint", "600"});
    EXPECT_TRUE(Exec({std::string("SummaryPrint"), std::string("1"), Handle(page.dc())}));
    // 1190 / 793.33 = 1.5 times, not the 3.2 times the page width allows.
    RECT changed = Changed(page);
    EXPECT_EQ(changed.left, 0);
    EXPECT_EQ(changed.top, 0);
    EXPECT_EQ(changed.right, 552);
    EXPECT_EQ(changed.bottom, 162);
    // The zoom and the exact cell size come back.
    EXPECT_EQ(Exec({"GetCellWidth"}), 100u);
    EXPECT_EQ(Exec({"GetCellHeight"}), 30u);

    // The limits applied to that call only: now the device's page size counts.
    const int pageWidth = GetDeviceCaps(page.dc(), HORZRES);
    ASSERT_NE(pageWidth, 1190);
    FillMarker(page);
    EXPECT_TRUE(Exec({std::string("SummaryPrint"), std::string("1"), Handle(page.dc())}));
    changed = Changed(page);
    const double scale = std::min(pageWidth / 368.0, pageWidth * 0.0012605042016806723);
    EXPECT_EQ(changed.right, std::min(static_cast<int>(368 * scale), page.width()));
}

TEST_F(ChartPrint, AdjustFolioFitsTheChartAndHidesTheBoundaries)
{
    // 10 x 10 cells on folios of 4 x 5 cells: 3 across, 2 down.
    SetChart(ChartWithSteps({{9, 9}}));
    Exec({std::string("SetPrinter"), std::to_string(dpi * 25 / 4), std::to_string(dpi * 25 / 4),
          "4500", "1600"});
    ASSERT_EQ(Exec({"PrintGetNbHorzFolio"}), 3u);
    ASSERT_EQ(Exec({"PrintGetNbVertFolio"}), 2u);
    Exec({"DisplayFolio", "1"});
    EXPECT_TRUE(Exec({"IsDisplayFolio"}));

    EXPECT_FALSE(Exec({"AdjustFolio", "1", "3"}));
    EXPECT_TRUE(Exec({"AdjustFolio", "1", "1"}));
    EXPECT_EQ(Exec({"PrintGetNbHorzFolio"}), 1u);
    EXPECT_EQ(Exec({"GetNbVertFolioEx"}), 1u);
    EXPECT_FALSE(Exec({"IsDisplayFolio"})) << "no boundaries while limits are set";
    // An edit recomputes the folios with the fitted scale.
    Exec({"GotoXY", "0", "0"});
    Exec({"InsertStep"});
    EXPECT_EQ(Exec({"PrintGetNbHorzFolio"}), 1u);

    EXPECT_TRUE(Exec({"AdjustFolio", "0", "0"}));
    EXPECT_TRUE(Exec({"IsDisplayFolio"}));
    EXPECT_EQ(Exec({"PrintGetNbHorzFolio"}), 3u);
}

TEST_F(ChartPrint, PaintDrawsFolioBoundariesInBlue)
{
    SetChart(ChartWithSteps({{9, 9}}));
    SetFolioCells(2, 2);
    const COLORREF blue = RGB(0, 0, 255);
    // x = left ruler + 2 cells; y = top ruler + 2 cells.
    const RECT column = {8 + 360 - 3, 150, 8 + 360 + 3, 151};
    const RECT row = {300, 8 + 100 - 3, 301, 8 + 100 + 3};
    Surface screen(640, 480);
    wnd->Paint(screen.dc(), nullptr);
    EXPECT_EQ(screen.Count(column, blue), 0);
    Exec({"DisplayFolio", "1"});
    wnd->Paint(screen.dc(), nullptr);
    EXPECT_GE(screen.Count(column, blue), 2);
    EXPECT_GE(screen.Count(row, blue), 2);
    EXPECT_EQ(screen.Count(RECT{8 + 180 - 3, 150, 8 + 180 + 3, 151}, blue), 0)
        << "no boundary inside a folio";
}

} // namespace
