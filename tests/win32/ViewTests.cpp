// The chart view's geometry, zoom, fonts, scroll bars, selection and the
// folio and picture operations.
#include "RenderSupport.h"

#include <gtest/gtest.h>

namespace
{

TEST(ViewZoom, AbsoluteZoomIsClampedAndSetsTheCellSize)
{
    CR8EditSFCDCo view;
    struct Case
    {
        int percent;
        int width;
        int height;
        int zoom;
    } cases[] = {{100, 180, 50, 100},   {10, 36, 10, 20}, {20, 36, 10, 20},
                 {1000, 720, 200, 400}, {55, 99, 27, 55}, {-3, 36, 10, 20}};
    for (const Case& c : cases)
    {
        view.SetZoomPercent(c.percent);
        EXPECT_EQ(c.width, view.GetCellWidth()) << c.percent;
        EXPECT_EQ(c.height, view.GetCellHeight()) << c.percent;
        EXPECT_EQ(c.zoom, view.GetZoom()) << c.percent;
    }
}

TEST(ViewZoom, StepsAndTheirLimits)
{
    CR8EditSFCDCo view;
    EXPECT_TRUE(view.ZoomIn());
    EXPECT_EQ(216, view.GetCellWidth());
    EXPECT_EQ(60, view.GetCellHeight());
    EXPECT_EQ(120, view.GetZoom());
    view.SetZoomPercent(100);
    EXPECT_TRUE(view.ZoomOut());
    EXPECT_EQ(149, view.GetCellWidth());
    EXPECT_EQ(41, view.GetCellHeight());
    EXPECT_EQ(82, view.GetZoom());
    EXPECT_FALSE(view.ZoomBy(100));

    // Zooming out goes on while the cell is at least 11 high, then stops.
    int last = view.GetCellHeight();
    while (view.ZoomOut())
    {
        EXPECT_GE(last, 11);
        last = view.GetCellHeight();
    }
    EXPECT_LT(view.GetCellHeight(), 11);
    const int smallest = view.GetCellHeight();
    EXPECT_FALSE(view.ZoomOut());
    EXPECT_EQ(smallest, view.GetCellHeight());

    // Zooming in goes on until the cell has reached 500.
    view.SetZoomPercent(400);
    last = view.GetCellHeight();
    while (view.ZoomIn())
    {
        EXPECT_LT(last, 500);
        last = view.GetCellHeight();
    }
    EXPECT_GE(view.GetCellHeight(), 500);
    EXPECT_FALSE(view.ZoomIn());

    // The thresholds themselves.
    struct Case
    {
        int height;
        bool in;
        bool out;
    } cases[] = {{10, true, false}, {11, true, true}, {499, true, true}, {500, false, true}};
    for (const Case& c : cases)
    {
        view.SetCellHeight(c.height);
        EXPECT_EQ(c.in, view.ZoomIn()) << c.height;
        view.SetCellHeight(c.height);
        EXPECT_EQ(c.out, view.ZoomOut()) << c.height;
    }
}

TEST(ViewZoom, CellSizesBelowOneTakeTheDefaults)
{
    CR8EditSFCDCo view;
    view.SetCellWidth(77);
    view.SetCellHeight(33);
    EXPECT_EQ(77, view.GetCellWidth());
    EXPECT_EQ(33, view.GetCellHeight());
    view.SetCellWidth(0);
    view.SetCellHeight(-4);
    EXPECT_EQ(180, view.GetCellWidth());
    EXPECT_EQ(50, view.GetCellHeight());
    view.SetCellWidth(0x7FFFFFFF);
    EXPECT_EQ(CR8EditSFCDCo::kMaxCellSide, view.GetCellWidth());
    EXPECT_EQ(8 + 9999 * CR8EditSFCDCo::kMaxCellSide, view.CellRect(9999, 0).left);
}

TEST(ViewFonts, HeightsFollowTheCellHeight)
{
    struct Case
    {
        int cellHeight;
        int points;
        bool zoom;
        int dpi;
        int chart;
        int textBox;
    } cases[] = {
        {50, 10, false, 96, 16, 10}, // points x dpi / 96 below cell / 2.5
        {20, 10, false, 96, 10, 8},  // the cell limits the text box
        {100, 8, true, 96, 16, 16},  // 8 points at zoom 200 are 16
        {50, 8, true, 120, 16, 10},  // 8 x 120 / 96
        {61, 8, true, 96, 16, 10},   // 8 x 61 / 50 = 9.76, rounded
        {8, 10, false, 96, 4, 3},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.chart, CR8EditSFCGDI::ChartFontHeight(c.cellHeight)) << c.cellHeight;
        EXPECT_EQ(c.textBox,
                  CR8EditSFCGDI::TextBoxFontHeight(c.cellHeight, c.points, c.zoom, c.dpi))
            << c.cellHeight;
    }

