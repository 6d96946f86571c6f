#include "projectdb/Q2DBSrvLoader.h"

CQ2DBSrvLoader& CQ2DBSrvLoader::Instance()
{
    static CQ2DBSrvLoader loader;
    return loader;
}

CQ2DBSrvLoader::CQ2DBSrvLoader() : library(LoadLibraryA(Q2DBSRV_LIBRARY))
{
    if (library == nullptr)
        return;
#define Q2DB_LOOK_UP(name, type)                                                                   \
    name = reinterpret_cast<type>(reinterpret_cast<void*>(GetProcAddress(library, #name)));
    Q2DB_ENTRIES(Q2DB_LOOK_UP)
#undef Q2DB_LOOK_UP
}
