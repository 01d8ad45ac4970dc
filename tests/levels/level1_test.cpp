// The first level's own part, on the game's real map and content: the robot that plays for 3 s,
// the three prompts on a first and a second visit in one run, and what Initialize builds.
#include "levels/level1.hpp"

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "engine/engine.hpp"
#include "gameplay/camera_follow.hpp"
#include "gameplay/input.hpp"
#include "gameplay/physics.hpp"
#include "graphics/components.hpp"
#include "graphics/sprite_sheet.hpp"
#include "levels/cursor.hpp"
#include "levels/level_manager.hpp"
#include "levels/level_state.hpp"
#include "platform/window.hpp"
#include "serialization/transform.hpp"
#include "tests/support/windowless_game.hpp"

namespace velkor {
namespace {

constexpr float Step = 0.25f;

class FirstLevel : public test::WindowlessGame {
protected:
    void Enter() {
        level.Load(*registry);
        level.Initialize(*registry);
    }
    void Leave() {
        level.Shutdown(*registry);
        level.Unload(*registry);
    }
    void Run(float seconds) {
        for (float t = 0.0f; t < seconds; t += Step) level.Update(Step, *registry);
    }
    Entity Player() {
        Entity player = NoEntity;
        for (const Entity e : registry->view<component::CameraFollow, component::Transform>()) player = e;
        return player;
    }
    void PlacePlayer(float x) { registry->get<component::Transform>(Player()).Translation.x = x; }
    bool Shown(Entity e) { return registry->get<component::Graphics>(e).Renderable; }
    float X(Entity e) { return registry->get<component::Transform>(e).Translation.x; }
    // Which of the movement, jump and dash prompts show, as "MJD" with '-' for a hidden one.
    std::string Prompts() {
        std::string shown;
        for (int i = 0; i < 3; ++i) shown += Shown(level.Prompts()[i].entity) ? "MJD"[i] : '-';
        return shown;
    }

    levels::Level1 level;
};

TEST_F(FirstLevel, BuildsTheCityOnTheSharedBaseAndTheRobotPlaysForThreeSeconds) {
    Enter();
    ASSERT_NE(Player(), NoEntity);
    const auto& record = registry->singletons.get<singleton::Level>();
    EXPECT_EQ(record.MaxTime, 115.0f);
    EXPECT_FALSE(record.secondLevel);
    EXPECT_GE(audio::FindSound(&record.sounds, "RobotTutorialVoiceover"), 0);
    EXPECT_EQ(record.fallingPlatforms.size(), 7u);
    EXPECT_EQ(record.movingPlatforms.size(), 3u);
    EXPECT_TRUE(level.MusicChannel().Playing());
    EXPECT_TRUE(physics::Active(*registry));
    // The prompts stand along the course in the order they teach, ahead of the start.
    EXPECT_LT(X(Player()), X(level.Prompts()[0].entity));
    EXPECT_LT(X(level.Prompts()[0].entity), X(level.Prompts()[1].entity));
    EXPECT_LT(X(level.Prompts()[1].entity), X(level.Prompts()[2].entity));

    const Entity robot = level.Robot();
    ASSERT_TRUE(registry->has<component::SpriteSheet>(robot));
    EXPECT_TRUE(registry->get<component::SpriteSheet>(robot).PlayAnim);
    Run(2.75f);
    EXPECT_TRUE(Shown(robot));
    EXPECT_TRUE(registry->get<component::SpriteSheet>(robot).PlayAnim);
    Run(0.5f);
    EXPECT_FALSE(Shown(robot));
    EXPECT_FALSE(registry->get<component::SpriteSheet>(robot).PlayAnim);
}

TEST_F(FirstLevel, PromptsAppearInTurnThenOnALaterVisitOnlyWhileAheadOfThePlayer) {
    Enter();
    EXPECT_EQ(Prompts(), "---");
    Run(1.5f);
    EXPECT_EQ(Prompts(), "---") << "shown only once past 1.5 s";
    Run(Step);
    EXPECT_EQ(Prompts(), "M--");
    Run(3.0f);  // 4.75 s
    EXPECT_EQ(Prompts(), "MJ-");
    // Past the movement prompt: it stays until its countdown has run out, 3 + 4 s after the start.
    PlacePlayer(X(level.Prompts()[0].entity) + 1.0f);
    Run(2.0f);  // 6.75 s
    EXPECT_EQ(Prompts(), "MJD");
    Run(0.5f);  // 7.25 s
    EXPECT_EQ(Prompts(), "-JD");

    // Second visit in the same run: every prompt that is ahead shows at once, and one whose
    // countdown has run out goes as soon as the player passes it.
    Leave();
    Enter();
    EXPECT_EQ(Prompts(), "---");
    Run(Step);
    EXPECT_EQ(Prompts(), "MJD");
    PlacePlayer(X(level.Prompts()[0].entity) + 1.0f);
    Run(Step);
    EXPECT_EQ(Prompts(), "-JD");
}

}  // namespace
}  // namespace velkor
