// The drawing-resources wrapper over the stand-in library: real values with
// the library beside the program, every fallback without it; the palette's
// entries, the colour arithmetic, cached objects and picture files.
#include "IsolatedRun.h"
#include "sfcview/Q2GDIWrapApi.h"

#include <cmath>
#include <fstream>
#include <limits>
#include <vector>

namespace
{

COLORREF BrushColor(HBRUSH brush)
{
    LOGBRUSH lb = {};
    return GetObjectA(brush, sizeof lb, &lb) == sizeof lb ? lb.lbColor : CLR_INVALID;
}

LOGPEN PenOf(HPEN pen)
{
    LOGPEN lp = {};
    GetObjectA(pen, sizeof lp, &lp);
    return lp;
}

std::string TempFile(const char* name)
{
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

std::vector<unsigned char> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A 40 x 30 bitmap: left half red, right half blue.
HBITMAP MakeBitmap()
{
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 30);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT left = {0, 0, 20, 30}, right = {20, 0, 40, 30};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0)), blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(dc, &left, red);
    FillRect(dc, &right, blue);
    SelectObject(dc, old);
    DeleteObject(red);
    DeleteObject(blue);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return c;
}

class GdiWrapper : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(gdi.IsLoaded()) << "Q2GDI.dll not beside the test"; }
    CQ2GDIWrapApi gdi;
};

} // namespace

TEST_F(GdiWrapper, EveryEntryTheChartAsksForIsARealLibraryObject)
{
    HGDIOBJ stockWhite = GetStockObject(WHITE_BRUSH), stockBlack = GetStockObject(BLACK_PEN);
    for (int entry : {3, 5, 8, 15, 33, 36, 100, 101})
    {
        HBRUSH b = gdi.GetBrush(entry);
        EXPECT_EQ(GetObjectType(b), static_cast<DWORD>(OBJ_BRUSH)) << entry;
        EXPECT_NE(b, stockWhite) << entry;
        EXPECT_EQ(gdi.GetBrush(entry), b) << "made once and cached: " << entry;
    }
    for (int entry : {1, 7, 13, 15, 36, 101})
    {
        HPEN p = gdi.GetPen(entry);
        EXPECT_EQ(GetObjectType(p), static_cast<DWORD>(OBJ_PEN)) << entry;
        EXPECT_NE(p, stockBlack) << entry;
        EXPECT_EQ(PenOf(p).lopnWidth.x, 1) << entry;
        EXPECT_EQ(gdi.GetPen(entry), p) << entry;
    }
    EXPECT_STREQ(gdi.GetFontName(51), "Tahoma");
    EXPECT_STREQ(gdi.GetFontName(52), "Tahoma");
    EXPECT_EQ(gdi.GetFontSize(52), 8);
    EXPECT_TRUE(gdi.IsFontZoom(52));
    EXPECT_FALSE(gdi.IsFontZoom(51));
}

// The colours must do their jobs on the paper (brush 3).
TEST_F(GdiWrapper, PaletteColoursStandApartWhereTheChartNeedsIt)
{
    const COLORREF paper = BrushColor(gdi.GetBrush(3));
    EXPECT_EQ(paper, RGB(255, 255, 255));
    EXPECT_EQ(gdi.GetColor(3), paper);
    EXPECT_NE(BrushColor(gdi.GetBrush(5)), paper); // selection
    EXPECT_NE(BrushColor(gdi.GetBrush(8)), paper); // drop target
    EXPECT_NE(BrushColor(gdi.GetBrush(8)), BrushColor(gdi.GetBrush(5)));
    EXPECT_EQ(BrushColor(gdi.GetBrush(33)), RGB(255, 255, 225));                 // tooltip
    EXPECT_NE(PenOf(gdi.GetPen(7)).lopnColor, paper);                            // grid visible
    EXPECT_NE(PenOf(gdi.GetPen(13)).lopnColor, PenOf(gdi.GetPen(15)).lopnColor); // ruler ticks
    EXPECT_EQ(gdi.GetColor(101), BrushColor(gdi.GetBrush(101)));                 // online state
    EXPECT_NE(gdi.GetColor(122), paper);                                         // links
    EXPECT_NE(gdi.GetColor(127), gdi.GetColor(9));                               // highlighted note
    EXPECT_NE(gdi.GetColor(9), paper);
}

