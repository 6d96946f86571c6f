#include "projectdb/Q2DBWrapRWBase.h"

#include "projectdb/Q2DBSrvLoader.h"

namespace
{

CQ2DBSrvLoader& Api()
{
    return CQ2DBSrvLoader::Instance();
}

} // namespace

BOOL CQ2DBWrapRWBase::Store(DWORD code)
{
    lastResult = code;
    return code == Q2DB_OK;
}

BOOL CQ2DBWrapRWBase::SetLock(DWORD id, bool lock)
{
    switch (GetKindOfObject(id))
    {
    case Q2DB_KIND_PROGRAM:
        return Store(Q2DBCall<DWORD>(lock ? Api().Q2DB_LockProgram : Api().Q2DB_UnlockProgram,
                                     Q2DB_E_UNAVAILABLE, connection, project, id));
    case Q2DB_KIND_GROUP:
        return Store(Q2DBCall<DWORD>(lock ? Api().Q2DB_LockGroup : Api().Q2DB_UnlockGroup,
                                     Q2DB_E_UNAVAILABLE, connection, project, id));
    case Q2DB_KIND_VAR:
    {
        std::string name;
        DWORD group = 0;
        GetVarDesc(id, name, nullptr, nullptr, &group);
        return Store(Q2DBCall<DWORD>(lock ? Api().Q2DB_LockVar : Api().Q2DB_UnlockVar,
                                     Q2DB_E_UNAVAILABLE, connection, project, group, id));
    }
    default:
        return Store(Q2DB_E_BADKIND);
    }
}

BOOL CQ2DBWrapRWBase::Lock(DWORD id)
{
    return SetLock(id, true);
}

BOOL CQ2DBWrapRWBase::Unlock(DWORD id)
{
    return SetLock(id, false);
}

BOOL CQ2DBWrapRWBase::SetProperty(DWORD object, int number, LPCSTR value)
{
    return Store(Q2DBCall<DWORD>(Api().Q2DB_SetProperty, Q2DB_E_UNAVAILABLE, connection, project,
                                 object, number, value));
}

BOOL CQ2DBWrapRWBase::SetComment(DWORD id, LPCSTR text)
{
    return Store(
        Q2DBCall<DWORD>(Api().Q2DB_SetComment, Q2DB_E_UNAVAILABLE, connection, project, id, text));
}

BOOL CQ2DBWrapRWBase::CreateProgram(LPCSTR name, DWORD language, DWORD flags, DWORD* newId)
{
    DWORD id = 0;
    const BOOL ok = Store(Q2DBCall<DWORD>(Api().Q2DB_CreateProgram, Q2DB_E_UNAVAILABLE, connection,
                                          project, name, language, flags, &id));
    if (newId != nullptr)
        *newId = ok ? id : 0;
    return ok;
}

BOOL CQ2DBWrapRWBase::RenameProgram(DWORD id, LPCSTR name)
{
    return Store(Q2DBCall<DWORD>(Api().Q2DB_RenameProgram, Q2DB_E_UNAVAILABLE, connection, project,
                                 id, name));
}

BOOL CQ2DBWrapRWBase::DeleteProgram(DWORD id)
{
    return Store(
        Q2DBCall<DWORD>(Api().Q2DB_DeleteProgram, Q2DB_E_UNAVAILABLE, connection, project, id));
}

BOOL CQ2DBWrapRWBase::SaveProgramChanges(DWORD id)
{
    return Store(Q2DBCall<DWORD>(Api().Q2DB_SaveProgramChanges, Q2DB_E_UNAVAILABLE, connection,
                                 project, id));
}

BOOL CQ2DBWrapRWBase::CreateIOGroup(LPCSTR name, DWORD* newId)
{
    DWORD id = 0;
    const BOOL ok = Store(Q2DBCall<DWORD>(Api().Q2DB_CreateIOGroup, Q2DB_E_UNAVAILABLE, connection,
                                          project, name, &id));
    if (newId != nullptr)
        *newId = ok ? id : 0;
    return ok;
}

BOOL CQ2DBWrapRWBase::CreateVar(DWORD group, LPCSTR name, DWORD type, DWORD flags, DWORD* newId)
{
    DWORD id = 0;
    const BOOL ok = Store(Q2DBCall<DWORD>(Api().Q2DB_CreateVar, Q2DB_E_UNAVAILABLE, connection,
                                          project, group, name, type, flags, &id));
    if (newId != nullptr)
        *newId = ok ? id : 0;
    return ok;
}

BOOL CQ2DBWrapRWBase::DeleteVar(DWORD id)
{
    return Store(
        Q2DBCall<DWORD>(Api().Q2DB_DeleteVar, Q2DB_E_UNAVAILABLE, connection, project, id));
}

BOOL CQ2DBWrapRWBase::SetVarDesc(DWORD id, DWORD type, DWORD flags)
{
    return Store(Q2DBCall<DWORD>(Api().Q2DB_SetVarDesc, Q2DB_E_UNAVAILABLE, connection, project, id,
                                 type, flags));
}
