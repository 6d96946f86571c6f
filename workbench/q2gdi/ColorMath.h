// Colour arithmetic, channel by channel, rounded to the nearest value.
#pragma once

#include <windows.h>

namespace q2gdi
{

// Moves each channel towards 255 by the factor (0 unchanged, 1 white).
COLORREF Lighten(COLORREF color, double factor);
// Moves each channel towards 0 by the factor (0 unchanged, 1 black).
COLORREF Darken(COLORREF color, double factor);
// The colour of step `step` of `count` from start (step 0) to end (step
// count); a count below 1 gives the start colour.
COLORREF Gradient(int step, int count, COLORREF start, COLORREF end);

} // namespace q2gdi
