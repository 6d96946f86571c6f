// A short session against the real editor library, as a workbench would run
// it: load the DLL, create an editor window, send commands, print results.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{

using ExecuteFn = DWORD_PTR (*)(HWND, int, const char**);
using ClassNameFn = const char* (*)();

struct Step
{
    std::vector<const char*> argv;
    bool text; // the command answers a text
};

} // namespace

int main()
{
    HMODULE lib = LoadLibraryA("R8EditSFC.dll");
    if (lib == nullptr)
    {
        std::fprintf(stderr, "R8EditSFC.dll could not be loaded\n");
        return 1;
    }
    auto execute = reinterpret_cast<ExecuteFn>(reinterpret_cast<void*>(GetProcAddress(lib, "Q2ExecuteCommand")));
    auto className = reinterpret_cast<ClassNameFn>(reinterpret_cast<void*>(GetProcAddress(lib, "Q2GetClassName")));
    if (execute == nullptr || className == nullptr)
    {
        std::fprintf(stderr, "R8EditSFC.dll lacks its entry points\n");
        return 1;
    }
    std::printf("Q2GetClassName -> %s\n", className());

    HWND frame = CreateWindowExA(0, "STATIC", "workbench", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600,
                                 nullptr, nullptr, nullptr, nullptr);
    HWND editor = CreateWindowExA(0, className(), "", WS_CHILD | WS_VISIBLE, 0, 0, 800, 600, frame,
                                  reinterpret_cast<HMENU>(1), nullptr, nullptr);
    if (editor == nullptr)
    {
        std::fprintf(stderr, "the editor window could not be created\n");
        return 1;
    }

    const std::vector<Step> steps = {
        {{"IsEnable"}, false},
        {{"SetEnable", "off"}, false},
        {{"IsEnable"}, false},
        {{"SetEnable", "ON"}, false},
        {{"IsEnable"}, false},
        {{"CanSetZoom"}, false},
        {{"GetRules"}, true},
        {{"HelpOn", "SetEnable"}, true},
        {{"HelpOn", "InsertStep"}, true},
        {{"GetInterfaces", "1"}, true},
    };
    for (const Step& s : steps)
    {
        std::vector<const char*> argv = s.argv;
        const DWORD_PTR r = execute(editor, static_cast<int>(argv.size()), argv.data());
        std::string line = argv[0];
        for (std::size_t i = 1; i < argv.size(); ++i)
            line += std::string(" ") + argv[i];
        if (s.text)
        {
            std::string text = reinterpret_cast<const char*>(r);
            // Long interface texts: the first entries are enough to show the form.
            std::size_t cut = 0;
            for (int n = 0; n < 6 && cut != std::string::npos; ++n)
                cut = text.find('\n', cut == 0 ? 0 : cut + 1);
            if (cut != std::string::npos && cut + 1 < text.size())
                text = text.substr(0, cut + 1) + "...\n";
            if (text.empty() || text.back() != '\n')
                text += '\n';
            std::printf("%s ->\n%s", line.c_str(), text.c_str());
        }
        else
        {
            std::printf("%s -> %lu\n", line.c_str(), static_cast<unsigned long>(r));
        }
    }
    DestroyWindow(editor);
    DestroyWindow(frame);
    FreeLibrary(lib);
    return 0;
}
