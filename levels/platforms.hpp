// The level's own bookkeeping of its platforms: where each falling platform started (respawn puts
// it back there) and the reversal timers that make moving platforms go back and forth.
#pragma once

#include "engine/registry.hpp"

namespace velkor::levels {

// Appends every falling platform (with its translation now) and every moving platform (with its
// collider's Move_Period as the first timers) to the Level singleton's lists.
void TrackPlatforms(Registry& registry);

// Counts each moving platform's two timers down by dt; a timer at or below 0 starts again at its
// period and reverses that axis of the platform's velocity. Entries whose entity is gone are skipped.
void DriveMovingPlatforms(float dt, Registry& registry);

}  // namespace velkor::levels
