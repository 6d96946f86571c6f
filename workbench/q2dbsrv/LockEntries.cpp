// Comments and locks. A lock belongs to the user of the connection that took
// it and is kept in the project file, so it outlives the session; taking a
// lock one already holds succeeds, and only its owner can release it.
#include "Access.h"
#include "Entries.h"

using namespace q2db;

namespace
{

DWORD SetLock(DWORD hConn, DWORD hPrj, DWORD id, int kind, DWORD group, bool lock)
{
    const auto change = [&](ProjectModel& m, const Connection& by, Event& e) -> DWORD
    {
        DbObject* o = KindOf(id) == kind ? m.Find(id) : nullptr;
        if (o == nullptr || (kind == Q2DB_KIND_VAR && m.FindVar(id)->group != group))
            return Q2DB_E_NOTFOUND;
        if (LockedByOther(*o, by))
            return Q2DB_E_LOCKED;
        if (lock)
            o->lockOwner = by.user;
        else if (o->lockOwner.empty())
            return Q2DB_E_NOTLOCKED;
        else
            o->lockOwner.clear();
        e = {lock ? Q2DB_EVT_LOCKED : Q2DB_EVT_UNLOCKED, id};
        return Q2DB_OK;
    };
    return Changed(hConn, hPrj, change);
}

LPCSTR Owner(DWORD hConn, DWORD hPrj, DWORD id, int kind)
{
    const auto read = [&](Session& s) -> LPCSTR
    {
        const DbObject* o = KindOf(id) == kind ? s.Model().Find(id) : nullptr;
        return o != nullptr && !o->lockOwner.empty() ? s.Answer(o->lockOwner) : nullptr;
    };
    return Read<LPCSTR>(hConn, hPrj, nullptr, read);
}

} // namespace

extern "C" LPCSTR WINAPI Q2DB_GetComment(DWORD hConn, DWORD hPrj, DWORD id)
{
    const auto read = [&](Session& s) -> LPCSTR
    {
        const DbObject* o = s.Model().Find(id);
        return o != nullptr ? s.Answer(o->comment) : nullptr;
    };
    return Read<LPCSTR>(hConn, hPrj, nullptr, read);
}

extern "C" int WINAPI Q2DB_GetCommentLength(DWORD hConn, DWORD hPrj, DWORD id)
{
    const auto read = [&](Session& s)
    {
        const DbObject* o = s.Model().Find(id);
        return o != nullptr ? static_cast<int>(o->comment.size()) : 0;
    };
    return Read(hConn, hPrj, 0, read);
}

extern "C" DWORD WINAPI Q2DB_SetComment(DWORD hConn, DWORD hPrj, DWORD id, LPCSTR text)
{
    const auto change = [&](ProjectModel& m, const Connection& by, Event& e) -> DWORD
    {
        DbObject* o = m.Find(id);
        if (o == nullptr)
            return Q2DB_E_NOTFOUND;
        if (LockedByOther(*o, by))
            return Q2DB_E_LOCKED;
        o->comment = text != nullptr ? text : "";
        e = {KindOf(id) == Q2DB_KIND_VAR ? Q2DB_EVT_VAR_CHANGED : Q2DB_EVT_COMMENT, id};
        return Q2DB_OK;
    };
    return Changed(hConn, hPrj, change);
}

extern "C" DWORD WINAPI Q2DB_LockProgram(DWORD hConn, DWORD hPrj, DWORD id)
{
    return SetLock(hConn, hPrj, id, Q2DB_KIND_PROGRAM, 0, true);
}

extern "C" DWORD WINAPI Q2DB_UnlockProgram(DWORD hConn, DWORD hPrj, DWORD id)
{
    return SetLock(hConn, hPrj, id, Q2DB_KIND_PROGRAM, 0, false);
}

extern "C" DWORD WINAPI Q2DB_LockGroup(DWORD hConn, DWORD hPrj, DWORD id)
{
    return SetLock(hConn, hPrj, id, Q2DB_KIND_GROUP, 0, true);
}

extern "C" DWORD WINAPI Q2DB_UnlockGroup(DWORD hConn, DWORD hPrj, DWORD id)
{
    return SetLock(hConn, hPrj, id, Q2DB_KIND_GROUP, 0, false);
}

extern "C" DWORD WINAPI Q2DB_LockVar(DWORD hConn, DWORD hPrj, DWORD group, DWORD id)
{
    return SetLock(hConn, hPrj, id, Q2DB_KIND_VAR, group, true);
}

extern "C" DWORD WINAPI Q2DB_UnlockVar(DWORD hConn, DWORD hPrj, DWORD group, DWORD id)
{
    return SetLock(hConn, hPrj, id, Q2DB_KIND_VAR, group, false);
}

extern "C" BOOL WINAPI Q2DB_IsObjectLocked(DWORD hConn, DWORD hPrj, DWORD id)
{
    const auto read = [&](Session& s) -> BOOL
    {
        const DbObject* o = s.Model().Find(id);
        return o != nullptr && !o->lockOwner.empty();
    };
    return Read<BOOL>(hConn, hPrj, FALSE, read);
}

extern "C" LPCSTR WINAPI Q2DB_GetProgramOwner(DWORD hConn, DWORD hPrj, DWORD id)
{
    return Owner(hConn, hPrj, id, Q2DB_KIND_PROGRAM);
}

extern "C" LPCSTR WINAPI Q2DB_GetGroupOwner(DWORD hConn, DWORD hPrj, DWORD id)
{
    return Owner(hConn, hPrj, id, Q2DB_KIND_GROUP);
}

extern "C" LPCSTR WINAPI Q2DB_GetVarOwner(DWORD hConn, DWORD hPrj, DWORD id)
{
    return Owner(hConn, hPrj, id, Q2DB_KIND_VAR);
}
