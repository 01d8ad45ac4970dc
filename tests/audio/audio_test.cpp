// The audio layer on the null output: real decoding and real channels, no sound card.
#include "audio/audio.hpp"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <thread>

#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include "app/game.hpp"
#include "audio/device.hpp"
#include "engine/engine.hpp"
#include "graphics/camera.hpp"
#include "serialization/prefab.hpp"
#include "serialization/transform.hpp"
#include "support/trace_capture.hpp"
#include "tests/audio/audio_output.hpp"
#include "support/json.hpp"

namespace velkor {
namespace {

namespace dev = audio::device;

// Volumes go through a few float additions: -5 and back is not bit-exact.
constexpr float Tolerance = 1e-5f;

constexpr const char* Tone = "Assets/SFX/Tests/Tone440.wav";
constexpr const char* Loop = "Assets/SFX/Tests/Loop440.wav";
constexpr const char* Click = "Assets/SFX/Tests/Click.wav";
constexpr const char* Stream = "Assets/Music/Tests/Stream.wav";
constexpr const char* Mp3 = "Assets/Music/Tests/Chime.mp3";

// What the device was actually given for the sound on a channel index.
float Applied(int channel, dev::Result (*get)(dev::Channel, float*)) {
    dev::Channel c;
    float value = -1.0f;
    EXPECT_EQ(dev::GetChannel(audio::DeviceSystem(), channel, &c), dev::Result::Ok);
    EXPECT_EQ(get(c, &value), dev::Result::Ok) << "channel " << channel << " plays nothing";
    return value;
}
float AppliedVolume(int channel) { return Applied(channel, &dev::ChannelGetVolume); }
float AppliedPitch(int channel) { return Applied(channel, &dev::ChannelGetPitch); }

bool Playing(int channel) {
    dev::Channel c;
    bool playing = false;
    if (dev::GetChannel(audio::DeviceSystem(), channel, &c) != dev::Result::Ok) return false;
    dev::ChannelIsPlaying(c, &playing);
    return playing;
}

using test::Parse;

class AudioLayer : public testing::Test {
protected:
    void SetUp() override {
        test::SelectAudioOutput("null");
        registry_ = std::make_unique<Registry>();
        system_.Init(*registry_);
        traces_.clear();
    }
    void TearDown() override {
        if (registry_ && !shutDown_) system_.Shutdown(*registry_);
    }

    void Shutdown() {
        system_.Shutdown(*registry_);
        shutDown_ = true;
    }
    void Frame() { system_.Update(1.0f / 60.0f, *registry_); }
    // Real time passes for real mixers: frames at 60 Hz for the given time.
    void RunFor(double seconds) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (std::chrono::steady_clock::now() < end) {
            Frame();
            std::this_thread::sleep_for(std::chrono::milliseconds(16));
        }
    }
    singleton::Audio& Settings() { return registry_->singletons.get<singleton::Audio>(); }

