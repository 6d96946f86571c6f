// Conversion of a command's text arguments by their declared types. Handles
// and addresses travel as decimal text.
#pragma once

#include <cstdint>

namespace r8
{

// atoi of the text, clamped to the int range; a null text gives 0.
int ParseInt(const char* text);
// atol of the text, clamped to 32 bits on every build; a null text gives 0.
long ParseLong(const char* text);
// A decimal handle or address (strtoul in base 10, pointer-sized); null gives 0.
std::uintptr_t ParsePointer(const char* text);
// BOOL rule: null is FALSE; a non-zero number is TRUE; otherwise only "TRUE"
// and "ON" (any case) are TRUE.
bool ParseBool(const char* text);

// The arguments of one command: argv[0] is the name, parameter k is argv[k].
// An index at or past argc reads as a null argument, so a caller that passes
// fewer arguments than the command has gets the documented null defaults
// instead of a read past its array.
struct CommandArgs
{
    int argc = 0;
    const char* const* argv = nullptr;

    const char* Text(int k) const
    {
        return (argv != nullptr && k >= 0 && k < argc) ? argv[k] : nullptr;
    }
    int Bool(int k) const { return ParseBool(Text(k)) ? 1 : 0; }
    int Int(int k) const { return ParseInt(Text(k)); }
    std::uint16_t Word(int k) const { return static_cast<std::uint16_t>(ParseInt(Text(k))); }
    long Long(int k) const { return ParseLong(Text(k)); }
    std::uintptr_t Pointer(int k) const { return ParsePointer(Text(k)); }
    template <class T> T As(int k) const { return reinterpret_cast<T>(Pointer(k)); }
};

// The two commands whose arguments depend on argc (argc counts the name).
// DlgCreateVar: (argv[1], atol(argv[2])) past 2, (argv[1], 0) at 2, else (null, 0).
struct DlgCreateVarArgs
{
    const char* name;
    long type;
};
DlgCreateVarArgs ArgsOfDlgCreateVar(const CommandArgs& args);
// CreateItem: argv[3] only when argc is exactly 4, else null.
const char* NameArgOfCreateItem(const CommandArgs& args);

} // namespace r8
