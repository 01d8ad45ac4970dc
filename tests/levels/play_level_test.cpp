// The playable levels' shared part, on a small level that uses it as the real levels do: the
// timer and its two warnings, the lose switch, the pause menu holding the timer and the warnings,
// focus loss, the warnings acting only on their own sounds, and what a level switch leaves behind.
// Sound goes to the null audio output; the pause menu and the effects come from the game's own prefabs.
#include "levels/play_level.hpp"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "engine/engine.hpp"
#include "gameplay/actions.hpp"
#include "gameplay/camera_follow.hpp"
#include "gameplay/collision.hpp"
#include "gameplay/goals.hpp"
#include "gameplay/input.hpp"
#include "gameplay/physics.hpp"
#include "gameplay/player_death.hpp"
#include "graphics/camera.hpp"
#include "graphics/components.hpp"
#include "levels/cursor.hpp"
#include "levels/level_manager.hpp"
#include "levels/level_state.hpp"
#include "platform/window.hpp"
#include "serialization/transform.hpp"
#include "support/json.hpp"
#include "tests/support/windowless_game.hpp"

namespace velkor {
namespace {

constexpr float Step = 0.25f;  // exact in binary: the thresholds are met on the frame, not near it
constexpr int CollectableTag = 7;

// Looping sounds, so that a warning plays for as long as the test looks at it. One file per test:
// ctest runs the tests side by side in one folder, and each removes its file when it ends.
std::string SoundsFile() {
    return std::string("play_level_test_sounds_") + testing::UnitTest::GetInstance()->current_test_info()->name() +
           ".json";
}
constexpr const char* Sounds = R"({"Files": [
    {"Name": "BGM", "Filepath": "Assets/Music/MenuCut.mp3", "Loop": true},
    {"Name": "TimerLight", "Filepath": "Assets/SFX/test.wav", "Loop": true},
    {"Name": "TimerHeavy", "Filepath": "Assets/SFX/Level/Hazard.wav", "Loop": true},
    {"Name": "Click", "Filepath": "Assets/SFX/Level/Respawn.wav", "Loop": true}]})";

// A playable level made of a player and one collectable, with the map properties given.
class Course final : public levels::PlayLevel {
public:
    float maxTime = 40.0f;
    Entity player = NoEntity, item = NoEntity;

    void Initialize(Registry& registry) override {
        const std::string properties = R"([{"name": "MaxTime", "value": )" + std::to_string(maxTime) +
                                       R"(}, {"name": "CollectiblesRequred", "value": 3}, {"name": "Audio", "value": ")" + SoundsFile() + R"("}])";
        levels::ReadMapProperties(test::Parse(properties.c_str()), registry);
        player = registry.create();
        registry.add<component::Transform>(player).Translation = {3.0f, 4.0f};
        registry.add<component::CameraFollow>(player);
        item = registry.create();
        registry.add<component::Transform>(item).Translation = {5.0f, 4.0f};
        registry.add<component::Graphics>(item);
        registry.add<component::Collision>(item).ColliderTag = CollectableTag;
        StartPlay(registry, 1.4f);
    }
    void Update(float dt, Registry& registry) override { PlayFrame(dt, registry); }
};

class PlayLevel : public test::WindowlessGame {
protected:
    void SetUp() override {
        WindowlessGame::SetUp();
        std::ofstream(SoundsFile()) << Sounds;
    }
    void TearDown() override {
        WindowlessGame::TearDown();
        std::remove(SoundsFile().c_str());
    }

    // Load and Initialize, as the level manager does when the level becomes current.
    void Enter(float maxTime) {
        course.maxTime = maxTime;
        course.Load(*registry);
        course.Initialize(*registry);
    }
    void Leave() {
        course.Shutdown(*registry);
        course.Unload(*registry);
    }
    void Frame(float dt = Step) {
        course.Update(dt, *registry);
        registry->singletons.get<singleton::Input>().Keys[EscapeKey] = input::Up;
    }
    void PressEscape() {
        registry->singletons.get<singleton::Input>().Keys[EscapeKey] = input::Pressed;
        Frame();
    }
    singleton::Level& Level() { return registry->singletons.get<singleton::Level>(); }
    int Next() { return registry->singletons.get<singleton::GameState>().nextLevel; }
    bool Paused() { return registry->singletons.get<singleton::PauseMenu>().open; }
    int PlaySound(const char* name) {
        return audio::PlaySound(audio::FindSound(&Level().sounds, name), 1.0f, 0.0f, audio::SFX);
    }

