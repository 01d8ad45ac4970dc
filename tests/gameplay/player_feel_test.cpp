// The shipped player prefab and test course, measured: these are the numbers the tuning was chosen
// for (top speed, the stop, jump height and length, the dash, coyote time), and the course's
// obstacles are checked to need what they are meant to need.
#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "graphics/sprite_sheet.hpp"
#include "levels/level0.hpp"
#include "levels/level_manager.hpp"
#include "levels/level_state.hpp"
#include "support/player_world.hpp"

namespace velkor {
namespace {

using component::PlayerState;
using test::PlayerWorld;

constexpr int Right = GLFW_KEY_RIGHT, Jump = GLFW_KEY_SPACE, Dash = GLFW_KEY_LEFT_SHIFT;

class ShippedPlayer : public testing::Test {
protected:
    ShippedPlayer() {
        player = CreateEntity(ReadJsonFile("Data/Entities/Player.json"), world.registry());
        world.Place(player).Translation = {0.0f, 0.7f};
        world.Ground(-200, 200, 0);
        world.Step(3);
    }
    float Bottom() { return world.Place(player).Translation.y - 0.7f; }

    PlayerWorld world;
    Entity player = NoEntity;
};

TEST_F(ShippedPlayer, RunsAndStopsCrisply) {
    ASSERT_EQ(world.Behavior(player).State, PlayerState::Idle);
    const float speed = world.Behavior(player).Speed;
    world.Hold(Right);
    const int toTop = world.StepUntil([&] { return world.Body(player).Velocity.x >= speed; });
    EXPECT_LE(toTop, 8) << "top speed within about 0.1 s";
    float x = world.Place(player).Translation.x;
    world.Run(1.0f);
    EXPECT_NEAR(world.Place(player).Translation.x - x, 6.2f, 0.1f) << "units per second at full run";
    world.Release(Right);
    x = world.Place(player).Translation.x;
    const int toStop = world.StepUntil([&] { return std::abs(world.Body(player).Velocity.x) < 1e-3f; });
    EXPECT_LE(toStop, 12) << "stopped within 0.2 s";
    EXPECT_LT(world.Place(player).Translation.x - x, 0.6f) << "a short slide";
}

TEST_F(ShippedPlayer, JumpsHighAndFarAndHopsWhenTapped) {
    world.Hold(Right);
    world.Run(0.5f);
    world.Hold(Jump);
    const float x0 = world.Place(player).Translation.x;
    float apex = 0.0f;
    const int air = world.StepUntil([&] {
        apex = std::max(apex, Bottom());
        return world.Behavior(player).WasGrounded && world.Body(player).Velocity.y <= 0.0f;
    });
    EXPECT_NEAR(apex, 2.6f, 0.15f) << "full jump height";
    EXPECT_NEAR(world.Place(player).Translation.x - x0, 4.3f, 0.3f) << "full jump length at top speed";
    EXPECT_NEAR(air / 60.0f, 0.72f, 0.05f);

    world.Release(Jump);
    world.Step(3);
    world.Hold(Jump);
    world.Step();
    world.Release(Jump);
    apex = 0.0f;
    world.StepUntil([&] {
        apex = std::max(apex, Bottom());
        return world.Behavior(player).WasGrounded;
    });
    EXPECT_LT(apex, 0.5f) << "a tap is a short hop";
    EXPECT_GT(apex, 0.1f);
}

TEST_F(ShippedPlayer, DashesTwoAndAHalfUnitsInASixthOfASecond) {
    world.Hold(Jump);
    world.Step(8);
    world.Hold(Dash);
    world.StepUntil([&] { return world.Behavior(player).State == PlayerState::Dash; });
    const float x = world.Place(player).Translation.x;
    const int frames = world.StepUntil([&] { return world.Behavior(player).State != PlayerState::Dash; });
    EXPECT_NEAR(frames, 10, 1);
    EXPECT_NEAR(world.Place(player).Translation.x - x, 2.5f, 0.05f);
}

// The shipped player is its skeleton: every state plays its animation, the skeleton faces the run,
// and the death and the finish last as long as their animations.
TEST_F(ShippedPlayer, IsASkeletonThatFollowsEveryState) {
    const auto playing = [&] {
        const auto& animation = world.registry().get<component::Animation>(player);
        const spine::TrackEntry* entry = animation.state->GetCurrent(0);
        return entry ? entry->animation->name : std::string("(none)");
    };
    const auto facing = [&] { return world.registry().get<component::Animation>(player).skeleton->scaleX; };
    ASSERT_TRUE(world.registry().has<component::Graphics>(player)) << "the skeleton gives the player its mesh";
    EXPECT_EQ(playing(), "idle");

    world.Hold(Right);
    world.Step(2);
    EXPECT_EQ(playing(), "run");
    EXPECT_GT(facing(), 0.0f);
    world.Release(Right);
    world.Hold(GLFW_KEY_LEFT);
    world.StepUntil([&] { return world.Body(player).Velocity.x < 0.0f; });
    EXPECT_EQ(playing(), "run");
    EXPECT_LT(facing(), 0.0f) << "turned round with the run";
    world.Release(GLFW_KEY_LEFT);

    world.Hold(Jump);
    world.StepUntil([&] { return world.Behavior(player).State == PlayerState::Airborne; });
    EXPECT_EQ(playing(), "jump/jump_idle");
    world.StepUntil([&] { return world.Body(player).Velocity.y <= 0.0f; });
    world.Step();
    EXPECT_EQ(playing(), "jump/jump_apex");
    EXPECT_EQ(world.registry().get<component::Animation>(player).state->timeScale, 1.0f) << "the wind-up's pace is over";
    world.Release(Jump);
    world.StepUntil([&] { return world.Behavior(player).State == PlayerState::Idle; });
    EXPECT_EQ(playing(), "idle");
    EXPECT_GT(world.registry().pool<component::SpriteSheet>().size(), 0u) << "landing raised dust";

    world.Hold(Jump);
    world.Step(8);
    world.Hold(Dash);
    world.StepUntil([&] { return world.Behavior(player).State == PlayerState::Dash; });
    EXPECT_EQ(playing(), "dash");
    world.Release(Dash);
    world.Release(Jump);
    world.StepUntil([&] { return world.Behavior(player).State == PlayerState::Idle; });

    // Dead for as long as "dead" plays (0.9 s), twice in a row (the second time just after the
    // respawn's take-off, whose quick wind-up pace must not hurry the death); then at the checkpoint.
    world.registry().singletons.get<singleton::CheckPoint>().RespawnPosition = {5.0f, 0.75f};
    for (int death = 0; death < 2; ++death) {
        world.Behavior(player).NextState = PlayerState::HazardDeath;
        world.Step();
        EXPECT_EQ(playing(), "dead");
        const int frames = world.StepUntil([&] { return world.Behavior(player).State != PlayerState::HazardDeath; });
        EXPECT_NEAR(frames / 60.0f, 0.9f, 0.05f) << "death " << death;
        EXPECT_NEAR(world.Place(player).Translation.x, 5.0f, 1e-4f);
    }

    // The win screen waits for "finish" (1.3 s).
    world.StepUntil([&] { return world.Behavior(player).State == PlayerState::Idle; });
    world.registry().singletons.set(singleton::GameState{});
    auto& game = world.registry().singletons.get<singleton::GameState>();
    world.Behavior(player).NextState = PlayerState::Finish;
    const int frames = world.StepUntil([&] { return game.switchPending; });
    EXPECT_EQ(playing(), "finish");
    EXPECT_NEAR(frames / 60.0f, 1.3f, 0.05f);
    EXPECT_EQ(game.pendingLevel, levels::LevelIndex::WinScreen);
}

// The test course, loaded from its file: each obstacle needs what it is there to teach.
class Course : public testing::Test {
protected:
    Course() {
        CreateEntities(ReadJsonFile(levels::TestCourseFile), world.registry());
        for (const Entity e : world.registry().view<component::PlayerBehavior>()) player = e;
    }
    // Runs right from x0 on the ground and jumps as the player's back foot reaches the edge at
    // `edge` (or `late` seconds after), dashing at the top of the jump if asked; where the player
    // comes to rest.
    glm::vec2 JumpFrom(float x0, float edge, bool dash, float late = 0.0f) {
        world.Place(player).Translation = {x0, 8.75f};
        world.Step(10);
        world.Hold(Right);
        world.StepUntil([&] { return world.Place(player).Translation.x - 0.3f >= edge - 0.1f; });
        world.Run(late);
        world.Hold(Jump);
        world.StepUntil([&] { return world.Body(player).Velocity.y > 0.0f; });
        world.StepUntil([&] { return world.Body(player).Velocity.y <= 0.0f; });
        world.Release(Jump);  // at the top, so that landing does not jump again
        if (dash) world.Hold(Dash);
        world.StepUntil([&] { return world.Behavior(player).WasGrounded; });
        world.Release(Right);
        world.Release(Dash);
        world.Step(30);
        return world.Place(player).Translation;
    }

