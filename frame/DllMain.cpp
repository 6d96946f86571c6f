// Library load and unload: instance start and exit of the application object.
#include "frame/R8EditSFCApp.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH)
    {
        DisableThreadLibraryCalls(instance);
        ModuleGDI();
        ModuleApp().InitInstance(instance);
    }
    else if (reason == DLL_PROCESS_DETACH)
    {
        ModuleApp().ExitInstance();
        // At process exit the system frees every library itself; only an
        // explicit unload frees the drawing library here.
        if (reserved == nullptr)
            ReleaseModuleGDI();
    }
    return TRUE;
}
