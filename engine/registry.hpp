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
//
// Walks: `for (Entity e : registry.view<A, B>())` yields the entities; `view.each([](Entity e, A& a,
// B& b) { ... })` hands over the components too, looking every pool up once per walk instead of
// once per entity. Neither allocates.
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
#include <tuple>
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

// The component types a walk callback asks for: its parameters after the entity, as a null
// pointer to std::tuple<T...> (a tag; the types are never built).
template <class Call>
struct WalkParameters;
template <class C, class R, class E, class... A>
struct WalkParameters<R (C::*)(E, A...) const> {
    static_assert(std::is_convertible_v<unsigned long long, E>, "a walk callback takes the entity first");
    using type = std::tuple<std::remove_cvref_t<A>...>*;
};
template <class C, class R, class E, class... A>
struct WalkParameters<R (C::*)(E, A...)> : WalkParameters<R (C::*)(E, A...) const> {};
template <class C, class R, class E, class... A>
struct WalkParameters<R (C::*)(E, A...) const noexcept> : WalkParameters<R (C::*)(E, A...) const> {};
template <class C, class R, class E, class... A>
struct WalkParameters<R (C::*)(E, A...) noexcept> : WalkParameters<R (C::*)(E, A...) const> {};
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

// Full-width entries: 16- and 32-bit ones would fit the 17,500 dense indices, but measured no faster
// in walks and a fifth slower in destroy (bench/README.md).
using SparseEntry = std::uint64_t;
inline constexpr SparseEntry NoDenseIndex = static_cast<SparseEntry>(MaxEntities);

template <class T>
class pool final : public generic_pool {
public:
    using Listener = std::function<void(Entity, T&)>;

    pool() { sparse_.fill(NoDenseIndex); }

    [[nodiscard]] bool contains(Entity e) const override { return e < MaxEntities && sparse_[e] != NoDenseIndex; }

    [[nodiscard]] VELKOR_ALWAYS_INLINE T& get(Entity e) noexcept {
        assert(contains(e) && "entity has no component of this type");
        return components_[sparse_[e]];
    }
    [[nodiscard]] VELKOR_ALWAYS_INLINE const T& get(Entity e) const noexcept {
        assert(contains(e) && "entity has no component of this type");
        return components_[sparse_[e]];
    }

