#include "core/LargePages.h"

#include <cstdint>
#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

void AdviseLargePages(const void *start, std::size_t bytes)
{
#ifdef __linux__
    const auto from = reinterpret_cast<std::uintptr_t>(start);
    const std::uintptr_t first = (from + LargePageSize - 1) & ~(LargePageSize - 1);
    const std::uintptr_t last = (from + bytes) & ~(LargePageSize - 1);
    // Refused advice leaves the small pages, which serve as before.
    if (last > first)
        ::madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE);
#else
    (void)start;
    (void)bytes;
#endif
}

void *AllocateLarge(std::size_t bytes)
{
    void *block = nullptr;
    if (bytes < LargePageSize) {
        block = std::malloc(bytes == 0 ? 1 : bytes);
    } else {
#ifdef __linux__
        const std::size_t rounded = (bytes + LargePageSize - 1) & ~(LargePageSize - 1);
        block = std::aligned_alloc(LargePageSize, rounded);
        if (block != nullptr)
            AdviseLargePages(block, rounded);
#else
        // Without the advice the alignment buys nothing, and not every C library has
        // aligned_alloc.
        block = std::malloc(bytes);
#endif
    }
    if (block == nullptr)
        throw std::bad_alloc();
    return block;
}

void FreeLarge(void *block)
{
    std::free(block);
}
