// Pictures of an editor window: the editor paints itself into a memory
// bitmap (command PaintToDC) and the host encodes it as PNG with WIC.
#pragma once

#include "workbench/host/CommandRunner.h"

#include <windows.h>

#include <string>

namespace sfchost
{

// The visible area: what the window shows now, at its client size.
bool SaveVisiblePicture(const CommandRunner& runner, HWND editor, const std::string& file,
                        std::string& error);

// The whole chart: the editor is briefly enlarged to the chart's size and
// scrolled to its top left corner, painted, then put back.
bool SaveChartPicture(const CommandRunner& runner, HWND editor, const std::string& file,
                      std::string& error);

// Writes 32-bit top-down BGRA pixels as a PNG file.
bool WritePng(const void* pixels, int width, int height, const std::string& file,
              std::string& error);

} // namespace sfchost
