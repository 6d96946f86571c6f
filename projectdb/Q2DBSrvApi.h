// The project database service "Q2DBSrv.dll" with its block registry: entry
// names, function-pointer types and the values both sides rely on. The
// wrappers look every entry up by name; the workbench's stand-in implements
// them. Every entry point uses the WINAPI calling convention and is exported
// undecorated.
//
// Conventions:
// * Handles and object identifiers are 32-bit words, 0 meaning none. An
//   identifier carries its kind in its top byte (Q2DB_KIND_OF), so
//   Q2DB_GetKindOfObject needs nothing else; connections are kind 1 and
//   project handles kind 2.
// * Actions answer a code, Q2DB_OK (0) for success; Q2DB_GetMessage gives
//   its text.
// * Queries answer a text owned by the service, valid until the next query
//   on the same connection (copy it at once), or null when absent; further
//   fields come through output pointers, each of which may be null.
// * Lists come in pairs: a count and a fill call that writes at most
//   `capacity` identifiers and answers how many it wrote.
// * Texts of the block registry are static and stay valid while the
//   library is loaded.
#pragma once

#include <windows.h>

// Object kinds, as Q2DB_GetKindOfObject answers them.
enum : int
{
    Q2DB_KIND_CLIENT = 1,
    Q2DB_KIND_PROJECT = 2,
    Q2DB_KIND_PROGRAM = 3,
    Q2DB_KIND_GROUP = 4,
    Q2DB_KIND_TYPE = 5,
    Q2DB_KIND_VAR = 6,
    Q2DB_KIND_FOLDER = 8,
    Q2DB_KIND_FILE = 9,
};
constexpr int Q2DB_KIND_OF(DWORD id)
{
    return static_cast<int>(id >> 24);
}

// Result codes of actions.
enum : DWORD
{
    Q2DB_OK = 0,
    Q2DB_E_REFUSED = 1,        // the operation is not available
    Q2DB_E_BADHANDLE = 2,      // no such connection or open project
    Q2DB_E_BADARG = 3,         // a required argument is missing
    Q2DB_E_NOTFOUND = 4,       // no such object
    Q2DB_E_EXISTS = 5,         // the name is already used
    Q2DB_E_BADNAME = 6,        // not a valid identifier
    Q2DB_E_LOCKED = 7,         // locked by another user
    Q2DB_E_NOTLOCKED = 8,      // the object is not locked
    Q2DB_E_WRITE = 9,          // the project file could not be written
    Q2DB_E_READONLY = 10,      // the connection is read-only
    Q2DB_E_PROJECTEXISTS = 11, // the folder already holds a project
    Q2DB_E_FOLDER = 12,        // the project folder could not be made
    Q2DB_E_DAMAGED = 13,       // the file was edited outside and can't be read
    Q2DB_E_BADKIND = 43,       // this kind of object can't be locked
    Q2DB_E_UNAVAILABLE = 98,   // the service library or entry is missing
};

// Q2DB_Connect flags.
enum : DWORD
{
    Q2DB_CONNECT_READONLY = 1, // reads only: every change is refused
};

// Group kinds (Q2DB_GetGroupDesc).
enum : DWORD
{
    Q2DB_GROUP_GLOBAL = 1,
    Q2DB_GROUP_LOCAL = 2, // the local variables of one program (its owner)
    Q2DB_GROUP_IO = 3,
};

// Description flags.
enum : DWORD
{
    Q2DB_TYPE_BASIC = 1,  // a standard elementary type
    Q2DB_VAR_INPUT = 8,   // input parameter of a program or user block
    Q2DB_VAR_OUTPUT = 16, // output parameter of a program or user block
    Q2DB_VAR_FLAGGED = 0x100,
    Q2DB_PROG_USERBLOCK = 8, // a program that is a user block: also a type
    Q2DB_TYPE_USERBLOCK = 8, // the type of a user block
};

// Properties of the project itself (object 0 or the project handle).
enum : int
{
    Q2DB_PROP_DESCRIPTION = 1,
};

