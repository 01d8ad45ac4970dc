#include "graphics/pre_render.hpp"

#include <glad/gl.h>

#include "platform/window.hpp"

namespace velkor::system {

void PreRender::Init(Registry& registry) { util::MakeWindowContextCurrent(util::GetOrCreateWindow(registry.singletons)); }

void PreRender::Update(float, Registry&) {
    // Colour only: nothing in the game uses depth or stencil.
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

// The window is the entry function's: it closes it after every system has shut down.
void PreRender::Shutdown(Registry&) {}

}  // namespace velkor::system
