#include "projectdb/Q2DBWrapEnum.h"

#include "projectdb/Q2DBSrvLoader.h"

namespace
{

CQ2DBSrvLoader& Api()
{
    return CQ2DBSrvLoader::Instance();
}

// Room beyond the count, in case the list grows between the two calls.
constexpr int kListMargin = 100;

} // namespace

template <class CountFn, class FillFn> BOOL CQ2DBWrapEnum::Load(CountFn countEntries, FillFn fill)
{
    FreeList();
    const int n = countEntries();
    if (n <= 0)
        return FALSE;
    const int capacity = n + kListMargin;
    auto ids = std::make_unique<DWORD[]>(static_cast<size_t>(capacity));
    const int written = fill(ids.get(), capacity);
    if (written <= 0)
        return FALSE;
    list = std::move(ids);
    count = written < capacity ? written : capacity;
    return TRUE;
}

BOOL CQ2DBWrapEnum::ListPrograms()
{
    return Load(
        [&] { return Q2DBCall<int>(Api().Q2DB_GetNbProgram, 0, connection, project); },
        [&](DWORD* ids, int capacity)
        { return Q2DBCall<int>(Api().Q2DB_GetPrograms, 0, connection, project, ids, capacity); });
}

BOOL CQ2DBWrapEnum::ListGroups(DWORD option)
{
    const DWORD sort = option != 0 ? option : 1;
    return Load([&] { return Q2DBCall<int>(Api().Q2DB_GetNbGroup, 0, connection, project); },
                [&](DWORD* ids, int capacity) {
                    return Q2DBCall<int>(Api().Q2DB_GetSortedGroups, 0, connection, project, sort,
                                         ids, capacity);
                });
}

BOOL CQ2DBWrapEnum::ListVars(DWORD group)
{
    return Load([&] { return Q2DBCall<int>(Api().Q2DB_GetNbVar, 0, connection, project, group); },
                [&](DWORD* ids, int capacity) {
                    return Q2DBCall<int>(Api().Q2DB_GetVars, 0, connection, project, group, ids,
                                         capacity);
                });
}

BOOL CQ2DBWrapEnum::ListTypes()
{
    return Load(
        [&] { return Q2DBCall<int>(Api().Q2DB_GetNbType, 0, connection, project); },
        [&](DWORD* ids, int capacity)
        { return Q2DBCall<int>(Api().Q2DB_GetTypes, 0, connection, project, ids, capacity); });
}

void CQ2DBWrapEnum::FreeList()
{
    list.reset();
    count = 0;
}

DWORD CQ2DBWrapEnum::Item(int position) const
{
    return list != nullptr && position >= 0 && position < count
               ? list[static_cast<size_t>(position)]
               : 0;
}

std::map<DWORD, CQ2DBWrapEnumItem> CQ2DBWrapEnum::CopyToMap() const
{
    std::map<DWORD, CQ2DBWrapEnumItem> map;
    for (int i = 0; i < count; ++i)
        map.emplace(Item(i), CQ2DBWrapEnumItem{static_cast<DWORD>(i), Item(i)});
    return map;
}

DWORD CQ2DBWrapEnum::FindProgram(LPCSTR name)
{
    return Q2DBCall<DWORD>(Api().Q2DB_FindProgram, 0, connection, project, name);
}

DWORD CQ2DBWrapEnum::FindType(LPCSTR name)
{
    return Q2DBCall<DWORD>(Api().Q2DB_FindType, 0, connection, project, name);
}

DWORD CQ2DBWrapEnum::FindGroup(LPCSTR name)
{
    return Q2DBCall<DWORD>(Api().Q2DB_FindGroup, 0, connection, project, name);
}

DWORD CQ2DBWrapEnum::FindVarInGroup(DWORD group, LPCSTR name)
{
    return Q2DBCall<DWORD>(Api().Q2DB_FindVarInGroup, 0, connection, project, group, name);
}

DWORD CQ2DBWrapEnum::FindVar(LPCSTR name)
{
    return Q2DBCall<DWORD>(Api().Q2DB_FindVar, 0, connection, project, name);
}

int CQ2DBWrapEnum::GetKindOfObject(DWORD id)
{
    return Q2DBCall<int>(Api().Q2DB_GetKindOfObject, 0, id);
}
