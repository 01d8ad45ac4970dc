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
#include "gameplay/camera_follow.hpp"
#include "graphics/debug_draw.hpp"
#include "graphics/graphics.hpp"
#include "graphics/parallax.hpp"
#include "graphics/particles.hpp"
#include "gameplay/post_render.hpp"
#include "graphics/pre_render.hpp"
#include "graphics/sprite_sheet.hpp"
#include "levels/level_manager.hpp"
#include "tools/cheat_codes.hpp"
#include "tools/imgui.hpp"

namespace velkor {

Engine::SystemList MakeGameSystems() {
    Engine::SystemList list;
    list.reserve(22);
    // Intent: what the player wants this frame, before anything moves.
    list.push_back(std::make_unique<system::KeyboardInput>());  // last frame's key table -> movement intent

    // Simulation: move, then see what the move ran into, then decide the next move.
    list.push_back(std::make_unique<system::Physics>());  // integrates last frame's accelerations
    list.push_back(std::make_unique<system::CameraFollow>());  // follows the bodies where they now stand
    list.push_back(std::make_unique<system::PlayerDeath>());  // a fall below the line is asked before the contacts
    list.push_back(std::make_unique<system::Parallax>());  // backdrops follow the camera just placed
    list.push_back(std::make_unique<system::Collision>());  // contacts of this move: Grounded, goals, hazards
    list.push_back(std::make_unique<system::PlayerBehavior>());  // reads this frame's contacts, sets the next move

    // Presentation: the world as the simulation left it.
    list.push_back(std::make_unique<system::PreRender>());  // clears before anything is drawn
    list.push_back(std::make_unique<system::Animation>());  // poses after the player chose its animation
    list.push_back(std::make_unique<system::SpriteSheet>());  // frames after the states that pick them
    list.push_back(std::make_unique<system::ActionSystem>());  // timed actions after all that queue them
    list.push_back(std::make_unique<system::Graphics>());  // draws the posed, placed world
    list.push_back(std::make_unique<system::Particles>());  // over the world's sprites
    list.push_back(std::make_unique<system::DebugDraw>());  // over everything in the world, emptied for the next frame

    // Tools and the frame's end.
    list.push_back(std::make_unique<system::CheatCodes>());  // forces the cheats for the next frame's player
    list.push_back(std::make_unique<system::ImGui>());  // the overlay over the finished world
    list.push_back(std::make_unique<system::PostRender>());  // presents, then polls the window's events
    list.push_back(std::make_unique<system::Input>());  // the key table from the events just polled
    list.push_back(std::make_unique<system::Audio>());  // every sound request and focus change of the frame at once

    // Level flow: after every system has finished the frame, so none sees a level half switched.
    list.push_back(std::make_unique<system::LevelManager>());  // outcomes, switches, the level's own frame
    list.push_back(std::make_unique<system::HUD>());  // the numbers the level's timer step just left
    list.push_back(std::make_unique<system::OnOffHazard>());  // blinks for the next frame's contacts, even when frozen
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
