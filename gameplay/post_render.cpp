#include "gameplay/post_render.hpp"

#include <GLFW/glfw3.h>

#include "engine/engine.hpp"
#include "gameplay/input_source.hpp"
#include "graphics/screen_capture.hpp"
#include "graphics/window.hpp"

namespace velkor::system {

void PostRender::Init(Registry& registry) { util::GetOrCreateWindow(registry.singletons); }

void PostRender::Update(float, Registry& registry) {
    auto& singletons = registry.singletons;
    GLFWwindow* window = singletons.get<singleton::Window>().window;
    if (!window) return;
    util::WritePendingCaptures(singletons);  // the finished frame, before the swap hands it away
    glfwSwapBuffers(window);
    input::PollEvents(window);
    if (input::CloseRequested(window)) {
        singletons.get<singleton::Running>().Value = false;
        singletons.mark_present<singleton::Running>();
    }
}

void PostRender::Shutdown(Registry& registry) { util::DestroyWindow(registry.singletons); }

}  // namespace velkor::system
