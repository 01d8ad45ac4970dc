#include "graphics/particles.hpp"

namespace velkor::system {

void Particles::InitHook(Registry&) {}

void Particles::UpdateHook(float, View&) {}

void Particles::ShutdownHook(Registry&) {}

}  // namespace velkor::system
