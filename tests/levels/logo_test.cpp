#include "levels/logo.hpp"

#include <memory>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "audio/audio.hpp"
#include "gameplay/input.hpp"
#include "levels/level_manager.hpp"
#include "tests/audio/openal_backend.hpp"

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

TEST_F(LogoScreens, TheClockRunsOnThroughExactlyFourSeconds) {
    levels::Logo logo;
    logo.Initialize(*registry);
    // Quarter-second steps add up exactly, so the elapsed time lands on 4.0 itself.
    for (int i = 0; i < 33; ++i) logo.Update(0.25f, *registry);
    EXPECT_EQ(Requested(), levels::LevelIndex::TeamLogo);
}

class LogoMusic : public LogoScreens {
protected:
    void SetUp() override {
        VELKOR_SELECT_OPENAL_BACKEND("null");
        audioSystem.Init(*registry);
    }
    void TearDown() override { audioSystem.Shutdown(*registry); }

    int MusicRequests() {
        for (int i = 0; i < audio::SoundCount(); ++i)
            if (audio::SoundPath(i) == levels::MenuMusicPath) return audio::RequestCount(i);
        return 0;
    }

    system::Audio audioSystem;
};

TEST_F(LogoMusic, StartsTheMenuMusicOnceAndGivesBackItsRequestOnce) {
    const int before = MusicRequests();  // the sound table lives as long as the process
    levels::Logo logo;
    logo.Initialize(*registry);
    const int channel = registry->singletons.get<singleton::Audio>().MenuMusicChannel;
    EXPECT_GE(channel, 0) << "the music plays";
    EXPECT_EQ(MusicRequests(), before + 1);

    // A key and a click in the same frame: one skip, one request given back.
    Press(GLFW_KEY_SPACE);
    Press(input::MouseLeft);
    logo.Update(0.016f, *registry);
    EXPECT_EQ(Requested(), levels::LevelIndex::MainMenu);
    EXPECT_EQ(MusicRequests(), before);
    logo.Update(0.016f, *registry);
    logo.Shutdown(*registry);
    EXPECT_EQ(MusicRequests(), before);
    EXPECT_EQ(registry->singletons.get<singleton::Audio>().MenuMusicChannel, channel)
        << "the music plays on into the menus";

    // A second visit does not start a second copy of the music.
    registry->singletons.set(singleton::Input{});
    levels::Logo again;
    again.Initialize(*registry);
    EXPECT_EQ(registry->singletons.get<singleton::Audio>().MenuMusicChannel, channel);
    EXPECT_EQ(MusicRequests(), before + 1);
    Run(again, 8.2f);
    EXPECT_EQ(Requested(), levels::LevelIndex::TeamLogo);
    EXPECT_EQ(MusicRequests(), before);
    again.Shutdown(*registry);
    EXPECT_EQ(MusicRequests(), before);
}

}  // namespace
}  // namespace velkor
