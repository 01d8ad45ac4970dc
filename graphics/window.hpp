// The game window and its OpenGL context.
#pragma once

struct GLFWwindow;
struct GLFWmonitor;
struct GLFWvidmode;

namespace velkor::singleton {

struct Window {
    GLFWwindow* window = nullptr;  // owned; destroyed at shutdown
    GLFWmonitor* monitor = nullptr;  // the primary monitor when the window was created
    const GLFWvidmode* videoMode = nullptr;  // its video mode at creation
    float width = 1920.0f;  // client size of the windowed mode, never changed at run time
    float height = 1080.0f;
};

}  // namespace velkor::singleton
