// The base message handler: the messages every editor of the family answers
// the same way, and the database service's change events.
#include "frame/R8EditWnd.h"

namespace
{

using Handler = LRESULT (*)(CR8EditWnd& w, WPARAM wp, LPARAM lp);

struct UserMessage
{
    UINT offset; // from WM_USER
    Handler handler;
};

LPCSTR TextOf(LPARAM lp)
{
    return reinterpret_cast<LPCSTR>(lp);
}

BOOL Flag(WPARAM wp)
{
    return wp != 0 ? TRUE : FALSE;
}

// The folio a message names in wParam: column low word, row high word. It is
// read as a value, so no address from the caller is followed.
bool PointAt(WPARAM wp, POINT& pt)
{
    pt = POINT{static_cast<short>(LOWORD(wp)), static_cast<short>(HIWORD(wp))};
    return true;
}

#define R8_DO(expr) [](CR8EditWnd & w, WPARAM wp, LPARAM lp) -> LRESULT { (void)w; (void)wp; (void)lp; expr; return 0; }
#define R8_RET(expr) [](CR8EditWnd & w, WPARAM wp, LPARAM lp) -> LRESULT { (void)w; (void)wp; (void)lp; return static_cast<LRESULT>(expr); }

const UserMessage kUserMessages[] = {
    {0, R8_RET(w.OnDBEvent(static_cast<DWORD>(wp), static_cast<DWORD_PTR>(lp)))},
    {3, R8_RET(w.SetProjectPath(TextOf(lp)))},
    {4, R8_RET(w.IsReadOnly())},
    {5, R8_DO(w.SetReadOnly(Flag(wp)))},
    {6, R8_RET(w.IsEnable())},
    {7, R8_DO(w.SetEnable(Flag(wp)))},
    {8, R8_DO(w.SetDebug(Flag(wp)))},
    {9, R8_RET(w.CanSave())},
    {10, R8_DO(w.Save(TextOf(lp)))},
    {11, R8_DO(w.Load(TextOf(lp)))},
    {12, R8_RET(w.CanUndo())},
    {13, R8_DO(w.Undo())},
    {14, R8_RET(w.CanRedo())},
    {15, R8_DO(w.Redo())},
    {16, R8_RET(w.CanCut())},
    {17, R8_DO(w.Cut())},
    {18, R8_RET(w.CanCopy())},
    {19, R8_DO(w.Copy())},
    {20, R8_RET(w.CanPaste())},
    {21, R8_DO(w.Paste())},
    {22, R8_RET(w.CanCut())},
    {23, R8_DO(w.Clear())},
    {24, R8_RET(w.CanSelectAll())},
    {25, R8_DO(w.SelectAll())},
    {37, R8_RET(w.FindRecordMessage(reinterpret_cast<const CR8FindRecord*>(lp)))},
    {38, R8_RET(w.IsModified())},
    {39, R8_DO(w.LocateError(TextOf(lp)))},
    {40, R8_DO(w.LocateError(TextOf(lp)))},
    {50, R8_DO(w.InsertFile(TextOf(lp)))},
    {53, R8_DO(w.SetText(TextOf(lp)))},
    {54, R8_RET(reinterpret_cast<LRESULT>(w.GetText()))},
    {65, R8_RET(w.GetFirstCharWord())},
    {67, R8_RET(w.IsEmpty())},
    {68, R8_DO(w.SetModified(Flag(wp)))},
    {69, R8_DO(w.EnableDragnDrop(Flag(wp)))},
    {70, R8_DO(w.UndoRedoSize(static_cast<int>(wp)))},
    {71, R8_DO(w.KeepFBDSelect(Flag(wp)))},
    {72, R8_DO(w.CopyBitmap(Flag(wp)))},
    {73, R8_DO(w.PromptVarname(Flag(wp)))},
    {74, R8_DO(w.PromptInstance(Flag(wp)))},
    {75, R8_DO(w.EnablePulse(Flag(wp)))},
    {76, R8_DO(w.SetVertVarSize(static_cast<int>(wp)))},
    {77, R8_DO(w.SetHorzVarSize(static_cast<int>(wp)))},
    {79, R8_DO(w.SetContents(static_cast<int>(wp), TextOf(lp)))},
    {80, R8_DO(w.PrintSetProperty(static_cast<int>(wp), static_cast<DWORD_PTR>(lp)))},
    {81, R8_RET(w.PrintGetNbVertFolio())},
    {82, R8_RET(w.PrintGetNbHorzFolio())},
    {83, R8_RET([&] { POINT pt; return PointAt(wp, pt) ? w.CollectFolio(pt, nullptr, nullptr) : FALSE; }())},
    {84, R8_DO([&] { if (wp != 0) w.SaveFolioPicture(*reinterpret_cast<const POINT*>(wp), TextOf(lp)); }())},
    {85, R8_RET(w.GetCellHeight())},
    {86, R8_RET(w.GetCellWidth())},
    {87, R8_DO(w.SetCellHeight(static_cast<int>(wp)))},
    {88, R8_DO(w.SetCellWidth(static_cast<int>(wp)))},
    {118, R8_RET(w.CanAlignCoils())},
    {119, R8_RET(w.CanDisplayFBDOrder())},
    {120, R8_RET(w.CanInsertText())},
    {122, R8_RET([&] { POINT pt; return PointAt(wp, pt) ? w.CountFolioSymbols(pt, nullptr) : 0; }())},
    {123, R8_RET([&] { POINT pt; return PointAt(wp, pt) ? w.CountFolioSymbols(pt, reinterpret_cast<DWORD*>(lp)) : 0; }())},
    {125, R8_DO(w.SummaryPrint(Flag(wp), reinterpret_cast<HDC>(lp)))},
    {126, R8_DO(w.AutoDeclareInst(Flag(wp)))},
    {128, R8_DO(w.SetSummaryWidth(static_cast<int>(wp)))},
    {129, R8_DO(w.SetSummaryHeight(static_cast<int>(wp)))},
    {130, R8_RET(w.GetTextLenght())},
    {131, R8_RET(w.OnUserMessage131(lp))},
    {132, R8_DO(w.HideScroll(Flag(wp)))},
    {133, R8_DO(w.SetValueInText(static_cast<BOOL>(wp)))},
    {134, R8_DO(w.SetTooltipInfos(Flag(wp), reinterpret_cast<str_R8TooltipInfos*>(lp)))},
    {135, R8_RET(w.OnUserMessage135(wp, lp))},
    {136, R8_RET(w.OnUserMessage136(wp, lp))},
    {137, R8_DO(w.AutoDeclareSymbol(Flag(wp)))},
    {138, R8_DO(w.InsertVarAfterInsertFB(Flag(wp)))},
    {140, R8_RET(w.OnUserMessage140(wp, lp))},
    {141, R8_DO(w.SetAutoConnectVariable(Flag(wp)))},
    {142, R8_DO(w.UnderlineGlobal(Flag(wp)))},
    {143, R8_DO(w.SnapFBDGrid(Flag(wp)))},
    {144, R8_DO(w.DrawFBDBridge(Flag(wp)))},
    {145, R8_DO(w.SetCsvSeparatorComa(Flag(wp)))},
    {146, R8_RET(w.OnUserMessage146(wp))},
    {147, R8_DO(w.SetInfos(2, reinterpret_cast<void*>(wp)))},
};

#undef R8_DO
#undef R8_RET

} // namespace

