// sfchost: a small workbench for the SFC editor library. With --script it
// runs a command script in batch; otherwise it opens an editor frame.
#include "workbench/host/BatchScript.h"
#include "workbench/host/EditorLibrary.h"
#include "workbench/host/FrameWindow.h"

#include <ole2.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace
{

void Usage(std::FILE* to)
{
    std::fprintf(to, "usage: sfchost.exe --script FILE [chart files...]   run a command script\n"
                     "       sfchost.exe [chart files...]                 open editor windows\n");
}

// OLE for the editor's drag and drop and for WIC, for the whole run.
class OleSession
{
public:
    OleSession() : ok(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession()
    {
        if (ok)
            OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

private:
    bool ok;
};

} // namespace

int main(int argc, char** argv)
{
    std::string script;
    bool batch = false;
    std::vector<std::string> charts;
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--script") == 0)
        {
            if (i + 1 >= argc)
            {
                Usage(stderr);
                return 2;
            }
            batch = true;
            script = argv[++i];
        }
        else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "/?") == 0)
        {
            Usage(stdout);
            return 0;
        }
        else
        {
            charts.emplace_back(argv[i]);
        }
    }

    OleSession ole;
    sfchost::EditorLibrary library;
    if (!library.IsLoaded())
    {
        std::fprintf(stderr, "sfchost: %s\n", library.Error().c_str());
        return 2;
    }
    if (batch)
    {
        sfchost::BatchScript run(library, stdout, stderr);
        return run.Run(script, charts);
    }
    return sfchost::RunFrames(library, charts);
}
