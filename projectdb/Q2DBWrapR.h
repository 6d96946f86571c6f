// Third level: reading objects. Text queries fill the caller's string and
// answer TRUE when the service gave a non-empty text, else empty it and
// answer FALSE.
#pragma once

#include "projectdb/Q2DBWrapEnum.h"

class CQ2DBWrapR : public CQ2DBWrapEnum
{
public:
    ~CQ2DBWrapR() override = default;

    // The name by the object's kind; FALSE with an empty text for kinds
    // without a name.
    BOOL GetObjectName(DWORD id, std::string& name);
    // TRUE when the object is locked; owner is the service's name for the
    // holder, or "anonymous" when it gives none or can't say for that kind.
    BOOL GetLockOwner(DWORD id, std::string& owner);
    BOOL IsLocked(DWORD id);
    BOOL GetComment(DWORD id, std::string& comment);
    BOOL GetProjectPath(std::string& path);
    BOOL GetProgramDesc(DWORD id, std::string& name, DWORD* language = nullptr,
                        DWORD* flags = nullptr, DWORD* group = nullptr);
    BOOL GetTypeDesc(DWORD id, std::string& name, DWORD* flags = nullptr);
    BOOL GetGroupDesc(DWORD id, std::string& name, DWORD* kind = nullptr, DWORD* owner = nullptr);
    BOOL GetVarDesc(DWORD id, std::string& name, DWORD* type = nullptr, DWORD* flags = nullptr,
                    DWORD* group = nullptr);
    // Pin counts of a user block (its program or its type).
    BOOL GetUDFBNbIO(DWORD id, int* nbIn, int* nbOut);
    BOOL GetProperty(DWORD object, int number, std::string& value);
};