// Change events, posted to the notification window of every other
// connection that has the same project open: message = the one given to
// Q2DB_Connect, wParam = code, lParam = the object concerned.
enum : DWORD
{
    Q2DB_EVT_GROUPS = 0x010002,            // a group was created
    Q2DB_EVT_VAR_CREATED = 0x020004,       // lParam: the variable
    Q2DB_EVT_VAR_DELETED = 0x020008,       // lParam: the variable
    Q2DB_EVT_VAR_CHANGED = 0x02000A,       // description or comment
    Q2DB_EVT_TYPE_CREATED = 0x050007,      // lParam: the type
    Q2DB_EVT_LOCKED = 0x070002,            // lParam: the object
    Q2DB_EVT_UNLOCKED = 0x070003,          // lParam: the object
    Q2DB_EVT_COMMENT = 0x070005,           // comment of a program, group or type
    Q2DB_EVT_PROGRAMS = 0x090001,          // a program was created or deleted
    Q2DB_EVT_PROGRAM_RENAMED = 0x090003,   // lParam: the program
    Q2DB_EVT_PROGRAM_CHANGED = 0x40000000, // its content was saved
    Q2DB_EVT_PROPERTIES = 0x8000000C,      // a project property changed
};

// Kinds of a registry block (Q2DBReg_GetBlockDesc).
enum : DWORD
{
    Q2DBREG_OPERATOR = 1,
    Q2DBREG_FUNCTION = 2,
    Q2DBREG_FUNCTION_BLOCK = 3,
};

// Connection and project.
using PFN_Q2DB_Connect = DWORD(WINAPI*)(HWND hNotify, UINT msg, DWORD flags, DWORD reserved,
                                        LPCSTR user);
using PFN_Q2DB_Disconnect = void(WINAPI*)(DWORD hConn);
using PFN_Q2DB_CreateProject = DWORD(WINAPI*)(DWORD hConn, LPCSTR path);
using PFN_Q2DB_OpenProject = DWORD(WINAPI*)(DWORD hConn, LPCSTR path);
using PFN_Q2DB_CloseProject = void(WINAPI*)(DWORD hConn, DWORD hPrj);
using PFN_Q2DB_GetMessage = LPCSTR(WINAPI*)(DWORD code);
using PFN_Q2DB_GetClientName = LPCSTR(WINAPI*)(DWORD hConn);
using PFN_Q2DB_GetProjectPath = LPCSTR(WINAPI*)(DWORD hConn, DWORD hPrj);
using PFN_Q2DB_EnableEvents = void(WINAPI*)(DWORD hConn, BOOL enable);
using PFN_Q2DB_GetKindOfObject = int(WINAPI*)(DWORD id);
using PFN_Q2DB_GetProperty = LPCSTR(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD object, int prop);
using PFN_Q2DB_SetProperty = DWORD(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD object, int prop,
                                            LPCSTR value);

// Programs. The language of a program is its kind of source (1 SFC, ...).
using PFN_Q2DB_GetNbProgram = int(WINAPI*)(DWORD hConn, DWORD hPrj);
using PFN_Q2DB_GetPrograms = int(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD* ids, int capacity);
using PFN_Q2DB_FindProgram = DWORD(WINAPI*)(DWORD hConn, DWORD hPrj, LPCSTR name);
using PFN_Q2DB_GetProgramDesc = LPCSTR(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD id, DWORD* language,
                                                DWORD* flags, DWORD* group);
using PFN_Q2DB_CreateProgram = DWORD(WINAPI*)(DWORD hConn, DWORD hPrj, LPCSTR name, DWORD language,
                                              DWORD flags, DWORD* newId);
using PFN_Q2DB_RenameProgram = DWORD(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD id, LPCSTR name);
using PFN_Q2DB_DeleteProgram = DWORD(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD id);
using PFN_Q2DB_SaveProgramChanges = DWORD(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD id);
using PFN_Q2DB_GetUDFBNbIO = DWORD(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD id, int* nbIn,
                                            int* nbOut);

// Groups. Option 1 sorts by name; any other keeps the creation order.
using PFN_Q2DB_GetNbGroup = int(WINAPI*)(DWORD hConn, DWORD hPrj);
using PFN_Q2DB_GetSortedGroups = int(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD option, DWORD* ids,
                                              int capacity);
using PFN_Q2DB_FindGroup = DWORD(WINAPI*)(DWORD hConn, DWORD hPrj, LPCSTR name);
using PFN_Q2DB_GetGroupDesc = LPCSTR(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD id, DWORD* kind,
                                              DWORD* owner);
using PFN_Q2DB_CreateIOGroup = DWORD(WINAPI*)(DWORD hConn, DWORD hPrj, LPCSTR name, DWORD* newId);

