// Counts the bytes the program holds through operator new, so a benchmark can
// report the memory a structure keeps without asking the allocator.
#pragma once

#include <cstddef>

std::size_t LiveHeapBytes();
