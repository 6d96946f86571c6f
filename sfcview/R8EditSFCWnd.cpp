#include "sfcview/R8EditSFCWnd.h"

#include "chart/R8EditSFCItem.h"
#include "frame/R8EditSFCApp.h"
#include "sfcview/R8EditSFCCommentBox.h"

CR8EditSFCWnd::CR8EditSFCWnd()
{
    doc.SetView(&docView);
    doc.SetPrompt(&prompt);
    doc.SetBeep(&beeper);
    view.SetDocument(&doc);
    RecomputeFolio();
}

CR8EditSFCWnd::~CR8EditSFCWnd()
{
    doc.SetView(nullptr);
    if (panCursor != nullptr)
        DestroyCursor(panCursor);
}

void CR8EditSFCWnd::OnCreate(HWND window, const CREATESTRUCTA* create)
{
    Initialise(window, create);
    panCursor = LoadCursorA(ModuleInstance(), "IDC_MIDDLE");
    doc.SetNoteParent(&noteParent);
    view.SetWindow(window);
    Refresh();
}

LPCSTR CR8EditSFCWnd::GetClassName()
{
    return "CR8EditSFCWnd";
}

long CR8EditSFCWnd::PackCell(int column, int row)
{
    return static_cast<long>((static_cast<DWORD>(row & 0xFFFF) << 16) | static_cast<DWORD>(column & 0xFFFF));
}

void CR8EditSFCWnd::Refresh()
{
    view.RecalcLayout();
    RecomputeFolio();
}

void CR8EditSFCWnd::NotifyChanged()
{
    NotifyHost(20);
}

void CR8EditSFCWnd::AfterEdit(bool changed)
{
    Refresh();
    view.InvalidateAll();
    if (changed)
        NotifyChanged();
}

void CR8EditSFCWnd::MoveCaret(int column, int row, bool extend)
{
    const R8Point before = view.GetCaret();
    const R8Rect selection = view.GetSelectionRect();
    view.SetCaret(column < 0 ? 0 : column, row < 0 ? 0 : row, extend);
    view.EnsureCaretVisible();
    const R8Point after = view.GetCaret();
    const R8Rect now = view.GetSelectionRect();
    if (before.x != after.x || before.y != after.y || selection.left != now.left ||
        selection.top != now.top || selection.right != now.right || selection.bottom != now.bottom)
        NotifyHost(3);
}

CR8EditSFCItem* CR8EditSFCWnd::ItemAtCaret() const
{
    const R8Point c = view.GetCaret();
    return doc.ItemAt(c.x, c.y);
}

long CR8EditSFCWnd::NumberAt(int column, int row, bool (*test)(const CR8EditSFCItem&)) const
{
    const CR8EditSFCItem* item = doc.ItemAt(column, row);
    return item != nullptr && test(*item) ? item->GetNumber() : 0;
}

bool CR8EditSFCWnd::SelectionHoldsElement() const
{
    const R8Rect s = view.GetSelectionRect();
    if (s.left == s.right && s.top == s.bottom)
        return doc.ItemAt(s.left, s.top) != nullptr;
    for (const auto& item : doc.GetItems())
    {
        const int c = item->GetColumn();
        const int r = item->GetRow();
        if (c >= s.left && c <= s.right && r >= s.top && r <= s.bottom && doc.ItemAt(c, r) == item.get())
            return true;
    }
    return false;
}

LPCSTR CR8EditSFCWnd::Keep(std::string text)
{
    textResult = std::move(text);
    return textResult.c_str();
}

std::unique_ptr<CR8NoteBox> CR8EditSFCWnd::NoteParent::CreateNoteBox()
{
    return CreateChartNoteBox();
}

// --- the document's window side ---

R8Point CR8EditSFCWnd::DocView::GetCaret() const
{
    return owner.view.GetSelection().GetCaret();
}

R8Point CR8EditSFCWnd::DocView::GetAnchor() const
{
    return owner.view.GetSelection().GetAnchor();
}

void CR8EditSFCWnd::DocView::SetCaret(int column, int row)
{
    owner.MoveCaret(column, row, false);
}

void CR8EditSFCWnd::DocView::ScrollCaretIntoView()
{
    owner.view.EnsureCaretVisible();
}

void CR8EditSFCWnd::DocView::RepaintCell(int column, int row)
{
    owner.view.InvalidateCell(column, row);
}

void CR8EditSFCWnd::DocView::RepaintAll()
{
    owner.view.InvalidateAll();
}

std::intptr_t CR8EditSFCWnd::DocView::GetWindowHandle() const
{
    return reinterpret_cast<std::intptr_t>(owner.GetHwnd());
}

const CR8EditSFCItemView* CR8EditSFCWnd::DocView::GetGeometry() const
{
    return &owner.view;
}

// --- window messages ---

