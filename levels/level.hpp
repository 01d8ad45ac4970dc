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

// The list of levels, written once: X(name) for every level, in the order the manager builds them.
// The position is the level's identifier everywhere in the game; the name is its class in
// velkor::levels and what tools show.
#define VELKOR_LEVELS(X) \
    X(Logo)              \
    X(TeamLogo)          \
    X(GameLogo)          \
    X(MainMenu)          \
    X(OptionsMenu)       \
    X(LoadingScreen)     \
    X(Level0)            \
    X(Level1)            \
    X(Level2)            \
    X(WinScreen)         \
    X(LoseScreen)        \
    X(Credits)

// Level identifiers: indices into GameState::levels.
struct LevelIndex {
#define VELKOR_LEVEL_INDEX(name) name,
    enum : std::int32_t { VELKOR_LEVELS(VELKOR_LEVEL_INDEX) Count };
#undef VELKOR_LEVEL_INDEX
};

// The level's name ("Level1"), or "?" outside the list.
[[nodiscard]] constexpr const char* LevelName(std::int32_t index) noexcept {
#define VELKOR_LEVEL_NAME(name) #name,
    constexpr const char* names[] = {VELKOR_LEVELS(VELKOR_LEVEL_NAME)};
#undef VELKOR_LEVEL_NAME
    return index >= 0 && index < LevelIndex::Count ? names[index] : "?";
}

// The shared "destroy all entities" step: every entity and component goes, singletons stay.
inline void DestroyAllEntities(Registry& registry) { registry.clear(); }

}  // namespace velkor::levels
