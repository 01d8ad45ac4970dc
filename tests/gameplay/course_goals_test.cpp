// The goals on the real gameplay systems: a player held to the right takes an item, reaches the
// checkpoint, meets a blinking hazard and comes back at the checkpoint; a fall below the kill
// height and a fallen platform are undone by the respawn; the goal ends in the win-screen request.
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "gameplay/camera_follow.hpp"
#include "gameplay/goals.hpp"
#include "gameplay/on_off_hazard.hpp"
#include "graphics/components.hpp"
#include "graphics/sprite_sheet.hpp"
#include "levels/level_manager.hpp"
#include "levels/level_state.hpp"
#include "levels/platforms.hpp"
#include "support/player_world.hpp"

namespace velkor {
namespace {

using component::PlayerState;

class CourseGoals : public testing::Test {
protected:
    CourseGoals() {
        level = &levels::EnsureLevel(world.registry());
        level->MaxTime = 90.0f;
        level->timeLeft = 40.0f;
        world.registry().singletons.set(singleton::GameState{});
        player = world.Player(R"("Speed": 6, "Acceleration": 60)", {0.0f, 10.5f});
        world.registry().add<component::CameraFollow>(player);  // how the respawn finds the player
        world.Ground(-5.0f, 40.0f, 10.0f);  // everything stands above the kill height
        world.Ground(11.0f, 12.0f, 13.0f);  // a wall to run against
    }

    // One engine frame with the two systems the player world leaves out: the fall check before the
    // collision pass and the blinking hazards last.
    void Frame() {
        testing::internal::CaptureStdout();  // "PlayerDead" lines
        fall.Update(test::Frame, world.registry());
        (void)testing::internal::GetCapturedStdout();
        world.Step();
        blink.Update(test::Frame, world.registry());
    }
    template <class Predicate>
    int FramesUntil(Predicate done, int limit = 900) {
        for (int frame = 1; frame <= limit; ++frame) {
            Frame();
            if (done()) return frame;
        }
        return -1;
    }
    Entity Thing(const std::string& prefab) { return world.Create(prefab); }
    glm::vec2 Where() { return world.Place(player).Translation; }

    test::PlayerWorld world;
    singleton::Level* level = nullptr;
    system::PlayerDeath fall;
    system::OnOffHazard blink;
    Entity player = NoEntity;
};

constexpr const char* Item = R"({"Transform": {"Translation": [3, 10.5], "Scale": [0.8, 0.8]}, "Graphics": {},
    "Light": {"Strength": 0.9}, "Physics": {}, "Collision": {"ColliderTag": "Collectable"}})";
constexpr const char* Checkpoint = R"({"Transform": {"Translation": [6, 11], "Scale": [1, 2]},
    "SpriteSheet": {"Dimensions": [2, 1]}, "Light": {"Color": [1, 1, 1]}, "Physics": {},
    "Collision": {"ColliderTag": "CheckPoint"}})";
constexpr const char* Blinking = R"({"Transform": {"Translation": [10.2, 11], "Scale": [1, 2]}, "Graphics": {},
    "OnOffHazard": {"OnTime": 2, "OffTime": 1}, "Physics": {},
    "Collision": {"ColliderTag": "Hazard", "Collider": {"Size_Offset": [0.6, 0.9], "Pos_Offset": [0, 0]},
                  "ColliderType": "Rectangle"}})";

