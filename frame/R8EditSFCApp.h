// Module-wide state of the editor library: the application object that
// registers the window classes, the command map, and the module handle.
#pragma once

#include "frame/R8MapCommand.h"
#include "frame/Win32.h"

class CQ2GDIWrapApi;

constexpr const char* kEditorClassName = "R8EditSFC";
constexpr const char* kTooltipClassName = "R8EditSFCTooltip";

class CR8EditSFCApp
{
public:
    // Instance start: record the module, clear the capture flags, register
    // the two window classes. A failed registration is not reported.
    void InitInstance(HINSTANCE instance);
    // Instance exit: unregister the classes.
    void ExitInstance();

    HINSTANCE GetInstance() const { return instance; }

    // True for a window of the class this module registered.
    bool IsEditorWindow(HWND hWnd) const;

private:
    HINSTANCE instance = nullptr;
    ATOM editorAtom = 0;
};

CR8EditSFCApp& ModuleApp();
HINSTANCE ModuleInstance();
const r8::CR8MapCommand& ModuleCommandMap();
CQ2GDIWrapApi& ModuleGDI();
// Frees the module-wide drawing library (explicit unload only).
void ReleaseModuleGDI();

// Module-wide mouse-capture flags, shared by every editor window: only one
// window holds the capture at a time. The middle button shares the left flag.
struct MouseCaptureFlags
{
    bool left = false;
    bool right = false;
};
MouseCaptureFlags& ModuleCapture();

LRESULT CALLBACK EditorWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TooltipWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
