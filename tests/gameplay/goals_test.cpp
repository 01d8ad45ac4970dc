// Checkpoints, the goal, collectables, death requests and respawn, on hand-made entities; the
// effects come from the game's own prefab files.
#include "gameplay/goals.hpp"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "audio/audio.hpp"
#include "audio/device.hpp"
#include "gameplay/actions.hpp"
#include "gameplay/camera_follow.hpp"
#include "gameplay/collision.hpp"
#include "gameplay/player_behavior.hpp"
#include "gameplay/player_death.hpp"
#include "graphics/camera.hpp"
#include "graphics/components.hpp"
#include "graphics/sprite_sheet.hpp"
#include "levels/level_state.hpp"
#include "support/json.hpp"
#include "tests/audio/audio_output.hpp"

namespace velkor {
namespace {

using component::PlayerState;
constexpr PlayerState Idle = PlayerState::Idle, Airborne = PlayerState::Airborne, HazardDeath = PlayerState::HazardDeath,
                      FallDeath = PlayerState::FallDeath, Finish = PlayerState::Finish;
constexpr int CollectableTag = 7;

class Goals : public testing::Test {
protected:
    Goals() : registry(std::make_unique<Registry>()) {
        auto& level = levels::EnsureLevel(*registry);
        level.MaxTime = 60.0f;
        level.timeLeft = 12.0f;
        level.CollectiblesRequred = 5;
        util::CreateCamera(registry->singletons);
        registry->singletons.set(singleton::CheckPoint{});
    }
    singleton::Level& Level() { return registry->singletons.get<singleton::Level>(); }
    glm::vec2 Respawn() { return registry->singletons.get<singleton::CheckPoint>().RespawnPosition; }

    Entity At(glm::vec2 position) {
        const Entity e = registry->create();
        registry->add<component::Transform>(e).Translation = position;
        return e;
    }
    Entity Marker(glm::vec2 position) {  // a checkpoint or the goal
        const Entity e = At(position);
        registry->add<component::SpriteSheet>(e).Dimensions = {2, 1};
        registry->add<component::Light>(e).Color = {1.0f, 1.0f, 1.0f};
        return e;
    }
    Entity Collectable(glm::vec2 position) {
        const Entity e = At(position);
        registry->add<component::Graphics>(e);
        auto& light = registry->add<component::Light>(e);
        light.Strength = 0.8f;
        registry->add<component::Collision>(e).ColliderTag = CollectableTag;
        return e;
    }
    Entity Player(glm::vec2 position) {
        const Entity e = At(position);
        registry->add<component::PlayerBehavior>(e);
        registry->add<component::CameraFollow>(e);
        return e;
    }
    component::PlayerBehavior& Behavior(Entity e) { return registry->get<component::PlayerBehavior>(e); }
    bool Shown(Entity e) { return registry->get<component::Graphics>(e).Renderable; }
    int Index(Entity e) { return registry->get<component::SpriteSheet>(e).Index; }
    std::size_t Alive() {
        std::size_t n = 0;
        for (Entity e = 0; e < registry->next(); ++e) n += registry->alive(e);
        return n;
    }
    // Advances the actions by `seconds` in 60 Hz frames.
    void Run(float seconds) {
        for (float t = 0.0f; t < seconds; t += 1.0f / 60.0f) util::RootActions(*registry).Update(1.0f / 60.0f);
    }

