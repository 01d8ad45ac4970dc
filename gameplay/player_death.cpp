#include "gameplay/player_death.hpp"

#include "gameplay/actions.hpp"
#include "gameplay/collision.hpp"
#include "graphics/camera_follow.hpp"
#include "graphics/graphics.hpp"
#include "levels/level_state.hpp"
#include "serialization/prefab.hpp"

namespace velkor::util {

void Respawn(Registry& registry) {
    auto& singletons = registry.singletons;
    const glm::vec2 position =
        singletons.has<singleton::CheckPoint>() ? singletons.get<singleton::CheckPoint>().RespawnPosition : glm::vec2(0.0f);
    // A copy: the effect entities below are created while we walk.
    const auto& followers = registry.pool<component::CameraFollow>().entities();
    const std::vector<Entity> players(followers.begin(), followers.end());
    for (const Entity player : players) {
        if (!registry.has<component::Transform>(player)) continue;
        registry.get<component::Transform>(player).SetTranslation(position);
        levels::PlayLevelSound(registry, "Respawn", 1.0f);
        const Entity effect = CreateEntity(ReadJsonFile(RespawnEffectPrefab), registry);
        if (effect != NoEntity) {
            registry.get_or_add<component::Transform>(effect).SetTranslation(position);
            RootActions(registry).AddTimedAction(1.0f).Callbacks.push_back(DestroyEntityLater(registry, effect));
        }
        if (!singletons.has<singleton::Level>()) continue;
        auto& level = singletons.get<singleton::Level>();
        for (const Entity item : level.takenCollectables) {
            if (!registry.alive(item) || !registry.has<component::Collision>(item) ||
                registry.get<component::Collision>(item).ColliderTag != component::Collision::Collectable)
                continue;
            if (registry.has<component::Graphics>(item)) registry.get<component::Graphics>(item).Renderable = true;
            if (registry.has<component::Light>(item)) registry.get<component::Light>(item).Enabled = true;
            --level.collected;
        }
        level.takenCollectables.clear();
        for (const auto& platform : level.fallingPlatforms) {
            if (!registry.alive(platform.entity)) continue;
            if (registry.has<component::Transform>(platform.entity))
                registry.get<component::Transform>(platform.entity).SetTranslation(platform.position);
            if (registry.has<component::Physics>(platform.entity)) {
                auto& physics = registry.get<component::Physics>(platform.entity);
                physics.Acceleration = {0.0f, 0.0f};
                physics.Velocity = {0.0f, 0.0f};
            }
        }
    }
}

}  // namespace velkor::util

namespace velkor::system {

void PlayerDeath::InitHook(Registry&) {}

void PlayerDeath::UpdateHook(float, View&) {}

void PlayerDeath::ShutdownHook(Registry&) {}

}  // namespace velkor::system
