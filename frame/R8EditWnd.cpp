#include "frame/R8EditWnd.h"

#include "frame/CommandMonitor.h"
#include "support/TextCase.h"

CR8EditWnd::CR8EditWnd() : command(this) {}

CR8EditWnd::~CR8EditWnd()
{
    if (timerId != 0 && hWnd != nullptr)
        KillTimer(hWnd, timerId);
}

DWORD_PTR CR8EditWnd::ExecuteCommand(int argc, const char* const* argv)
{
    return command.Execute(argc, argv);
}

void CR8EditWnd::NotifyHost(WORD code)
{
    if (hWnd == nullptr)
        return;
    if (HWND parent = ::GetParent(hWnd))
    {
        const WORD control = static_cast<WORD>(GetDlgCtrlID(hWnd));
        PostMessageA(parent, WM_COMMAND, MAKEWPARAM(control, code), reinterpret_cast<LPARAM>(hWnd));
    }
    const char* className = GetClassName();
    if (!r8::EqualsNoCase(className != nullptr ? className : "", "CR8EditTLWnd_CtrlClient"))
        MirrorNotification(hWnd, className, code);
}

void CR8EditWnd::Initialise(HWND window, const CREATESTRUCTA*)
{
    hWnd = window;
}

bool CR8EditWnd::HandleBaseMessage(UINT msg, WPARAM, LPARAM, LRESULT& result)
{
    switch (msg)
    {
    case WM_SETFOCUS:
        SetFocusState(TRUE);
        result = 0;
        return true;
    case WM_KILLFOCUS:
        SetFocusState(FALSE);
        result = 0;
        return true;
    case WM_GETDLGCODE:
        result = DLGC_WANTCHARS | DLGC_WANTALLKEYS;
        return true;
    default:
        return false;
    }
}

long CR8EditWnd::SearchIn(str_R8FindReplace* pStrFR)
{
    if (pStrFR == nullptr)
        return 0;
    return FindReplace(pStrFR->find, pStrFR->replace, pStrFR->command, pStrFR->flags,
                       pStrFR->listBox);
}

BOOL CR8EditWnd::SetTooltipInfos(BOOL, str_R8TooltipInfos*)
{
    return TRUE;
}

BOOL CR8EditWnd::SetTooltipInfosEx(BOOL, BOOL, int)
{
    return TRUE;
}

LPCSTR CR8EditWnd::GetClassName()
{
    return "CR8EditWnd";
}

void CR8EditWnd::SetFocusState(BOOL bFocus)
{
    hasFocus = bFocus;
    if (bFocus && hWnd != nullptr && GetFocus() != hWnd)
        SetFocus(hWnd);
}

BOOL CR8EditWnd::CanModify()
{
    return enabled && !readOnly && !debug;
}

BOOL CR8EditWnd::PrintGetFolio(int iX, int iY)
{
    return CollectFolio(POINT{iX, iY}, nullptr, nullptr);
}

int CR8EditWnd::PrintGetNbSymbols(int iX, int iY)
{
    return CountFolioSymbols(POINT{iX, iY}, nullptr);
}

void CR8EditWnd::InsertText(int iX, int iY, LPCSTR szText)
{
    InsertTextAt(POINT{iX, iY}, szText);
}

DWORD CR8EditWnd::ReservedQuery1(DWORD_PTR, DWORD_PTR, DWORD* pResult)
{
    if (pResult != nullptr)
        *pResult = 0;
    return 0;
}

DWORD CR8EditWnd::ReservedQuery2(DWORD_PTR a, DWORD_PTR b, DWORD* pResult)
{
    return ReservedQuery1(a, b, pResult);
}

DWORD CR8EditWnd::ReservedQuery3(DWORD_PTR a, DWORD_PTR b, DWORD* pResult)
{
    return ReservedQuery1(a, b, pResult);
}

void CR8EditWnd::GetScrollUnits(int* pUnitX, int* pUnitY)
{
    if (pUnitX != nullptr)
        *pUnitX = 0;
    if (pUnitY != nullptr)
        *pUnitY = 0;
}

void CR8EditWnd::SetEnable(BOOL bEnable)
{
    enabled = bEnable;
}

BOOL CR8EditWnd::IsEnable()
{
    return enabled;
}

void CR8EditWnd::SetReadOnly(BOOL bReadOnly)
{
    readOnly = bReadOnly;
}

BOOL CR8EditWnd::IsReadOnly()
{
    return readOnly;
}

