// Programs: lists, lookups, descriptions and changes. A program owns a local
// group of the same name holding its variables; a program flagged as a user
// block is also declared as a type of that name, so blocks can use it.
#include "Access.h"
#include "Entries.h"

using namespace q2db;

namespace
{

DbType* UserBlockType(ProjectModel& m, const std::string& name)
{
    auto* t = const_cast<DbType*>(m.FindTypeByName(name));
    return t != nullptr && (t->flags & Q2DB_TYPE_USERBLOCK) != 0 ? t : nullptr;
}

} // namespace

extern "C" int WINAPI Q2DB_GetNbProgram(DWORD hConn, DWORD hPrj)
{
    return Read(hConn, hPrj, 0,
                [](Session& s) { return static_cast<int>(s.Model().programs.size()); });
}

extern "C" int WINAPI Q2DB_GetPrograms(DWORD hConn, DWORD hPrj, DWORD* ids, int capacity)
{
    const auto read = [&](Session& s)
    {
        std::vector<uint32_t> list;
        for (const auto& p : s.Model().programs)
            list.push_back(p.id);
        return FillList(list, ids, capacity);
    };
    return Read(hConn, hPrj, 0, read);
}

extern "C" DWORD WINAPI Q2DB_FindProgram(DWORD hConn, DWORD hPrj, LPCSTR name)
{
    const auto read = [&](Session& s) -> DWORD
    {
        const DbProgram* p = name != nullptr ? s.Model().FindProgramByName(name) : nullptr;
        return p != nullptr ? p->id : 0;
    };
    return Read<DWORD>(hConn, hPrj, 0, read);
}

extern "C" LPCSTR WINAPI Q2DB_GetProgramDesc(DWORD hConn, DWORD hPrj, DWORD id, DWORD* language,
                                             DWORD* flags, DWORD* group)
{
    const auto read = [&](Session& s) -> LPCSTR
    {
        const DbProgram* p = s.Model().FindProgram(id);
        if (p == nullptr)
            return nullptr;
        if (language != nullptr)
            *language = p->language;
        if (flags != nullptr)
            *flags = p->flags;
        if (group != nullptr)
            *group = p->group;
        return s.Answer(p->name);
    };
    return Read<LPCSTR>(hConn, hPrj, nullptr, read);
}

extern "C" DWORD WINAPI Q2DB_CreateProgram(DWORD hConn, DWORD hPrj, LPCSTR name, DWORD language,
                                           DWORD flags, DWORD* newId)
{
    if (newId != nullptr)
        *newId = 0;
    const auto change = [&](ProjectModel& m, const Connection&, Event& e) -> DWORD
    {
        if (name == nullptr || !IsValidName(name))
            return Q2DB_E_BADNAME;
        const bool userBlock = (flags & Q2DB_PROG_USERBLOCK) != 0;
        if (m.FindProgramByName(name) != nullptr || m.FindGroupByName(name) != nullptr ||
            (userBlock && m.FindTypeByName(name) != nullptr))
            return Q2DB_E_EXISTS;
        DbProgram p;
        p.id = m.NewId(Q2DB_KIND_PROGRAM);
        DbGroup g;
        g.id = m.NewId(Q2DB_KIND_GROUP);
        DbType t;
        t.id = userBlock ? m.NewId(Q2DB_KIND_TYPE) : 1;
        if (KindOf(p.id) != Q2DB_KIND_PROGRAM || (p.id & kSerialMask) == 0 ||
            (g.id & kSerialMask) == 0 || (t.id & kSerialMask) == 0)
            return Q2DB_E_REFUSED; // identifiers exhausted
        p.name = g.name = name;
        p.language = language;
        p.flags = flags;
        p.group = g.id;
        g.kind = Q2DB_GROUP_LOCAL;
        g.owner = p.id;
        m.programs.push_back(p);
        m.groups.push_back(g);
        if (userBlock)
        {
            t.name = name;
            t.flags = Q2DB_TYPE_USERBLOCK;
            m.types.push_back(t);
        }
        if (newId != nullptr)
            *newId = p.id;
        e = {Q2DB_EVT_PROGRAMS, p.id};
        return Q2DB_OK;
    };
    return Changed(hConn, hPrj, change);
}