// Variables. Q2DB_FindVar looks in the global and I/O groups.
using PFN_Q2DB_GetNbVar = int(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD group);
using PFN_Q2DB_GetVars = int(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD group, DWORD* ids,
                                      int capacity);
using PFN_Q2DB_FindVar = DWORD(WINAPI*)(DWORD hConn, DWORD hPrj, LPCSTR name);
using PFN_Q2DB_FindVarInGroup = DWORD(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD group, LPCSTR name);
using PFN_Q2DB_GetVarDesc = LPCSTR(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD id, DWORD* type,
                                            DWORD* flags, DWORD* group);
using PFN_Q2DB_CreateVar = DWORD(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD group, LPCSTR name,
                                          DWORD type, DWORD flags, DWORD* newId);
using PFN_Q2DB_DeleteVar = DWORD(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD id);
using PFN_Q2DB_SetVarDesc = DWORD(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD id, DWORD type,
                                           DWORD flags);

// Types.
using PFN_Q2DB_GetNbType = int(WINAPI*)(DWORD hConn, DWORD hPrj);
using PFN_Q2DB_GetTypes = int(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD* ids, int capacity);
using PFN_Q2DB_FindType = DWORD(WINAPI*)(DWORD hConn, DWORD hPrj, LPCSTR name);
using PFN_Q2DB_GetTypeDesc = LPCSTR(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD id, DWORD* flags);

// Comments of programs, groups, types and variables.
using PFN_Q2DB_GetComment = LPCSTR(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD id);
using PFN_Q2DB_GetCommentLength = int(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD id);
using PFN_Q2DB_SetComment = DWORD(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD id, LPCSTR text);

// Locks, held by the connection's user and kept in the project.
using PFN_Q2DB_LockObject = DWORD(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD id);
using PFN_Q2DB_LockVar = DWORD(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD group, DWORD id);
using PFN_Q2DB_IsObjectLocked = BOOL(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD id);
using PFN_Q2DB_GetOwner = LPCSTR(WINAPI*)(DWORD hConn, DWORD hPrj, DWORD id);

// Block registry: the standard blocks, by name (without regard to case) or
// identifier; pins by index from 0, their type name through `type`.
using PFN_Q2DBReg_FindBlock = DWORD(WINAPI*)(LPCSTR name);
using PFN_Q2DBReg_GetBlockDesc = LPCSTR(WINAPI*)(DWORD id, int* nbIn, int* nbOut, DWORD* kind);
using PFN_Q2DBReg_GetBlockPin = LPCSTR(WINAPI*)(DWORD id, int index, LPCSTR* type);
using PFN_Q2DBReg_BlockNeed = BOOL(WINAPI*)(DWORD id);

