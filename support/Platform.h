// The few operating-system services the portable core needs. Each has one
// Win32 body (PlatformWin32.cpp) and one POSIX body (PlatformPosix.cpp).
#pragma once

namespace r8
{

// True when c leads a double-byte character in the system's ANSI code page.
// The POSIX build treats the code page as single-byte: no byte leads.
bool IsLeadByte(unsigned char c);

} // namespace r8
