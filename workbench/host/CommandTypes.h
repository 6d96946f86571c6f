// What the host knows of the editor's commands: the return type and the
// parameter count of each, read once from the editor's own help table.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace sfchost
{

struct CommandType
{
    std::string name;       // as the help table spells it
    std::string returnType; // "void", "BOOL", "int", "LPCSTR", ...
    int parameters = 0;
};

class CommandTypes
{
public:
    // Reads a help table of style 0: one line "RET";"Name";"T1";... per
    // command. Lines of another shape are skipped. Returns the count read.
    std::size_t Parse(const std::string& table);

    // Looks a command up without regard to case; null when unknown.
    const CommandType* Find(const std::string& name) const;

    std::size_t Size() const { return types.size(); }

private:
    std::map<std::string, CommandType> types; // key: upper-case name
};

// The printed form of a command's 32-bit result by its return type:
// numbers in decimal (signed for int and long), nothing for void. Text
// results are the caller's, since they need the pointer.
std::string FormatNumber(const std::string& returnType, std::uint32_t value);

bool IsTextType(const std::string& returnType);

} // namespace sfchost