    // A change of cell height asks the library for both fonts again.
    PaletteView view;
    view.fontRequests.clear();
    view.SetCellHeight(100);
    ASSERT_EQ(2u, view.fontRequests.size());
    EXPECT_EQ(16, view.fontRequests[0].height);
    EXPECT_EQ(CR8EditSFCGDI::TextBoxFontHeight(100, 8, true, view.GetScreenDpiY()),
              view.fontRequests[1].height);
    EXPECT_EQ("Tahoma", view.fontRequests[1].face);
}

// A window of a known client size with both scroll bars.
class ViewWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "R8ViewTestWindow";
        RegisterClassA(&wc);
        window = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_HSCROLL | WS_VSCROLL, 0, 0,
                                 800, 400, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(nullptr, window);
        view.SetDocument(&doc);
        view.SetWindow(window);
    }
    void TearDown() override { DestroyWindow(window); }

    void Add(int code, int column, int row)
    {
        doc.AddItem(code, -1, column, row, nullptr);
        doc.RecomputeExtent();
        doc.RebuildMatrix();
        view.RecalcLayout();
    }
    bool HasBar(DWORD style) const { return (GetWindowLongA(window, GWL_STYLE) & style) != 0; }

    HWND window = nullptr;
    CR8EditSFCDocData doc;
    CR8EditSFCDCo view;
};

TEST_F(ViewWindowTest, VisibleRangeAndScrollRanges)
{
    Add(SFC_STEP, 2, 3);
    // 800 x 400 less the bars: 4 whole columns and 7 whole rows, plus one part.
    EXPECT_EQ(5, view.GetVisibleColumns());
    EXPECT_EQ(8, view.GetVisibleRows());
    EXPECT_EQ(3 + 1 + 5, view.GetScrollExtentX());
    EXPECT_EQ(4 + 1 + 8, view.GetScrollExtentY());
    int low = -1;
    int high = -1;
    GetScrollRange(window, SB_HORZ, &low, &high);
    EXPECT_EQ(0, low);
    EXPECT_EQ(3 + 1, high);
    GetScrollRange(window, SB_VERT, &low, &high);
    EXPECT_EQ(4 + 1, high);
    EXPECT_TRUE(HasBar(WS_HSCROLL));
    EXPECT_TRUE(HasBar(WS_VSCROLL));

    view.SetNoScroll(true);
    EXPECT_FALSE(HasBar(WS_HSCROLL));
    EXPECT_FALSE(HasBar(WS_VSCROLL));
    view.SetNoScroll(false);
    EXPECT_TRUE(HasBar(WS_HSCROLL));
}

TEST_F(ViewWindowTest, CellsAndPointsFollowTheScrollPosition)
{
    Add(SFC_STEP, 20, 30);
    EXPECT_EQ(8 + 2 * 180, view.CellRect(2, 3).left);
    EXPECT_EQ(8 + 3 * 50, view.CellRect(2, 3).top);
    view.ScrollTo(3, 2);
    EXPECT_EQ(3, view.GetFirstColumn());
    EXPECT_EQ(2, view.GetFirstRow());
    EXPECT_EQ(8, view.CellRect(3, 2).left);
    EXPECT_EQ(8, view.CellRect(1, 2).left); // never left of the ruler
    const R8Point cell = view.CellFromPoint(POINT{8 + 180 + 5, 8 + 2 * 50 + 5});
    EXPECT_EQ(4, cell.x);
    EXPECT_EQ(4, cell.y);
    EXPECT_EQ(view.CellRect(1, 1).left * 21, view.GetContentWidth());
    EXPECT_EQ(view.CellRect(1, 1).top * 31, view.GetContentHeight());
}

TEST_F(ViewWindowTest, ScrollIntoViewBringsTheCellInWhole)
{
    Add(SFC_STEP, 20, 30);
    view.ScrollIntoView(15, 12);
    EXPECT_EQ(15 - 4 + 1, view.GetFirstColumn());
    EXPECT_EQ(12 - 7 + 1, view.GetFirstRow());
    view.ScrollIntoView(13, 8); // already shown: no move
    EXPECT_EQ(12, view.GetFirstColumn());
    EXPECT_EQ(6, view.GetFirstRow());
    view.ScrollIntoView(2, 1);
    EXPECT_EQ(2, view.GetFirstColumn());
    EXPECT_EQ(1, view.GetFirstRow());
    // Hidden bars still scroll.
    view.SetNoScroll(true);
    view.ScrollIntoView(18, 0);
    EXPECT_EQ(15, view.GetFirstColumn());
}

