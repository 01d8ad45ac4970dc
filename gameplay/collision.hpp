// Finds the player's contacts and answers them.
#pragma once

#include <cstdint>

#include "engine/system.hpp"
#include "gameplay/physics.hpp"
#include "serialization/transform.hpp"

namespace velkor::component {

// Only the role for now; shapes and responses come with collision detection.
struct Collision {
    std::int32_t ColliderTag = 1;  // "Platform"
};

}  // namespace velkor::component

namespace velkor::system {

class Collision final : public System<std::tuple<component::Physics, component::Transform, component::Collision>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;
};

}  // namespace velkor::system
