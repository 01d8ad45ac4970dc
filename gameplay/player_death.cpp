#include "gameplay/player_death.hpp"

#include <iostream>
#include <string>
#include <vector>

#include "engine/trace.hpp"
#include "gameplay/actions.hpp"
#include "gameplay/camera_follow.hpp"
#include "gameplay/collision.hpp"
#include "gameplay/effects.hpp"
#include "gameplay/physics.hpp"
#include "gameplay/play_state.hpp"
#include "graphics/camera.hpp"
#include "graphics/components.hpp"
#include "platform/window.hpp"

namespace velkor::util {

namespace {

using component::PlayerState;

constexpr const char* RespawnEffect = "Data/Entities/RespawnVFX.json";

bool IsDeath(PlayerState state) { return state == PlayerState::HazardDeath || state == PlayerState::FallDeath; }

}  // namespace

bool Dying(const component::PlayerBehavior& player) { return IsDeath(player.State) || IsDeath(player.NextState); }

bool RequestEnding(component::PlayerBehavior& player, Ending ending) {
    if (player.State == PlayerState::Finish || player.NextState == PlayerState::Finish) return false;
    if (ending == Ending::Finish) {
        // A death under way runs its course; one only asked for in this frame gives way.
        if (IsDeath(player.State)) return false;
        player.NextState = PlayerState::Finish;
        return true;
    }
    if (player.Immune || Dying(player)) return false;
    player.NextState = ending == Ending::HazardDeath ? PlayerState::HazardDeath : PlayerState::FallDeath;
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
        Trace("Respawn at " + std::to_string(checkpoint.x) + " " + std::to_string(checkpoint.y) + "\n");
        if (singletons.has<singleton::Level>()) PlayLevelSound(registry, "Respawn", 1.0f);
        const Entity effect = SpawnEffect(registry, RespawnEffect, checkpoint);
        RootActions(registry).AddTimedAction(1.0f).Callbacks.push_back(DestroyEntityLater(registry, effect));
        RewindToCheckpoint(registry);
    }
}

}  // namespace velkor::util

namespace velkor::system {

void PlayerDeath::InitHook(Registry& registry) {
    util::CreateCamera(registry.singletons);
    (void)util::GetOrCreateWindow(registry.singletons);
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
    if (registry.singletons.has<singleton::Camera>()) registry.singletons.remove<singleton::Camera>();
}

}  // namespace velkor::system
