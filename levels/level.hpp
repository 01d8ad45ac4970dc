// The level interface: every screen of the game, from the logos to the playable levels, is a level
// that the LevelManager switches to and runs. Levels own their state as members; they are built
// once when the manager starts and live until it shuts down, so a member that Initialize does not
// reset keeps its value across visits.
#pragma once

#include <cstdint>

#include "engine/registry.hpp"

namespace velkor::util {

class iLevel {
public:
    iLevel() = default;
    iLevel(const iLevel&) = delete;
    iLevel& operator=(const iLevel&) = delete;

    // Once when the level becomes current after another level.
    virtual void Load(Registry& registry) = 0;
    // Right after Load (and for the very first level, without a Load).
    virtual void Initialize(Registry& registry) = 0;
    // Every frame while the level is current.
    virtual void Update(float dt, Registry& registry) = 0;
    // Before the level is left.
    virtual void Shutdown(Registry& registry) = 0;
    // When the level is left, after its Shutdown.
    virtual void Unload(Registry& registry) = 0;
    virtual ~iLevel() = default;
};

}  // namespace velkor::util

namespace velkor::levels {

// Level identifiers: indices into GameState::levels, in the order the manager builds them.
struct LevelIndex {
    enum : std::int32_t {
        Logo = 0,
        TeamLogo = 1,
        GameLogo = 2,
        MainMenu = 3,
        OptionsMenu = 4,
        LoadingScreen = 5,
        Level0 = 6,
        Level1 = 7,
        Level2 = 8,
        WinScreen = 9,
        LoseScreen = 10,
        Credits = 11,
        Count = 12,
    };
};

// The shared "destroy all entities" step: every entity and component goes, singletons stay.
inline void DestroyAllEntities(Registry& registry) { registry.clear(); }

}  // namespace velkor::levels