    std::unique_ptr<Registry> registry_;
    system::Audio system_;
    test::TraceCapture traces_;
    bool shutDown_ = false;
};

TEST_F(AudioLayer, RequestsCountPerPathAndUnloadOnlyAtShutdown) {
    const int a = audio::RequestSound(Tone, false, false);
    const int b = audio::RequestSound(Tone, true, true);
    const int c = audio::RequestSound(Tone, false, false);
    ASSERT_GE(a, 0);
    EXPECT_EQ(b, a);
    EXPECT_EQ(c, a);
    EXPECT_EQ(audio::RequestCount(a), 3);
    EXPECT_NE(audio::RequestSound(Click, false, false), a);

    for (int i = 0; i < 3; ++i) audio::UnrequestSound(a);
    EXPECT_EQ(audio::RequestCount(a), 0);
    EXPECT_TRUE(audio::IsLoaded(a));
    audio::ReleaseUnrequested();
    EXPECT_FALSE(audio::IsLoaded(a));
    EXPECT_TRUE(traces_.messages().empty());

    // A later request of the same path loads it again under the same index.
    EXPECT_EQ(audio::RequestSound(Tone, false, false), a);
    EXPECT_TRUE(audio::IsLoaded(a));
    const int once = audio::PlaySound(a, 1.0f, 0.0f, audio::SFX);
    const int looped = audio::PlaySound(audio::RequestSound(Loop, false, true), 1.0f, 0.0f, audio::SFX);
    ASSERT_GE(once, 0);
    ASSERT_GE(looped, 0);
    EXPECT_FALSE(audio::ChannelLooping(once));
    EXPECT_TRUE(audio::ChannelLooping(looped));
    system::Audio::Stop(looped);
    EXPECT_FALSE(audio::ChannelLooping(looped)) << "a stopped loop plays no more";
    EXPECT_FALSE(audio::ChannelLooping(-1));
}

TEST_F(AudioLayer, SurplusUnrequestsAreReportedAndDoNotBlockTheNextRequest) {
    const int a = audio::RequestSound(Click, false, false);
    audio::UnrequestSound(a);
    audio::UnrequestSound(a);  // count 0 -> -1: still a plain unrequest
    EXPECT_TRUE(traces_.messages().empty());
    audio::UnrequestSound(a);  // count already negative
    EXPECT_EQ(traces_.messages(),
              std::vector<std::string>{"audio::UnrequestSound is trying to unrequest unloaded sound " +
                                       std::string(Click) + "\n"});
    EXPECT_EQ(audio::RequestSound(Click, false, false), a);
    EXPECT_EQ(audio::RequestCount(a), 1);
    EXPECT_GE(audio::PlaySound(a, 1.0f, 0.0f, audio::SFX), 0);
}

TEST_F(AudioLayer, BadIndicesPathsAndGroupsAreTracedAndPlayNothing) {
    EXPECT_EQ(audio::RequestSound("Assets/SFX/NoSuchSound.wav", false, false), -1);
    const int beyond = audio::SoundCount() + 7;
    audio::UnrequestSound(beyond);
    audio::UnrequestSound(-1);
    audio::UnrequestSound("Assets/SFX/NoSuchSound.wav");
    EXPECT_EQ(audio::PlaySound(-1, 1.0f, 0.0f, audio::SFX), -1);
    const int tone = audio::RequestSound(Tone, false, false);
    EXPECT_EQ(audio::PlaySound(tone + 1, 1.0f, 0.0f, audio::SFX), -1);
    EXPECT_EQ(audio::PlaySound(tone, 1.0f, 0.0f, 4), -1);
    EXPECT_EQ(audio::PlaySound(tone, 1.0f, 0.0f, -1), -1);
    audio::SetGroupVolume(1.0f, 4);
    audio::StopGroup(-2);
    system::Audio::Stop(32);
    system::Audio::Stop(-1);
    system::Audio::Stop(1000);
    system::Audio::Stop(31);  // a valid index that plays nothing: no message
    audio::UnrequestSound(tone);
    EXPECT_EQ(audio::PlaySound(tone, 1.0f, 0.0f, audio::SFX), -1);

    const std::vector<std::string> expected{
        "Sound file Assets/SFX/NoSuchSound.wav was unable to be opened!\n",
        "audio::UnrequestSound has recieved invalid index: " + std::to_string(beyond) + "\n",
        "audio::UnrequestSound has recieved invalid index: -1\n",
        "Unrecognized filepath: Assets/SFX/NoSuchSound.wav\n",
        "audio::PlaySound has recieved invalid index: -1\n",
        "audio::PlaySound has recieved invalid index: " + std::to_string(tone + 1) + "\n",
        "Invalid SoudGroup passed: 4\n",
        "Invalid SoudGroup passed: -1\n",
        "Invalid SoudGroup passed: 4\n",
        "Invalid SoudGroup passed: -2\n",
        "Audio::Stop has recieved invalid index 32\n",
        "Audio::Stop has recieved invalid index -1\n",
        "Audio::Stop has recieved invalid index 1000\n",
        "audio::PlaySound is trying to play unrequested sound file " + std::string(Tone) + "\n",
    };
    EXPECT_EQ(traces_.messages(), expected);
}

TEST_F(AudioLayer, UndecodableFileStaysInTheTableUnloaded) {
    const std::string path = test::ProcessFile("velkor_not_a_sound", ".wav");
    std::ofstream(path) << "this is text, not sound";
    const int index = audio::RequestSound(path, false, false);
    ASSERT_GE(index, 0);
    EXPECT_FALSE(audio::IsLoaded(index));
    EXPECT_EQ(audio::RequestCount(index), 1);
    EXPECT_EQ(audio::PlaySound(index, 1.0f, 0.0f, audio::SFX), -1);
    EXPECT_EQ(traces_.messages(),
              (std::vector<std::string>{"FMOD experienced an error: Unsupported file or audio format.\n",
                                        "Sound " + path + " could not be loaded; it stays silent.\n",
                                        "audio::PlaySound is trying to play unloaded sound " + path + "\n"}));
    audio::UnrequestSound(index);
    std::remove(path.c_str());
}

TEST_F(AudioLayer, EveryFormatDecodesWholeAndStreamed) {
    // The formats the game's sounds come in: WAV and MP3 test tones, and the second level's
    // music, the one Ogg Vorbis file.
    const std::vector<std::string> paths{Tone, Mp3, "Assets/Music/Foundry.ogg"};
    for (const auto& path : paths) {
        for (bool stream : {false, true}) {
            dev::Sound* sound = nullptr;
            ASSERT_EQ(dev::CreateSound(audio::DeviceSystem(), path.c_str(),
                                       stream ? dev::ModeCreateStream : dev::ModeDefault, &sound),
                      dev::Result::Ok)
                << path;
            dev::Channel channel;
            ASSERT_EQ(dev::PlaySound(audio::DeviceSystem(), sound, nullptr, &channel), dev::Result::Ok) << path;
            bool playing = false;
            EXPECT_EQ(dev::ChannelIsPlaying(channel, &playing), dev::Result::Ok) << path;
            EXPECT_EQ(dev::SoundRelease(sound), dev::Result::Ok);
            EXPECT_EQ(dev::ChannelIsPlaying(channel, &playing), dev::Result::ErrInvalidHandle) << path;
        }
    }
}

TEST_F(AudioLayer, PlayAppliesGroupOffsetsAndPitchOffset) {
    const int tone = audio::RequestSound(Loop, false, true);
    Settings().GroupVolume = {0.0f, -0.25f, 0.0f, 0.0f};
    Frame();  // applies the new offsets (nothing plays yet)
    const int c = audio::PlaySound(tone, 0.75f, 0.008f, audio::SFX);
    ASSERT_GE(c, 0);
    ASSERT_LT(c, audio::ChannelCount);
    EXPECT_NEAR(audio::ChannelVolume(c), 0.5f, Tolerance);
    EXPECT_NEAR(AppliedVolume(c), 0.5f, Tolerance);
    EXPECT_NEAR(AppliedPitch(c), 1.008f, Tolerance);

    // A volume driven below zero reaches the device as 0 while the logical level is kept.
    const int quiet = audio::PlaySound(tone, 0.1f, 0.0f, audio::SFX);
    EXPECT_NEAR(audio::ChannelVolume(quiet), -0.15f, Tolerance);
    EXPECT_NEAR(AppliedVolume(quiet), 0.0f, Tolerance);
    EXPECT_TRUE(traces_.messages().empty());
}

TEST_F(AudioLayer, MasterOffsetSilencesEveryChannelAndRestoresEachLevel) {
    const int loop = audio::RequestSound(Loop, false, true);
    const int sfx = audio::PlaySound(loop, 0.9f, 0.0f, audio::SFX);
    const int music = audio::PlaySound(loop, 0.6f, 0.0f, audio::Music);
    const int ambient = audio::PlaySound(loop, 0.3f, 0.0f, audio::Ambient);

    // The focus-loss path: another part of the game lowers group 0 through the layer.
    audio::SetGroupVolume(Settings().GroupVolume[audio::Master] - 5.0f, audio::Master);
    EXPECT_NEAR(Settings().GroupVolume[audio::Master], -5.0f, Tolerance);
    for (int c : {sfx, music, ambient}) EXPECT_NEAR(AppliedVolume(c), 0.0f, Tolerance);
    EXPECT_NEAR(audio::ChannelVolume(sfx), -4.1f, Tolerance);

    const int lateSfx = audio::PlaySound(loop, 0.8f, 0.0f, audio::SFX);
    const int lateMaster = audio::PlaySound(loop, 0.7f, 0.0f, audio::Master);
    EXPECT_NEAR(AppliedVolume(lateSfx), 0.0f, Tolerance);
    EXPECT_NEAR(AppliedVolume(lateMaster), 0.0f, Tolerance);

    // The menu path: write the singleton and let the system's update apply the change.
    Settings().GroupVolume[audio::Master] = 0.0f;
    Frame();
    EXPECT_NEAR(AppliedVolume(sfx), 0.9f, Tolerance);
    EXPECT_NEAR(AppliedVolume(music), 0.6f, Tolerance);
    EXPECT_NEAR(AppliedVolume(ambient), 0.3f, Tolerance);
    EXPECT_NEAR(AppliedVolume(lateSfx), 0.8f, Tolerance);
    // Played straight into group 0, its start counted the -5 twice; only one comes back.
    EXPECT_NEAR(audio::ChannelVolume(lateMaster), -4.3f, Tolerance);
    EXPECT_NEAR(AppliedVolume(lateMaster), 0.0f, Tolerance);
    EXPECT_TRUE(traces_.messages().empty());
}

TEST_F(AudioLayer, GroupOffsetsShiftOnlyTheirOwnChannels) {
    const int loop = audio::RequestSound(Loop, false, true);
    const int sfx = audio::PlaySound(loop, 0.9f, 0.0f, audio::SFX);
    const int music = audio::PlaySound(loop, 0.6f, 0.0f, audio::Music);
    const int ambient = audio::PlaySound(loop, 0.3f, 0.0f, audio::Ambient);

    audio::SetGroupVolume(-0.5f, audio::Music);
    EXPECT_NEAR(AppliedVolume(sfx), 0.9f, Tolerance);
    EXPECT_NEAR(AppliedVolume(music), 0.1f, Tolerance);
    EXPECT_NEAR(AppliedVolume(ambient), 0.3f, Tolerance);

    // The ambient group has no group of its own: it shifts the channels of the master group.
    audio::SetGroupVolume(-0.1f, audio::Ambient);
    EXPECT_NEAR(AppliedVolume(sfx), 0.9f, Tolerance);
    EXPECT_NEAR(AppliedVolume(ambient), 0.2f, Tolerance);

    audio::StopGroup(audio::Music);
    EXPECT_FALSE(Playing(music));
    EXPECT_TRUE(Playing(sfx));
    audio::StopGroup(audio::Master);
    EXPECT_FALSE(Playing(sfx));
    EXPECT_FALSE(Playing(ambient));
    EXPECT_TRUE(traces_.messages().empty());
}

TEST_F(AudioLayer, FinishedChannelsEndQuietlyAndBusyChannelsAreTakenOverOldestFirst) {
    const int click = audio::RequestSound(Click, false, false);
    const int c = audio::PlaySound(click, 1.0f, 0.0f, audio::SFX);
    ASSERT_GE(c, 0);
    EXPECT_TRUE(Playing(c));
    RunFor(0.3);
    EXPECT_FALSE(Playing(c));
    system::Audio::Stop(c);
    audio::SetGroupVolume(-1.0f, audio::Master);
    EXPECT_TRUE(traces_.messages().empty());
    audio::SetGroupVolume(0.0f, audio::Master);

    const int loop = audio::RequestSound(Loop, false, true);
    std::vector<int> channels;
    for (int i = 0; i < audio::ChannelCount; ++i) channels.push_back(audio::PlaySound(loop, 0.5f, 0.0f, audio::SFX));
    std::vector<int> sorted = channels;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < audio::ChannelCount; ++i) EXPECT_EQ(sorted[static_cast<std::size_t>(i)], i);
    EXPECT_EQ(audio::PlaySound(loop, 0.25f, 0.0f, audio::SFX), channels[0]);
    EXPECT_EQ(audio::PlaySound(loop, 0.25f, 0.0f, audio::SFX), channels[1]);
    EXPECT_NEAR(AppliedVolume(channels[0]), 0.25f, Tolerance);
}

