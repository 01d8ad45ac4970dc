#include "levels/level0.hpp"

#include <algorithm>

#include "audio/audio.hpp"
#include "gameplay/hud.hpp"
#include "gameplay/input.hpp"
#include "gameplay/physics.hpp"
#include "gameplay/player_death.hpp"
#include "graphics/camera_follow.hpp"
#include "levels/level_manager.hpp"
#include "levels/level_state.hpp"
#include "levels/platforms.hpp"
#include "serialization/prefab.hpp"

namespace velkor::levels {

void Level0::Load(Registry&) {}

void Level0::Initialize(Registry& registry) {
    // A fresh level record (default fall delay, no timer pressure) with the course's own sounds.
    if (registry.singletons.has<singleton::Level>()) registry.singletons.remove<singleton::Level>();
    singleton::Level& level = EnsureLevel(registry);
    component::ReadAudio(level.sounds, ReadJsonFile(TestCourseSoundsFile), NoEntity, registry);
    level.timeLeft = level.MaxTime = level.lastTimeLeft = TestCourseTime;

    CreateEntities(ReadJsonFile(TestCourseFile), registry);
    CreateEntity(ReadJsonFile(TestGoalPrefab), registry);
    CreateEntity(ReadJsonFile(TestParticlesPrefab), registry);
    CreateEntity(ReadJsonFile(TestHazardPrefab), registry);
    util::CreateHud(registry);

    // Deaths respawn at the start, and falling platforms come back, as in the playable levels.
    auto& singletons = registry.singletons;
    if (!singletons.has<singleton::CheckPoint>()) singletons.set(singleton::CheckPoint{});
    for (const Entity e : registry.view<component::CameraFollow, component::Transform>())
        singletons.get<singleton::CheckPoint>().RespawnPosition = registry.get<component::Transform>(e).Translation;
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
    if (singletons.has<singleton::Level>()) {
        auto& level = singletons.get<singleton::Level>();
        level.lastTimeLeft = level.timeLeft;
        if (level.timerRunning) level.timeLeft = std::max(0.0f, level.timeLeft - dt);
    }
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
