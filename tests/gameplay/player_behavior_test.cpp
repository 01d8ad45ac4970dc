#include "gameplay/player_behavior.hpp"

#include <cmath>

#include <gtest/gtest.h>

#include "animation/animation.hpp"
#include "audio/audio.hpp"
#include "gameplay/camera_follow.hpp"
#include "graphics/sprite_sheet.hpp"
#include "levels/level_manager.hpp"
#include "support/player_world.hpp"
#include "support/trace_capture.hpp"
#include "audio/audio_output.hpp"

namespace velkor {
namespace {

using component::PlayerState;
using test::Parse;
using test::PlayerWorld;

constexpr int Right = GLFW_KEY_RIGHT, Left = GLFW_KEY_LEFT, Jump = GLFW_KEY_SPACE, Dash = GLFW_KEY_X;

TEST(PlayerBehaviorReader, DefaultsKeysAndUnsafeValuesMadeSafe) {
    component::PlayerBehavior p;
    EXPECT_EQ(p.State, PlayerState::HazardDeath);
    EXPECT_EQ(p.NextState, PlayerState::Idle);
    EXPECT_EQ(p.AirControl, 1.5f);
    EXPECT_EQ(p.SlowRate, 10.0f);
    EXPECT_TRUE(p.SkipWindup);
    EXPECT_TRUE(p.CanDash);

    component::ReadPlayerBehavior(p, Parse(R"({"Acceleration": 60, "Speed": 6.5, "TurnSpeed": 2, "AirControl": 1,
        "JumpForce": 14, "DashDistance": 2.5, "DashSpeed": 15, "JumpWindupScalar": 2, "JumpWindupSlowdown": 0.5,
        "CoyoteTime": 0.1, "Immune": true, "InfiniteJump": 1, "SkipWindup": "yes", "SlowRate": 40})"));
    EXPECT_EQ(p.Acceleration, 60.0f);
    EXPECT_EQ(p.Speed, 6.5f);
    EXPECT_EQ(p.JumpWindupScalar, 2.0f);
    EXPECT_EQ(p.JumpWindupSlowdown, 0.5f);
    EXPECT_EQ(p.CoyoteTime, 0.1f);
    EXPECT_EQ(p.SlowRate, 40.0f);
    EXPECT_TRUE(p.Immune);
    EXPECT_FALSE(p.InfiniteJump) << "only the literal true is true";
    EXPECT_FALSE(p.SkipWindup);

    test::TraceCapture trace;
    component::PlayerBehavior unsafe;
    component::ReadPlayerBehavior(unsafe, Parse(R"({"JumpWindupSlowdown": 0, "JumpWindupScalar": -1, "DashSpeed": 0})"));
    EXPECT_EQ(unsafe.JumpWindupSlowdown, 1.0f);
    EXPECT_EQ(unsafe.JumpWindupScalar, 1.0f);
    EXPECT_EQ(unsafe.DashSpeed, 0.0f);
    EXPECT_EQ(trace.messages().size(), 3u);
}

class Player : public testing::Test {
protected:
    // On the ground, settled into Idle.
    Entity Stand(const std::string& behavior, float gravity = -20.0f) {
        const Entity e = world.Player(behavior, {0.0f, 0.5f}, gravity);
        world.Ground(-100, 100, 0);
        world.Step(2);
        EXPECT_EQ(world.State(), PlayerState::Idle);
        return e;
    }
    // Steps until the player is back on the ground, recording the highest point above y0.
    float Apex(int frames) {
        float top = world.Place().Translation.y;
        for (int i = 0; i < frames; ++i) {
            world.Step();
            top = std::max(top, world.Place().Translation.y);
        }
        return top - 0.5f;
    }

