// The state of the playable level, shared by the levels, collision responses, the player, respawn
// and the HUD; and the reader of a Tiled map's properties into it.
#pragma once

#include <cstdint>
#include <vector>

#include <glm/vec2.hpp>
#include <rapidjson/document.h>

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

}  // namespace velkor::singleton

namespace velkor::levels {

// The Level singleton, created with its defaults (and marked present) if it is absent.
singleton::Level& EnsureLevel(Registry& registry);

// Reads a map's "properties" value ("MaxTime", "CollectiblesRequred", "Audio", "FallDelayTime")
// into the Level singleton, once per level start: only while propertiesPending is set, which this
// clears. Without a Level singleton a default one is made, with propertiesPending set.
void ReadMapProperties(const rapidjson::Value& properties, Registry& registry);

}  // namespace velkor::levels

namespace velkor::levels {

// Loads a Tiled map from "Data/Tiled/" into the current level: its entities, and its properties
// into the Level singleton (a map without properties leaves them pending, making a default Level
// if there is none).
void LoadTiledMap(const rapidjson::Value& map, Registry& registry);

}  // namespace velkor::levels
