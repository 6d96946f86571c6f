// Drives the real editor library the way a host does: LoadLibrary, the
// class name, a parent window with an editor child, Q2ExecuteCommand.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

using ExecuteFn = DWORD_PTR (*)(HWND, int, const char**);
using ClassNameFn = const char* (*)();

class EditorLibrary
{
public:
    EditorLibrary() : module(LoadLibraryA("R8EditSFC.dll"))
    {
        if (module != nullptr)
        {
            execute = reinterpret_cast<ExecuteFn>(
                reinterpret_cast<void*>(GetProcAddress(module, "Q2ExecuteCommand")));
            className = reinterpret_cast<ClassNameFn>(
                reinterpret_cast<void*>(GetProcAddress(module, "Q2GetClassName")));
        }
    }
    ~EditorLibrary()
    {
        if (module != nullptr)
            FreeLibrary(module);
    }
    EditorLibrary(const EditorLibrary&) = delete;
    EditorLibrary& operator=(const EditorLibrary&) = delete;

    HMODULE module = nullptr;
    ExecuteFn execute = nullptr;
    ClassNameFn className = nullptr;
};

// A top-level parent that records the WM_COMMAND notifications it receives.
class ParentWindow
{
public:
    ParentWindow()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "R8TestParent";
        RegisterClassA(&wc);
        hWnd = CreateWindowExA(0, "R8TestParent", "parent", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600,
                               nullptr, nullptr, wc.hInstance, this);
    }
    ~ParentWindow()
    {
        if (hWnd != nullptr)
            DestroyWindow(hWnd);
    }
    ParentWindow(const ParentWindow&) = delete;
    ParentWindow& operator=(const ParentWindow&) = delete;

    // Delivers posted notifications and returns the codes received so far.
    std::vector<WORD> Notifications()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        return codes;
    }

    HWND hWnd = nullptr;
    std::vector<WORD> codes;
    std::vector<HWND> senders;

private:
    static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l)
    {
        if (m == WM_NCCREATE)
            SetWindowLongPtrA(h, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(l)->lpCreateParams));
        auto* self = reinterpret_cast<ParentWindow*>(GetWindowLongPtrA(h, GWLP_USERDATA));
        if (m == WM_COMMAND && self != nullptr)
        {
            self->codes.push_back(HIWORD(w));
            self->senders.push_back(reinterpret_cast<HWND>(l));
            return 0;
        }
        return DefWindowProcA(h, m, w, l);
    }
};

class EditorTest : public ::testing::Test
{
protected:
    static constexpr int kControlId = 1234;

    void SetUp() override
    {
        ASSERT_NE(lib.module, nullptr) << "R8EditSFC.dll not found beside the test";
        ASSERT_NE(lib.execute, nullptr);
        ASSERT_NE(lib.className, nullptr);
        editor = CreateEditor();
        ASSERT_NE(editor, nullptr);
    }

    void TearDown() override
    {
        if (editor != nullptr && IsWindow(editor))
            DestroyWindow(editor);
    }

    HWND CreateEditor()
    {
        return CreateWindowExA(0, lib.className(), "", WS_CHILD | WS_VISIBLE, 0, 0, 640, 480,
                               parent.hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)),
                               GetModuleHandleA(nullptr), nullptr);
    }

    DWORD_PTR Exec(HWND hWnd, std::initializer_list<const char*> args)
    {
        std::vector<const char*> argv(args);
        return lib.execute(hWnd, static_cast<int>(argv.size()), argv.data());
    }
    DWORD_PTR Exec(std::initializer_list<const char*> args) { return Exec(editor, args); }
    std::string Text(std::initializer_list<const char*> args)
    {
        const char* p = reinterpret_cast<const char*>(Exec(args));
        return p != nullptr ? std::string(p) : std::string("(null)");
    }

    EditorLibrary lib;
    ParentWindow parent;
    HWND editor = nullptr;
};
