// What a listener would hear: the audio layer records its mix into a WAV file (VELKOR_AUDIO_OUTPUT),
// and the recording is measured (amplitudes, frequencies, gaps).
//
// Without a device the mix follows the clock, so these tests take as long as the sound they
// record. Each recording is kept as velkor_<test>.wav in the test temporary directory for a closer
// look.
//
// How long something should be heard is read from the mixer's own clock (the frames it has mixed)
// when the test starts and stops it, never from the wall clock: on a busy machine the mix runs late
// and then catches up several frames at once, so the recording and the wall clock drift apart.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>

#include <gtest/gtest.h>

#include "audio/audio.hpp"
#include "audio/device.hpp"
#include "tests/audio/audio_output.hpp"

namespace velkor {
namespace {

constexpr const char* Tone = "Assets/SFX/Tests/Tone440.wav";
constexpr const char* Loop440 = "Assets/SFX/Tests/Loop440.wav";
constexpr const char* Loop550 = "Assets/SFX/Tests/Loop550.wav";
constexpr const char* Stream = "Assets/Music/Tests/Stream.wav";
constexpr const char* Mp3 = "Assets/Music/Tests/Chime.mp3";
constexpr double Pi = 3.14159265358979323846;
// The recording is cut into 10 ms windows, and a start or stop takes effect at the next mix; so
// two windows and two mixes of a frame each. What the sound file itself fixes is sample-exact.
constexpr double MixerSlack = 0.04;

struct Recording {
    int rate = 0;
    std::vector<float> left;
    std::vector<float> right;

    [[nodiscard]] double Seconds(std::size_t sample) const { return static_cast<double>(sample) / rate; }
    [[nodiscard]] std::size_t Sample(double seconds) const { return static_cast<std::size_t>(seconds * rate); }
};

// The recorder's output: RIFF/WAVE with a plain or extensible format chunk, 16-bit integer or
// 32-bit float samples, one or two channels.
Recording ReadWave(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    Recording out;
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return out;
    auto u16 = [&](std::size_t at) { return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                                                       static_cast<unsigned char>(bytes[at + 1]) << 8); };
    auto u32 = [&](std::size_t at) { return static_cast<std::uint32_t>(u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16); };
    int channels = 0;
    int bits = 0;
    int tag = 0;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string id(bytes.data() + at, 4);
        std::size_t size = u32(at + 4);
        const std::size_t body = at + 8;
        if (id == "fmt ") {
            tag = u16(body);
            channels = u16(body + 2);
            out.rate = static_cast<int>(u32(body + 4));
            bits = u16(body + 14);
            if (tag == 0xFFFE) tag = u16(body + 24);  // the sub-format GUID starts with the plain tag
        } else if (id == "data") {
            // A writer that did not finish leaves the size unset: take what is there.
            size = std::min(size, bytes.size() - body);
            const std::size_t width = static_cast<std::size_t>(bits / 8);
            const std::size_t frames = size / (width * static_cast<std::size_t>(channels));
            for (std::size_t f = 0; f < frames; ++f) {
                for (int c = 0; c < std::min(channels, 2); ++c) {
                    const std::size_t p = body + (f * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)) * width;
                    float v = 0.0f;
                    if (tag == 3 && bits == 32) {
                        const std::uint32_t raw = u32(p);
                        std::memcpy(&v, &raw, sizeof v);
                    } else if (tag == 1 && bits == 16) {
                        v = static_cast<std::int16_t>(u16(p)) / 32768.0f;
                    }
                    (c == 0 ? out.left : out.right).push_back(v);
                }
                if (channels == 1) out.right.push_back(out.left.back());
            }
            break;
        }
        at = body + size + (size & 1);
    }
    return out;
}

