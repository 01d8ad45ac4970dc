#include "graphics/post_render.hpp"

#include <GLFW/glfw3.h>

#include "engine/engine.hpp"
#include "graphics/window.hpp"

namespace velkor::system {

void PostRender::Init(Registry& registry) { util::GetOrCreateWindow(registry.singletons); }

void PostRender::Update(float, Registry& registry) {
    auto& singletons = registry.singletons;
    GLFWwindow* window = singletons.get<singleton::Window>().window;
    if (!window) return;
    glfwSwapBuffers(window);
    glfwPollEvents();
    if (glfwWindowShouldClose(window)) {
        singletons.get<singleton::Running>().Value = false;
        singletons.mark_present<singleton::Running>();
    }
}

void PostRender::Shutdown(Registry& registry) { util::DestroyWindow(registry.singletons); }

}  // namespace velkor::system
