// Focus and minimise handling against the real audio layer on the null audio output.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "audio/audio.hpp"
#include "gameplay/input.hpp"
#include "tests/audio/audio_output.hpp"

namespace velkor {
namespace {

constexpr const char* Loop = "Assets/SFX/Tests/Loop440.wav";
constexpr float Tolerance = 1e-5f;

class WindowFocus : public testing::Test {
protected:
    void SetUp() override {
        test::SelectAudioOutput("null");
        input::ResetBackend();
        registry = std::make_unique<Registry>();
        audioSystem.Init(*registry);
        input::GetBackend().registry = registry.get();
        const int loop = audio::RequestSound(Loop, false, true);
        sfx = audio::PlaySound(loop, 0.9f, 0.0f, audio::SFX);
        music = audio::PlaySound(loop, 0.6f, 0.0f, audio::Music);
        ASSERT_GE(sfx, 0);
        ASSERT_GE(music, 0);
        sound = loop;
    }
    void TearDown() override {
        input::ResetBackend();
        if (sound >= 0) audio::UnrequestSound(sound);
        if (registry) audioSystem.Shutdown(*registry);
    }

    float Master() { return registry->singletons.get<singleton::Audio>().GroupVolume[audio::Master]; }
    void ExpectLevels(float sfxLevel, float musicLevel) {
        EXPECT_NEAR(audio::ChannelVolume(sfx), sfxLevel, Tolerance);
        EXPECT_NEAR(audio::ChannelVolume(music), musicLevel, Tolerance);
    }

    std::unique_ptr<Registry> registry;
    system::Audio audioSystem;
    int sfx = -1, music = -1, sound = -1;
};

TEST_F(WindowFocus, EachLossOfFocusOrMinimiseCountsOnceAndTheReturnRestoresEveryChannel) {
    using Callback = void (*)(GLFWwindow*, int);
    struct Step {
        Callback callback;
        int value;
        float master;  // every channel sits this far below its own level (below zero: silent)
    };
    const Callback focus = input::WindowFocusCallback;
    const Callback iconify = input::WindowIconifyCallback;
    const Step steps[] = {
        {focus, 1, 0.0f},  // the window system reports focus when the window first appears
        {iconify, 0, 0.0f},  // nothing to give back yet
        {focus, 0, -5.0f},
        {focus, 0, -5.0f},  // a repeated loss counts once
        {focus, 1, 0.0f},
        {focus, 0, -5.0f},
        {iconify, 1, -10.0f},  // minimised too: both offsets
        {iconify, 0, -5.0f},
        {focus, 1, 0.0f},
    };
    int n = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE("step " + std::to_string(n++));
        step.callback(nullptr, step.value);
        EXPECT_NEAR(Master(), step.master, Tolerance);
        ExpectLevels(0.9f + step.master, 0.6f + step.master);
    }
}

TEST_F(WindowFocus, AMenuVolumeSetWhileUnfocusedSurvivesTheReturn) {
    input::WindowFocusCallback(nullptr, 0);
    audio::SetGroupVolume(Master() - 3.0f, audio::Master);  // the options menu's sound-off, say
    input::WindowFocusCallback(nullptr, 1);
    EXPECT_NEAR(Master(), -3.0f, Tolerance);
    ExpectLevels(0.9f - 3.0f, 0.6f - 3.0f);
}

}  // namespace
}  // namespace velkor
