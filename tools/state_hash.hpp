// The end-of-frame summary of the game state that a recording keeps and a replay compares.
//
// It covers what a divergence would show first: every entity's Transform (hashed), the player's
// state, velocity and position, the level timer, the collectible count, the current level and the
// camera. The hash folds all of it together; the plain values let a mismatch say what differs.
#pragma once

#include <string>

#include "engine/registry.hpp"
#include "tools/recording.hpp"

namespace velkor::replay {

[[nodiscard]] StateSummary SummariseState(Registry& registry);

// One line naming every field of `now` that differs from `recorded`, e.g.
// "player velocity (1.5, 0) recorded, (0, 0) now; transforms differ (12 entities recorded, 12 now)".
[[nodiscard]] std::string DescribeDifference(const StateSummary& recorded, const StateSummary& now);

}  // namespace velkor::replay
