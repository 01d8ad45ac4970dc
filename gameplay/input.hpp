// Input: the keyboard, the mouse and gamepad 1 as one table of key states, plus the window-level
// input matters.
//
// Implemented here:
//  - the raw key and mouse-button tables, written only by the window's events as they are
//    dispatched after the frame's event poll (platform/events.hpp);
//  - the `Input` singleton (376 states with a one-update Pressed edge), rebuilt once per frame from
//    the raw tables by the `Input` system, which also quits on Alt+F4 (either Alt key);
//  - gamepad 1's buttons and its left stick's four directions (read as buttons through a dead zone
//    with hysteresis), delivered as events by the input source (platform/input_source.hpp), and
//    extra gamepad mappings from "Data/gamecontrollerdb.txt" when that file is present;
//  - focus and iconify handling: the cursor is captured while the window has focus, and every
//    sound is silenced (master group offset -5) while the window is unfocused or minimised;
//  - the accessibility shortcuts (sticky, toggle, filter keys) switched off for the life of the
//    game, through the platform layer in platform/accessibility.hpp.
// Not here: per-entity key bindings (gameplay/keyboard_input.hpp), finding the gamepad and reading
// it (the input source).
//
// The Input system listens to the window's key and mouse-button events, the ensure step to its
// focus and iconify events; the developer-tool host listens to the same queue, so neither side
// loses events.
#pragma once

#include <array>
#include <cstdint>

#include <glm/vec2.hpp>

#include "engine/system.hpp"

struct GLFWwindow;

namespace velkor::component {

// An entity's movement intent, written each frame by the KeyboardInput system from its bindings.
struct Input {
    glm::vec2 Direction{0.0f, 0.0f};  // last horizontal direction asked for: x is -1, +1 or 0 (both)
    bool Moving = false;  // a Left or Right binding is down this frame
    bool Jump = false;  // a Jump binding is down (pressed or held)
    bool Dash = false;  // a Dash binding is down (pressed or held)
};

}  // namespace velkor::component

