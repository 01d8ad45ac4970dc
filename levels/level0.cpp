#include "levels/level0.hpp"

#include <algorithm>

#include "audio/audio.hpp"
#include "gameplay/hud.hpp"
#include "gameplay/input.hpp"
#include "gameplay/physics.hpp"
#include "gameplay/player_death.hpp"
#include "gameplay/camera_follow.hpp"
#include "levels/level_manager.hpp"
#include "levels/level_state.hpp"
#include "levels/platforms.hpp"
#include "levels/play_level.hpp"
#include "serialization/prefab.hpp"

namespace velkor::levels {

void Level0::Load(Registry&) {}

void Level0::Initialize(Registry& registry) {
    // A fresh level record (default fall delay, no timer pressure) with the course's own sounds.
    ForgetLevelRecord(registry);
    singleton::Level& level = EnsureLevel(registry);
    component::ReadAudio(level.sounds, ReadJsonFile(TestCourseSoundsFile), NoEntity, registry);
    level.timeLeft = level.MaxTime = level.lastTimeLeft = TestCourseTime;

    CreateEntities(ReadJsonFile(TestCourseFile), registry);
    CreateEntity(ReadJsonFile(TestGoalPrefab), registry);
    CreateEntity(ReadJsonFile(TestParticlesPrefab), registry);
    CreateEntity(ReadJsonFile(TestHazardPrefab), registry);
    util::CreateHud(registry);

    // Deaths respawn at the start, and falling platforms come back, as in the playable levels.
    RespawnAtPlayer(registry);
    TrackPlatforms(registry);
    physics::Active(registry) = true;
}

void Level0::Update(float dt, Registry& registry) {
    auto& singletons = registry.singletons;
    if (singletons.has<singleton::Input>() && singletons.get<singleton::Input>().IsPressed(GoToLevel1Key)) {
        CreateEntity(ReadJsonFile(LoadScreenPrefab), registry);
        RequestLevel(registry, LevelIndex::Level1);
    }
    if (!physics::Active(registry)) return;
    DriveMovingPlatforms(dt, registry);
    CountDown(registry, dt);
    auto& level = EnsureLevel(registry);
    level.timeLeft = std::max(0.0f, level.timeLeft);
}

void Level0::Shutdown(Registry& registry) {
    DestroyAllEntities(registry);
    if (registry.singletons.has<singleton::Level>()) {
        auto& level = registry.singletons.get<singleton::Level>();
        level.fallingPlatforms.clear();
        level.movingPlatforms.clear();
    }
}

void Level0::Unload(Registry&) {}

}  // namespace velkor::levels
