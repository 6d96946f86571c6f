// The command set shared by the editor family: identifiers 0 to 583 with their
// names, return types and parameter texts, as data. Dispatch, the help texts
// and the interface wrappers all read these rows.
#pragma once

namespace r8
{

constexpr int kCommandCount = 584;
constexpr int kMaxCommandParams = 6;

// How a command reaches its window operation.
enum class CommandRoute
{
    None,           // identifier without a command (107, 225)
    Plain,          // the operation of the same name with the converted arguments
    FixedArguments, // a generic operation called with fixed kind and part numbers
    Base,           // the base window routes it (rectangle, point, record...)
    Frame,          // answered by the interpreter itself (the help commands)
};

struct CommandRow
{
    int id;
    const char* name;       // mixed case; its upper-case form is the lookup key
    const char* returnType; // as printed; empty prints as "void"
    const char* params[kMaxCommandParams]; // "TYPE name[=default]", unused ones null
    CommandRoute route;
};

// The row of identifier id, or null for 107, 225 and anything outside 0..583.
const CommandRow* FindCommandRow(int id);

// All rows, indexed by identifier (rows 107 and 225 have a null name).
const CommandRow (&CommandRows())[kCommandCount];

} // namespace r8
