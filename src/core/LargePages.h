#pragma once
// Memory for the few long arrays of a long log, in large pages where the system offers them
// only on request: the first reading of a log in a session then waits for a handful of
// page faults instead of thousands.

#include <cstddef>

// The size of a large page; blocks smaller than it are allocated as usual.
inline constexpr std::size_t LargePageSize = std::size_t(2) << 20;

// Asks for large pages for the whole large pages within [start, start + bytes). Only
// advice: where the system has none, or another system decides alone, nothing changes.
void AdviseLargePages(const void *start, std::size_t bytes);

// From malloc's heap, aligned to a large page and advised when at least that large; freed
// with FreeLarge. Throws std::bad_alloc when there is no memory.
void *AllocateLarge(std::size_t bytes);
void FreeLarge(void *block);

// For the standard containers.
template <typename T>
struct LargePageAllocator
{
    using value_type = T;

    LargePageAllocator() = default;
    template <typename U>
    explicit LargePageAllocator(const LargePageAllocator<U> &) {}

    T *allocate(std::size_t count) { return static_cast<T *>(AllocateLarge(count * sizeof(T))); }
    void deallocate(T *block, std::size_t) { FreeLarge(block); }

    friend bool operator==(const LargePageAllocator &, const LargePageAllocator &) { return true; }
};