// Runs of 10 ms windows whose RMS is above the threshold, as [begin, end) sample ranges; runs
// closer than 30 ms are joined, so only real silences split them.
std::vector<std::pair<std::size_t, std::size_t>> Segments(const std::vector<float>& x, int rate, float threshold = 0.01f) {
    const std::size_t window = static_cast<std::size_t>(rate / 100);
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    for (std::size_t w = 0; w + window <= x.size(); w += window) {
        double sum = 0.0;
        for (std::size_t i = w; i < w + window; ++i) sum += static_cast<double>(x[i]) * x[i];
        if (std::sqrt(sum / static_cast<double>(window)) <= threshold) continue;
        if (!runs.empty() && w - runs.back().second <= 3 * window)
            runs.back().second = w + window;
        else
            runs.emplace_back(w, w + window);
    }
    return runs;
}

// Amplitude of the sinusoid of frequency f in x[begin, end), through a Hann-windowed projection.
double Amplitude(const std::vector<float>& x, int rate, std::size_t begin, std::size_t end, double f) {
    std::complex<double> sum = 0.0;
    double weight = 0.0;
    const double n = static_cast<double>(end - begin);
    for (std::size_t i = begin; i < end; ++i) {
        const double k = static_cast<double>(i - begin);
        const double w = 0.5 - 0.5 * std::cos(2.0 * Pi * k / n);
        sum += w * x[i] * std::polar(1.0, -2.0 * Pi * f * static_cast<double>(i) / rate);
        weight += w;
    }
    return 2.0 * std::abs(sum) / weight;
}

// Frequency of a pure tone from its rising zero crossings, interpolated between samples.
double Frequency(const std::vector<float>& x, int rate, std::size_t begin, std::size_t end) {
    double first = -1.0;
    double last = -1.0;
    int crossings = 0;
    for (std::size_t i = begin + 1; i < end; ++i) {
        if (x[i - 1] < 0.0f && x[i] >= 0.0f) {
            const double t = static_cast<double>(i - 1) + x[i - 1] / (x[i - 1] - x[i]);
            if (first < 0.0) first = t;
            last = t;
            ++crossings;
        }
    }
    if (crossings < 2) return 0.0;
    return (crossings - 1) / ((last - first) / rate);
}

// The largest step between neighbouring samples: a gap or a click in a tone shows up as a step
// far larger than the tone's own slope (2 pi f A / rate).
float LargestStep(const std::vector<float>& x, std::size_t begin, std::size_t end) {
    float step = 0.0f;
    for (std::size_t i = begin + 1; i < end; ++i) step = std::max(step, std::abs(x[i] - x[i - 1]));
    return step;
}

class Listening : public testing::Test {
protected:
    void SetUp() override {
        output_ = test::ProcessFile("velkor_mix", ".wav");
        test::SelectAudioOutput(output_);
        registry_ = std::make_unique<Registry>();
        system_.Init(*registry_);
        ASSERT_TRUE(audio::device::SystemHasOutput(audio::DeviceSystem())) << "the recorder did not open " << output_;
    }
    void TearDown() override {
        if (registry_ && !finished_) system_.Shutdown(*registry_);
    }

    // Frames at 60 Hz in real time, as the game runs them.
    void RunFor(double seconds) {
        const auto start = std::chrono::steady_clock::now();
        auto next = start;
        while (std::chrono::steady_clock::now() - start < std::chrono::duration<double>(seconds)) {
            system_.Update(1.0f / 60.0f, *registry_);
            next += std::chrono::microseconds(16667);
            std::this_thread::sleep_until(next);
        }
    }

    // How much the mixer has mixed so far, in seconds.
    [[nodiscard]] static double Mixed() { return audio::device::SystemMixedSeconds(audio::DeviceSystem()); }

    // Closes the recorder (which finishes the file) and reads the recording back.
    Recording Finish() {
        system_.Shutdown(*registry_);
        finished_ = true;
        const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        const std::string kept = testing::TempDir() + "velkor_" + name + ".wav";
        Recording r = ReadWave(output_);
        EXPECT_EQ(r.rate, 44100) << "unreadable recording " << output_;
        std::error_code ignored;
        std::filesystem::rename(output_, kept, ignored);
        return r;
    }