TEST_F(CourseGoals, RunIntoTheBlinkingHazardAndComeBackAtTheCheckpoint) {
    const Entity item = Thing(Item);
    const Entity checkpoint = Thing(Checkpoint);
    Thing(Blinking);
    world.Step(5);  // settle on the ground
    world.Hold(GLFW_KEY_RIGHT);

    ASSERT_GT(FramesUntil([&] { return !world.registry().get<component::Graphics>(item).Renderable; }), 0);
    EXPECT_EQ(level->timeLeft, 90.0f) << "the first item refills the timer";
    ASSERT_GT(FramesUntil([&] { return world.registry().get<component::SpriteSheet>(checkpoint).Index == 1; }), 0);
    EXPECT_EQ(world.registry().get<component::Light>(checkpoint).Color, glm::vec3(0, 1, 0));
    ASSERT_GT(FramesUntil([&] { return world.State() == PlayerState::HazardDeath; }), 0) << "the hazard is met";
    EXPECT_EQ(level->collected, 1) << "counted on arrival, a second after the pickup";
    world.Release(GLFW_KEY_RIGHT);
    ASSERT_GT(FramesUntil([&] { return world.State() == PlayerState::Airborne; }), 0);
    EXPECT_NEAR(Where().x, 6.0f, 0.05f) << "back at the checkpoint, not at the start";
    EXPECT_FALSE(world.registry().get<component::Graphics>(item).Renderable) << "taken before the checkpoint";
    EXPECT_EQ(level->collected, 1);

    // Below the kill height: one fall death (not one per frame), and back at the checkpoint again.
    world.Place(player).SetTranslation({20.0f, 4.0f});  // under the floor, below the line
    world.Body(player).Velocity = {0.0f, 0.0f};
    int deaths = 0;
    for (int frame = 0; frame < 30; ++frame) {
        const PlayerState before = world.State();
        Frame();
        deaths += before != PlayerState::FallDeath && world.State() == PlayerState::FallDeath;
    }
    EXPECT_EQ(deaths, 1);
    EXPECT_NEAR(Where().x, 6.0f, 0.05f);
    EXPECT_GT(Where().y, 10.0f);
}

TEST_F(CourseGoals, RespawnPutsAFallenPlatformBackAndItsOldActionsStayQuiet) {
    const Entity platform =
        Thing(R"({"Transform": {"Translation": [20, 12], "Scale": [2, 0.5]}, "Physics": {},
                  "Collision": {"ColliderTag": "FallingPlatform", "Resolution": "FalRec"}})");
    levels::TrackPlatforms(world.registry());
    world.registry().singletons.get<singleton::CheckPoint>().RespawnPosition = {0.0f, 10.5f};
    world.Place(player).SetTranslation({20.0f, 12.8f});
    world.Run(0.4f);  // standing on it queues a fall every frame
    ASSERT_EQ(world.registry().get<component::Physics>(platform).Acceleration.y, -0.0002f) << "set off";
    ASSERT_TRUE(util::RequestEnding(world.Behavior(player), util::Ending::HazardDeath));
    ASSERT_GT(FramesUntil([&] { return world.State() == PlayerState::Airborne; }), 0);
    EXPECT_EQ(world.registry().get<component::Transform>(platform).Translation, glm::vec2(20.0f, 12.0f));

    // The falls queued before the respawn come due now; the 15 s return too. None may move it.
    for (int frame = 0; frame < 16 * 60; ++frame) {
        Frame();
        const auto& body = world.registry().get<component::Physics>(platform);
        ASSERT_EQ(body.Acceleration, glm::vec2(0.0f, 0.0f)) << "frame " << frame;
        ASSERT_EQ(world.registry().get<component::Transform>(platform).Translation, glm::vec2(20.0f, 12.0f));
    }
}

TEST_F(CourseGoals, TheGoalStopsTheClockFinishesOnceAndRequestsTheWinScreen) {
    const Entity goal = Thing(R"({"Transform": {"Translation": [4, 11], "Scale": [1, 2]},
        "SpriteSheet": {"Dimensions": [2, 1]}, "Physics": {}, "Collision": {"ColliderTag": "Win"}})");
    Thing(R"({"Transform": {"Translation": [4.5, 10.5]}, "Physics": {}, "Collision": {"ColliderTag": "Hazard"}})");
    world.Step(5);
    world.Hold(GLFW_KEY_RIGHT);
    ASSERT_GT(FramesUntil([&] { return world.State() == PlayerState::Finish; }, 300), 0);
    EXPECT_EQ(world.registry().get<component::SpriteSheet>(goal).Index, 1);
    EXPECT_FALSE(level->timerRunning);
    auto& game = world.registry().singletons.get<singleton::GameState>();
    EXPECT_TRUE(game.switchPending);
    EXPECT_EQ(game.pendingLevel, 9) << "the win screen";
    EXPECT_FLOAT_EQ(game.switchDelay, 0.6f);
    // Put on the hazard beyond the goal: the finished player does not die.
    world.Place(player).SetTranslation({4.5f, 10.5f});
    world.Run(1.0f);
    EXPECT_EQ(world.State(), PlayerState::Finish);
    EXPECT_EQ(world.Behavior(player).NextState, PlayerState::Finish);
}

}  // namespace
}  // namespace velkor
