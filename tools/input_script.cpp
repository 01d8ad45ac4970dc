#include "tools/input_script.hpp"

#include <charconv>
#include <iterator>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "platform/keys.hpp"
#include "tools/replay.hpp"

namespace velkor::replay {

namespace {

int KeyCode(std::string_view name) {
    static const std::map<std::string_view, int> names = {
        {"Left", platform::KeyLeft},         {"Right", platform::KeyRight},     {"Up", platform::KeyUp},
        {"Down", platform::KeyDown},         {"Space", platform::KeySpace},     {"Enter", platform::KeyEnter},
        {"Escape", platform::KeyEscape},     {"Tab", platform::KeyTab},         {"LeftShift", platform::KeyLeftShift},
        {"LeftControl", platform::KeyLeftControl}, {"LeftAlt", platform::KeyLeftAlt},
    };
    if (auto it = names.find(name); it != names.end()) return it->second;
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return platform::KeyA + (name[0] - 'A');
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return platform::Key0 + (name[0] - '0');
    if (name.size() >= 2 && name[0] == 'F') {
        int n = 0;
        auto [end, ec] = std::from_chars(name.data() + 1, name.data() + name.size(), n);
        if (ec == std::errc{} && end == name.data() + name.size() && n >= 1 && n <= 12) return platform::KeyF1 + n - 1;
    }
    int code = -1;
    auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), code);
    if (ec == std::errc{} && end == name.data() + name.size() && code >= 0 && code <= platform::KeyLast) return code;
    return -1;
}

int GamepadButton(std::string_view name) {
    static constexpr std::string_view names[] = {"South",     "East",       "West",   "North",  "LeftBumper",
                                                 "RightBumper", "Back",     "Start",  "Guide",  "LeftThumb",
                                                 "RightThumb", "DpadUp",    "DpadRight", "DpadDown", "DpadLeft"};
    static_assert(std::size(names) == platform::GamepadButtonLast + 1);
    for (std::size_t b = 0; b < std::size(names); ++b)
        if (names[b] == name) return static_cast<int>(b);
    int code = -1;
    auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), code);
    if (ec == std::errc{} && end == name.data() + name.size() && code >= 0 && code <= platform::GamepadButtonLast)
        return code;
    return -1;
}

template <class Number>
bool Parse(const std::string& word, Number& out) {
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), out);
    return ec == std::errc{} && end == word.data() + word.size();
}

struct Timed {
    std::uint64_t frame;
    Item item;
};

}  // namespace