namespace velkor::input {

// Entries 0..348 are GLFW key codes; 349 + n is mouse button n (349 left, 350 right, 351 middle);
// 357 + n is gamepad 1's button n in GLFW's gamepad layout (357 south ... 371 d-pad left); 372 to
// 375 are the left stick pushed left, right, up and down.
inline constexpr int KeyCount = 349;
inline constexpr int MouseButtonCount = 8;
inline constexpr int MouseButtonBase = KeyCount;
inline constexpr int GamepadButtonCount = 15;
inline constexpr int GamepadButtonBase = MouseButtonBase + MouseButtonCount;  // 357
inline constexpr int StickDirectionCount = 4;
inline constexpr int StickBase = GamepadButtonBase + GamepadButtonCount;  // 372
inline constexpr int GamepadEntryCount = GamepadButtonCount + StickDirectionCount;
inline constexpr int TableSize = StickBase + StickDirectionCount;  // 376
// The entries a keyboard-and-mouse game had before gamepads: replays hash these as they always did.
inline constexpr int KeyboardMouseEntries = GamepadButtonBase;

inline constexpr int MouseLeft = MouseButtonBase + 0;
inline constexpr int MouseRight = MouseButtonBase + 1;

inline constexpr int PadSouth = GamepadButtonBase + 0;  // A, cross
inline constexpr int PadEast = GamepadButtonBase + 1;  // B, circle
inline constexpr int PadWest = GamepadButtonBase + 2;  // X, square
inline constexpr int PadNorth = GamepadButtonBase + 3;  // Y, triangle
inline constexpr int PadLeftBumper = GamepadButtonBase + 4;
inline constexpr int PadRightBumper = GamepadButtonBase + 5;
inline constexpr int PadBack = GamepadButtonBase + 6;
inline constexpr int PadStart = GamepadButtonBase + 7;
inline constexpr int PadGuide = GamepadButtonBase + 8;
inline constexpr int PadLeftThumb = GamepadButtonBase + 9;
inline constexpr int PadRightThumb = GamepadButtonBase + 10;
inline constexpr int PadUp = GamepadButtonBase + 11;
inline constexpr int PadRight = GamepadButtonBase + 12;
inline constexpr int PadDown = GamepadButtonBase + 13;
inline constexpr int PadLeft = GamepadButtonBase + 14;
inline constexpr int StickLeft = StickBase + 0;
inline constexpr int StickRight = StickBase + 1;
inline constexpr int StickUp = StickBase + 2;
inline constexpr int StickDown = StickBase + 3;

// The left stick's directions: one goes down when the stick is pushed StickPress or further that
// way, and comes up only when it is back inside StickRelease. Inside StickRelease is the dead zone
// (a resting stick, even a worn one, reads nothing); the gap between the two keeps a stick held
// near a threshold from flickering.
inline constexpr float StickPress = 0.5f;
inline constexpr float StickRelease = 0.3f;

// Where the game looks for extra gamepad mappings (SDL's text format, one gamepad per line).
inline constexpr const char* GamepadMappingsPath = "Data/gamecontrollerdb.txt";

// States of one table entry. Consumers read 1 as "pressed this frame" and non-zero as "down".
enum KeyState : std::int32_t {
    Up = 0,  // not down
    Pressed = 1,  // down now, not down at the previous input update
    Held = 2,  // down now and at the previous input update
};

// Process-wide state of the window side: what the events wrote since the last update, the window
// they come from, the registry the focus events act on, and our listeners. One game, one window:
// this is the only file-level state of the input layer.
struct Backend {
    std::array<int, KeyCount> keys{};  // platform::Release (0) or platform::Press (1) per key code
    std::array<int, MouseButtonCount> mouseButtons{};
    // A press that arrived since the last input update. A tap shorter than one event poll leaves
    // the raw value back at release by the time the table is updated; the latch keeps its press.
    std::array<bool, KeyCount> keyPressLatched{};
    std::array<bool, MouseButtonCount> mouseButtonPressLatched{};
    // Gamepad 1 as the input source reported it: buttons then stick directions, released or
    // pressed each, with the same latch; the stick's last x and y (y grows downwards).
    std::array<int, GamepadEntryCount> gamepad{};
    std::array<bool, GamepadEntryCount> gamepadPressLatched{};
    std::array<float, 2> stick{};
    bool gamepadPresent = false;
    // Counts the losses of gamepad 1, so that a level sees every one even when the gamepad comes
    // back within the same poll.
    std::uint32_t gamepadDisconnects = 0;
    GLFWwindow* window = nullptr;  // kept for direct polling (Alt+F4)
    Registry* registry = nullptr;  // where the focus and iconify callbacks find the audio state
    // Whether the unfocused and the minimised offsets are applied now. Window systems also send
    // a focus-gained event when the window first appears, and may repeat events; only a real
    // change of state moves the volume, so the offsets always cancel out.
    bool unfocusedOffset = false;
    bool minimisedOffset = false;
    // Our listeners (platform/events.hpp): key and mouse button (the Input system), focus and
    // iconify (the ensure step); 0 while not listening.
    std::uint64_t keyListener = 0;
    std::uint64_t windowListener = 0;
    // Handlers that see each event before the table does, whatever the table makes of it.
    void (*previousKey)(GLFWwindow*, int, int, int, int) = nullptr;
    void (*previousMouseButton)(GLFWwindow*, int, int, int) = nullptr;
    void (*previousFocus)(GLFWwindow*, int) = nullptr;
    void (*previousIconify)(GLFWwindow*, int) = nullptr;
    // Set by a tool drawn over the game (the developer overlay): true while it takes the pointer,
    // and then a press is its own, not the game's. Releases always count, so no button sticks.
    bool (*pointerTaken)() = nullptr;
    // The same for the keyboard, asked per key: a press of a taken key is the tool's, not the game's.
    bool (*keysTaken)(int key) = nullptr;
};

[[nodiscard]] Backend& GetBackend() noexcept;

// Forgets every raw key and button and stops listening (tests, and a restart).
void ResetBackend() noexcept;

// What the window's events do. Events for key codes outside 0..348 (the unknown key, -1, included), key repeats and
// mouse actions other than press and release change nothing.
void KeyCallback(GLFWwindow* window, int key, int scancode, int action, int mods);
void MouseButtonCallback(GLFWwindow* window, int button, int action, int mods);
// Focus gained: cursor captured, master volume offset +5. Focus lost: cursor released, -5.
// The offset moves only when the state changes (a first focus-gained event adds nothing).
void WindowFocusCallback(GLFWwindow* window, int focused);
// Minimised: master volume offset -5; restored: +5 (again only on a change).
void WindowIconifyCallback(GLFWwindow* window, int iconified);
// Gamepad 1's events, as the input source delivers them. A disconnect releases every gamepad entry
// (nothing stays held with no gamepad to let go of it). Buttons outside 0..14, axes other than the
// left stick's (0 x, 1 y) and actions other than press and release change nothing; a value that is
// not a number reads as the centre.
void GamepadConnectionCallback(int connected);
void GamepadButtonCallback(int button, int action);
void GamepadAxisCallback(int axis, float value);

// The master group's volume offset applied while the window is unfocused and again while minimised.
inline constexpr float FocusVolumeOffset = 5.0f;

}  // namespace velkor::input

namespace velkor::singleton {

// This frame's state of every key and mouse button, indexed as described in velkor::input.
struct Input {
    std::array<std::int32_t, input::TableSize> Keys{};

    [[nodiscard]] bool IsPressed(int entry) const noexcept { return InRange(entry) && Keys[entry] == input::Pressed; }
    [[nodiscard]] bool IsDown(int entry) const noexcept { return InRange(entry) && Keys[entry] != input::Up; }

private:
    static constexpr bool InRange(int entry) noexcept { return entry >= 0 && entry < input::TableSize; }
};

}  // namespace velkor::singleton

namespace velkor::input {

// Makes sure the Input singleton exists: if absent, ensures the game window, creates the table
// with every entry Up, marks it present and installs the focus and iconify callbacks. Shared by
// the Input and KeyboardInput systems, the cheat codes and the main menu.
singleton::Input& EnsureInput(Registry& registry);

// One input update: an entry that was pressed since the last update (even if already released
// again) becomes Pressed; otherwise Held if it was Pressed or Held and its raw value is still
// down, else Up. A tap within one poll therefore reads Pressed once, then Up. Consumes the latches.
void UpdateKeyTable(singleton::Input& table, Backend& raw) noexcept;

// True when either Alt key and F4 are down now. Polls the window directly when there is one (its
// sticky-keys mode keeps a short tap visible until polled); without one, the raw table decides.
[[nodiscard]] bool AltF4Down(const Backend& raw);

}  // namespace velkor::input

namespace velkor::system {

class Input final : public iSystem {
public:
    void Init(Registry& registry) override;
    void Update(float dt, Registry& registry) override;
    void Shutdown(Registry& registry) override;
};

}  // namespace velkor::system
