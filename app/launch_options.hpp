// Command-line options of the game binary.
//
// Parsing is kept apart from the entry function so that it can be tested and grown one option at a
// time: each option sets one field of LaunchOptions, and the entry function acts on the struct.
// The game itself needs no options; they exist for developers and tests: start in a given level,
// record a run, replay it (fast or at real speed), save frame images, run at a fixed time step,
// check the content files, report frame times.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/replay.hpp"

namespace velkor::app {

struct LaunchOptions {
    static constexpr int NoLevel = -1;
    int startLevel = NoLevel;  // "--level N": level index 0..11 to start in instead of the logos
    bool help = false;  // "--help": print the usage line and exit successfully
    std::string recordPath;  // "--record FILE"
    std::string replayPath;  // "--replay FILE"
    std::string scriptPath;  // "--script FILE": replay an input script, inputs only
    bool inputsOnly = false;  // "--inputs-only": replay without comparing the state
    bool fast = false;  // "--fast": frames as fast as the machine can make them
    bool fixedStep = false;  // "--fixed-step": 1/60 s per frame
    std::vector<replay::Shot> shots;  // "--shot N:out.png", repeatable
    bool checkContent = false;  // "--check-content": check the data files and exit, no window
    std::string frameReportPath;  // "--frame-report FILE": frame times and level loads, written at exit
    std::string soakReportPath;  // "--soak-report FILE": the figures at every return to the main menu

    // What the record/replay session needs of these options.
    [[nodiscard]] replay::SessionOptions Session() const;
};

struct LaunchParse {
    LaunchOptions options;
    std::string error;  // empty when the arguments were understood

    [[nodiscard]] bool ok() const noexcept { return error.empty(); }
};

// Parses the arguments after the program name. Options with a value take it as the next argument
// or after "=" ("--level 6", "--level=6"). Anything else (an unknown argument, a missing or
// malformed value, a level outside 0..11, an option given twice, options that exclude each other)
// yields an error naming the offending argument.
[[nodiscard]] LaunchParse ParseLaunchOptions(const std::vector<std::string_view>& args);
[[nodiscard]] LaunchParse ParseLaunchOptions(int argc, const char* const* argv);

// The program's file name without its folder ("velkor", "velkor.exe"), for the usage line: argv[0]
// may be a full path, on Windows always. "velkor" when the system gave none.
[[nodiscard]] std::string_view ProgramName(std::string_view argv0);

// One line naming every option, for standard error on a bad command line.
[[nodiscard]] std::string UsageLine(std::string_view program);

// Process exit status for a command line that could not be understood.
inline constexpr int BadUsageStatus = 2;

}  // namespace velkor::app
