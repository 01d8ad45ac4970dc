#include "gameplay/input.hpp"

#include <cctype>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "audio/audio.hpp"
#include "engine/engine.hpp"
#include "engine/trace.hpp"
#include "platform/accessibility.hpp"
#include "platform/events.hpp"
#include "platform/input_source.hpp"
#include "platform/keys.hpp"
#include "platform/window.hpp"

static_assert(velkor::input::KeyCount == velkor::platform::KeyLast + 1, "one raw entry per key code");
static_assert(velkor::input::MouseButtonCount == velkor::platform::MouseButtonLast + 1, "one raw entry per mouse button");
static_assert(velkor::input::GamepadButtonCount == velkor::platform::GamepadButtonLast + 1, "one entry per gamepad button");
static_assert(velkor::input::PadLeft - velkor::input::GamepadButtonBase == velkor::platform::GamepadDpadLeft);

namespace velkor::input {

namespace {

Backend& MutableBackend() noexcept {
    static Backend backend;
    return backend;
}

// Moves the master group's offset by delta: every playing channel follows, each keeping its own
// level, so -5 and a later +5 silence and restore the mix exactly.
void ShiftMasterVolume(Registry* registry, float delta) {
    if (!registry) return;
    auto& singletons = registry->singletons;
    const float current =
        singletons.has<singleton::Audio>() ? singletons.get<singleton::Audio>().GroupVolume[audio::Master] : 0.0f;
    audio::SetGroupVolume(current + delta, audio::Master);
}

// Hears the window's events of `kinds` through `handle`, once (a second ensure or Init on the
// same window must not hear them twice; a new window starts with no listeners).
void Listen(platform::ListenerId& id, platform::EventMask kinds, platform::Listener handle) {
    if (!platform::Listening(id)) id = platform::Subscribe(kinds, std::move(handle));
}

// One raw gamepad entry (0 .. GamepadEntryCount-1) goes down or up; a press is latched as a key's is.
void SetGamepadEntry(Backend& raw, int entry, bool down) {
    const auto e = static_cast<std::size_t>(entry);
    if (down && raw.gamepad[e] != platform::Press) raw.gamepadPressLatched[e] = true;
    raw.gamepad[e] = down ? platform::Press : platform::Release;
}

// One direction of the stick, with hysteresis: `push` is how far the stick points that way.
bool StickDirectionDown(bool wasDown, float push) { return wasDown ? push > StickRelease : push >= StickPress; }

void LoadGamepadMappings() {
    std::ifstream file(GamepadMappingsPath, std::ios::binary);
    if (!file) {  // optional: GLFW's built-in mappings cover the common gamepads
        Trace(std::string("No gamepad mappings in ") + GamepadMappingsPath + ": GLFW's built-in ones only\n");
        return;
    }
    std::stringstream text;
    text << file.rdbuf();
    // GLFW skips a line it cannot read without saying so: count the lines that are not
    // "<32 hex digits>,name,..." ourselves, so a damaged file is named.
    int unreadable = 0;
    std::string line;
    for (std::istringstream lines(text.str()); std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        bool mapping = line.size() > 33 && line[32] == ',';
        for (std::size_t i = 0; mapping && i < 32; ++i) mapping = std::isxdigit(static_cast<unsigned char>(line[i])) != 0;
        unreadable += !mapping;
    }
    if (!util::AddGamepadMappings(text.str().c_str()) || unreadable > 0)
        Trace(std::string("Gamepad mappings in ") + GamepadMappingsPath + " could not all be read (" +
              std::to_string(unreadable) + " lines are not mappings)\n");
}

}  // namespace

Backend& GetBackend() noexcept { return MutableBackend(); }

void ResetBackend() noexcept {
    Backend& raw = MutableBackend();
    platform::Unsubscribe(raw.keyListener);
    platform::Unsubscribe(raw.windowListener);
    raw = Backend{};
}

void KeyCallback(GLFWwindow* window, int key, int scancode, int action, int mods) {
    Backend& raw = MutableBackend();
    if (raw.previousKey) raw.previousKey(window, key, scancode, action, mods);
    // Unsigned: GLFW_KEY_UNKNOWN (-1) becomes huge and falls out with the codes past the table.
    if (static_cast<unsigned>(key) >= static_cast<unsigned>(KeyCount)) return;
    if (action != platform::Press && action != platform::Release) return;  // repeats change nothing
    if (action == platform::Press && raw.keysTaken && raw.keysTaken(key)) return;
    const auto k = static_cast<std::size_t>(key);
    if (action == platform::Press && raw.keys[k] != platform::Press) raw.keyPressLatched[k] = true;
    raw.keys[k] = action;
}

void MouseButtonCallback(GLFWwindow* window, int button, int action, int mods) {
    Backend& raw = MutableBackend();
    if (raw.previousMouseButton) raw.previousMouseButton(window, button, action, mods);
    if (static_cast<unsigned>(button) >= static_cast<unsigned>(MouseButtonCount)) return;
    if (action != platform::Press && action != platform::Release) return;
    if (action == platform::Press && raw.pointerTaken && raw.pointerTaken()) return;
    const auto b = static_cast<std::size_t>(button);
    if (action == platform::Press && raw.mouseButtons[b] != platform::Press) raw.mouseButtonPressLatched[b] = true;
    raw.mouseButtons[b] = action;
}

void WindowFocusCallback(GLFWwindow* window, int focused) {
    Backend& raw = MutableBackend();
    if (raw.previousFocus) raw.previousFocus(window, focused);
    util::SetCursorCaptured(window, focused != 0);
    const bool unfocused = !focused;
    if (unfocused == raw.unfocusedOffset) return;
    raw.unfocusedOffset = unfocused;
    ShiftMasterVolume(raw.registry, unfocused ? -FocusVolumeOffset : FocusVolumeOffset);
}

void WindowIconifyCallback(GLFWwindow* window, int iconified) {
    Backend& raw = MutableBackend();
    if (raw.previousIconify) raw.previousIconify(window, iconified);
    const bool minimised = iconified != 0;
    if (minimised == raw.minimisedOffset) return;
    raw.minimisedOffset = minimised;
    ShiftMasterVolume(raw.registry, minimised ? -FocusVolumeOffset : FocusVolumeOffset);
}

void GamepadConnectionCallback(int connected) {
    Backend& raw = MutableBackend();
    if (connected) {
        raw.gamepadPresent = true;
        return;
    }
    if (raw.gamepadPresent) ++raw.gamepadDisconnects;
    raw.gamepadPresent = false;
    raw.gamepad.fill(platform::Release);
    raw.stick = {0.0f, 0.0f};
}

void GamepadButtonCallback(int button, int action) {
    if (static_cast<unsigned>(button) >= static_cast<unsigned>(GamepadButtonCount)) return;
    if (action != platform::Press && action != platform::Release) return;
    SetGamepadEntry(MutableBackend(), button, action == platform::Press);
}

void GamepadAxisCallback(int axis, float value) {
    if (axis != platform::GamepadAxisLeftX && axis != platform::GamepadAxisLeftY) return;
    if (!std::isfinite(value)) value = 0.0f;
    Backend& raw = MutableBackend();
    raw.stick[static_cast<std::size_t>(axis)] = value;
    // x: left is negative; y: GLFW reports up as negative.
    const int negative = axis == platform::GamepadAxisLeftX ? StickLeft : StickUp;
    const int positive = axis == platform::GamepadAxisLeftX ? StickRight : StickDown;
    for (const auto& [entry, push] : {std::pair{negative, -value}, std::pair{positive, value}}) {
        const int e = entry - GamepadButtonBase;
        SetGamepadEntry(raw, e, StickDirectionDown(raw.gamepad[static_cast<std::size_t>(e)] == platform::Press, push));
    }
}

singleton::Input& EnsureInput(Registry& registry) {
    auto& singletons = registry.singletons;
    if (singletons.has<singleton::Input>()) return singletons.get<singleton::Input>();
    GLFWwindow* window = util::GetOrCreateWindow(singletons).window;
    singleton::Input& table = singletons.set(singleton::Input{});
    Backend& raw = MutableBackend();
    raw.registry = &registry;
    if (window) {
        Listen(raw.windowListener, platform::MaskOf(platform::EventKind::Focus, platform::EventKind::Iconify),
               [window](const platform::Event& e) {
                   if (e.kind == platform::EventKind::Focus) WindowFocusCallback(window, e.i[0]);
                   else WindowIconifyCallback(window, e.i[0]);
               });
    }
    return table;
}

void UpdateKeyTable(singleton::Input& table, Backend& raw) noexcept {
    auto next = [](std::int32_t old, int rawValue, bool& latched) -> std::int32_t {
        // A release and a new press within one poll is a new press too, not a continued hold.
        if (latched) {
            latched = false;
            return Pressed;
        }
        if (rawValue == platform::Press) return (old == Pressed || old == Held) ? Held : Pressed;
        return Up;
    };
    for (int key = 0; key < KeyCount; ++key)
        table.Keys[key] = next(table.Keys[key], raw.keys[key], raw.keyPressLatched[key]);
    for (int button = 0; button < MouseButtonCount; ++button) {
        auto& entry = table.Keys[MouseButtonBase + button];
        entry = next(entry, raw.mouseButtons[button], raw.mouseButtonPressLatched[button]);
    }
    for (int e = 0; e < GamepadEntryCount; ++e) {
        auto& entry = table.Keys[GamepadButtonBase + e];
        entry = next(entry, raw.gamepad[e], raw.gamepadPressLatched[e]);
    }
}

bool AltF4Down(const Backend& raw) {
    auto down = [&raw](int key) {
        if (raw.window) return KeyDown(raw.window, key);
        return raw.keys[static_cast<std::size_t>(key)] == platform::Press;
    };
    return (down(platform::KeyLeftAlt) || down(platform::KeyRightAlt)) && down(platform::KeyF4);
}

}  // namespace velkor::input

