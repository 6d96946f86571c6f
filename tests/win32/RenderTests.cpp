// Chart symbols drawn into memory bitmaps and probed pixel by pixel.
#include "RenderSupport.h"

#include "chart/R8EditSFCItem.h"
#include "chart/R8EditSFCItemNote.h"
#include "sfcview/R8EditSFCCommentBox.h"
#include "sfcview/R8EditSFCItemPainter.h"

#include <gtest/gtest.h>

namespace
{

constexpr COLORREF kFrame = RGB(111, 111, 255);
constexpr COLORREF kActive = RGB(255, 0, 0);
constexpr COLORREF kPurple = RGB(128, 0, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class RenderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        view.SetDocument(&doc);
        // The caret away from the probed cells, so they keep the paper colour.
        view.SetCaret(50, 50);
    }

    CR8EditSFCItem* Add(int code, int number, int column, int row)
    {
        CR8EditSFCItem* item = doc.AddItem(code, number, column, row, nullptr);
        doc.RecomputeExtent();
        doc.RebuildMatrix();
        return item;
    }
    // The window frame of a few cells, rulers included.
    Surface Screen(int columns = 3, int rows = 4)
    {
        Surface s(CR8EditSFCDCo::kLeftRuler + columns * view.GetCellWidth(),
                  CR8EditSFCDCo::kTopRuler + rows * view.GetCellHeight());
        view.DrawScreen(s.dc());
        return s;
    }
    int u() const { return view.GetSymbolSize(); }
    int a() const { return view.GetArrowSize(); }
    RECT Cell(int c, int r) const { return view.CellRect(c, r); }
    COLORREF Link(int line)
    {
        return line == 0   ? view.GetColor(122)
               : line == 1 ? view.DarkenColor(view.GetColor(122), 0.12)
                           : view.DarkenColor(view.GetColor(122), 0.3);
    }

    CR8EditSFCDocData doc;
    PaletteView view;
};

TEST_F(RenderTest, StepFrameTakesTheActiveColourWhileActive)
{
    struct Case
    {
        int activity;
        COLORREF frame;
        COLORREF gradientEnd;
    } cases[] = {{0, kFrame, RGB(210, 210, 255)}, {1, kActive, RGB(255, 200, 200)}};
    for (const Case& c : cases)
    {
        CR8EditSFCItem* step = Add(SFC_STEP, 4, 0, 0);
        step->SetActivity(c.activity);
        Surface s = Screen();
        const RECT cell = Cell(0, 0);
        EXPECT_COLOR(c.frame, s.Pixel(cell.left + a(), cell.top + u() / 2));
        EXPECT_COLOR(c.frame, s.Pixel(cell.left + u() - a() - 1, cell.top + u() / 2));
        // The inside runs from white at the top to the gradient end at the bottom.
        EXPECT_COLOR(kWhite, s.Pixel(cell.left + a() + 2, cell.top + a() + 1));
        EXPECT_COLOR(c.gradientEnd, s.Pixel(cell.left + a() + 2, cell.top + u() - a() - 2));
        // The number in the frame colour.
        const RECT number = {cell.left + a() + 1, cell.top + a() + 1, cell.left + u() - a() - 1,
                             cell.top + u() - a() - 1};
        EXPECT_GT(s.Count(number, c.frame), 0);
        doc.Clear();
    }
}

TEST_F(RenderTest, MacroAndInitialStepsGetTheirSecondFrame)
{
    Add(SFC_STEP, 1, 0, 0);
    Add(SFC_MACRO, 1, 1, 0);
    Add(SFC_INIT_STEP, 2, 2, 0);
    view.SetCellWidth(90);
    Surface s = Screen();
    const int inset = a() + 3;
    for (int column = 0; column < 3; ++column)
    {
        const RECT cell = Cell(column, 0);
        const COLORREF topLine = s.Pixel(cell.left + a() + 6, cell.top + inset);
        const COLORREF sideLine = s.Pixel(cell.left + inset, cell.top + u() / 2);
        SCOPED_TRACE(column);
        EXPECT_EQ(column != 0, topLine == kFrame);  // macro and initial step
        EXPECT_EQ(column == 2, sideLine == kFrame); // initial step only
    }
}

