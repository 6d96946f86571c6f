#include "frame/R8EditSFCApp.h"

#include "sfcview/Q2GDIWrapApi.h"

#include <memory>

namespace
{

CR8EditSFCApp theApp;
const r8::CR8MapCommand theCommandMap;
MouseCaptureFlags theCapture;
// Loaded with the library and freed when it unloads.
std::unique_ptr<CQ2GDIWrapApi> theGDI;

} // namespace

void ReleaseModuleGDI()
{
    theGDI.reset();
}

CR8EditSFCApp& ModuleApp()
{
    return theApp;
}

HINSTANCE ModuleInstance()
{
    return theApp.GetInstance();
}

const r8::CR8MapCommand& ModuleCommandMap()
{
    return theCommandMap;
}

CQ2GDIWrapApi& ModuleGDI()
{
    if (!theGDI)
        theGDI = std::make_unique<CQ2GDIWrapApi>();
    return *theGDI;
}

MouseCaptureFlags& ModuleCapture()
{
    return theCapture;
}

void CR8EditSFCApp::InitInstance(HINSTANCE module)
{
    instance = module;
    theCapture = MouseCaptureFlags{};

    WNDCLASSA editor = {};
    editor.style = CS_DBLCLKS | CS_GLOBALCLASS;
    editor.lpfnWndProc = EditorWindowProc;
    // One object pointer per window: four bytes in the 32-bit DLL.
    editor.cbWndExtra = sizeof(void*);
    editor.hInstance = module;
    editor.lpszClassName = kEditorClassName;
    editorAtom = RegisterClassA(&editor);

    WNDCLASSA tooltip = {};
    tooltip.style = CS_GLOBALCLASS;
    tooltip.lpfnWndProc = TooltipWindowProc;
    tooltip.cbWndExtra = sizeof(void*);
    tooltip.hInstance = module;
    tooltip.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    tooltip.lpszClassName = kTooltipClassName;
    RegisterClassA(&tooltip);
}

bool CR8EditSFCApp::IsEditorWindow(HWND hWnd) const
{
    return editorAtom != 0 && GetClassWord(hWnd, GCW_ATOM) == editorAtom;
}

void CR8EditSFCApp::ExitInstance()
{
    UnregisterClassA(kTooltipClassName, instance);
    UnregisterClassA(kEditorClassName, instance);
}