    PlayerWorld world;
    Entity player = NoEntity;
};

TEST_F(Course, TheHighLedgeNeedsADashAndTheCoyoteGapForgivesALateJump) {
    ASSERT_NE(player, NoEntity);
    const float ledgeTop = 10.3f, groundTop = 8.0f;
    EXPECT_LT(JumpFrom(64.0f, 68.0f, false).y, groundTop) << "a jump alone falls into the pit";
    EXPECT_NEAR(JumpFrom(64.0f, 68.0f, true).y, ledgeTop + 0.7f, 0.01f) << "jump and dash reach the ledge";

    EXPECT_NEAR(JumpFrom(20.0f, 25.0f, false).y, groundTop + 0.7f, 0.01f) << "a jump at the edge clears the gap";
    EXPECT_NEAR(JumpFrom(20.0f, 25.0f, false, 0.08f).y, groundTop + 0.7f, 0.01f) << "so does one a little late";
}

TEST(Level0, BuildsTheCourseDrivesItsPlatformsAndLeavesForLevel1) {
    PlayerWorld world;
    Registry& registry = world.registry();
    registry.singletons.set(singleton::GameState{});
    levels::Level0 level;
    level.Load(registry);
    level.Initialize(registry);

    Entity player = NoEntity;
    for (const Entity e : registry.view<component::PlayerBehavior>()) player = e;
    ASSERT_NE(player, NoEntity);
    EXPECT_EQ(registry.singletons.get<singleton::CheckPoint>().RespawnPosition, world.Place(player).Translation);
    const auto& state = registry.singletons.get<singleton::Level>();
    EXPECT_EQ(state.fallingPlatforms.size(), 2u);
    ASSERT_EQ(state.movingPlatforms.size(), 1u);
    EXPECT_FLOAT_EQ(state.FallDelayTime, 0.5f);
    EXPECT_GE(audio::FindSound(&state.sounds, "Hazard"), -1);  // named, whether or not a device loaded it
    bool goal = false, hazard = false;
    for (const Entity e : registry.view<component::Collision>()) {
        goal |= registry.get<component::Collision>(e).ColliderTag == component::Collision::Win;
        hazard |= registry.get<component::Collision>(e).ColliderTag == component::Collision::Hazard;
    }
    EXPECT_TRUE(goal);
    EXPECT_TRUE(hazard);

    // The moving platform turns back after its period.
    const Entity pad = state.movingPlatforms.front().entity;
    const float speed = world.Body(pad).Velocity.x;
    const float period = registry.get<component::Collision>(pad).Move_Period.x;
    ASSERT_GT(period, 0.0f);
    for (int frame = 0; frame < static_cast<int>(period * 60.0f) - 1; ++frame) level.Update(test::Frame, registry);
    EXPECT_EQ(world.Body(pad).Velocity.x, speed);
    level.Update(test::Frame, registry);
    level.Update(test::Frame, registry);
    EXPECT_EQ(world.Body(pad).Velocity.x, -speed);

    // '1': the loading screen and Level1.
    registry.singletons.get<singleton::Input>().Keys[levels::GoToLevel1Key] = input::Pressed;
    level.Update(test::Frame, registry);
    EXPECT_EQ(registry.singletons.get<singleton::GameState>().nextLevel, levels::LevelIndex::Level1);
    level.Shutdown(registry);
    EXPECT_EQ(registry.next(), 0u) << "every entity destroyed";
    EXPECT_TRUE(registry.singletons.get<singleton::Level>().movingPlatforms.empty());
}

}  // namespace
}  // namespace velkor
