// Prints the interface text of every command in one style, the way the
// interface command builds it, so the wrappers can be compiled by their
// own compilers.
#include "frame/CommandFormatter.h"
#include "frame/CommandTable.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const unsigned style = argc > 1 ? static_cast<unsigned>(std::atoi(argv[1])) : 0;
    std::string out;
    for (const r8::CommandRow& row : r8::CommandRows())
        if (row.name != nullptr)
            r8::AppendCommandEntry(out, style, r8::SignatureOf(row));
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
