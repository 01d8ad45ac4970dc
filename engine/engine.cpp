#include "engine/engine.hpp"

#include <exception>
#include <iostream>

#include "animation/animation.hpp"
#include "audio/audio.hpp"
#include "engine/clock.hpp"
#include "engine/trace.hpp"
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

Engine::Engine() : Engine(MakeGameSystems()) {}

Engine::Engine(SystemList systems) : systems_(std::move(systems)) {}

Engine::~Engine() {
    // Systems go first, first to last, while the registry they may point into still exists.
    for (auto& s : systems_) s.reset();
    systems_.clear();
}

void Engine::Init() {
    Trace("Engine init begin.\n");
    for (auto& s : systems_) s->Init(registry_);
    Trace("Engine init end.\n");
    auto& singletons = registry_.singletons;
    singletons.get<singleton::Running>().Value = true;
    singletons.mark_present<singleton::Running>();
    singletons.set(singleton::CheckPoint{});
}

void Engine::Frame(float dt) {
    for (auto& s : systems_) s->Update(dt, registry_);
}

void Engine::Loop(iFrameDriver* driver) {
    // Slots never move, so the flag's address is stable for the whole run.
    const bool& running = registry_.singletons.get<singleton::Running>().Value;
    std::int64_t previous = platform::NowNanoseconds();
    try {
        while (running) {
            const std::int64_t now = platform::NowNanoseconds();
            float dt = static_cast<float>(now - previous) / 1'000'000'000.0f;
            if (MaxFrameTime < dt) dt = MaxFrameTime;
            if (driver) dt = driver->BeginFrame(dt, registry_);
            Frame(dt);
            if (driver) driver->EndFrame(registry_);
            previous = now;
        }
    } catch (const std::exception& error) {
        std::cerr << "Exception caught: " << error.what() << std::endl;
    } catch (...) {
        std::cerr << "Unknown Exception\n";
    }
}

void Engine::Shutdown() {
    system::Audio::Stop(0);
    audio::UnrequestSound("Assets/SFX/test.wav");
    Trace("Engine shutdown begin.\n");
    // Cleared first, so removal listeners run while every system still exists.
    registry_.clear();
    for (auto& s : systems_) s->Shutdown(registry_);
    Trace("Engine shutdown end.\n");
}

}  // namespace velkor
