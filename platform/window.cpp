#include "platform/window.hpp"

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include <glad/gl.h>
#include <GLFW/glfw3.h>

#include "engine/trace.hpp"
#include "platform/events.hpp"

namespace velkor::util {

struct WindowCloser {
    GLFWwindow* handle = nullptr;  // null once DestroyWindow has closed it
    ~WindowCloser() {
        if (!handle) return;
        platform::ForgetListeners();
        glfwDestroyWindow(handle);
        glfwTerminate();
    }
};


singleton::Window& GetOrCreateWindow(entity::singleton_registry& singletons) {
    if (singletons.has<singleton::Window>()) return singletons.get<singleton::Window>();

    // The first failure's own words: every later call only adds "not initialized".
    std::string why;
    const auto failed = [&why](const char* otherwise) {
        const char* reason = nullptr;
        if (!why.empty()) return;
        why = glfwGetError(&reason) != GLFW_NO_ERROR && reason ? reason : otherwise;
        // Windows' system messages end in a line break or a blank.
        while (!why.empty() && (why.back() == ' ' || why.back() == '\n' || why.back() == '\r')) why.pop_back();
    };
    if (!glfwInit()) failed("GLFW did not start");
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);

    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
    GLFWwindow* window = mode ? glfwCreateWindow(mode->width, mode->height, WindowTitle, nullptr, nullptr) : nullptr;
    if (!window) {
        failed(mode ? "no window" : "no monitor or video mode");
        Trace("GLFW: " + why + "\n");
        std::cout << "Failed to create GLFW window" << std::endl;
        // Whoever sees this has no other clue: say what the game asked for and what usually helps.
        std::cout << "The game needs a screen and an OpenGL 3.3 core profile driver (" << why
                  << "). Update the graphics driver; under Wine, start every program of the prefix with the same "
                     "DISPLAY, or end its wineserver (wineserver -k) and try again."
                  << std::endl;
        glfwTerminate();
        std::exit(-1);
    }
    glfwSetWindowMonitor(window, monitor, 0, 0, mode->width, mode->height, mode->refreshRate);
    glfwMakeContextCurrent(window);
    // Every window event becomes a queued Event (platform/events.hpp); the viewport is the first
    // listener, so it follows the framebuffer in replays too, as the recorded events say.
    platform::ForgetListeners();
    platform::ListenToWindow(window);
    platform::Subscribe(platform::MaskOf(platform::EventKind::FramebufferSize),
                        [](const platform::Event& e) { glViewport(0, 0, e.i[0], e.i[1]); });
    if (!gladLoadGL(glfwGetProcAddress)) {
        std::cout << "Failed to initialize GLAD" << std::endl;
        std::exit(-1);
    }
    // Some window systems deliver no size event for the initial full-screen switch.
    int width = 0, height = 0;
    glfwGetFramebufferSize(window, &width, &height);
    glViewport(0, 0, width, height);

    auto closer = std::make_shared<WindowCloser>();
    closer->handle = window;
    return singletons.set(singleton::Window{window, monitor, mode, 1920.0f, 1080.0f, {}, std::move(closer)});
}

void DestroyWindow(entity::singleton_registry& singletons) {
    if (!singletons.has<singleton::Window>()) return;
    auto& window = singletons.get<singleton::Window>();
    if (window.window) {
        MakeWindowContextCurrent(window);
        // Moved out first: a hook that destroys the window again finds nothing left to run.
        auto hooks = std::move(window.beforeDestroy);
        window.beforeDestroy.clear();
        for (auto& hook : hooks) {
            if (hook) hook();
        }
        platform::ForgetListeners();
        glfwDestroyWindow(window.window);
        window.window = nullptr;
        glfwTerminate();
    }
    if (window.closer) window.closer->handle = nullptr;
    window.closer.reset();
}

bool HasGLContext() {
    // glad's pointers outlive the context, so ask GLFW too. Before glfwInit this returns null.
    return glad_glGenBuffers != nullptr && glfwGetCurrentContext() != nullptr;
}

void MakeWindowContextCurrent(const singleton::Window& window) {
    if (window.window && glfwGetCurrentContext() != window.window) glfwMakeContextCurrent(window.window);
}

void SwapBuffers(const singleton::Window& window) {
    if (window.window) glfwSwapBuffers(window.window);
}

void SetSwapInterval(int interval) { glfwSwapInterval(interval); }

void SetCursorCaptured(GLFWwindow* window, bool captured) {
    if (window) glfwSetInputMode(window, GLFW_CURSOR, captured ? GLFW_CURSOR_DISABLED : GLFW_CURSOR_NORMAL);
}

bool CursorCaptured(GLFWwindow* window) {
    return window && glfwGetInputMode(window, GLFW_CURSOR) == GLFW_CURSOR_DISABLED;
}

void SetCursorPosition(GLFWwindow* window, double x, double y) {
    if (window) glfwSetCursorPos(window, x, y);
}

void KeepShortKeyPresses(GLFWwindow* window) {
    if (window) glfwSetInputMode(window, GLFW_STICKY_KEYS, GLFW_TRUE);
}

void MaximizeWindow(GLFWwindow* window) {
    if (window) glfwMaximizeWindow(window);
}

void ClearCloseRequest(GLFWwindow* window) {
    if (window) glfwSetWindowShouldClose(window, GLFW_FALSE);
}

bool AddGamepadMappings(const char* text) { return glfwUpdateGamepadMappings(text) == GLFW_TRUE; }

GLFWwindow* CurrentContextWindow() { return glfwGetCurrentContext(); }

void MakeContextCurrent(GLFWwindow* window) { glfwMakeContextCurrent(window); }

void SetFullScreen(const singleton::Window& window) {
    if (!window.window || !window.videoMode) return;
    const GLFWvidmode* mode = window.videoMode;
    glfwSetWindowMonitor(window.window, window.monitor, 0, 0, mode->width, mode->height, mode->refreshRate);
}

void SetWindowed(const singleton::Window& window, bool restore) {
    if (!window.window || !window.videoMode) return;
    if (restore) {
        glfwSetWindowAttrib(window.window, GLFW_DECORATED, GLFW_TRUE);
        glfwSetWindowAttrib(window.window, GLFW_RESIZABLE, GLFW_TRUE);
        glfwRestoreWindow(window.window);
    }
    glfwSetWindowMonitor(window.window, nullptr, 0, 10, static_cast<int>(window.width),
                         static_cast<int>(window.height), window.videoMode->refreshRate);
    // Place the frame, not the client area, at the corner so the title bar stays reachable.
    int left = 0, top = 0, right = 0, bottom = 0;
    glfwGetWindowFrameSize(window.window, &left, &top, &right, &bottom);
    glfwSetWindowPos(window.window, left, top);
}

void SetBorderless(const singleton::Window& window) {
    if (!window.window || !window.videoMode) return;
    const GLFWvidmode* mode = window.videoMode;
    glfwSetWindowAttrib(window.window, GLFW_DECORATED, GLFW_FALSE);
    glfwRestoreWindow(window.window);
    glfwSetWindowMonitor(window.window, nullptr, 0, 0, mode->width, mode->height, mode->refreshRate);
}

}  // namespace velkor::util
