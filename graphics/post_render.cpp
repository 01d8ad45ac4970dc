#include "graphics/post_render.hpp"

namespace velkor::system {

void PostRender::Init(Registry&) {}

void PostRender::Update(float, Registry&) {}

void PostRender::Shutdown(Registry&) {}

}  // namespace velkor::system
