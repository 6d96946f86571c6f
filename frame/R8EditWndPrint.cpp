// The window base's printing: folios to a printer context, folios saved as
// pictures, the summary picture of the whole content and the folio layout
// queries. The concrete editor only collects and renders a folio's content.
#include "frame/R8EditSFCApp.h"
#include "frame/R8EditWnd.h"
#include "sfcview/Q2GDIWrapApi.h"

#include <algorithm>
#include <cstdio>

namespace
{

// The picture format the drawing library writes for a saved folio.
constexpr int kFolioPictureFormat = 71;
// A summary is never drawn larger than its share of a page of this many
// pixels across (landscape) or down (portrait).
constexpr double kLandscapeShare = 0.0012605042016806723;
constexpr double kPortraitShare = 0.0009652509652509653;
// A symbol list longer than this is not asked for.
constexpr int kMaxFolioSymbols = 1 << 20;

bool IsEmptyExtent(const RECT& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

// A memory context for a picture on its way to a target context; the
// screen's when the target (a metafile, say) makes none.
HDC CreateSourceDC(HDC target)
{
    HDC dc = CreateCompatibleDC(target);
    return dc != nullptr ? dc : CreateCompatibleDC(nullptr);
}

// Copies a bitmap stretched onto a rectangle of the target.
void StretchBitmap(HDC target, HBITMAP bitmap, int srcWidth, int srcHeight, const RECT& to)
{
    HDC source = CreateSourceDC(target);
    if (source == nullptr)
        return;
    HGDIOBJ old = SelectObject(source, bitmap);
    if (old != nullptr)
    {
        StretchBlt(target, to.left, to.top, to.right - to.left, to.bottom - to.top, source, 0, 0,
                   srcWidth, srcHeight, SRCCOPY);
        SelectObject(source, old);
    }
    DeleteDC(source);
}

} // namespace

POINT CR8EditWnd::SwapScrollPositions(POINT positions)
{
    if (hWnd == nullptr)
        return POINT{0, 0};
    const POINT former{GetScrollPos(hWnd, SB_HORZ), GetScrollPos(hWnd, SB_VERT)};
    SetScrollPos(hWnd, SB_HORZ, positions.x, FALSE);
    SetScrollPos(hWnd, SB_VERT, positions.y, FALSE);
    return former;
}

LPCSTR CR8EditWnd::PrintGetSymbols(int iX, int iY)
{
    symbolList.clear();
    const POINT folio{iX, iY};
    const int count = CountFolioSymbols(folio, nullptr);
    if (count <= 0 || count > kMaxFolioSymbols)
        return symbolList.c_str();
    std::vector<DWORD> ids(static_cast<std::size_t>(count), 0);
    CountFolioSymbols(folio, ids.data());
    for (std::size_t i = 0; i < ids.size(); ++i)
    {
        char number[16];
        std::snprintf(number, sizeof number, "%ld", static_cast<long>(ids[i]));
        if (i != 0)
            symbolList += ',';
        symbolList += number;
    }
    return symbolList.c_str();
}

void CR8EditWnd::PrintFolio(int iX, int iY, LPCSTR szFile)
{
    SaveFolioPicture(POINT{iX, iY}, szFile);
}

void CR8EditWnd::SaveFolioPicture(POINT folio, LPCSTR szFile)
{
    RECT cells = {0, 0, 0, 0};
    std::vector<DWORD> symbols;
    if (!CollectFolio(folio, &cells, &symbols))
        return;
    const POINT scroll = SwapScrollPositions(POINT{0, 0});
    std::unique_ptr<CR8EditPicture> picture = RenderFolioBitmap(&symbols, &cells);
    SwapScrollPositions(scroll);
    // Without the drawing library (or its entry) nothing is saved.
    if (picture && picture->HasBitmap() && szFile != nullptr && *szFile != '\0')
        ModuleGDI().SaveBitmap(picture->GetBitmap(), kFolioPictureFormat, szFile);
}

LPCRECT CR8EditWnd::PrintFolioEx(int iFolioX, int iFolioY, HDC hDC, int iLeftPos, int iTopPos)
{
    lastFolioRect = RECT{0, 0, 0, 0};
    folioLayout.SetPrinting(true);
    const POINT scroll = SwapScrollPositions(POINT{0, 0});
    RECT cells = {0, 0, 0, 0};
    std::vector<DWORD> symbols;
    if (hDC != nullptr && CollectFolioEx(iFolioX, iFolioY, &cells, &symbols))
    {
        const RECT folio = {iLeftPos, iTopPos, iLeftPos + folioLayout.GetFolioWidth(),
                            iTopPos + folioLayout.GetFolioHeight()};
        // The host's own clipping comes back afterwards.
        const int saved = SaveDC(hDC);
        IntersectClipRect(hDC, folio.left, folio.top, folio.right, folio.bottom);
        if (std::unique_ptr<CR8EditPicture> picture = RenderFolio(&symbols, &cells, hDC))
        {
            if (!picture->HasBitmap())
            {
                char text[64];
                std::snprintf(text, sizeof text, "Can not print this folio(X%d,Y%d)", iFolioX,
                              iFolioY);
                RECT where = folio;
                DrawTextA(hDC, text, -1, &where, DT_CALCRECT | DT_SINGLELINE);
                DrawTextA(hDC, text, -1, &where, DT_SINGLELINE);
            }
            else
            {
                const SIZE size = picture->GetSize();
                int width = 0;
                int height = 0;
                folioLayout.PrinterSize(size.cx, size.cy, width, height);
                lastFolioRect = RECT{iLeftPos, iTopPos, iLeftPos + width, iTopPos + height};
                StretchBitmap(hDC, picture->GetBitmap(), size.cx, size.cy, lastFolioRect);
            }
        }
        if (saved != 0)
            RestoreDC(hDC, saved);
        else
            SelectClipRgn(hDC, nullptr);
    }
    folioLayout.SetPrinting(false);
    SwapScrollPositions(scroll);
    return &lastFolioRect;
}

LPCRECT CR8EditWnd::GetFolioRect(int iFolioX, int iFolioY)
{
    const R8FolioRect r = folioLayout.FolioRect(iFolioX, iFolioY);
    lastFolioRect = RECT{r.left, r.top, r.right, r.bottom};
    return &lastFolioRect;
}

void CR8EditWnd::DisplayFolio(BOOL bDisplay)
{
    folioLayout.SetDisplayFolio(bDisplay != FALSE);
    Redraw();
}

BOOL CR8EditWnd::IsDisplayFolio()
{
    return folioLayout.IsDisplayFolio() ? TRUE : FALSE;
}

BOOL CR8EditWnd::SummaryPrint(BOOL bAll, HDC hDC)
{
    if (hDC == nullptr)
        return FALSE;
    HDC memory = CreateSourceDC(hDC);
    const POINT scroll = SwapScrollPositions(POINT{0, 0});
    const int zoom = GetZoom();
    // The zoom read back is rounded, so the cell size is restored as well.
    const int cellWidth = GetCellWidth();
    const int cellHeight = GetCellHeight();
    SetZoom(0, 100);

    RECT extent = {0, 0, 0, 0};
    DrawSummary(&extent, bAll, nullptr);
    const bool drawn = !IsEmptyExtent(extent);
    const int w = extent.right - extent.left;
    const int h = extent.bottom - extent.top;
    HBITMAP bitmap = nullptr;
    if (drawn && memory != nullptr)
        bitmap = CreateCompatibleBitmap(hDC, w, h);
    HGDIOBJ old = nullptr;
    if (bitmap != nullptr)
    {
        old = SelectObject(memory, bitmap);
        DrawSummary(&extent, bAll, memory);
    }
    SwapScrollPositions(scroll);

    if (drawn && bitmap != nullptr)
    {
        const double maxW = summaryWidth != 0 ? summaryWidth : GetDeviceCaps(hDC, HORZRES);
        const double maxH = summaryHeight != 0 ? summaryHeight : GetDeviceCaps(hDC, VERTRES);
        int outW = 0;
        int outH = 0;
        if (w >= h)
        {
            const double scale = std::min(maxW / w, maxW * kLandscapeShare);
            outW = static_cast<int>(w * scale);
            outH = static_cast<int>(static_cast<double>(h) / w * outW);
            if (outH > maxH)
            {
                outW = static_cast<int>(maxH / outH * outW);
                outH = static_cast<int>(maxH);
            }
        }
        else
        {
            const double scale = std::min(maxH / h, maxH * kPortraitShare);
            outH = static_cast<int>(h * scale);
            outW = static_cast<int>(static_cast<double>(w) / h * outH);
            if (outW > maxW)
            {
                outH = static_cast<int>(maxW / outW * outH);
                outW = static_cast<int>(maxW);
            }
        }
        if (outW > 0 && outH > 0)
            StretchBlt(hDC, 0, 0, outW, outH, memory, 0, 0, w, h, SRCCOPY);
    }

    if (old != nullptr)
        SelectObject(memory, old);
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    if (memory != nullptr)
        DeleteDC(memory);
    summaryWidth = 0;
    summaryHeight = 0;
    SetZoom(0, zoom);
    if (cellWidth > 0 && cellHeight > 0 &&
        (GetCellWidth() != cellWidth || GetCellHeight() != cellHeight))
    {
        SetCellWidth(cellWidth);
        SetCellHeight(cellHeight);
    }
    return drawn ? TRUE : FALSE;
}
