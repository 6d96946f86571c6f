// First level of the database wrappers: the connection and project handles,
// owned or borrowed from another wrapper. A wrapper made on the stack can
// borrow the handles of an open one to run a second enumeration while the
// first is being walked; closing it then only forgets them.
#pragma once

#include "frame/Win32.h"

#include <string>

class CQ2DBWrap
{
public:
    CQ2DBWrap() = default;
    virtual ~CQ2DBWrap();
    CQ2DBWrap(const CQ2DBWrap&) = delete;
    CQ2DBWrap& operator=(const CQ2DBWrap&) = delete;

    // Closes whatever is open, connects (as the logged-on user when user is
    // null or empty) and opens the project; the handles go to the outputs
    // given. A failed open leaves no connection behind.
    BOOL ConnectAndOpen(HWND hNotify, UINT msg, LPCSTR path, LPCSTR user, DWORD flag,
                        DWORD* outConnection = nullptr, DWORD* outProject = nullptr);
    // Connect and open without a notification window.
    BOOL OpenByPath(LPCSTR path, LPCSTR user = nullptr);
    // Forgets borrowed handles; closes and disconnects owned ones.
    virtual void Close();

    // Makes a new project folder, on this connection or a passing one.
    // Answers the service's code.
    DWORD CreateProject(LPCSTR path);

    void Borrow(const CQ2DBWrap& lender);
    void Borrow(DWORD hConnection, DWORD hProject);
    void GiveBack();
    void GetHandles(DWORD* outConnection, DWORD* outProject) const;
    DWORD GetConnectionHandle() const { return connection; }
    DWORD GetProjectHandle() const { return project; }
    BOOL IsBorrowed() const { return borrowed != 0; }
    BOOL IsProjectOpen() const { return project != 0; }

    void EnableEvents(BOOL enable);

    // The text of a service code; empty when there is none.
    static std::string GetMessageText(DWORD code);
    // The name of the user logged on to this session.
    static std::string LoggedOnUser();

protected:
    DWORD connection = 0;
    DWORD project = 0;
    DWORD borrowed = 0;
};

// Copies a text the service answered; true when it was not empty.
BOOL Q2DBTakeText(LPCSTR text, std::string& out);
