// Records the editor's operations exchange with the host and among the
// window-layer classes.
#pragma once

#include "frame/Win32.h"

#include <cstddef>
#include <cstdint>

// Records whose layout is owned by other parts of the editor; only their
// addresses cross the command interface.
struct str_R8TooltipInfos;
struct str_R8PrintFolioSetup;
struct str_R8SFCSettings;

// A rendered folio: owns a bitmap and is deleted by the caller.
class CR8EditPicture;

// Find-and-replace request from the host (SearchIn): five 32-bit fields.
struct str_R8FindReplace
{
    LPCSTR find;
    LPCSTR replace;
    DWORD command;
    DWORD flags;
    HWND listBox;
};

// The find record handed to the concrete editor's find operations.
struct CR8FindRecord
{
    LPCSTR find = nullptr;
    LPCSTR replace = nullptr;
    DWORD command = 0;
    DWORD flags = 0;
    HWND listBox = nullptr;
    void* secondOutput = nullptr;
};

// What the editor reports back from a find or replace.
struct CR8FindResult
{
    int count = 0;
    int line = 0;
    int column = 0;
    BOOL replaced = FALSE;
    BOOL found = FALSE;
    char foundText[256] = {};
};

// Block record exchanged with the block-selection dialog (280 bytes).
struct str_R8Block
{
    char name[256];
    DWORD id;
    DWORD nbIn;
    DWORD nbOut;
    DWORD instanciable;
    DWORD dbObject;
    DWORD reserved;
};
static_assert(sizeof(str_R8Block) == 280);
static_assert(offsetof(str_R8Block, id) == 256);
static_assert(offsetof(str_R8Block, reserved) == 276);
