// Command-line options of the game binary.
//
// Parsing is kept apart from the entry function so that it can be tested and grown one option at a
// time: each option sets one field of LaunchOptions, and the entry function acts on the struct
// after the engine has been initialised. The game itself needs no options; they exist for
// developers and tests (start in a given level, and later record, replay and shots).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velkor::app {

struct LaunchOptions {
    static constexpr int NoLevel = -1;
    int startLevel = NoLevel;  // level index 0..11 to start in instead of the logos
    bool help = false;  // "--help": print the usage line and exit successfully
};

struct LaunchParse {
    LaunchOptions options;
    std::string error;  // empty when the arguments were understood

    [[nodiscard]] bool ok() const noexcept { return error.empty(); }
};

// Parses the arguments after the program name. Accepts "--level N", "--level=N" and "--help".
// Anything else (an unknown argument, a missing or malformed number, a level outside 0..11, an
// option given twice) yields an error naming the offending argument.
[[nodiscard]] LaunchParse ParseLaunchOptions(const std::vector<std::string_view>& args);
[[nodiscard]] LaunchParse ParseLaunchOptions(int argc, const char* const* argv);

// One line naming every option, for standard error on a bad command line.
[[nodiscard]] std::string UsageLine(std::string_view program);

// Process exit status for a command line that could not be understood.
inline constexpr int BadUsageStatus = 2;

}  // namespace velkor::app
