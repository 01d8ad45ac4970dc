#include "platform/clock.hpp"

#if defined(_WIN32)
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#include <time.h>

#include <cstdio>
#endif

namespace velkor::platform {

std::int64_t NowNanoseconds() noexcept {
#if defined(_WIN32)
    LARGE_INTEGER frequency;
    LARGE_INTEGER ticks;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&ticks);
    return TicksToNanoseconds(ticks.QuadPart, frequency.QuadPart);
#else
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
#endif
}

std::int64_t ProcessCpuNanoseconds() noexcept {
#if defined(_WIN32)
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    auto hundreds = [](const FILETIME& t) {
        return static_cast<std::int64_t>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    };
    return (hundreds(kernel) + hundreds(user)) * 100;
#else
    timespec used{};
    if (clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used) != 0) return 0;
    return static_cast<std::int64_t>(used.tv_sec) * 1'000'000'000 + used.tv_nsec;
#endif
}

std::int64_t PeakResidentBytes() noexcept {
#if defined(_WIN32)
    PROCESS_MEMORY_COUNTERS counters{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return static_cast<std::int64_t>(counters.PeakWorkingSetSize);
#else
    // The whole file is about 1.5 kB; a line past the buffer is read as absent.
    if (std::FILE* file = std::fopen("/proc/self/status", "r")) {
        char text[8192];
        const std::size_t size = std::fread(text, 1, sizeof text, file);
        std::fclose(file);
        if (const std::int64_t exact = HighWaterFromStatus({text, size})) return exact;
    }
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0) return 0;
    return static_cast<std::int64_t>(usage.ru_maxrss) * 1024;  // kilobytes on Linux
#endif
}

std::int64_t HighWaterFromStatus(std::string_view status) noexcept {
    constexpr std::string_view Key = "VmHWM:";
    std::size_t at = status.find(Key);
    // Only at a line's start: another key could end in the same letters.
    while (at != std::string_view::npos && at != 0 && status[at - 1] != '\n') at = status.find(Key, at + 1);
    if (at == std::string_view::npos) return 0;
    std::size_t i = at + Key.size();
    while (i < status.size() && (status[i] == ' ' || status[i] == '\t')) ++i;
    std::int64_t kilobytes = 0;
    const std::size_t digits = i;
    for (; i < status.size() && status[i] >= '0' && status[i] <= '9'; ++i) {
        if (kilobytes > (INT64_MAX / 1024 - 9) / 10) return 0;
        kilobytes = kilobytes * 10 + (status[i] - '0');
    }
    if (i == digits || status.substr(i, 3) != " kB") return 0;
    return kilobytes * 1024;
}

}  // namespace velkor::platform
