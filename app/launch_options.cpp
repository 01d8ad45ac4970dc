#include "app/launch_options.hpp"

#include <charconv>

#include "levels/level.hpp"

namespace velkor::app {

namespace {

// A whole decimal number and nothing else ("6", not "6x", "+6" or " 6").
template <class Int>
bool ParseInt(std::string_view text, Int& out) {
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

std::string ReadPath(std::string_view name, std::string_view value, std::string& path) {
    if (!path.empty()) return std::string(name) + " given twice";
    if (value.empty()) return std::string(name) + " needs a file name";
    path = value;
    return {};
}

// "N:out.png": frame N (counted from 0) saved as out.png.
std::string ReadShot(std::string_view value, LaunchOptions& options) {
    const std::size_t colon = value.find(':');
    replay::Shot shot;
    if (colon == std::string_view::npos || !ParseInt(value.substr(0, colon), shot.frame) || colon + 1 == value.size())
        return "--shot needs FRAME:FILE.png, got '" + std::string(value) + "'";
    shot.path = value.substr(colon + 1);
    options.shots.push_back(std::move(shot));
    return {};
}

std::string ReadFlag(std::string_view name, bool& flag) {
    if (flag) return std::string(name) + " given twice";
    flag = true;
    return {};
}

// Options that make no sense together.
std::string CheckCombination(const LaunchOptions& o) {
    if (o.checkContent && (o.startLevel != LaunchOptions::NoLevel || !o.recordPath.empty() || !o.replayPath.empty() ||
                           !o.scriptPath.empty() || o.inputsOnly || o.fast || o.fixedStep || !o.shots.empty() ||
                           !o.soakReportPath.empty() || !o.frameReportPath.empty()))
        return "--check-content runs alone: it opens no window and runs no frame";
    if (!o.replayPath.empty()) {
        if (!o.scriptPath.empty()) return "--replay and --script exclude each other";
        if (o.startLevel != LaunchOptions::NoLevel) return "--replay starts in the recording's own level; drop --level";
        if (o.fixedStep) return "--replay uses the recording's own frame times; drop --fixed-step";
    }
    if (o.inputsOnly && o.replayPath.empty()) return "--inputs-only goes with --replay";
    return {};
}

}  // namespace

replay::SessionOptions LaunchOptions::Session() const {
    replay::SessionOptions session;
    session.recordPath = recordPath;
    session.replayPath = replayPath;
    session.scriptPath = scriptPath;
    session.inputsOnly = inputsOnly;
    session.fast = fast;
    session.fixedStep = fixedStep;
    session.shots = shots;
    session.startLevel = startLevel;
    return session;
}

LaunchParse ParseLaunchOptions(const std::vector<std::string_view>& args) {
    LaunchParse result;
    LaunchOptions& o = result.options;
    for (std::size_t i = 0; i < args.size() && result.ok(); ++i) {
        std::string_view name = args[i];
        std::string_view inlineValue;
        bool hasInlineValue = false;
        if (const std::size_t equals = name.find('='); name.starts_with("--") && equals != std::string_view::npos) {
            inlineValue = name.substr(equals + 1);
            name = name.substr(0, equals);
            hasInlineValue = true;
        }
        // The option's value: after "=", or the next argument.
        auto value = [&](std::string_view what, std::string_view& out) -> bool {
            if (hasInlineValue) {
                out = inlineValue;
                return true;
            }
            if (i + 1 == args.size()) {
                result.error = std::string(name) + " needs " + std::string(what);
                return false;
            }
            out = args[++i];
            return true;
        };
        auto flag = [&](bool& field) {
            result.error = hasInlineValue ? std::string(name) + " takes no value" : ReadFlag(name, field);
        };
        std::string_view v;
        if (name == "--help" || name == "-h") {
            o.help = true;
        } else if (name == "--level") {
            if (value("a level number", v)) result.error = ReadLevel(v, o);
        } else if (name == "--record") {
            if (value("a file name", v)) result.error = ReadPath(name, v, o.recordPath);
        } else if (name == "--replay") {
            if (value("a file name", v)) result.error = ReadPath(name, v, o.replayPath);
        } else if (name == "--script") {
            if (value("a file name", v)) result.error = ReadPath(name, v, o.scriptPath);
        } else if (name == "--inputs-only") {
            flag(o.inputsOnly);
        } else if (name == "--shot") {
            if (value("FRAME:FILE.png", v)) result.error = ReadShot(v, o);
        } else if (name == "--fast") {
            flag(o.fast);
        } else if (name == "--fixed-step") {
            flag(o.fixedStep);
        } else if (name == "--frame-report") {
            if (value("a file name", v)) result.error = ReadPath(name, v, o.frameReportPath);
        } else if (name == "--check-content") {
            flag(o.checkContent);
        } else if (name == "--soak-report") {
            if (value("a file name", v)) result.error = ReadPath(name, v, o.soakReportPath);
        } else {
            result.error = "unknown argument '" + std::string(args[i]) + "'";
        }
    }
    if (result.ok()) result.error = CheckCombination(o);
    return result;
}

LaunchParse ParseLaunchOptions(int argc, const char* const* argv) {
    std::vector<std::string_view> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return ParseLaunchOptions(args);
}

std::string_view ProgramName(std::string_view argv0) {
    const std::size_t slash = argv0.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? argv0 : argv0.substr(slash + 1);
    return name.empty() ? std::string_view("velkor") : name;
}

std::string UsageLine(std::string_view program) {
    return "usage: " + std::string(program) +
           " [--level N] [--record FILE] [--replay FILE [--inputs-only] | --script FILE] [--fast] [--fixed-step] "
           "[--shot N:out.png]... [--frame-report FILE] [--soak-report FILE] "
           "| --check-content   (N: level index 0-" +
           std::to_string(levels::LevelIndex::Count - 1) + "; 6 is the test level)";
}

}  // namespace velkor::app
