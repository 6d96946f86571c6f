#include "frame/R8EditWnd.h"

#include "frame/CommandMonitor.h"
#include "frame/R8EditResApi.h"
#include "frame/R8EditSFCApp.h"
#include "projectdb/R8EditDB.h"
#include "sfcview/Q2GDIWrapApi.h"
#include "support/TextCase.h"

#include <cstring>

namespace
{

// The screen's logical resolution, read once per window for its folio layout.
int ScreenDpi(int index)
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, index) : 0;
    if (screen != nullptr)
        ReleaseDC(nullptr, screen);
    return dpi;
}

} // namespace

CR8EditWnd::CR8EditWnd()
    : db(std::make_unique<CR8EditDB>()), folioLayout(ScreenDpi(LOGPIXELSX), ScreenDpi(LOGPIXELSY)),
      command(this)
{
}

CR8EditWnd::~CR8EditWnd()
{
    if (tooltip)
    {
        tooltip->ReleaseWindow();
        tooltip.reset();
    }
    if (timerId != 0 && hWnd != nullptr)
        KillTimer(hWnd, timerId);
    panAnchor.reset();
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
    SetCurrentFB("&", FindStandardBlock("&"), 2, 1, FALSE, FALSE);
    Check(0);
    SetWindowLongA(hWnd, GWL_STYLE, GetWindowLongA(hWnd, GWL_STYLE) | WS_CLIPCHILDREN);
    timerId = static_cast<DWORD>(::SetTimer(hWnd, kTimerId, kTimerPeriod, nullptr));
}

BOOL CR8EditWnd::SetTooltipInfos(BOOL bEdit, str_R8TooltipInfos* pStrTI)
{
    if (tooltip)
        tooltip->SetInfos(bEdit, pStrTI);
    return TRUE;
}

BOOL CR8EditWnd::SetTooltipInfosEx(BOOL bEdit, BOOL bSet, int iTooltipInfo)
{
    if (tooltip)
        tooltip->SetInfosEx(bEdit, bSet, iTooltipInfo);
    return TRUE;
}

