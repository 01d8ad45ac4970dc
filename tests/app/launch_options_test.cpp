#include "app/launch_options.hpp"

#include <initializer_list>
#include <utility>

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
        {{"--record"}, "--record needs a file name"},
        {{"--record", "a", "--record", "b"}, "--record given twice"},
        {{"--script", "a", "--replay", "b"}, "exclude each other"},
        {{"--inputs-only"}, "--inputs-only goes with --replay"},
        {{"--replay", "a", "--level", "6"}, "drop --level"},
        {{"--replay", "a", "--fixed-step"}, "drop --fixed-step"},
        {{"--shot", "12"}, "FRAME:FILE.png, got '12'"},
        {{"--shot", "x:a.png"}, "got 'x:a.png'"},
        {{"--shot=3:"}, "got '3:'"},
        {{"--fast=yes"}, "--fast takes no value"},
        {{"--fast", "--fast"}, "--fast given twice"},
        {{"--check-content", "--level", "6"}, "--check-content runs alone"},
        {{"--check-content", "--frame-report", "f.txt"}, "--check-content runs alone"},
        {{"--frame-report"}, "--frame-report needs a file name"},
        {{"6"}, "unknown argument '6'"},
        {{"--fly"}, "unknown argument '--fly'"},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseLaunchOptions(c.args);
        EXPECT_FALSE(parsed.ok());
        EXPECT_NE(parsed.error.find(c.mentions), std::string::npos) << parsed.error;
    }
}

TEST(LaunchOptions, DeveloperRunOptionsFillTheSession) {
    const auto parsed = ParseLaunchOptions({"--record=run.rec", "--level", "6", "--fixed-step", "--fast", "--shot",
                                            "0:first.png", "--shot=120:later.png"});
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    const velkor::replay::SessionOptions session = parsed.options.Session();
    EXPECT_EQ(session.recordPath, "run.rec");
    EXPECT_TRUE(session.replayPath.empty());
    EXPECT_EQ(session.startLevel, 6);
    EXPECT_TRUE(session.fixedStep && session.fast && session.Wanted());
    ASSERT_EQ(session.shots.size(), 2u);
    EXPECT_EQ(session.shots[1].frame, 120u);
    EXPECT_EQ(session.shots[1].path, "later.png");

    EXPECT_FALSE(ParseLaunchOptions({"--level", "6"}).options.Session().Wanted()) << "a plain run needs no session";
    const auto replay = ParseLaunchOptions({"--replay", "run.rec", "--inputs-only", "--record", "again.rec"});
    ASSERT_TRUE(replay.ok()) << replay.error;
    EXPECT_EQ(replay.options.Session().replayPath, "run.rec");
    EXPECT_TRUE(replay.options.Session().inputsOnly);
    EXPECT_EQ(ParseLaunchOptions({"--script", "walk.txt", "--level", "6"}).options.Session().scriptPath, "walk.txt");
    EXPECT_TRUE(ParseLaunchOptions({"--check-content"}).options.checkContent);
    EXPECT_EQ(ParseLaunchOptions({"--soak-report=soak.txt", "--fast"}).options.soakReportPath, "soak.txt");
    EXPECT_NE(ParseLaunchOptions({"--check-content", "--soak-report", "s.txt"}).error.find("runs alone"), std::string::npos);
    const auto report = ParseLaunchOptions({"--frame-report=frames.txt", "--level", "7"});
    EXPECT_EQ(report.options.frameReportPath, "frames.txt");
    EXPECT_FALSE(report.options.Session().Wanted()) << "a report alone times the ordinary run";
}

TEST(LaunchOptions, ArgvFormSkipsTheProgramNameAndUsageNamesTheOption) {
    const char* argv[] = {"velkor", "--level", "6"};
    EXPECT_EQ(ParseLaunchOptions(3, argv).options.startLevel, 6);
    const std::string usage = velkor::app::UsageLine("velkor");
    EXPECT_EQ(usage.rfind("usage: velkor [", 0), 0u);
    // The usage line names the program as its file is named, wherever it was started from.
    for (const auto& [argv0, name] : std::initializer_list<std::pair<const char*, const char*>>{
             {"build/velkor", "velkor"}, {"/home/me/velkor", "velkor"}, {"velkor", "velkor"},
             {R"(C:\Games\VELKOR\velkor.exe)", "velkor.exe"}, {"C:/Games/velkor.exe", "velkor.exe"}, {"", "velkor"},
             {"build/", "velkor"}})
        EXPECT_EQ(velkor::app::ProgramName(argv0), name) << argv0;
    for (const char* option : {"--level N", "--record FILE", "--replay FILE", "--inputs-only", "--script FILE", "--fast", "--fixed-step",
                               "--shot N:out.png", "--frame-report FILE", "--check-content", "--soak-report FILE"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
}

}  // namespace
