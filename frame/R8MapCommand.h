// Name-to-identifier map of the command set. Keys are upper case; a lookup
// upper-cases only a to z and steps over double-byte characters.
#pragma once

#include <string>
#include <unordered_map>

namespace r8
{

class CR8MapCommand
{
public:
    CR8MapCommand();

    // The command identifier, or -1 when the name is not a command. A null
    // name reads as empty, which is not a command.
    int Lookup(const char* name) const;

    // Number of insertions made by the constructor (one per command, plus the
    // second insertion of "INSERTJUMP").
    int InsertionCount() const { return insertions; }

private:
    void Insert(const std::string& key, int id);

    std::unordered_map<std::string, int> map;
    int insertions = 0;
};

} // namespace r8