void CR8EditWnd::Paint(HDC hDC, PAINTSTRUCT* pPaint)
{
    RECT client;
    GetClientRect(hWnd, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0)
        return;
    HDC memory = CreateCompatibleDC(hDC);
    HBITMAP bitmap = CreateCompatibleBitmap(hDC, width, height);
    if (memory == nullptr || bitmap == nullptr)
    {
        if (bitmap != nullptr)
            DeleteObject(bitmap);
        if (memory != nullptr)
            DeleteDC(memory);
        // Without a buffer the content is drawn straight into the window.
        DrawContent(hDC, pPaint);
        return;
    }
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    DrawContent(memory, pPaint);
    if (IsDisplayFolio())
    {
        HGDIOBJ oldPen = SelectObject(memory, ModuleGDI().LoadPen(RGB(0, 0, 0xFF), 2, 0));
        DrawFolioFrame(memory, client.left, client.top, client.right, client.bottom);
        SelectObject(memory, oldPen);
    }
    BitBlt(hDC, client.left, client.top, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

void CR8EditWnd::BeginPan(POINT client)
{
    panAnchor = std::make_unique<POINT>(client);
}

void CR8EditWnd::PanTo(POINT cursor)
{
    if (!panAnchor)
        return;
    int unitX = 0;
    int unitY = 1;
    GetScrollUnits(&unitX, &unitY);
    bool scrolled = false;
    if (unitX != 0)
    {
        const int step = (cursor.x - panAnchor->x) / unitX;
        const int pos = GetScrollPos(hWnd, SB_HORZ);
        if (step != 0 && pos - step >= 0)
        {
            ScrollWindow(hWnd, step * unitX, 0, nullptr, nullptr);
            SetScrollPos(hWnd, SB_HORZ, pos - step, TRUE);
            scrolled = true;
        }
    }
    if (unitY != 0)
    {
        const int step = (cursor.y - panAnchor->y) / unitY;
        const int pos = GetScrollPos(hWnd, SB_VERT);
        if (step != 0 && pos - step >= 0)
        {
            ScrollWindow(hWnd, 0, step * unitY, nullptr, nullptr);
            SetScrollPos(hWnd, SB_VERT, pos - step, TRUE);
            scrolled = true;
        }
    }
    if (scrolled)
    {
        InvalidateRect(hWnd, nullptr, FALSE);
        UpdateWindow(hWnd);
        *panAnchor = cursor;
    }
}

void CR8EditWnd::EndPan()
{
    panAnchor.reset();
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
    if (bDebug == debug)
        return;
    debug = bDebug;
    if (tooltip)
        tooltip->SetDebugMode(bDebug);
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
    TellBindingContentType(iContentType);
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

void CR8EditWnd::SetFB(LPCSTR szName, DWORD dwID, int nbIn, int nbOut, BOOL bInstanciable, BOOL bDBObject)
{
    const str_R8Block block = MakeBlock(szName, dwID, nbIn, nbOut, bInstanciable, bDBObject);
    SetBlock(&block);
}

BOOL CR8EditWnd::SetCurrentFB(LPCSTR szName, DWORD dwID, int nbIn, int nbOut, BOOL bInstanciable,
                              BOOL bDBObject)
{
    const str_R8Block block = MakeBlock(szName, dwID, nbIn, nbOut, bInstanciable, bDBObject);
    return SetCurrentBlock(&block);
}

LPCSTR CR8EditWnd::GetFB()
{
    str_R8Block block = MakeBlock(nullptr, 0, 0, 0, FALSE, FALSE);
    GetCurrentBlock(&block);
    block.name[sizeof block.name - 1] = '\0';
    blockName = block.name;
    return blockName.c_str();
}

str_R8Block CR8EditWnd::MakeBlock(LPCSTR name, DWORD id, int nbIn, int nbOut, BOOL instanciable,
                                  BOOL dbObject)
{
    str_R8Block block;
    std::memset(&block, 0, sizeof block);
    if (name != nullptr)
        lstrcpynA(block.name, name, sizeof block.name);
    block.id = id;
    block.nbIn = static_cast<DWORD>(nbIn);
    block.nbOut = static_cast<DWORD>(nbOut);
    block.instanciable = instanciable ? 1 : 0;
    block.dbObject = dbObject ? 1 : 0;
    return block;
}

void CR8EditWnd::SelectBlockDialog(char cFirst)
{
    str_R8Block block = MakeBlock(nullptr, 0, 0, 0, FALSE, FALSE);
    GetCurrentBlock(&block);
    if (cFirst != 0)
    {
        block.name[0] = cFirst;
        block.name[1] = '\0';
    }
    CR8EditResApi res;
    if (res.SelBlock(hWnd, projectPath.c_str(), &block) != 0)
        SetBlock(&block);
}

void CR8EditWnd::EditVarPropsDialog(const std::vector<DWORD>& ids)
{
    if (ids.empty())
        return;
    std::vector<DWORD> copy(ids);
    CR8EditResApi res;
    res.EditVarProps(hWnd, projectPath.c_str(), static_cast<int>(copy.size()), copy.data());
}

BOOL CR8EditWnd::SetInfos(DWORD dwInfo, void* pInfos)
{
    if (pInfos == nullptr)
        return FALSE;
    switch (dwInfo)
    {
    case 1:
        // The base's own grid flag: an editor's SetGrid override is not involved.
        CR8EditWnd::SetGrid(*static_cast<const BOOL*>(pInfos));
        return TRUE;
    case 3:
        infoText = static_cast<const char*>(pInfos);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CR8EditWnd::GetInfos(DWORD dwInfo, void* pInfos)
{
    if (dwInfo != 1 || pInfos == nullptr)
        return FALSE;
    DWORD* out = static_cast<DWORD*>(pInfos);
    out[0] = static_cast<DWORD>(gridVisible);
    out[1] = 0;
    out[2] = 1;
    return TRUE;
}