namespace velkor::system {

void Input::Init(Registry& registry) {
    auto& singletons = registry.singletons;
    GLFWwindow* window = util::GetOrCreateWindow(singletons).window;
    input::EnsureInput(registry);
    if (!singletons.has<singleton::WinSystem>()) singletons.set(singleton::WinSystem{});
    input::Backend& raw = input::GetBackend();
    if (window) {
        // After the developer-tool host's listener, as its callbacks were installed before ours.
        input::Listen(raw.keyListener, platform::MaskOf(platform::EventKind::Key, platform::EventKind::MouseButton),
                      [window](const platform::Event& e) {
                          if (e.kind == platform::EventKind::Key)
                              input::KeyCallback(window, e.i[0], e.i[1], e.i[2], e.i[3]);
                          else
                              input::MouseButtonCallback(window, e.i[0], e.i[1], e.i[2]);
                      });
        util::KeepShortKeyPresses(window);
    }
    raw.window = window;
    input::SetGamepadCallbacks({&input::GamepadConnectionCallback, &input::GamepadButtonCallback, &input::GamepadAxisCallback});
    if (window) input::LoadGamepadMappings();
    auto& saved = singletons.get<singleton::WinSystem>();
    platform::ReadAccessibilityKeys(saved);
    platform::SuppressAccessibilityShortcuts(saved);
}

void Input::Update(float, Registry& registry) {
    auto& singletons = registry.singletons;
    input::Backend& raw = input::GetBackend();
    input::UpdateKeyTable(singletons.get<singleton::Input>(), raw);
    if (input::AltF4Down(raw)) singletons.mark_present<singleton::Running>().Value = false;
}

void Input::Shutdown(Registry& registry) {
    auto& singletons = registry.singletons;
    if (singletons.has<singleton::WinSystem>()) {
        platform::RestoreAccessibilityKeys(singletons.get<singleton::WinSystem>());
        singletons.remove<singleton::WinSystem>();
    }
    singletons.remove<singleton::Input>();
    input::SetGamepadCallbacks({});
    input::ResetBackend();
}

}  // namespace velkor::system
