// Process-wide small integer indices for component and singleton types.
//
// Each type gets its index the first time anyone asks for it, from one counter per family.
// The component catalogue asks for every component type at start-up in a fixed order, which
// is what makes component indices stable across runs; singleton indices follow first use.
//
// The index sits in a constant-initialised variable per type, so asking costs one load and a
// never-taken branch: no initialisation guard on every call, as a function-local static would
// have. The first assignment of each family is serialised by one lock, so two threads asking
// for new types at once still get distinct indices and both see the same index for one type.
#pragma once

#include <atomic>
#include <cstddef>
#include <mutex>

// Hot-path helpers: forced inlining of the few lookups every walk makes, and the slow paths kept
// out of line so that they do not stand in the way of it.
#if defined(_MSC_VER)
#define VELKOR_ALWAYS_INLINE __forceinline
#define VELKOR_NOINLINE __declspec(noinline)
#else
#define VELKOR_ALWAYS_INLINE inline __attribute__((always_inline))
#define VELKOR_NOINLINE __attribute__((noinline))
#endif

namespace velkor::entity {

namespace internal {

inline constexpr std::size_t UnassignedIndex = ~std::size_t{0};

template <class Family, class T>
inline std::atomic<std::size_t> type_index{UnassignedIndex};

template <class Family>
VELKOR_NOINLINE std::size_t AssignTypeIndex(std::atomic<std::size_t>& slot) noexcept {
    static std::mutex lock;
    static std::size_t counter = 0;
    const std::lock_guard<std::mutex> held(lock);
    std::size_t index = slot.load(std::memory_order_relaxed);
    if (index == UnassignedIndex) {
        index = counter++;
        slot.store(index, std::memory_order_relaxed);
    }
    return index;
}

template <class Family, class T>
VELKOR_ALWAYS_INLINE std::size_t TypeIndex() noexcept {
    // Relaxed is enough: the index is the only thing published, and the lock orders assignment.
    const std::size_t index = type_index<Family, T>.load(std::memory_order_relaxed);
    if (index != UnassignedIndex) [[likely]]
        return index;
    return AssignTypeIndex<Family>(type_index<Family, T>);
}

struct ComponentFamily;
struct SingletonFamily;

}  // namespace internal

// Index of component type T.
template <class T>
VELKOR_ALWAYS_INLINE std::size_t ComponentIndex() noexcept {
    return internal::TypeIndex<internal::ComponentFamily, T>();
}

// Index of singleton type T, from a counter separate from the components'.
template <class T>
VELKOR_ALWAYS_INLINE std::size_t SingletonIndex() noexcept {
    return internal::TypeIndex<internal::SingletonFamily, T>();
}

}  // namespace velkor::entity
