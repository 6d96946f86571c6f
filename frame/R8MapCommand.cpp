#include "frame/R8MapCommand.h"

#include "frame/CommandTable.h"
#include "support/TextCase.h"

namespace r8
{

CR8MapCommand::CR8MapCommand()
{
    map.reserve(640);
    for (const CommandRow& row : CommandRows())
    {
        if (row.name != nullptr)
            Insert(ToUpperAscii(row.name), row.id);
    }
    // The family's table inserts this key twice; the second insertion keeps
    // the same identifier, so either copy answers 124.
    Insert("INSERTJUMP", 124);
}

void CR8MapCommand::Insert(const std::string& key, int id)
{
    map[key] = id;
    ++insertions;
}

int CR8MapCommand::Lookup(const char* name) const
{
    if (name == nullptr)
        return -1;
    auto it = map.find(ToUpperAscii(name));
    return it == map.end() ? -1 : it->second;
}

} // namespace r8
