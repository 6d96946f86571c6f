// Picture files through the Windows Imaging Component.
#pragma once

#include <windows.h>

namespace q2gdi
{

// Writes the bitmap as a PNG, or as a BMP when the path ends in ".bmp". The
// picture goes to a temporary file first that then replaces the target, so a
// failed save leaves an earlier picture whole.
bool SaveBitmapFile(HBITMAP bitmap, const char* path);

// Decodes the first frame of any picture format the imaging component
// reads into a new 32-bit bitmap that the caller owns; null on failure.
HBITMAP LoadBitmapFile(const char* path);

} // namespace q2gdi
