#include "levels/level1.hpp"

#include "gameplay/camera_follow.hpp"
#include "gameplay/effects.hpp"
#include "gameplay/hud.hpp"
#include "graphics/components.hpp"
#include "graphics/sprite_sheet.hpp"
#include "levels/level_state.hpp"
#include "serialization/prefab.hpp"
#include "serialization/transform.hpp"

namespace velkor::levels {

namespace {

constexpr const char* CityParticles[] = {"Data/Particles/particlesCar_Layer1.json", "Data/Particles/particlesCar_Layer2.json",
                                         "Data/Particles/particlesCar_Layer2_02.json", "Data/Particles/particlesCar_Layer3.json",
                                         "Data/Particles/particlesCar_Layer4.json", "Data/Particles/particlesRain.json"};

void Show(Registry& registry, Entity e, bool shown) {
    if (registry.alive(e) && registry.has<component::Graphics>(e)) registry.get<component::Graphics>(e).Renderable = shown;
}

}  // namespace

void Level1::Initialize(Registry& registry) {
    LoadMapFile(Level1Map, registry);
    robotTutorial_ = CreateEntity(ReadJsonFile(RobotTutorialPrefab), registry);
    for (Prompt& prompt : prompts_) prompt.entity = CreateEntity(ReadJsonFile(prompt.prefab), registry);
    for (const char* emitter : CityParticles) CreateEntity(ReadJsonFile(emitter), registry);
    CreateEntities(ReadJsonFile(Level1Backdrop), registry);
    util::CreateHud(registry);
    StartPlay(registry, 1.0f);
    for (Prompt& prompt : prompts_) prompt.enabled = true;
    EnsureLevel(registry).secondLevel = false;
    robotTimer_ = 0.0f;
    util::PlayLevelSound(registry, "RobotTutorialVoiceover", RobotVoiceVolume);
}

void Level1::Update(float dt, Registry& registry) {
    if (robotTimer_ < RobotTime) {
        robotTimer_ += dt;
    } else if (registry.alive(robotTutorial_)) {
        if (registry.has<component::SpriteSheet>(robotTutorial_))
            registry.get<component::SpriteSheet>(robotTutorial_).PlayAnim = false;
        Show(registry, robotTutorial_, false);
    }
    PlayFrame(dt, registry);
    // The tutorial runs on while the game is paused: a prompt is read, not played.
    UpdatePrompts(dt, registry);
}

void Level1::UpdatePrompts(float dt, Registry& registry) {
    bool found = false;
    float playerX = 0.0f;
    for (const Entity e : registry.view<component::CameraFollow, component::Transform>()) {
        playerX = registry.get<component::Transform>(e).Translation.x;
        found = true;
    }
    for (Prompt& prompt : prompts_) {
        if (prompt.timer < prompt.leadTime) prompt.timer += dt;
        else prompt.countdown -= dt;
        if (!found || !prompt.enabled || prompt.timer <= prompt.showTime) continue;
        if (!registry.alive(prompt.entity) || !registry.has<component::Transform>(prompt.entity)) continue;
        if (registry.get<component::Transform>(prompt.entity).Translation.x > playerX) Show(registry, prompt.entity, true);
        else if (prompt.countdown <= 0.0f) Show(registry, prompt.entity, false);
    }
}

}  // namespace velkor::levels
