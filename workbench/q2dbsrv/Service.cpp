#include "Service.h"

#include <algorithm>
#include <set>

namespace q2db
{

namespace
{

std::string UpperAscii(std::string s)
{
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

} // namespace

LPCSTR Session::Answer(const std::string& text) const
{
    connection->answer = text;
    return connection->answer.c_str();
}

bool LockedByOther(const DbObject& object, const Connection& by)
{
    return !object.lockOwner.empty() && !SameName(object.lockOwner, by.user);
}

int FillList(const std::vector<uint32_t>& ids, DWORD* out, int capacity)
{
    if (out == nullptr || capacity <= 0)
        return 0;
    const int n = std::min(capacity, static_cast<int>(ids.size()));
    for (int i = 0; i < n; ++i)
        out[i] = ids[static_cast<size_t>(i)];
    return n;
}

Service& Service::Instance()
{
    static Service service;
    return service;
}

DWORD Service::Connect(HWND window, UINT message, DWORD flags, LPCSTR user)
{
    char logged[256] = {};
    DWORD size = sizeof logged;
    if ((user == nullptr || *user == '\0') && GetUserNameA(logged, &size))
        user = logged;
    if (user == nullptr || *user == '\0' || nextConnection > kSerialMask)
        return 0;
    const DWORD id = MakeId(Q2DB_KIND_CLIENT, nextConnection++);
    Connection& c = connections[id];
    c.window = window;
    c.message = window != nullptr ? message : 0;
    c.flags = flags;
    c.user = user;
    return id;
}

void Service::Disconnect(DWORD connection)
{
    for (auto it = handles.begin(); it != handles.end();)
        it = it->second.connection == connection ? handles.erase(it) : std::next(it);
    connections.erase(connection);
}

Connection* Service::FindConnection(DWORD connection)
{
    auto it = connections.find(connection);
    return it != connections.end() ? &it->second : nullptr;
}

DWORD Service::CreateProject(DWORD connection, LPCSTR path)
{
    Connection* c = FindConnection(connection);
    if (c == nullptr)
        return Q2DB_E_BADHANDLE;
    if ((c->flags & Q2DB_CONNECT_READONLY) != 0)
        return Q2DB_E_READONLY;
    return ProjectStore::Create(ProjectStore::NormalFolder(path));
}

DWORD Service::OpenProject(DWORD connection, LPCSTR path)
{
    if (FindConnection(connection) == nullptr || nextHandle > kSerialMask)
        return 0;
    const std::string folder = ProjectStore::NormalFolder(path);
    if (folder.empty())
        return 0;
    const std::string key = UpperAscii(folder);
    std::erase_if(stores, [](const auto& entry) { return entry.second.expired(); });
    std::shared_ptr<ProjectStore> store = stores[key].lock();
    if (store == nullptr)
    {
        std::string error;
        store = ProjectStore::Load(folder, error);
        if (store == nullptr)
        {
            stores.erase(key);
            return 0;
        }
        stores[key] = store;
    }
    const DWORD id = MakeId(Q2DB_KIND_PROJECT, nextHandle++);
    handles[id] = OpenHandle{connection, store};
    return id;
}

void Service::CloseProject(DWORD connection, DWORD project)
{
    auto it = handles.find(project);
    if (it != handles.end() && it->second.connection == connection)
        handles.erase(it);
}

bool Service::Bind(DWORD connection, DWORD project, Session& session)
{
    auto it = handles.find(project);
    if (it == handles.end() || it->second.connection != connection)
        return false;
    session.connection = FindConnection(connection);
    session.store = it->second.store.get();
    return session.connection != nullptr;
}

int Service::KindOfObject(DWORD id) const
{
    if (connections.count(id) != 0 || handles.count(id) != 0)
        return KindOf(id);
    for (const auto& [key, weak] : stores)
        if (auto store = weak.lock(); store != nullptr && store->model.Find(id) != nullptr)
            return KindOf(id);
    return 0;
}

DWORD Service::Change(DWORD connection, DWORD project, const ChangeFn& change)
{
    Session session;
    if (!Bind(connection, project, session))
        return Q2DB_E_BADHANDLE;
    if ((session.connection->flags & Q2DB_CONNECT_READONLY) != 0)
        return Q2DB_E_READONLY;
    if (!session.store->Refresh())
        return Q2DB_E_DAMAGED;
    ProjectModel before = session.Model();
    Event event;
    DWORD code = change(session.Model(), *session.connection, event);
    if (code != Q2DB_OK)
    {
        session.Model() = std::move(before);
        return code;
    }
    if (!session.store->Save())
    {
        session.Model() = std::move(before);
        return Q2DB_E_WRITE;
    }
    if (event.code != 0)
        Post(connection, session.store, event);
    return Q2DB_OK;
}

void Service::Post(DWORD from, const ProjectStore* store, const Event& event)
{
    std::set<DWORD> told;
    for (const auto& [id, handle] : handles)
    {
        if (handle.connection == from || handle.store.get() != store ||
            !told.insert(handle.connection).second)
            continue;
        const Connection* c = FindConnection(handle.connection);
        if (c != nullptr && c->events && c->window != nullptr && c->message != 0 &&
            IsWindow(c->window))
            PostMessageA(c->window, c->message, event.code, static_cast<LPARAM>(event.param));
    }
}

} // namespace q2db