TEST_F(AudioLayer, StreamsRestartSurviveAStarvingStallAndLoop) {
    const int music = audio::RequestSound(Stream, true, false);
    const int c = audio::PlaySound(music, 1.0f, 0.0f, audio::Music);
    ASSERT_GE(c, 0);
    dev::Channel firstPlay;
    ASSERT_EQ(dev::GetChannel(audio::DeviceSystem(), c, &firstPlay), dev::Result::Ok);
    RunFor(0.1);
    // One decoder per stream: playing it again restarts it, and the first play is over.
    const int again = audio::PlaySound(music, 1.0f, 0.0f, audio::Music);
    bool playing = false;
    EXPECT_EQ(dev::ChannelIsPlaying(firstPlay, &playing), dev::Result::ErrInvalidHandle);
    EXPECT_TRUE(Playing(again));

    // A stall longer than its queue (1 s) starves the stream; it then carries on where it
    // stopped, plays its remaining 2 s and ends.
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    const auto resumed = std::chrono::steady_clock::now();
    while (Playing(again) && std::chrono::steady_clock::now() - resumed < std::chrono::seconds(4)) RunFor(0.05);
    const double rest = std::chrono::duration<double>(std::chrono::steady_clock::now() - resumed).count();
    EXPECT_FALSE(Playing(again));
    EXPECT_NEAR(rest, 2.0, 0.3);

    // A looping stream shorter than one chunk wraps around inside each chunk and keeps going.
    const int click = audio::RequestSound(Click, true, true);
    const int looping = audio::PlaySound(click, 1.0f, 0.0f, audio::SFX);
    RunFor(0.5);
    EXPECT_TRUE(Playing(looping));
    EXPECT_TRUE(traces_.messages().empty());
}

