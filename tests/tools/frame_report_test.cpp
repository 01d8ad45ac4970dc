// The frame-time report: its statistics over tables of frame times, and how a run's frames are
// split into level visits around the level manager's switches.
#include "tools/frame_report.hpp"

#include <algorithm>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "platform/clock.hpp"
#include "levels/level_manager.hpp"

namespace velkor::frames {
namespace {

TEST(FrameReport, SummaryStatistics) {
    // 120 frames of 10 ms with one stretch of 60 slower frames, and with one long frame.
    std::vector<double> slowStretch(120, 10.0);
    for (std::size_t i = 30; i < 90; ++i) slowStretch[i] = 20.0;
    std::vector<double> oneSpike(120, 10.0);
    oneSpike[100] = 70.0;
    struct Case {
        const char* name;
        std::vector<double> wall, cpu;
        std::size_t window;
        Summary expected;
    };
    const Case cases[] = {
        {"empty", {}, {}, 60, {0, 0.0, 0.0, 0.0, 0.0}},
        {"one frame", {5.0}, {9.0}, 60, {1, 5.0, 5.0, 5.0, 9.0}},
        {"odd count: the middle value", {3.0, 1.0, 2.0}, {1.0, 2.0, 3.0}, 60, {3, 2.0, 2.0, 2.0, 2.0}},
        {"even count: the mean of the middle two", {4.0, 1.0, 3.0, 2.0}, {}, 60, {4, 2.5, 2.5, 2.5, 0.0}},
        {"fewer frames than the window: all of them", {10.0, 20.0}, {4.0}, 60, {2, 15.0, 15.0, 15.0, 4.0}},
        {"the slow stretch is the worst second", slowStretch, {}, 60, {120, 15.0, 15.0, 20.0, 0.0}},
        {"a spike counts a sixtieth", oneSpike, {}, 60, {120, 10.5, 10.0, 11.0, 0.0}},
        {"window of one: the longest frame", oneSpike, {}, 1, {120, 10.5, 10.0, 70.0, 0.0}},
        {"window equal to the count", {1.0, 2.0, 6.0}, {}, 3, {3, 3.0, 2.0, 3.0, 0.0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Summary s = Summarize(c.wall, c.cpu, c.window);
        EXPECT_EQ(s.frames, c.expected.frames);
        EXPECT_DOUBLE_EQ(s.meanMs, c.expected.meanMs);
        EXPECT_DOUBLE_EQ(s.medianMs, c.expected.medianMs);
        EXPECT_DOUBLE_EQ(s.worstSecondMs, c.expected.worstSecondMs);
        EXPECT_DOUBLE_EQ(s.cpuMeanMs, c.expected.cpuMeanMs);
    }
}

// Stands in for a record/replay session: hands out its own step and counts the calls.
struct CountingDriver final : iFrameDriver {
    int begun = 0, ended = 0;
    float BeginFrame(float, Registry&) override {
        ++begun;
        return 0.25f;
    }
    void EndFrame(Registry&) override { ++ended; }
};

// A resident set that grows by a megabyte every frame.
std::int64_t fakePeak = 0;
std::int64_t GrowingPeak() { return fakePeak += 1024 * 1024; }

TEST(FrameReport, SplitsTheRunIntoLevelVisitsAndPassesFramesThrough) {
    auto registry = std::make_unique<Registry>();
    registry->singletons.set(singleton::GameState{});
    CountingDriver session;
    fakePeak = 0;
    Report report(&session, GrowingPeak);
    auto frame = [&](int switchTo, double loadMs) {
        EXPECT_FLOAT_EQ(report.BeginFrame(0.01f, *registry), 0.25f) << "the session's step wins";
        if (switchTo >= 0) {
            auto& state = registry->singletons.get<singleton::GameState>();
            state.currentLevel = switchTo;
            state.loadNanoseconds = static_cast<std::int64_t>(loadMs * 1e6);
            state.loadCpuNanoseconds = static_cast<std::int64_t>(loadMs * 0.5e6);
            ++state.switches;
        }
        report.EndFrame(*registry);
    };
    frame(-1, 0);  // before the first switch
    frame(7, 42.5);
    for (int i = 0; i < 3; ++i) frame(-1, 0);
    frame(9, 3.0);
    EXPECT_EQ(session.begun, 6);
    EXPECT_EQ(session.ended, 6);

    const auto& visits = report.Visits();
    ASSERT_EQ(visits.size(), 3u);
    EXPECT_EQ(visits[0].level, -1);
    EXPECT_EQ(visits[0].wallMs.size(), 1u);
    EXPECT_EQ(visits[1].level, 7);
    EXPECT_DOUBLE_EQ(visits[1].loadMs, 42.5);
    EXPECT_DOUBLE_EQ(visits[1].loadCpuMs, 21.25);
    EXPECT_EQ(visits[1].wallMs.size(), 3u) << "the switching frame stays out of the visit's frames";
    EXPECT_EQ(visits[1].cpuMs.size(), 3u);
    EXPECT_EQ(visits[2].level, 9);
    EXPECT_TRUE(visits[2].wallMs.empty());
    for (const Visit& v : visits)
        for (double ms : v.wallMs) EXPECT_GE(ms, 0.0);
    // The peak by each visit's last frame, before the next level's load: 1 MB after frame 0, 5 MB
    // after frame 4; the visit still going has none of its own yet.
    EXPECT_EQ(visits[0].peakResidentBytes, 1 * 1024 * 1024);
    EXPECT_EQ(visits[1].peakResidentBytes, 5 * 1024 * 1024);
    EXPECT_EQ(visits[2].peakResidentBytes, 0);

    const std::string text = report.Text(3 * 512 * 1024);
    EXPECT_EQ(text.rfind("level ", 0), 0u) << text;
    EXPECT_NE(text.find("\n7 "), std::string::npos) << text;
    EXPECT_NE(text.find(" 42.5 "), std::string::npos) << text;
    EXPECT_NE(text.find(" 21.2"), std::string::npos) << text;
    EXPECT_NE(text.find("\nall "), std::string::npos) << text;
    EXPECT_NE(text.find("peak resident set: 1.5 MB\n"), std::string::npos) << text;
    EXPECT_NE(text.find("     5.0\n"), std::string::npos) << "the first level's own peak: " << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6) << "header, three visits, all, resident set";

    // Without a session the measured step goes through; without a level manager every frame is play.
    auto bare = std::make_unique<Registry>();
    Report alone(nullptr, nullptr);
    EXPECT_FLOAT_EQ(alone.BeginFrame(0.01f, *bare), 0.01f);
    alone.EndFrame(*bare);
    ASSERT_EQ(alone.Visits().size(), 1u);
    EXPECT_EQ(alone.Visits()[0].wallMs.size(), 1u);
}

TEST(FrameReport, PeakIsReadFromTheStatusLineOnly) {
    struct Case {
        const char* status;
        std::int64_t bytes;
    };
    const Case cases[] = {
        {"Name:\tvelkor\nVmPeak:\t  900000 kB\nVmHWM:\t  153060 kB\nVmRSS:\t  149000 kB\n", 153060LL * 1024},
        {"VmHWM: 1 kB", 1024},
        {"XVmHWM:\t 5 kB\nVmHWM:\t 7 kB\n", 7 * 1024},  // only a key at a line's start
        {"VmRSS:\t  149000 kB\n", 0},                     // absent (not Linux, or a kernel without it)
        {"VmHWM:\t   kB\n", 0},                          // no number
        {"VmHWM:\t 12 MB\n", 0},                          // another unit
        {"VmHWM:\t 99999999999999999999 kB\n", 0},        // past 64 bits
        {"", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::HighWaterFromStatus(c.status), c.bytes) << c.status;
}

TEST(FrameReport, ProcessMeasuresAreLiveAndTheFileIsWrittenOrRefused) {
    const std::int64_t cpuBefore = platform::ProcessCpuNanoseconds();
    // Windows counts process time in scheduler ticks (about 16 ms): work until one passes, with a
    // bound far beyond any tick so that a clock standing still fails.
    volatile double sink = 0.0;
    for (int round = 0; round < 200 && platform::ProcessCpuNanoseconds() == cpuBefore; ++round)
        for (int i = 0; i < 2'000'000; ++i) sink = sink + i * 0.5;
    EXPECT_GT(platform::ProcessCpuNanoseconds(), cpuBefore);
    EXPECT_GT(platform::PeakResidentBytes(), 1024 * 1024) << "a running test binary holds more than a megabyte";

    const std::string path = ::testing::TempDir() + "velkor_frame_report.txt";
    std::string error;
    ASSERT_TRUE(WriteReport(path, "level\n", error)) << error;
    EXPECT_FALSE(WriteReport(::testing::TempDir() + "no/such/dir/report.txt", "x", error));
    EXPECT_NE(error.find("no/such/dir/report.txt"), std::string::npos) << error;
}

}  // namespace
}  // namespace velkor::frames
