#include "gameplay/post_render.hpp"

#include "engine/engine.hpp"
#include "platform/input_source.hpp"
#include "graphics/screen_capture.hpp"
#include "platform/window.hpp"

namespace velkor::system {

void PostRender::Init(Registry& registry) { util::GetOrCreateWindow(registry.singletons); }

void PostRender::Update(float, Registry& registry) {
    auto& singletons = registry.singletons;
    const singleton::Window& shown = singletons.get<singleton::Window>();
    GLFWwindow* window = shown.window;
    if (!window) return;
    util::WritePendingCaptures(singletons);  // the finished frame, before the swap hands it away
    util::SwapBuffers(shown);
    input::PollEvents(window);
    if (input::CloseRequested(window)) {
        singletons.get<singleton::Running>().Value = false;
        singletons.mark_present<singleton::Running>();
    }
}

// The window is the entry function's: it closes it after every system has shut down.
void PostRender::Shutdown(Registry&) {}

}  // namespace velkor::system
