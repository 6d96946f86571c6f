// The chart view: cell geometry and zoom, visible range and scroll bars,
// caret and selection, drop feedback, grid, focus rectangle and the
// black-and-white and off-screen flags; and the drawing of the chart on
// screen, into pictures of cell ranges and for the printer.
//
// Cell rectangles of the selection are inclusive (last column and row
// named); folio rectangles, as the window base hands them over, are
// half-open in cells (right and bottom excluded).
#pragma once

#include "chart/R8EditSFCItemView.h"
#include "sfcview/R8EditPicture.h"
#include "sfcview/R8EditSFCLV2.h"
#include "sfcview/R8EditSFCSel.h"

#include <memory>

class CR8EditSFCDocData;
class CR8EditSFCCanvas;

class CR8EditSFCDCo : public CR8EditSFCLV2, public CR8EditSFCItemView
{
public:
    static constexpr int kLeftRuler = 8;
    static constexpr int kTopRuler = 8;
    static constexpr int kCellWidth100 = 180;
    static constexpr int kCellHeight100 = 50;
    static constexpr int kMinZoom = 20;
    static constexpr int kMaxZoom = 400;
    static constexpr int kZoomInPercent = 120;
    static constexpr int kZoomOutPercent = 83;
    // Cell sides are kept within 1 ... 10000 pixels, so pixel positions of
    // every cell of the largest grid stay within 32-bit arithmetic.
    static constexpr int kMaxCellSide = 10000;

    CR8EditSFCDCo();

    // --- binding ---
    // The window whose client area and scroll bars the view uses; none in
    // tests that only draw into bitmaps.
    void SetWindow(HWND window);
    HWND GetWindow() const { return m_window; }
    void SetDocument(const CR8EditSFCDocData* document) { m_document = document; }
    const CR8EditSFCDocData* GetDocument() const { return m_document; }

    // --- what elements ask of a view ---
    int GetCellWidth() const override { return m_cellWidth; }
    int GetCellHeight() const override { return m_cellHeight; }
    R8Rect GetCellRect(int column, int row) const override;
    int GetTextBoxWidth(std::string_view text) const override { return MeasureTextBox(text); }
    int GetDisplayMode() const override { return GetDisplay(); }

    // --- geometry ---
    RECT CellRect(int column, int row) const;
    // The cell under a client point.
    R8Point CellFromPoint(POINT point) const;
    // Scroll positions: the first column and row shown.
    int GetFirstColumn() const;
    int GetFirstRow() const;
    // Moves the first shown column and row (kept at 0 or more), repaints.
    void ScrollTo(int column, int row);
    int GetVisibleColumns() const { return m_visibleColumns; }
    int GetVisibleRows() const { return m_visibleRows; }
    int GetScrollExtentX() const { return m_extentX; }
    int GetScrollExtentY() const { return m_extentY; }
    // Recomputes the visible range from the client size and the scroll
    // ranges from the chart size; hides a bar whose range is empty, and both
    // while scrolling is off.
    void RecalcLayout();
    // The pixel position of cell (1, 1) times the chart size in cells.
    int GetContentWidth() const;
    int GetContentHeight() const;

    // --- zoom and cell size ---
    // Absolute zoom in percent, clamped to 20...400.
    void SetZoomPercent(int percent);
    // Relative zoom; false when refused (out below a cell height of 11, in
    // from 500 on) or when percent is 100.
    bool ZoomBy(int percent);
    bool ZoomIn() { return ZoomBy(kZoomInPercent); }
    bool ZoomOut() { return ZoomBy(kZoomOutPercent); }
    int GetZoom() const { return m_cellWidth * 100 / kCellWidth100; }
    // Zoom so that a range of this many columns and rows fits the client area.
    void ZoomToFit(int columns, int rows);
    // Values below 1 are taken as 180 and 50; larger than the limit as the limit.
    void SetCellWidth(int width);
    void SetCellHeight(int height);

    // --- flags ---
    void SetGrid(bool shown);
    bool IsGrid() const { return m_grid; }
    void SetNoScroll(bool noScroll);
    bool IsNoScroll() const { return m_noScroll; }
    // Black and white on screen, and in pictures and print.
    void SetBlackWhite(bool blackWhite);
    bool IsBlackWhite() const { return m_blackWhite; }
    void SetOffscreenBlackWhite(bool blackWhite) { m_offscreenBlackWhite = blackWhite; }
    bool IsOffscreenBlackWhite() const { return m_offscreenBlackWhite; }
    bool IsOffscreen() const { return m_offscreen; }
    void SetFocusShown(bool shown);
    bool IsFocusShown() const { return m_focusShown; }
    // Drop feedback while a drag is over the window (cells, inclusive).
    void SetDropFeedback(const R8Rect& cells, bool shown);
    void HideDropFeedback() { SetDropFeedback(m_dropCells, false); }
    // Display mode with a repaint.
    void SetDisplayMode(std::uint16_t mode);

