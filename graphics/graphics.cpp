#include "graphics/graphics.hpp"

namespace velkor::system {

void Graphics::Init(Registry&) {}

void Graphics::Update(float, Registry&) {}

void Graphics::Shutdown(Registry&) {}

}  // namespace velkor::system
