// Shared bodies of the entry points: a read through an open project handle,
// and a change through the service.
#pragma once

#include "Service.h"

namespace q2db
{

template <class R, class F> R Read(DWORD hConn, DWORD hPrj, R fallback, F&& body)
{
    return Guard<R>(fallback,
                    [&]() -> R
                    {
                        Session s;
                        return Service::Instance().Bind(hConn, hPrj, s) ? body(s) : fallback;
                    });
}

inline DWORD Changed(DWORD hConn, DWORD hPrj, const ChangeFn& change)
{
    return Guard<DWORD>(Q2DB_E_REFUSED,
                        [&] { return Service::Instance().Change(hConn, hPrj, change); });
}

} // namespace q2db
