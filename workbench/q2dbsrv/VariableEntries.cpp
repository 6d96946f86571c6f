// Groups, variables and types.
#include "Access.h"
#include "Entries.h"

#include <algorithm>

using namespace q2db;

namespace
{

char UpperChar(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

template <class T> std::vector<uint32_t> Ids(const std::vector<T>& list)
{
    std::vector<uint32_t> ids;
    for (const auto& o : list)
        ids.push_back(o.id);
    return ids;
}

} // namespace

extern "C" int WINAPI Q2DB_GetNbGroup(DWORD hConn, DWORD hPrj)
{
    return Read(hConn, hPrj, 0,
                [](Session& s) { return static_cast<int>(s.Model().groups.size()); });
}

extern "C" int WINAPI Q2DB_GetSortedGroups(DWORD hConn, DWORD hPrj, DWORD option, DWORD* ids,
                                           int capacity)
{
    const auto read = [&](Session& s)
    {
        std::vector<DbGroup> groups = s.Model().groups;
        if (option == 1)
            std::stable_sort(groups.begin(), groups.end(),
                             [](const DbGroup& a, const DbGroup& b)
                             {
                                 return std::lexicographical_compare(
                                     a.name.begin(), a.name.end(), b.name.begin(), b.name.end(),
                                     [](char x, char y) { return UpperChar(x) < UpperChar(y); });
                             });
        return FillList(Ids(groups), ids, capacity);
    };
    return Read(hConn, hPrj, 0, read);
}

extern "C" DWORD WINAPI Q2DB_FindGroup(DWORD hConn, DWORD hPrj, LPCSTR name)
{
    const auto read = [&](Session& s) -> DWORD
    {
        const DbGroup* g = name != nullptr ? s.Model().FindGroupByName(name) : nullptr;
        return g != nullptr ? g->id : 0;
    };
    return Read<DWORD>(hConn, hPrj, 0, read);
}

extern "C" LPCSTR WINAPI Q2DB_GetGroupDesc(DWORD hConn, DWORD hPrj, DWORD id, DWORD* kind,
                                           DWORD* owner)
{
    const auto read = [&](Session& s) -> LPCSTR
    {
        const DbGroup* g = s.Model().FindGroup(id);
        if (g == nullptr)
            return nullptr;
        if (kind != nullptr)
            *kind = g->kind;
        if (owner != nullptr)
            *owner = g->owner;
        return s.Answer(g->name);
    };
    return Read<LPCSTR>(hConn, hPrj, nullptr, read);
}

extern "C" DWORD WINAPI Q2DB_CreateIOGroup(DWORD hConn, DWORD hPrj, LPCSTR name, DWORD* newId)
{
    if (newId != nullptr)
        *newId = 0;
    const auto change = [&](ProjectModel& m, const Connection&, Event& e) -> DWORD
    {
        if (name == nullptr || !IsValidName(name))
            return Q2DB_E_BADNAME;
        if (m.FindGroupByName(name) != nullptr)
            return Q2DB_E_EXISTS;
        DbGroup g;
        g.id = m.NewId(Q2DB_KIND_GROUP);
        if ((g.id & kSerialMask) == 0)
            return Q2DB_E_REFUSED;
        g.name = name;
        g.kind = Q2DB_GROUP_IO;
        m.groups.push_back(g);
        if (newId != nullptr)
            *newId = g.id;
        e = {Q2DB_EVT_GROUPS, g.id};
        return Q2DB_OK;
    };
    return Changed(hConn, hPrj, change);
}

extern "C" int WINAPI Q2DB_GetNbVar(DWORD hConn, DWORD hPrj, DWORD group)
{
    return Read(hConn, hPrj, 0,
                [&](Session& s) { return static_cast<int>(s.Model().VarsOf(group).size()); });
}

extern "C" int WINAPI Q2DB_GetVars(DWORD hConn, DWORD hPrj, DWORD group, DWORD* ids, int capacity)
{
    return Read(hConn, hPrj, 0,
                [&](Session& s) { return FillList(s.Model().VarsOf(group), ids, capacity); });
}

extern "C" DWORD WINAPI Q2DB_FindVar(DWORD hConn, DWORD hPrj, LPCSTR name)
{
    const auto read = [&](Session& s) -> DWORD
    {
        if (name == nullptr)
            return 0;
        for (const auto& g : s.Model().groups)
            if (g.kind != Q2DB_GROUP_LOCAL)
                if (const DbVar* v = s.Model().FindVarInGroup(g.id, name))
                    return v->id;
        return 0;
    };
    return Read<DWORD>(hConn, hPrj, 0, read);
}

extern "C" DWORD WINAPI Q2DB_FindVarInGroup(DWORD hConn, DWORD hPrj, DWORD group, LPCSTR name)
{
    const auto read = [&](Session& s) -> DWORD
    {
        const DbVar* v = name != nullptr ? s.Model().FindVarInGroup(group, name) : nullptr;
        return v != nullptr ? v->id : 0;
    };
    return Read<DWORD>(hConn, hPrj, 0, read);
}

extern "C" LPCSTR WINAPI Q2DB_GetVarDesc(DWORD hConn, DWORD hPrj, DWORD id, DWORD* type,
                                         DWORD* flags, DWORD* group)
{
    const auto read = [&](Session& s) -> LPCSTR
    {
        const DbVar* v = s.Model().FindVar(id);
        if (v == nullptr)
            return nullptr;
        if (type != nullptr)
            *type = v->type;
        if (flags != nullptr)
            *flags = v->flags;
        if (group != nullptr)
            *group = v->group;
        return s.Answer(v->name);
    };
    return Read<LPCSTR>(hConn, hPrj, nullptr, read);
}

extern "C" DWORD WINAPI Q2DB_CreateVar(DWORD hConn, DWORD hPrj, DWORD group, LPCSTR name,
                                       DWORD type, DWORD flags, DWORD* newId)
{
    if (newId != nullptr)
        *newId = 0;
    const auto change = [&](ProjectModel& m, const Connection& by, Event& e) -> DWORD
    {
        const DbGroup* g = m.FindGroup(group);
        if (g == nullptr || m.FindType(type) == nullptr)
            return Q2DB_E_NOTFOUND;
        if (LockedByOther(*g, by))
            return Q2DB_E_LOCKED;
        if (name == nullptr || !IsValidName(name))
            return Q2DB_E_BADNAME;
        if (m.FindVarInGroup(group, name) != nullptr)
            return Q2DB_E_EXISTS;
        DbVar v;
        v.id = m.NewId(Q2DB_KIND_VAR);
        if ((v.id & kSerialMask) == 0)
            return Q2DB_E_REFUSED;
        v.name = name;
        v.group = group;
        v.type = type;
        v.flags = flags;
        m.vars.push_back(v);
        if (newId != nullptr)
            *newId = v.id;
        e = {Q2DB_EVT_VAR_CREATED, v.id};
        return Q2DB_OK;
    };
    return Changed(hConn, hPrj, change);
}

extern "C" DWORD WINAPI Q2DB_DeleteVar(DWORD hConn, DWORD hPrj, DWORD id)
{
    const auto change = [&](ProjectModel& m, const Connection& by, Event& e) -> DWORD
    {
        const DbVar* v = m.FindVar(id);
        if (v == nullptr)
            return Q2DB_E_NOTFOUND;
        const DbGroup* g = m.FindGroup(v->group);
        if (LockedByOther(*v, by) || (g != nullptr && LockedByOther(*g, by)))
            return Q2DB_E_LOCKED;
        m.RemoveVar(id);
        e = {Q2DB_EVT_VAR_DELETED, id};
        return Q2DB_OK;
    };
    return Changed(hConn, hPrj, change);
}

extern "C" DWORD WINAPI Q2DB_SetVarDesc(DWORD hConn, DWORD hPrj, DWORD id, DWORD type, DWORD flags)
{
    const auto change = [&](ProjectModel& m, const Connection& by, Event& e) -> DWORD
    {
        DbVar* v = m.FindVar(id);
        if (v == nullptr || m.FindType(type) == nullptr)
            return Q2DB_E_NOTFOUND;
        if (LockedByOther(*v, by))
            return Q2DB_E_LOCKED;
        v->type = type;
        v->flags = flags;
        e = {Q2DB_EVT_VAR_CHANGED, id};
        return Q2DB_OK;
    };
    return Changed(hConn, hPrj, change);
}

extern "C" int WINAPI Q2DB_GetNbType(DWORD hConn, DWORD hPrj)
{
    return Read(hConn, hPrj, 0,
                [](Session& s) { return static_cast<int>(s.Model().types.size()); });
}

extern "C" int WINAPI Q2DB_GetTypes(DWORD hConn, DWORD hPrj, DWORD* ids, int capacity)
{
    return Read(hConn, hPrj, 0,
                [&](Session& s) { return FillList(Ids(s.Model().types), ids, capacity); });
}

extern "C" DWORD WINAPI Q2DB_FindType(DWORD hConn, DWORD hPrj, LPCSTR name)
{
    const auto read = [&](Session& s) -> DWORD
    {
        const DbType* t = name != nullptr ? s.Model().FindTypeByName(name) : nullptr;
        return t != nullptr ? t->id : 0;
    };
    return Read<DWORD>(hConn, hPrj, 0, read);
}

extern "C" LPCSTR WINAPI Q2DB_GetTypeDesc(DWORD hConn, DWORD hPrj, DWORD id, DWORD* flags)
{
    const auto read = [&](Session& s) -> LPCSTR
    {
        const DbType* t = s.Model().FindType(id);
        if (t == nullptr)
            return nullptr;
        if (flags != nullptr)
            *flags = t->flags;
        return s.Answer(t->name);
    };
    return Read<LPCSTR>(hConn, hPrj, nullptr, read);
}
