// The chart editor's answers to the host's commands.
#include "sfcview/R8EditSFCWnd.h"

#include "chart/R8EditSFCItem.h"
#include "sfcview/R8EditPicture.h"
#include "support/Q2RTLOutParser.h"

#include <cstdlib>
#include <cstring>

namespace
{

constexpr int kDefaultCellWidth = 180;
constexpr int kDefaultCellHeight = 50;

bool IsStepKind(const CR8EditSFCItem& item)
{
    const int t = item.GetType();
    return t == SFC_STEP || t == SFC_INIT_STEP || t == SFC_BEGIN_STEP || t == SFC_END_STEP;
}

// The number after a symbol prefix ("GT12" -> 12); -1 when there is none.
int NumberAfter(const std::string& symbol, const char* prefix)
{
    const std::size_t n = std::strlen(prefix);
    if (symbol.size() <= n || _strnicmp(symbol.c_str(), prefix, n) != 0)
        return -1;
    for (std::size_t i = n; i < symbol.size(); ++i)
        if (symbol[i] < '0' || symbol[i] > '9')
            return -1;
    return std::atoi(symbol.c_str() + n);
}

} // namespace

void CR8EditSFCWnd::SetReadOnly(BOOL bReadOnly)
{
    CR8EditWnd::SetReadOnly(bReadOnly);
    doc.SetReadOnly(bReadOnly || IsDebug());
}

BOOL CR8EditSFCWnd::IsReadOnly()
{
    return CR8EditWnd::IsReadOnly() || IsDebug();
}

void CR8EditSFCWnd::SetModified(BOOL bModified)
{
    doc.SetModified(bModified != FALSE);
}

BOOL CR8EditSFCWnd::IsModified()
{
    return doc.IsModified();
}

void CR8EditSFCWnd::SetDebug(BOOL bDebug)
{
    CR8EditWnd::SetDebug(bDebug);
    doc.SetReadOnly(CR8EditWnd::IsReadOnly() || IsDebug());
    view.InvalidateAll();
}

BOOL CR8EditSFCWnd::IsEmpty()
{
    return doc.GetItems().empty();
}

BOOL CR8EditSFCWnd::HasSelection()
{
    return SelectionHoldsElement();
}

BOOL CR8EditSFCWnd::CanCut()
{
    return doc.CanCut() && !IsReadOnly();
}

void CR8EditSFCWnd::Cut()
{
    if (!CanCut())
        return;
    Copy();
    Clear();
}

void CR8EditSFCWnd::Clear()
{
    if (IsReadOnly())
        return;
    const std::string before = doc.SaveToString(nullptr, textResult) ? textResult : std::string();
    doc.DeleteSelection();
    std::string after;
    doc.SaveToString(nullptr, after);
    AfterEdit(after != before);
}

BOOL CR8EditSFCWnd::CanCopy()
{
    return enableCopy && SelectionHoldsElement();
}

UINT CR8EditSFCWnd::ChartClipboardFormat() const
{
    return RegisterClipboardFormatA("CF_Q2SFC");
}

void CR8EditSFCWnd::Copy()
{
    if (!CanCopy())
        return;
    std::string fragment;
    if (!doc.CopyFragment(fragment))
        return;
    if (!OpenClipboard(GetHwnd()))
        return;
    EmptyClipboard();
    // Movable, zero-filled, with the terminating zero.
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, fragment.size() + 1))
    {
        if (void* p = GlobalLock(memory))
        {
            std::memcpy(p, fragment.c_str(), fragment.size() + 1);
            GlobalUnlock(memory);
            if (SetClipboardData(ChartClipboardFormat(), memory) == nullptr)
                GlobalFree(memory);
        }
        else
            GlobalFree(memory);
    }
    if (copyBitmap)
    {
        std::unique_ptr<CR8EditPicture> picture = view.RenderSelectionPicture(nullptr);
        if (picture && picture->GetBitmap() != nullptr)
        {
            // The clipboard owns the bitmap from now on.
            if (SetClipboardData(CF_BITMAP, picture->GetBitmap()) != nullptr)
                picture->Detach();
        }
    }
    CloseClipboard();
}

BOOL CR8EditSFCWnd::CanPaste()
{
    return !IsReadOnly() && IsClipboardFormatAvailable(ChartClipboardFormat());
}

