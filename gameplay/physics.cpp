#include "gameplay/physics.hpp"

namespace velkor::system {

void Physics::InitHook(Registry&) {}

void Physics::UpdateHook(float, View&) {}

void Physics::ShutdownHook(Registry&) {}

}  // namespace velkor::system
