#include "workbench/host/ChartHost.h"

namespace sfchost
{

namespace
{

constexpr char kHostClass[] = "SfcHostChart";

void RegisterHostClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kHostClass;
    registered = RegisterClassA(&wc) != 0;
}

} // namespace

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

ChartHost::ChartHost(const EditorLibrary& library, HWND parent, int width, int height)
{
    RegisterHostClass();
    const DWORD style = parent != nullptr ? WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN
                                          : WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    host = CreateWindowExA(0, kHostClass, "chart", style, 0, 0, width, height, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
    if (host == nullptr)
        return;
    SetWindowLongPtrA(host, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChartHost::Proc));
    Resize(width, height);
    RECT client = {};
    GetClientRect(host, &client);
    editor = CreateWindowExA(
        0, library.ClassName(), "", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 0, 0,
        client.right, client.bottom, host, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditorId)),
        GetModuleHandleA(nullptr), nullptr);
}

ChartHost::~ChartHost()
{
    if (host != nullptr && IsWindow(host))
    {
        SetWindowLongPtrA(host, GWLP_USERDATA, 0);
        DestroyWindow(host);
    }
}

void ChartHost::Resize(int width, int height)
{
    if (host == nullptr)
        return;
    RECT rect = {0, 0, width, height};
    const LONG style = GetWindowLongA(host, GWL_STYLE);
    if ((style & WS_CHILD) == 0)
        AdjustWindowRect(&rect, static_cast<DWORD>(style), FALSE);
    SetWindowPos(host, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::vector<WORD> ChartHost::TakeNotifications()
{
    std::vector<WORD> codes;
    codes.swap(received);
    return codes;
}

LRESULT CALLBACK ChartHost::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<ChartHost*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr)
    {
        switch (message)
        {
        case WM_COMMAND:
            if (LOWORD(wParam) == kEditorId && reinterpret_cast<HWND>(lParam) == self->editor)
            {
                self->received.push_back(HIWORD(wParam));
                if (self->listener)
                    self->listener(*self, HIWORD(wParam));
                return 0;
            }
            break;
        case WM_SIZE:
            if (self->editor != nullptr)
                MoveWindow(self->editor, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_SETFOCUS:
            if (self->editor != nullptr)
                SetFocus(self->editor);
            return 0;
        default:
            break;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace sfchost