extern "C" DWORD WINAPI Q2DB_RenameProgram(DWORD hConn, DWORD hPrj, DWORD id, LPCSTR name)
{
    const auto change = [&](ProjectModel& m, const Connection& by, Event& e) -> DWORD
    {
        DbProgram* p = m.FindProgram(id);
        if (p == nullptr)
            return Q2DB_E_NOTFOUND;
        if (LockedByOther(*p, by))
            return Q2DB_E_LOCKED;
        if (name == nullptr || !IsValidName(name))
            return Q2DB_E_BADNAME;
        const DbProgram* other = m.FindProgramByName(name);
        const DbGroup* group = m.FindGroupByName(name);
        DbType* type = UserBlockType(m, p->name);
        const DbType* otherType = m.FindTypeByName(name);
        if ((other != nullptr && other != p) || (group != nullptr && group->id != p->group) ||
            (type != nullptr && otherType != nullptr && otherType != type))
            return Q2DB_E_EXISTS;
        if (type != nullptr)
            type->name = name;
        if (DbGroup* local = m.FindGroup(p->group))
            local->name = name;
        p->name = name;
        e = {Q2DB_EVT_PROGRAM_RENAMED, id};
        return Q2DB_OK;
    };
    return Changed(hConn, hPrj, change);
}

extern "C" DWORD WINAPI Q2DB_DeleteProgram(DWORD hConn, DWORD hPrj, DWORD id)
{
    const auto change = [&](ProjectModel& m, const Connection& by, Event& e) -> DWORD
    {
        DbProgram* p = m.FindProgram(id);
        if (p == nullptr)
            return Q2DB_E_NOTFOUND;
        if (LockedByOther(*p, by))
            return Q2DB_E_LOCKED;
        if (DbType* type = UserBlockType(m, p->name))
        {
            const uint32_t typeId = type->id;
            for (const auto& v : m.vars)
                if (v.type == typeId)
                    return Q2DB_E_REFUSED; // still used as a variable's type
            std::erase_if(m.types, [&](const DbType& t) { return t.id == typeId; });
        }
        m.RemoveProgram(id);
        e = {Q2DB_EVT_PROGRAMS, id};
        return Q2DB_OK;
    };
    return Changed(hConn, hPrj, change);
}

extern "C" DWORD WINAPI Q2DB_SaveProgramChanges(DWORD hConn, DWORD hPrj, DWORD id)
{
    const auto change = [&](ProjectModel& m, const Connection& by, Event& e) -> DWORD
    {
        DbProgram* p = m.FindProgram(id);
        if (p == nullptr)
            return Q2DB_E_NOTFOUND;
        if (LockedByOther(*p, by))
            return Q2DB_E_LOCKED;
        e = {Q2DB_EVT_PROGRAM_CHANGED, id};
        return Q2DB_OK;
    };
    return Changed(hConn, hPrj, change);
}

// Inputs and outputs of a user block, given as its program or its type: the
// flagged variables of the program's local group.
extern "C" DWORD WINAPI Q2DB_GetUDFBNbIO(DWORD hConn, DWORD hPrj, DWORD id, int* nbIn, int* nbOut)
{
    if (nbIn != nullptr)
        *nbIn = 0;
    if (nbOut != nullptr)
        *nbOut = 0;
    const auto read = [&](Session& s) -> DWORD
    {
        ProjectModel& m = s.Model();
        const DbProgram* p = m.FindProgram(id);
        if (const DbType* t = m.FindType(id); t != nullptr && (t->flags & Q2DB_TYPE_USERBLOCK) != 0)
            p = m.FindProgramByName(t->name);
        if (p == nullptr || (p->flags & Q2DB_PROG_USERBLOCK) == 0)
            return Q2DB_E_NOTFOUND;
        int in = 0, out = 0;
        for (const auto& v : m.vars)
            if (v.group == p->group)
            {
                in += (v.flags & Q2DB_VAR_INPUT) != 0;
                out += (v.flags & Q2DB_VAR_OUTPUT) != 0;
            }
        if (nbIn != nullptr)
            *nbIn = in;
        if (nbOut != nullptr)
            *nbOut = out;
        return Q2DB_OK;
    };
    return Read<DWORD>(hConn, hPrj, Q2DB_E_BADHANDLE, read);
}
