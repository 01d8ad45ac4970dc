// The soak report ("--soak-report FILE"): what the game holds each time it comes back to the main
// menu, so that a long run of rounds (play, pause, switch levels, back to the menu) shows whether
// anything piles up.
//
// It sits between the loop and the record/replay session (or none) as a frame driver and passes
// every frame through. At the end of every frame that arrives at the main menu it takes the
// figures below; between two arrivals it times the frames (the systems' work, the driver inside
// included). When the run ends the table goes to the file, one row per arrival, with a last line
// saying whether the figures came back to the first round's.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/engine.hpp"

namespace velkor::soak {

struct Figures {
    std::uint64_t frame = 0;  // the frame that arrived at the main menu
    std::int32_t from = -1;  // the level it came from
    std::uint32_t entities = 0;  // live entities
    std::array<std::uint32_t, entity::MaxComponents> pools{};  // components of each type
    std::uint32_t textures = 0;  // entries of the texture cache
    std::uint32_t glNames = 0;  // GL textures, buffers, vertex arrays, programs and framebuffers alive
    std::uint32_t sounds = 0;  // entries of the sound table
    std::uint32_t loadedSounds = 0;
    std::int64_t requests = 0;  // the table's request counts, summed over requested entries
    std::uint32_t channels = 0;  // channels playing something
    // Channels playing a looping sound. Only these are compared: a one-shot sound ends by the mixer's
    // clock, which runs in wall time, so whether a click still sounds at the arrival depends on how
    // fast the frames ran, while a loop left behind plays on for ever.
    std::uint32_t loops = 0;
    std::uint32_t actions = 0;  // actions queued under the root group, at every depth
    std::int64_t residentBytes = 0;
    std::uint32_t frames = 0;  // frames since the previous arrival (the round)
    double meanMs = 0.0;  // their mean wall time
    double worstMs = 0.0;  // and the longest
};

// The figures of the game as it stands; frame and timing fields are left zero.
[[nodiscard]] Figures Take(Registry& registry);

// How far apart rows may be and still count as the same: the resident set in bytes (the allocator
// and the driver keep some slack); every other count must be equal. The sanitizers' allocator keeps
// its own pools and shadow pages, which swing by several megabytes between two equal states.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr std::int64_t ResidentSlackBytes = 24ll << 20;
#else
inline constexpr std::int64_t ResidentSlackBytes = 8ll << 20;
#endif

// The first difference of `later` from `reference` beyond the slack, as "entities 812 (was 790)";
// empty when they agree.
[[nodiscard]] std::string Difference(const Figures& reference, const Figures& later);

class Report final : public iFrameDriver {
public:
    explicit Report(iFrameDriver* inner) : inner_(inner) {}

    float BeginFrame(float measuredDt, Registry& registry) override;
    void EndFrame(Registry& registry) override;

    [[nodiscard]] const std::vector<Figures>& Rows() const noexcept { return rows_; }

    // Every level switch: "switch FRAME FROM TO", for tools that place input relative to a level's
    // start.
    [[nodiscard]] const std::vector<std::string>& Switches() const noexcept { return switches_; }

    // The table (one row per arrival), then "flat: yes" or "flat: no, row R: what differs", then
    // the switches. Arrivals are compared by where they came from: the first round warms the
    // caches (a texture stays cached once drawn), so an arrival's second occurrence is the
    // reference that every later one from the same level must match.
    [[nodiscard]] std::string Text() const;

private:
    iFrameDriver* inner_;
    std::vector<Figures> rows_;
    std::vector<std::string> switches_;
    std::vector<double> roundMs_;
    std::int64_t frameStart_ = 0;
    std::uint64_t frame_ = 0;
    std::int32_t lastLevel_ = -1;
};

}  // namespace velkor::soak
