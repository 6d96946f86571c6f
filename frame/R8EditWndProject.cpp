// The window's binding to the project database: project path, program
// identifier and the block registry lookups of the window base.
#include "frame/R8EditWnd.h"

#include "projectdb/R8EditDB.h"

BOOL CR8EditWnd::SetProjectPath(LPCSTR szProjectPath)
{
    const bool wasOpen = db->IsProjectOpen() != FALSE;
    if (wasOpen)
        db->Close();
    projectPath = szProjectPath != nullptr ? szProjectPath : "";
    if (tooltip)
        tooltip->SetProjectPath(projectPath.c_str());
    const BOOL opened = db->ConnectProject(hWnd, projectPath.c_str(), GetClassName(), 0);
    if (wasOpen)
    {
        OnDBReload();
        Redraw();
    }
    return opened;
}

void CR8EditWnd::SetID(DWORD dwID)
{
    const bool hadID = db->GetEditedProgramID() != 0;
    db->SetEditedProgramID(dwID);
    if (db->GetKindOfObject(dwID) == 3)
        db->BindCodeCompletion(dwID);
    if (tooltip)
        tooltip->SetProgramID(dwID);
    if (hadID)
    {
        OnDBReload();
        Redraw();
    }
}

DWORD CR8EditWnd::GetProjectID()
{
    return db->GetProjectHandle();
}

LPCSTR CR8EditWnd::GetProgramName()
{
    programName = db->GetEditedProgramName();
    return programName.c_str();
}

DWORD CR8EditWnd::ProgramIdentifier() const
{
    return db->GetEditedProgramID();
}

DWORD CR8EditWnd::FindStandardBlock(LPCSTR name)
{
    return db->FindBlock(FALSE, name);
}

void CR8EditWnd::TellBindingContentType(int type)
{
    db->SetProgramContent(type == 1 ? TRUE : FALSE);
}
