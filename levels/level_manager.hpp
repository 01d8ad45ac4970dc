// LevelManager: carries out level switches and runs the current level.
//
// Anyone requests a switch by writing a level index into GameState: nextLevel for a switch at the
// next manager update (several writes in one frame keep the last), or switchDelay, switchPending
// and pendingLevel for a delayed one. A switch runs, within one update: old Shutdown, old Unload,
// new Load, new Initialize, new Update with the same frame's dt.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/system.hpp"
#include "levels/level.hpp"

namespace velkor::singleton {

struct GameState {
    std::int32_t currentLevel = -1;  // index of the current level; -1 before the first
    std::int32_t previousLevel = -1;  // the level current before the last switch
    std::int32_t nextLevel = 0;  // requested level; differs from currentLevel while a switch is pending
    std::vector<std::unique_ptr<util::iLevel>> levels;  // all levels, built once at start
    float switchDelay = 0.0f;  // seconds left before a delayed switch
    bool switchPending = false;  // a delayed switch is armed
    std::int32_t pendingLevel = -1;  // what the delayed switch will request
    // Wall and process CPU time the last switch spent in the new level's Load and Initialize, and
    // the number of switches so far (so that a reader can tell a new switch from the last one).
    std::int64_t loadNanoseconds = 0;
    std::int64_t loadCpuNanoseconds = 0;
    std::uint32_t switches = 0;
};

}  // namespace velkor::singleton

namespace velkor::levels {

// The twelve levels in index order.
[[nodiscard]] std::vector<std::unique_ptr<util::iLevel>> MakeLevels();

// Switch at the next LevelManager update.
void RequestLevel(Registry& registry, std::int32_t index);

// Arms (or re-arms, overwriting delay and target) a switch after delay seconds.
void RequestLevelAfter(Registry& registry, std::int32_t index, float delay);

}  // namespace velkor::levels

namespace velkor::system {

class LevelManager final : public iSystem {
public:
    void Init(Registry& registry) override;
    void Update(float dt, Registry& registry) override;
    void Shutdown(Registry& registry) override;
};

}  // namespace velkor::system
