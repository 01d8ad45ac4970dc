// Death and respawn: the fall below the kill height, the rules for asking a player to die, and
// the respawn at the last checkpoint that undoes what the player did since reaching it.
#pragma once

#include <cstdint>

#include <glm/vec2.hpp>

#include "engine/system.hpp"
#include "gameplay/play_state.hpp"
#include "gameplay/player_behavior.hpp"
#include "serialization/transform.hpp"

namespace velkor::singleton {

// Where the player reappears after dying.
struct CheckPoint {
    glm::vec2 RespawnPosition{0.0f, 0.0f};
};

}  // namespace velkor::singleton

namespace velkor::util {

// Below this height the player has fallen out of the level.
inline constexpr float KillHeight = 5.0f;

enum class Ending { HazardDeath, FallDeath, Finish };

// Asks the player's state machine to enter a death state or the finish. A player that is in a
// death state or the finish, or is already about to enter one, keeps that ending: requests never
// overwrite each other, so a player dying on a hazard below the kill height dies once. Only the
// finish overrides a death asked for in the same frame (not one already under way). An immune
// player never dies. Returns whether the request was taken.
bool RequestEnding(component::PlayerBehavior& player, Ending ending);

// Whether the player is dying or about to (then it must not finish).
[[nodiscard]] bool Dying(const component::PlayerBehavior& player);

// Puts every camera-followed entity (the player) back at the checkpoint with the "Respawn" sound
// and effect, and rewinds the level to the checkpoint (RewindToCheckpoint).
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