    struct Play {
        float volume;
        float pitchOffset;
    };
    // The 440 Hz tone for half a second each time, with a silence in between; played_ holds how
    // long the mixer played each.
    Recording ToneTwice(Play first, Play second) {
        const int tone = audio::RequestSound(Tone, false, false);
        RunFor(0.2);
        int i = 0;
        for (const Play& play : {first, second}) {
            const int c = audio::PlaySound(tone, play.volume, play.pitchOffset, audio::SFX);
            const double started = Mixed();
            RunFor(0.5);
            system::Audio::Stop(c);
            played_[i++] = Mixed() - started;
            RunFor(0.3);
        }
        audio::UnrequestSound(tone);
        return Finish();
    }

    std::string output_;
    double played_[2] = {0.0, 0.0};
    std::unique_ptr<Registry> registry_;
    system::Audio system_;
    bool finished_ = false;
};

TEST_F(Listening, HalfVolumeIsHalfTheAmplitude) {
    const Recording r = ToneTwice({1.0f, 0.0f}, {0.5f, 0.0f});
    const auto runs = Segments(r.left, r.rate);
    ASSERT_EQ(runs.size(), 2u);
    double level[2];
    for (int i = 0; i < 2; ++i) {
        const auto [begin, end] = runs[static_cast<std::size_t>(i)];
        EXPECT_NEAR(r.Seconds(end - begin), played_[i], MixerSlack);
        level[i] = Amplitude(r.left, r.rate, begin + (end - begin) / 5, end - (end - begin) / 5, 440.0);
    }
    // A centred mono sound reaches each side at the same, panned-down level.
    EXPECT_GT(level[0], 0.4);
    EXPECT_NEAR(level[1] / level[0], 0.5, 0.01);
}

TEST_F(Listening, PitchOffsetRaisesTheFrequency) {
    const Recording r = ToneTwice({1.0f, 0.0f}, {1.0f, 0.008f});
    const auto runs = Segments(r.left, r.rate);
    ASSERT_EQ(runs.size(), 2u);
    const double base = Frequency(r.left, r.rate, runs[0].first + 2000, runs[0].second - 2000);
    const double raised = Frequency(r.left, r.rate, runs[1].first + 2000, runs[1].second - 2000);
    EXPECT_NEAR(base, 440.0, 0.2);
    EXPECT_NEAR(raised, 440.0 * 1.008, 0.2);
}

TEST_F(Listening, MasterOffsetSilencesAllAndRestoresEachLevel) {
    const int a = audio::RequestSound(Loop440, false, true);
    const int b = audio::RequestSound(Loop550, false, true);
    const int music = audio::RequestSound(Stream, true, true);
    RunFor(0.2);
    audio::PlaySound(a, 1.0f, 0.0f, audio::SFX);
    audio::PlaySound(music, 0.6f, 0.0f, audio::Music);
    RunFor(0.6);
    audio::SetGroupVolume(-5.0f, audio::Master);  // focus lost
    const double silenced = Mixed();
    RunFor(0.2);
    audio::PlaySound(b, 0.8f, 0.0f, audio::SFX);  // started while silenced
    RunFor(0.4);
    audio::SetGroupVolume(0.0f, audio::Master);  // focus back
    const double silence = Mixed() - silenced;
    RunFor(0.6);
    audio::StopGroup(audio::Master);
    RunFor(0.2);
    const Recording r = Finish();

    const auto runs = Segments(r.left, r.rate);
    ASSERT_EQ(runs.size(), 2u) << "expected sound, silence, sound";
    const auto measure = [&](std::pair<std::size_t, std::size_t> run, const std::vector<float>& x, double f) {
        const std::size_t margin = r.Sample(0.1);
        return Amplitude(x, r.rate, run.first + margin, run.second - margin, f);
    };
    const double before440 = measure(runs[0], r.left, 440.0);
    const double before330 = measure(runs[0], r.left, 330.0);  // the music's left channel
    EXPECT_GT(before440, 0.1);
    EXPECT_GT(before330, 0.1);
    EXPECT_LT(measure(runs[0], r.left, 550.0), 0.01);
    EXPECT_NEAR(r.Seconds(runs[1].first - runs[0].second), silence, MixerSlack);

    EXPECT_NEAR(measure(runs[1], r.left, 440.0) / before440, 1.0, 0.02);
    EXPECT_NEAR(measure(runs[1], r.left, 330.0) / before330, 1.0, 0.02);
    // Same source level as the 440 Hz loop, at 0.8 of its volume.
    EXPECT_NEAR(measure(runs[1], r.left, 550.0) / before440, 0.8, 0.02);
}

