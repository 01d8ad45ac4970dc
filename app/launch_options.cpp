#include "app/launch_options.hpp"

#include <charconv>

#include "levels/level.hpp"

namespace velkor::app {

namespace {

constexpr std::string_view LevelOption = "--level";

// A whole decimal number and nothing else ("6", not "6x", "+6" or " 6").
bool ParseInt(std::string_view text, int& out) {
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc{} && ptr == end;
}

std::string ReadLevel(std::string_view value, LaunchOptions& options) {
    if (options.startLevel != LaunchOptions::NoLevel) return "--level given twice";
    int level = 0;
    if (!ParseInt(value, level)) return "--level needs a level number, got '" + std::string(value) + "'";
    if (level < 0 || level >= levels::LevelIndex::Count)
        return "no level " + std::string(value) + " (levels are 0 to " + std::to_string(levels::LevelIndex::Count - 1) +
               ")";
    options.startLevel = level;
    return {};
}

}  // namespace

LaunchParse ParseLaunchOptions(const std::vector<std::string_view>& args) {
    LaunchParse result;
    for (std::size_t i = 0; i < args.size() && result.ok(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            result.options.help = true;
        } else if (arg == LevelOption) {
            if (i + 1 == args.size()) {
                result.error = "--level needs a level number";
            } else {
                result.error = ReadLevel(args[++i], result.options);
            }
        } else if (arg.size() > LevelOption.size() && arg.substr(0, LevelOption.size() + 1) == "--level=") {
            result.error = ReadLevel(arg.substr(LevelOption.size() + 1), result.options);
        } else {
            result.error = "unknown argument '" + std::string(arg) + "'";
        }
    }
    return result;
}

LaunchParse ParseLaunchOptions(int argc, const char* const* argv) {
    std::vector<std::string_view> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return ParseLaunchOptions(args);
}

std::string UsageLine(std::string_view program) {
    return "usage: " + std::string(program) + " [--level N]   (N: level index 0-" +
           std::to_string(levels::LevelIndex::Count - 1) + "; 6 is the test level)";
}

}  // namespace velkor::app