TEST_F(RenderTest, TransitionBarNumberAndLinkLines)
{
    Add(SFC_TRANS, 12, 0, 0);
    Surface s = Screen();
    const RECT cell = Cell(0, 0);
    const int middle = cell.top + view.GetCellHeight() / 2;
    EXPECT_COLOR(kPurple, s.Pixel(cell.left + u() / 4 + 2, middle - 3));
    EXPECT_COLOR(kPurple, s.Pixel(cell.left + 3 * u() / 4 - 1, middle));
    EXPECT_COLOR(kWhite, s.Pixel(cell.left + 3 * u() / 4 + 1, middle - 1));
    const RECT number = {cell.left, middle + 1, cell.left + u() / 2 - 2, cell.bottom};
    EXPECT_GT(s.Count(number, kPurple), 0);
    // The link runs the whole cell: three lines centred on x = left + u/2.
    const int x = cell.left + u() / 2;
    for (LONG y : {cell.top + 2, cell.bottom - 2})
    {
        EXPECT_COLOR(Link(0), s.Pixel(x - 1, y));
        EXPECT_COLOR(Link(1), s.Pixel(x, y));
        EXPECT_COLOR(Link(2), s.Pixel(x + 1, y));
    }
}

TEST_F(RenderTest, LinksThroughEmptyCellsFollowTheLinkWord)
{
    // A step chain with a gap: the empty cells between carry the vertical line.
    Add(SFC_STEP, 1, 0, 0);
    Add(SFC_STEP, 2, 0, 3);
    // A simultaneous divergence over three columns: the middle cell is empty
    // and lies on the double line.
    Add(SFC_NODE_DOUBLE, 0, 1, 1);
    Add(SFC_DIVERGENCE, 0, 3, 1);
    // An alternative one below it.
    Add(SFC_NODE, 0, 1, 2);
    Add(SFC_DIVERGENCE, 0, 3, 2);
    Surface s = Screen(4, 4);
    ASSERT_EQ(LINK_VUPPER | LINK_VLOWER, doc.GetLink(0, 1) & (LINK_VUPPER | LINK_VLOWER));
    const RECT gap = Cell(0, 1);
    const int x = gap.left + u() / 2;
    EXPECT_COLOR(Link(1), s.Pixel(x, gap.top + 1));
    EXPECT_COLOR(Link(1), s.Pixel(x, gap.bottom - 1));
    EXPECT_COLOR(Link(0), s.Pixel(x - 1, gap.top + 1));
    EXPECT_COLOR(Link(2), s.Pixel(x + 1, gap.top + 1));

    // Double line: two black lines 2 pixels above and below the middle, in
    // the node's cell and through the empty cell up to the branch.
    for (int column : {1, 2, 3})
    {
        const RECT cell = Cell(column, 1);
        const int yc = cell.top + u() / 2;
        const int probe = column == 3 ? cell.left + u() / 4 : cell.left + u() - 1;
        SCOPED_TRACE(column);
        EXPECT_COLOR(kBlack, s.Pixel(probe, yc - 2));
        EXPECT_COLOR(kBlack, s.Pixel(probe, yc + 2));
        EXPECT_COLOR(kWhite, s.Pixel(probe, yc));
    }
    // Single line: three lines at the middle.
    const RECT single = Cell(2, 2);
    const int yc = single.top + u() / 2;
    EXPECT_COLOR(Link(0), s.Pixel(single.left + 10, yc - 1));
    EXPECT_COLOR(Link(1), s.Pixel(single.left + 10, yc));
    EXPECT_COLOR(Link(2), s.Pixel(single.left + 10, yc + 1));
    // The line ends at the square of the last branch.
    const RECT end = Cell(3, 2);
    EXPECT_COLOR(Link(1), s.Pixel(end.left + u() - 1, yc));
    EXPECT_COLOR(kWhite, s.Pixel(end.left + u() + 1, yc));
}