// Entry names, in one table so the loader and the tests agree on them.
#define Q2DB_ENTRIES(X)                                                                            \
    X(Q2DB_Connect, PFN_Q2DB_Connect)                                                              \
    X(Q2DB_Disconnect, PFN_Q2DB_Disconnect)                                                        \
    X(Q2DB_CreateProject, PFN_Q2DB_CreateProject)                                                  \
    X(Q2DB_OpenProject, PFN_Q2DB_OpenProject)                                                      \
    X(Q2DB_CloseProject, PFN_Q2DB_CloseProject)                                                    \
    X(Q2DB_GetMessage, PFN_Q2DB_GetMessage)                                                        \
    X(Q2DB_GetClientName, PFN_Q2DB_GetClientName)                                                  \
    X(Q2DB_GetProjectPath, PFN_Q2DB_GetProjectPath)                                                \
    X(Q2DB_EnableEvents, PFN_Q2DB_EnableEvents)                                                    \
    X(Q2DB_GetKindOfObject, PFN_Q2DB_GetKindOfObject)                                              \
    X(Q2DB_GetProperty, PFN_Q2DB_GetProperty)                                                      \
    X(Q2DB_SetProperty, PFN_Q2DB_SetProperty)                                                      \
    X(Q2DB_GetNbProgram, PFN_Q2DB_GetNbProgram)                                                    \
    X(Q2DB_GetPrograms, PFN_Q2DB_GetPrograms)                                                      \
    X(Q2DB_FindProgram, PFN_Q2DB_FindProgram)                                                      \
    X(Q2DB_GetProgramDesc, PFN_Q2DB_GetProgramDesc)                                                \
    X(Q2DB_CreateProgram, PFN_Q2DB_CreateProgram)                                                  \
    X(Q2DB_RenameProgram, PFN_Q2DB_RenameProgram)                                                  \
    X(Q2DB_DeleteProgram, PFN_Q2DB_DeleteProgram)                                                  \
    X(Q2DB_SaveProgramChanges, PFN_Q2DB_SaveProgramChanges)                                        \
    X(Q2DB_GetUDFBNbIO, PFN_Q2DB_GetUDFBNbIO)                                                      \
    X(Q2DB_GetNbGroup, PFN_Q2DB_GetNbGroup)                                                        \
    X(Q2DB_GetSortedGroups, PFN_Q2DB_GetSortedGroups)                                              \
    X(Q2DB_FindGroup, PFN_Q2DB_FindGroup)                                                          \
    X(Q2DB_GetGroupDesc, PFN_Q2DB_GetGroupDesc)                                                    \
    X(Q2DB_CreateIOGroup, PFN_Q2DB_CreateIOGroup)                                                  \
    X(Q2DB_GetNbVar, PFN_Q2DB_GetNbVar)                                                            \
    X(Q2DB_GetVars, PFN_Q2DB_GetVars)                                                              \
    X(Q2DB_FindVar, PFN_Q2DB_FindVar)                                                              \
    X(Q2DB_FindVarInGroup, PFN_Q2DB_FindVarInGroup)                                                \
    X(Q2DB_GetVarDesc, PFN_Q2DB_GetVarDesc)                                                        \
    X(Q2DB_CreateVar, PFN_Q2DB_CreateVar)                                                          \
    X(Q2DB_DeleteVar, PFN_Q2DB_DeleteVar)                                                          \
    X(Q2DB_SetVarDesc, PFN_Q2DB_SetVarDesc)                                                        \
    X(Q2DB_GetNbType, PFN_Q2DB_GetNbType)                                                          \
    X(Q2DB_GetTypes, PFN_Q2DB_GetTypes)                                                            \
    X(Q2DB_FindType, PFN_Q2DB_FindType)                                                            \
    X(Q2DB_GetTypeDesc, PFN_Q2DB_GetTypeDesc)                                                      \
    X(Q2DB_GetComment, PFN_Q2DB_GetComment)                                                        \
    X(Q2DB_GetCommentLength, PFN_Q2DB_GetCommentLength)                                            \
    X(Q2DB_SetComment, PFN_Q2DB_SetComment)                                                        \
    X(Q2DB_LockProgram, PFN_Q2DB_LockObject)                                                       \
    X(Q2DB_UnlockProgram, PFN_Q2DB_LockObject)                                                     \
    X(Q2DB_LockGroup, PFN_Q2DB_LockObject)                                                         \
    X(Q2DB_UnlockGroup, PFN_Q2DB_LockObject)                                                       \
    X(Q2DB_LockVar, PFN_Q2DB_LockVar)                                                              \
    X(Q2DB_UnlockVar, PFN_Q2DB_LockVar)                                                            \
    X(Q2DB_IsObjectLocked, PFN_Q2DB_IsObjectLocked)                                                \
    X(Q2DB_GetProgramOwner, PFN_Q2DB_GetOwner)                                                     \
    X(Q2DB_GetGroupOwner, PFN_Q2DB_GetOwner)                                                       \
    X(Q2DB_GetVarOwner, PFN_Q2DB_GetOwner)                                                         \
    X(Q2DBReg_FindBlock, PFN_Q2DBReg_FindBlock)                                                    \
    X(Q2DBReg_GetBlockDesc, PFN_Q2DBReg_GetBlockDesc)                                              \
    X(Q2DBReg_GetBlockInput, PFN_Q2DBReg_GetBlockPin)                                              \
    X(Q2DBReg_GetBlockOutput, PFN_Q2DBReg_GetBlockPin)                                             \
    X(Q2DBReg_BlockNeedEN, PFN_Q2DBReg_BlockNeed)                                                  \
    X(Q2DBReg_BlockNeedENO, PFN_Q2DBReg_BlockNeed)

// The file name the wrappers load.
#define Q2DBSRV_LIBRARY "Q2DBSrv.dll"
// The project's content, a text file in the project folder.
#define Q2DBSRV_PROJECT_FILE "project.q2db"