    static constexpr int EscapeKey = 256;
    Course course;
};

TEST_F(PlayLevel, InitializeSetsTheStageAndTheMusicStartsOncePerVisit) {
    auto& singletons = registry->singletons;
    singletons.set(singleton::Camera{});
    levels::EnsureLevel(*registry).digitsFrozen = true;  // as the last win screen left it
    // The sound table outlives a test; what other tests left in it is not this level's.
    auto requests = [] {
        int n = 0;
        for (int s = 0; s < audio::SoundCount(); ++s) n += std::max(audio::RequestCount(s), 0);
        return n;
    };
    const int before = requests();
    Enter(40.0f);
    EXPECT_EQ(Level().MaxTime, 40.0f);
    EXPECT_FALSE(Level().digitsFrozen);
    EXPECT_EQ(singletons.get<singleton::CheckPoint>().RespawnPosition, glm::vec2(3.0f, 4.0f));
    const auto& camera = singletons.get<singleton::Camera>();
    EXPECT_FLOAT_EQ(camera.ViewWidth, 19.2f * 1.4f);
    EXPECT_FLOAT_EQ(camera.ViewHeight, 10.8f * 1.4f);
    EXPECT_EQ(camera.ZValue, 1.4f);
    EXPECT_TRUE(course.MusicChannel().Playing());
    EXPECT_TRUE(levels::Cursor().active);
    EXPECT_TRUE(levels::Cursor().hidden);
    EXPECT_FALSE(Paused());
    EXPECT_TRUE(physics::Active(*registry));

    // Out to the lose screen and back: Shutdown keeps the entities, Unload stops every sound, and
    // the next visit starts the music again from a fresh record.
    const audio::HeldChannel music = course.MusicChannel();
    Leave();
    EXPECT_TRUE(registry->alive(course.player)) << "the win and lose screens draw over the level";
    EXPECT_FALSE(levels::Cursor().active);
    EXPECT_TRUE(Level().propertiesPending);
    EXPECT_FALSE(singletons.has<singleton::PauseMenu>());
    EXPECT_FALSE(music.Playing());
    EXPECT_FALSE(course.MusicChannel().Started());
    // Every visit gives its sounds back: none stays requested, however often the level is played.
    EXPECT_EQ(requests(), before);
    EXPECT_EQ(audio::FindSound(&Level().sounds, "BGM"), -1) << "nothing plays a sound given back";
    Level().collected = 5;
    Enter(40.0f);
    EXPECT_EQ(Level().collected, 1) << "a fresh record, read from the map";
    EXPECT_TRUE(course.MusicChannel().Playing());
    EXPECT_EQ(requests(), before + 4);
    Enter(40.0f);  // a Load with no Unload before it (the level started again over itself)
    EXPECT_EQ(requests(), before + 4);
}

TEST_F(PlayLevel, TimerWarningsStartOnceEachAndTheLoseScreenComesBelowZero) {
    struct Case {
        float maxTime;
        float lightAt;  // time left when the light warning starts; -1: never
        float heavyAt;
    };
    for (const Case c : {Case{40.0f, 30.0f, 15.0f}, Case{10.0f, -1.0f, 9.75f}}) {
        SCOPED_TRACE(c.maxTime);
        Enter(c.maxTime);
        float lightAt = -1.0f, heavyAt = -1.0f;
        audio::HeldChannel firstLight;
        while (Level().timeLeft > 0.0f) {
            Frame();
            EXPECT_EQ(Next(), 0) << "no lose screen at " << Level().timeLeft;
            if (course.LightWarningChannel().Started() && lightAt < 0.0f) {
                lightAt = Level().timeLeft;
                firstLight = course.LightWarningChannel();
                EXPECT_TRUE(firstLight.Playing());
                // The light warning ends early: it is not started again.
                firstLight.Stop();
            }
            if (course.HeavyWarningChannel().Started() && heavyAt < 0.0f) {
                heavyAt = Level().timeLeft;
                EXPECT_TRUE(course.HeavyWarningChannel().Playing());
            }
        }
        EXPECT_EQ(lightAt, c.lightAt);
        EXPECT_EQ(heavyAt, c.heavyAt);
        if (c.lightAt > 0.0f) {
            EXPECT_EQ(course.LightWarningChannel().channel, firstLight.channel);
        }
        EXPECT_EQ(Level().timeLeft, 0.0f);
        Frame(0.01f);
        EXPECT_EQ(Next(), levels::LevelIndex::LoseScreen);
        Leave();
        EXPECT_FALSE(course.HeavyWarningChannel().Started());
        registry->singletons.get<singleton::GameState>().nextLevel = 0;
    }
}