TEST_F(RenderTest, JumpLabelShowsTheTargetOrQuestionMarks)
{
    Add(SFC_STEP, 7, 0, 0);
    CR8EditSFCItem* toStep = Add(SFC_JUMP, 7, 1, 0);
    CR8EditSFCItem* nowhere = Add(SFC_JUMP, 99, 2, 0);
    EXPECT_EQ("7", CR8EditSFCItemPainter::JumpLabel(*toStep, &doc));
    EXPECT_EQ("??", CR8EditSFCItemPainter::JumpLabel(*nowhere, &doc));
    EXPECT_EQ("??", CR8EditSFCItemPainter::JumpLabel(*toStep, nullptr));

    Surface s = Screen();
    const RECT cell = Cell(2, 0);
    const int x = cell.left + u() / 2;
    const int yc = cell.top + u() / 2;
    // Arrow head pointing down onto the label.
    EXPECT_COLOR(kBlack, s.Pixel(x, yc - 1));
    EXPECT_COLOR(kBlack, s.Pixel(x - 2 * a() + 1, yc - 2 * a()));
    // Label box half-way from white to the step gradient end, text in the step colour.
    const RECT label = {cell.left + 2 * a(), yc, cell.left + u() - 2 * a(), cell.bottom};
    EXPECT_COLOR(view.GradientColor(5, 10, kWhite, RGB(210, 210, 255)),
                 s.Pixel(label.left, yc + 1));
    EXPECT_GT(s.Count(label, kFrame), 0);
}

TEST_F(RenderTest, RulersAreGradientsWithTheSelectionInOrange)
{
    Add(SFC_STEP, 1, 0, 0);
    view.SetCaret(1, 1);
    Surface s = Screen();
    const int lines = CR8EditSFCDCo::kTopRuler;
    const COLORREF top = RGB(211, 220, 233);
    const COLORREF bottom = RGB(249, 252, 253);
    const COLORREF orangeTop = RGB(241, 193, 96);
    const COLORREF orangeBottom = RGB(249, 217, 159);
    // Top ruler over column 0 and over the selected column 1.
    const int x0 = Cell(0, 0).left + 90;
    const int x1 = Cell(1, 0).left + 90;
    EXPECT_COLOR(view.GradientColor(0, lines - 1, top, bottom), s.Pixel(x0, 0));
    EXPECT_COLOR(view.GradientColor(lines - 2, lines - 1, top, bottom), s.Pixel(x0, lines - 2));
    EXPECT_COLOR(view.GradientColor(0, lines - 1, orangeTop, orangeBottom), s.Pixel(x1, 0));
    EXPECT_COLOR(view.GradientColor(lines - 2, lines - 1, orangeTop, orangeBottom),
                 s.Pixel(x1, lines - 2));
    // The edge line and the ticks.
    EXPECT_COLOR(PaletteView::PenColor(13), s.Pixel(x0, lines - 1));
    EXPECT_COLOR(PaletteView::PenColor(13), s.Pixel(Cell(1, 0).left - 1, 2));
    EXPECT_COLOR(PaletteView::PenColor(15), s.Pixel(Cell(1, 0).left, 2));
    // Left ruler: left to right, orange over the selected row 1.
    const int y0 = Cell(0, 0).top + 20;
    const int y1 = Cell(0, 1).top + 20;
    EXPECT_COLOR(view.GradientColor(0, lines - 1, top, bottom), s.Pixel(0, y0));
    EXPECT_COLOR(view.GradientColor(lines - 2, lines - 1, top, bottom), s.Pixel(lines - 2, y0));
    EXPECT_COLOR(view.GradientColor(0, lines - 1, orangeTop, orangeBottom), s.Pixel(0, y1));
    EXPECT_COLOR(PaletteView::PenColor(13), s.Pixel(lines - 1, y0));
}

