// The library's entry points and its two window procedures. Each is a place
// where nothing may escape to the host: every exception answers 0.
#include "frame/R8EditSFCApp.h"
#include "sfcview/Q2GDIWrapApi.h"
#include "sfcview/R8EditSFCWnd.h"

#include <windowsx.h>

#include <memory>

namespace
{

// The one slot of each window class: the object that owns the window.
template <class T> T* ObjectOf(HWND hWnd)
{
    return reinterpret_cast<T*>(static_cast<LONG_PTR>(GetWindowLongPtrA(hWnd, 0)));
}

void SetObject(HWND hWnd, void* object)
{
    SetWindowLongPtrA(hWnd, 0, static_cast<LONG_PTR>(reinterpret_cast<LONG_PTR>(object)));
}

// Messages of the chart window's range that are answered with 0 and nothing else.
bool IsIgnoredChartMessage(UINT msg)
{
    const UINT n = msg - WM_USER;
    switch (n)
    {
    case 26: case 27: case 30: case 32: case 51: case 52: case 78:
    case 113: case 114: case 115: case 124:
        return true;
    default:
        return (n >= 42 && n <= 49) || (n >= 56 && n <= 64);
    }
}

POINT PointOf(LPARAM lParam)
{
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

void TakeCapture(HWND hWnd, bool& flag)
{
    SetCapture(hWnd);
    flag = true;
}

bool ReleaseIfCaptured(bool& flag)
{
    if (!flag)
        return false;
    flag = false;
    ReleaseCapture();
    return true;
}

LRESULT OwnMessage(CR8EditSFCWnd* wnd, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    MouseCaptureFlags& capture = ModuleCapture();
    switch (msg)
    {
    case WM_CREATE:
    {
        auto created = std::make_unique<CR8EditSFCWnd>();
        SetObject(hWnd, created.get());
        created.release()->OnCreate(hWnd, reinterpret_cast<const CREATESTRUCTA*>(lParam));
        return 0;
    }
    case WM_DESTROY:
        SetObject(hWnd, nullptr);
        delete wnd;
        return 0;
    default:
        break;
    }
    if (wnd == nullptr)
        return DefWindowProcA(hWnd, msg, wParam, lParam);

    switch (msg)
    {
    case WM_SIZE:
        wnd->OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_ERASEBKGND:
        return 0; // the window paints its whole client area
    case WM_SYSCOLORCHANGE:
        wnd->OnSysColorChange();
        return 0;
    case WM_MOUSEACTIVATE:
        SetFocus(hWnd);
        return DefWindowProcA(hWnd, msg, wParam, lParam);
    case WM_CONTEXTMENU:
        wnd->NotifyHost(2);
        return 0;
    case WM_KEYDOWN:
        if (!wnd->IsEnable())
            return 0;
        return wnd->OnKeyDown(wParam, lParam) != 0 ? 0 : 1;
    case WM_CHAR:
        if (wnd->IsEnable())
            wnd->OnChar(wParam, lParam);
        return 0;
    case WM_HSCROLL:
        wnd->OnScroll(SB_HORZ, LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        return 0;
    case WM_VSCROLL:
        wnd->OnScroll(SB_VERT, LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        return 0;
    case WM_MOUSEMOVE:
        if (wnd->IsPanning())
            wnd->PanTo(PointOf(lParam));
        else
            wnd->OnMouseMove(wParam, PointOf(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        if (wnd->IsEnable() && !capture.left)
        {
            TakeCapture(hWnd, capture.left);
            wnd->OnLButtonDown(wParam, PointOf(lParam));
        }
        return 0;
    case WM_LBUTTONUP:
        if (ReleaseIfCaptured(capture.left))
            wnd->OnLButtonUp(wParam, PointOf(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        if (wnd->IsEnable() && !capture.right)
        {
            TakeCapture(hWnd, capture.right);
            wnd->SelectCellAt(PointOf(lParam));
        }
        return 0;
    case WM_RBUTTONUP:
        if (ReleaseIfCaptured(capture.right))
        {
            wnd->OnRButtonUp(wParam, PointOf(lParam));
            wnd->HideTooltip();
            wnd->NotifyHost(2);
        }
        return 0;
    case WM_MBUTTONDOWN:
        if (wnd->IsEnable() && !capture.left)
        {
            TakeCapture(hWnd, capture.left);
            wnd->BeginPan(PointOf(lParam));
            wnd->OnMButtonDown(PointOf(lParam));
        }
        return 0;
    case WM_MBUTTONUP:
        wnd->EndPan();
        if (ReleaseIfCaptured(capture.left))
            wnd->OnMButtonUp();
        return 0;
    case WM_LBUTTONDBLCLK:
        if (wnd->IsEnable())
        {
            wnd->SelectCellAt(PointOf(lParam));
            if (!wnd->OnLButtonDblClk(wParam, PointOf(lParam)))
                wnd->NotifyHost(1);
        }
        return 0;
    case WM_MOUSEWHEEL:
    {
        const bool towardsUser = GET_WHEEL_DELTA_WPARAM(wParam) < 0;
        const WORD keys = GET_KEYSTATE_WPARAM(wParam);
        if (keys & MK_CONTROL)
            wnd->SetZoom(towardsUser ? -1 : 1, 0);
        else
            wnd->OnScroll((keys & MK_SHIFT) ? SB_HORZ : SB_VERT,
                          towardsUser ? SB_LINEDOWN : SB_LINEUP, 0);
        return 0;
    }
    case WM_SETFONT:
        return 0;
    default:
        break;
    }
    if (msg >= WM_USER + 1 && msg <= WM_USER + 248)
    {
        LRESULT result = 0;
        if (wnd->HandleChartMessage(msg, wParam, lParam, result))
            return result;
        if (IsIgnoredChartMessage(msg))
            return 0;
    }
    return DefWindowProcA(hWnd, msg, wParam, lParam);
}

// The tooltip object (stored in the tooltip window's slot) paints the box
// and takes the live-value messages.
class CR8TooltipWindowTarget
{
public:
    virtual ~CR8TooltipWindowTarget() = default;
    virtual void PaintTooltip(HDC hDC) = 0;
    virtual void OnTooltipMessage(WPARAM wParam, LPARAM lParam) = 0;
};

} // namespace

LRESULT CALLBACK EditorWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    try
    {
        auto* wnd = ObjectOf<CR8EditSFCWnd>(hWnd);
        if (wnd != nullptr)
        {
            LRESULT result = 0;
            if (wnd->HandleBaseMessage(hWnd, msg, wParam, lParam, result))
                return result;
            if (wnd->PreHandleMessage(msg, wParam, lParam, result))
                return result;
        }
        return OwnMessage(wnd, hWnd, msg, wParam, lParam);
    }
    catch (...)
    {
        return 0;
    }
}

LRESULT CALLBACK TooltipWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    try
    {
        CQ2GDIWrapApi gdi;
        auto* target = ObjectOf<CR8TooltipWindowTarget>(hWnd);
        switch (msg)
        {
        case WM_PAINT:
        {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hWnd, &ps);
            RECT client;
            GetClientRect(hWnd, &client);
            FillRect(dc, &client, gdi.GetBrush(33));
            const int oldMode = SetBkMode(dc, TRANSPARENT);
            if (target != nullptr)
                target->PaintTooltip(dc);
            SetBkMode(dc, oldMode);
            EndPaint(hWnd, &ps);
            return 0;
        }
        case WM_USER + 1:
            if (target != nullptr)
                target->OnTooltipMessage(wParam, lParam);
            return 0;
        default:
            return DefWindowProcA(hWnd, msg, wParam, lParam);
        }
    }
    catch (...)
    {
        return 0;
    }
}

extern "C" {

__declspec(dllexport) LPCSTR Q2GetClassName()
{
    return kEditorClassName;
}

__declspec(dllexport) DWORD_PTR Q2ExecuteCommand(HWND hWnd, int argc, const char** argv)
{
    try
    {
        // Only windows of this module's editor class carry an editor object
        // in their slot; any other handle answers 0 instead of being misread.
        if (hWnd == nullptr || !IsWindow(hWnd) || !ModuleApp().IsEditorWindow(hWnd))
            return 0;
        auto* wnd = ObjectOf<CR8EditWnd>(hWnd);
        if (wnd == nullptr)
            return 0;
        return wnd->ExecuteCommand(argc, argv);
    }
    catch (...)
    {
        return 0;
    }
}

} // extern "C"