bool CR8EditSFCWnd::PreHandleMessage(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

void CR8EditSFCWnd::OnSize(int, int)
{
    Refresh();
}

void CR8EditSFCWnd::OnSysColorChange()
{
    view.RebuildFonts(view.GetCellHeight());
    Refresh();
    view.InvalidateAll();
}

int CR8EditSFCWnd::OnKeyDown(WPARAM key, LPARAM)
{
    const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    const R8Point c = view.GetCaret();
    switch (key)
    {
    case VK_LEFT:
        MoveCaret(c.x - 1, c.y, shift);
        return 1;
    case VK_RIGHT:
        MoveCaret(c.x + 1, c.y, shift);
        return 1;
    case VK_UP:
        MoveCaret(c.x, c.y - 1, shift);
        return 1;
    case VK_DOWN:
        MoveCaret(c.x, c.y + 1, shift);
        return 1;
    case VK_HOME:
        MoveCaret(0, c.y, shift);
        return 1;
    case VK_RETURN:
        NotifyHost(1);
        return 1;
    default:
        return 0;
    }
}

void CR8EditSFCWnd::OnChar(WPARAM, LPARAM) {}

void CR8EditSFCWnd::OnScroll(int bar, int code, int position)
{
    const int vertical = bar == SB_VERT;
    int column = view.GetFirstColumn();
    int row = view.GetFirstRow();
    int& first = vertical ? row : column;
    const int page = vertical ? view.GetVisibleRows() : view.GetVisibleColumns();
    switch (code)
    {
    case SB_LINEUP:
        --first;
        break;
    case SB_LINEDOWN:
        ++first;
        break;
    case SB_PAGEUP:
        first -= page > 1 ? page - 1 : 1;
        break;
    case SB_PAGEDOWN:
        first += page > 1 ? page - 1 : 1;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        first = position;
        break;
    case SB_TOP:
        first = 0;
        break;
    default:
        return;
    }
    view.ScrollTo(column < 0 ? 0 : column, row < 0 ? 0 : row);
}

void CR8EditSFCWnd::OnMouseMove(WPARAM keys, POINT pt)
{
    if ((keys & MK_LBUTTON) && ModuleCapture().left)
    {
        const R8Point cell = view.CellFromPoint(pt);
        MoveCaret(cell.x, cell.y, true);
    }
}

void CR8EditSFCWnd::OnLButtonDown(WPARAM keys, POINT pt)
{
    SetFocus(GetHwnd());
    const R8Point cell = view.CellFromPoint(pt);
    MoveCaret(cell.x, cell.y, (keys & MK_SHIFT) != 0);
}

void CR8EditSFCWnd::OnLButtonUp(WPARAM, POINT) {}

bool CR8EditSFCWnd::OnLButtonDblClk(WPARAM, POINT pt)
{
    // While the settings word is set, a double click on a zone of a step's
    // text box tells the host which text to open: 30 plus the text part.
    if (settings == 0)
        return false;
    const R8Point cell = view.CellFromPoint(pt);
    const CR8EditSFCItem* item = doc.ItemAt(cell.x, cell.y);
    if (item == nullptr)
        return false;
    const int type = item->GetType();
    if (type != SFC_STEP && type != SFC_INIT_STEP && type != SFC_BEGIN_STEP && type != SFC_END_STEP)
        return false;
    const RECT r = view.CellRect(cell.x, cell.y);
    const int u = view.GetSymbolSize();
    const int a = view.GetArrowSize();
    const int left = r.left + u + a;
    if (r.right - r.left < 2 * u || pt.x < left)
        return false;
    const int height = r.bottom - r.top;
    int part = SFC_TEXT_MAIN;
    switch (view.GetDisplay())
    {
    case 1:
        part = SFC_TEXT_NOTE;
        break;
    case 2:
        part = SFC_TEXT_MAIN;
        break;
    default:
        if (pt.x >= left + view.MeasureTextBox(" Act."))
            part = SFC_TEXT_NOTE;
        else if (pt.y < r.top + height / 4)
            part = SFC_TEXT_MAIN;
        else if (pt.y < r.top + height / 2)
            part = SFC_TEXT_P1;
        else if (pt.y <= r.top + 3 * height / 4)
            part = SFC_TEXT_N;
        else
            part = SFC_TEXT_P0;
        break;
    }
    NotifyHost(static_cast<WORD>(30 + part));
    return true;
}

void CR8EditSFCWnd::OnRButtonUp(WPARAM, POINT) {}

void CR8EditSFCWnd::OnMButtonDown(POINT)
{
    if (panCursor != nullptr)
        ::SetCursor(panCursor);
}

void CR8EditSFCWnd::OnMButtonUp() {}

void CR8EditSFCWnd::SelectCellAt(POINT pt)
{
    const R8Point cell = view.CellFromPoint(pt);
    MoveCaret(cell.x, cell.y, false);
}

void CR8EditSFCWnd::HideTooltip() {}
