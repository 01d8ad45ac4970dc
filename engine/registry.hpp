// The entity registry: identifiers, per-type component pools, signatures, listeners and views.
//
// Storage is a sparse set per component type: a dense vector of components, a parallel dense
// vector of owners and a fixed sparse array (entity -> dense index). Every per-entity operation is
// constant time and no lookup allocates.
//
// Invalidation: pools are vectors. Adding a component may reallocate the dense arrays and removing
// one moves the last element into the hole, so a T& obtained from get<T>() is only valid until the
// next add/remove/destroy/clear touching that pool. Keep the entity and look the component up again.
//
// Capacity errors (entities, component types) raise std::out_of_range("invalid bitset position").
// Hot paths do not check the caller's preconditions: get<T> needs has<T>, add<T> needs !has<T>,
// destroy needs a live entity. Debug builds assert them.
#pragma once

#include <algorithm>
#include <any>
#include <array>
#include <bitset>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <type_traits>
#include <vector>

#include "engine/singleton_registry.hpp"
#include "engine/type_index.hpp"

namespace velkor::entity {

inline constexpr std::size_t MaxEntities = 17500;
inline constexpr std::size_t MaxComponents = 17;

using Signature = std::bitset<MaxComponents>;

namespace internal {
[[noreturn]] inline void ThrowInvalidPosition() { throw std::out_of_range("invalid bitset position"); }
}  // namespace internal

// A name and, per component type index, an optional component instance (held as std::any of
// the component type). Completes the pool interface; the game itself never builds one.
struct EntityPrototype {
    std::string name;
    std::array<std::any, MaxComponents> components;
};

class generic_pool {
public:
    using Entity = unsigned long long;
    virtual ~generic_pool() = default;
    virtual void remove(Entity e) = 0;
    virtual void clear() = 0;
    [[nodiscard]] virtual bool contains(Entity e) const = 0;
    virtual void add(Entity e) = 0;
    virtual void add(Entity e, EntityPrototype prototype) = 0;
    virtual void copy(Entity e, Entity source) = 0;
};

template <class T>
class pool final : public generic_pool {
public:
    using Listener = std::function<void(Entity, T&)>;

    pool() { sparse_.fill(static_cast<std::uint64_t>(MaxEntities)); }

    [[nodiscard]] bool contains(Entity e) const override {
        return e < MaxEntities && sparse_[e] != MaxEntities;
    }

    [[nodiscard]] T& get(Entity e) {
        assert(contains(e) && "entity has no component of this type");
        return components_[sparse_[e]];
    }
    [[nodiscard]] const T& get(Entity e) const {
        assert(contains(e) && "entity has no component of this type");
        return components_[sparse_[e]];
    }

    // Dense owner list, parallel to the components: entities()[i] owns the i-th component.
    [[nodiscard]] const std::vector<Entity>& entities() const noexcept { return entities_; }
    [[nodiscard]] std::vector<T>& components() noexcept { return components_; }
    [[nodiscard]] std::size_t size() const noexcept { return entities_.size(); }
    [[nodiscard]] std::uint64_t sparse(Entity e) const { return sparse_.at(e); }

    // Pool-level add: appends, then tells the listeners. The registry sets the signature bit.
    void add(Entity e) override { emplace(e, T{}); }
    void add(Entity e, EntityPrototype prototype) override {
        auto& slot = prototype.components[ComponentIndex<T>()];
        emplace(e, slot.has_value() ? std::any_cast<T>(std::move(slot)) : T{});
    }
    void copy(Entity e, Entity source) override { emplace(e, T(get(source))); }

    // Swap and pop: the last element takes the hole, so dense order changes.
    void remove(Entity e) override {
        assert(contains(e) && "removing a component the entity does not have");
        const std::size_t hole = sparse_[e];
        notify(on_remove_, e, components_[hole]);
        const std::size_t last = components_.size() - 1;
        const Entity moved = entities_[last];
        if (hole != last) components_[hole] = std::move(components_[last]);
        components_.pop_back();
        sparse_[moved] = hole;
        sparse_[e] = MaxEntities;
        entities_[hole] = moved;
        entities_.pop_back();
    }

    // Listeners see every component in dense order, then everything goes at once.
    void clear() override {
        for (std::size_t i = 0; i < components_.size(); ++i) notify(on_remove_, entities_[i], components_[i]);
        components_.clear();
        entities_.clear();
        sparse_.fill(static_cast<std::uint64_t>(MaxEntities));
    }

