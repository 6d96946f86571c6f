#include "frame/CommandTable.h"

#include "frame/CommandRows.h"

namespace r8
{

const CommandRow* FindCommandRow(int id)
{
    if (id < 0 || id >= kCommandCount || kCommandRows[id].name == nullptr)
        return nullptr;
    return &kCommandRows[id];
}

const CommandRow (&CommandRows())[kCommandCount]
{
    return kCommandRows;
}

} // namespace r8
