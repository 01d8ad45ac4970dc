#include "levels/level_state.hpp"

#include <fstream>
#include <memory>

#include <gtest/gtest.h>

#include "tests/audio/audio_output.hpp"
#include "support/json.hpp"

namespace velkor {
namespace {

using test::Parse;

TEST(LevelSingleton, Defaults) {
    const singleton::Level level;
    EXPECT_EQ(level.timeLeft, 1.0f);
    EXPECT_EQ(level.lastTimeLeft, -1.0f);
    EXPECT_EQ(level.MaxTime, 1.0f);
    EXPECT_EQ(level.FallDelayTime, 0.5f);
    EXPECT_EQ(level.collected, 0);
    EXPECT_EQ(level.CollectiblesRequred, 2);
    EXPECT_FALSE(level.digitsFrozen);
    EXPECT_TRUE(level.timerRunning);
    EXPECT_FALSE(level.secondLevel);
    EXPECT_EQ(level.levelHud, 0u);
    EXPECT_EQ(level.collectiblesCounter, 0u);
    EXPECT_FALSE(level.propertiesPending);
    EXPECT_TRUE(level.takenCollectables.empty());
}

TEST(MapProperties, ReadOncePerLevelStart) {
    auto registry = std::make_unique<Registry>();
    const auto first = Parse(R"([
        {"name": "MaxTime", "type": "int", "value": 360},
        {"name": "CollectiblesRequred", "type": "int", "value": 3},
        {"name": "FallDelayTime", "type": "float", "value": 0.75},
        {"name": "maxtime", "type": "int", "value": 5},
        {"name": "Unknown", "type": "string", "value": "x"}
    ])");
    levels::ReadMapProperties(first, *registry);
    ASSERT_TRUE(registry->singletons.has<singleton::Level>());
    auto& level = registry->singletons.get<singleton::Level>();
    EXPECT_FALSE(level.propertiesPending);
    EXPECT_EQ(level.timeLeft, 360.0f);
    EXPECT_EQ(level.MaxTime, 360.0f);
    EXPECT_EQ(level.lastTimeLeft, 360.0f);
    EXPECT_EQ(level.CollectiblesRequred, 3);
    EXPECT_EQ(level.collected, 1);
    EXPECT_EQ(level.FallDelayTime, 0.75f);

    const auto second = Parse(R"([{"name": "MaxTime", "type": "float", "value": 90.5}])");
    levels::ReadMapProperties(second, *registry);
    EXPECT_EQ(level.MaxTime, 360.0f) << "no level start in between: the first map's values stay";

    level.propertiesPending = true;  // what a playable level's shutdown does
    levels::ReadMapProperties(second, *registry);
    EXPECT_EQ(level.MaxTime, 90.5f);
    EXPECT_EQ(level.CollectiblesRequred, 3);
}

TEST(MapProperties, MalformedValuesLeaveTheDefaults) {
    auto registry = std::make_unique<Registry>();
    levels::ReadMapProperties(Parse(R"({"MaxTime": 5})"), *registry);
    auto& level = registry->singletons.get<singleton::Level>();
    EXPECT_EQ(level.MaxTime, 1.0f);
    EXPECT_FALSE(level.propertiesPending);

    level.propertiesPending = true;
    levels::ReadMapProperties(Parse(R"([3, {"name": 4, "value": 1}, {"name": "MaxTime"},
        {"name": "MaxTime", "value": "long"}, {"name": "CollectiblesRequred", "value": 2.5}])"), *registry);
    EXPECT_EQ(level.MaxTime, 1.0f);
    EXPECT_EQ(level.CollectiblesRequred, 2);
    EXPECT_EQ(level.collected, 0);
}

TEST(MapProperties, APresentLevelWithoutPendingPropertiesIsLeftAlone) {
    auto registry = std::make_unique<Registry>();
    levels::EnsureLevel(*registry).collected = 4;
    levels::ReadMapProperties(Parse(R"([{"name": "CollectiblesRequred", "value": 9}])"), *registry);
    EXPECT_EQ(registry->singletons.get<singleton::Level>().collected, 4);
    EXPECT_EQ(registry->singletons.get<singleton::Level>().CollectiblesRequred, 2);
}

TEST(MapProperties, AudioFillsTheLevelsSoundTable) {
    test::SelectAudioOutput("null");
    auto registry = std::make_unique<Registry>();
    system::Audio audioSystem;
    audioSystem.Init(*registry);
    const std::string path = test::ProcessFile("level_sounds", ".json");
    std::ofstream(path) << R"({"Files": [{"Name": "Win", "Filepath": "Assets/SFX/Tests/Tone440.wav"},
                                          {"Name": "BGM", "Filepath": "Assets/SFX/Tests/Loop440.wav", "Loop": true}]})";
    rapidjson::Document properties;
    properties.Parse(("[{\"name\": \"Audio\", \"type\": \"file\", \"value\": \"" + path + "\"}]").c_str());
    levels::ReadMapProperties(properties, *registry);

    auto& level = registry->singletons.get<singleton::Level>();
    ASSERT_EQ(level.sounds.Files.size(), 2u);
    const int win = audio::FindSound(&level.sounds, "Win");
    ASSERT_GE(win, 0);
    EXPECT_EQ(audio::RequestCount(win), 1);
    EXPECT_GE(audio::PlaySound(win, 1.0f, 0.0f, audio::SFX), 0);
    EXPECT_TRUE(registry->singletons.get<singleton::Audio>().AmbientSources.empty());
    audio::UnrequestSounds(level.sounds);
    level.sounds.Files.clear();
    audioSystem.Shutdown(*registry);
}

}  // namespace
}  // namespace velkor