    PlayerWorld world;
};

TEST_F(Player, RunsToTopSpeedTurnsHardAndStopsAlongASquareRootCurve) {
    Stand(R"("Speed": 5, "Acceleration": 50, "TurnSpeed": 3)");
    world.Hold(Right);
    world.Step();
    EXPECT_EQ(world.State(), PlayerState::Idle);
    EXPECT_EQ(world.Behavior().NextState, PlayerState::Run);
    world.Step();
    EXPECT_EQ(world.State(), PlayerState::Run);
    EXPECT_EQ(world.Body().Acceleration.x, 50.0f);
    for (int i = 0; i < 20; ++i) {
        world.Step();
        ASSERT_LE(world.Body().Velocity.x, 5.0f);
    }
    EXPECT_EQ(world.Body().Velocity.x, 5.0f) << "top speed after 0.1 s of 50 units/s^2";

    // Turning: the acceleration is TurnSpeed times stronger until the velocity changes sign.
    world.Release(Right);
    world.Hold(Left);
    int braking = 0;
    while (world.Body().Velocity.x > 0.0f && braking < 60) {
        world.Step();
        if (world.Body().Velocity.x >= 0.0f) {
            EXPECT_EQ(world.Body().Acceleration.x, -150.0f);
        }
        ++braking;
    }
    EXPECT_NEAR(braking, 3, 1) << "5 units/s lost at 150 units/s^2";
    world.Step();
    EXPECT_EQ(world.Body().Acceleration.x, -50.0f);
    world.Run(0.5f);
    EXPECT_EQ(world.Body().Velocity.x, -5.0f);

    // Letting go: Idle, then a stop in |v| / SlowRate (about 0.5 s), fast at first. The stop starts
    // from the velocity of the frame of the change, which still carried the run's last push.
    world.Release(Left);
    world.StepUntil([&] { return world.State() == PlayerState::Idle; });
    EXPECT_EQ(world.Body().Acceleration.x, 0.0f);
    const auto* stop = dynamic_cast<util::InterpolateAction<float>*>(world.Behavior().CurrentAction.get());
    ASSERT_NE(stop, nullptr);
    const float v0 = -stop->Delta;
    EXPECT_NEAR(v0, -5.0f, 0.9f);
    const float time = std::abs(v0) / world.Behavior().SlowRate;
    world.Step(14);  // 15 updates of the deceleration
    EXPECT_NEAR(world.Body().Velocity.x, v0 * (1.0f - std::sqrt(15.0f / 60.0f / time)), 0.01f);
    const int frames = world.StepUntil([&] { return std::abs(world.Body().Velocity.x) < 1e-4f; });
    EXPECT_NEAR(15 + frames, time * 60.0f, 1.0f);
    world.Step();
    EXPECT_FALSE(world.Behavior().CurrentAction) << "discarded once done";
}

TEST_F(Player, JumpHeightFollowsTheKeyAndReleaseCapsTheRise) {
    Stand(R"("Speed": 5, "Acceleration": 50, "JumpForce": 10)");
    world.Hold(Jump);
    world.Step();
    EXPECT_EQ(world.Body().Velocity.y, 10.0f);
    EXPECT_EQ(world.Behavior().NextState, PlayerState::Airborne);
    // Held: the full parabola, 10^2 / (2 * 20) = 2.5 (2.42 in 1/60 s steps).
    EXPECT_NEAR(Apex(40), 2.42f, 0.05f);
    world.Release(Jump);
    world.StepUntil([&] { return world.State() == PlayerState::Idle; });

    // Released after one frame: the rise is capped at 1 unit/s.
    world.Hold(Jump);
    world.Step();
    world.Release(Jump);
    world.Step();
    EXPECT_LE(world.Body().Velocity.y, 1.0f);
    EXPECT_LT(Apex(40), 0.3f);
    EXPECT_EQ(world.State(), PlayerState::Idle) << "landed";
}

TEST_F(Player, WindupJumpsAfterItsTimeAndAShortTapCancelsItOnTheGround) {
    Stand(R"("Speed": 5, "Acceleration": 50, "JumpForce": 10, "SkipWindup": false, "JumpWindupSlowdown": 0.5)");
    world.Hold(Right);
    world.Run(0.5f);
    ASSERT_EQ(world.Body().Velocity.x, 5.0f);

    // A 5-frame tap, shorter than the 0.2333 s wind-up: slowed, never airborne, back to running.
    world.Hold(Jump);
    world.Step(2);
    EXPECT_EQ(world.State(), PlayerState::JumpWindup);
    // The run's last push (one frame of 50 units/s^2) and then the slowdown.
    EXPECT_FLOAT_EQ(world.Body().Velocity.x, (5.0f + 50.0f / 60.0f) * 0.5f);
    world.Step(3);
    world.Release(Jump);
    world.Step(2);
    EXPECT_EQ(world.State(), PlayerState::Run);
    EXPECT_NEAR(world.Place().Translation.y, 0.5f, 1e-5f);
    EXPECT_EQ(world.Body().Velocity.x, 5.0f);

    // Held through the wind-up: the jump leaves after 14 frames.
    world.Hold(Jump);
    const int frames = world.StepUntil([&] { return world.Body().Velocity.y > 5.0f; }, 30);
    EXPECT_NEAR(frames, 16, 1) << "one frame into the wind-up, 14 of it, one out";
    EXPECT_GT(Apex(20), 1.5f);
}

TEST_F(Player, CoyoteJumpWorksJustAfterTheLedgeAndNotLater) {
    for (const float late : {0.05f, 0.2f}) {
        PlayerWorld w;
        w.Player(R"("Speed": 5, "Acceleration": 50, "JumpForce": 10, "CoyoteTime": 0.1)", {-2.0f, 0.5f});
        w.Ground(-10, 0, 0);
        w.Ground(-10, 10, -20);  // a floor far below
        w.Hold(Right);
        w.StepUntil([&] { return w.State() == PlayerState::Airborne; });
        EXPECT_LT(w.Body().Velocity.y, 0.0f) << "ran off, not jumped";
        w.Run(late);
        const float y = w.Place().Translation.y;
        w.Hold(Jump);
        w.Step(6);
        if (late < 0.1f) {
            EXPECT_GT(w.Place().Translation.y, y + 0.3f) << "a coyote jump at " << late << " s";
        } else {
            EXPECT_LT(w.Place().Translation.y, y) << "no jump at " << late << " s";
            EXPECT_EQ(w.State(), PlayerState::Airborne);
        }
    }
}

TEST_F(Player, OneDashPerAirTimeWithGravityOffDuringIt) {
    Stand(R"("Speed": 5, "Acceleration": 50, "JumpForce": 10, "DashDistance": 2, "DashSpeed": 10)");
    for (int airTime = 0; airTime < 2; ++airTime) {
        world.Hold(Jump);
        world.Step(10);
        world.Hold(Dash);
        world.Step(2);
        ASSERT_EQ(world.State(), PlayerState::Dash) << "air time " << airTime;
        const float x0 = world.Place().Translation.x;
        const float y0 = world.Place().Translation.y;
        int frames = 0;
        while (world.State() == PlayerState::Dash && frames < 60) {
            if (world.Behavior().NextState == PlayerState::Dash) {  // still dashing after this frame
                EXPECT_EQ(world.Body().Velocity, glm::vec2(0.0f, 0.0f));
                EXPECT_EQ(world.Body().Acceleration, glm::vec2(0.0f, 0.0f));
            }
            world.Step();
            ++frames;
        }
        EXPECT_NEAR(frames, 12, 1) << "2 units at 10 units/s";
        EXPECT_NEAR(world.Place().Translation.x - x0, 2.0f, 0.02f);
        EXPECT_NEAR(world.Place().Translation.y, y0, 0.02f) << "level flight";
        EXPECT_EQ(world.Body().Acceleration.y, -20.0f) << "gravity is back";
        EXPECT_FALSE(world.Behavior().CanDash);

        // A second dash in the same air time is ignored.
        world.Release(Dash);
        world.Step();
        world.Hold(Dash);
        world.Step(3);
        EXPECT_NE(world.State(), PlayerState::Dash);
        world.Release(Dash);
        world.Release(Jump);
        world.StepUntil([&] { return world.State() == PlayerState::Idle; });
        EXPECT_TRUE(world.Behavior().CanDash) << "grounded: the dash is back";
    }

    // A non-positive dash speed means no dash at all.
    world.Behavior().DashSpeed = 0.0f;
    world.Hold(Jump);
    world.Step(10);
    world.Hold(Dash);
    world.Step(5);
    EXPECT_EQ(world.State(), PlayerState::Airborne);
}

TEST_F(Player, LandingRaisesDustBySpeedAndTheDustGoesAfterHalfASecond) {
    const auto dust = [&] { return world.registry().pool<component::SpriteSheet>().size(); };
    struct Case {
        float vx;
        std::size_t puffs;
    };
    for (const Case c : {Case{4.0f, 1}, Case{0.0f, 2}, Case{-4.0f, 1}}) {
        const Entity player = world.Player(R"("Speed": 5, "Acceleration": 50)", {0.0f, 3.0f});
        world.registry().add<component::Animation>(player);
        world.Ground(-100, 100, 0);
        world.Step();
        world.Body(player).Velocity.x = c.vx;
        // Fill the transform pool to its capacity: creating the dust reallocates it under the
        // state machine, which must not write through a reference taken before.
        auto& transforms = world.registry().pool<component::Transform>().components();
        while (transforms.size() < transforms.capacity()) world.registry().add<component::Transform>(world.registry().create());

        world.StepUntil([&] { return world.Behavior(player).NextState == PlayerState::Idle; });
        ASSERT_EQ(dust(), c.puffs) << "landing at " << c.vx;
        const glm::vec2 feet = world.Place(player).Translation;
        for (const Entity puff : world.registry().pool<component::SpriteSheet>().entities()) {
            const auto& t = world.registry().get<component::Transform>(puff);
            const bool mirrored = t.Scale.x < 0.0f;
            EXPECT_NEAR(t.Translation.x - feet.x, mirrored ? -0.35f : 0.35f, 0.11f);
            EXPECT_NEAR(t.Translation.y - feet.y, -0.55f, 0.01f);
            if (c.vx > 0.0f) {
                EXPECT_FALSE(mirrored);
            } else if (c.vx < 0.0f) {
                EXPECT_TRUE(mirrored);
            }
        }
        world.Run(0.5f);
        EXPECT_EQ(dust(), 0u);
        world.registry().clear();
    }
}

TEST_F(Player, DeathsRespawnAtTheCheckpointAndImmunityPreventsThem) {
    const Entity player = Stand(R"("Speed": 5, "Acceleration": 50)");
    auto& follow = world.registry().add<component::CameraFollow>(player);
    follow.LERP = 3.0f;
    world.registry().singletons.get<singleton::CheckPoint>().RespawnPosition = {5.0f, 4.0f};

    // Hazard death: frozen, respawned, and gravity back on (without a skeleton there is no wait).
    world.Place().Translation = {-3.0f, 0.5f};
    world.Behavior().NextState = PlayerState::HazardDeath;
    world.Step();
    EXPECT_EQ(world.State(), PlayerState::HazardDeath);
    EXPECT_EQ(world.Place().Translation, glm::vec2(5.0f, 4.0f));
    EXPECT_EQ(world.Body().Velocity, glm::vec2(0.0f, 0.0f));
    EXPECT_EQ(world.Body().Acceleration.y, -20.0f);
    world.StepUntil([&] { return world.State() == PlayerState::Idle; });
    EXPECT_NEAR(world.Place().Translation.y, 0.5f, 1e-5f) << "fell back to the ground";

    // Fall death: the camera stops following until the respawn.
    world.Behavior().NextState = PlayerState::FallDeath;
    world.Step();
    EXPECT_EQ(world.State(), PlayerState::FallDeath);
    EXPECT_EQ(world.registry().get<component::CameraFollow>(player).LERP, 0.0f);
    world.Step();
    EXPECT_EQ(world.State(), PlayerState::Airborne);
    EXPECT_EQ(world.registry().get<component::CameraFollow>(player).LERP, 3.0f);
    EXPECT_EQ(world.Body().Acceleration.y, -20.0f);

    // Immune: neither death is ever entered.
    world.Behavior().Immune = true;
    for (const PlayerState death : {PlayerState::HazardDeath, PlayerState::FallDeath}) {
        world.Behavior().NextState = death;
        world.Step();
        EXPECT_NE(world.State(), death);
        EXPECT_EQ(world.registry().get<component::CameraFollow>(player).LERP, 3.0f);
    }
}

TEST_F(Player, FinishStopsThePlayerAndRequestsTheWinScreenOnce) {
    Stand(R"("Speed": 5, "Acceleration": 50)");
    world.registry().singletons.set(singleton::GameState{});
    world.Hold(Right);
    world.Run(0.3f);
    world.Behavior().NextState = PlayerState::Finish;
    world.Step();
    EXPECT_EQ(world.State(), PlayerState::Finish);
    EXPECT_EQ(world.Body().Velocity.x, 0.0f);
    auto& state = world.registry().singletons.get<singleton::GameState>();
    EXPECT_TRUE(state.switchPending);
    EXPECT_EQ(state.pendingLevel, levels::LevelIndex::WinScreen);
    EXPECT_FLOAT_EQ(state.switchDelay, player::WinScreenDelay);
    state.switchDelay = 0.25f;  // as if the manager had counted down
    world.Step(3);
    EXPECT_EQ(state.switchDelay, 0.25f) << "not re-armed";
    EXPECT_EQ(world.State(), PlayerState::Finish);
    EXPECT_EQ(world.Place().Translation.x, world.Body().PreviousTranslation.x) << "stays put while holding Right";
}

// Footsteps loop while running and stop when the run ends, but never stop somebody else's sound
// that has taken the channel over, and go with the player when its level is left.
TEST(PlayerFootsteps, StartWithTheRunStopWithItAndNeverStopAnotherSound) {
    test::SelectAudioOutput("null");
    PlayerWorld world;
    system::Audio audio;
    audio.Init(world.registry());
    const Entity player = world.Create(R"({"Transform": {"Translation": [0, 0.5]}, "Physics": {"Acceleration": [0, -20]},
        "Collision": {"ColliderTag": "Player", "Resolution": "Player"}, "KeyboardInput": {"Right": 262},
        "PlayerBehavior": {"Speed": 5, "Acceleration": 50},
        "Audio": {"Files": [{"Name": "Footstep", "Filepath": "Assets/SFX/Player/Footstep.wav", "Loop": true}]}})");
    world.Ground(-100, 100, 0);
    const int music = audio::RequestSound("Assets/SFX/Tests/Loop440.wav", false, true);
    world.Step(2);
    const auto& steps = world.BehaviorSystem();

