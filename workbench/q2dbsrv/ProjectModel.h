// The content of one project in memory: programs, groups, variables and
// types with their comments and locks, and the project's properties. Plain
// data with lookups; the file format and the rules for changing it live in
// ProjectFile and ProjectStore.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace q2db
{

// An identifier carries its kind in the top byte and a serial number, unique
// within the project, in the lower 24 bits.
constexpr uint32_t kSerialMask = 0x00FFFFFF;
constexpr uint32_t MakeId(int kind, uint32_t serial)
{
    return (static_cast<uint32_t>(kind) << 24) | (serial & kSerialMask);
}
constexpr int KindOf(uint32_t id)
{
    return static_cast<int>(id >> 24);
}

struct DbObject
{
    uint32_t id = 0;
    std::string name;
    uint32_t flags = 0;
    std::string comment;
    std::string lockOwner; // empty when not locked
};

struct DbType : DbObject
{
};

struct DbGroup : DbObject
{
    uint32_t kind = 1;  // global, local or I/O
    uint32_t owner = 0; // the program of a local group
};

struct DbProgram : DbObject
{
    uint32_t language = 1;
    uint32_t group = 0; // its local group
};

struct DbVar : DbObject
{
    uint32_t group = 0;
    uint32_t type = 0;
};

// True for an IEC identifier: a letter or "_" first, then letters, digits
// and "_", at most kMaxName characters.
constexpr size_t kMaxName = 64;
bool IsValidName(const std::string& name);
bool SameName(const std::string& a, const std::string& b);

class ProjectModel
{
public:
    // A fresh project: the elementary types and one global group.
    static ProjectModel MakeNew();

    uint32_t NewId(int kind);
    // Moves the next serial past every identifier in use (a hand-edited file
    // may add objects without raising it).
    void FixNextSerial();

    DbObject* Find(uint32_t id);
    const DbObject* Find(uint32_t id) const;
    DbProgram* FindProgram(uint32_t id);
    DbGroup* FindGroup(uint32_t id);
    DbVar* FindVar(uint32_t id);
    DbType* FindType(uint32_t id);
    const DbProgram* FindProgramByName(const std::string& name) const;
    const DbGroup* FindGroupByName(const std::string& name) const;
    const DbType* FindTypeByName(const std::string& name) const;
    const DbVar* FindVarInGroup(uint32_t group, const std::string& name) const;

    std::vector<uint32_t> VarsOf(uint32_t group) const;
    // Removes a program with its local group and that group's variables.
    void RemoveProgram(uint32_t id);
    void RemoveVar(uint32_t id);

    // Checks references and names after reading; an empty text when sound.
    std::string Validate() const;

    std::vector<DbProgram> programs;
    std::vector<DbGroup> groups;
    std::vector<DbVar> vars;
    std::vector<DbType> types;
    std::map<int, std::string> properties;
    uint32_t nextSerial = 1;
};

} // namespace q2db
