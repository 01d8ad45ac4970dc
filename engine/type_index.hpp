// Process-wide small integer indices for component and singleton types.
//
// Each type gets its index the first time anyone asks for it, from one counter per family.
// The component catalogue asks for every component type at start-up in a fixed order, which
// is what makes component indices stable across runs; singleton indices follow first use.
#pragma once

#include <atomic>
#include <cstddef>

namespace velkor::entity {

namespace internal {

template <class Family>
std::size_t NextTypeIndex() noexcept {
    static std::atomic<std::size_t> counter{0};
    return counter.fetch_add(1, std::memory_order_relaxed);
}

struct ComponentFamily;
struct SingletonFamily;

}  // namespace internal

// Index of component type T. Thread-safe one-time initialisation of a function-local static.
template <class T>
std::size_t ComponentIndex() noexcept {
    static const std::size_t index = internal::NextTypeIndex<internal::ComponentFamily>();
    return index;
}

// Index of singleton type T, from a counter separate from the components'.
template <class T>
std::size_t SingletonIndex() noexcept {
    static const std::size_t index = internal::NextTypeIndex<internal::SingletonFamily>();
    return index;
}

}  // namespace velkor::entity
