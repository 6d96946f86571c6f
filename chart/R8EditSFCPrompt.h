// Asking the user for a number: the reference dialog of the chart window, a
// scripted answer in tests.
#pragma once

#include "chart/R8Geometry.h"

#include <cstdint>

class CR8EditSFCPrompt
{
public:
    virtual ~CR8EditSFCPrompt() = default;

    // Shows the dialog over area (pixels, the element's reference area) with
    // owner as its parent window. number holds the initial value and receives
    // the answer; startDigit is the digit the user began typing with, or -1.
    // False when the user cancelled.
    virtual bool AskNumber(std::intptr_t owner, const R8Rect& area, int startDigit,
                           int& number) = 0;
};