void CR8EditSFCWnd::Paste()
{
    if (!CanPaste() || !OpenClipboard(GetHwnd()))
        return;
    std::string text;
    if (HANDLE data = GetClipboardData(ChartClipboardFormat()))
    {
        const SIZE_T size = GlobalSize(data);
        if (const char* p = static_cast<const char*>(GlobalLock(data)))
        {
            text.assign(p, strnlen(p, size));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    if (text.empty())
        return;
    const R8Point c = Caret();
    const bool merged = doc.PasteFragment(text, c.x, c.y, CR8EditSFCDocData::ScanExtent(text));
    AfterEdit(merged);
}

void CR8EditSFCWnd::InsertTextAt(POINT cell, LPCSTR szText)
{
    if (szText == nullptr || *szText == '\0' || IsReadOnly())
        return;
    const bool merged =
        doc.PasteFragment(szText, cell.x, cell.y, CR8EditSFCDocData::ScanExtent(szText));
    AfterEdit(merged);
}

BOOL CR8EditSFCWnd::CanUndo()
{
    return doc.CanUndo();
}

void CR8EditSFCWnd::Undo()
{
    if (doc.UndoRedoStep(true))
        AfterEdit(true);
}

BOOL CR8EditSFCWnd::CanRedo()
{
    return doc.CanRedo();
}

void CR8EditSFCWnd::Redo()
{
    if (doc.UndoRedoStep(false))
        AfterEdit(true);
}

void CR8EditSFCWnd::EmptyUndoStack()
{
    doc.EmptyUndoStack();
}

int CR8EditSFCWnd::UndoRedoSize(int iSize)
{
    return doc.UndoRedoSize(iSize);
}

BOOL CR8EditSFCWnd::CanSelectAll()
{
    return TRUE;
}

void CR8EditSFCWnd::SelectAll()
{
    const int lastColumn = doc.GetWidth() > 0 ? doc.GetWidth() - 1 : 0;
    const int lastRow = doc.GetHeight() > 0 ? doc.GetHeight() - 1 : 0;
    view.SetSelection(R8Point{0, 0}, R8Point{lastColumn, lastRow});
    view.EnsureCaretVisible();
    view.InvalidateAll();
    NotifyHost(3);
}

void CR8EditSFCWnd::SetZoom(int iDir, int iRatio)
{
    switch (iDir)
    {
    case -1:
        view.ZoomOut();
        break;
    case 1:
        view.ZoomIn();
        break;
    case 2:
        view.ZoomToFit(doc.GetWidth(), doc.GetHeight());
        view.ScrollTo(0, 0);
        break;
    case 3:
    {
        const R8Rect s = view.GetSelectionRect();
        view.ZoomToFit(s.right - s.left + 1, s.bottom - s.top + 1);
        view.ScrollTo(s.left, s.top);
        break;
    }
    default:
        view.SetZoomPercent(iRatio);
        break;
    }
    Refresh();
    view.InvalidateAll();
}

int CR8EditSFCWnd::GetZoom()
{
    return view.GetZoom();
}

void CR8EditSFCWnd::SetGrid(BOOL bGrid)
{
    view.SetGrid(bGrid != FALSE);
    CR8EditWnd::SetGrid(bGrid);
}

BOOL CR8EditSFCWnd::IsGridVisible()
{
    return view.IsGrid();
}

void CR8EditSFCWnd::EnsureSelVisible()
{
    view.EnsureCaretVisible();
    SetFocusState(TRUE);
}

void CR8EditSFCWnd::SetFocusState(BOOL bFocus)
{
    const BOOL had = hasFocus;
    CR8EditWnd::SetFocusState(bFocus);
    view.SetFocusShown(bFocus != FALSE);
    if (bFocus && !had)
        NotifyHost(8);
}

BOOL CR8EditSFCWnd::CanSave()
{
    return enabled;
}

void CR8EditSFCWnd::Save(LPCSTR szPath)
{
    if (szPath != nullptr && *szPath != '\0')
        doc.SaveToFile(szPath);
}

void CR8EditSFCWnd::Load(LPCSTR szPath)
{
    if (szPath == nullptr || *szPath == '\0')
        return;
    doc.LoadFromFile(szPath);
    Refresh();
    // A chart one row high gets the caret below it, where the next element goes.
    const R8Point anchor = view.GetSelection().GetAnchor();
    view.SetSelection(anchor, R8Point{0, doc.GetHeight() == 1 ? 1 : 0});
    view.EnsureCaretVisible();
    view.InvalidateAll();
    NotifyChanged();
}

void CR8EditSFCWnd::SetText(LPCSTR szText)
{
    doc.LoadFromText(szText != nullptr ? szText : "");
    Refresh();
    view.InvalidateAll();
    NotifyChanged();
}

LPCSTR CR8EditSFCWnd::GetText()
{
    std::string text;
    doc.SaveToString(nullptr, text);
    return Keep(std::move(text));
}

int CR8EditSFCWnd::GetTextLenght()
{
    std::string text;
    doc.SaveToString(nullptr, text);
    return static_cast<int>(text.size());
}

void CR8EditSFCWnd::LocateError(LPCSTR szError)
{
    if (szError == nullptr)
        return;
    std::string symbol;
    r8::CQ2RTLOutParser parser;
    if (parser.ParseLine(szError) == 0 || parser.GetElementPart(&symbol) == 0)
    {
        // A bare symbol ("GS7") names the element by itself.
        symbol = szError;
        while (!symbol.empty() && (symbol.back() == ' ' || symbol.back() == '\t'))
            symbol.pop_back();
        const std::size_t dash = symbol.find('-');
        if (dash != std::string::npos)
            symbol.resize(dash);
    }
    const CR8EditSFCItem* target = nullptr;
    int n = -1;
    if ((n = NumberAfter(symbol, "GT")) >= 0)
        target = doc.FindByNumber(SFC_TRANS, n);
    else if ((n = NumberAfter(symbol, "GS")) >= 0)
    {
        for (const auto& item : doc.GetItems())
        {
            if (IsStepKind(*item) && item->GetNumber() == n && doc.ItemAt(item->GetColumn(), item->GetRow()) == item.get())
            {
                target = item.get();
                break;
            }
        }
        if (target == nullptr)
        {
            // No such step: a jump to that step number stands for it.
            for (const auto& item : doc.GetItems())
                if (item->GetType() == SFC_JUMP && item->GetNumber() == n)
                {
                    target = item.get();
                    break;
                }
        }
    }
    else if ((n = NumberAfter(symbol, "GM")) >= 0)
        target = doc.FindByNumber(SFC_MACRO, n);
    if (target != nullptr)
        MoveCaret(target->GetColumn(), target->GetRow(), false);
}

long CR8EditSFCWnd::GetCurPos()
{
    POINT pt;
    RECT client;
    if (GetHwnd() != nullptr && GetCursorPos(&pt) && ScreenToClient(GetHwnd(), &pt) &&
        GetClientRect(GetHwnd(), &client) && PtInRect(&client, pt))
    {
        const R8Point cell = view.CellFromPoint(pt);
        if (cell.x >= 0 && cell.y >= 0)
            return PackCell(cell.x, cell.y);
    }
    return GetCaret();
}

long CR8EditSFCWnd::GetSelSize()
{
    const R8Rect s = view.GetSelectionRect();
    return PackCell(s.right - s.left + 1, s.bottom - s.top + 1);
}

long CR8EditSFCWnd::GetSelPos()
{
    const R8Rect s = view.GetSelectionRect();
    return PackCell(s.left, s.top);
}

long CR8EditSFCWnd::GetCaret()
{
    const R8Point c = Caret();
    return PackCell(c.x, c.y);
}

int CR8EditSFCWnd::GetCellHeight()
{
    return view.GetCellHeight();
}

int CR8EditSFCWnd::GetCellWidth()
{
    return view.GetCellWidth();
}

void CR8EditSFCWnd::SetCellHeight(int iHeight)
{
    view.SetCellHeight(iHeight < 1 ? kDefaultCellHeight : iHeight);
    Refresh();
    view.InvalidateAll();
}

void CR8EditSFCWnd::SetCellWidth(int iWidth)
{
    view.SetCellWidth(iWidth < 1 ? kDefaultCellWidth : iWidth);
    Refresh();
    view.InvalidateAll();
}

DWORD CR8EditSFCWnd::GetItemType()
{
    const CR8EditSFCItem* item = ItemAtCaret();
    return item != nullptr ? static_cast<DWORD>(item->GetItemType()) : 0;
}

BOOL CR8EditSFCWnd::HideScroll(BOOL bHide)
{
    view.SetNoScroll(bHide != FALSE);
    Refresh();
    return TRUE;
}

BOOL CR8EditSFCWnd::SetSFCSettings(str_R8SFCSettings* pStrSettings)
{
    if (pStrSettings == nullptr)
        return FALSE;
    settings = pStrSettings->dwFlags;
    return TRUE;
}

BOOL CR8EditSFCWnd::SetSFCSettings2(DWORD dwFlags)
{
    settings = dwFlags & 1;
    return TRUE;
}

#define R8_INSERT(Name)                                                                          \
    void CR8EditSFCWnd::Name()                                                                   \
    {                                                                                            \
        AfterEdit(doc.Name() != nullptr);                                                        \
    }
R8_INSERT(InsertStep)
R8_INSERT(InsertInitStep)
R8_INSERT(InsertTrans)
R8_INSERT(InsertMainDiv)
R8_INSERT(InsertDiv)
R8_INSERT(InsertCnv)
R8_INSERT(InsertMacro)
R8_INSERT(InsertMacroBody)
R8_INSERT(InsertJump)
R8_INSERT(InsertComment)
#undef R8_INSERT

BOOL CR8EditSFCWnd::CanInsert()
{
    return !IsReadOnly();
}

BOOL CR8EditSFCWnd::CanRenumber()
{
    return !IsReadOnly();
}

void CR8EditSFCWnd::Renumber()
{
    AfterEdit(doc.Renumber());
}

BOOL CR8EditSFCWnd::CanSwapStyle()
{
    return !IsReadOnly() && doc.CanSwapStyle();
}

void CR8EditSFCWnd::SwapStyle()
{
    const R8Point c = Caret();
    AfterEdit(doc.SwapStyleAt(c.x, c.y));
}

BOOL CR8EditSFCWnd::CanSwapItemStyle()
{
    return CanSwapStyle();
}

void CR8EditSFCWnd::SwapItemStyle()
{
    SwapStyle();
}

void CR8EditSFCWnd::LockElement(BOOL bLock, int iKind, int iRef)
{
    doc.LockElement(bLock != FALSE, iKind, iRef);
    view.InvalidateAll();
}

BOOL CR8EditSFCWnd::IsElementLock(int iKind, int iRef)
{
    return doc.IsElementLock(iKind, iRef);
}

void CR8EditSFCWnd::Lock(BOOL bLock)
{
    doc.LockAtCaret(bLock != FALSE);
    view.InvalidateAll();
}

LPCSTR CR8EditSFCWnd::GetElementText(int iKind, int iRef, int iPart)
{
    return Keep(doc.GetElementText(iKind, iRef, iPart));
}

void CR8EditSFCWnd::SetElementText(int iKind, int iRef, int iPart, LPCSTR szText)
{
    AfterEdit(doc.SetElementText(iKind, iRef, iPart, szText != nullptr ? szText : ""));
}

int CR8EditSFCWnd::GetElementLanguage(int iKind, int iRef, int iPart)
{
    return doc.GetElementLanguage(iKind, iRef, iPart);
}

long CR8EditSFCWnd::IsSelStep()
{
    return doc.IsSelStep();
}

long CR8EditSFCWnd::IsSelTrans()
{
    return doc.IsSelTrans();
}

long CR8EditSFCWnd::IsSelMacro()
{
    return doc.IsSelMacro();
}

DWORD CR8EditSFCWnd::IsSelComment()
{
    return static_cast<DWORD>(doc.IsSelComment());
}

long CR8EditSFCWnd::GetSelRefNum()
{
    return doc.GetSelRefNum();
}

void CR8EditSFCWnd::EnterSelRef()
{
    AfterEdit(doc.EnterReference(-1));
}

BOOL CR8EditSFCWnd::CanEnterSelRef()
{
    return doc.CanEnterSelRef();
}

BOOL CR8EditSFCWnd::CanEditSelCode()
{
    return doc.CanEditSelCode();
}

void CR8EditSFCWnd::SetNoteDisplay(BOOL bSet)
{
    view.SetDisplayMode(bSet ? 1 : 0);
    view.InvalidateAll();
}

BOOL CR8EditSFCWnd::GetNoteDisplay()
{
    return view.GetDisplay() == 1;
}

void CR8EditSFCWnd::SetDisplay(WORD wDisplay)
{
    view.SetDisplayMode(wDisplay);
    view.InvalidateAll();
}

WORD CR8EditSFCWnd::GetDisplay()
{
    return view.GetDisplay();
}

const CR8EditSFCItem* CR8EditSFCWnd::SelectNextItem(bool loop)
{
    const CR8EditSFCItem* next = doc.FindNext(ItemAtCaret(), loop, 0);
    if (next == nullptr)
        return nullptr;
    MoveCaret(next->GetColumn(), next->GetRow(), false);
    view.InvalidateAll();
    return next;
}

long CR8EditSFCWnd::NextPosItem(BOOL bLoop)
{
    const CR8EditSFCItem* next = SelectNextItem(bLoop != FALSE);
    return next != nullptr ? next->GetNumber() : 0;
}

long CR8EditSFCWnd::IsStep(int iX, int iY)
{
    return NumberAt(iX, iY, [](const CR8EditSFCItem& i) { return IsStepKind(i); });
}

long CR8EditSFCWnd::IsTrans(int iX, int iY)
{
    return NumberAt(iX, iY, [](const CR8EditSFCItem& i) { return i.GetType() == SFC_TRANS; });
}

long CR8EditSFCWnd::IsComment(int iX, int iY)
{
    return NumberAt(iX, iY, [](const CR8EditSFCItem& i) { return i.GetType() == SFC_NOTE; });
}

long CR8EditSFCWnd::IsMacro(int iX, int iY)
{
    return NumberAt(iX, iY, [](const CR8EditSFCItem& i) { return i.GetType() == SFC_MACRO; });
}

DWORD CR8EditSFCWnd::GetItemGUID(int iX, int iY)
{
    const CR8EditSFCItem* item = doc.ItemAt(iX, iY);
    return item != nullptr ? item->GetKey() : 0;
}

void CR8EditSFCWnd::GotoXY(DWORD dwX, DWORD dwY)
{
    const int column = dwX > 0x7FFF ? 0x7FFF : static_cast<int>(dwX);
    const int row = dwY > 0x7FFF ? 0x7FFF : static_cast<int>(dwY);
    MoveCaret(column, row, false);
    view.InvalidateAll();
}

int CR8EditSFCWnd::GetHeight()
{
    return doc.GetHeight();
}

int CR8EditSFCWnd::GetWidth()
{
    return doc.GetWidth();
}

int CR8EditSFCWnd::GetContentWidth()
{
    return view.GetContentWidth();
}

int CR8EditSFCWnd::GetContentHeight()
{
    return view.GetContentHeight();
}

void CR8EditSFCWnd::SetTimer()
{
    AfterEdit(doc.SetTimer());
}

BOOL CR8EditSFCWnd::SetBW(BOOL bBackWhite)
{
    view.SetBlackWhite(bBackWhite != FALSE);
    view.InvalidateAll();
    return TRUE;
}

void CR8EditSFCWnd::SetInstance(LPCSTR szInstance)
{
    instanceName = szInstance != nullptr ? szInstance : "";
}

void CR8EditSFCWnd::SetParent(LPCSTR szParent)
{
    parentName = szParent != nullptr ? szParent : "";
}

LPCSTR CR8EditSFCWnd::GetInstance()
{
    return instanceName.c_str();
}

LPCSTR CR8EditSFCWnd::GetParent()
{
    return parentName.c_str();
}

void CR8EditSFCWnd::SetBookmark(BOOL bSet)
{
    doc.SetBookmark(bSet != FALSE);
    view.InvalidateAll();
}

BOOL CR8EditSFCWnd::IsBookmark()
{
    return doc.IsBookmark();
}

void CR8EditSFCWnd::DeleteAllBookmark()
{
    doc.ClearBookmarks();
    view.InvalidateAll();
}

void CR8EditSFCWnd::ToggleBookmarkAtCaret()
{
    doc.ToggleBookmark();
    view.InvalidateAll();
}

void CR8EditSFCWnd::GoNextBookmark()
{
    doc.NextBookmark();
    view.InvalidateAll();
}

void CR8EditSFCWnd::GoPrevBookmark()
{
    doc.PreviousBookmark();
    view.InvalidateAll();
}

void CR8EditSFCWnd::SetPrinterSetup(str_R8PrintFolioSetup* pStrSetup)
{
    if (pStrSetup != nullptr)
        view.SetOffscreenBlackWhite(pStrSetup->dwBlackWhite != 0);
}

void CR8EditSFCWnd::DrawContent(HDC hDC, PAINTSTRUCT*)
{
    view.DrawScreen(hDC);
}

int CR8EditSFCWnd::PaintRectToDC(HDC hDC, const RECT* pRect)
{
    return view.PaintRectToDC(hDC, pRect);
}

BOOL CR8EditSFCWnd::Find(const CR8FindRecord* pRecord, CR8FindResult* pResult)
{
    if (pRecord == nullptr)
        return FALSE;
    R8SFCFindRecord record;
    record.findText = pRecord->find;
    record.command = pRecord->command;
    record.flags = pRecord->flags;
    const CR8EditSFCItem* found = doc.Find(record, view.GetSelectionRect(), Caret());
    if (found == nullptr)
        return FALSE;
    MoveCaret(found->GetColumn(), found->GetRow(), false);
    if (pResult != nullptr)
    {
        pResult->found = TRUE;
        pResult->count = 1;
        pResult->line = found->GetRow();
        pResult->column = found->GetColumn();
    }
    return TRUE;
}

BOOL CR8EditSFCWnd::FindAgain()
{
    return FALSE;
}

void CR8EditSFCWnd::GetScrollUnits(int* pUnitX, int* pUnitY)
{
    if (pUnitX != nullptr)
        *pUnitX = view.GetCellWidth();
    if (pUnitY != nullptr)
        *pUnitY = view.GetCellHeight();
}
