#include "levels/level2.hpp"

#include "gameplay/hud.hpp"
#include "levels/level_state.hpp"
#include "serialization/prefab.hpp"

namespace velkor::levels {

void Level2::Initialize(Registry& registry) {
    LoadMapFile(Level2Map, registry);
    CreateEntities(ReadJsonFile(Level2Backdrop), registry);
    // The HUD's plate, the collectibles counter and every digit: the map places none of them.
    util::CreateHud(registry);
    CreateEntity(ReadJsonFile(Level2Ash), registry);
    StartPlay(registry, Level2Zoom);
    EnsureLevel(registry).secondLevel = true;
}

void Level2::Update(float dt, Registry& registry) { PlayFrame(dt, registry); }

}  // namespace velkor::levels
