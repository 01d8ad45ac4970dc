// The state of the level being played, shared by the collision responses, the player, the respawn
// and the HUD: the clock, the collectables, the platform lists and the level's sounds. The levels
// fill it from their maps; the player reports how the play ended and the level decides which screen
// that leads to.
#pragma once

#include <cstdint>
#include <vector>

#include <glm/vec2.hpp>

#include "audio/audio.hpp"
#include "engine/registry.hpp"

namespace velkor::singleton {

struct Level {
    struct FallingPlatform {
        glm::vec2 position{0.0f, 0.0f};  // translation when the level was initialised
        Entity entity = NoEntity;
        // Raised by every respawn that puts the platform back: fall and reset actions queued
        // before it carry the old value and do nothing.
        std::uint32_t generation = 0;
    };
    struct MovingPlatform {
        glm::vec2 state{0.0f, 0.0f};  // the collider's moving-platform state when the level was initialised
        Entity entity = NoEntity;
    };

    float timeLeft = 1.0f;  // seconds; counts down while timerRunning
    float lastTimeLeft = -1.0f;  // timeLeft before the current frame's countdown
    float MaxTime = 1.0f;  // seconds allowed
    float FallDelayTime = 0.5f;  // seconds before a falling platform falls
    std::int32_t collected = 0;
    std::int32_t CollectiblesRequred = 2;
    bool digitsFrozen = false;  // the HUD leaves its digits alone
    bool timerRunning = true;
    bool secondLevel = false;  // the loading screen leads to Level2 instead of Level1
    Entity levelHud = 0;
    Entity collectiblesCounter = 0;
    bool propertiesPending = false;  // the next map's properties are still to be read
    component::Audio sounds;  // the level's named sounds ("BGM", "Win", "Collectable", ...)
    std::vector<Entity> takenCollectables;  // since the last checkpoint
    std::vector<FallingPlatform> fallingPlatforms;
    std::vector<MovingPlatform> movingPlatforms;
};

// What the player has reported since the level last looked. Apart from the Level record because a
// player plays on without one (a bare test world, a tool's scene).
struct PlayOutcome {
    bool finished = false;  // the finish has played out: the level may show what comes next
};

}  // namespace velkor::singleton

namespace velkor::util {

// The Level singleton, created with its defaults (and marked present) if it is absent.
singleton::Level& EnsureLevel(Registry& registry);

// The level's side of a respawn: the collectables taken since the checkpoint become takeable
// again (the counter drops by each) and the falling platforms go back where the level started them,
// at rest. Nothing without a Level record.
void RewindToCheckpoint(Registry& registry);

// How many times the respawn has put this falling platform back (0 for an entity the level does
// not list). Actions queued for a platform keep the value and act only while it is unchanged.
[[nodiscard]] std::uint32_t FallingPlatformGeneration(Registry& registry, Entity platform);

// The player's report that its finish has played out; repeated every frame until the level acts.
void ReportFinished(Registry& registry);

// Whether the player has reported its finish since the last call; clears the report.
[[nodiscard]] bool TakeFinished(Registry& registry);

}  // namespace velkor::util
