// The few operating-system services the portable core needs. Each has one
// Win32 body (PlatformWin32.cpp) and one POSIX body (PlatformPosix.cpp).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace r8
{

// True when c leads a double-byte character in the system's ANSI code page.
// The POSIX build treats the code page as single-byte: no byte leads.
bool IsLeadByte(unsigned char c);

// Full path of the running executable (the host program, also when called from
// inside a library); empty when the system cannot tell.
std::string GetExecutablePath();

// Reads an environment variable of the process. False when it is not set.
bool GetEnvironmentValue(const char* name, std::string& value);

// Sets (value not null) or removes (value null) an environment variable of the
// process, where GetEnvironmentValue reads it.
bool SetEnvironmentValue(const char* name, const char* value);

// A string value under HKEY_LOCAL_MACHINE of at most maxBytes bytes (with its
// terminating zero). Empty when the key or value is missing, is not a string or
// is longer. The POSIX build has no registry and always answers empty.
std::string ReadMachineRegistryString(const char* key, const char* value, std::size_t maxBytes);

// Opens a file with fopen's mode; for reading, other processes may still read
// it but not write it while it is open. Null on failure, with errno set.
std::FILE* OpenFileDenyWrite(const char* path, const char* mode);

// The separator this system writes between folders ('\' or '/').
char PathSeparator();

// True for every character this system accepts as a folder separator.
bool IsPathSeparator(char c);

// The drive and folder part of a path, with its final separator: everything
// up to the last separator. Windows also keeps a leading "X:".
std::string PathDirectoryPart(std::string_view path);

// Adds a line at the end of a list-box window (a window handle travelling as
// an integer). Does nothing for 0 and in the POSIX build, which has no windows.
void ListBoxAddString(std::uintptr_t window, const char* text);

} // namespace r8