void CR8EditWnd::SetDebug(BOOL bDebug)
{
    if (bDebug != debug)
        debug = bDebug;
}

void CR8EditWnd::DebugProject(DWORD, BOOL bDebug)
{
    SetDebug(bDebug);
}

BOOL CR8EditWnd::IsDebug()
{
    return debug;
}

BOOL CR8EditWnd::CanClear()
{
    return CanCut();
}

void CR8EditWnd::SetGrid(BOOL bGrid)
{
    gridVisible = bGrid;
    Redraw();
}

BOOL CR8EditWnd::IsGridVisible()
{
    return gridVisible;
}

BOOL CR8EditWnd::CanSave()
{
    return enabled && !readOnly;
}

BOOL CR8EditWnd::CanInsertText()
{
    return IsEnable() && !IsReadOnly();
}

void CR8EditWnd::Goto(LPCSTR szGoto)
{
    LocateError(szGoto);
}

int CR8EditWnd::PaintToDC(HDC hDC, int iLeft, int iTop, int iRight, int iBottom)
{
    const RECT rect{iLeft, iTop, iRight, iBottom};
    return PaintRectToDC(hDC, &rect);
}

TCHAR CR8EditWnd::GetFirstChar()
{
    return static_cast<TCHAR>(firstChar & 0xFF);
}

BOOL CR8EditWnd::EnableDragnDrop(BOOL bEnable)
{
    dragAndDrop = bEnable;
    return TRUE;
}

BOOL CR8EditWnd::CopyBitmap(BOOL bSet)
{
    copyBitmap = bSet;
    return TRUE;
}

void CR8EditWnd::SetValueInText(BOOL bSet)
{
    valueInText = bSet;
}

BOOL CR8EditWnd::PromptVarname(BOOL bSet)
{
    promptVarname = bSet;
    return TRUE;
}

BOOL CR8EditWnd::PromptInstance(BOOL bSet)
{
    promptInstance = bSet;
    return TRUE;
}

BOOL CR8EditWnd::EnablePulse(BOOL bSet)
{
    enablePulse = bSet;
    return TRUE;
}

int CR8EditWnd::SetContents(int iContentType, LPCSTR szQualifPrefix)
{
    contentType = iContentType;
    const std::string prefix = szQualifPrefix != nullptr ? szQualifPrefix : "";
    const std::size_t dash = prefix.find('-');
    if (dash == std::string::npos)
    {
        qualifier = prefix;
        qualifierSuffix.clear();
    }
    else
    {
        qualifier = prefix.substr(0, dash);
        qualifierSuffix = prefix.substr(dash + 1);
    }
    return iContentType;
}

BOOL CR8EditWnd::AutoDeclareInst(BOOL bSet)
{
    autoDeclareInst = bSet;
    return TRUE;
}

BOOL CR8EditWnd::AutoDeclareSymbol(BOOL bSet)
{
    autoDeclareSymbol = bSet;
    return TRUE;
}

BOOL CR8EditWnd::HideOptionDlgVar(BOOL bHide)
{
    hideOptionDlgVar = bHide;
    return TRUE;
}

BOOL CR8EditWnd::EnableCopy(BOOL bEnable)
{
    enableCopy = bEnable;
    return TRUE;
}

BOOL CR8EditWnd::SetCsvSeparatorComa(BOOL bSetComa)
{
    csvComma = bSetComa;
    return TRUE;
}

int CR8EditWnd::SetWidthSummaryPrint(int iWidth)
{
    summaryWidth = iWidth;
    return iWidth;
}

int CR8EditWnd::SetHeightSummaryPrint(int iHeight)
{
    summaryHeight = iHeight;
    return iHeight;
}

LPCSTR CR8EditWnd::GetProjectPath()
{
    return projectPath.c_str();
}

BOOL CR8EditWnd::SetCallback(int iCallBack, void* pfCB, void* pData)
{
    switch (iCallBack)
    {
    case 1:
    case 2:
    case 3:
    case 4:
    case 6:
    case 7:
        callbacks[iCallBack] = pfCB;
        callbackData[iCallBack] = pData;
        return TRUE;
    default:
        return FALSE;
    }
}

DWORD CR8EditWnd::SetAutoEdit(DWORD dwAutoEdit)
{
    autoEdit = dwAutoEdit;
    return dwAutoEdit;
}

void CR8EditWnd::Redraw()
{
    if (hWnd != nullptr)
        InvalidateRect(hWnd, nullptr, TRUE);
}