TEST_F(AudioLayer, FindSoundByNameOrPath) {
    component::Audio sounds;
    ReadAudio(sounds, Parse(R"({"Files": [{"Name": "Jump", "Filepath": "Assets/SFX/Tests/Click.wav"},
                                          {"Name": "Music", "Filepath": "Assets/SFX/Tests/Tone440.wav"}]})"),
              NoEntity, *registry_);
    EXPECT_EQ(audio::FindSound(&sounds, "Jump"), sounds.Files[0].Index);
    EXPECT_EQ(audio::FindSound(&sounds, Tone), sounds.Files[1].Index);
    EXPECT_EQ(audio::FindSound(&sounds, "Land"), -1);
    EXPECT_EQ(audio::FindSound(nullptr, "Jump"), -1);
    audio::UnrequestSounds(sounds);
}

TEST_F(AudioLayer, ComponentReadsItsFilesAndHoldsOneRequestPerEntry) {
    const auto prefab = Parse(R"({"Audio": {"Files": [
        {"Name": "Hum", "Filepath": "Assets/SFX/Tests/Loop440.wav", "Loop": true, "Ambient": true},
        {"Filepath": "Assets/SFX/Tests/Click.wav", "Loop": 1},
        {"Name": "NoPath"},
        "Assets/SFX/Tests/Tone440.wav",
        {"Name": "Missing", "Filepath": "Assets/SFX/Tests/Missing.wav"}
    ]}})");
    const Entity e = CreateEntity(prefab, *registry_);
    ASSERT_TRUE(registry_->has<component::Audio>(e));
    const auto& files = registry_->get<component::Audio>(e).Files;
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].Name, "Hum");
    EXPECT_EQ(files[1].Name, "!Unnamed!");
    EXPECT_EQ(files[2].Index, -1);
    const int hum = files[0].Index;
    const int click = files[1].Index;
    EXPECT_EQ(audio::RequestCount(hum), 1);
    EXPECT_EQ(traces_.messages(),
              std::vector<std::string>{"Sound file Assets/SFX/Tests/Missing.wav was unable to be opened!\n"});
    const auto& ambient = Settings().AmbientSources;
    ASSERT_EQ(ambient.size(), 1u);
    EXPECT_EQ(ambient[0].Owner, e);
    EXPECT_EQ(ambient[0].Channel, -1);
    EXPECT_EQ(ambient[0].Sound, hum);

    // "Loop" is true only for the literal true: the click plays once and ends.
    const int c = audio::PlaySound(click, 1.0f, 0.0f, audio::SFX);
    RunFor(0.3);
    EXPECT_FALSE(Playing(c));

    // A copy holds requests of its own; removal gives back one request per entry.
    const Entity copy = registry_->create();
    registry_->pool<component::Audio>().copy(copy, e);
    EXPECT_EQ(audio::RequestCount(hum), 2);
    traces_.clear();
    registry_->destroy(e);
    EXPECT_EQ(audio::RequestCount(hum), 1);
    EXPECT_EQ(audio::RequestCount(click), 1);
    registry_->clear();
    EXPECT_EQ(audio::RequestCount(hum), 0);
    // The copy's entry without a sound unrequests index -1, which is reported.
    EXPECT_EQ(traces_.messages(),
              (std::vector<std::string>{"audio::UnrequestSound has recieved invalid index: -1\n",
                                        "audio::UnrequestSound has recieved invalid index: -1\n"}));
}

