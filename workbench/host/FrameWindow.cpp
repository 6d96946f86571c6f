#include "workbench/host/FrameWindow.h"

#include "workbench/host/FrameMenus.h"
#include "workbench/host/PictureWriter.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <cstdio>
#include <list>

namespace sfchost
{

namespace
{

constexpr char kFrameClass[] = "SfcHostFrame";

// The open frames; the loop ends when the last one is gone.
std::list<std::unique_ptr<FrameWindow>>& Frames()
{
    static std::list<std::unique_ptr<FrameWindow>> frames;
    return frames;
}

const EditorLibrary* g_library = nullptr;
CommandRunner* g_runner = nullptr;

FrameWindow* NewFrame()
{
    auto frame = std::make_unique<FrameWindow>(*g_library, *g_runner);
    if (!frame->Create())
        return nullptr;
    Frames().push_back(std::move(frame));
    return Frames().back().get();
}

void RemoveFrame(HWND window)
{
    Frames().remove_if([window](const std::unique_ptr<FrameWindow>& f)
                       { return f->Window() == window; });
    if (Frames().empty())
        PostQuitMessage(0);
}

bool AskFile(HWND owner, bool save, const char* filter, const char* extension, std::string& file)
{
    char buffer[MAX_PATH] = {};
    std::snprintf(buffer, sizeof buffer, "%s", file.c_str());
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = buffer;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = extension;
    ofn.Flags =
        save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (!(save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn)))
        return false;
    file = buffer;
    return true;
}

constexpr char kChartFilter[] = "SFC charts (*.sfc)\0*.sfc\0All files\0*.*\0";
constexpr char kPngFilter[] = "PNG pictures (*.png)\0*.png\0";

} // namespace

FrameWindow::FrameWindow(const EditorLibrary& library, CommandRunner& runner)
    : library(library), runner(runner)
{
}

FrameWindow::~FrameWindow()
{
    chart.reset();
    if (frame != nullptr && IsWindow(frame))
    {
        SetWindowLongPtrA(frame, GWLP_USERDATA, 0);
        DestroyWindow(frame);
    }
}

bool FrameWindow::Create()
{
    static bool registered = false;
    if (!registered)
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &FrameWindow::Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kFrameClass;
        registered = RegisterClassA(&wc) != 0;
    }
    frame = CreateWindowExA(0, kFrameClass, "SFC host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                            CW_USEDEFAULT, CW_USEDEFAULT, 1000, 720, nullptr, CreateFrameMenu(),
                            GetModuleHandleA(nullptr), this);
    if (frame == nullptr)
        return false;
    status = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0,
                             0, 0, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    chart = std::make_unique<ChartHost>(library, frame, 400, 300);
    if (!chart->IsValid())
        return false;
    chart->SetListener(
        [this](ChartHost&, WORD code)
        {
            if (code == 3 || code == 20)
                UpdateStatus();
        });
    if (runner.Types().Size() == 0)
        runner.LoadTypes(chart->Editor());
    Layout();
    UpdateStatus();
    ShowWindow(frame, SW_SHOW);
    SetFocus(chart->Editor());
    return true;
}

bool FrameWindow::Open(const std::string& file)
{
    if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES)
    {
        MessageBoxA(frame, ("Cannot open " + file).c_str(), "SFC host", MB_OK | MB_ICONWARNING);
        return false;
    }
    Exec({"Load", file});
    chart->path = file;
    UpdateStatus();
    return true;
}

bool FrameWindow::IsEmptyAndClean() const
{
    return chart != nullptr && chart->path.empty() &&
           runner.Execute(chart->Editor(), {"IsEmpty"}) != 0 &&
           runner.Execute(chart->Editor(), {"IsModified"}) == 0;
}

DWORD_PTR FrameWindow::Exec(const std::vector<std::string>& args)
{
    return runner.Execute(chart->Editor(), args);
}

void FrameWindow::Layout()
{
    if (chart == nullptr)
        return;
    SendMessageA(status, WM_SIZE, 0, 0);
    RECT client = {};
    RECT bar = {};
    GetClientRect(frame, &client);
    GetWindowRect(status, &bar);
    const int height = std::max<int>(client.bottom - (bar.bottom - bar.top), 1);
    MoveWindow(chart->Window(), 0, 0, std::max<int>(client.right, 1), height, TRUE);
}

void FrameWindow::UpdateStatus()
{
    if (chart == nullptr)
        return;
    const DWORD_PTR caret = Exec({"GetCaret"});
    const bool modified = Exec({"IsModified"}) != 0;
    const std::string cell = "Column " + std::to_string(caret & 0xFFFF) + ", row " +
                             std::to_string((caret >> 16) & 0xFFFF) +
                             (modified ? "    Modified" : "");
    SendMessageA(status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(cell.c_str()));
    std::string name = chart->path.empty() ? std::string("Untitled") : chart->path;
    const std::size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name = name.substr(slash + 1);
    SetWindowTextA(frame, (name + (modified ? " *" : "") + " - SFC host").c_str());
}

