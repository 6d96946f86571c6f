// The window layer's one way to include the Win32 headers. Several command
// names of the editor family (GetClassName, CreateFile, GetCommandLine, LoadBitmap) are
// also ANSI/wide macros there; they are undefined so the operations keep
// their names, and window-layer code calls the ANSI functions by full name.
#pragma once

#include <windows.h>
#include <commctrl.h>

#undef GetClassName
#undef CreateFile
#undef GetCommandLine
#undef LoadBitmap
