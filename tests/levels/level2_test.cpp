// The second level: its moving platforms reversing each axis on its own period (alone and with a
// player riding one), and what its Initialize builds from the real map: the wider camera, the
// platform lists with the periods the map gives, the properties, and a Shutdown that empties them.
#include "levels/level2.hpp"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "audio/audio.hpp"
#include "engine/engine.hpp"
#include "gameplay/collision.hpp"
#include "gameplay/input.hpp"
#include "gameplay/physics.hpp"
#include "graphics/camera.hpp"
#include "platform/window.hpp"
#include "levels/cursor.hpp"
#include "levels/level_manager.hpp"
#include "levels/level_state.hpp"
#include "levels/pause_menu.hpp"
#include "levels/platforms.hpp"
#include "support/player_world.hpp"
#include "support/windowless_game.hpp"
#include "tests/audio/audio_output.hpp"

namespace velkor {
namespace {

constexpr float Step = 0.25f;  // exact in binary, so a timer meets 0 on the frame, not near it

Entity MovingPlatform(Registry& registry, glm::vec2 at, glm::vec2 velocity, glm::vec2 period) {
    const Entity e = registry.create();
    registry.add<component::Transform>(e).Translation = at;
    registry.get<component::Transform>(e).Scale = {3.0f, 0.5f};
    registry.add<component::Physics>(e).Velocity = velocity;
    auto& collider = registry.add<component::Collision>(e);
    collider.ColliderType = component::Collision::Rectangle;
    collider.Size_Offset = {1.0f, 1.0f};
    collider.ColliderTag = component::Collision::MovingPlatform;
    collider.Move_Period = period;
    return e;
}

// The times (frame count x Step) at which each axis of the platform's velocity changed sign.
struct Reversals {
    std::vector<float> x, y;
};

Reversals Drive(Registry& registry, Entity platform, int frames) {
    Reversals seen;
    glm::vec2 before = registry.get<component::Physics>(platform).Velocity;
    for (int frame = 1; frame <= frames; ++frame) {
        levels::DriveMovingPlatforms(Step, registry);
        const glm::vec2 now = registry.get<component::Physics>(platform).Velocity;
        if (now.x != before.x) seen.x.push_back(frame * Step);
        if (now.y != before.y) seen.y.push_back(frame * Step);
        before = now;
    }
    return seen;
}

TEST(Level2Platforms, EachAxisReversesOnItsOwnPeriod) {
    struct Case {
        glm::vec2 period;
        std::vector<float> x, y;  // reversal times over 6 s
    };
    std::vector<float> everyFrame;
    for (int frame = 1; frame <= 24; ++frame) everyFrame.push_back(frame * Step);
    const Case cases[] = {
        // A zero period leaves the y timer at or below 0: y reverses in every frame.
        {{2.0f, 0.0f}, {2.0f, 4.0f, 6.0f}, everyFrame},
        {{1.5f, 3.0f}, {1.5f, 3.0f, 4.5f, 6.0f}, {3.0f, 6.0f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Move_Period " << c.period.x << ", " << c.period.y);
        Registry registry;
        const Entity platform = MovingPlatform(registry, {0.0f, 0.0f}, {2.0f, 1.0f}, c.period);
        levels::TrackPlatforms(registry);
        ASSERT_EQ(levels::EnsureLevel(registry).movingPlatforms.size(), 1u);
        EXPECT_EQ(levels::EnsureLevel(registry).movingPlatforms[0].state, c.period) << "the timers start at the periods";
        const Reversals seen = Drive(registry, platform, 24);
        EXPECT_EQ(seen.x, c.x);
        EXPECT_EQ(seen.y, c.y);
        // Reversal only flips the sign: the speed is the platform's own.
        const glm::vec2 v = registry.get<component::Physics>(platform).Velocity;
        EXPECT_EQ(glm::abs(v), glm::vec2(2.0f, 1.0f));
    }
}

TEST(Level2Platforms, APlayerRidesAPlatformThroughItsReversals) {
    test::PlayerWorld world;
    levels::EnsureLevel(world.registry());
    world.Ground(-20.0f, -10.0f, 0.0f);  // something solid elsewhere; the platform carries the player
    const Entity platform = MovingPlatform(world.registry(), {0.0f, 4.75f}, {3.0f, 0.0f}, {1.0f, 0.0f});
    auto& collider = world.registry().get<component::Collision>(platform);
    collider.Resolution = nullptr;
    const Entity player = world.Player(R"("Speed": 6, "Acceleration": 60)", {0.0f, 5.6f});
    levels::TrackPlatforms(world.registry());

    auto frame = [&] {
        world.Step();
        levels::DriveMovingPlatforms(test::Frame, world.registry());
    };
    for (int i = 0; i < 20; ++i) frame();  // land and settle
    ASSERT_TRUE(world.Behavior(player).WasGrounded);
    const float offset = world.Place(player).Translation.x - world.Place(platform).Translation.x;
    float leftmost = world.Place(platform).Translation.x, rightmost = leftmost;
    for (int i = 0; i < 180; ++i) {  // three seconds: the platform turns three times
        frame();
        leftmost = std::min(leftmost, world.Place(platform).Translation.x);
        rightmost = std::max(rightmost, world.Place(platform).Translation.x);
        const float gap = world.Place(player).Translation.x - world.Place(platform).Translation.x;
        ASSERT_NEAR(gap, offset, 1e-3f) << "the player slid on the platform at frame " << i;
        ASSERT_TRUE(world.Behavior(player).WasGrounded) << "the player lost the platform at frame " << i;
    }
    EXPECT_GT(rightmost - leftmost, 2.5f) << "the platform went back and forth";
    EXPECT_NEAR(world.Place(player).Translation.y, 5.0f + 0.5f, 1e-3f) << "standing on its top";
}

// The real level on the null sound back end, without a window.
class Level2Map : public test::WindowlessGame {
protected:
    void SetUp() override {
        WindowlessGame::SetUp();
        registry->singletons.set(singleton::Camera{});
    }
    levels::Level2 level;
};

TEST_F(Level2Map, InitializeBuildsTheFoundryAndShutdownForgetsItsPlatforms) {
    level.Load(*registry);
    level.Initialize(*registry);
    const auto& camera = registry->singletons.get<singleton::Camera>();
    EXPECT_EQ(camera.ZValue, 1.4f);
    EXPECT_FLOAT_EQ(camera.ViewWidth, 26.88f);
    EXPECT_FLOAT_EQ(camera.ViewHeight, 15.12f);

    const auto& record = registry->singletons.get<singleton::Level>();
    EXPECT_TRUE(record.secondLevel);
    EXPECT_EQ(record.MaxTime, 173.0f);
    EXPECT_EQ(record.CollectiblesRequred, 12);
    EXPECT_EQ(record.FallDelayTime, 0.6f);
    for (const char* sound : {"BGM", "TimerLight", "TimerHeavy", "Collectable", "Hazard", "Win", "FallingPlatform"})
        EXPECT_GE(audio::FindSound(&record.sounds, sound), 0) << sound;
    EXPECT_TRUE(level.MusicChannel().Playing());

    // The hoists carry the periods and velocities the map's objects give them.
    std::vector<glm::vec2> periods;
    for (const auto& platform : record.movingPlatforms) {
        periods.push_back(platform.state);
        EXPECT_EQ(registry->get<component::Collision>(platform.entity).Move_Period, platform.state);
    }
    const std::vector<glm::vec2> expected{{5.0f, 0.0f}, {0.0f, 4.0f}, {5.0f, 1.5f}, {4.0f, 0.0f}, {4.0f, 0.0f}, {4.0f, 0.0f},
                                          {0.0f, 4.0f}, {4.0f, 2.0f}, {0.0f, 4.0f}, {0.0f, 4.0f}, {4.0f, 0.0f}};
    EXPECT_EQ(periods, expected);
    EXPECT_EQ(registry->get<component::Physics>(record.movingPlatforms[1].entity).Velocity, glm::vec2(0.0f, 1.5f));
    EXPECT_EQ(record.fallingPlatforms.size(), 12u);
    int collectables = 0, checkpoints = 0, goals = 0, players = 0;
    for (const Entity e : registry->view<component::Collision>()) {
        const auto tag = registry->get<component::Collision>(e).ColliderTag;
        collectables += tag == component::Collision::Collectable;
        checkpoints += tag == component::Collision::CheckPoint;
        goals += tag == component::Collision::Win;
        players += tag == component::Collision::Player;
    }
    EXPECT_EQ(collectables, 12);
    EXPECT_EQ(checkpoints, 4);
    EXPECT_EQ(goals, 1);
    EXPECT_EQ(players, 1);
    EXPECT_EQ(registry->singletons.get<singleton::CheckPoint>().RespawnPosition, glm::vec2(4.0f, 8.7f));

    // The platforms move only while the simulation runs.
    const Entity hoist = record.movingPlatforms[0].entity;
    const glm::vec2 timers = record.movingPlatforms[0].state;
    physics::Active(*registry) = false;
    level.Update(Step, *registry);
    EXPECT_EQ(record.movingPlatforms[0].state, timers);
    physics::Active(*registry) = true;
    level.Update(Step, *registry);
    EXPECT_EQ(record.movingPlatforms[0].state.x, timers.x - Step);

    level.Shutdown(*registry);
    EXPECT_TRUE(record.movingPlatforms.empty());
    EXPECT_TRUE(record.fallingPlatforms.empty());
    EXPECT_TRUE(record.propertiesPending);
    EXPECT_TRUE(registry->alive(hoist)) << "the win and lose screens draw over the level";
    level.Unload(*registry);
    EXPECT_FALSE(level.MusicChannel().Started());
}

}  // namespace
}  // namespace velkor

namespace velkor {
namespace {

// Main menu -> second level -> pause -> main menu -> first level through the real level slots:
// nothing of the foundry is left when the first level runs, and the first level holds exactly
// the entities it holds when entered straight from the main menu.
class LevelRoute : public Level2Map {
protected:
    void Go(std::int32_t level) {
        levels::RequestLevel(*registry, level);
        manager.Update(Step, *registry);
        ASSERT_EQ(registry->singletons.get<singleton::GameState>().currentLevel, level);
    }
    std::size_t Alive() {
        std::size_t count = 0;
        for (Entity e = 0; e < entity::MaxEntities; ++e) count += registry->alive(e);
        return count;
    }
    system::LevelManager manager;
};

TEST_F(LevelRoute, NothingOfTheFoundryOutlivesTheWayBackToTheFirstLevel) {
    manager.Init(*registry);
    Go(levels::LevelIndex::MainMenu);
    Go(levels::LevelIndex::Level1);
    const std::size_t firstLevelAlone = Alive();
    const std::size_t firstLevelPlatforms = registry->singletons.get<singleton::Level>().movingPlatforms.size();
    Go(levels::LevelIndex::MainMenu);

    Go(levels::LevelIndex::Level2);
    std::vector<std::pair<Entity, std::uint32_t>> foundry;
    for (Entity e = 0; e < entity::MaxEntities; ++e)
        if (registry->alive(e)) foundry.emplace_back(e, registry->generation(e));
    ASSERT_GT(foundry.size(), 100u);
    registry->singletons.get<singleton::Input>().Keys[256] = input::Pressed;  // Escape
    manager.Update(Step, *registry);
    registry->singletons.get<singleton::Input>().Keys[256] = input::Up;
    ASSERT_TRUE(registry->singletons.get<singleton::PauseMenu>().open);

    Go(levels::LevelIndex::MainMenu);  // the pause menu's way out
    EXPECT_FALSE(registry->singletons.has<singleton::PauseMenu>());
    Go(levels::LevelIndex::Level1);
    for (const auto& [e, generation] : foundry)
        EXPECT_FALSE(registry->alive(e) && registry->generation(e) == generation) << "entity " << e << " survived";
    EXPECT_EQ(Alive(), firstLevelAlone);
    // The city has hoists of its own: the list holds exactly those, none of the foundry's.
    const auto& record = registry->singletons.get<singleton::Level>();
    EXPECT_EQ(record.movingPlatforms.size(), firstLevelPlatforms);
    for (const auto& platform : record.movingPlatforms) {
        EXPECT_TRUE(registry->alive(platform.entity));
        for (const auto& [e, generation] : foundry)
            EXPECT_FALSE(platform.entity == e && registry->generation(e) == generation);
    }
    manager.Shutdown(*registry);
}

}  // namespace
}  // namespace velkor
