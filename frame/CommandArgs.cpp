#include "frame/CommandArgs.h"

#include "support/TextCase.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace r8
{

namespace
{

long long ParseClamped(const char* text, long long low, long long high)
{
    if (text == nullptr)
        return 0;
    long long v = std::strtoll(text, nullptr, 10);
    if (v < low)
        return low;
    if (v > high)
        return high;
    return v;
}

} // namespace

int ParseInt(const char* text)
{
    return static_cast<int>(ParseClamped(text, INT_MIN, INT_MAX));
}

long ParseLong(const char* text)
{
    return static_cast<long>(ParseClamped(text, INT32_MIN, INT32_MAX));
}

std::uintptr_t ParsePointer(const char* text)
{
    if (text == nullptr)
        return 0;
    unsigned long long v = std::strtoull(text, nullptr, 10);
    if (v > UINTPTR_MAX)
        v = UINTPTR_MAX;
    return static_cast<std::uintptr_t>(v);
}

bool ParseBool(const char* text)
{
    if (text == nullptr)
        return false;
    if (ParseInt(text) != 0)
        return true;
    return EqualsNoCase(text, "TRUE") || EqualsNoCase(text, "ON");
}

DlgCreateVarArgs ArgsOfDlgCreateVar(const CommandArgs& args)
{
    if (args.argc > 2)
        return {args.Text(1), args.Long(2)};
    if (args.argc == 2)
        return {args.Text(1), 0};
    return {nullptr, 0};
}

const char* NameArgOfCreateItem(const CommandArgs& args)
{
    return args.argc == 4 ? args.Text(3) : nullptr;
}

} // namespace r8
