#include "graphics/pre_render.hpp"

#include <glad/gl.h>
#include <GLFW/glfw3.h>

#include "graphics/window.hpp"

namespace velkor::system {

void PreRender::Init(Registry& registry) {
    auto& window = util::GetOrCreateWindow(registry.singletons);
    glfwMakeContextCurrent(window.window);
}

void PreRender::Update(float, Registry&) {
    // Colour only: nothing in the game uses depth or stencil.
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

void PreRender::Shutdown(Registry& registry) { util::DestroyWindow(registry.singletons); }

}  // namespace velkor::system