    // Connecting returns the listener's position; disconnecting empties that slot and keeps the
    // others where they are, so positions handed out earlier stay valid.
    int connect_on_add(Listener listener) { return connect(on_add_, std::move(listener)); }
    int connect_on_remove(Listener listener) { return connect(on_remove_, std::move(listener)); }
    void disconnect_on_add(int position) { disconnect(on_add_, position); }
    void disconnect_on_remove(int position) { disconnect(on_remove_, position); }

private:
    void emplace(Entity e, T&& value) {
        assert(!contains(e) && "entity already has a component of this type");
        sparse_[e] = components_.size();
        entities_.push_back(e);
        components_.push_back(std::move(value));
        notify(on_add_, e, components_.back());
    }

    static void notify(std::vector<Listener>& listeners, Entity e, T& component) {
        // Index loop: a listener may connect another listener while we walk.
        for (std::size_t i = 0; i < listeners.size(); ++i)
            if (listeners[i]) listeners[i](e, component);
    }
    static int connect(std::vector<Listener>& listeners, Listener listener) {
        listeners.push_back(std::move(listener));
        return static_cast<int>(listeners.size()) - 1;
    }
    static void disconnect(std::vector<Listener>& listeners, int position) {
        if (position >= 0 && static_cast<std::size_t>(position) < listeners.size()) listeners[position] = nullptr;
    }

    std::vector<T> components_;
    std::vector<Entity> entities_;
    std::array<std::uint64_t, MaxEntities> sparse_;
    std::vector<Listener> on_add_;
    std::vector<Listener> on_remove_;
};

template <class EntityT>
class registry {
public:
    using Entity = EntityT;
    static_assert(std::is_same_v<EntityT, unsigned long long>, "pools store 64-bit identifiers");
    static constexpr Entity Null = static_cast<Entity>(MaxEntities);

    // A walk over the entities whose signature passes every filter test, in the dense order of the
    // smallest candidate pool. The end is recorded when the walk begins: a walk must not add or
    // remove components of the walked types, nor create or destroy such entities.
    class View {
    public:
        using Test = bool (*)(const Signature&, const Signature&);
        struct Filter {
            Test test;
            Signature argument;
        };

        class iterator {
        public:
            using value_type = Entity;
            using difference_type = std::ptrdiff_t;

            iterator() = default;
            iterator(const View* view, const Entity* position, const Entity* end) noexcept
                : view_(view), position_(position), end_(end) {
                skip();
            }
            [[nodiscard]] Entity operator*() const noexcept { return *position_; }
            iterator& operator++() noexcept {
                ++position_;
                skip();
                return *this;
            }
            iterator operator++(int) noexcept {
                iterator old = *this;
                ++*this;
                return old;
            }
            [[nodiscard]] bool operator==(const iterator& other) const noexcept { return position_ == other.position_; }

        private:
            void skip() noexcept {
                while (position_ != end_ && !view_->passes(*position_)) ++position_;
            }
            const View* view_ = nullptr;
            const Entity* position_ = nullptr;
            const Entity* end_ = nullptr;
        };

        View(registry& reg, std::vector<Filter> filter, const std::vector<Entity>* candidates)
            : registry_(&reg), filter_(std::move(filter)), candidates_(candidates) {}

        [[nodiscard]] iterator begin() const noexcept {
            const Entity* first = candidates_->data();
            return iterator(this, first, first + candidates_->size());
        }
        [[nodiscard]] iterator end() const noexcept {
            const Entity* last = candidates_->data() + candidates_->size();
            return iterator(this, last, last);
        }

        [[nodiscard]] bool passes(Entity e) const noexcept {
            const Signature& signature = registry_->signatures_[e];
            // The engine's views carry the single has-all test: compare inline, no indirect call.
            if (filter_.size() == 1 && filter_.front().test == &registry::HasAll)
                return (signature & filter_.front().argument) == filter_.front().argument;
            for (const Filter& f : filter_)
                if (!f.test(signature, f.argument)) return false;
            return true;
        }

        [[nodiscard]] registry& get_registry() const noexcept { return *registry_; }
        [[nodiscard]] const std::vector<Entity>& candidates() const noexcept { return *candidates_; }
        [[nodiscard]] const std::vector<Filter>& filter() const noexcept { return filter_; }

    private:
        registry* registry_;
        std::vector<Filter> filter_;
        const std::vector<Entity>* candidates_;
    };