bool CR8EditWnd::HandleBaseMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (window != hWnd)
        return false;
    result = 0;
    switch (msg)
    {
    case WM_SETFOCUS:
        SetFocusState(TRUE);
        return true;
    case WM_KILLFOCUS:
        SetFocusState(FALSE);
        return true;
    case WM_PAINT:
    {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hWnd, &ps);
        Paint(dc, &ps);
        EndPaint(hWnd, &ps);
        return true;
    }
    case WM_GETDLGCODE:
        result = DLGC_WANTCHARS | DLGC_WANTALLKEYS;
        return true;
    case WM_CUT:
        Cut();
        return true;
    case WM_COPY:
        Copy();
        return true;
    case WM_PASTE:
        Paste();
        return true;
    case WM_CLEAR:
        Clear();
        return true;
    case WM_UNDO:
        Undo();
        return true;
    default:
        break;
    }
    if (msg < WM_USER || msg > WM_USER + 147)
        return false;
    for (const UserMessage& m : kUserMessages)
    {
        if (msg == WM_USER + m.offset)
        {
            result = m.handler(*this, wParam, lParam);
            return true;
        }
    }
    return false;
}

LRESULT CR8EditWnd::OnDBEvent(DWORD code, DWORD_PTR param)
{
    switch (code)
    {
    case 0x010002:
    case 0x090001:
        if (OnDBReload())
            Redraw();
        break;
    case 0x020004:
    case 0x020008:
    case 0x02000A:
    case 0x050007:
        if (OnDBItemChanged(param))
        {
            SetModified(TRUE);
            Redraw();
        }
        break;
    case 0x070001:
        Redraw();
        break;
    case 0x070002:
    case 0x070003:
    case 0x070005:
    {
        const BOOL objectChanged = OnDBObjectChanged(param);
        const BOOL programChanged = OnDBProgramChanged();
        if (objectChanged || programChanged)
            Redraw();
        break;
    }
    case 0x090003:
        if (OnDBObjectChanged(param))
            Redraw();
        break;
    case 0x40000000:
        if (param == ProgramIdentifier())
        {
            OnDBProgramChanged();
            Redraw();
        }
        break;
    case 0x8000000B:
        Redraw();
        break;
    case 0x8000000C:
        if (OnDBRefresh())
            Redraw();
        break;
    default:
        break;
    }
    return 0;
}

long CR8EditWnd::FindRecordMessage(const CR8FindRecord* record)
{
    return record != nullptr ? RunFindFrame(*record) : 0;
}
