#include "platform/input_source.hpp"

#include <ctime>

#include <GLFW/glfw3.h>

namespace velkor::input {

namespace {

LiveSource& Live() noexcept {
    static LiveSource live;
    return live;
}

Source*& Installed() noexcept {
    static Source* installed = nullptr;
    return installed;
}

GamepadCallbacks& Gamepad() noexcept {
    static GamepadCallbacks callbacks;
    return callbacks;
}

// GLFW reports joysticks coming and going through one process-wide callback, during the event poll.
std::uint64_t& JoystickChanges() noexcept {
    static std::uint64_t changes = 0;
    return changes;
}

void JoystickCallback(int, int) { ++JoystickChanges(); }

// Gamepad changes join the window's events in the queue, behind them, if somebody hears them.
void Report(const platform::Event& event) {
    if (platform::Heard(event.kind)) platform::QueueEvent(event);
}

}  // namespace

GamepadCallbacks SetGamepadCallbacks(const GamepadCallbacks& callbacks) noexcept {
    const GamepadCallbacks previous = Gamepad();
    Gamepad() = callbacks;
    return previous;
}

const GamepadCallbacks& InstalledGamepadCallbacks() noexcept { return Gamepad(); }

void LiveSource::PollEvents(GLFWwindow* window) {
    platform::PollWindowEvents();
    if (window) PollGamepad();  // no window, no GLFW to ask (tools and tests)
}

void LiveSource::Disconnect() {
    joystick_ = -1;
    buttons_.fill(GLFW_RELEASE);
    stick_ = {0.0f, 0.0f};
    Report({platform::EventKind::GamepadConnection, {0, 0, 0, 0}, {}});
}

void LiveSource::PollGamepad() {
    // Set on every poll: GLFW forgets it when it is terminated and initialised again.
    glfwSetJoystickCallback(&JoystickCallback);
    if (joystickChanges_ != JoystickChanges()) {
        // Searched at the first poll and after every joystick event, not every frame.
        joystickChanges_ = JoystickChanges();
        int found = -1;
        for (int jid = GLFW_JOYSTICK_1; jid <= GLFW_JOYSTICK_LAST && found < 0; ++jid)
            if (glfwJoystickIsGamepad(jid)) found = jid;
        if (found != joystick_) {
            if (joystick_ >= 0) Disconnect();
            joystick_ = found;
            if (found >= 0) Report({platform::EventKind::GamepadConnection, {1, 0, 0, 0}, {}});
        }
    }
    if (joystick_ < 0) return;
    GLFWgamepadstate state;
    if (!glfwGetGamepadState(joystick_, &state)) {
        Disconnect();  // unplugged between the joystick event and now
        return;
    }
    for (int b = 0; b <= GLFW_GAMEPAD_BUTTON_LAST; ++b) {
        const auto i = static_cast<std::size_t>(b);
        if (state.buttons[i] == buttons_[i]) continue;
        buttons_[i] = state.buttons[i];
        Report({platform::EventKind::GamepadButton, {b, state.buttons[i], 0, 0}, {}});
    }
    for (int a : {GLFW_GAMEPAD_AXIS_LEFT_X, GLFW_GAMEPAD_AXIS_LEFT_Y}) {
        const auto i = static_cast<std::size_t>(a);
        if (state.axes[i] == stick_[i]) continue;
        stick_[i] = state.axes[i];
        Report({platform::EventKind::GamepadAxis, {a, 0, 0, 0}, {state.axes[i], 0.0}});
    }
}

bool LiveSource::KeyDown(GLFWwindow* window, int key) { return window && glfwGetKey(window, key) == GLFW_PRESS; }

glm::dvec2 LiveSource::CursorPosition(GLFWwindow* window) {
    glm::dvec2 position{0.0, 0.0};
    if (window) glfwGetCursorPos(window, &position.x, &position.y);
    return position;
}

glm::ivec2 LiveSource::WindowSize(GLFWwindow* window) {
    glm::ivec2 size{0, 0};
    if (window) glfwGetWindowSize(window, &size.x, &size.y);
    return size;
}

bool LiveSource::CloseRequested(GLFWwindow* window) { return window && glfwWindowShouldClose(window); }

unsigned LiveSource::RandomSeed() { return static_cast<unsigned>(std::time(nullptr)); }

Source& CurrentSource() noexcept {
    Source* installed = Installed();
    return installed ? *installed : Live();
}

void SetSource(Source* source) noexcept { Installed() = source; }

}  // namespace velkor::input