TEST_F(ViewWindowTest, ZoomToFitARange)
{
    Add(SFC_STEP, 9, 6);
    // At 100 % the window shows 5 columns and 8 rows: 10 / 4 beats 7 / 7.
    view.ZoomToFit(10, 7);
    EXPECT_EQ(40, view.GetZoom());
    view.ZoomToFit(1, 1);
    EXPECT_EQ(400, view.GetZoom());
    view.ZoomToFit(0, 0);
    EXPECT_EQ(100, view.GetZoom());
}

TEST(ViewSelection, CaretAnchorAndNormalisedRectangle)
{
    CR8EditSFCDCo view;
    view.SetCaret(3, 4);
    view.SetCaret(1, 2, true);
    const R8Rect r = view.GetSelectionRect();
    EXPECT_EQ(1, r.left);
    EXPECT_EQ(2, r.top);
    EXPECT_EQ(3, r.right);
    EXPECT_EQ(4, r.bottom);
    EXPECT_FALSE(view.IsSingleCellSelection());
    EXPECT_EQ(3, view.GetSelection().GetWidth());
    EXPECT_EQ(1, view.GetCaret().x);
    view.CollapseSelection();
    EXPECT_TRUE(view.IsSingleCellSelection());
    EXPECT_EQ(1, view.GetSelectionRect().left);
    EXPECT_EQ(2, view.GetSelectionRect().bottom);
    view.SetCaret(-5, -1);
    EXPECT_EQ(0, view.GetCaret().x);
    EXPECT_EQ(0, view.GetCaret().y);
}

class FolioTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        view.SetDocument(&doc);
        doc.LoadFromText("#info=SFCCHART\r\n@S1:0,0=1;\r\n@T2:1,0=1;\r\n@S3:2,0=2;\r\n"
                         "@J4:3,0=1;\r\n@N5:0,2=0;Note\r\n#endinfo\r\n");
        view.SetCaret(50, 50);
    }
    CR8EditSFCDocData doc;
    PaletteView view;
};

TEST_F(FolioTest, CollectedRectangles)
{
    RECT cells = {};
    EXPECT_TRUE(view.CollectFolio(POINT{2, 5}, &cells));
    EXPECT_EQ(2, cells.left);
    EXPECT_EQ(5, cells.top);
    EXPECT_EQ(3, cells.right);
    EXPECT_EQ(6, cells.bottom);
    EXPECT_TRUE(view.CollectFolio(POINT{0, 0}, nullptr));

    struct Case
    {
        int fx, fy, ux, uy;
        RECT expected;
    } cases[] = {
        {0, 0, 2, 2, {0, 0, 2, 2}},
        {1, 1, 2, 2, {2, 2, 3, 4}}, // limited by the chart's 3 x 4 cells
        {0, 0, 10, 10, {0, 0, 3, 4}},
        {5, 0, 1, 1, {3, 0, 3, 1}},
    };
    for (const Case& c : cases)
    {
        ASSERT_TRUE(view.CollectFolioEx(c.fx, c.fy, c.ux, c.uy, &cells));
        EXPECT_TRUE(EqualRect(&c.expected, &cells)) << c.fx << "," << c.fy;
    }
}

TEST_F(FolioTest, RenderFolioCropsTheCellsOnePixelTaller)
{
    const int u = 50;
    const int a = 3;
    auto top = view.RenderFolio(RECT{0, 0, 1, 2}, nullptr);
    ASSERT_TRUE(top->HasBitmap());
    EXPECT_EQ(180, top->GetSize().cx);
    EXPECT_EQ(2 * 50 + 1, top->GetSize().cy);
    Surface s = Surface::FromBitmap(top->GetBitmap());
    EXPECT_COLOR(RGB(111, 111, 255), s.Pixel(a, u / 2));
    EXPECT_COLOR(RGB(128, 0, 128), s.Pixel(u / 2 + 3, 50 + 25 - 2));
    // The extra pixel row is the top of the next row's cell: the step's link.
    EXPECT_NE(RGB(255, 255, 255), s.Pixel(u / 2, 100));

    auto lower = view.RenderFolio(RECT{0, 1, 1, 2}, nullptr);
    Surface t = Surface::FromBitmap(lower->GetBitmap());
    EXPECT_COLOR(RGB(128, 0, 128), t.Pixel(u / 2 + 3, 25 - 2));

    EXPECT_FALSE(view.RenderFolio(RECT{1, 1, 1, 2}, nullptr)->HasBitmap());
    EXPECT_FALSE(view.RenderFolio(RECT{0, 0, 100000, 1}, nullptr)->HasBitmap());
    EXPECT_FALSE(view.IsOffscreen());
}