TEST_F(RenderTest, CellBackgroundsShowSelectionDropGridAndFocus)
{
    view.SetSelection(R8Point{1, 0}, R8Point{2, 1});
    view.SetDropFeedback(R8Rect{2, 1, 2, 2}, true);
    auto centre = [&](const Surface& s, int c, int r)
    {
        const RECT cell = Cell(c, r);
        return s.Pixel(cell.left + 100, cell.top + 30);
    };
    {
        Surface s = Screen();
        EXPECT_COLOR(PaletteView::BrushColor(3), centre(s, 0, 0));
        EXPECT_COLOR(PaletteView::BrushColor(5), centre(s, 1, 1));
        EXPECT_COLOR(PaletteView::BrushColor(8), centre(s, 2, 1)); // drop wins
        EXPECT_COLOR(PaletteView::BrushColor(8), centre(s, 2, 2));
        EXPECT_COLOR(PaletteView::BrushColor(3),
                     s.Pixel(Cell(0, 0).right - 1, Cell(0, 0).top + 30));
    }
    view.HideDropFeedback();
    view.SetGrid(true);
    view.SetFocusShown(true);
    Surface s = Screen();
    EXPECT_COLOR(PaletteView::BrushColor(5), centre(s, 2, 1));
    const RECT cell = Cell(0, 0);
    EXPECT_COLOR(PaletteView::PenColor(7), s.Pixel(cell.right - 1, cell.top + 30));
    EXPECT_COLOR(PaletteView::PenColor(7), s.Pixel(cell.left + 100, cell.bottom - 1));
    // The focus rectangle dots the caret cell's edge.
    const RECT caret = Cell(2, 1);
    const RECT edge = {caret.left + 1, caret.top, caret.right - 2, caret.top + 1};
    EXPECT_LT(s.Count(edge, PaletteView::BrushColor(5)), edge.right - edge.left);
}

TEST_F(RenderTest, BlackAndWhiteTurnsColoursBlack)
{
    Add(SFC_STEP, 1, 0, 0);
    Add(SFC_TRANS, 1, 0, 1);
    view.SetBlackWhite(true);
    Surface s = Screen();
    const RECT step = Cell(0, 0);
    EXPECT_COLOR(kBlack, s.Pixel(step.left + a(), step.top + u() / 2));
    EXPECT_COLOR(kWhite, s.Pixel(step.left + a() + 2, step.top + u() - a() - 2));
    const RECT trans = Cell(0, 1);
    const int middle = trans.top + view.GetCellHeight() / 2;
    EXPECT_COLOR(kBlack, s.Pixel(trans.left + u() / 4 + 2, middle - 2));
    EXPECT_COLOR(kBlack, s.Pixel(trans.left + u() / 2 + 1, trans.top + 2));
    // The screen flag leaves pictures in colour; the picture flag makes them black.
    view.SetCaret(0, 0);
    {
        auto picture = view.RenderFolio(RECT{0, 0, 1, 1}, nullptr);
        Surface p = Surface::FromBitmap(picture->GetBitmap());
        EXPECT_COLOR(kFrame, p.Pixel(a(), u() / 2));
    }
    view.SetBlackWhite(false);
    view.SetOffscreenBlackWhite(true);
    auto picture = view.RenderFolio(RECT{0, 0, 1, 1}, nullptr);
    Surface p = Surface::FromBitmap(picture->GetBitmap());
    EXPECT_COLOR(kBlack, p.Pixel(a(), u() / 2));
}

TEST_F(RenderTest, NarrowCellsShowNoTextBox)
{
    CR8EditSFCItem* trans = Add(SFC_TRANS, 1, 0, 1);
    trans->SetText(SFC_TEXT_MAIN, "bStart AND bReady");
    Add(SFC_STEP, 1, 0, 0);
    for (int width : {180, 2 * 50, 2 * 50 - 1})
    {
        view.SetCellWidth(width);
        ASSERT_EQ(50, u());
        Surface s = Screen(1, 2);
        const bool box = width >= 2 * u();
        const RECT step = Cell(0, 0);
        const RECT stepBox = {step.left + u(), step.top, step.right, step.bottom};
        const RECT transCell = Cell(0, 1);
        const RECT transBox = {transCell.left + u(), transCell.top, transCell.right,
                               transCell.bottom};
        SCOPED_TRACE(width);
        EXPECT_EQ(box, s.Pixel(step.left + u(), step.top + u() / 2) == kFrame);
        EXPECT_EQ(box, s.Count(stepBox, kWhite) < (stepBox.right - stepBox.left) * 50);
        EXPECT_EQ(box, s.Count(transBox, kPurple) > 0);
    }
}