    static bool HasAll(const Signature& signature, const Signature& wanted) noexcept {
        return (signature & wanted) == wanted;
    }

    registry() : singletons(this) {}
    registry(const registry&) = delete;
    registry& operator=(const registry&) = delete;

    ~registry() = default;  // singletons (declared last) go first, then free list, then pools 16..0

    [[nodiscard]] Entity create() {
        Entity e;
        if (!free_.empty()) {
            e = free_.back();
            free_.pop_back();
        } else {
            e = next_++;
        }
        if (e >= MaxEntities) internal::ThrowInvalidPosition();
        alive_.set(e);
        return e;
    }

    void destroy(Entity e) {
        if (e >= MaxEntities) internal::ThrowInvalidPosition();
        assert(alive(e) && "destroying an entity that is not alive");
        const Signature signature = signatures_[e];
        for (std::size_t i = 0; i < MaxComponents; ++i)
            if (signature[i]) pools_[i]->remove(e);
        alive_.reset(e);
        free_.push_back(e);
        signatures_[e].reset();
    }

    [[nodiscard]] bool alive(Entity e) const noexcept { return e < next_ && e < MaxEntities && alive_[e]; }

    template <class T>
    T& add(Entity e) {
        auto& p = pool<T>();
        p.add(e);
        set_signature_bit(e, ComponentIndex<T>());
        return p.get(e);
    }

    template <class T>
    [[nodiscard]] T& get(Entity e) {
        return pool<T>().get(e);
    }

    template <class T>
    [[nodiscard]] bool has(Entity e) const {
        const std::size_t index = ComponentIndex<T>();
        return index < MaxComponents && e < MaxEntities && signatures_[e][index];
    }

    template <class T>
    T& get_or_add(Entity e) {
        return has<T>(e) ? get<T>(e) : add<T>(e);
    }

    template <class T>
    [[nodiscard]] entity::pool<T>& pool() {
        const std::size_t index = ComponentIndex<T>();
        if (index >= MaxComponents) internal::ThrowInvalidPosition();
        auto& slot = pools_[index];
        if (!slot) slot = std::make_unique<entity::pool<T>>();
        return static_cast<entity::pool<T>&>(*slot);
    }

    template <class... T>
    [[nodiscard]] View view() {
        static_assert(sizeof...(T) > 0, "a view needs at least one component type");
        Signature wanted;
        (set_bit(wanted, ComponentIndex<T>()), ...);
        const std::vector<Entity>* candidates = nullptr;
        // Smallest pool wins; on a tie the first listed (strict less-than keeps the earlier one).
        ((candidates = pick(candidates, &pool<T>().entities())), ...);
        return View(*this, {{&HasAll, wanted}}, candidates);
    }

    // Empties the entity store. Pools and their listeners survive; singletons are not touched.
    void clear() {
        free_.clear();
        next_ = 0;
        alive_.reset();
        for (auto& s : signatures_) s.reset();
        for (auto& p : pools_)
            if (p) p->clear();
    }

    [[nodiscard]] const Signature& signature(Entity e) const { return signatures_.at(e); }
    [[nodiscard]] Entity next() const noexcept { return next_; }
    [[nodiscard]] const std::vector<Entity>& free_list() const noexcept { return free_; }
    [[nodiscard]] generic_pool* pool_at(std::size_t index) const { return pools_.at(index).get(); }

private:
    static void set_bit(Signature& s, std::size_t index) {
        if (index >= MaxComponents) internal::ThrowInvalidPosition();
        s.set(index);
    }
    void set_signature_bit(Entity e, std::size_t index) {
        if (index >= MaxComponents || e >= MaxEntities) internal::ThrowInvalidPosition();
        signatures_[e].set(index);
    }
    static const std::vector<Entity>* pick(const std::vector<Entity>* best, const std::vector<Entity>* candidate) {
        return (best == nullptr || candidate->size() < best->size()) ? candidate : best;
    }

    std::array<std::unique_ptr<generic_pool>, MaxComponents> pools_{};
    std::array<Signature, MaxEntities> signatures_{};
    Entity next_ = 0;
    std::vector<Entity> free_;
    std::bitset<MaxEntities> alive_{};

public:
    // Declared last so that it is destroyed first.
    singleton_registry singletons;
};

}  // namespace velkor::entity

namespace velkor {
using Entity = unsigned long long;
using Registry = entity::registry<Entity>;
inline constexpr Entity NoEntity = static_cast<Entity>(entity::MaxEntities);
}  // namespace velkor
