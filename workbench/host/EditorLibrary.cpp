#include "workbench/host/EditorLibrary.h"

namespace sfchost
{

std::string HostFolder()
{
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n < MAX_PATH ? n : 0);
    const std::size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

EditorLibrary::EditorLibrary()
{
    const std::string path = HostFolder() + "R8EditSFC.dll";
    module = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (module == nullptr)
    {
        error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
        return;
    }
    execute = reinterpret_cast<ExecuteFn>(
        reinterpret_cast<void*>(GetProcAddress(module, "Q2ExecuteCommand")));
    className = reinterpret_cast<ClassNameFn>(
        reinterpret_cast<void*>(GetProcAddress(module, "Q2GetClassName")));
    if (!IsLoaded())
        error = path + " lacks Q2ExecuteCommand or Q2GetClassName";
}

EditorLibrary::~EditorLibrary()
{
    if (module != nullptr)
        FreeLibrary(module);
}

DWORD_PTR EditorLibrary::Execute(HWND editor, int argc, const char** argv) const
{
    return execute != nullptr ? execute(editor, argc, argv) : 0;
}

const char* EditorLibrary::ClassName() const
{
    const char* name = className != nullptr ? className() : nullptr;
    return name != nullptr ? name : "";
}

} // namespace sfchost
