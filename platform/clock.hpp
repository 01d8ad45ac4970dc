// Monotonic high-resolution clock in whole nanoseconds, behind one small platform layer.
#pragma once

#include <cstdint>
#include <string_view>

namespace velkor::platform {

// Signed 64-bit nanoseconds from an arbitrary fixed origin; never goes backwards.
std::int64_t NowNanoseconds() noexcept;

// CPU time used so far by the whole process, every thread included (a software rasteriser's
// threads too), in nanoseconds; 0 where the platform cannot tell.
std::int64_t ProcessCpuNanoseconds() noexcept;

// The largest resident set (working set) the process has had so far, in bytes; 0 where unknown.
std::int64_t PeakResidentBytes() noexcept;

// The "VmHWM:" line of a Linux /proc/<pid>/status text, in bytes; 0 when absent or malformed.
// Linux reports the peak exactly there; getrusage's figure lags behind it (it was measured about
// half a megabyte short during a level), so the developer reports read this line where it exists.
std::int64_t HighWaterFromStatus(std::string_view status) noexcept;

// Converts a tick count of a counter with the given frequency without overflowing for large
// tick values: whole seconds first, then the remainder.
constexpr std::int64_t TicksToNanoseconds(std::int64_t ticks, std::int64_t frequency) noexcept {
    return ticks / frequency * 1'000'000'000 + (ticks % frequency) * 1'000'000'000 / frequency;
}

}  // namespace velkor::platform