TEST_F(AudioLayer, AmbientLoudnessFollowsTheDistanceToTheCamera) {
    auto& camera = registry_->singletons.get<singleton::Camera>();
    camera.Position = {10.0f, 5.0f};
    camera.ViewWidth = 16.0f;
    const auto prefab = Parse(R"({"Transform": {"Translation": [26.0, 5.0]},
        "Audio": {"Files": [{"Name": "Hum", "Filepath": "Assets/SFX/Tests/Loop440.wav", "Loop": true, "Ambient": true}]}})");
    const Entity e = CreateEntity(prefab, *registry_);
    ASSERT_TRUE(registry_->has<component::Transform>(e));
    ASSERT_EQ(registry_->get<component::Transform>(e).Translation.x, 26.0f);

    // Exactly one view width away: started, at volume 0.
    Frame();
    const int channel = Settings().AmbientSources[0].Channel;
    ASSERT_GE(channel, 0);
    EXPECT_NEAR(audio::ChannelVolume(channel), 0.0f, Tolerance);
    EXPECT_TRUE(Playing(channel));

    // Closer: louder, with the master offset carried along.
    registry_->get<component::Transform>(e).Translation = {14.0f, 5.0f};
    Settings().GroupVolume[audio::Master] = -0.25f;
    Frame();
    EXPECT_NEAR(audio::ChannelVolume(channel), 0.75f - 0.25f, Tolerance);
    EXPECT_NEAR(AppliedVolume(channel), 0.5f, Tolerance);

    // Beyond one view width: stopped.
    registry_->get<component::Transform>(e).Translation = {10.0f, 5.0f + 16.1f};
    Frame();
    EXPECT_EQ(Settings().AmbientSources[0].Channel, -1);
    EXPECT_FALSE(Playing(channel));

    // Back in range it starts again; a source whose entity is gone is skipped and kept.
    registry_->get<component::Transform>(e).Translation = {10.0f, 5.0f};
    Frame();
    const int again = Settings().AmbientSources[0].Channel;
    ASSERT_GE(again, 0);
    registry_->destroy(e);
    Frame();
    ASSERT_EQ(Settings().AmbientSources.size(), 1u);
    EXPECT_EQ(Settings().AmbientSources[0].Channel, again);
    EXPECT_TRUE(traces_.messages().empty());
}

