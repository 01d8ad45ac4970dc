// Detects the player falling below the kill height.
#pragma once

#include "engine/system.hpp"
#include "gameplay/player_behavior.hpp"
#include "serialization/transform.hpp"

#include <glm/vec2.hpp>

namespace velkor::singleton {

// Where the player reappears after dying.
struct CheckPoint {
    glm::vec2 RespawnPosition{0.0f, 0.0f};
};

}  // namespace velkor::singleton

namespace velkor::util {

inline constexpr const char* RespawnEffectPrefab = "Data/Entities/RespawnVFX.json";

// Puts the player (every entity with CameraFollow) back at the CheckPoint position with a short
// effect, and undoes what happened since that checkpoint: collectables taken are given back and
// falling platforms return to their level-start places, at rest. Called by the player's death states.
void Respawn(Registry& registry);

}  // namespace velkor::util

namespace velkor::system {

class PlayerDeath final : public System<std::tuple<component::PlayerBehavior, component::Transform>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;
};

}  // namespace velkor::system