    world.Hold(Right);
    world.Step(2);
    const int channel = steps.FootstepChannel();
    ASSERT_GE(channel, 0);
    EXPECT_NE(audio::ChannelPlayback(channel), 0u);
    world.Release(Right);
    world.Step(2);
    EXPECT_EQ(steps.FootstepChannel(), -1);
    EXPECT_EQ(audio::ChannelPlayback(channel), 0u) << "the loop stops with the run";

    // The steps end elsewhere and the music takes their channel: leaving the run leaves it playing.
    world.Hold(Right);
    world.Step(2);
    const int again = steps.FootstepChannel();
    ASSERT_GE(again, 0);
    system::Audio::Stop(again);
    const int musicChannel = audio::PlaySound(music, 1.0f, 0.0f, audio::Music);
    ASSERT_GE(musicChannel, 0);
    world.Release(Right);
    world.Step(2);
    EXPECT_NE(audio::ChannelPlayback(musicChannel), 0u);

    // Leaving the level while running: the steps stop with it, whatever state the player was in.
    world.Hold(Right);
    world.Step(2);
    const int last = steps.FootstepChannel();
    ASSERT_GE(last, 0);
    world.registry().clear();
    world.Step();
    EXPECT_EQ(steps.FootstepChannel(), -1);
    EXPECT_EQ(audio::ChannelPlayback(last), 0u);
    (void)player;

    audio::UnrequestSound(music);
    audio.Shutdown(world.registry());
}

}  // namespace
}  // namespace velkor
