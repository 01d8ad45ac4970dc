// A small world for gameplay tests: the real systems that move the player, stepped in the engine's
// order at a fixed 1/60 s, with keys written into the raw key table the way GLFW's callback does.
//
//   PlayerWorld world;
//   const Entity player = world.Player(R"("Speed": 6, "Acceleration": 60)");
//   world.Ground(-50, 50, 0);
//   world.Hold(GLFW_KEY_RIGHT);
//   world.Step(30);
//
// No window, no GL context and no sound device: prefabs with Graphics build no GL objects, and
// skeletons animate without drawing.
#pragma once

#include <memory>
#include <string>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "animation/animation.hpp"
#include "gameplay/action_system.hpp"
#include "gameplay/collision.hpp"
#include "gameplay/input.hpp"
#include "gameplay/keyboard_input.hpp"
#include "gameplay/physics.hpp"
#include "gameplay/player_behavior.hpp"
#include "gameplay/player_death.hpp"
#include "levels/play_level.hpp"
#include "serialization/prefab.hpp"
#include "support/json.hpp"

namespace velkor::test {

inline constexpr float Frame = 1.0f / 60.0f;

class PlayerWorld {
public:
    PlayerWorld() : registry_(std::make_unique<Registry>()) {
        input::ResetBackend();
        registry_->singletons.set(singleton::Input{});  // present: no window is made for it
        registry_->singletons.set(singleton::CheckPoint{});
        keyboard_.Init(*registry_);
        physics_.Init(*registry_);
        collision_.Init(*registry_);
        behavior_.Init(*registry_);
        animation_.Init(*registry_);
        actions_.Init(*registry_);
    }
    ~PlayerWorld() {
        registry_->clear();
        animation_.Shutdown(*registry_);
        input::ResetBackend();
    }
    PlayerWorld(const PlayerWorld&) = delete;
    PlayerWorld& operator=(const PlayerWorld&) = delete;

    Registry& registry() { return *registry_; }

    Entity Create(const std::string& prefab) { return CreateEntity(Parse(prefab.c_str()), *registry_); }

    // A rectangle player, 1 x 1 at `at`, with gravity -20, the usual bindings, and the given
    // PlayerBehavior members (JSON object members without the braces).
    Entity Player(const std::string& behavior, glm::vec2 at = {0.0f, 0.5f}, float gravity = -20.0f) {
        player_ = Create(R"({"Transform": {"Translation": [)" + std::to_string(at.x) + "," + std::to_string(at.y) +
                         R"(]}, "Physics": {"Acceleration": [0, )" + std::to_string(gravity) + R"(]},
            "Collision": {"ColliderTag": "Player", "Resolution": "Player"},
            "KeyboardInput": {"Left": [263, 65], "Right": [262, 68], "Jump": [32, 265], "Dash": [340, 88]},
            "PlayerBehavior": {)" + behavior + "}}");
        return player_;
    }
    // A solid platform from x0 to x1 whose top is at `top`, one unit thick.
    Entity Ground(float x0, float x1, float top, const char* tag = "Platform", const char* extra = "") {
        return Create(R"({"Transform": {"Translation": [)" + std::to_string((x0 + x1) / 2) + "," +
                      std::to_string(top - 0.5f) + R"(], "Scale": [)" + std::to_string(x1 - x0) +
                      R"(, 1]}, "Physics": {}, "Collision": {"ColliderTag": ")" + tag + "\"" + extra + "}}");
    }

    void Hold(int key) { input::GetBackend().keys[static_cast<std::size_t>(key)] = GLFW_PRESS; }
    void Release(int key) { input::GetBackend().keys[static_cast<std::size_t>(key)] = GLFW_RELEASE; }

    // One engine frame of the systems that move the player: the key table (the Input system ends
    // the engine's frame; here it leads, so a key held before Step is seen in that frame), then
    // KeyboardInput, Physics, Collision, PlayerBehavior, Animation, the ActionSystem and the level
    // manager's first step, which turns the player's finish into the win-screen request.
    void Step(int frames = 1) {
        for (int i = 0; i < frames; ++i) {
            input::UpdateKeyTable(registry_->singletons.get<singleton::Input>(), input::GetBackend());
            keyboard_.Update(Frame, *registry_);
            physics_.Update(Frame, *registry_);
            collision_.Update(Frame, *registry_);
            behavior_.Update(Frame, *registry_);
            animation_.Update(Frame, *registry_);
            actions_.Update(Frame, *registry_);
            levels::ShowPlayOutcome(*registry_);
        }
    }
    // Steps for a duration given in seconds (rounded to whole frames).
    void Run(float seconds) { Step(static_cast<int>(seconds * 60.0f + 0.5f)); }

    // Steps until the predicate holds, at most `limit` frames; the number of frames taken, or -1.
    template <class Predicate>
    int StepUntil(Predicate done, int limit = 600) {
        for (int frame = 1; frame <= limit; ++frame) {
            Step();
            if (done()) return frame;
        }
        return -1;
    }

    component::PlayerBehavior& Behavior(Entity e = NoEntity) { return registry_->get<component::PlayerBehavior>(Who(e)); }
    component::Physics& Body(Entity e = NoEntity) { return registry_->get<component::Physics>(Who(e)); }
    component::Transform& Place(Entity e = NoEntity) { return registry_->get<component::Transform>(Who(e)); }
    component::PlayerState State() { return Behavior().State; }
    system::PlayerBehavior& BehaviorSystem() { return behavior_; }

private:
    Entity Who(Entity e) const { return e == NoEntity ? player_ : e; }

    std::unique_ptr<Registry> registry_;
    system::KeyboardInput keyboard_;
    system::Physics physics_;
    system::Collision collision_;
    system::PlayerBehavior behavior_;
    system::Animation animation_;
    system::ActionSystem actions_;
    Entity player_ = NoEntity;
};

}  // namespace velkor::test
