// Declares every entry point with the type the wrappers use for it, so a
// definition whose arguments or calling convention drift fails to compile.
#pragma once

#include "projectdb/Q2DBSrvApi.h"

#include <type_traits>

#define Q2DB_DECLARE_ENTRY(name, type) extern "C" std::remove_pointer_t<type> name;
Q2DB_ENTRIES(Q2DB_DECLARE_ENTRY)
#undef Q2DB_DECLARE_ENTRY
