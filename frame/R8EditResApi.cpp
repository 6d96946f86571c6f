#include "frame/R8EditResApi.h"

namespace
{

// Every entry the family's loader looks up; this module calls two of them.
const char* const kEntryNames[] = {
    "R8RES_SelBlock",          "R8RES_SelBlockEx",         "R8RES_EditSpy",
    "R8RES_EditVarProps",      "R8RES_EditComment",        "R8RES_EditStructure",
    "R8RES_SetString",         "R8RES_SetLangString",      "R8RES_GetLangString",
    "R8RES_SelectLang",        "R8RES_GetLang",            "R8RES_LoadString",
    "R8RES_EditInitArray",     "R8RES_EditGraProps",       "R8RES_EditInPlace",
    "R8RES_EditValue",         "R8RES_MessageBox",         "R8RES_DisplayQuestion",
    "R8RES_DisplayQuestionAll", "R8RES_DisplayError",      "R8RES_DisplayRangeError",
    "R8RES_DisplayWarning",    "R8RES_DisplayInformation", "R8RES_EditIterate",
    "R8RES_EditVarPrefix",     "R8RES_EditCreateFile",
};

template <class F> F As(FARPROC p)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(p));
}

} // namespace

CR8EditResApi::CR8EditResApi() : library(LoadLibraryA("R8EditRes.dll")) {}

CR8EditResApi::~CR8EditResApi()
{
    if (library != nullptr)
        FreeLibrary(library);
}

FARPROC CR8EditResApi::Entry(const char* name) const
{
    if (library == nullptr || name == nullptr)
        return nullptr;
    for (const char* known : kEntryNames)
    {
        if (lstrcmpA(known, name) == 0)
            return GetProcAddress(library, name);
    }
    return nullptr;
}

int CR8EditResApi::SelBlock(HWND owner, LPCSTR projectPath, str_R8Block* block)
{
    auto f = As<int(__cdecl*)(HWND, LPCSTR, str_R8Block*)>(Entry("R8RES_SelBlock"));
    return f != nullptr ? f(owner, projectPath, block) : 0;
}

int CR8EditResApi::EditVarProps(HWND owner, LPCSTR projectPath, int count, DWORD* ids)
{
    auto f = As<int(__cdecl*)(HWND, LPCSTR, int, DWORD*)>(Entry("R8RES_EditVarProps"));
    return f != nullptr ? f(owner, projectPath, count, ids) : 0;
}

void CallHelp(HWND owner, LPCSTR group, LPCSTR topic)
{
    HMODULE help = LoadLibraryA("Q2HLP.dll");
    if (help == nullptr)
        return;
    auto f = As<int(__cdecl*)(HWND, LPCSTR, LPCSTR)>(GetProcAddress(help, "Q2HLP_Call"));
    if (f != nullptr)
        f(owner, group, topic);
    FreeLibrary(help);
}
