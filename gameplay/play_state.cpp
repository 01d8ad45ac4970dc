#include "gameplay/play_state.hpp"

#include "gameplay/collision.hpp"
#include "gameplay/physics.hpp"
#include "graphics/components.hpp"
#include "serialization/transform.hpp"

namespace velkor::util {

namespace {

// The collectables taken since the checkpoint become takeable again; the counter drops by each.
void GiveBackCollectables(Registry& registry, singleton::Level& level) {
    for (const Entity item : level.takenCollectables) {
        // A level switch may have destroyed the item, or a new entity may carry its identifier.
        if (!registry.alive(item) || !registry.has<component::Collision>(item)) continue;
        if (registry.get<component::Collision>(item).ColliderTag != component::Collision::Collectable) continue;
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


singleton::Level& EnsureLevel(Registry& registry) {
    auto& singletons = registry.singletons;
    if (singletons.has<singleton::Level>()) return singletons.get<singleton::Level>();
    return singletons.set(singleton::Level{});
}

void ReportFinished(Registry& registry) { registry.singletons.set(singleton::PlayOutcome{true}); }

void RewindToCheckpoint(Registry& registry) {
    if (!registry.singletons.has<singleton::Level>()) return;
    auto& level = registry.singletons.get<singleton::Level>();
    GiveBackCollectables(registry, level);
    PutBackFallingPlatforms(registry, level);
}

std::uint32_t FallingPlatformGeneration(Registry& registry, Entity platform) {
    if (!registry.singletons.has<singleton::Level>()) return 0;
    for (const auto& entry : registry.singletons.get<singleton::Level>().fallingPlatforms)
        if (entry.entity == platform) return entry.generation;
    return 0;
}

bool TakeFinished(Registry& registry) {
    auto& singletons = registry.singletons;
    if (!singletons.has<singleton::PlayOutcome>()) return false;
    const bool finished = singletons.get<singleton::PlayOutcome>().finished;
    singletons.remove<singleton::PlayOutcome>();
    return finished;
}

}  // namespace velkor::util