TEST_F(PlayLevel, WarningsActOnlyOnTheSoundsTheyStarted) {
    Enter(31.0f);
    for (int i = 0; i < 4; ++i) Frame();
    const audio::HeldChannel light = course.LightWarningChannel();
    ASSERT_TRUE(light.Playing());
    // The warning ends and a button click takes its channel over.
    system::Audio::Stop(light.channel);
    const audio::HeldChannel click = audio::HeldChannel::Of(PlaySound("Click"));
    ASSERT_EQ(click.channel, light.channel) << "the click reuses the channel";
    PressEscape();
    EXPECT_FALSE(click.Paused()) << "pausing the warnings leaves the click alone";
    PressEscape();
    while (Level().timeLeft > 15.0f) Frame();
    EXPECT_TRUE(course.HeavyWarningChannel().Playing());
    EXPECT_TRUE(click.Playing()) << "starting the heavy warning stops only the light one";
    EXPECT_EQ(course.LightWarningChannel().channel, light.channel) << "still counted as started";
}

TEST_F(PlayLevel, PauseFreezesTheTimerAndHoldsBothWarnings) {
    Enter(40.0f);
    while (Level().timeLeft > 30.0f) Frame();
    const float before = Level().timeLeft;
    PressEscape();
    ASSERT_TRUE(Paused());
    EXPECT_FALSE(physics::Active(*registry));
    for (int i = 0; i < 10; ++i) Frame();
    EXPECT_EQ(Level().timeLeft, before);
    EXPECT_TRUE(course.LightWarningChannel().Paused());
    EXPECT_TRUE(course.MusicChannel().Playing() && !course.MusicChannel().Paused()) << "the music plays on, quieter";
    PressEscape();
    EXPECT_FALSE(Paused());
    EXPECT_FALSE(course.LightWarningChannel().Paused());
    EXPECT_EQ(Level().timeLeft, before - Step) << "the timer goes on from the same value";

    while (Level().timeLeft > 15.0f) Frame();
    PressEscape();
    EXPECT_TRUE(course.HeavyWarningChannel().Paused());
    PressEscape();
    EXPECT_TRUE(course.HeavyWarningChannel().Playing());
    EXPECT_FALSE(course.HeavyWarningChannel().Paused());
}

TEST_F(PlayLevel, LosingTheWindowOpensThePauseMenuOncePerLoss) {
    Enter(40.0f);
    Frame();
    auto& backend = input::GetBackend();
    backend.unfocusedOffset = true;
    Frame();
    EXPECT_TRUE(Paused());
    const float frozen = Level().timeLeft;
    PressEscape();  // closed again while still away: it stays closed
    Frame();
    EXPECT_FALSE(Paused());
    EXPECT_LT(Level().timeLeft, frozen);
    backend.unfocusedOffset = false;
    Frame();
    EXPECT_FALSE(Paused()) << "coming back opens nothing";
    backend.minimisedOffset = true;
    Frame();
    EXPECT_TRUE(Paused());
    backend.minimisedOffset = false;
    Frame();
    EXPECT_TRUE(Paused()) << "it stays open when the window comes back";
}

TEST_F(PlayLevel, AnItemTakenAsTheLevelIsLeftNeverCountsInTheNextVisit) {
    Enter(40.0f);
    util::CreateCamera(registry->singletons);
    util::CollectableResponse(course.item, *registry);
    auto run = [&](float seconds) {
        for (float t = 0.0f; t < seconds; t += 1.0f / 60.0f) util::RootActions(*registry).Update(1.0f / 60.0f);
    };
    run(0.3f);
    Leave();  // to the win screen, which keeps the level's entities: the flight lands there
    run(0.9f);
    EXPECT_EQ(Level().collected, 2) << "counted on the finished visit's record";

    // Taken again on the next visit, which is left to the main menu mid-flight.
    Enter(40.0f);
    util::CollectableResponse(course.item, *registry);
    run(0.3f);
    Leave();
    levels::DestroyAllEntities(*registry);  // the main menu's Load
    Enter(40.0f);
    for (int i = 0; i < 6; ++i) registry->add<component::Light>(registry->create()).Strength = 3.0f;
    run(2.0f);
    EXPECT_EQ(Level().collected, 1) << "the new visit starts from its own count";
    EXPECT_TRUE(util::RootActions(*registry).Actions.empty());
}

}  // namespace
}  // namespace velkor
