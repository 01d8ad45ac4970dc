#include "levels/logo.hpp"

#include <memory>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "gameplay/input.hpp"
#include "levels/level_manager.hpp"

namespace velkor {
namespace {

class LogoScreens : public testing::Test {
protected:
    LogoScreens() : registry(std::make_unique<Registry>()) {
        registry->singletons.set(singleton::Input{});  // present: no window is needed
        registry->singletons.set(singleton::GameState{});
    }

    int Requested() { return registry->singletons.get<singleton::GameState>().nextLevel; }
    void Press(int entry) { registry->singletons.get<singleton::Input>().Keys[entry] = input::Pressed; }
    void Hold(int entry) { registry->singletons.get<singleton::Input>().Keys[entry] = input::Held; }

    // Runs frames of dt until total seconds have passed.
    void Run(util::iLevel& level, float seconds, float dt = 1.0f / 60.0f) {
        for (float t = 0.0f; t < seconds; t += dt) level.Update(dt, *registry);
    }

    std::unique_ptr<Registry> registry;
};

TEST_F(LogoScreens, LogoHandsOverToTheTeamLogoAfterEightSeconds) {
    levels::Logo logo;
    logo.Initialize(*registry);
    Run(logo, 7.8f);
    EXPECT_EQ(Requested(), 0);
    Run(logo, 0.3f);
    EXPECT_EQ(Requested(), levels::LevelIndex::TeamLogo);
}

TEST_F(LogoScreens, TeamAndGameLogosLastThreeSeconds) {
    levels::TeamLogo team;
    team.Initialize(*registry);
    Run(team, 2.9f);
    EXPECT_EQ(Requested(), 0);
    Run(team, 0.2f);
    EXPECT_EQ(Requested(), levels::LevelIndex::GameLogo);

    levels::GameLogo game;
    game.Initialize(*registry);
    Run(game, 3.1f);
    EXPECT_EQ(Requested(), levels::LevelIndex::MainMenu);
}

TEST_F(LogoScreens, SkipKeysAndButtonsGoStraightToTheMainMenu) {
    for (int entry : {GLFW_KEY_ENTER, GLFW_KEY_SPACE, GLFW_KEY_ESCAPE, input::MouseLeft, input::MouseRight}) {
        registry->singletons.set(singleton::Input{});
        registry->singletons.get<singleton::GameState>().nextLevel = 0;
        levels::Logo logo;
        logo.Initialize(*registry);
        logo.Update(0.016f, *registry);
        EXPECT_EQ(Requested(), 0);
        Press(entry);
        logo.Update(0.016f, *registry);
        EXPECT_EQ(Requested(), levels::LevelIndex::MainMenu) << "entry " << entry;

        registry->singletons.get<singleton::GameState>().nextLevel = 1;
        levels::TeamLogo team;
        team.Initialize(*registry);
        team.Update(0.016f, *registry);
        EXPECT_EQ(Requested(), levels::LevelIndex::MainMenu) << "entry " << entry;
    }
}

TEST_F(LogoScreens, OnlyAFreshPressSkips) {
    levels::Logo logo;
    logo.Initialize(*registry);
    Hold(GLFW_KEY_ESCAPE);  // held since before the screen: a key still down from earlier
    Hold(input::MouseLeft);
    Press(GLFW_KEY_A);
    Run(logo, 1.0f);
    EXPECT_EQ(Requested(), 0);
}

}  // namespace
}  // namespace velkor
