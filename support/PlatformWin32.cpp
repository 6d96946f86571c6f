#include "support/Platform.h"

#include <cerrno>
#include <share.h>
#include <vector>
#include <windows.h>

namespace r8
{

bool IsLeadByte(unsigned char c)
{
    return IsDBCSLeadByte(c) != FALSE;
}

std::string GetExecutablePath()
{
    std::vector<char> buffer(MAX_PATH);
    for (;;)
    {
        DWORD got = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (got == 0)
            return std::string();
        if (got < buffer.size())
            return std::string(buffer.data(), got);
        if (buffer.size() >= 32768)
            return std::string();
        buffer.resize(buffer.size() * 2);
    }
}

// The Win32 environment block, not the C runtime's copy, so that values the
// host sets with SetEnvironmentVariable are seen too.
bool GetEnvironmentValue(const char* name, std::string& value)
{
    value.clear();
    if (name == nullptr || *name == '\0')
        return false;
    SetLastError(ERROR_SUCCESS);
    DWORD needed = GetEnvironmentVariableA(name, nullptr, 0);
    if (needed == 0)
        return GetLastError() != ERROR_ENVVAR_NOT_FOUND;
    std::vector<char> buffer(needed);
    DWORD got = GetEnvironmentVariableA(name, buffer.data(), needed);
    if (got >= needed)
        return false; // changed between the two calls
    value.assign(buffer.data(), got);
    return true;
}

bool SetEnvironmentValue(const char* name, const char* value)
{
    if (name == nullptr || *name == '\0')
        return false;
    return SetEnvironmentVariableA(name, value) != FALSE;
}

std::string ReadMachineRegistryString(const char* key, const char* value, std::size_t maxBytes)
{
    if (key == nullptr || maxBytes == 0)
        return std::string();
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
        return std::string();
    std::vector<char> buffer(maxBytes);
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(buffer.size());
    LONG status = RegQueryValueExA(handle, value, nullptr, &type,
                                   reinterpret_cast<BYTE*>(buffer.data()), &size);
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::string();
    // A stored string need not carry its terminating zero.
    std::size_t length = 0;
    while (length < size && buffer[length] != '\0')
        ++length;
    return std::string(buffer.data(), length);
}

std::FILE* OpenFileDenyWrite(const char* path, const char* mode)
{
    if (path == nullptr || mode == nullptr)
    {
        errno = EINVAL;
        return nullptr;
    }
    return _fsopen(path, mode, _SH_DENYWR);
}

char PathSeparator()
{
    return '\\';
}

bool IsPathSeparator(char c)
{
    return c == '\\' || c == '/';
}

// The drive and folder parts of the C runtime's path splitting: "X:" when the
// second character is a colon, then everything up to the last separator. The
// trail byte of a double-byte character is never taken for a separator.
std::string PathDirectoryPart(std::string_view path)
{
    std::size_t start = 0;
    if (path.size() >= 2 && path[1] == ':' && !IsLeadByte(static_cast<unsigned char>(path[0])))
        start = 2;
    std::size_t end = start;
    for (std::size_t i = start; i < path.size(); ++i)
    {
        if (IsLeadByte(static_cast<unsigned char>(path[i])))
        {
            ++i;
            continue;
        }
        if (IsPathSeparator(path[i]))
            end = i + 1;
    }
    return std::string(path.substr(0, end));
}

void ListBoxAddString(std::uintptr_t window, const char* text)
{
    if (window == 0 || text == nullptr)
        return;
    SendMessageA(reinterpret_cast<HWND>(window), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

} // namespace r8