    std::unique_ptr<Registry> registry;
};

TEST_F(Goals, CheckpointIsUsedOnceAndASecondOneMovesTheRespawn) {
    const Entity first = Marker({3.0f, 7.0f});
    const Entity second = Marker({20.0f, 9.0f});
    Level().takenCollectables = {41, 42};
    const std::size_t before = Alive();

    util::CheckpointResponse(first, *registry);
    EXPECT_EQ(Index(first), 1);
    EXPECT_EQ(registry->get<component::Light>(first).Color, glm::vec3(0.0f, 1.0f, 0.0f)) << "white turns green";
    EXPECT_EQ(Respawn(), glm::vec2(3.0f, 7.0f));
    EXPECT_TRUE(Level().takenCollectables.empty()) << "items taken so far stay taken";
    ASSERT_EQ(Alive(), before + 1) << "the effect";
    EXPECT_EQ(registry->get<component::Transform>(before).Translation, glm::vec2(3.0f, 7.0f));

    Level().takenCollectables = {43};
    registry->singletons.get<singleton::CheckPoint>().RespawnPosition = {0.0f, 0.0f};
    util::CheckpointResponse(first, *registry);  // touched again every frame the player stands in it
    EXPECT_EQ(Alive(), before + 1);
    EXPECT_EQ(Respawn(), glm::vec2(0.0f, 0.0f));
    EXPECT_EQ(Level().takenCollectables.size(), 1u);

    Run(0.7f);
    EXPECT_EQ(Alive(), before) << "the effect is gone after 0.6 s";
    util::CheckpointResponse(second, *registry);
    EXPECT_EQ(Respawn(), glm::vec2(20.0f, 9.0f));
}

TEST_F(Goals, GoalFinishesOnceStopsTheTimerAndBeatsADeathOfTheSameFrame) {
    const Entity player = Player({1.0f, 8.0f});
    const Entity goal = Marker({30.0f, 8.0f});
    Behavior(player).State = PlayerState::Run;
    ASSERT_TRUE(util::RequestEnding(Behavior(player), util::Ending::HazardDeath));
    const std::size_t before = Alive();

    util::GoalResponse(goal, *registry);
    EXPECT_EQ(Behavior(player).NextState, Finish);
    EXPECT_EQ(Index(goal), 1);
    EXPECT_FALSE(Level().timerRunning);
    EXPECT_EQ(Alive(), before + 1) << "the win effect";

    util::GoalResponse(goal, *registry);
    EXPECT_EQ(Alive(), before + 1) << "used once";
    // Nothing replaces the finish: neither a hazard nor a fall, before or after it is entered.
    EXPECT_FALSE(util::RequestEnding(Behavior(player), util::Ending::HazardDeath));
    Behavior(player).State = Finish;
    EXPECT_FALSE(util::RequestEnding(Behavior(player), util::Ending::FallDeath));
    EXPECT_EQ(Behavior(player).NextState, Finish);
}

TEST_F(Goals, ADyingPlayerDoesNotFinishAndTheGoalWaits) {
    const Entity player = Player({1.0f, 8.0f});
    const Entity goal = Marker({30.0f, 8.0f});
    Behavior(player).State = HazardDeath;
    Behavior(player).NextState = HazardDeath;
    util::GoalResponse(goal, *registry);
    EXPECT_EQ(Behavior(player).NextState, HazardDeath);
    EXPECT_EQ(Index(goal), 0);
    EXPECT_TRUE(Level().timerRunning);
}

TEST(DeathRequests, NeverOverwriteEachOther) {
    struct Case {
        PlayerState state, next;
        bool immune;
        util::Ending ending;
        bool taken;
        PlayerState after;
    };
    using util::Ending;
    const Case cases[] = {
        {Idle, Idle, false, Ending::HazardDeath, true, HazardDeath},
        {Idle, Idle, false, Ending::FallDeath, true, FallDeath},
        {Airborne, HazardDeath, false, Ending::FallDeath, false, HazardDeath},  // hazard first in the frame
        {HazardDeath, HazardDeath, false, Ending::FallDeath, false, HazardDeath},  // below the line while dying
        {FallDeath, FallDeath, false, Ending::HazardDeath, false, FallDeath},
        {FallDeath, Airborne, false, Ending::FallDeath, false, Airborne},  // respawned, not yet out of the state
        {Idle, Idle, true, Ending::HazardDeath, false, Idle},  // immune: no transition at all
        {Idle, Idle, true, Ending::FallDeath, false, Idle},
        {Idle, Idle, true, Ending::Finish, true, Finish},
        {Airborne, FallDeath, false, Ending::Finish, true, Finish},  // finish wins a tie in the frame
        {FallDeath, Airborne, false, Ending::Finish, false, Airborne},  // a death under way runs its course
        {Finish, Finish, false, Ending::HazardDeath, false, Finish},
    };
    for (const Case& c : cases) {
        component::PlayerBehavior player;
        player.State = c.state;
        player.NextState = c.next;
        player.Immune = c.immune;
        const int state = static_cast<int>(c.state), next = static_cast<int>(c.next);
        EXPECT_EQ(util::RequestEnding(player, c.ending), c.taken) << state << " " << next;
        EXPECT_EQ(player.NextState, c.after) << state << " " << next;
    }
}

TEST_F(Goals, CollectableFliesToTheCounterThenCounts) {
    auto& camera = registry->singletons.get<singleton::Camera>();
    ASSERT_EQ(camera.ViewWidth, 21.12f);
    const Entity item = Collectable({5.28f, 2.97f});
    Level().collected = 0;
    const Entity flying = registry->next() + 1;  // after the pickup effect

    util::CollectableResponse(item, *registry);
    EXPECT_FALSE(Shown(item));
    EXPECT_EQ(Level().takenCollectables, std::vector<Entity>{item});
    EXPECT_EQ(Level().timeLeft, 60.0f) << "the first item refills the timer";
    ASSERT_TRUE(registry->alive(flying));
    EXPECT_NEAR(registry->get<component::Transform>(flying).Translation.x, 0.5f, 1e-5f);
    EXPECT_NEAR(registry->get<component::Transform>(flying).Translation.y, 0.5f, 1e-5f);
    const glm::vec2 startScale = registry->get<component::Transform>(flying).Scale;

    util::CollectableResponse(item, *registry);  // hidden: cannot be taken twice
    EXPECT_EQ(Level().takenCollectables.size(), 1u);

    Run(0.5f);
    EXPECT_EQ(Level().collected, 0) << "counted only when the effect arrives";
    EXPECT_LT(registry->get<component::Light>(item).Strength, 0.8f) << "the item's light fades";
    Run(0.52f);
    const util::EntityHandle effect = util::EntityHandle::Of(*registry, flying);
    ASSERT_TRUE(effect.alive(*registry));
    const auto& flight = registry->get<component::Transform>(flying);
    EXPECT_NEAR(flight.Translation.x, 0.085f, 1e-4f);
    EXPECT_NEAR(flight.Translation.y, 0.95f, 1e-4f);
    EXPECT_NEAR(flight.Scale.x / startScale.x, 0.7f, 0.01f) << "swells, then shrinks";
    const std::size_t inFlight = Alive();
    Run(0.05f);
    EXPECT_FALSE(effect.alive(*registry)) << "the flying effect is destroyed on arrival";
    EXPECT_EQ(Alive(), inFlight) << "and the counter's effect takes its place";
    EXPECT_EQ(Level().collected, 1);
    EXPECT_EQ(registry->get<component::Light>(item).Strength, 0.8f) << "put back, switched off";
    EXPECT_FALSE(registry->get<component::Light>(item).Enabled);

    // Later items leave the timer alone.
    Level().timeLeft = 12.0f;
    util::CollectableResponse(Collectable({0.0f, 0.0f}), *registry);
    EXPECT_EQ(Level().timeLeft, 12.0f);
}

TEST(CollectablePitch, RisesWithTheCountAndNeverDividesByZero) {
    EXPECT_FLOAT_EQ(util::CollectablePitch(2, 5), 0.008f);
    EXPECT_FLOAT_EQ(util::CollectablePitch(5, 5), 0.02f);
    EXPECT_EQ(util::CollectablePitch(0, 5), 0.0f);
    EXPECT_EQ(util::CollectablePitch(3, 0), 0.0f);
}

TEST_F(Goals, ALevelSwitchDuringTheFlightWritesNothingToTheNewLevel) {
    const Entity item = Collectable({1.0f, 1.0f});
    util::CollectableResponse(item, *registry);
    Run(0.3f);
    // The level is left: every entity goes, a new level and its entities take the identifiers.
    registry->clear();
    registry->singletons.remove<singleton::Level>();
    auto& fresh = levels::EnsureLevel(*registry);
    fresh.collected = 1;
    std::vector<Entity> newcomers;
    for (int i = 0; i < 6; ++i) {
        const Entity e = At({9.0f, 9.0f});
        registry->get<component::Transform>(e).Scale = {2.0f, 2.0f};
        registry->add<component::Light>(e).Strength = 3.0f;
        newcomers.push_back(e);
    }
    Run(2.0f);
    EXPECT_EQ(fresh.collected, 1) << "the old level's item is not counted in the new one";
    for (const Entity e : newcomers) {
        ASSERT_TRUE(registry->alive(e)) << "nothing of the new level is destroyed";
        EXPECT_EQ(registry->get<component::Transform>(e).Translation, glm::vec2(9.0f, 9.0f));
        EXPECT_EQ(registry->get<component::Transform>(e).Scale, glm::vec2(2.0f, 2.0f));
        EXPECT_EQ(registry->get<component::Light>(e).Strength, 3.0f);
    }
    EXPECT_TRUE(util::RootActions(*registry).Actions.empty());
}

TEST_F(Goals, RespawnGivesBackWhatWasTakenSinceTheCheckpoint) {
    const Entity player = Player({40.0f, 2.0f});
    const Entity early = Collectable({2.0f, 8.0f});
    const Entity late1 = Collectable({12.0f, 8.0f});
    const Entity late2 = Collectable({14.0f, 8.0f});
    const Entity platform = At({18.0f, 6.0f});
    registry->add<component::Physics>(platform);
    Level().fallingPlatforms.push_back({{18.0f, 6.0f}, platform});
    Level().collected = 1;

    util::CollectableResponse(early, *registry);
    Run(1.1f);
    util::CheckpointResponse(Marker({10.0f, 8.0f}), *registry);
    util::CollectableResponse(late1, *registry);
    util::CollectableResponse(late2, *registry);
    Run(1.1f);
    ASSERT_EQ(Level().collected, 4);
    // The platform fell meanwhile, and a fall action was queued for it.
    const std::uint32_t generation = util::FallingPlatformGeneration(*registry, platform);
    registry->get<component::Transform>(platform).Translation = {18.0f, -3.0f};
    registry->get<component::Physics>(platform).Velocity = {0.0f, -4.0f};
    registry->get<component::Physics>(platform).Acceleration = {0.0f, -2.0f};
    const std::size_t before = Alive();

    util::Respawn(*registry);
    EXPECT_EQ(registry->get<component::Transform>(player).Translation, glm::vec2(10.0f, 8.0f));
    EXPECT_TRUE(registry->get<component::Transform>(player).Dirty);
    EXPECT_TRUE(Shown(late1) && Shown(late2));
    EXPECT_TRUE(registry->get<component::Light>(late1).Enabled);
    EXPECT_FALSE(Shown(early)) << "taken before the checkpoint: stays taken";
    EXPECT_EQ(Level().collected, 2);
    EXPECT_TRUE(Level().takenCollectables.empty());
    EXPECT_EQ(registry->get<component::Transform>(platform).Translation, glm::vec2(18.0f, 6.0f));
    EXPECT_EQ(registry->get<component::Physics>(platform).Velocity, glm::vec2(0.0f, 0.0f));
    EXPECT_EQ(registry->get<component::Physics>(platform).Acceleration, glm::vec2(0.0f, 0.0f));
    EXPECT_NE(util::FallingPlatformGeneration(*registry, platform), generation) << "old fall actions are void";
    ASSERT_EQ(Alive(), before + 1) << "the respawn effect";
    Run(1.05f);
    EXPECT_EQ(Alive(), before);

    // The items given back can be taken again.
    util::CollectableResponse(late1, *registry);
    EXPECT_FALSE(Shown(late1));
}

TEST_F(Goals, RespawnWithoutPlayerOrLevel) {
    const std::size_t before = Alive();
    util::Respawn(*registry);  // nobody to move: no effect either
    EXPECT_EQ(Alive(), before);

    registry->singletons.remove<singleton::Level>();
    registry->singletons.remove<singleton::CheckPoint>();
    const Entity player = Player({4.0f, -20.0f});
    util::Respawn(*registry);
    EXPECT_EQ(registry->get<component::Transform>(player).Translation, glm::vec2(0.0f, 0.0f)) << "never set: (0, 0)";
}

// The five level sounds through the level's own table on the null output: each
// response plays its sound at its volume, the pickup a little higher per item already counted.
// The table's entries loop here, so that a short sound is still playing when a slow (sanitized,
// loaded) run gets to look at it.
TEST(GoalSounds, PlayFromTheLevelTableWithTheirVolumesAndPitch) {
    test::SelectAudioOutput("null");
    std::ifstream real("Data/Audio/LevelSounds.json");
    std::string table{std::istreambuf_iterator<char>(real), {}};
    for (std::size_t at = 0; (at = table.find("\"Filepath\"", at)) != std::string::npos; at += 20)
        table.insert(at, "\"Loop\": true, ");
    const std::string tablePath = "goals_test_sounds_" + std::to_string(getpid()) + ".json";
    std::ofstream(tablePath) << table;
    auto registry = std::make_unique<Registry>();
    system::Audio audio;
    audio.Init(*registry);
    levels::ReadMapProperties(test::Parse((R"([{"name": "Audio", "type": "file", "value": ")" + tablePath + R"("},
                                             {"name": "CollectiblesRequred", "type": "int", "value": 5}])").c_str()),
                              *registry);
    std::remove(tablePath.c_str());
    auto& level = registry->singletons.get<singleton::Level>();
    for (const char* name : {"Collectable", "CheckpointReached", "Hazard", "Respawn", "Win"})
        EXPECT_GE(audio::FindSound(&level.sounds, name), 0) << name;
    level.collected = 2;

    auto make = [&](bool sheet) {
        const Entity e = registry->create();
        registry->add<component::Transform>(e);
        registry->add<component::Graphics>(e);
        if (sheet) registry->add<component::SpriteSheet>(e);
        return e;
    };
    auto playing = [&] {  // (volume, pitch) of every channel that plays
        std::vector<std::pair<float, float>> found;
        for (int c = 0; c < audio::ChannelCount; ++c) {
            audio::device::Channel channel;
            bool on = false;
            float pitch = 0.0f;
            if (audio::device::GetChannel(audio::DeviceSystem(), c, &channel) != audio::device::Result::Ok) continue;
            if (audio::device::ChannelIsPlaying(channel, &on) != audio::device::Result::Ok || !on) continue;
            audio::device::ChannelGetPitch(channel, &pitch);
            found.emplace_back(audio::ChannelVolume(c), pitch);
        }
        return found;
    };
    testing::internal::CaptureStdout();
    util::CollectableResponse(make(false), *registry);
    util::CheckpointResponse(make(true), *registry);
    (void)testing::internal::GetCapturedStdout();
    const auto sounds = playing();
    ASSERT_EQ(sounds.size(), 2u);
    EXPECT_NEAR(sounds[0].first, 1.0f, 1e-5f);
    EXPECT_NEAR(sounds[0].second, 1.008f, 1e-5f) << "2 of 5: 0.02 * 2 / 5 higher";
    EXPECT_NEAR(sounds[1].first, 0.6f, 1e-5f);
    EXPECT_NEAR(sounds[1].second, 1.0f, 1e-5f);
    registry->clear();
    audio.Shutdown(*registry);
}

TEST(FallDeath, BelowTheKillHeightEveryFrameButImmunePlayersNeverDie) {
    auto registry = std::make_unique<Registry>();
    const Entity player = registry->create();
    registry->add<component::Transform>(player).Translation = {3.0f, 4.9f};
    auto& behavior = registry->add<component::PlayerBehavior>(player);
    behavior.State = Airborne;
    behavior.NextState = Airborne;
    behavior.Immune = true;
    system::PlayerDeath system;  // its init opens the window: not needed for the check itself

    testing::internal::CaptureStdout();
    for (int frame = 0; frame < 3; ++frame) system.Update(1.0f / 60.0f, *registry);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "PlayerDead\nPlayerDead\nPlayerDead\n");
    EXPECT_EQ(registry->get<component::PlayerBehavior>(player).NextState, Airborne);

    registry->get<component::PlayerBehavior>(player).Immune = false;
    testing::internal::CaptureStdout();
    system.Update(1.0f / 60.0f, *registry);
    EXPECT_EQ(registry->get<component::PlayerBehavior>(player).NextState, FallDeath);
    registry->get<component::Transform>(player).Translation.y = 5.0f;
    registry->get<component::PlayerBehavior>(player).NextState = Airborne;
    system.Update(1.0f / 60.0f, *registry);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "PlayerDead\n") << "5.0 itself is not below";
    EXPECT_EQ(registry->get<component::PlayerBehavior>(player).NextState, Airborne);
}

}  // namespace
}  // namespace velkor