TEST_F(RenderTest, SymbolSizeEightDropsArrowsAndInsets)
{
    Add(SFC_STEP, 1, 0, 0);
    Add(SFC_JUMP, 1, 1, 0);
    CR8EditSFCItem* locked = Add(SFC_STEP, 2, 2, 0);
    locked->SetLock(1);
    for (int height : {50, 8})
    {
        view.SetCellHeight(height);
        Surface s = Screen(3, 1);
        const RECT jump = Cell(1, 0);
        SCOPED_TRACE(height);
        EXPECT_EQ(height == 8, view.GetArrowSize() == 0);
        EXPECT_EQ(height == 8, s.Count(jump, kBlack) == 0);
        const RECT step = Cell(0, 0);
        EXPECT_EQ(height == 8, s.Pixel(step.left, step.top + u() / 2) == kFrame);
        const RECT lockCell = Cell(2, 0);
        const bool lockShown = s.Count(lockCell, PaletteView::PenColor(36)) +
                                   s.Count(lockCell, PaletteView::BrushColor(36)) >
                               0;
        EXPECT_EQ(height != 8, lockShown);
    }
}

TEST_F(RenderTest, LockBookmarkAndOnlineMarks)
{
    CR8EditSFCItem* locked = Add(SFC_STEP, 1, 0, 0);
    locked->SetLock(1);
    CR8EditSFCItem* holds = Add(SFC_TRANS, 1, 0, 1);
    holds->SetOnlineState(1);
    CR8EditSFCItem* forced = Add(SFC_TRANS, 2, 0, 2);
    forced->SetOnlineState(2);
    CR8EditSFCItem* marked = Add(SFC_STEP, 2, 1, 0);
    marked->ToggleBookmark();
    Surface s = Screen(2, 3);
    const RECT cell = Cell(0, 0);
    // The lock's right angle sits at the top-left corner inside the frame.
    const int inside = a() + 1;
    const COLORREF corner = s.Pixel(cell.left + inside, cell.top + inside);
    EXPECT_TRUE(corner == PaletteView::PenColor(36) || corner == PaletteView::BrushColor(36))
        << ColorText(corner);
    EXPECT_NE(PaletteView::PenColor(36), s.Pixel(cell.left + inside + a() + 1, cell.top + inside));
    // Bookmark: top-left corner of the cell, u/3 by u/4.
    const RECT bookmarked = Cell(1, 0);
    EXPECT_COLOR(PaletteView::BrushColor(100),
                 s.Pixel(bookmarked.left + u() / 6, bookmarked.top + u() / 8));
    EXPECT_NE(PaletteView::BrushColor(100), s.Pixel(cell.left + u() / 6, cell.top + u() / 8));
    const RECT one = Cell(0, 1);
    EXPECT_COLOR(PaletteView::BrushColor(101), s.Pixel(one.left + u() / 3, one.top + u() / 8));
    const RECT two = Cell(0, 2);
    EXPECT_COLOR(view.LightenColor(view.GetColor(101), 0.65),
                 s.Pixel(two.left + u() / 3, two.top + u() / 8));
}

// The step's text box: qualifier column with one row per action kind.
class StepBoxTest : public RenderTest
{
protected:
    RECT Box() const
    {
        RECT cell = Cell(0, 0);
        RECT box = {cell.left + u(), cell.top, cell.right, cell.bottom};
        InflateRect(&box, -a(), -a());
        return box;
    }
    // A pixel near the right end of qualifier row i, away from its label.
    COLORREF RowPixel(const Surface& s, int i) const
    {
        const RECT box = Box();
        const int h = box.bottom - box.top;
        return s.Pixel(box.left + view.GetQualifierWidth() - 2, box.top + i * h / 4 + h / 8);
    }
};

