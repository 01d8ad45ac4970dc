#include "app/launch_options.hpp"

#include <gtest/gtest.h>

namespace {

using velkor::app::LaunchOptions;
using velkor::app::ParseLaunchOptions;

TEST(LaunchOptions, AcceptedCommandLines) {
    struct Case {
        std::vector<std::string_view> args;
        int level;
        bool help;
    };
    const Case cases[] = {
        {{}, LaunchOptions::NoLevel, false},
        {{"--level", "6"}, 6, false},
        {{"--level=0"}, 0, false},
        {{"--level", "11"}, 11, false},
        {{"--help"}, LaunchOptions::NoLevel, true},
        {{"--level", "7", "-h"}, 7, true},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseLaunchOptions(c.args);
        SCOPED_TRACE(c.args.empty() ? "(none)" : std::string(c.args.front()));
        EXPECT_TRUE(parsed.ok()) << parsed.error;
        EXPECT_EQ(parsed.options.startLevel, c.level);
        EXPECT_EQ(parsed.options.help, c.help);
    }
}

TEST(LaunchOptions, RejectedCommandLinesNameTheProblem) {
    struct Case {
        std::vector<std::string_view> args;
        std::string_view mentions;
    };
    const Case cases[] = {
        {{"--level"}, "needs a level number"},
        {{"--level", "12"}, "no level 12"},
        {{"--level", "-1"}, "no level -1"},
        {{"--level", "six"}, "'six'"},
        {{"--level", "6x"}, "'6x'"},
        {{"--level="}, "''"},
        {{"--level", "6", "--level", "7"}, "twice"},
        {{"--levels", "6"}, "unknown argument '--levels'"},
        {{"6"}, "unknown argument '6'"},
        {{"--fly"}, "unknown argument '--fly'"},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseLaunchOptions(c.args);
        EXPECT_FALSE(parsed.ok());
        EXPECT_NE(parsed.error.find(c.mentions), std::string::npos) << parsed.error;
    }
}

TEST(LaunchOptions, ArgvFormSkipsTheProgramNameAndUsageNamesTheOption) {
    const char* argv[] = {"velkor", "--level", "6"};
    EXPECT_EQ(ParseLaunchOptions(3, argv).options.startLevel, 6);
    const std::string usage = velkor::app::UsageLine("build/velkor");
    EXPECT_EQ(usage.rfind("usage: build/velkor", 0), 0u);
    EXPECT_NE(usage.find("--level N"), std::string::npos);
}

}  // namespace