    // Dense owner list, parallel to the components: entities()[i] owns the i-th component.
    [[nodiscard]] const std::vector<Entity>& entities() const noexcept { return entities_; }
    [[nodiscard]] std::vector<T>& components() noexcept { return components_; }
    [[nodiscard]] std::size_t size() const noexcept { return entities_.size(); }
    // Dense index of e's component, MaxEntities when e has none.
    [[nodiscard]] std::uint64_t sparse(Entity e) const { return sparse_.at(e); }
    [[nodiscard]] const SparseEntry* sparse_data() const noexcept { return sparse_.data(); }

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
        sparse_[moved] = static_cast<SparseEntry>(hole);
        sparse_[e] = NoDenseIndex;
        entities_[hole] = moved;
        entities_.pop_back();
    }

    // Listeners see every component in dense order, then everything goes at once.
    void clear() override {
        for (std::size_t i = 0; i < components_.size(); ++i) notify(on_remove_, entities_[i], components_[i]);
        components_.clear();
        entities_.clear();
        sparse_.fill(NoDenseIndex);
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
        sparse_[e] = static_cast<SparseEntry>(components_.size());
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
    std::array<SparseEntry, MaxEntities> sparse_;
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
    //
    // The engine's views carry one has-all test, held inline as the wanted signature: building a
    // view allocates nothing and the walk tests each candidate with one AND and compare. Callers
    // that need other tests pass a general list, kept beside it.
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
            VELKOR_ALWAYS_INLINE iterator(const View* view, const Entity* position, const Entity* end) noexcept
                : signatures_(view->registry_->signatures_.data()),
                  wanted_(view->wanted_),
                  tests_(view->tests_.empty() ? nullptr : view),
                  position_(position),
                  end_(end) {
                skip();
            }
            [[nodiscard]] VELKOR_ALWAYS_INLINE Entity operator*() const noexcept { return *position_; }
            VELKOR_ALWAYS_INLINE iterator& operator++() noexcept {
                ++position_;
                skip();
                return *this;
            }
            iterator operator++(int) noexcept {
                iterator old = *this;
                ++*this;
                return old;
            }
            [[nodiscard]] VELKOR_ALWAYS_INLINE bool operator==(const iterator& other) const noexcept {
                return position_ == other.position_;
            }

        private:
            VELKOR_ALWAYS_INLINE void skip() noexcept {
                while (position_ != end_ && !accepts(*position_)) ++position_;
            }
            [[nodiscard]] VELKOR_ALWAYS_INLINE bool accepts(Entity e) const noexcept {
                return (signatures_[e] & wanted_) == wanted_ && (tests_ == nullptr || tests_->passes_tests(e));
            }
            // Everything the test reads is copied in, so a walk keeps it in registers.
            const Signature* signatures_ = nullptr;
            Signature wanted_;
            const View* tests_ = nullptr;  // only when the view has tests beyond has-all
            const Entity* position_ = nullptr;
            const Entity* end_ = nullptr;
        };

        // The engine's view: the has-all test over `wanted`.
        View(registry& reg, Signature wanted, const std::vector<Entity>* candidates) noexcept
            : registry_(&reg), wanted_(wanted), candidates_(candidates) {}
        // A view with any list of tests. Has-all tests join the inline signature; the others are
        // called for every candidate that passes it.
        View(registry& reg, std::vector<Filter> filter, const std::vector<Entity>* candidates)
            : registry_(&reg), candidates_(candidates) {
            for (Filter& f : filter) {
                if (f.test == &registry::HasAll)
                    wanted_ |= f.argument;
                else
                    tests_.push_back(std::move(f));
            }
        }

        [[nodiscard]] VELKOR_ALWAYS_INLINE iterator begin() const noexcept {
            const Entity* first = candidates_->data();
            return iterator(this, first, first + candidates_->size());
        }
        [[nodiscard]] VELKOR_ALWAYS_INLINE iterator end() const noexcept {
            const Entity* last = candidates_->data() + candidates_->size();
            return iterator(this, last, last);
        }

        [[nodiscard]] bool passes(Entity e) const noexcept {
            return (registry_->signatures_[e] & wanted_) == wanted_ && passes_tests(e);
        }

        // Calls f(e, components...) for every entity that passes, in walk order. The component
        // types are f's parameters after the entity (each must be one of the view's types):
        //   view.each([](Entity e, Transform& t, const Physics& p) { ... });
        // Each pool is looked up once per walk; components of the walked pool are reached by
        // position, the others through their sparse arrays.
        template <class F>
        void each(F&& f) const {
            using Parameters = typename internal::WalkParameters<decltype(&std::remove_cvref_t<F>::operator())>::type;
            each_over(f, Parameters{}, std::make_index_sequence<std::tuple_size_v<std::remove_pointer_t<Parameters>>>{});
        }

        [[nodiscard]] registry& get_registry() const noexcept { return *registry_; }
        [[nodiscard]] const std::vector<Entity>& candidates() const noexcept { return *candidates_; }
        [[nodiscard]] const Signature& wanted() const noexcept { return wanted_; }
        // The whole filter as a list: the has-all test first, then the others. Allocates; the walk
        // itself never reads this.
        [[nodiscard]] std::vector<Filter> filter() const {
            std::vector<Filter> all{{&registry::HasAll, wanted_}};
            all.insert(all.end(), tests_.begin(), tests_.end());
            return all;
        }

    private:
        [[nodiscard]] bool passes_tests(Entity e) const noexcept {
            const Signature& signature = registry_->signatures_[e];
            for (const Filter& f : tests_)
                if (!f.test(signature, f.argument)) return false;
            return true;
        }

        // One type a walk hands over: its dense components, its sparse array, and whether its
        // dense list is the one walked (then the position in the walk is the dense index).
        template <class T>
        struct Column {
            T* data;
            const SparseEntry* sparse;
            bool walked;
        };
        template <class T>
        [[nodiscard]] Column<T> column() const {
            assert(wanted_[ComponentIndex<T>()] && "each() asks for a type the view does not have");
            auto& p = registry_->template pool<T>();
            return {p.components().data(), p.sparse_data(), &p.entities() == candidates_};
        }
        template <bool Walked, class T>
        [[nodiscard]] static VELKOR_ALWAYS_INLINE T& at(const Column<T>& column, std::size_t position, Entity e) noexcept {
            if constexpr (Walked)
                return column.data[position];
            else
                return column.data[column.sparse[e]];
        }

        template <class F, class... T, std::size_t... I>
        void each_over(F& f, std::tuple<T...>*, std::index_sequence<I...> order) const {
            const std::tuple<Column<T>...> columns{column<T>()...};
            // One loop per possible walked column (or none), chosen once: the loop body then has
            // no branch but the signature test.
            constexpr std::size_t None = sizeof...(T);
            std::size_t walked = None;
            ((walked = (walked == None && std::get<I>(columns).walked) ? I : walked), ...);
            const bool chosen = ((walked == I && (walk<I>(f, columns, order), true)) || ...);
            if (!chosen) walk<None>(f, columns, order);
        }

        template <std::size_t Walked, class F, class... T, std::size_t... I>
        void walk(F& f, const std::tuple<Column<T>...>& columns, std::index_sequence<I...>) const {
            const Signature* signatures = registry_->signatures_.data();
            const Signature wanted = wanted_;
            const Entity* entities = candidates_->data();
            const std::size_t count = candidates_->size();
            const bool tested = !tests_.empty();
            if constexpr (Walked != sizeof...(T)) {
                // Every entity of the walked pool has its type: when that type is all the view asks
                // for, the signature test could only pass, and the walk is the dense array alone.
                if (!tested && wanted.count() == 1) {
                    for (std::size_t i = 0; i < count; ++i) {
                        f(entities[i], at<I == Walked>(std::get<I>(columns), i, entities[i])...);
                        assert(candidates_->size() == count && "a walk changed the walked pools");
                    }
                    return;
                }
            }
            for (std::size_t i = 0; i < count; ++i) {
                const Entity e = entities[i];
                if ((signatures[e] & wanted) != wanted) [[unlikely]]
                    continue;
                if (tested && !passes_tests(e)) [[unlikely]]
                    continue;
                f(e, at<I == Walked>(std::get<I>(columns), i, e)...);
                assert(candidates_->size() == count && "a walk changed the walked pools");
                assert(((std::get<I>(columns).data == registry_->template pool<T>().components().data()) && ...) &&
                       "a walk moved the components it walks");
            }
        }

        registry* registry_;
        Signature wanted_;
        const std::vector<Entity>* candidates_;
        std::vector<Filter> tests_;  // beyond has-all; empty for the engine's views
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
        ++generations_[e];
    }

    [[nodiscard]] bool alive(Entity e) const noexcept { return e < next_ && e < MaxEntities && alive_[e]; }

    // How many times identifier e has been released (destroyed, or dropped by clear()). Identifiers
    // are reused, so a holder that must not act on a newer entity under the same identifier keeps
    // (e, generation(e)) and checks both before acting.
    [[nodiscard]] std::uint32_t generation(Entity e) const noexcept { return e < MaxEntities ? generations_[e] : 0; }

    template <class T>
    T& add(Entity e) {
        auto& p = pool<T>();
        p.add(e);
        set_signature_bit(e, ComponentIndex<T>());
        return p.get(e);
    }

    // An index and a load: the pool exists, since e has a T.
    template <class T>
    [[nodiscard]] VELKOR_ALWAYS_INLINE T& get(Entity e) noexcept {
        assert(has<T>(e) && "entity has no component of this type");
        return static_cast<entity::pool<T>*>(pools_[ComponentIndex<T>()].get())->get(e);
    }

    template <class T>
    [[nodiscard]] VELKOR_ALWAYS_INLINE bool has(Entity e) const noexcept {
        const std::size_t index = ComponentIndex<T>();
        return index < MaxComponents && e < MaxEntities && signatures_[e][index];
    }

    template <class T>
    T& get_or_add(Entity e) {
        return has<T>(e) ? get<T>(e) : add<T>(e);
    }

    template <class T>
    [[nodiscard]] VELKOR_ALWAYS_INLINE entity::pool<T>& pool() {
        const std::size_t index = ComponentIndex<T>();
        if (index < MaxComponents) [[likely]]
            if (generic_pool* existing = pools_[index].get()) [[likely]]
                return static_cast<entity::pool<T>&>(*existing);
        return make_pool<T>(index);
    }

    template <class... T>
    [[nodiscard]] View view() {
        static_assert(sizeof...(T) > 0, "a view needs at least one component type");
        Signature wanted;
        (set_bit(wanted, ComponentIndex<T>()), ...);
        const std::vector<Entity>* candidates = nullptr;
        // Smallest pool wins; on a tie the first listed (strict less-than keeps the earlier one).
        ((candidates = pick(candidates, &pool<T>().entities())), ...);
        return View(*this, wanted, candidates);
    }

    // Empties the entity store. Pools and their listeners survive; singletons are not touched.
    void clear() {
        for (Entity e = 0; e < next_ && e < MaxEntities; ++e)
            if (alive_[e]) ++generations_[e];
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
    // First use of a type: the pool's constructor fills its sparse array, kept off the hot path.
    template <class T>
    VELKOR_NOINLINE entity::pool<T>& make_pool(std::size_t index) {
        if (index >= MaxComponents) internal::ThrowInvalidPosition();
        auto& slot = pools_[index];
        if (!slot) slot = std::make_unique<entity::pool<T>>();
        return static_cast<entity::pool<T>&>(*slot);
    }

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
    std::array<std::uint32_t, MaxEntities> generations_{};

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
