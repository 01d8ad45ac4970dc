#include "platform/events.hpp"

#include <utility>

#include <GLFW/glfw3.h>

#include "platform/input_source.hpp"
#include "platform/keys.hpp"

static_assert(velkor::platform::Release == GLFW_RELEASE && velkor::platform::Press == GLFW_PRESS &&
              velkor::platform::Repeat == GLFW_REPEAT);
static_assert(velkor::platform::KeyUnknown == GLFW_KEY_UNKNOWN && velkor::platform::KeySpace == GLFW_KEY_SPACE &&
              velkor::platform::Key0 == GLFW_KEY_0 && velkor::platform::KeyA == GLFW_KEY_A &&
              velkor::platform::KeyEscape == GLFW_KEY_ESCAPE && velkor::platform::KeyEnter == GLFW_KEY_ENTER &&
              velkor::platform::KeyTab == GLFW_KEY_TAB && velkor::platform::KeyRight == GLFW_KEY_RIGHT &&
              velkor::platform::KeyLeft == GLFW_KEY_LEFT && velkor::platform::KeyDown == GLFW_KEY_DOWN &&
              velkor::platform::KeyUp == GLFW_KEY_UP && velkor::platform::KeyF1 == GLFW_KEY_F1 &&
              velkor::platform::KeyF4 == GLFW_KEY_F4 && velkor::platform::KeyF11 == GLFW_KEY_F11 &&
              velkor::platform::KeyKeypadEnter == GLFW_KEY_KP_ENTER &&
              velkor::platform::KeyLeftShift == GLFW_KEY_LEFT_SHIFT &&
              velkor::platform::KeyLeftControl == GLFW_KEY_LEFT_CONTROL &&
              velkor::platform::KeyLeftAlt == GLFW_KEY_LEFT_ALT && velkor::platform::KeyRightAlt == GLFW_KEY_RIGHT_ALT &&
              velkor::platform::KeyLast == GLFW_KEY_LAST);
static_assert(velkor::platform::MouseButtonLast == GLFW_MOUSE_BUTTON_LAST &&
              velkor::platform::GamepadButtonLast == GLFW_GAMEPAD_BUTTON_LAST &&
              velkor::platform::GamepadDpadLeft == GLFW_GAMEPAD_BUTTON_DPAD_LEFT &&
              velkor::platform::GamepadAxisLeftX == GLFW_GAMEPAD_AXIS_LEFT_X &&
              velkor::platform::GamepadAxisLeftY == GLFW_GAMEPAD_AXIS_LEFT_Y);

