// The window's events as one queue of plain records.
//
// The platform layer installs GLFW's callbacks on the game window once, when it opens the window,
// and turns every callback into an Event. During an event poll (PollWindowEvents, and the input
// source's poll around it, platform/input_source.hpp) the events are queued, not delivered: the
// source may log them (a recording) or replace them (a replay), and DispatchEvents then hands each
// queued event, in order, to the listeners of its kind in the order they subscribed. An event that
// arrives outside a poll (some window systems report a mode change at once) is delivered at once.
// Only kinds that somebody listens to are queued, so a recording holds what the game heard.
//
// Listeners belong to the window: closing it forgets them all. Gamepad 1's events come from the
// input source, which queues them beside the window's and whose gamepad callbacks receive them.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

struct GLFWwindow;

namespace velkor::platform {

// The numbers are those recordings store (tools/recording.hpp): do not renumber.
enum class EventKind : std::uint8_t {
    Key = 1,  // i: key, scancode, action, mods
    Char = 2,  // i: codepoint
    MouseButton = 3,  // i: button, action, mods
    CursorPosition = 4,  // v: x, y
    CursorEnter = 5,  // i: entered
    Scroll = 6,  // v: x offset, y offset
    Focus = 7,  // i: focused
    Iconify = 8,  // i: iconified
    Maximize = 9,  // i: maximized
    FramebufferSize = 10,  // i: width, height
    WindowSize = 11,  // i: width, height
    WindowPosition = 12,  // i: x, y
    Close = 13,  // (nothing)
    GamepadConnection = 14,  // i: connected
    GamepadButton = 15,  // i: button, action
    GamepadAxis = 16,  // i: axis; v: value
};
inline constexpr int LastEventKind = 16;

struct Event {
    EventKind kind = EventKind::Close;
    std::int32_t i[4] = {0, 0, 0, 0};
    double v[2] = {0.0, 0.0};
};

[[nodiscard]] constexpr bool IsGamepadEvent(EventKind kind) noexcept {
    return kind == EventKind::GamepadConnection || kind == EventKind::GamepadButton || kind == EventKind::GamepadAxis;
}

// A set of kinds, one bit per kind number.
using EventMask = std::uint32_t;
[[nodiscard]] constexpr EventMask MaskOf(EventKind kind) noexcept { return EventMask{1} << static_cast<unsigned>(kind); }
template <class... Kinds>
[[nodiscard]] constexpr EventMask MaskOf(EventKind first, Kinds... rest) noexcept {
    return MaskOf(first) | MaskOf(rest...);
}

using Listener = std::function<void(const Event&)>;
using ListenerId = std::uint64_t;  // 0 is never a listener

// Adds a listener of the kinds in `kinds`, after every listener already there. Unsubscribing an
// id that is gone (its window was closed) does nothing.
ListenerId Subscribe(EventMask kinds, Listener listener);
void Unsubscribe(ListenerId id) noexcept;
[[nodiscard]] bool Listening(ListenerId id) noexcept;
// Forgets every listener (the window is closing).
void ForgetListeners() noexcept;
// True when a listener (or, for gamepad kinds, the input source's gamepad callback) wants `kind`.
[[nodiscard]] bool Heard(EventKind kind) noexcept;

// One event from the window system or a gamepad: queued during a poll, otherwise delivered now.
// A kind nobody hears is dropped.
void Arrive(const Event& event);
// Puts an event in the queue whatever its kind (a replay's recorded events).
void QueueEvent(const Event& event);
// The events queued since the last dispatch, in order.
[[nodiscard]] const std::vector<Event>& QueuedEvents() noexcept;
// Delivers the queued events in order and empties the queue.
void DispatchEvents();
// Empties the queue unheard (a replay drops the real window's events).
void DiscardEvents() noexcept;

// Installs the callbacks that turn the window's GLFW events into Events (the window's opening).
void ListenToWindow(GLFWwindow* window);

// Lets the window system report what arrived since the last poll: the events are queued.
void PollWindowEvents();

}  // namespace velkor::platform