TEST_F(StepBoxTest, RowsHoldingCodeAreFilled)
{
    CR8EditSFCItem* step = Add(SFC_STEP, 1, 0, 0);
    step->SetText(SFC_TEXT_P1, "x := 1;");
    step->SetText(SFC_TEXT_P0, "#info=LDEDIT\r\nBOF\r\nEOF\r\n#endinfo\r\n");
    Surface s = Screen(1, 1);
    const COLORREF filled = RGB(210, 210, 255);
    const COLORREF empty = RGB(244, 244, 255);
    EXPECT_COLOR(empty, RowPixel(s, 0));
    EXPECT_COLOR(filled, RowPixel(s, 1));
    EXPECT_COLOR(empty, RowPixel(s, 2));
    EXPECT_COLOR(empty, RowPixel(s, 3)); // an empty ladder program is no code
}

TEST_F(RenderTest, PicturesDrawCellsAsTheScreenDoes)
{
    CR8EditSFCItem* step = Add(SFC_STEP, 1, 1, 0);
    step->SetText(SFC_TEXT_P1, "x := 1;");
    step->SetText(SFC_TEXT_NOTE, "Fill the tank");
    Add(SFC_TRANS, 1, 1, 1)->SetText(SFC_TEXT_MAIN, "bStart");
    Add(SFC_JUMP, 1, 1, 2);
    Add(SFC_NOTE, 0, 0, 0)->SetText(SFC_TEXT_NOTE, "A note");
    Surface screen = Screen(2, 3);
    // The picture of the cells, without the rulers' offset, is the screen's
    // pixel for pixel (both backgrounds are white in this palette).
    auto picture = view.RenderFolio(RECT{0, 0, 2, 3}, nullptr);
    Surface p = Surface::FromBitmap(picture->GetBitmap());
    int differences = 0;
    for (int y = 0; y < 3 * view.GetCellHeight(); ++y)
        for (int x = 0; x < 2 * view.GetCellWidth(); ++x)
            differences += p.Pixel(x, y) != screen.Pixel(x + CR8EditSFCDCo::kLeftRuler,
                                                         y + CR8EditSFCDCo::kTopRuler);
    EXPECT_EQ(0, differences);
}

TEST_F(StepBoxTest, DisplayModesDropTheQualifierColumn)
{
    CR8EditSFCItem* step = Add(SFC_STEP, 1, 0, 0);
    step->SetText(SFC_TEXT_NOTE, "Fill");
    CR8EditSFCItem* macro = Add(SFC_MACRO, 1, 0, 1);
    macro->SetText(SFC_TEXT_NOTE, "Body");
    struct Case
    {
        std::uint16_t mode;
        bool column;
    } cases[] = {{0, true}, {1, false}, {2, false}};
    for (const Case& c : cases)
    {
        view.SetDisplayMode(c.mode);
        Surface s = Screen(1, 2);
        const int x = Box().left + view.GetQualifierWidth();
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(c.column, s.Pixel(x, Cell(0, 0).top + u() / 2 + 3) == kFrame);
        // A macro step never has the column.
        EXPECT_NE(kFrame, s.Pixel(x, Cell(0, 1).top + u() / 2 + 3));
    }
}

TEST_F(StepBoxTest, PicturesShowTheOneTextOfASimpleStep)
{
    struct Case
    {
        const char* main;
        const char* p1;
        const char* note;
        bool column; // qualifier column in the picture
    } cases[] = {
        {"x := 1;", "", "", false}, // the main action over the whole box
        {"", "", "Fill", false},    // the note over the whole box
        {"x := 1;", "", "Fill", true}, {"x := 1;", "y := 2;", "", true}, {"", "", "", true},
    };
    for (const Case& c : cases)
    {
        CR8EditSFCItem* step = Add(SFC_STEP, 1, 0, 0);
        step->SetText(SFC_TEXT_MAIN, c.main);
        step->SetText(SFC_TEXT_P1, c.p1);
        step->SetText(SFC_TEXT_NOTE, c.note);
        auto picture = view.RenderFolio(RECT{0, 0, 1, 1}, nullptr);
        Surface p = Surface::FromBitmap(picture->GetBitmap());
        const int x = Box().left + view.GetQualifierWidth() - CR8EditSFCDCo::kLeftRuler;
        SCOPED_TRACE(std::string(c.main) + "|" + c.p1 + "|" + c.note);
        EXPECT_EQ(c.column, p.Pixel(x, u() / 2 + 3) == kFrame);
        // The window always shows the column.
        Surface s = Screen(1, 1);
        EXPECT_COLOR(kFrame, s.Pixel(x + CR8EditSFCDCo::kLeftRuler, Cell(0, 0).top + u() / 2 + 3));
        doc.Clear();
    }
}

