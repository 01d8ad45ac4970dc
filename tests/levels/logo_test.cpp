#include "levels/logo.hpp"

#include <memory>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "audio/audio.hpp"
#include "gameplay/input.hpp"
#include "graphics/components.hpp"
#include "levels/level_manager.hpp"
#include "tests/audio/audio_output.hpp"

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

TEST_F(LogoScreens, EachLogoHandsOverToTheNextScreenOnTime) {
    levels::Logo logo;
    levels::TeamLogo team;
    levels::GameLogo game;
    const struct {
        util::iLevel* level;
        float lasts;  // seconds
        int next;
    } screens[] = {
        {&logo, 8.0f, levels::LevelIndex::TeamLogo},
        {&team, 3.0f, levels::LevelIndex::GameLogo},
        {&game, 3.0f, levels::LevelIndex::MainMenu},
    };
    for (const auto& screen : screens) {
        registry->singletons.get<singleton::GameState>().nextLevel = 0;
        screen.level->Initialize(*registry);
        Run(*screen.level, screen.lasts - 0.1f);
        EXPECT_EQ(Requested(), 0) << "before " << screen.lasts << " s";
        Run(*screen.level, 0.2f);
        EXPECT_EQ(Requested(), screen.next) << "after " << screen.lasts << " s";
    }
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

float AlphaOf(Registry& registry, Entity e) { return registry.get<component::Graphics>(e).Color.a; }

TEST_F(LogoScreens, LogosFadeInForTwoSecondsAndOutForTheNextTwo) {
    levels::Logo logo;
    logo.Initialize(*registry);
    // The two logos are the screen's first two entities, both starting invisible.
    const Entity first = 0, second = 1;
    ASSERT_TRUE(registry->has<component::Graphics>(first));
    ASSERT_TRUE(registry->has<component::Graphics>(second));
    EXPECT_EQ(AlphaOf(*registry, first), 0.0f);
    // Quarter-second steps add up exactly, so the elapsed time lands on 4.0 itself.
    auto frames = [&](int n) {
        for (int i = 0; i < n; ++i) logo.Update(0.25f, *registry);
    };
    frames(4);
    EXPECT_NEAR(AlphaOf(*registry, first), 1.0f, 1e-5f);
    frames(4);
    EXPECT_NEAR(AlphaOf(*registry, first), 2.0f, 1e-5f);
    frames(4);
    EXPECT_NEAR(AlphaOf(*registry, first), 0.8f, 1e-5f) << "a net fall of 1.2 per second";
    EXPECT_EQ(AlphaOf(*registry, second), 0.0f) << "the second logo waits for the first";
    frames(4);
    const float firstAtEnd = AlphaOf(*registry, first);
    EXPECT_GT(AlphaOf(*registry, second), 0.0f) << "at exactly 4 s the second logo takes over";
    frames(8);
    EXPECT_EQ(AlphaOf(*registry, first), firstAtEnd) << "the first logo is left alone after 4 s";
    EXPECT_GT(AlphaOf(*registry, second), 1.0f);
    frames(9);
    EXPECT_EQ(Requested(), levels::LevelIndex::TeamLogo);
}

class LogoMusic : public LogoScreens {
protected:
    void SetUp() override {
        test::SelectAudioOutput("null");
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
