// The game's shared random numbers, drawn by particles and the camera jolt and seeded once when
// the CameraFollow system starts (from the clock, or from a recording). Our own generator, not the
// C library's: rand() gives another sequence (and another range) with every C library, and a run
// recorded on Linux must replay to the same state on Windows.
#pragma once

#include <cstdint>

namespace velkor::util {

inline constexpr int Random15Max = 0x7FFF;

namespace detail {
inline std::uint32_t randomState = 1;
}

inline void SeedRandom(std::uint32_t seed) noexcept { detail::randomState = seed; }

// A 32-bit linear congruence (the portable generator of the C standard's example), 15 bits from
// the upper half, where its period is long: the 0-32767 range particles and the jolt were tuned for.
[[nodiscard]] inline int Random15() noexcept {
    detail::randomState = detail::randomState * 1103515245u + 12345u;
    return static_cast<int>((detail::randomState >> 16) & Random15Max);
}

}  // namespace velkor::util
