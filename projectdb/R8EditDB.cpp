#include "projectdb/R8EditDB.h"

#include "projectdb/Q2DBSrvLoader.h"

namespace
{

CQ2DBSrvLoader& Api()
{
    return CQ2DBSrvLoader::Instance();
}

// A type is a user block when its description holds one of these.
constexpr DWORD kUserBlockTypeFlags = 8 | 64;

} // namespace

CR8EditDB::~CR8EditDB()
{
    DisconnectProject();
}

BOOL CR8EditDB::ConnectProject(HWND hWnd, LPCSTR path, LPCSTR user, DWORD flag)
{
    rtc.OpenProject(path);
    const BOOL open =
        ConnectAndOpen(hWnd, hWnd != nullptr ? WM_USER : 0, path, user, hWnd != nullptr ? flag : 0);
    if (!open)
        rtc.CloseProject();
    return open;
}

void CR8EditDB::DisconnectProject()
{
    rtc.CloseProject();
    Close();
}

void CR8EditDB::Close()
{
    CQ2DBWrapRW::Close();
}

std::string CR8EditDB::GetEditedProgramName()
{
    std::string name;
    if (editedProgramId != 0)
        GetProgramDesc(editedProgramId, name);
    return name;
}

DWORD CR8EditDB::FindBlock(BOOL projectFlag, LPCSTR name)
{
    if (!projectFlag)
        return Q2DBCall<DWORD>(Api().Q2DBReg_FindBlock, 0, name);
    if (const DWORD type = FindType(name); type != 0)
    {
        std::string typeName;
        DWORD flags = 0;
        if (GetTypeDesc(type, typeName, &flags) && (flags & kUserBlockTypeFlags) != 0)
            return type;
    }
    return FindProgram(name);
}

BOOL CR8EditDB::GetBlockPinCounts(BOOL projectFlag, DWORD id, int* nbIn, int* nbOut)
{
    int in = 0, out = 0;
    BOOL found = FALSE;
    if (!projectFlag)
        found = Q2DBCall<LPCSTR>(Api().Q2DBReg_GetBlockDesc, nullptr, id, &in, &out,
                                 static_cast<DWORD*>(nullptr)) != nullptr;
    if (!found && GetKindOfObject(id) == Q2DB_KIND_PROGRAM)
    {
        // Counted on a second wrapper so this one's current list survives.
        std::string name;
        DWORD group = 0;
        if (GetProgramDesc(id, name, nullptr, nullptr, &group))
        {
            found = TRUE;
            in = out = 0;
            CQ2DBWrapR vars;
            vars.Borrow(*this);
            if (vars.ListVars(group))
                for (int i = 0; i < vars.Count(); ++i)
                {
                    DWORD flags = 0;
                    std::string varName;
                    vars.GetVarDesc(vars.Item(i), varName, nullptr, &flags);
                    in += (flags & Q2DB_VAR_INPUT) != 0;
                    out += (flags & Q2DB_VAR_OUTPUT) != 0;
                }
        }
    }
    else if (!found)
    {
        in = out = 0;
        found = GetUDFBNbIO(id, &in, &out);
        if (!found)
            in = out = 0;
    }
    if (nbIn != nullptr)
        *nbIn = in;
    if (nbOut != nullptr)
        *nbOut = out;
    return found;
}

void CR8EditDB::BindCodeCompletion(DWORD) {}