TEST_F(FolioTest, SummaryExtentAndDrawing)
{
    const RECT all = view.DrawSummary(true, nullptr);
    EXPECT_EQ(0, all.left);
    EXPECT_EQ(8 + (3 + 1) * 180, all.right);
    EXPECT_EQ(8 + (4 + 1) * 50, all.bottom);
    view.SetSelection(R8Point{0, 1}, R8Point{1, 1});
    const RECT selection = view.DrawSummary(false, nullptr);
    EXPECT_EQ(8 + 3 * 180, selection.right);
    EXPECT_EQ(8 + 2 * 50, selection.bottom);

    Surface s(all.right, all.bottom);
    FillRect(s.dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    view.DrawSummary(true, s.dc());
    EXPECT_COLOR(PaletteView::BrushColor(15), s.Pixel(3, 100));
    EXPECT_COLOR(PaletteView::BrushColor(15), s.Pixel(100, 3));
    EXPECT_COLOR(RGB(111, 111, 255), s.Pixel(8 + 3, 8 + 25));
    // Cells get the picture background, not the selection's.
    EXPECT_COLOR(PaletteView::BrushColor(3), s.Pixel(8 + 100, 8 + 50 + 10));

    CR8EditSFCDocData empty;
    view.SetDocument(&empty);
    const RECT none = view.DrawSummary(true, nullptr);
    EXPECT_TRUE(IsRectEmpty(&none));
}

TEST_F(FolioTest, SelectionPictureStartsAtTheSelection)
{
    view.SetSelection(R8Point{0, 1}, R8Point{0, 1});
    auto picture = view.RenderSelectionPicture(nullptr);
    ASSERT_TRUE(picture->HasBitmap());
    EXPECT_EQ(8 + 180, picture->GetSize().cx);
    EXPECT_EQ(8 + 50, picture->GetSize().cy);
    Surface s = Surface::FromBitmap(picture->GetBitmap());
    EXPECT_COLOR(RGB(128, 0, 128), s.Pixel(8 + 28, 8 + 23));
    EXPECT_COLOR(PaletteView::BrushColor(15), s.Pixel(2, 30));
}

TEST_F(FolioTest, FolioFramesEveryKthCell)
{
    Surface s(8 + 6 * 180, 8 + 6 * 50);
    const RECT pixels = {0, 0, s.width(), s.height()};
    HGDIOBJ old = SelectObject(s.dc(), GetStockObject(BLACK_PEN));
    view.DrawFolioFrame(s.dc(), pixels, 2, 3);
    SelectObject(s.dc(), old);
    for (int c = 1; c <= 5; ++c)
        EXPECT_EQ(c % 2 == 0, s.Pixel(view.CellRect(c, 0).left, 30) == RGB(0, 0, 0)) << c;
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(r % 3 == 0, s.Pixel(100, view.CellRect(0, r).top) == RGB(0, 0, 0)) << r;
    Surface none(200, 200);
    view.DrawFolioFrame(none.dc(), RECT{0, 0, 200, 200}, 0, 0);
    EXPECT_EQ(200 * 200, none.Count(RECT{0, 0, 200, 200}, RGB(255, 255, 255)));
}

// Without the palette: the library's answers, or the stock fallbacks when it
// is missing. Fixed colours must show either way.
TEST(ViewFallback, FixedColoursShowWithOrWithoutTheLibrary)
{
    CR8EditSFCDocData doc;
    doc.LoadFromText("#info=SFCCHART\r\n@S1:0,0=1;\r\n@T2:1,0=1;\r\n#endinfo\r\n");
    CR8EditSFCDCo view;
    view.SetDocument(&doc);
    auto picture = view.RenderFolio(RECT{0, 0, 1, 2}, nullptr);
    ASSERT_TRUE(picture->HasBitmap());
    Surface s = Surface::FromBitmap(picture->GetBitmap());
    EXPECT_COLOR(RGB(111, 111, 255), s.Pixel(3, 25));
    EXPECT_COLOR(RGB(128, 0, 128), s.Pixel(28, 50 + 23));
}

} // namespace
