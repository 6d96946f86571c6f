// The chart editor's share of printing: its folios are blocks of cells laid
// out by the base's folio layout with the view's cell size.
#include "sfcview/R8EditSFCWnd.h"

namespace
{

// Whether the screen can hold a folio bitmap of this size; the bitmap is
// made and dropped at once.
bool CanMakeScreenBitmap(int width, int height)
{
    if (width <= 0 || height <= 0)
        return false;
    HDC screen = GetDC(nullptr);
    if (screen == nullptr)
        return false;
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (bitmap == nullptr)
        return false;
    DeleteObject(bitmap);
    return true;
}

} // namespace

void CR8EditSFCWnd::RecomputeFolio()
{
    folioLayout.ComputeUnitsPerFolio(view.GetCellWidth(), view.GetCellHeight());
}

BOOL CR8EditSFCWnd::CollectFolio(POINT point, RECT* pCells, std::vector<DWORD>* pList)
{
    if (pList != nullptr)
        pList->clear();
    return view.CollectFolio(point, pCells);
}

BOOL CR8EditSFCWnd::CollectFolioEx(int iFolioX, int iFolioY, RECT* pCells,
                                   std::vector<DWORD>* pList)
{
    if (pList != nullptr)
        pList->clear();
    return view.CollectFolioEx(iFolioX, iFolioY, folioLayout.GetUnitsPerFolioX(),
                               folioLayout.GetUnitsPerFolioY(), pCells);
}

void CR8EditSFCWnd::DrawFolioFrame(HDC hDC, int iLeft, int iTop, int iRight, int iBottom)
{
    view.DrawFolioFrame(hDC, RECT{iLeft, iTop, iRight, iBottom}, folioLayout.FrameStepX(),
                        folioLayout.FrameStepY());
}

std::unique_ptr<CR8EditPicture> CR8EditSFCWnd::RenderFolioBitmap(const std::vector<DWORD>* pList,
                                                                 const RECT* pCells)
{
    return RenderFolio(pList, pCells, nullptr);
}

std::unique_ptr<CR8EditPicture> CR8EditSFCWnd::RenderFolio(const std::vector<DWORD>*,
                                                           const RECT* pCells, HDC hDC)
{
    if (pCells == nullptr)
        return nullptr;
    return view.RenderFolio(*pCells, hDC);
}

void CR8EditSFCWnd::DrawSummary(RECT* pExtent, BOOL bAll, HDC hDC)
{
    const RECT extent = view.DrawSummary(bAll != FALSE, hDC);
    if (pExtent != nullptr)
        *pExtent = extent;
}

int CR8EditSFCWnd::PrintGetNbVertFolio()
{
    return folioLayout.FolioCountY(doc.GetHeight());
}

int CR8EditSFCWnd::PrintGetNbHorzFolio()
{
    return folioLayout.FolioCountX(doc.GetWidth());
}

int CR8EditSFCWnd::GetNbVertFolioEx()
{
    return PrintGetNbVertFolio();
}

int CR8EditSFCWnd::GetNbHorzFolioEx()
{
    return PrintGetNbHorzFolio();
}

BOOL CR8EditSFCWnd::IsPrintGraphic()
{
    return TRUE;
}

BOOL CR8EditSFCWnd::SetPrinter(int iDPIX, int iDPIY, int iFolioWidth, int iFolioHeight)
{
    folioLayout.SetPrinter(iDPIX, iDPIY, iFolioWidth, iFolioHeight);
    RecomputeFolio();
    Redraw();
    return TRUE;
}

BOOL CR8EditSFCWnd::ForcePrintZoom(BOOL, int iZoom)
{
    // The chart always prints at its own zoom: only the value is kept.
    folioLayout.ForceZoom(false, iZoom);
    if (IsDisplayFolio())
        Redraw();
    return FALSE;
}

BOOL CR8EditSFCWnd::AdjustFolio(int iMaxFolioX, int iMaxFolioY)
{
    const bool fitted =
        folioLayout.Fit(iMaxFolioX, iMaxFolioY, doc.GetWidth(), doc.GetHeight(),
                        view.GetCellWidth(), view.GetCellHeight(), CanMakeScreenBitmap);
    Redraw();
    return fitted ? TRUE : FALSE;
}
