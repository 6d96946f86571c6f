// The one audible signal of the chart: a block or fragment that would land on
// occupied cells.
#pragma once

class CR8EditSFCBeep
{
public:
    virtual ~CR8EditSFCBeep() = default;
    // The system's default beep.
    virtual void Beep() = 0;
};