TEST_F(AudioLayer, AmbientSourcesWaitForTheCameraView) {
    const auto prefab = Parse(R"({"Transform": {"Translation": [0.0, 0.0]},
        "Audio": {"Files": [{"Filepath": "Assets/SFX/Tests/Loop440.wav", "Loop": true, "Ambient": true}]}})");
    CreateEntity(prefab, *registry_);
    Frame();  // camera at its defaults: no view width yet
    EXPECT_EQ(Settings().AmbientSources[0].Channel, -1);
    registry_->singletons.get<singleton::Camera>().ViewWidth = 19.2f;
    Frame();
    EXPECT_GE(Settings().AmbientSources[0].Channel, 0);
}

TEST_F(AudioLayer, ShutdownReportsUnreleasedSoundsAndFreesThem) {
    const int tone = audio::RequestSound(Tone, false, false);
    audio::RequestSound(Tone, false, false);
    const int click = audio::RequestSound(Click, false, false);
    audio::UnrequestSound(click);
    audio::PlaySound(tone, 1.0f, 0.0f, audio::SFX);
    Shutdown();
    EXPECT_EQ(traces_.messages(), (std::vector<std::string>{"Audio System Shutdown\n",
                                                           "2 objects have not unrequested " + std::string(Tone) + "\n"}));
    EXPECT_FALSE(registry_->singletons.has<singleton::Audio>());
    EXPECT_EQ(audio::SoundCount(), 0);
    EXPECT_EQ(audio::DeviceSystem(), nullptr);
}

