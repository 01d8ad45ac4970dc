#include "levels/level_manager.hpp"

namespace velkor::system {

void LevelManager::Init(Registry&) {}

void LevelManager::Update(float, Registry&) {}

void LevelManager::Shutdown(Registry&) {}

}  // namespace velkor::system
