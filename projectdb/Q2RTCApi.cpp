#include "projectdb/Q2RTCApi.h"

namespace
{

template <class F> void LookUp(HMODULE library, const char* name, F& entry)
{
    entry = library != nullptr
                ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name)))
                : nullptr;
}

} // namespace

CQ2RTCApi::CQ2RTCApi() : library(LoadLibraryA("Q2RTC.DLL"))
{
    LookUp(library, "Q2RTC_OpenProject", openProject);
    LookUp(library, "Q2RTC_CloseProject", closeProject);
    LookUp(library, "Q2RTC_EditConfig", editConfig);
    LookUp(library, "Q2RTC_GetActiveConfig", getActiveConfig);
    LookUp(library, "Q2RTC_IsBlockSupported", isBlockSupported);
    LookUp(library, "Q2RTC_IsBlockIEC", isBlockIEC);
    LookUp(library, "Q2RTC_IsTypeSupported", isTypeSupported);
}

CQ2RTCApi::~CQ2RTCApi()
{
    CloseProject();
    if (library != nullptr)
        FreeLibrary(library);
}

BOOL CQ2RTCApi::OpenProject(LPCSTR path)
{
    CloseProject();
    if (openProject != nullptr && path != nullptr)
        config = openProject(path);
    return config != 0;
}

void CQ2RTCApi::CloseProject()
{
    if (config != 0 && closeProject != nullptr)
        closeProject(config);
    config = 0;
}

BOOL CQ2RTCApi::EditConfig(HWND parent)
{
    return editConfig != nullptr ? editConfig(config, parent) : FALSE;
}

std::string CQ2RTCApi::GetActiveConfig()
{
    LPCSTR text = getActiveConfig != nullptr ? getActiveConfig(config) : nullptr;
    return text != nullptr ? std::string(text) : std::string();
}

BOOL CQ2RTCApi::IsBlockSupported(LPCSTR name)
{
    return isBlockSupported != nullptr ? isBlockSupported(config, name) : TRUE;
}

BOOL CQ2RTCApi::IsBlockIEC(LPCSTR name)
{
    return isBlockIEC != nullptr ? isBlockIEC(config, name) : FALSE;
}

BOOL CQ2RTCApi::IsTypeSupported(LPCSTR name)
{
    return isTypeSupported != nullptr ? isTypeSupported(config, name) : TRUE;
}
