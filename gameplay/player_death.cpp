#include "gameplay/player_death.hpp"

namespace velkor::system {

void PlayerDeath::InitHook(Registry&) {}

void PlayerDeath::UpdateHook(float, View&) {}

void PlayerDeath::ShutdownHook(Registry&) {}

}  // namespace velkor::system
