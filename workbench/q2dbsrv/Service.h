// The service's state for the process: connections, open project handles
// and the loaded project folders they share. Changes go through Change(),
// which refuses writes on read-only connections, writes the project file,
// restores the previous content when the write fails and posts the change
// event to the other connections of the same project. Single-threaded, like
// the workbench's user interface that calls it.
#pragma once

#include "ProjectStore.h"
#include "projectdb/Q2DBSrvApi.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace q2db
{

struct Connection
{
    HWND window = nullptr;
    UINT message = 0;
    DWORD flags = 0;
    std::string user;
    bool events = true;
    std::string answer; // storage of the last text answered on this connection
};

// What a change reports to the other connections.
struct Event
{
    DWORD code = 0;
    DWORD param = 0;
};

// The connection and project an open project handle stands for.
struct Session
{
    Connection* connection = nullptr;
    ProjectStore* store = nullptr;
    ProjectModel& Model() const { return store->model; }
    // Keeps the text in the connection's storage and answers it.
    LPCSTR Answer(const std::string& text) const;
};

using ChangeFn = std::function<DWORD(ProjectModel& model, const Connection& by, Event& event)>;

class Service
{
public:
    static Service& Instance();

    DWORD Connect(HWND window, UINT message, DWORD flags, LPCSTR user);
    void Disconnect(DWORD connection);
    Connection* FindConnection(DWORD connection);
    DWORD CreateProject(DWORD connection, LPCSTR path);
    DWORD OpenProject(DWORD connection, LPCSTR path);
    void CloseProject(DWORD connection, DWORD project);

    // Finds the open project handle of that connection.
    bool Bind(DWORD connection, DWORD project, Session& session);
    // The kind of a handle or of an object of any loaded project; 0 when
    // there is none.
    int KindOfObject(DWORD id) const;

    DWORD Change(DWORD connection, DWORD project, const ChangeFn& change);

private:
    struct OpenHandle
    {
        DWORD connection = 0;
        std::shared_ptr<ProjectStore> store;
    };

    void Post(DWORD from, const ProjectStore* store, const Event& event);

    std::map<DWORD, Connection> connections;
    std::map<DWORD, OpenHandle> handles;
    std::map<std::string, std::weak_ptr<ProjectStore>> stores; // by upper-cased folder
    DWORD nextConnection = 1;
    DWORD nextHandle = 1;
};

// True when the object is locked by someone other than that user.
bool LockedByOther(const DbObject& object, const Connection& by);

// The fill half of a list pair: writes at most capacity identifiers.
int FillList(const std::vector<uint32_t>& ids, DWORD* out, int capacity);

// Runs an entry point's body; anything thrown becomes the fallback answer,
// since nothing may cross the library boundary.
template <class R, class F> R Guard(R fallback, F&& body)
{
    try
    {
        return body();
    }
    catch (...)
    {
        return fallback;
    }
}

} // namespace q2db
