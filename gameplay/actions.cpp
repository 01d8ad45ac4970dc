#include "gameplay/actions.hpp"

#include <cmath>

namespace velkor::util {

float EaseQuadratic(float t) noexcept { return t * t; }

float EaseSquareRoot(float t) noexcept { return t > 0.0f ? std::sqrt(t) : t; }

float EaseLogistic(float t) noexcept { return 1.0f - 1.0f / (std::pow(2.7182817f, 12.0f * t - 6.0f) + 1.0f); }

Target<glm::vec2> TranslationOf(Registry& registry, Entity e) {
    return Target<glm::vec2>::Field<component::Transform>(registry, e, [](component::Transform& t) {
        t.Dirty = true;
        return &t.Translation;
    });
}

std::function<void()> DestroyEntityLater(Registry& registry, Entity e) {
    const EntityHandle handle = EntityHandle::Of(registry, e);
    return [&registry, handle] {
        if (handle.alive(registry)) registry.destroy(handle.id);
    };
}

void TimedAction::Update(float dt) {
    if (Done) return;
    Progress += dt * Rate;
    if (Progress >= 1.0f) {
        Progress = 1.0f;
        Done = true;
        // Index loop: a callback may add further callbacks to this action.
        for (std::size_t i = 0; i < Callbacks.size(); ++i)
            if (Callbacks[i]) Callbacks[i]();
    }
    OnProgress();
}

void ActionGroup::Update(float dt) {
    if (Actions.empty()) {
        Done = true;
        return;
    }
    Done = false;
    std::size_t i = 0;
    while (i < Actions.size()) {
        Actions[i]->Update(dt);
        if (!Actions[i]->Done) {
            ++i;
            continue;
        }
        // Swap and pop; the moved action is updated at this same index in this pass.
        if (i + 1 != Actions.size()) std::swap(Actions[i], Actions.back());
        Actions.pop_back();
    }
}

TimedAction& ActionGroup::AddTimedAction(float duration) {
    Actions.push_back(std::make_unique<TimedAction>(duration));
    return static_cast<TimedAction&>(*Actions.back());
}

ActionQueue& ActionGroup::AddQueue() {
    Actions.push_back(std::make_unique<ActionQueue>());
    return static_cast<ActionQueue&>(*Actions.back());
}

InterpolateAction<float>& ActionGroup::AddInterpolation(Target<float> target, float from, float to, float duration,
                                                        Easing easing) {
    Actions.push_back(std::make_unique<InterpolateAction<float>>(std::move(target), from, to, duration, easing));
    return static_cast<InterpolateAction<float>&>(*Actions.back());
}

void ActionQueue::Update(float dt) {
    if (Actions.empty()) {
        Done = true;
        return;
    }
    Actions.front()->Update(dt);
    if (Actions.front()->Done) Actions.pop_front();
}

InterpolateAction<glm::vec2>& ActionQueue::AddInterpolation(Target<glm::vec2> target, const glm::vec2& from,
                                                            const glm::vec2& to, float duration) {
    Actions.push_back(std::make_unique<InterpolateAction<glm::vec2>>(std::move(target), from, to, duration,
                                                                     &EaseLogistic));
    return static_cast<InterpolateAction<glm::vec2>&>(*Actions.back());
}

void ActionQueue::Push(std::unique_ptr<ActionBase> action) {
    if (action) Actions.push_back(std::move(action));
}

ActionGroup& RootActions(Registry& registry) {
    auto& singletons = registry.singletons;
    auto& actions = singletons.get<singleton::ActionSingleton>();
    if (!singletons.has<singleton::ActionSingleton>()) {
        // A stale root left by an earlier run (removal only clears presence) starts empty.
        actions.Root.Actions.clear();
        actions.Root.Done = false;
        singletons.mark_present<singleton::ActionSingleton>();
    }
    return actions.Root;
}

}  // namespace velkor::util
