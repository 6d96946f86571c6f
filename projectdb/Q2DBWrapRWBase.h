// Fourth level: changes. Each stores the service's code as the last result
// and answers TRUE when it is 0; GetMessageText turns the code into the
// text shown to the user.
#pragma once

#include "projectdb/Q2DBWrapR.h"

class CQ2DBWrapRWBase : public CQ2DBWrapR
{
public:
    ~CQ2DBWrapRWBase() override = default;

    DWORD GetLastResult() const { return lastResult; }

    // By the object's kind: a program, a group or a variable (in its
    // group); any other kind fails with code 43.
    BOOL Lock(DWORD id);
    BOOL Unlock(DWORD id);

    BOOL SetProperty(DWORD object, int number, LPCSTR value);
    BOOL SetComment(DWORD id, LPCSTR text);

    BOOL CreateProgram(LPCSTR name, DWORD language, DWORD flags, DWORD* newId = nullptr);
    BOOL RenameProgram(DWORD id, LPCSTR name);
    BOOL DeleteProgram(DWORD id);
    // Tells the other connections that the program's content changed.
    BOOL SaveProgramChanges(DWORD id);

    BOOL CreateIOGroup(LPCSTR name, DWORD* newId = nullptr);
    BOOL CreateVar(DWORD group, LPCSTR name, DWORD type, DWORD flags, DWORD* newId = nullptr);
    BOOL DeleteVar(DWORD id);
    BOOL SetVarDesc(DWORD id, DWORD type, DWORD flags);

protected:
    BOOL Store(DWORD code);

    DWORD lastResult = 0;

private:
    BOOL SetLock(DWORD id, bool lock);
};
