// Replaces the global operator new of the executable that includes it with one that counts every
// heap allocation, forwarding to malloc (which the sanitizers still watch). Include it in exactly
// one file of an executable, and never in the unit tests, which keep the sanitizers' own new.
#pragma once

#include <atomic>
#include <cstdlib>
#include <new>

namespace velkor::test {
inline std::atomic<long long> g_allocations{0};
// Heap allocations made by the process so far.
inline long long Allocations() noexcept { return g_allocations.load(std::memory_order_relaxed); }
}  // namespace velkor::test

void* operator new(std::size_t size) {
    velkor::test::g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
