// What the window base asks of its tooltip object; the chart's tooltip
// implements it.
#pragma once

#include "frame/R8EditTypes.h"

class CR8EditTooltip
{
public:
    virtual ~CR8EditTooltip() = default;

    // Destroy the tooltip window before the object goes.
    virtual void ReleaseWindow() = 0;
    virtual void SetDebugMode(BOOL debug) = 0;
    virtual void SetProjectPath(LPCSTR path) = 0;
    virtual void SetProgramID(DWORD id) = 0;
    virtual void SetInfos(BOOL edit, str_R8TooltipInfos* infos) = 0;
    virtual void SetInfosEx(BOOL edit, BOOL set, int info) = 0;
};
