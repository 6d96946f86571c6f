// Loader of the workbench's shared-dialog library "R8EditRes.dll", made on
// the stack for one use: loads the library, looks its entries up by name and
// frees it when destroyed. A missing library or entry leaves it null, and the
// calls then do nothing and answer 0.
#pragma once

#include "frame/R8EditTypes.h"

class CR8EditResApi
{
public:
    CR8EditResApi();
    ~CR8EditResApi();
    CR8EditResApi(const CR8EditResApi&) = delete;
    CR8EditResApi& operator=(const CR8EditResApi&) = delete;

    bool IsLoaded() const { return library != nullptr; }

    // Modal block selection; non-zero when the user chose a block, written into block.
    int SelBlock(HWND owner, LPCSTR projectPath, str_R8Block* block);
    // Modal variable properties for count identifiers (count at least 1).
    int EditVarProps(HWND owner, LPCSTR projectPath, int count, DWORD* ids);

    // The entry named name, or null.
    FARPROC Entry(const char* name) const;

private:
    HMODULE library = nullptr;
};

// Calls "Q2HLP_Call" of the help library for one request; nothing happens
// when the library or its entry is missing.
void CallHelp(HWND owner, LPCSTR group, LPCSTR topic);
