// The soak report: rows at every arrival at the main menu, compared by where they came from, and
// the switches tools place their input by.
#include "tools/soak_report.hpp"

#include <string>

#include <gtest/gtest.h>

#include "levels/level.hpp"
#include "levels/level_manager.hpp"
#include "serialization/transform.hpp"

namespace velkor::soak {
namespace {

using levels::LevelIndex;

// Drives the report through frames of a windowless registry: each step switches to `level` and
// leaves `extra` more entities behind than the round before (a leak) when asked.
struct Rounds {
    Registry registry;
    Report report{nullptr};

    void Frame(std::int32_t level) {
        registry.singletons.mark_present<singleton::GameState>().currentLevel = level;
        (void)report.BeginFrame(1.0f / 60.0f, registry);
        report.EndFrame(registry);
    }
    void Round(int leaked) {
        for (std::int32_t level : {LevelIndex::OptionsMenu, LevelIndex::MainMenu, LevelIndex::Level1,
                                   LevelIndex::Level1, LevelIndex::MainMenu})
            Frame(level);
        for (int k = 0; k < leaked; ++k) registry.add<component::Transform>(registry.create());
    }
};

TEST(SoakReport, ArrivalsAreComparedWithTheSecondRoundsAndALeakIsNamed) {
    Rounds flat;
    flat.Frame(LevelIndex::GameLogo);
    flat.Frame(LevelIndex::MainMenu);
    flat.Round(0);
    flat.Round(0);
    flat.Round(0);
    ASSERT_EQ(flat.report.Rows().size(), 7u) << "one row per arrival, none for staying";
    EXPECT_EQ(flat.report.Rows()[0].from, LevelIndex::GameLogo);
    EXPECT_EQ(flat.report.Rows()[2].from, LevelIndex::Level1);
    EXPECT_EQ(flat.report.Rows()[2].frames, 3u) << "the frames since the previous arrival";
    EXPECT_EQ(flat.report.Rows()[2].frame, 6u);
    const std::string text = flat.report.Text();
    EXPECT_NE(text.find("\nflat: yes, 2 rows compared\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nswitch 4 3 7\n"), std::string::npos) << text;

    // The first round may warm caches: a leak in it alone is no growth. One in the third is.
    Rounds leaking;
    leaking.Frame(LevelIndex::MainMenu);
    leaking.Round(5);
    leaking.Round(0);
    leaking.Round(1);
    leaking.Round(0);
    const std::string found = leaking.report.Text();
    EXPECT_NE(found.find("flat: no, row 7 (row 3): entities 6 (was 5)"), std::string::npos) << found;

    Figures a, b;
    b.residentBytes = ResidentSlackBytes;
    EXPECT_EQ(Difference(a, b), "") << "the resident set may move within the slack";
    b.residentBytes += 1024 * 1024 + 1;
    EXPECT_EQ(Difference(a, b), "resident KB " + std::to_string(ResidentSlackBytes / 1024 + 1024) + " (was 0)");
    b = a;
    b.pools[3] = 2;
    EXPECT_NE(Difference(a, b).find("pool "), std::string::npos);
    b = a;
    b.channels = 1;
    EXPECT_EQ(Difference(a, b), "") << "a click may still sound or have ended, by the wall clock";
    b.loops = 1;
    EXPECT_EQ(Difference(a, b), "looping channels 1 (was 0)");
}

}  // namespace
}  // namespace velkor::soak
