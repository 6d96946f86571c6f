#include "support/Platform.h"

#include <cerrno>
#include <cstdlib>
#include <unistd.h>

namespace r8
{

bool IsLeadByte(unsigned char)
{
    return false;
}

std::string GetExecutablePath()
{
    std::string path(256, '\0');
    for (;;)
    {
        ssize_t got = readlink("/proc/self/exe", path.data(), path.size());
        if (got < 0)
            return std::string();
        if (static_cast<std::size_t>(got) < path.size())
        {
            path.resize(static_cast<std::size_t>(got));
            return path;
        }
        if (path.size() >= 65536)
            return std::string();
        path.resize(path.size() * 2);
    }
}

bool GetEnvironmentValue(const char* name, std::string& value)
{
    value.clear();
    if (name == nullptr)
        return false;
    const char* found = std::getenv(name);
    if (found == nullptr)
        return false;
    value = found;
    return true;
}

bool SetEnvironmentValue(const char* name, const char* value)
{
    if (name == nullptr || *name == '\0')
        return false;
    if (value == nullptr)
        return unsetenv(name) == 0;
    return setenv(name, value, 1) == 0;
}

std::string ReadMachineRegistryString(const char*, const char*, std::size_t)
{
    return std::string();
}

std::FILE* OpenFileDenyWrite(const char* path, const char* mode)
{
    if (path == nullptr || mode == nullptr)
    {
        errno = EINVAL;
        return nullptr;
    }
    return std::fopen(path, mode);
}

char PathSeparator()
{
    return '/';
}

bool IsPathSeparator(char c)
{
    return c == '/';
}

std::string PathDirectoryPart(std::string_view path)
{
    std::size_t last = path.rfind('/');
    if (last == std::string_view::npos)
        return std::string();
    return std::string(path.substr(0, last + 1));
}

void ListBoxAddString(std::uintptr_t, const char*) {}

} // namespace r8
