// Second layer of the chart view: what the text boxes show.
#pragma once

#include "sfcview/R8EditSFCGDI.h"

#include <cstdint>

class CR8EditSFCLV2 : public CR8EditSFCGDI
{
public:
    static constexpr std::uint16_t kDisplayNormal = 0;
    static constexpr std::uint16_t kDisplayNotes = 1;  // notes only
    static constexpr std::uint16_t kDisplayAction = 2; // main action code only

    std::uint16_t GetDisplay() const { return m_display; }
    void SetDisplay(std::uint16_t mode) { m_display = mode; }

private:
    std::uint16_t m_display = kDisplayNormal;
};
