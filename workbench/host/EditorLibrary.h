// The editor library as a workbench sees it: two exported functions.
#pragma once

#include <windows.h>

#include <string>

namespace sfchost
{

class EditorLibrary
{
public:
    using ExecuteFn = DWORD_PTR (*)(HWND, int, const char**);
    using ClassNameFn = const char* (*)();

    // Loads R8EditSFC.dll from the host's own folder, so that the
    // libraries it needs are found beside it too.
    EditorLibrary();
    ~EditorLibrary();
    EditorLibrary(const EditorLibrary&) = delete;
    EditorLibrary& operator=(const EditorLibrary&) = delete;

    bool IsLoaded() const { return execute != nullptr && className != nullptr; }
    const std::string& Error() const { return error; }

    DWORD_PTR Execute(HWND editor, int argc, const char** argv) const;
    const char* ClassName() const;

private:
    HMODULE module = nullptr;
    ExecuteFn execute = nullptr;
    ClassNameFn className = nullptr;
    std::string error;
};

// The folder of the running executable, with its trailing backslash.
std::string HostFolder();

} // namespace sfchost