TEST_F(Listening, LoopingSoundKeepsPlayingWithoutSeams) {
    const int loop = audio::RequestSound(Loop440, false, true);
    RunFor(0.2);
    const int c = audio::PlaySound(loop, 1.0f, 0.0f, audio::SFX);
    const double started = Mixed();
    RunFor(1.5);  // six times the sound's length
    system::Audio::Stop(c);
    const double played = Mixed() - started;
    RunFor(0.2);
    const Recording r = Finish();

    const auto runs = Segments(r.left, r.rate);
    ASSERT_EQ(runs.size(), 1u);
    const auto [begin, end] = runs[0];
    EXPECT_NEAR(r.Seconds(end - begin), played, MixerSlack);
    const double level = Amplitude(r.left, r.rate, begin + 4410, end - 4410, 440.0);
    for (std::size_t w = begin + 4410; w + 4410 < end - 4410; w += 4410)
        EXPECT_NEAR(Amplitude(r.left, r.rate, w, w + 4410, 440.0) / level, 1.0, 0.02) << "at " << r.Seconds(w) << " s";
    const float slope = static_cast<float>(2.0 * Pi * 440.0 * level / r.rate);
    EXPECT_LT(LargestStep(r.left, begin + 4410, end - 4410), 1.2f * slope);
}

TEST_F(Listening, StreamPlaysToItsEndWithoutGapsThroughASlowFrame) {
    const int music = audio::RequestSound(Stream, true, false);
    RunFor(0.2);
    const int c = audio::PlaySound(music, 1.0f, 0.0f, audio::Music);
    RunFor(1.0);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));  // a level load inside one frame
    RunFor(2.2);
    audio::device::Channel channel;
    bool playing = true;
    audio::device::GetChannel(audio::DeviceSystem(), c, &channel);
    audio::device::ChannelIsPlaying(channel, &playing);
    EXPECT_FALSE(playing) << "the stream should have ended";
    audio::UnrequestSound(music);
    const Recording r = Finish();

    for (const auto* side : {&r.left, &r.right}) {
        const auto runs = Segments(*side, r.rate);
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_NEAR(r.Seconds(runs[0].second - runs[0].first), 3.0, 0.03);
    }
    const auto [begin, end] = Segments(r.left, r.rate)[0];
    const std::size_t inner = r.Sample(0.05);
    EXPECT_NEAR(Amplitude(r.left, r.rate, begin + inner, end - inner, 330.0), 0.5, 0.02);
    EXPECT_NEAR(Amplitude(r.right, r.rate, begin + inner, end - inner, 660.0), 0.5, 0.02);
    EXPECT_LT(Amplitude(r.left, r.rate, begin + inner, end - inner, 660.0), 0.01);
    EXPECT_LT(LargestStep(r.left, begin + inner, end - inner), 1.2f * static_cast<float>(2.0 * Pi * 330.0 * 0.5 / r.rate));
    EXPECT_LT(LargestStep(r.right, begin + inner, end - inner), 1.2f * static_cast<float>(2.0 * Pi * 660.0 * 0.5 / r.rate));
}

TEST_F(Listening, Mp3PlaysItsTone) {
    const int chime = audio::RequestSound(Mp3, false, false);
    RunFor(0.2);
    ASSERT_GE(audio::PlaySound(chime, 1.0f, 0.0f, audio::SFX), 0);
    RunFor(1.7);
    audio::UnrequestSound(chime);
    const Recording r = Finish();
    const auto runs = Segments(r.right, r.rate);
    ASSERT_FALSE(runs.empty());
    const std::size_t begin = runs.front().first;
    const double f = Frequency(r.right, r.rate, begin + r.Sample(0.05), begin + r.Sample(0.5));
    EXPECT_NEAR(f, 660.0, 0.5);
}

}  // namespace
}  // namespace velkor
