// Second level: lists of object identifiers, lookups by name and the kind of
// an object. One current list at a time; a second walk needs a second
// wrapper borrowing this one's handles.
#pragma once

#include "projectdb/Q2DBWrap.h"

#include <map>
#include <memory>

// One list entry, as copied into a map keyed by identifier.
struct CQ2DBWrapEnumItem
{
    DWORD position = 0;
    DWORD id = 0;
};

class CQ2DBWrapEnum : public CQ2DBWrap
{
public:
    ~CQ2DBWrapEnum() override = default;

    // Each replaces the current list and answers whether it is not empty.
    BOOL ListPrograms();
    BOOL ListGroups(DWORD option = 0); // sorted: option 0 asks for the name order (1)
    BOOL ListVars(DWORD group);
    BOOL ListTypes();

    void FreeList();
    int Count() const { return count; }
    // The identifier at that position, 0 outside the list.
    DWORD Item(int position) const;
    std::map<DWORD, CQ2DBWrapEnumItem> CopyToMap() const;

    DWORD FindProgram(LPCSTR name);
    DWORD FindType(LPCSTR name);
    DWORD FindGroup(LPCSTR name);
    DWORD FindVarInGroup(DWORD group, LPCSTR name);
    DWORD FindVar(LPCSTR name);

    int GetKindOfObject(DWORD id);

private:
    template <class CountFn, class FillFn> BOOL Load(CountFn countEntries, FillFn fill);

    std::unique_ptr<DWORD[]> list;
    int count = 0;
};