bool FrameWindow::Save(bool askName)
{
    std::string file = chart->path;
    if ((askName || file.empty()) && !AskFile(frame, true, kChartFilter, "sfc", file))
        return false;
    Exec({"Save", file});
    chart->path = file;
    UpdateStatus();
    return Exec({"IsModified"}) == 0;
}

bool FrameWindow::ConfirmClose()
{
    if (chart == nullptr || Exec({"IsModified"}) == 0)
        return true;
    const int answer = MessageBoxA(frame, "Save the changes to this chart?", "SFC host",
                                   MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL)
        return false;
    return answer == IDNO || Save(false);
}

void FrameWindow::ExportPicture(bool wholeChart)
{
    std::string file;
    if (!AskFile(frame, true, kPngFilter, "png", file))
        return;
    std::string error;
    const bool ok = wholeChart ? SaveChartPicture(runner, chart->Editor(), file, error)
                               : SaveVisiblePicture(runner, chart->Editor(), file, error);
    if (!ok)
        MessageBoxA(frame, error.c_str(), "SFC host", MB_OK | MB_ICONWARNING);
}

void FrameWindow::OnCommand(int id)
{
    switch (id)
    {
    case kFileNew:
        NewFrame();
        return;
    case kFileOpen:
    {
        std::string file;
        if (!AskFile(frame, false, kChartFilter, "sfc", file))
            return;
        FrameWindow* target = IsEmptyAndClean() ? this : NewFrame();
        if (target != nullptr)
            target->Open(file);
        return;
    }
    case kFileSave:
        Save(false);
        return;
    case kFileSaveAs:
        Save(true);
        return;
    case kExportVisible:
    case kExportChart:
        ExportPicture(id == kExportChart);
        return;
    case kFileClose:
        PostMessageA(frame, WM_CLOSE, 0, 0);
        return;
    case kFileExit:
        for (auto& f : Frames())
            PostMessageA(f->Window(), WM_CLOSE, 0, 0);
        return;
    default:
        break;
    }
    const MenuItem* item = FindMenuItem(id);
    if (item == nullptr || item->command == nullptr)
        return;
    std::vector<std::string> args = {item->command};
    if (item->arg1 != nullptr)
        args.emplace_back(std::string(item->arg1) == "toggle"
                              ? (Exec({item->checkedWhen}) != 0 ? "0" : "1")
                              : item->arg1);
    if (item->arg2 != nullptr)
        args.emplace_back(item->arg2);
    Exec(args);
    SetFocus(chart->Editor());
    UpdateStatus();
}

void FrameWindow::OnInitMenu(HMENU menu)
{
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
    {
        const MenuItem* item = FindMenuItem(static_cast<int>(GetMenuItemID(menu, i)));
        if (item == nullptr)
            continue;
        if (item->enabledWhen != nullptr)
            EnableMenuItem(menu, static_cast<UINT>(item->id),
                           MF_BYCOMMAND |
                               (Exec({item->enabledWhen}) != 0 ? MF_ENABLED : MF_GRAYED));
        if (item->checkedWhen != nullptr)
        {
            const DWORD_PTR value = Exec({item->checkedWhen}) & 0xFFFF;
            CheckMenuItem(
                menu, static_cast<UINT>(item->id),
                MF_BYCOMMAND |
                    (static_cast<int>(value) == item->checkedValue ? MF_CHECKED : MF_UNCHECKED));
        }
    }
}

LRESULT FrameWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SIZE:
        Layout();
        return 0;
    case WM_SETFOCUS:
        if (chart != nullptr)
            SetFocus(chart->Editor());
        return 0;
    case WM_COMMAND:
        if (lParam == 0)
        {
            OnCommand(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_INITMENUPOPUP:
        OnInitMenu(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_CLOSE:
        if (ConfirmClose())
            RemoveFrame(frame);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(frame, message, wParam, lParam);
}

LRESULT CALLBACK FrameWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
    {
        auto* self =
            static_cast<FrameWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->frame = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FrameWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

int RunFrames(const EditorLibrary& library, const std::vector<std::string>& files)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    CommandRunner runner(library);
    g_library = &library;
    g_runner = &runner;
    for (const std::string& file : files)
        if (FrameWindow* f = NewFrame())
            f->Open(file);
    if (Frames().empty() && NewFrame() == nullptr)
    {
        std::fprintf(stderr, "sfchost: the editor frame could not be created\n");
        return 2;
    }
    HACCEL accelerators = CreateFrameAccelerators();
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
    {
        HWND top = GetAncestor(msg.hwnd, GA_ROOT);
        if (top != nullptr && accelerators != nullptr &&
            TranslateAcceleratorA(top, accelerators, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DestroyAcceleratorTable(accelerators);
    Frames().clear();
    g_library = nullptr;
    g_runner = nullptr;
    return static_cast<int>(msg.wParam);
}

} // namespace sfchost
