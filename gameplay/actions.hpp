// Actions: small objects that do something over time. Wait and then run callbacks, move a float
// or a 2-vector along an eased curve, or run other actions in parallel (group) or in sequence
// (queue). Gameplay code hands them to the root group of the ActionSingleton, which the
// ActionSystem advances once per frame, also while the game is paused.
//
// Targets never point into component pools. Pools are vectors: creating an entity may reallocate
// them and destroying one moves the last component into the hole, so a stored T& would soon name
// freed memory or another entity's component. A target instead names the entity (with the
// identifier's generation) and how to reach the field, and is looked up again at each write; once
// the entity is destroyed, or its identifier reused, the action writes nothing. Likewise an
// entity handed to DestroyEntityLater is destroyed only if it is still that same entity.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <glm/vec2.hpp>

#include "engine/registry.hpp"
#include "serialization/transform.hpp"

namespace velkor::util {

// Easings of the progress t in [0, 1].
[[nodiscard]] float EaseQuadratic(float t) noexcept;  // t * t
[[nodiscard]] float EaseSquareRoot(float t) noexcept;  // sqrt(t) for t > 0, else t
[[nodiscard]] float EaseLogistic(float t) noexcept;  // 1 - 1 / (e^(12t - 6) + 1); 0.0024726 .. 0.9975274

using Easing = float (*)(float);

// An entity identifier as it was when the handle was made: alive() turns false for good once that
// entity is destroyed, even if a new entity gets the same identifier.
struct EntityHandle {
    Entity id = NoEntity;
    std::uint32_t generation = 0;

    [[nodiscard]] static EntityHandle Of(const Registry& registry, Entity e) noexcept {
        return {e, registry.generation(e)};
    }
    [[nodiscard]] bool alive(const Registry& registry) const noexcept {
        return registry.alive(id) && registry.generation(id) == generation;
    }
};

// Where an interpolation writes: resolved at every write, nullptr when the place is gone.
template <class T>
class Target {
public:
    Target() = default;

    // A value the caller owns and keeps alive at a fixed address for the action's whole life
    // (a member of a long-lived object, a local in a test). Never a component field.
    [[nodiscard]] static Target Value(T& value) {
        return Target([p = &value]() -> T* { return p; });
    }

    // Field of entity e's component C, chosen by select, which may also do what every write to
    // that field needs (such as marking a transform changed).
    template <class C>
    [[nodiscard]] static Target Field(Registry& registry, Entity e, T* (*select)(C&)) {
        const EntityHandle handle = EntityHandle::Of(registry, e);
        return Target([&registry, handle, select]() -> T* {
            if (!handle.alive(registry) || !registry.has<C>(handle.id)) return nullptr;
            return select(registry.get<C>(handle.id));
        });
    }

    // Field of entity e's component C named by a data-member pointer.
    template <class C>
    [[nodiscard]] static Target Member(Registry& registry, Entity e, T C::*member) {
        const EntityHandle handle = EntityHandle::Of(registry, e);
        return Target([&registry, handle, member]() -> T* {
            if (!handle.alive(registry) || !registry.has<C>(handle.id)) return nullptr;
            return &(registry.get<C>(handle.id).*member);
        });
    }

    // The place to write now, or nullptr when it no longer exists.
    [[nodiscard]] T* Resolve() const { return resolve_ ? resolve_() : nullptr; }

private:
    explicit Target(std::function<T*()> resolve) : resolve_(std::move(resolve)) {}
    std::function<T*()> resolve_;
};

// Entity e's translation; every write marks its transform changed.
[[nodiscard]] Target<glm::vec2> TranslationOf(Registry& registry, Entity e);

// A callback that destroys entity e if it is still that entity (not destroyed since, nor replaced
// by a new entity under the same identifier).
[[nodiscard]] std::function<void()> DestroyEntityLater(Registry& registry, Entity e);

class ActionBase {
public:
    ActionBase() = default;
    ActionBase(const ActionBase&) = delete;
    ActionBase& operator=(const ActionBase&) = delete;
    virtual ~ActionBase() = default;

    virtual void Update(float dt) = 0;

    bool Done = false;
};

// Waits 1 / Rate seconds, then runs its callbacks once, in order.
class TimedAction : public ActionBase {
public:
    explicit TimedAction(float duration) : Rate(1.0f / duration) {}

    // Progress += dt * Rate; on reaching 1: Progress = 1, Done, callbacks. OnProgress follows,
    // also in the completing step. A Rate of +infinity completes at the first update.
    void Update(float dt) override;
    virtual void OnProgress() {}

    float Progress = 0.0f;
    std::vector<std::function<void()>> Callbacks;
    float Rate;
};

// Moves a target by the eased change of each step. Increments, not assignments: other writers
// of the target keep their effect, and a second interpolation on the same target starts wherever
// the first left it.
template <class T>
class InterpolateAction : public TimedAction {
public:
    // Writes from into the target at once.
    InterpolateAction(util::Target<T> target, const T& from, const T& to, float duration, util::Easing easing)
        : TimedAction(duration), Easing(easing), LastEased(easing(0.0f)), Delta(to - from), Target(std::move(target)) {
        if (T* place = Target.Resolve()) *place = from;
    }

    void OnProgress() override {
        const float x = Easing(Progress);
        if (T* place = Target.Resolve()) *place += (x - LastEased) * Delta;
        LastEased = x;
    }

    util::Easing Easing;
    float LastEased;
    T Delta;
    util::Target<T> Target;
};

class ActionQueue;

// Runs its actions in parallel. Finished actions are destroyed and the last one takes their place
// (and is still updated in the same pass).
class ActionGroup : public ActionBase {
public:
    void Update(float dt) override;

    TimedAction& AddTimedAction(float duration);
    ActionQueue& AddQueue();
    InterpolateAction<float>& AddInterpolation(Target<float> target, float from, float to, float duration,
                                               Easing easing);

    std::vector<std::unique_ptr<ActionBase>> Actions;
};

// Runs its actions one after another: only the front one is updated; the next starts at the next
// update after the front one finished.
class ActionQueue : public ActionBase {
public:
    void Update(float dt) override;

    // Logistic easing; writes from into the target at once.
    InterpolateAction<glm::vec2>& AddInterpolation(Target<glm::vec2> target, const glm::vec2& from,
                                                   const glm::vec2& to, float duration);
    void Push(std::unique_ptr<ActionBase> action);

    std::deque<std::unique_ptr<ActionBase>> Actions;
};

}  // namespace velkor::util

namespace velkor::singleton {

struct ActionSingleton {
    util::ActionGroup Root;
};

}  // namespace velkor::singleton

namespace velkor::util {

// The root group, creating the ActionSingleton (with an empty root) if it is absent.
ActionGroup& RootActions(Registry& registry);

}  // namespace velkor::util
