// Connections, projects, kinds and properties.
#include "Entries.h"
#include "Service.h"

using q2db::Guard;
using q2db::Service;
using q2db::Session;

extern "C" DWORD WINAPI Q2DB_Connect(HWND hNotify, UINT msg, DWORD flags, DWORD, LPCSTR user)
{
    return Guard<DWORD>(0, [&] { return Service::Instance().Connect(hNotify, msg, flags, user); });
}

extern "C" void WINAPI Q2DB_Disconnect(DWORD hConn)
{
    Guard(0,
          [&]
          {
              Service::Instance().Disconnect(hConn);
              return 0;
          });
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
    Guard(0,
          [&]
          {
              Service::Instance().CloseProject(hConn, hPrj);
              return 0;
          });
}

extern "C" LPCSTR WINAPI Q2DB_GetClientName(DWORD hConn)
{
    q2db::Connection* c = Service::Instance().FindConnection(hConn);
    return c != nullptr ? c->user.c_str() : nullptr;
}

extern "C" LPCSTR WINAPI Q2DB_GetProjectPath(DWORD hConn, DWORD hPrj)
{
    return Guard<LPCSTR>(nullptr,
                         [&]() -> LPCSTR
                         {
                             Session s;
                             return Service::Instance().Bind(hConn, hPrj, s)
                                        ? s.Answer(s.store->Folder())
                                        : nullptr;
                         });
}

extern "C" void WINAPI Q2DB_EnableEvents(DWORD hConn, BOOL enable)
{
    if (q2db::Connection* c = Service::Instance().FindConnection(hConn))
        c->events = enable != FALSE;
}

extern "C" int WINAPI Q2DB_GetKindOfObject(DWORD id)
{
    return Guard(0, [&] { return id == 0 ? 0 : Service::Instance().KindOfObject(id); });
}

// Object 0 or the project handle stands for the project itself.
extern "C" LPCSTR WINAPI Q2DB_GetProperty(DWORD hConn, DWORD hPrj, DWORD object, int prop)
{
    return Guard<LPCSTR>(
        nullptr,
        [&]() -> LPCSTR
        {
            Session s;
            if (!Service::Instance().Bind(hConn, hPrj, s) || (object != 0 && object != hPrj))
                return nullptr;
            auto it = s.Model().properties.find(prop);
            return it != s.Model().properties.end() ? s.Answer(it->second) : nullptr;
        });
}

extern "C" DWORD WINAPI Q2DB_SetProperty(DWORD hConn, DWORD hPrj, DWORD object, int prop,
                                         LPCSTR value)
{
    return Guard<DWORD>(Q2DB_E_REFUSED,
                        [&]
                        {
                            if (object != 0 && object != hPrj)
                                return static_cast<DWORD>(Q2DB_E_NOTFOUND);
                            return Service::Instance().Change(
                                hConn, hPrj,
                                [&](q2db::ProjectModel& m, const q2db::Connection&, q2db::Event& e)
                                {
                                    if (value == nullptr || *value == '\0')
                                        m.properties.erase(prop);
                                    else
                                        m.properties[prop] = value;
                                    e = {Q2DB_EVT_PROPERTIES, static_cast<DWORD>(prop)};
                                    return static_cast<DWORD>(Q2DB_OK);
                                });
                        });
}