TEST_F(AudioLayer, InitCreatesTheSingletonOnlyWhenAbsent) {
    Shutdown();
    singleton::Audio prepared;
    prepared.GroupVolume = {-3.0f, 0.0f, 0.0f, 0.0f};
    prepared.MenuMusicChannel = 4;
    registry_->singletons.set(prepared);
    traces_.clear();
    system_.Init(*registry_);
    shutDown_ = false;
    EXPECT_EQ(traces_.messages(), std::vector<std::string>{"Audio System Init\n"});
    EXPECT_EQ(Settings().MenuMusicChannel, 4);
    // The prepared offsets count as applied already, and new sounds carry them.
    const int tone = audio::RequestSound(Tone, false, false);
    const int c = audio::PlaySound(tone, 1.0f, 0.0f, audio::SFX);
    Frame();
    EXPECT_NEAR(audio::ChannelVolume(c), -2.0f, Tolerance);

    // After a shutdown removed it, the next init starts from the defaults.
    Shutdown();
    system_.Init(*registry_);
    shutDown_ = false;
    EXPECT_EQ(Settings().GroupVolume[0], 0.0f);
    EXPECT_EQ(Settings().MenuMusicChannel, -1);
}

TEST(AudioEngine, ShutdownStopsChannelZeroAndReleasesTheTestSound) {
    test::SelectAudioOutput("null");
    test::TraceCapture traces;
    Engine::SystemList systems;
    systems.push_back(std::make_unique<system::Audio>());
    auto engine = MakeGameEngine(std::move(systems));
    engine->Init();
    const int test = audio::RequestSound("Assets/SFX/test.wav", false, false);
    ASSERT_GE(test, 0);
    const int c = audio::PlaySound(test, 1.0f, 0.0f, audio::SFX);
    EXPECT_EQ(c, 0);
    traces.clear();
    engine->Shutdown();
    // The request was given back before the audio system looked for leftovers.
    for (const auto& m : traces.messages()) EXPECT_EQ(m.find("objects have not unrequested"), std::string::npos) << m;
    EXPECT_TRUE(traces.contains("Audio System Shutdown\n"));

    // Without a request the path is unknown, which is only reported.
    Engine::SystemList again;
    again.push_back(std::make_unique<system::Audio>());
    engine = MakeGameEngine(std::move(again));
    engine->Init();
    traces.clear();
    engine->Shutdown();
    ASSERT_FALSE(traces.messages().empty());
    EXPECT_EQ(traces.messages()[0], "Unrecognized filepath: Assets/SFX/test.wav\n");
}

