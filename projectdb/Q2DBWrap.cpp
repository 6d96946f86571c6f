#include "projectdb/Q2DBWrap.h"

#include "projectdb/Q2DBSrvLoader.h"

namespace
{

CQ2DBSrvLoader& Api()
{
    return CQ2DBSrvLoader::Instance();
}

} // namespace

BOOL Q2DBTakeText(LPCSTR text, std::string& out)
{
    if (text == nullptr || *text == '\0')
    {
        out.clear();
        return FALSE;
    }
    out = text;
    return TRUE;
}

CQ2DBWrap::~CQ2DBWrap()
{
    CQ2DBWrap::Close();
}

std::string CQ2DBWrap::LoggedOnUser()
{
    char name[256] = {};
    DWORD size = sizeof name;
    return GetUserNameA(name, &size) ? std::string(name) : std::string();
}

BOOL CQ2DBWrap::ConnectAndOpen(HWND hNotify, UINT msg, LPCSTR path, LPCSTR user, DWORD flag,
                               DWORD* outConnection, DWORD* outProject)
{
    Close();
    std::string who = user != nullptr ? user : "";
    if (who.empty())
        who = LoggedOnUser();
    connection = Q2DBCall<DWORD>(Api().Q2DB_Connect, 0, hNotify, msg, flag, DWORD{0}, who.c_str());
    if (connection == 0)
        return FALSE;
    project = Q2DBCall<DWORD>(Api().Q2DB_OpenProject, 0, connection, path);
    if (project == 0)
    {
        if (Api().Q2DB_Disconnect != nullptr)
            Api().Q2DB_Disconnect(connection);
        connection = 0;
        return FALSE;
    }
    if (outConnection != nullptr)
        *outConnection = connection;
    if (outProject != nullptr)
        *outProject = project;
    return IsProjectOpen();
}

BOOL CQ2DBWrap::OpenByPath(LPCSTR path, LPCSTR user)
{
    return ConnectAndOpen(nullptr, 0, path, user, 0);
}

void CQ2DBWrap::Close()
{
    if (borrowed == 0)
    {
        if (project != 0 && Api().Q2DB_CloseProject != nullptr)
            Api().Q2DB_CloseProject(connection, project);
        if (connection != 0 && Api().Q2DB_Disconnect != nullptr)
            Api().Q2DB_Disconnect(connection);
    }
    connection = project = borrowed = 0;
}

DWORD CQ2DBWrap::CreateProject(LPCSTR path)
{
    if (Api().Q2DB_CreateProject == nullptr)
        return Q2DB_E_UNAVAILABLE;
    if (connection != 0)
        return Api().Q2DB_CreateProject(connection, path);
    const DWORD passing = Q2DBCall<DWORD>(Api().Q2DB_Connect, 0, HWND{}, UINT{0}, DWORD{0},
                                          DWORD{0}, LoggedOnUser().c_str());
    if (passing == 0)
        return Q2DB_E_UNAVAILABLE;
    const DWORD code = Api().Q2DB_CreateProject(passing, path);
    if (Api().Q2DB_Disconnect != nullptr)
        Api().Q2DB_Disconnect(passing);
    return code;
}

void CQ2DBWrap::Borrow(const CQ2DBWrap& lender)
{
    if (&lender != this)
        Borrow(lender.connection, lender.project);
}

void CQ2DBWrap::Borrow(DWORD hConnection, DWORD hProject)
{
    Close();
    connection = hConnection;
    project = hProject;
    borrowed = 1;
}

void CQ2DBWrap::GiveBack()
{
    if (borrowed != 0)
        connection = project = borrowed = 0;
}

void CQ2DBWrap::GetHandles(DWORD* outConnection, DWORD* outProject) const
{
    if (outConnection != nullptr)
        *outConnection = connection;
    if (outProject != nullptr)
        *outProject = project;
}

void CQ2DBWrap::EnableEvents(BOOL enable)
{
    if (Api().Q2DB_EnableEvents != nullptr)
        Api().Q2DB_EnableEvents(connection, enable);
}

std::string CQ2DBWrap::GetMessageText(DWORD code)
{
    std::string text;
    Q2DBTakeText(Q2DBCall<LPCSTR>(Api().Q2DB_GetMessage, nullptr, code), text);
    return text;
}
