#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace
{

std::atomic<std::size_t> liveBytes{0};

// Each block carries its size in front so delete can subtract it.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t size)
{
    void* raw = std::malloc(size + kHeader);
    if (raw == nullptr)
        throw std::bad_alloc();
    *static_cast<std::size_t*>(raw) = size;
    liveBytes += size;
    return static_cast<char*>(raw) + kHeader;
}

void Release(void* p) noexcept
{
    if (p == nullptr)
        return;
    void* raw = static_cast<char*>(p) - kHeader;
    liveBytes -= *static_cast<std::size_t*>(raw);
    std::free(raw);
}

} // namespace

std::size_t LiveHeapBytes()
{
    return liveBytes.load();
}

void* operator new(std::size_t size)
{
    return Allocate(size);
}

void* operator new[](std::size_t size)
{
    return Allocate(size);
}

void operator delete(void* p) noexcept
{
    Release(p);
}

void operator delete[](void* p) noexcept
{
    Release(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    Release(p);
}

void operator delete[](void* p, std::size_t) noexcept
{
    Release(p);
}
