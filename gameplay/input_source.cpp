#include "gameplay/input_source.hpp"

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

}  // namespace

void LiveSource::PollEvents(GLFWwindow*) { glfwPollEvents(); }

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
