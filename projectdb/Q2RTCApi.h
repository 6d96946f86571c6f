// Binding to the target configuration library "Q2RTC.DLL", opened and closed
// with the project. The library is optional: a missing library or entry
// leaves that pointer null and the call is skipped with its default answer.
#pragma once

#include "frame/Win32.h"

#include <string>

using PFN_Q2RTC_OpenProject = DWORD(WINAPI*)(LPCSTR path);
using PFN_Q2RTC_CloseProject = void(WINAPI*)(DWORD hConfig);
using PFN_Q2RTC_EditConfig = BOOL(WINAPI*)(DWORD hConfig, HWND parent);
using PFN_Q2RTC_GetActiveConfig = LPCSTR(WINAPI*)(DWORD hConfig);
using PFN_Q2RTC_IsBlockSupported = BOOL(WINAPI*)(DWORD hConfig, LPCSTR name);
using PFN_Q2RTC_IsBlockIEC = BOOL(WINAPI*)(DWORD hConfig, LPCSTR name);
using PFN_Q2RTC_IsTypeSupported = BOOL(WINAPI*)(DWORD hConfig, LPCSTR name);

class CQ2RTCApi
{
public:
    CQ2RTCApi();
    virtual ~CQ2RTCApi();
    CQ2RTCApi(const CQ2RTCApi&) = delete;
    CQ2RTCApi& operator=(const CQ2RTCApi&) = delete;

    bool IsLoaded() const { return library != nullptr; }

    // Closes an open configuration project, then opens the one of the path.
    BOOL OpenProject(LPCSTR path);
    void CloseProject();
    DWORD GetConfigHandle() const { return config; }

    BOOL EditConfig(HWND parent);
    std::string GetActiveConfig();
    // Without the library nothing restricts the target: blocks and types
    // are supported, none is known to be a standard block.
    BOOL IsBlockSupported(LPCSTR name);
    BOOL IsBlockIEC(LPCSTR name);
    BOOL IsTypeSupported(LPCSTR name);

private:
    HMODULE library = nullptr;
    DWORD config = 0;
    PFN_Q2RTC_OpenProject openProject = nullptr;
    PFN_Q2RTC_CloseProject closeProject = nullptr;
    PFN_Q2RTC_EditConfig editConfig = nullptr;
    PFN_Q2RTC_GetActiveConfig getActiveConfig = nullptr;
    PFN_Q2RTC_IsBlockSupported isBlockSupported = nullptr;
    PFN_Q2RTC_IsBlockIEC isBlockIEC = nullptr;
    PFN_Q2RTC_IsTypeSupported isTypeSupported = nullptr;
};