std::string ParseInputScript(std::string_view text, Recording& recording) {
    recording = Recording{};
    recording.fixedStep = true;
    std::vector<Timed> events;
    std::uint64_t frames = 0;
    bool framesGiven = false;
    bool gamepadUsed = false, gamepadPlugged = false;
    std::istringstream lines{std::string(text)};
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream in(line);
        std::vector<std::string> w;
        for (std::string word; in >> word;) w.push_back(word);
        if (w.empty()) continue;
        const std::string at = "line " + std::to_string(number) + ": ";
        auto wrong = [&](const char* form) { return at + "expected \"" + form + "\""; };
        std::uint64_t from = 0, to = 0;
        if (w[0] == "level") {
            if (w.size() != 2 || !Parse(w[1], recording.startLevel) || recording.startLevel < 0 || recording.startLevel > 11)
                return wrong("level N (0 to 11)");
        } else if (w[0] == "frames") {
            if (w.size() != 2 || !Parse(w[1], frames) || frames == 0) return wrong("frames N (N > 0)");
            framesGiven = true;
        } else if (w[0] == "hold" || w[0] == "press" || w[0] == "mouse") {
            const bool mouse = w[0] == "mouse";
            const bool press = w[0] == "press";
            if (w.size() != (press ? 3u : 4u) || !Parse(w[2], from) || (!press && !Parse(w[3], to)))
                return wrong(press ? "press KEY AT" : mouse ? "mouse BUTTON FROM TO" : "hold KEY FROM TO");
            if (press) to = from + 6;
            if (to <= from) return at + "a key must go up after it goes down";
            int code = -1;
            if (mouse ? !Parse(w[1], code) || code < 0 || code > platform::MouseButtonLast : (code = KeyCode(w[1])) < 0)
                return at + "unknown " + (mouse ? "mouse button \"" : "key \"") + w[1] + "\"";
            const ItemKind kind = mouse ? ItemKind::MouseButton : ItemKind::Key;
            auto event = [&](int action) -> Item {
                return mouse ? Item{kind, {code, action, 0, 0}, {}} : Item{kind, {code, 0, action, 0}, {}};
            };
            events.push_back({from, event(platform::Press)});
            events.push_back({to, event(platform::Release)});
        } else if (w[0] == "pad") {
            const int button = w.size() == 4 ? GamepadButton(w[1]) : -1;
            if (w.size() != 4 || !Parse(w[2], from) || !Parse(w[3], to)) return wrong("pad BUTTON FROM TO");
            if (button < 0) return at + "unknown gamepad button \"" + w[1] + "\"";
            if (to <= from) return at + "a button must go up after it goes down";
            events.push_back({from, {ItemKind::GamepadButton, {button, platform::Press, 0, 0}, {}}});
            events.push_back({to, {ItemKind::GamepadButton, {button, platform::Release, 0, 0}, {}}});
            gamepadUsed = true;
        } else if (w[0] == "stick") {
            double x = 0.0, y = 0.0;
            if (w.size() != 5 || !Parse(w[1], x) || !Parse(w[2], y) || !Parse(w[3], from) || !Parse(w[4], to))
                return wrong("stick X Y FROM TO");
            if (!(x >= -1.0 && x <= 1.0 && y >= -1.0 && y <= 1.0)) return at + "a stick position lies within -1..1";
            if (to <= from) return at + "the stick must be let go after it is pushed";
            for (int axis = 0; axis < 2; ++axis) {
                events.push_back({from, {ItemKind::GamepadAxis, {axis, 0, 0, 0}, {axis == 0 ? x : y, 0.0}}});
                events.push_back({to, {ItemKind::GamepadAxis, {axis, 0, 0, 0}, {0.0, 0.0}}});
            }
            gamepadUsed = true;
        } else if (w[0] == "gamepad") {
            if (w.size() != 3 || (w[1] != "connect" && w[1] != "disconnect") || !Parse(w[2], from))
                return wrong("gamepad connect|disconnect AT");
            const bool connect = w[1] == "connect";
            events.push_back({from, {ItemKind::GamepadConnection, {connect ? 1 : 0, 0, 0, 0}, {}}});
            gamepadPlugged = gamepadPlugged || connect;
        } else if (w[0] == "focus" || w[0] == "minimise") {
            const bool focus = w[0] == "focus";
            int state = -1;
            if (w.size() != 3 || !Parse(w[1], from) || !Parse(w[2], state) || (state != 0 && state != 1))
                return wrong(focus ? "focus AT 0|1" : "minimise AT 0|1");
            events.push_back({from, {focus ? ItemKind::Focus : ItemKind::Iconify, {state, 0, 0, 0}, {}}});
        } else if (w[0] == "window") {
            int width = 0, height = 0;
            if (w.size() != 3 || !Parse(w[1], width) || !Parse(w[2], height) || width <= 0 || height <= 0)
                return wrong("window W H");
            events.insert(events.begin(), {0, {ItemKind::WindowSize, {width, height, 0, 0}, {}}});
        } else if (w[0] == "cursor") {
            double x = 0.0, y = 0.0;
            if (w.size() != 4 || !Parse(w[1], from) || !Parse(w[2], x) || !Parse(w[3], y)) return wrong("cursor AT X Y");
            events.push_back({from, {ItemKind::CursorPosition, {}, {x, y}}});
        } else {
            return at + "unknown command \"" + w[0] + "\"";
        }
    }
    if (gamepadUsed && !gamepadPlugged)
        events.insert(events.begin(), {0, {ItemKind::GamepadConnection, {1, 0, 0, 0}, {}}});
    for (const Timed& e : events) {
        if (framesGiven && e.frame >= frames)
            return "an event at frame " + std::to_string(e.frame) + " is past the run's " + std::to_string(frames) +
                   " frames";
        if (!framesGiven) frames = std::max(frames, e.frame + 1);
    }
    if (frames == 0) return "the script has no frames (give \"frames N\")";
    if (frames > 1'000'000) return "a script of more than a million frames";
    recording.frames.resize(frames);
    for (Frame& frame : recording.frames) frame.dt = FixedStep;
    // In script order within a frame, as a player's events arrive in order within one poll.
    for (const Timed& e : events) recording.frames[e.frame].items.push_back(e.item);
    return {};
}

DecodeResult ReadInputScript(const std::string& path) {
    DecodeResult result;
    std::ifstream file(path);
    if (!file) {
        result.error = "cannot open the file";
        return result;
    }
    std::stringstream text;
    text << file.rdbuf();
    result.error = ParseInputScript(text.str(), result.recording);
    return result;
}

}  // namespace velkor::replay
