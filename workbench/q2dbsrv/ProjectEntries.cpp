// Connections, projects, kinds and properties.
#include "Access.h"
#include "Entries.h"

using namespace q2db;

namespace
{

// For the entries that answer nothing.
template <class F> void Quietly(F&& body)
{
    Guard(0, [&] { return body(), 0; });
}

} // namespace

extern "C" DWORD WINAPI Q2DB_Connect(HWND hNotify, UINT msg, DWORD flags, DWORD, LPCSTR user)
{
    return Guard<DWORD>(0, [&] { return Service::Instance().Connect(hNotify, msg, flags, user); });
}

extern "C" void WINAPI Q2DB_Disconnect(DWORD hConn)
{
    Quietly([&] { Service::Instance().Disconnect(hConn); });
}

extern "C" DWORD WINAPI Q2DB_CreateProject(DWORD hConn, LPCSTR path)
{
    return Guard<DWORD>(Q2DB_E_REFUSED,
                        [&] { return Service::Instance().CreateProject(hConn, path); });
}

extern "C" DWORD WINAPI Q2DB_OpenProject(DWORD hConn, LPCSTR path)
{
    return Guard<DWORD>(0, [&] { return Service::Instance().OpenProject(hConn, path); });
}

extern "C" void WINAPI Q2DB_CloseProject(DWORD hConn, DWORD hPrj)
{
    Quietly([&] { Service::Instance().CloseProject(hConn, hPrj); });
}

extern "C" LPCSTR WINAPI Q2DB_GetClientName(DWORD hConn)
{
    Connection* c = Service::Instance().FindConnection(hConn);
    return c != nullptr ? c->user.c_str() : nullptr;
}

extern "C" LPCSTR WINAPI Q2DB_GetProjectPath(DWORD hConn, DWORD hPrj)
{
    const auto read = [&](Session& s) { return s.Answer(s.store->Folder()); };
    return Read<LPCSTR>(hConn, hPrj, nullptr, read);
}

extern "C" void WINAPI Q2DB_EnableEvents(DWORD hConn, BOOL enable)
{
    if (Connection* c = Service::Instance().FindConnection(hConn))
        c->events = enable != FALSE;
}

extern "C" int WINAPI Q2DB_GetKindOfObject(DWORD id)
{
    return Guard(0, [&] { return id == 0 ? 0 : Service::Instance().KindOfObject(id); });
}

// Object 0 or the project handle stands for the project itself.
extern "C" LPCSTR WINAPI Q2DB_GetProperty(DWORD hConn, DWORD hPrj, DWORD object, int prop)
{
    const auto read = [&](Session& s) -> LPCSTR
    {
        auto it = s.Model().properties.find(prop);
        if ((object != 0 && object != hPrj) || it == s.Model().properties.end())
            return nullptr;
        return s.Answer(it->second);
    };
    return Read<LPCSTR>(hConn, hPrj, nullptr, read);
}

extern "C" DWORD WINAPI Q2DB_SetProperty(DWORD hConn, DWORD hPrj, DWORD object, int prop,
                                         LPCSTR value)
{
    const auto change = [&](ProjectModel& m, const Connection&, Event& e) -> DWORD
    {
        if (object != 0 && object != hPrj)
            return Q2DB_E_NOTFOUND;
        if (value == nullptr || *value == '\0')
            m.properties.erase(prop);
        else
            m.properties[prop] = value;
        e = {Q2DB_EVT_PROPERTIES, static_cast<DWORD>(prop)};
        return Q2DB_OK;
    };
    return Changed(hConn, hPrj, change);
}