    // --- caret and selection (what the document asks of its view) ---
    CR8EditSFCSel& GetSelection() { return m_selection; }
    const CR8EditSFCSel& GetSelection() const { return m_selection; }
    R8Point GetCaret() const { return m_selection.GetCaret(); }
    // Normalised, inclusive.
    R8Rect GetSelectionRect() const { return m_selection.GetRect(); }
    bool IsSingleCellSelection() const { return m_selection.IsSingleCell(); }
    // Moves the caret (extend keeps the anchor) and repaints what changed.
    void SetCaret(int column, int row, bool extend = false);
    void SetSelection(R8Point anchor, R8Point caret);
    void CollapseSelection();
    // Scrolls so the cell is wholly shown when it fits.
    void ScrollIntoView(int column, int row);
    void EnsureCaretVisible() { ScrollIntoView(GetCaret().x, GetCaret().y); }
    void InvalidateCell(int column, int row);
    // The symbol square of a cell only (online display).
    void InvalidateSymbol(int column, int row);
    void InvalidateAll();

    // --- drawing ---
    // The window's frame: rulers and the visible cells, into a context the
    // size of the client area.
    void DrawScreen(HDC dc);
    // The same into any context, clipped to a pixel rectangle of the client
    // area (the whole client area when rect is null); answers 1.
    int PaintRectToDC(HDC dc, const RECT* rect);
    // Folio boundaries over a pixel rectangle: every kx-th column and ky-th
    // row, with the pen selected in dc.
    void DrawFolioFrame(HDC dc, const RECT& pixels, int kx, int ky);

    // --- folios and pictures ---
    // The folio of the picture route: the single cell at the point.
    BOOL CollectFolio(POINT point, RECT* cells) const;
    // The printer route's folio (column, row) given the cells per folio:
    // its cells within the chart.
    BOOL CollectFolioEx(int folioX, int folioY, int cellsPerFolioX, int cellsPerFolioY,
                        RECT* cells) const;
    // The cells of a folio rectangle drawn off-screen, one pixel taller,
    // in a bitmap compatible with dc (the window's when null). The picture
    // holds no bitmap when none could be made.
    std::unique_ptr<CR8EditPicture> RenderFolio(const RECT& cells, HDC dc);
    // The whole chart (all) or the selection: answers the pixel extent and,
    // with a context, draws it there.
    RECT DrawSummary(bool all, HDC dc);
    // The picture of the selected cells the window puts on the clipboard.
    std::unique_ptr<CR8EditPicture> RenderSelectionPicture(HDC dc);

    // Symbol size u and frame margin a for the current cells.
    int GetArrowSize() const { return SFCArrowSize(GetSymbolSize()); }

protected:
    // Cell rectangle with the cell at origin drawn at the top-left of the
    // chart area (just right of and below the rulers).
    RECT CellRectFrom(int column, int row, R8Point origin) const;

private:
    class OffscreenScope;

    void ApplyCellSize(int width, int height);
    void DrawRulers(CR8EditSFCCanvas& canvas, const RECT& client);
    void DrawCellBackground(CR8EditSFCCanvas& canvas, const RECT& rect, int column, int row);
    void DrawCellContent(CR8EditSFCCanvas& canvas, const RECT& rect, int column, int row);
    // Selects the chart font, background colour, pen 1 and transparent mode.
    void Prologue(HDC dc);
    bool CurrentBlackWhite() const { return m_offscreen ? m_offscreenBlackWhite : m_blackWhite; }
    R8Point Origin() const;
    SIZE ClientSize() const;
    void InvalidateCells(const R8Rect& cells);

    HWND m_window = nullptr;
    const CR8EditSFCDocData* m_document = nullptr;
    int m_extentX = 0;
    int m_extentY = 0;
    int m_visibleColumns = 1;
    int m_visibleRows = 1;
    int m_cellWidth = kCellWidth100;
    int m_cellHeight = kCellHeight100;
    bool m_focusShown = false;
    CR8EditSFCSel m_selection;
    R8Rect m_dropCells;
    bool m_dropShown = false;
    bool m_grid = false;
    bool m_offscreen = false;
    bool m_blackWhite = false;
    bool m_offscreenBlackWhite = false;
    bool m_noScroll = false;
    // Scroll positions when there is no window (pictures only).
    R8Point m_scroll;
};
