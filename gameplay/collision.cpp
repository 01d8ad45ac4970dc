#include "gameplay/collision.hpp"

namespace velkor::system {

void Collision::InitHook(Registry&) {}

void Collision::UpdateHook(float, View&) {}

void Collision::ShutdownHook(Registry&) {}

}  // namespace velkor::system
