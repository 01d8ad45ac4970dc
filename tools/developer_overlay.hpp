// The developer overlay: one Dear ImGui window over the game, hidden until F1.
//
// What it shows, live: frames per second and the last 300 frame times, the entity count and the
// size of every component pool, the current level with a switcher to any level index, the three
// debug-draw switches, the player's state, velocity, `Grounded` and position, the two developer
// cheats, and the sound channels in use.
//
// It only reads the registry and writes four kinds of switches a developer asks for (the level
// request, the debug-draw flags, the cheat flags); the systems that own them act on them in their
// own update. It must be called between ImGui's new-frame and render steps.
#pragma once

#include <array>
#include <cstddef>

#include "engine/registry.hpp"

namespace velkor::tools {

inline constexpr int OverlayToggleKey = 290;  // F1: no player binding uses it
inline constexpr std::size_t FrameHistory = 300;

struct OverlayState {
    bool visible = false;
    std::array<float, FrameHistory> frameMilliseconds{};  // ring buffer, oldest at `next`
    std::size_t next = 0;
    std::size_t recorded = 0;

    void RecordFrame(float seconds) noexcept;
    // Mean over the recorded frames; 0 before the first.
    [[nodiscard]] float AverageMilliseconds() const noexcept;
};

// Number of live entities.
[[nodiscard]] std::size_t CountEntities(const Registry& registry) noexcept;

void DrawDeveloperOverlay(Registry& registry, OverlayState& state);

}  // namespace velkor::tools
