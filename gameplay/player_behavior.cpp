#include "gameplay/player_behavior.hpp"

namespace velkor::system {

void PlayerBehavior::InitHook(Registry&) {}

void PlayerBehavior::UpdateHook(float, View&) {}

void PlayerBehavior::ShutdownHook(Registry&) {}

}  // namespace velkor::system