TEST(AudioEngine, ASystemDestroyedWithoutShutdownClosesTheDevice) {
    test::SelectAudioOutput("null");
    auto registry = std::make_unique<Registry>();
    auto first = std::make_unique<system::Audio>();
    first->Init(*registry);
    ASSERT_GE(audio::PlaySound(audio::RequestSound(Loop, false, true), 1.0f, 0.0f, audio::SFX), 0);

    // A second system takes the device over; destroying the first then leaves it alone.
    auto second = std::make_unique<system::Audio>();
    second->Init(*registry);
    EXPECT_EQ(audio::SoundCount(), 0);
    first.reset();
    ASSERT_NE(audio::DeviceSystem(), nullptr);
    const int tone = audio::RequestSound(Tone, false, false);
    EXPECT_GE(audio::PlaySound(tone, 1.0f, 0.0f, audio::SFX), 0);

    second.reset();
    registry.reset();
    EXPECT_EQ(audio::DeviceSystem(), nullptr);
    EXPECT_EQ(audio::SoundCount(), 0);
    test::TraceCapture traces;
    audio::SetGroupVolume(-5.0f, audio::Master);  // bound to no registry any more: nothing to touch
    EXPECT_TRUE(traces.messages().empty());
}

// No output device at all (here: the null output): the game runs on in
// silence, with sounds that still start, play for their length and end.
TEST(AudioNoDevice, RunsOnSilently) {
    test::SelectAudioOutput("null");
    test::TraceCapture traces;
    auto registry = std::make_unique<Registry>();
    system::Audio system;
    system.Init(*registry);
    EXPECT_NE(audio::DeviceSystem(), nullptr);
    EXPECT_FALSE(audio::device::SystemHasOutput(audio::DeviceSystem()));
    const int click = audio::RequestSound(Click, false, false);
    const int music = audio::RequestSound(Stream, true, true);
    const int c = audio::PlaySound(click, 1.0f, 0.0f, audio::SFX);
    const int m = audio::PlaySound(music, 1.0f, 0.0f, audio::Music);
    ASSERT_GE(c, 0);
    ASSERT_GE(m, 0);
    EXPECT_TRUE(Playing(c));
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    while (std::chrono::steady_clock::now() < end) {
        system.Update(1.0f / 60.0f, *registry);
        std::this_thread::sleep_for(std::chrono::milliseconds(16));
    }
    EXPECT_FALSE(Playing(c));
    EXPECT_TRUE(Playing(m));
    audio::UnrequestSound(click);
    audio::UnrequestSound(music);
    system.Shutdown(*registry);
    for (const auto& message : traces.messages())
        EXPECT_EQ(message.find("FMOD experienced an error"), std::string::npos) << message;
}

// Outside the audio system's lifetime every call is a neutral result with a message, never a crash.
TEST(AudioNoSystem, CallsBeforeInitAreReported) {
    test::TraceCapture traces;
    ASSERT_EQ(audio::DeviceSystem(), nullptr);
    const int tone = audio::RequestSound(Tone, false, false);
    ASSERT_GE(tone, 0);
    EXPECT_FALSE(audio::IsLoaded(tone));
    EXPECT_EQ(audio::PlaySound(tone, 1.0f, 0.0f, audio::SFX), -1);
    system::Audio::Stop(0);
    audio::SetGroupVolume(-5.0f, audio::Master);
    audio::UnrequestSound(tone);
    ASSERT_GE(traces.messages().size(), 2u);
    EXPECT_EQ(traces.messages()[0], "FMOD experienced an error: The sound system is not initialised.\n");
    EXPECT_EQ(traces.messages()[1], "audio::PlaySound is trying to play unloaded sound " + std::string(Tone) + "\n");
}

}  // namespace
}  // namespace velkor