namespace velkor::platform {

namespace {

struct Subscription {
    ListenerId id = 0;
    EventMask kinds = 0;  // 0 once unsubscribed
    Listener listener;
};

// Process-wide, like the callbacks GLFW keeps per window: one game, one window.
struct Hub {
    std::vector<Subscription> listeners;
    ListenerId lastId = 0;
    std::vector<Event> queue;
    std::vector<Event> delivering;  // the queue being dispatched (kept for its capacity)
    int polling = 0;  // inside PollWindowEvents: events are queued
    int dispatching = 0;  // listeners are being walked: unsubscribing only marks them
};

Hub& TheHub() noexcept {
    static Hub hub;
    return hub;
}

void Deliver(const Event& event) {
    Hub& hub = TheHub();
    if (IsGamepadEvent(event.kind)) {
        const input::GamepadCallbacks& gamepad = input::InstalledGamepadCallbacks();
        switch (event.kind) {
        case EventKind::GamepadConnection:
            if (gamepad.connection) gamepad.connection(event.i[0]);
            break;
        case EventKind::GamepadButton:
            if (gamepad.button) gamepad.button(event.i[0], event.i[1]);
            break;
        default:
            if (gamepad.axis) gamepad.axis(event.i[0], static_cast<float>(event.v[0]));
            break;
        }
    }
    const EventMask bit = MaskOf(event.kind);
    ++hub.dispatching;
    // By index: a listener may subscribe another (appended, and it hears this event too, as a
    // callback installed during a poll would).
    for (std::size_t n = 0; n < hub.listeners.size(); ++n) {
        if (!(hub.listeners[n].kinds & bit)) continue;
        const Listener listener = hub.listeners[n].listener;  // a copy: the list may grow meanwhile
        listener(event);
    }
    --hub.dispatching;
}

// GLFW's callbacks on the game window, one per kind.
void OnKey(GLFWwindow*, int key, int scancode, int action, int mods) {
    Arrive({EventKind::Key, {key, scancode, action, mods}, {}});
}
void OnChar(GLFWwindow*, unsigned codepoint) {
    Arrive({EventKind::Char, {static_cast<std::int32_t>(codepoint), 0, 0, 0}, {}});
}
void OnMouseButton(GLFWwindow*, int button, int action, int mods) {
    Arrive({EventKind::MouseButton, {button, action, mods, 0}, {}});
}
void OnCursorPosition(GLFWwindow*, double x, double y) { Arrive({EventKind::CursorPosition, {}, {x, y}}); }
void OnCursorEnter(GLFWwindow*, int entered) { Arrive({EventKind::CursorEnter, {entered, 0, 0, 0}, {}}); }
void OnScroll(GLFWwindow*, double x, double y) { Arrive({EventKind::Scroll, {}, {x, y}}); }
void OnFocus(GLFWwindow*, int focused) { Arrive({EventKind::Focus, {focused, 0, 0, 0}, {}}); }
void OnIconify(GLFWwindow*, int iconified) { Arrive({EventKind::Iconify, {iconified, 0, 0, 0}, {}}); }
void OnMaximize(GLFWwindow*, int maximized) { Arrive({EventKind::Maximize, {maximized, 0, 0, 0}, {}}); }
void OnFramebufferSize(GLFWwindow*, int width, int height) {
    Arrive({EventKind::FramebufferSize, {width, height, 0, 0}, {}});
}
void OnWindowSize(GLFWwindow*, int width, int height) { Arrive({EventKind::WindowSize, {width, height, 0, 0}, {}}); }
void OnWindowPosition(GLFWwindow*, int x, int y) { Arrive({EventKind::WindowPosition, {x, y, 0, 0}, {}}); }
void OnClose(GLFWwindow*) { Arrive({EventKind::Close, {}, {}}); }

}  // namespace

ListenerId Subscribe(EventMask kinds, Listener listener) {
    Hub& hub = TheHub();
    if (!hub.dispatching) {
        std::erase_if(hub.listeners, [](const Subscription& s) { return s.kinds == 0; });
    }
    hub.listeners.push_back({++hub.lastId, kinds, std::move(listener)});
    return hub.lastId;
}

void Unsubscribe(ListenerId id) noexcept {
    for (Subscription& s : TheHub().listeners) {
        if (s.id != id) continue;
        s.kinds = 0;  // erased at the next subscription outside a dispatch
        return;
    }
}

bool Listening(ListenerId id) noexcept {
    for (const Subscription& s : TheHub().listeners)
        if (s.id == id) return s.kinds != 0;
    return false;
}

void ForgetListeners() noexcept {
    for (Subscription& s : TheHub().listeners) s.kinds = 0;
}

bool Heard(EventKind kind) noexcept {
    if (IsGamepadEvent(kind)) {
        const input::GamepadCallbacks& gamepad = input::InstalledGamepadCallbacks();
        if ((kind == EventKind::GamepadConnection && gamepad.connection) ||
            (kind == EventKind::GamepadButton && gamepad.button) || (kind == EventKind::GamepadAxis && gamepad.axis))
            return true;
    }
    const EventMask bit = MaskOf(kind);
    for (const Subscription& s : TheHub().listeners)
        if (s.kinds & bit) return true;
    return false;
}

void Arrive(const Event& event) {
    if (!Heard(event.kind)) return;
    if (TheHub().polling) return QueueEvent(event);
    Deliver(event);
}

void QueueEvent(const Event& event) { TheHub().queue.push_back(event); }

const std::vector<Event>& QueuedEvents() noexcept { return TheHub().queue; }

void DispatchEvents() {
    Hub& hub = TheHub();
    // Swapped out first: what a listener causes meanwhile is delivered at once, not queued here.
    std::vector<Event> events;
    events.swap(hub.delivering);
    events.swap(hub.queue);
    for (const Event& event : events) Deliver(event);
    events.clear();
    if (hub.delivering.empty()) events.swap(hub.delivering);
}

void DiscardEvents() noexcept { TheHub().queue.clear(); }

void ListenToWindow(GLFWwindow* window) {
    glfwSetKeyCallback(window, &OnKey);
    glfwSetCharCallback(window, &OnChar);
    glfwSetMouseButtonCallback(window, &OnMouseButton);
    glfwSetCursorPosCallback(window, &OnCursorPosition);
    glfwSetCursorEnterCallback(window, &OnCursorEnter);
    glfwSetScrollCallback(window, &OnScroll);
    glfwSetWindowFocusCallback(window, &OnFocus);
    glfwSetWindowIconifyCallback(window, &OnIconify);
    glfwSetWindowMaximizeCallback(window, &OnMaximize);
    glfwSetFramebufferSizeCallback(window, &OnFramebufferSize);
    glfwSetWindowSizeCallback(window, &OnWindowSize);
    glfwSetWindowPosCallback(window, &OnWindowPosition);
    glfwSetWindowCloseCallback(window, &OnClose);
}

void PollWindowEvents() {
    Hub& hub = TheHub();
    ++hub.polling;
    glfwPollEvents();
    --hub.polling;
}

}  // namespace velkor::platform
