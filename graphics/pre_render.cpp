#include "graphics/pre_render.hpp"

namespace velkor::system {

void PreRender::Init(Registry&) {}

void PreRender::Update(float, Registry&) {}

void PreRender::Shutdown(Registry&) {}

}  // namespace velkor::system