TEST_F(GdiWrapper, ColourArithmeticWorksPerChannelAndRounds)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case
    {
        COLORREF got, expected;
    } cases[] = {
        {gdi.LightenColor(RGB(0, 100, 200), 0.5), RGB(128, 178, 228)},
        {gdi.LightenColor(RGB(76, 175, 80), 0.65), RGB(192, 227, 194)},
        {gdi.LightenColor(RGB(10, 20, 30), 0.0), RGB(10, 20, 30)},
        {gdi.LightenColor(RGB(10, 20, 30), 2.0), RGB(255, 255, 255)},
        {gdi.LightenColor(RGB(10, 20, 30), nan), RGB(10, 20, 30)},
        {gdi.DarkenColor(RGB(100, 200, 255), 0.3), RGB(70, 140, 179)},
        {gdi.DarkenColor(RGB(90, 98, 112), 0.12), RGB(79, 86, 99)},
        {gdi.DarkenColor(RGB(90, 98, 112), -1.0), RGB(90, 98, 112)},
        {gdi.DarkenColor(RGB(90, 98, 112), 1.0), RGB(0, 0, 0)},
        {gdi.GradientColor(5, 10, RGB(255, 255, 255), RGB(210, 210, 255)), RGB(233, 233, 255)},
        {gdi.GradientColor(0, 19, RGB(211, 220, 233), RGB(249, 252, 253)), RGB(211, 220, 233)},
        {gdi.GradientColor(19, 19, RGB(211, 220, 233), RGB(249, 252, 253)), RGB(249, 252, 253)},
        {gdi.GradientColor(3, 0, RGB(1, 2, 3), RGB(9, 9, 9)), RGB(1, 2, 3)},
        {gdi.GradientColor(-4, 10, RGB(1, 2, 3), RGB(9, 9, 9)), RGB(1, 2, 3)},
        {gdi.GradientColor(40, 10, RGB(1, 2, 3), RGB(9, 9, 9)), RGB(9, 9, 9)},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i)
        EXPECT_EQ(cases[i].got, cases[i].expected) << "case " << i;
}

TEST_F(GdiWrapper, LoadedPensBrushesAndFontsAreCachedByDescription)
{
    HPEN folio = gdi.LoadPen(0xFF0000, 2, 0);
    EXPECT_EQ(PenOf(folio).lopnColor, 0xFF0000u);
    EXPECT_EQ(PenOf(folio).lopnWidth.x, 2);
    EXPECT_EQ(gdi.LoadPen(0xFF0000, 2, 0), folio);
    EXPECT_NE(gdi.LoadPen(0xFF0000, 1, 0), folio);
    EXPECT_EQ(PenOf(gdi.LoadPen(0x123456, 0, 99)).lopnWidth.x, 1) << "bad width and style mended";

    HBRUSH brush = gdi.LoadBrush(RGB(1, 2, 3));
    EXPECT_EQ(BrushColor(brush), RGB(1, 2, 3));
    EXPECT_EQ(gdi.LoadBrush(RGB(1, 2, 3)), brush);

    HFONT font = gdi.LoadFont("Tahoma", 16);
    LOGFONTA lf = {};
    ASSERT_EQ(GetObjectA(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, 16);
    EXPECT_STREQ(lf.lfFaceName, "Tahoma");
    EXPECT_EQ(gdi.LoadFont("TAHOMA", 16), font);
    EXPECT_NE(gdi.LoadFont("Tahoma", 12), font);
    EXPECT_NE(gdi.LoadFont(nullptr, 12), nullptr);
}

TEST_F(GdiWrapper, SavesAPngThatLoadsBack)
{
    const std::string path = TempFile("r8_q2gdi_test.png");
    DeleteFileA(path.c_str());
    HBITMAP bitmap = MakeBitmap();
    ASSERT_TRUE(gdi.SaveBitmap(bitmap, 71, path.c_str()));
    const std::vector<unsigned char> bytes = ReadBytes(path);
    ASSERT_GT(bytes.size(), 33u);
    const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(signature, signature + 8, bytes.begin()));
    auto be32 = [&](size_t at)
    { return (bytes[at] << 24) | (bytes[at + 1] << 16) | (bytes[at + 2] << 8) | bytes[at + 3]; };
    EXPECT_EQ(be32(16), 40) << "IHDR width";
    EXPECT_EQ(be32(20), 30) << "IHDR height";
    EXPECT_FALSE(Exists(path + ".tmp"));

    HBITMAP loaded = gdi.LoadBitmap(path.c_str());
    ASSERT_NE(loaded, nullptr);
    BITMAP bm = {};
    GetObjectA(loaded, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 40);
    EXPECT_EQ(bm.bmHeight, 30);
    EXPECT_EQ(PixelOf(loaded, 5, 5), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(loaded, 35, 25), RGB(0, 0, 255));
    DeleteObject(loaded);
    DeleteObject(bitmap);
    DeleteFileA(path.c_str());
}

TEST_F(GdiWrapper, ABmpPathWritesABmpAndReplacesAnOlderPicture)
{
    const std::string path = TempFile("r8_q2gdi_test.BMP");
    {
        std::ofstream old(path, std::ios::binary);
        old << "an older picture";
    }
    HBITMAP bitmap = MakeBitmap();
    ASSERT_TRUE(gdi.SaveBitmap(bitmap, 71, path.c_str()));
    const std::vector<unsigned char> bytes = ReadBytes(path);
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    const unsigned size = bytes[2] | (bytes[3] << 8) | (bytes[4] << 16) | (bytes[5] << 24);
    EXPECT_EQ(size, bytes.size());
    DeleteObject(bitmap);
    DeleteFileA(path.c_str());
}

