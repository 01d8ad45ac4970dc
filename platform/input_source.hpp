// Where the game takes its outside world from: the window system, or a recording of it.
//
// Everything that enters the simulation from outside the process passes through one Source: the
// window's events and gamepad 1's changes (queued during the frame's event poll, then dispatched to
// their listeners, platform/events.hpp), the few direct polls of window state, and the seed of the
// C random generator. The frame time is the
// other outside input; the engine loop takes it from its frame driver (engine/engine.hpp).
//
// Game code never polls the window system itself, nor seeds the random generator from the clock:
// it calls the functions below, so that a recorder can log what the game read and a replay can
// hand the same values back in the same order. Drawing, window modes and the developer-tool host
// go to the window directly (platform/window.hpp): they send things out and read nothing the
// simulation depends on.
#pragma once

#include <array>
#include <cstdint>

#include <glm/vec2.hpp>

#include "platform/events.hpp"

struct GLFWwindow;

namespace velkor::input {

// Gamepad 1 is the first present joystick that has a gamepad mapping. GLFW only lets a gamepad be
// polled, so the live source reads it once per poll and queues what changed as events, which the
// dispatch hands to these callbacks: the connection (1 connected, 0 gone), a button (GLFW gamepad button number, GLFW_PRESS
// or GLFW_RELEASE) and the left stick's axes (0 x, 1 y; -1..1). Other axes are not reported.
struct GamepadCallbacks {
    void (*connection)(int connected) = nullptr;
    void (*button)(int button, int action) = nullptr;
    void (*axis)(int axis, float value) = nullptr;
};

// Installs the gamepad callbacks and returns the ones installed before.
GamepadCallbacks SetGamepadCallbacks(const GamepadCallbacks& callbacks) noexcept;
[[nodiscard]] const GamepadCallbacks& InstalledGamepadCallbacks() noexcept;

class Source {
public:
    virtual ~Source() = default;

    // Queues the window events that arrived since the last poll, and gamepad 1's changes
    // (platform/events.hpp); the caller dispatches them.
    virtual void PollEvents(GLFWwindow* window) = 0;
    // The direct polls: whether a key is down now (GLFW's sticky-keys rules apply), the pointer
    // position and the client size in window coordinates, and whether closing was requested.
    virtual bool KeyDown(GLFWwindow* window, int key) = 0;
    virtual glm::dvec2 CursorPosition(GLFWwindow* window) = 0;
    virtual glm::ivec2 WindowSize(GLFWwindow* window) = 0;
    virtual bool CloseRequested(GLFWwindow* window) = 0;
    // The random generator's seed, set once, when the camera-follow system starts.
    virtual unsigned RandomSeed() = 0;
};

// The window system itself, and the wall-clock time as the seed.
class LiveSource final : public Source {
public:
    LiveSource() = default;
    LiveSource(const LiveSource&) = delete;
    LiveSource& operator=(const LiveSource&) = delete;

    void PollEvents(GLFWwindow* window) override;
    bool KeyDown(GLFWwindow* window, int key) override;
    glm::dvec2 CursorPosition(GLFWwindow* window) override;
    glm::ivec2 WindowSize(GLFWwindow* window) override;
    bool CloseRequested(GLFWwindow* window) override;
    unsigned RandomSeed() override;

private:
    void PollGamepad();
    void Disconnect();

    int joystick_ = -1;  // GLFW joystick id of gamepad 1; -1: none
    std::uint64_t joystickChanges_ = ~0ull;  // the joystick-callback count at the last search
    std::array<unsigned char, 15> buttons_{};  // as last reported
    std::array<float, 2> stick_{};
};

// The source in use; the live one unless a recorder or a replay has installed itself.
[[nodiscard]] Source& CurrentSource() noexcept;
// Installs a source (nullptr: back to the live one). The caller keeps ownership and uninstalls
// it before destroying it.
void SetSource(Source* source) noexcept;

// Shorthands for the current source, for the code that reads the outside world.
// The frame's event poll: the source queues, then every queued event reaches its listeners.
inline void PollEvents(GLFWwindow* window) {
    CurrentSource().PollEvents(window);
    platform::DispatchEvents();
}
[[nodiscard]] inline bool KeyDown(GLFWwindow* window, int key) { return CurrentSource().KeyDown(window, key); }
[[nodiscard]] inline glm::dvec2 CursorPosition(GLFWwindow* window) { return CurrentSource().CursorPosition(window); }
[[nodiscard]] inline glm::ivec2 WindowSize(GLFWwindow* window) { return CurrentSource().WindowSize(window); }
[[nodiscard]] inline bool CloseRequested(GLFWwindow* window) { return CurrentSource().CloseRequested(window); }
[[nodiscard]] inline unsigned RandomSeed() { return CurrentSource().RandomSeed(); }

}  // namespace velkor::input