TEST(RenderText, CodeAndTransitionTextRules)
{
    EXPECT_FALSE(CR8EditSFCItemPainter::HoldsCode(""));
    EXPECT_FALSE(CR8EditSFCItemPainter::HoldsCode("#info=WSED1EDT\r\n#endinfo\r\n"));
    EXPECT_FALSE(CR8EditSFCItemPainter::HoldsCode("#info=LDEDIT\r\nBOF\r\nEOF\r\n#endinfo\r\n"));
    EXPECT_TRUE(
        CR8EditSFCItemPainter::HoldsCode("#info=LDEDIT\r\nBOF\r\nX\r\nEOF\r\n#endinfo\r\n"));

    CR8EditSFCDocData doc;
    CR8EditSFCItem* trans = doc.AddItem(SFC_TRANS, 1, 0, 0, nullptr);
    struct Case
    {
        const char* condition;
        const char* note;
        std::uint16_t display;
        bool offscreen;
        const char* shown;
    } cases[] = {
        {"a AND b\r\n\r\n", "why", 0, false, "a AND b"},
        {"#info=LDEDIT\r\nBOF\r\nEOF\r\n#endinfo\r\n", "", 0, false, "...LD..."},
        {"#info=FFL\r\nx\r\n", "", 0, true, "...LD..."},
        {"", "why", 0, false, ""},
        {"", "why", 0, true, "why"},
        {"a", "why", 1, false, "why"},
    };
    for (const Case& c : cases)
    {
        trans->SetText(SFC_TEXT_MAIN, c.condition);
        trans->SetText(SFC_TEXT_NOTE, c.note);
        EXPECT_EQ(c.shown, CR8EditSFCItemPainter::TransitionText(*trans, c.display, c.offscreen))
            << c.condition << " / " << c.note;
    }
}

class BoxParent : public CR8NoteParent
{
public:
    std::unique_ptr<CR8NoteBox> CreateNoteBox() override { return CreateChartNoteBox(); }
};

TEST_F(RenderTest, NotesDrawTheirTextInAFrame)
{
    BoxParent parent;
    CR8EditSFCItem* boxed = doc.AddItem(SFC_NOTE, 0, 0, 0, &parent);
    ASSERT_NE(nullptr, dynamic_cast<CR8EditSFCTextNoteBox*>(
                           static_cast<CR8EditSFCItemNote*>(boxed)->GetNoteBox()));
    boxed->SetText(SFC_TEXT_NOTE, "Fill the tank\r\nthen wait");
    // A note made without a parent has no box: the chart draws its text itself.
    CR8EditSFCItem* bare = Add(SFC_NOTE, 0, 0, 1);
    bare->SetText(SFC_TEXT_NOTE, "Fill the tank\r\nthen wait");
    Surface s = Screen(1, 2);
    const COLORREF ink = view.GetColor(9);
    for (int row : {0, 1})
    {
        RECT rect = Cell(0, row);
        InflateRect(&rect, -3, -3);
        SCOPED_TRACE(row);
        EXPECT_COLOR(ink, s.Pixel(rect.left, rect.top + 20));
        RECT inside = rect;
        InflateRect(&inside, -3, -2);
        EXPECT_GT(s.Count(inside, ink), 10);
    }
    view.SetBlackWhite(true);
    Surface bw = Screen(1, 2);
    RECT rect = Cell(0, 0);
    InflateRect(&rect, -3, -3);
    EXPECT_COLOR(kBlack, bw.Pixel(rect.left, rect.top + 20));
}

} // namespace
