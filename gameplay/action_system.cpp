#include "gameplay/action_system.hpp"

namespace velkor::system {

void ActionSystem::Init(Registry&) {}

void ActionSystem::Update(float, Registry&) {}

void ActionSystem::Shutdown(Registry&) {}

}  // namespace velkor::system
