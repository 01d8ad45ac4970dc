// The game's shared random numbers: the C library generator (seeded once when the CameraFollow
// system starts), cut to the 0-32767 range that particles and the camera jolt were tuned for.
// Libraries differ in RAND_MAX (32767 on Windows, 2^31 - 1 with glibc); the low 15 bits keep the
// same range, and the same feel, everywhere.
#pragma once

#include <cstdlib>

namespace velkor::util {

inline constexpr int Random15Max = 0x7FFF;

[[nodiscard]] inline int Random15() noexcept { return std::rand() & Random15Max; }

}  // namespace velkor::util
