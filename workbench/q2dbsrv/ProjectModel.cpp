#include "ProjectModel.h"

#include <algorithm>
#include <set>

namespace q2db
{

namespace
{

constexpr int kProgram = 3;
constexpr int kGroup = 4;
constexpr int kType = 5;
constexpr int kVar = 6;

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

template <class T> T* ById(std::vector<T>& list, uint32_t id)
{
    for (auto& item : list)
        if (item.id == id)
            return &item;
    return nullptr;
}

template <class T> const T* ByName(const std::vector<T>& list, const std::string& name)
{
    for (const auto& item : list)
        if (SameName(item.name, name))
            return &item;
    return nullptr;
}

// The elementary types every project starts with.
const char* const kBasicTypes[] = {"BOOL", "SINT", "INT",   "DINT", "USINT", "UINT", "UDINT",
                                   "BYTE", "WORD", "DWORD", "REAL", "LREAL", "TIME", "STRING"};

std::string UpperName(const std::string& name)
{
    std::string upper(name);
    for (char& c : upper)
        c = Upper(c);
    return upper;
}

} // namespace

bool IsValidName(const std::string& name)
{
    if (name.empty() || name.size() > kMaxName)
        return false;
    auto letter = [](char c)
    { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    if (!letter(name[0]))
        return false;
    return std::all_of(name.begin(), name.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Upper(x) == Upper(y); });
}

ProjectModel ProjectModel::MakeNew()
{
    ProjectModel model;
    for (const char* name : kBasicTypes)
    {
        DbType type;
        type.id = model.NewId(kType);
        type.name = name;
        type.flags = 1;
        model.types.push_back(type);
    }
    DbGroup globals;
    globals.id = model.NewId(kGroup);
    globals.name = "Globals";
    globals.kind = 1;
    model.groups.push_back(globals);
    return model;
}

uint32_t ProjectModel::NewId(int kind)
{
    return MakeId(kind, nextSerial++);
}

void ProjectModel::FixNextSerial()
{
    auto raise = [&](const auto& list)
    {
        for (const auto& o : list)
            if ((o.id & kSerialMask) >= nextSerial)
                nextSerial = (o.id & kSerialMask) + 1;
    };
    raise(types);
    raise(groups);
    raise(programs);
    raise(vars);
}

DbObject* ProjectModel::Find(uint32_t id)
{
    switch (KindOf(id))
    {
    case kProgram:
        return FindProgram(id);
    case kGroup:
        return FindGroup(id);
    case kType:
        return FindType(id);
    case kVar:
        return FindVar(id);
    default:
        return nullptr;
    }
}

const DbObject* ProjectModel::Find(uint32_t id) const
{
    return const_cast<ProjectModel*>(this)->Find(id);
}

DbProgram* ProjectModel::FindProgram(uint32_t id)
{
    return ById(programs, id);
}
DbGroup* ProjectModel::FindGroup(uint32_t id)
{
    return ById(groups, id);
}
DbVar* ProjectModel::FindVar(uint32_t id)
{
    return ById(vars, id);
}
DbType* ProjectModel::FindType(uint32_t id)
{
    return ById(types, id);
}

const DbProgram* ProjectModel::FindProgramByName(const std::string& name) const
{
    return ByName(programs, name);
}

const DbGroup* ProjectModel::FindGroupByName(const std::string& name) const
{
    return ByName(groups, name);
}

const DbType* ProjectModel::FindTypeByName(const std::string& name) const
{
    return ByName(types, name);
}

const DbVar* ProjectModel::FindVarInGroup(uint32_t group, const std::string& name) const
{
    for (const auto& var : vars)
        if (var.group == group && SameName(var.name, name))
            return &var;
    return nullptr;
}

std::vector<uint32_t> ProjectModel::VarsOf(uint32_t group) const
{
    std::vector<uint32_t> ids;
    for (const auto& var : vars)
        if (var.group == group)
            ids.push_back(var.id);
    return ids;
}

void ProjectModel::RemoveProgram(uint32_t id)
{
    const DbProgram* program = FindProgram(id);
    if (program == nullptr)
        return;
    const uint32_t group = program->group;
    std::erase_if(vars, [&](const DbVar& v) { return v.group == group; });
    std::erase_if(groups, [&](const DbGroup& g) { return g.id == group; });
    std::erase_if(programs, [&](const DbProgram& p) { return p.id == id; });
}

void ProjectModel::RemoveVar(uint32_t id)
{
    std::erase_if(vars, [&](const DbVar& v) { return v.id == id; });
}

std::string ProjectModel::Validate() const
{
    std::set<uint32_t> ids;
    auto unique = [&](const DbObject& o, int kind) -> std::string
    {
        if (KindOf(o.id) != kind || (o.id & kSerialMask) == 0)
            return "bad identifier of \"" + o.name + "\"";
        if (!ids.insert(o.id & kSerialMask).second)
            return "identifier of \"" + o.name + "\" used twice";
        if (!IsValidName(o.name))
            return "invalid name \"" + o.name + "\"";
        return {};
    };
    for (const auto& t : types)
        if (auto e = unique(t, kType); !e.empty())
            return e;
    for (const auto& g : groups)
        if (auto e = unique(g, kGroup); !e.empty())
            return e;
    for (const auto& p : programs)
        if (auto e = unique(p, kProgram); !e.empty())
            return e;
    for (const auto& v : vars)
        if (auto e = unique(v, kVar); !e.empty())
            return e;

    auto duplicate = [](const auto& list) -> std::string
    {
        std::set<std::string> seen;
        for (const auto& item : list)
            if (!seen.insert(UpperName(item.name)).second)
                return "name \"" + item.name + "\" used twice";
        return {};
    };
    if (auto e = duplicate(types); !e.empty())
        return e;
    if (auto e = duplicate(groups); !e.empty())
        return e;
    if (auto e = duplicate(programs); !e.empty())
        return e;

    auto self = const_cast<ProjectModel*>(this);
    for (const auto& p : programs)
    {
        const DbGroup* g = self->FindGroup(p.group);
        if (g == nullptr || g->kind != 2 || g->owner != p.id)
            return "program \"" + p.name + "\" without its local group";
    }
    for (const auto& g : groups)
    {
        if (g.kind < 1 || g.kind > 3)
            return "group \"" + g.name + "\" of unknown kind";
        if (g.kind == 2 && self->FindProgram(g.owner) == nullptr)
            return "local group \"" + g.name + "\" without its program";
    }
    std::set<std::pair<uint32_t, std::string>> declared;
    for (const auto& v : vars)
    {
        if (self->FindGroup(v.group) == nullptr)
            return "variable \"" + v.name + "\" in a missing group";
        if (self->FindType(v.type) == nullptr)
            return "variable \"" + v.name + "\" of a missing type";
        if (!declared.insert({v.group, UpperName(v.name)}).second)
            return "variable \"" + v.name + "\" declared twice in its group";
    }
    return {};
}

} // namespace q2db
