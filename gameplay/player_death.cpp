#include "gameplay/player_death.hpp"

#include <iostream>
#include <vector>

#include "gameplay/actions.hpp"
#include "gameplay/collision.hpp"
#include "gameplay/effects.hpp"
#include "gameplay/physics.hpp"
#include "graphics/camera.hpp"
#include "graphics/camera_follow.hpp"
#include "graphics/graphics.hpp"
#include "graphics/window.hpp"
#include "levels/level_state.hpp"

namespace velkor::util {

namespace {

// The state machine's state values.
constexpr int HazardDeathState = 4;
constexpr int FallDeathState = 5;
constexpr int FinishState = 7;
constexpr int CollectableTag = 7;

constexpr const char* RespawnEffect = "Data/Entities/RespawnVFX.json";

template <class State>
int Value(State state) {
    return static_cast<int>(state);
}

bool IsDeath(int state) { return state == HazardDeathState || state == FallDeathState; }

// The collectables taken since the checkpoint become takeable again; the counter drops by each.
void GiveBackCollectables(Registry& registry, singleton::Level& level) {
    for (const Entity item : level.takenCollectables) {
        // A level switch may have destroyed the item, or a new entity may carry its identifier.
        if (!registry.alive(item) || !registry.has<component::Collision>(item)) continue;
        if (Value(registry.get<component::Collision>(item).ColliderTag) != CollectableTag) continue;
        if (registry.has<component::Graphics>(item)) registry.get<component::Graphics>(item).Renderable = true;
        if (registry.has<component::Light>(item)) registry.get<component::Light>(item).Enabled = true;
        level.collected -= 1;
    }
    level.takenCollectables.clear();
}

void PutBackFallingPlatforms(Registry& registry, singleton::Level& level) {
    for (auto& platform : level.fallingPlatforms) {
        ++platform.generation;
        const Entity e = platform.entity;
        if (!registry.alive(e)) continue;
        if (registry.has<component::Transform>(e)) {
            auto& transform = registry.get<component::Transform>(e);
            transform.Translation = platform.position;
            transform.Dirty = true;
        }
        if (registry.has<component::Physics>(e)) {
            auto& body = registry.get<component::Physics>(e);
            body.Acceleration = {0.0f, 0.0f};
            body.Velocity = {0.0f, 0.0f};
        }
    }
}

}  // namespace

bool Dying(const component::PlayerBehavior& player) {
    return IsDeath(Value(player.State)) || IsDeath(Value(player.NextState));
}

bool RequestEnding(component::PlayerBehavior& player, Ending ending) {
    using StateType = decltype(player.NextState);
    if (Value(player.State) == FinishState || Value(player.NextState) == FinishState) return false;
    if (ending == Ending::Finish) {
        // A death under way runs its course; one only asked for in this frame gives way.
        if (IsDeath(Value(player.State))) return false;
        player.NextState = static_cast<StateType>(FinishState);
        return true;
    }
    if (player.Immune || Dying(player)) return false;
    player.NextState = static_cast<StateType>(ending == Ending::HazardDeath ? HazardDeathState : FallDeathState);
    return true;
}

void Respawn(Registry& registry) {
    auto& singletons = registry.singletons;
    const glm::vec2 checkpoint =
        singletons.has<singleton::CheckPoint>() ? singletons.get<singleton::CheckPoint>().RespawnPosition : glm::vec2{};
    // Copied: the effects below create entities.
    const std::vector<Entity> players = registry.pool<component::CameraFollow>().entities();
    for (const Entity player : players) {
        if (!registry.has<component::Transform>(player)) continue;
        registry.get<component::Transform>(player).SetTranslation(checkpoint);
        if (singletons.has<singleton::Level>()) PlayLevelSound(registry, "Respawn", 1.0f);
        const Entity effect = SpawnEffect(registry, RespawnEffect, checkpoint);
        RootActions(registry).AddTimedAction(1.0f).Callbacks.push_back(DestroyEntityLater(registry, effect));
        if (!singletons.has<singleton::Level>()) continue;
        auto& level = singletons.get<singleton::Level>();
        GiveBackCollectables(registry, level);
        PutBackFallingPlatforms(registry, level);
    }
}

std::uint32_t FallingPlatformGeneration(Registry& registry, Entity platform) {
    if (!registry.singletons.has<singleton::Level>()) return 0;
    for (const auto& entry : registry.singletons.get<singleton::Level>().fallingPlatforms)
        if (entry.entity == platform) return entry.generation;
    return 0;
}

}  // namespace velkor::util

namespace velkor::system {

void PlayerDeath::InitHook(Registry& registry) {
    util::CreateCamera(registry.singletons);
    window_ = util::GetOrCreateWindow(registry.singletons).window;
}

void PlayerDeath::UpdateHook(float, View& view) {
    Registry& registry = view.get_registry();
    for (const Entity e : view) {
        if (registry.get<component::Transform>(e).Translation.y >= util::KillHeight) continue;
        // Every frame below the line, immune or not: the line is how testers see the fall.
        std::cout << "PlayerDead\n";
        util::RequestEnding(registry.get<component::PlayerBehavior>(e), util::Ending::FallDeath);
    }
}

void PlayerDeath::ShutdownHook(Registry& registry) {
    util::DestroyWindow(registry.singletons);
    window_ = nullptr;
    if (registry.singletons.has<singleton::Camera>()) registry.singletons.remove<singleton::Camera>();
}

}  // namespace velkor::system
