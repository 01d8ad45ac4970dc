#include "levels/platforms.hpp"

#include "gameplay/collision.hpp"
#include "levels/level_state.hpp"

namespace velkor::levels {

void TrackPlatforms(Registry& registry) {
    auto& level = EnsureLevel(registry);
    for (const Entity e : registry.view<component::Physics, component::Transform, component::Collision>()) {
        const auto& collider = registry.get<component::Collision>(e);
        if (collider.ColliderTag == component::Collision::FallingPlatform)
            level.fallingPlatforms.push_back({registry.get<component::Transform>(e).Translation, e});
        if (collider.ColliderTag == component::Collision::MovingPlatform)
            level.movingPlatforms.push_back({collider.Move_Period, e});
    }
}

void DriveMovingPlatforms(float dt, Registry& registry) {
    if (!registry.singletons.has<singleton::Level>()) return;
    for (auto& platform : registry.singletons.get<singleton::Level>().movingPlatforms) {
        const Entity e = platform.entity;
        if (!registry.alive(e) || !registry.has<component::Collision>(e) || !registry.has<component::Physics>(e)) continue;
        const glm::vec2 period = registry.get<component::Collision>(e).Move_Period;
        auto& velocity = registry.get<component::Physics>(e).Velocity;
        platform.state -= dt;
        for (int axis = 0; axis < 2; ++axis) {
            if (platform.state[axis] > 0.0f) continue;
            platform.state[axis] = period[axis];
            velocity[axis] = -velocity[axis];
        }
    }
}

}  // namespace velkor::levels
