#include "projectdb/Q2DBWrapR.h"

#include "projectdb/Q2DBSrvLoader.h"

namespace
{

CQ2DBSrvLoader& Api()
{
    return CQ2DBSrvLoader::Instance();
}

} // namespace

BOOL CQ2DBWrapR::GetObjectName(DWORD id, std::string& name)
{
    switch (GetKindOfObject(id))
    {
    case Q2DB_KIND_CLIENT:
        return Q2DBTakeText(Q2DBCall<LPCSTR>(Api().Q2DB_GetClientName, nullptr, id), name);
    case Q2DB_KIND_PROJECT:
        return GetProjectPath(name);
    case Q2DB_KIND_PROGRAM:
        return GetProgramDesc(id, name);
    case Q2DB_KIND_GROUP:
        return GetGroupDesc(id, name);
    case Q2DB_KIND_TYPE:
        return GetTypeDesc(id, name);
    case Q2DB_KIND_VAR:
        return GetVarDesc(id, name);
    case 10:
        name = "Binding";
        return TRUE;
    case 12:
        name = "Global definitions";
        return TRUE;
    case 13:
        name = "Embedded HMI";
        return TRUE;
    case 14:
        name = "Workspace";
        return TRUE;
    default: // folders and files have no entries in this service yet
        name.clear();
        return FALSE;
    }
}

BOOL CQ2DBWrapR::IsLocked(DWORD id)
{
    return Q2DBCall<BOOL>(Api().Q2DB_IsObjectLocked, FALSE, connection, project, id) != FALSE;
}

BOOL CQ2DBWrapR::GetLockOwner(DWORD id, std::string& owner)
{
    owner.clear();
    if (!IsLocked(id))
        return FALSE;
    LPCSTR text = nullptr;
    switch (GetKindOfObject(id))
    {
    case Q2DB_KIND_PROGRAM:
        text = Q2DBCall<LPCSTR>(Api().Q2DB_GetProgramOwner, nullptr, connection, project, id);
        break;
    case Q2DB_KIND_GROUP:
        text = Q2DBCall<LPCSTR>(Api().Q2DB_GetGroupOwner, nullptr, connection, project, id);
        break;
    case Q2DB_KIND_VAR:
        text = Q2DBCall<LPCSTR>(Api().Q2DB_GetVarOwner, nullptr, connection, project, id);
        break;
    default:
        break;
    }
    if (!Q2DBTakeText(text, owner))
        owner = "anonymous";
    return TRUE;
}

BOOL CQ2DBWrapR::GetComment(DWORD id, std::string& comment)
{
    return Q2DBTakeText(Q2DBCall<LPCSTR>(Api().Q2DB_GetComment, nullptr, connection, project, id),
                        comment);
}

BOOL CQ2DBWrapR::GetProjectPath(std::string& path)
{
    return Q2DBTakeText(Q2DBCall<LPCSTR>(Api().Q2DB_GetProjectPath, nullptr, connection, project),
                        path);
}

BOOL CQ2DBWrapR::GetProgramDesc(DWORD id, std::string& name, DWORD* language, DWORD* flags,
                                DWORD* group)
{
    return Q2DBTakeText(Q2DBCall<LPCSTR>(Api().Q2DB_GetProgramDesc, nullptr, connection, project,
                                         id, language, flags, group),
                        name);
}

BOOL CQ2DBWrapR::GetTypeDesc(DWORD id, std::string& name, DWORD* flags)
{
    return Q2DBTakeText(
        Q2DBCall<LPCSTR>(Api().Q2DB_GetTypeDesc, nullptr, connection, project, id, flags), name);
}

BOOL CQ2DBWrapR::GetGroupDesc(DWORD id, std::string& name, DWORD* kind, DWORD* owner)
{
    return Q2DBTakeText(
        Q2DBCall<LPCSTR>(Api().Q2DB_GetGroupDesc, nullptr, connection, project, id, kind, owner),
        name);
}

BOOL CQ2DBWrapR::GetVarDesc(DWORD id, std::string& name, DWORD* type, DWORD* flags, DWORD* group)
{
    return Q2DBTakeText(Q2DBCall<LPCSTR>(Api().Q2DB_GetVarDesc, nullptr, connection, project, id,
                                         type, flags, group),
                        name);
}

BOOL CQ2DBWrapR::GetUDFBNbIO(DWORD id, int* nbIn, int* nbOut)
{
    return Q2DBCall<DWORD>(Api().Q2DB_GetUDFBNbIO, Q2DB_E_UNAVAILABLE, connection, project, id,
                           nbIn, nbOut) == Q2DB_OK;
}

BOOL CQ2DBWrapR::GetProperty(DWORD object, int number, std::string& value)
{
    return Q2DBTakeText(
        Q2DBCall<LPCSTR>(Api().Q2DB_GetProperty, nullptr, connection, project, object, number),
        value);
}
