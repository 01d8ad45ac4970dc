// The level's goals: what happens when the player touches a checkpoint, the goal or a collectable.
// The player's collision response calls these with the other entity, for any contact normal and
// without a push-out; each one changes the level state in the Level singleton.
#pragma once

#include "engine/registry.hpp"

namespace velkor::util {

// Saves the respawn position, once per checkpoint and level load.
void CheckpointResponse(Entity checkpoint, Registry& registry);
// Stops the level timer and sends the player into its finish, once per level load.
void GoalResponse(Entity goal, Registry& registry);
// Takes the item: a flight to the counter on screen, the counter raised when it arrives.
void CollectableResponse(Entity collectable, Registry& registry);

// How much higher the pickup sound plays with `collected` of `required` items: 0.02 at the full
// count, nothing for a level that requires none.
[[nodiscard]] float CollectablePitch(int collected, int required);

}  // namespace velkor::util
