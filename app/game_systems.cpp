#include "animation/animation.hpp"
#include "app/game.hpp"
#include "audio/audio.hpp"
#include "gameplay/action_system.hpp"
#include "gameplay/collision.hpp"
#include "gameplay/hud.hpp"
#include "gameplay/input.hpp"
#include "gameplay/keyboard_input.hpp"
#include "gameplay/on_off_hazard.hpp"
#include "gameplay/physics.hpp"
#include "gameplay/player_behavior.hpp"
#include "gameplay/player_death.hpp"
#include "graphics/camera_follow.hpp"
#include "graphics/debug_draw.hpp"
#include "graphics/graphics.hpp"
#include "graphics/parallax.hpp"
#include "graphics/particles.hpp"
#include "graphics/post_render.hpp"
#include "graphics/pre_render.hpp"
#include "graphics/sprite_sheet.hpp"
#include "levels/level_manager.hpp"
#include "tools/cheat_codes.hpp"
#include "tools/imgui.hpp"

namespace velkor {

Engine::SystemList MakeGameSystems() {
    Engine::SystemList list;
    list.reserve(22);
    list.push_back(std::make_unique<system::KeyboardInput>());
    list.push_back(std::make_unique<system::Physics>());
    list.push_back(std::make_unique<system::CameraFollow>());
    list.push_back(std::make_unique<system::PlayerDeath>());
    list.push_back(std::make_unique<system::Parallax>());
    list.push_back(std::make_unique<system::Collision>());
    list.push_back(std::make_unique<system::PlayerBehavior>());
    list.push_back(std::make_unique<system::PreRender>());
    list.push_back(std::make_unique<system::Animation>());
    list.push_back(std::make_unique<system::SpriteSheet>());
    list.push_back(std::make_unique<system::ActionSystem>());
    list.push_back(std::make_unique<system::Graphics>());
    list.push_back(std::make_unique<system::Particles>());
    list.push_back(std::make_unique<system::DebugDraw>());
    list.push_back(std::make_unique<system::CheatCodes>());
    list.push_back(std::make_unique<system::ImGui>());
    list.push_back(std::make_unique<system::PostRender>());
    list.push_back(std::make_unique<system::Input>());
    list.push_back(std::make_unique<system::Audio>());
    list.push_back(std::make_unique<system::LevelManager>());
    list.push_back(std::make_unique<system::HUD>());
    list.push_back(std::make_unique<system::OnOffHazard>());
    return list;
}

Engine::Steps GameEngineSteps() {
    Engine::Steps steps;
    steps.afterInit = [](Registry& registry) { registry.singletons.set(singleton::CheckPoint{}); };
    steps.beforeShutdown = [] {
        system::Audio::Stop(0);
        audio::UnrequestSound("Assets/SFX/test.wav");
    };
    return steps;
}

std::unique_ptr<Engine> MakeGameEngine(Engine::SystemList systems) {
    return std::make_unique<Engine>(std::move(systems), GameEngineSteps());
}

std::unique_ptr<Engine> MakeGameEngine() { return MakeGameEngine(MakeGameSystems()); }

}  // namespace velkor
