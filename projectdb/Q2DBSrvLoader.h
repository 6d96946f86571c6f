// The module's binding to "Q2DBSrv.dll": loaded by name on first use and
// held for the module's lifetime (the service keeps the connections' state,
// so it must not come and go with the wrappers), every entry looked up by
// name. A missing library or entry leaves that pointer null; the wrappers
// then answer the call's failure value.
#pragma once

#include "projectdb/Q2DBSrvApi.h"

class CQ2DBSrvLoader
{
public:
    static CQ2DBSrvLoader& Instance();

    CQ2DBSrvLoader(const CQ2DBSrvLoader&) = delete;
    CQ2DBSrvLoader& operator=(const CQ2DBSrvLoader&) = delete;

    bool IsLoaded() const { return library != nullptr; }

#define Q2DB_ENTRY_POINTER(name, type) type name = nullptr;
    Q2DB_ENTRIES(Q2DB_ENTRY_POINTER)
#undef Q2DB_ENTRY_POINTER

private:
    CQ2DBSrvLoader();
    ~CQ2DBSrvLoader() = default;

    HMODULE library = nullptr;
};

// Calls an entry when it is there, else answers the fallback.
template <class R, class F, class... A> R Q2DBCall(F entry, R fallback, A... args)
{
    return entry != nullptr ? static_cast<R>(entry(args...)) : fallback;
}