TEST_F(GdiWrapper, RefusedSavesWriteNothing)
{
    const std::string path = TempFile("r8_q2gdi_refused.png");
    DeleteFileA(path.c_str());
    HBITMAP bitmap = MakeBitmap();
    EXPECT_FALSE(gdi.SaveBitmap(bitmap, 70, path.c_str())) << "unknown format";
    EXPECT_FALSE(gdi.SaveBitmap(nullptr, 71, path.c_str()));
    EXPECT_FALSE(gdi.SaveBitmap(reinterpret_cast<HBITMAP>(gdi.GetBrush(3)), 71, path.c_str()));
    EXPECT_FALSE(gdi.SaveBitmap(bitmap, 71, nullptr));
    EXPECT_FALSE(Exists(path));
    const std::string nowhere = TempFile("r8_no_such_folder\\picture.png");
    EXPECT_FALSE(gdi.SaveBitmap(bitmap, 71, nowhere.c_str()));
    EXPECT_FALSE(Exists(nowhere + ".tmp"));
    EXPECT_EQ(gdi.LoadBitmap(TempFile("r8_no_such_picture.png").c_str()), nullptr);
    EXPECT_EQ(gdi.LoadBitmap(nullptr), nullptr);
    DeleteObject(bitmap);
}

// Run by Isolated.* from a folder without the library.
TEST(DISABLED_WithoutLibrary, EveryCallTakesItsFallback)
{
    ASSERT_EQ(LoadLibraryA("Q2GDI.dll"), nullptr) << "run through Isolated.*";
    CQ2GDIWrapApi gdi;
    EXPECT_FALSE(gdi.IsLoaded());
    EXPECT_EQ(gdi.GetBrush(3), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(gdi.GetPen(1), GetStockObject(BLACK_PEN));
    EXPECT_EQ(gdi.GetColor(122), RGB(0, 0, 0));
    EXPECT_EQ(gdi.LightenColor(RGB(1, 2, 3), 0.65), RGB(1, 2, 3));
    EXPECT_EQ(gdi.DarkenColor(RGB(1, 2, 3), 0.3), RGB(1, 2, 3));
    EXPECT_EQ(gdi.GradientColor(5, 10, RGB(1, 2, 3), RGB(9, 9, 9)), RGB(1, 2, 3));
    EXPECT_EQ(gdi.LoadPen(0xFF0000, 2, 0), GetStockObject(BLACK_PEN));
    EXPECT_EQ(gdi.LoadBrush(RGB(1, 2, 3)), GetStockObject(WHITE_BRUSH));
    EXPECT_STREQ(gdi.GetFontName(51), "Courier New");
    EXPECT_EQ(gdi.GetFontSize(52), 10);
    EXPECT_FALSE(gdi.IsFontZoom(52));
    EXPECT_EQ(gdi.LoadFont("Tahoma", 12), GetStockObject(DEFAULT_GUI_FONT));

    HBITMAP bitmap = MakeBitmap();
    const std::string png = TempFile("r8_isolated.png");
    DeleteFileA(png.c_str());
    EXPECT_FALSE(gdi.SaveBitmap(bitmap, 71, png.c_str()));
    EXPECT_FALSE(Exists(png));

    // Without the library a picture still loads, through the system loader.
    const std::string bmp = TempFile("r8_isolated.bmp");
    {
        BITMAPFILEHEADER fh = {};
        BITMAPINFOHEADER ih = {};
        ih.biSize = sizeof ih;
        ih.biWidth = 2;
        ih.biHeight = 2;
        ih.biPlanes = 1;
        ih.biBitCount = 32;
        const DWORD pixels[4] = {0x00FF0000, 0x00FF0000, 0x00FF0000, 0x00FF0000};
        fh.bfType = 0x4D42;
        fh.bfOffBits = sizeof fh + sizeof ih;
        fh.bfSize = fh.bfOffBits + sizeof pixels;
        std::ofstream out(bmp, std::ios::binary);
        out.write(reinterpret_cast<const char*>(&fh), sizeof fh);
        out.write(reinterpret_cast<const char*>(&ih), sizeof ih);
        out.write(reinterpret_cast<const char*>(pixels), sizeof pixels);
    }
    HBITMAP loaded = gdi.LoadBitmap(bmp.c_str());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(PixelOf(loaded, 1, 1), RGB(255, 0, 0));
    DeleteObject(loaded);
    DeleteObject(bitmap);
    DeleteFileA(bmp.c_str());
}

TEST(Isolated, GdiWrapperFallsBackWithoutTheLibrary)
{
    EXPECT_ISOLATED_PASS("DISABLED_WithoutLibrary.*");
}
