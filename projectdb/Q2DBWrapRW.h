// Fifth level, where the source-control operations of the workbench's
// service sit; this service offers none, so the level adds nothing yet.
#pragma once

#include "projectdb/Q2DBWrapRWBase.h"

class CQ2DBWrapRW : public CQ2DBWrapRWBase
{
public:
    ~CQ2DBWrapRW() override = default;
};
