// One-instance state of the game: at most one object per singleton type.
//
// A slot is filled on first get<T>() with a default-constructed T and keeps that object (same
// address) until the registry is destroyed. The presence bit is separate: owners set it once they
// have prepared the object, and remove<T>() clears it without touching the object.
#pragma once

#include <array>
#include <bitset>
#include <cassert>
#include <cstddef>
#include <memory>
#include <stdexcept>

#include "engine/type_index.hpp"

namespace velkor::entity {

template <class EntityT>
class registry;

inline constexpr std::size_t MaxSingletons = 100;

class singleton_registry {
public:
    struct generic_component {
        virtual ~generic_component() = default;
    };

    template <class T>
    struct component final : generic_component {
        T value{};
    };

    explicit singleton_registry(registry<unsigned long long>* owner) noexcept : owner_(owner) {}
    singleton_registry(const singleton_registry&) = delete;
    singleton_registry& operator=(const singleton_registry&) = delete;

    ~singleton_registry() {
        // Highest slot first, mirroring the pools' teardown order.
        for (std::size_t i = MaxSingletons; i-- > 0;) slots_[i].reset();
    }

    // The singleton of type T, created with its defaults if the slot is empty. Leaves presence alone.
    template <class T>
    [[nodiscard]] T& get() {
        const std::size_t index = SingletonIndex<T>();
        assert(index < MaxSingletons && "too many singleton types");
        auto& slot = slots_[index];
        if (!slot) slot = std::make_unique<component<T>>();
        return static_cast<component<T>*>(slot.get())->value;
    }

    template <class T>
    [[nodiscard]] bool has() const {
        const std::size_t index = SingletonIndex<T>();
        assert(index < MaxSingletons && "too many singleton types");
        return present_[index];
    }

    // Assigns the value and marks the singleton present.
    template <class T>
    T& set(T value) {
        T& held = get<T>();
        held = std::move(value);
        mark_present<T>();
        return held;
    }

    // Marks the singleton present without assigning: for owners that prepared it in place.
    template <class T>
    T& mark_present() {
        T& held = get<T>();
        set_bit(SingletonIndex<T>(), true);
        return held;
    }

    // Clears the presence bit. The object stays, unchanged, for a later get<T>().
    template <class T>
    void remove() {
        set_bit(SingletonIndex<T>(), false);
    }

    [[nodiscard]] registry<unsigned long long>* owner() const noexcept { return owner_; }

    // Index-level access, for the rare caller (and test) that works with raw indices.
    void set_bit(std::size_t index, bool value) {
        if (index >= MaxSingletons) throw std::out_of_range("invalid bitset position");
        present_[index] = value;
    }

private:
    std::array<std::unique_ptr<generic_component>, MaxSingletons> slots_{};
    std::bitset<MaxSingletons> present_{};
    registry<unsigned long long>* owner_ = nullptr;
};

}  // namespace velkor::entity
