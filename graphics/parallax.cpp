#include "graphics/parallax.hpp"

namespace velkor::system {

void Parallax::InitHook(Registry&) {}

void Parallax::UpdateHook(float, View&) {}

void Parallax::ShutdownHook(Registry&) {}

}  // namespace velkor::system
