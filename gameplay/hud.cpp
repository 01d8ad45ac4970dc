#include "gameplay/hud.hpp"

namespace velkor::system {

void HUD::InitHook(Registry&) {}

void HUD::UpdateHook(float, View&) {}

void HUD::ShutdownHook(Registry&) {}

}  // namespace velkor::system
