// The game window and its OpenGL context.
//
// One window per run. The entry function opens it before the engine's Init and closes it after
// the engine's Shutdown; the systems' "ensure the window" steps then find it present (a test or a
// tool that runs systems without the entry function gets it from the first of them, and loses it
// with its registry). No system closes it. GLFW owns the platform side; glad loads the GL 3.3
// core entry points once the context is current. The three window modes are the only places that
// move or resize the window; the viewport follows through the framebuffer-size callback installed
// at creation.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "engine/registry.hpp"

struct GLFWwindow;
struct GLFWmonitor;
struct GLFWvidmode;

namespace velkor::util {
struct WindowCloser;
}

namespace velkor::singleton {

struct Window {
    GLFWwindow* window = nullptr;  // owned; destroyed at shutdown
    GLFWmonitor* monitor = nullptr;  // the primary monitor when the window was created
    const GLFWvidmode* videoMode = nullptr;  // its video mode at creation
    float width = 1920.0f;  // client size of the windowed mode, never changed at run time
    float height = 1080.0f;
    // Run, in order, just before the window and its context go: whoever keeps GL objects or window
    // callbacks of its own (the developer-tool host) releases them here while the context exists.
    std::vector<std::function<void()>> beforeDestroy;
    // Closes the window when the last copy of this record goes and nobody closed it before (a
    // registry dropped without DestroyWindow). The hooks above do not run on that path.
    std::shared_ptr<util::WindowCloser> closer;
};

}  // namespace velkor::singleton

namespace velkor::util {

inline constexpr const char* WindowTitle = "Codename VELKOR";

// Opens the window (full screen on the primary monitor) unless the registry already holds one:
// the entry function's open, and every system's "ensure the window" step.
// A failure to create the window or to load OpenGL ends the process with status -1.
singleton::Window& GetOrCreateWindow(entity::singleton_registry& singletons);

// Closes the window (the hooks first, while its context is current) and terminates GLFW if the
// singleton is present. The entry function calls it after the engine's Shutdown. Harmless when
// repeated.
void DestroyWindow(entity::singleton_registry& singletons);

// True when this thread has a current GL context and the entry points are loaded. Code that
// creates or deletes GL objects checks it so that windowless unit tests stay safe.
[[nodiscard]] bool HasGLContext();

// Makes the window's context current if another (or none) is.
void MakeWindowContextCurrent(const singleton::Window& window);

// Shows the finished frame (the back buffer becomes the front one).
void SwapBuffers(const singleton::Window& window);

// How many display refreshes a swap waits for; 0: never wait (the developer's --fast runs).
void SetSwapInterval(int interval);

// The window's own state, for the code that sets it (the cursor, the overlay, the menus). Reading
// what the simulation depends on goes through the input source instead (platform/input_source.hpp).
// Captured: hidden and held in the window (GLFW's disabled cursor); otherwise the normal pointer.
void SetCursorCaptured(GLFWwindow* window, bool captured);
[[nodiscard]] bool CursorCaptured(GLFWwindow* window);
void SetCursorPosition(GLFWwindow* window, double x, double y);
// A key pressed and released between two polls still reads as down at the next direct poll.
void KeepShortKeyPresses(GLFWwindow* window);
void MaximizeWindow(GLFWwindow* window);
// Withdraws a close request (a replay keeps its window until its file ends).
void ClearCloseRequest(GLFWwindow* window);
// Extra gamepad mappings in SDL's text format; false when GLFW could not read them all.
[[nodiscard]] bool AddGamepadMappings(const char* text);
// The window whose context is current on this thread (an overlay's own window, say), and making
// one current again.
[[nodiscard]] GLFWwindow* CurrentContextWindow();
void MakeContextCurrent(GLFWwindow* window);

// The three window modes. `restore` is false for the pause menu's and F11's windowed variants.
void SetFullScreen(const singleton::Window& window);
void SetWindowed(const singleton::Window& window, bool restore = true);
void SetBorderless(const singleton::Window& window);

}  // namespace velkor::util
