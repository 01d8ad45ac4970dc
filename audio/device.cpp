// miniaudio implementation of the sound device (see device.hpp for the contract), the same on
// Linux and Windows: miniaudio mixes, resamples for pitch and decodes WAV, FLAC and MP3 itself.
#include "audio/device.hpp"

#include <miniaudio.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "engine/trace.hpp"

namespace velkor::audio::device {

namespace {

// Limits on what a file's header may declare; beyond them the header is lying or hostile.
constexpr ma_uint32 MinSampleRate = 1000;
constexpr ma_uint32 MaxSampleRate = 384000;
constexpr ma_uint64 MaxWholeSeconds = 600;

// Every mix, whether a device plays it or not, is stereo at this rate.
constexpr ma_uint32 OutputRate = 44100;
constexpr ma_uint32 OutputChannels = 2;
// Without a device the mix advances with the clock in Update(). A stall up to this long is caught
// up on, as a device's queue would have played on through it; in a longer one sounds pause for
// the rest.
constexpr double MaxCatchUp = 1.0;
constexpr ma_uint64 MixBlock = 1024;

using Clock = std::chrono::steady_clock;

bool IsStream(Mode mode) { return (mode & ModeCreateStream) != 0; }
bool IsLooping(Mode mode) { return (mode & ModeLoopNormal) != 0; }

bool FileExists(const char* path) {
    if (std::FILE* f = std::fopen(path, "rb")) {
        std::fclose(f);
        return true;
    }
    return false;
}

}  // namespace

struct Sound {
    System* system = nullptr;
    Mode mode = ModeDefault;
    ma_uint32 channels = 1;
    ma_uint32 rate = OutputRate;
    std::vector<float> pcm;  // whole sounds, interleaved
    ma_uint64 frames = 0;
    std::unique_ptr<ma_decoder> decoder;  // streams: the one decoder, read by the channel that plays it
    int streamChannel = -1;
};

struct ChannelGroup {
    System* system = nullptr;
    std::string name;
};

namespace {

struct Voice {
    // miniaudio keeps pointers to both while mixing: they live on the heap, initialised while active.
    std::unique_ptr<ma_sound> sound;
    std::unique_ptr<ma_audio_buffer_ref> reader;  // whole sounds: this channel's own read position
    std::uint32_t generation = 1;
    bool active = false;
    Sound* source = nullptr;
    ChannelGroup* group = nullptr;
    std::uint64_t started = 0;  // play order: the smallest is the oldest
    float volume = 1.0f;
    float pitch = 1.0f;
    bool paused = false;  // held by ChannelSetPaused: stopped in miniaudio, but not finished
};

}  // namespace

struct System {
    bool initialised = false;
    std::unique_ptr<ma_engine> engine;
    bool device = false;  // a device plays the mix (on its own thread)
    std::unique_ptr<ma_encoder> recorder;  // no device, the mix goes into a WAV file
    Clock::time_point lastMix{};
    ma_uint64 mixedFrames = 0;  // without a device: the engine's clock stands still while nothing plays
    std::vector<Voice> voices;
    ChannelGroup master;
    std::vector<std::unique_ptr<ChannelGroup>> groups;
    std::vector<std::unique_ptr<Sound>> sounds;
    std::uint64_t serial = 0;
    std::vector<float> scratch;
};

const char* ErrorString(Result result) noexcept {
    switch (result) {
        case Result::Ok: return "No errors.";
        case Result::ErrInvalidHandle: return "An invalid object handle was used (the channel may have finished).";
        case Result::ErrInvalidParam: return "An invalid parameter was passed to this function.";
        case Result::ErrFileNotFound: return "File not found.";
        case Result::ErrFileBad: return "Error reading the file.";
        case Result::ErrFormat: return "Unsupported file or audio format.";
        case Result::ErrUninitialized: return "The sound system is not initialised.";
        case Result::ErrInitialized: return "The sound system is already initialised.";
        case Result::ErrOutputInit: return "Error initialising the output device.";
        case Result::ErrMemory: return "Not enough memory or mixer resources.";
    }
    return "Unknown error.";
}

namespace {

// Detaches everything from a voice and invalidates every handle to it.
void Reap(Voice& v) {
    if (v.sound) {
        ma_sound_uninit(v.sound.get());
        v.sound.reset();
    }
    if (v.reader) {
        ma_audio_buffer_ref_uninit(v.reader.get());
        v.reader.reset();
    }
    if (v.source && v.source->streamChannel >= 0) v.source->streamChannel = -1;
    v.source = nullptr;
    v.group = nullptr;
    v.active = false;
    v.paused = false;
    ++v.generation;
}

bool Finished(const Voice& v) {
    if (!v.sound) return true;
    if (v.paused) return false;
    return ma_sound_at_end(v.sound.get()) || !ma_sound_is_playing(v.sound.get());
}

// The live voice a handle refers to, or nullptr (and the voice is reaped if it just finished).
Voice* Resolve(Channel channel) {
    System* s = channel.system;
    if (!s || !s->initialised) return nullptr;
    if (channel.index < 0 || static_cast<std::size_t>(channel.index) >= s->voices.size()) return nullptr;
    Voice& v = s->voices[static_cast<std::size_t>(channel.index)];
    if (!v.active || v.generation != channel.generation) return nullptr;
    if (Finished(v)) {
        Reap(v);
        return nullptr;
    }
    return &v;
}

void StopVoices(System& s, const ChannelGroup* group) {
    for (Voice& v : s.voices) {
        if (!v.active) continue;
        if (group == nullptr || group == &s.master || v.group == group) Reap(v);
    }
}

// VELKOR_AUDIO_OUTPUT chooses where the mix goes: unset or empty, the default device (and the
// silent mix below when there is none); "null", nowhere; anything else names a WAV file that
// receives the mix (32-bit float stereo), for tests that listen to it.
Result OpenOutput(System& s) {
    const char* chosen = std::getenv("VELKOR_AUDIO_OUTPUT");
    const std::string output = chosen ? chosen : "";
    s.engine = std::make_unique<ma_engine>();
    ma_engine_config config = ma_engine_config_init();
    config.channels = OutputChannels;
    config.sampleRate = OutputRate;
    if (output.empty() && ma_engine_init(&config, s.engine.get()) == MA_SUCCESS) {
        s.device = true;
        return Result::Ok;
    }
    // No sound card: mix anyway, driven by Update(), so sounds still take their time to play and
    // channels end when they would have.
    config.noDevice = MA_TRUE;
    if (ma_engine_init(&config, s.engine.get()) != MA_SUCCESS) {
        s.engine.reset();
        return Result::ErrOutputInit;
    }
    if (!output.empty() && output != "null") {
        s.recorder = std::make_unique<ma_encoder>();
        const ma_encoder_config wav =
            ma_encoder_config_init(ma_encoding_format_wav, ma_format_f32, OutputChannels, OutputRate);
        if (ma_encoder_init_file(output.c_str(), &wav, s.recorder.get()) != MA_SUCCESS) {
            s.recorder.reset();
            ma_engine_uninit(s.engine.get());
            s.engine.reset();
            return Result::ErrOutputInit;
        }
    }
    s.lastMix = Clock::now();
    return Result::Ok;
}

void CloseOutput(System& s) {
    if (s.engine) ma_engine_uninit(s.engine.get());
    s.engine.reset();
    if (s.recorder) ma_encoder_uninit(s.recorder.get());  // finishes the file's header
    s.recorder.reset();
    s.device = false;
}

// Without a device: mixes what the clock says has played since the last mix.
void MixByClock(System& s) {
    const Clock::time_point now = Clock::now();
    const double elapsed = std::chrono::duration<double>(now - s.lastMix).count();
    s.lastMix = now;
    auto frames = static_cast<ma_uint64>(std::min(elapsed, MaxCatchUp) * OutputRate);
    s.scratch.resize(static_cast<std::size_t>(MixBlock * OutputChannels));
    while (frames > 0) {
        const ma_uint64 n = std::min(frames, MixBlock);
        // The engine reports fewer frames than asked for when nothing plays, but fills the whole
        // block, silence included: the silence is part of what a listener hears.
        ma_engine_read_pcm_frames(s.engine.get(), s.scratch.data(), n, nullptr);
        if (s.recorder) ma_encoder_write_pcm_frames(s.recorder.get(), s.scratch.data(), n, nullptr);
        s.mixedFrames += n;
        frames -= n;
    }
}

// Opens a file with the decoder in 32-bit float at its own rate and channel count, refusing what no
// real sound file declares: everything later is sized from the header.
Result OpenDecoder(const char* path, ma_decoder& decoder) {
    const ma_decoder_config config = ma_decoder_config_init(ma_format_f32, 0, 0);
    if (ma_decoder_init_file(path, &config, &decoder) != MA_SUCCESS)
        return FileExists(path) ? Result::ErrFormat : Result::ErrFileNotFound;
    ma_format format{};
    ma_uint32 channels = 0;
    ma_uint32 rate = 0;
    if (ma_decoder_get_data_format(&decoder, &format, &channels, &rate, nullptr, 0) != MA_SUCCESS || channels < 1 ||
        channels > 2 || rate < MinSampleRate || rate > MaxSampleRate) {
        ma_decoder_uninit(&decoder);
        return Result::ErrFormat;
    }
    return Result::Ok;
}

}  // namespace

Result SystemCreate(System** out) {
    if (!out) return Result::ErrInvalidParam;
    *out = new System();
    (*out)->master.system = *out;
    (*out)->master.name = "Master";
    return Result::Ok;
}

Result SystemInit(System* system, int channels) {
    if (!system) return Result::ErrUninitialized;
    if (system->initialised) return Result::ErrInitialized;
    if (channels < 1) return Result::ErrInvalidParam;
    if (const Result r = OpenOutput(*system); r != Result::Ok) return r;
    system->voices.resize(static_cast<std::size_t>(channels));
    system->initialised = true;
    return Result::Ok;
}

bool SystemHasOutput(const System* system) noexcept {
    return system && system->initialised && (system->device || system->recorder);
}

double SystemMixedSeconds(const System* system) noexcept {
    if (!system || !system->initialised) return 0.0;
    const ma_uint64 frames = system->device ? ma_engine_get_time_in_pcm_frames(system->engine.get()) : system->mixedFrames;
    return static_cast<double>(frames) / OutputRate;
}

Result SystemUpdate(System* system) {
    if (!system) return Result::ErrUninitialized;
    if (!system->initialised) return Result::ErrUninitialized;
    System& s = *system;
    for (Voice& v : s.voices)
        if (v.active && Finished(v)) Reap(v);
    if (!s.device) MixByClock(s);
    return Result::Ok;
}

Result SystemClose(System* system) {
    if (!system) return Result::ErrUninitialized;
    if (!system->initialised) return Result::ErrUninitialized;
    System& s = *system;
    StopVoices(s, nullptr);
    while (!s.sounds.empty()) SoundRelease(s.sounds.back().get());
    s.groups.clear();
    s.voices.clear();
    CloseOutput(s);
    s.initialised = false;
    return Result::Ok;
}

Result SystemRelease(System* system) {
    if (!system) return Result::ErrUninitialized;
    if (system->initialised) SystemClose(system);
    delete system;
    return Result::Ok;
}

Result CreateSound(System* system, const char* path, Mode mode, Sound** out) {
    if (!system) return Result::ErrUninitialized;
    if (!system->initialised) return Result::ErrUninitialized;
    if (!path || !out) return Result::ErrInvalidParam;
    *out = nullptr;
    auto decoder = std::make_unique<ma_decoder>();
    if (const Result r = OpenDecoder(path, *decoder); r != Result::Ok) return r;

    auto sound = std::make_unique<Sound>();
    sound->system = system;
    sound->mode = mode;
    ma_format format{};
    ma_decoder_get_data_format(decoder.get(), &format, &sound->channels, &sound->rate, nullptr, 0);

    if (IsStream(mode)) {
        sound->decoder = std::move(decoder);
    } else {
        // Lengths of compressed formats are estimates: read until the decoder says stop. A sound
        // loaded whole is at most MaxWholeSeconds long; longer ones are cut (music streams).
        const ma_uint64 limit = static_cast<ma_uint64>(sound->rate) * MaxWholeSeconds;
        const ma_uint64 block = 16384;
        // Where the length is known (WAV, FLAC) the samples go into one allocation of that size
        // instead of a doubling vector's, which could hold twice the sound while it grew.
        ma_uint64 known = 0;
        if (ma_decoder_get_length_in_pcm_frames(decoder.get(), &known) == MA_SUCCESS && known > 0)
            sound->pcm.reserve(static_cast<std::size_t>((std::min(known, limit) + block) * sound->channels));
        ma_result result = MA_SUCCESS;
        for (;;) {
            if (sound->frames >= limit) {
                Trace("Sound longer than " + std::to_string(MaxWholeSeconds) + " s cut: " + std::string(path) + "\n");
                break;
            }
            sound->pcm.resize(static_cast<std::size_t>((sound->frames + block) * sound->channels));
            ma_uint64 n = 0;
            result = ma_decoder_read_pcm_frames(decoder.get(), sound->pcm.data() + sound->frames * sound->channels, block, &n);
            sound->frames += n;
            if (result != MA_SUCCESS || n < block) break;
        }
        ma_decoder_uninit(decoder.get());
        if (result != MA_SUCCESS && result != MA_AT_END) return Result::ErrFileBad;
        sound->pcm.resize(static_cast<std::size_t>(sound->frames * sound->channels));
    }
    *out = sound.get();
    system->sounds.push_back(std::move(sound));
    return Result::Ok;
}

Result SoundRelease(Sound* sound) {
    if (!sound || !sound->system) return Result::ErrInvalidHandle;
    System& s = *sound->system;
    auto it = std::find_if(s.sounds.begin(), s.sounds.end(), [&](const auto& p) { return p.get() == sound; });
    if (it == s.sounds.end()) return Result::ErrInvalidHandle;
    for (Voice& v : s.voices)
        if (v.active && v.source == sound) Reap(v);
    if (sound->decoder) ma_decoder_uninit(sound->decoder.get());
    s.sounds.erase(it);
    return Result::Ok;
}

Result PlaySound(System* system, Sound* sound, ChannelGroup* group, Channel* out) {
    if (!system) return Result::ErrUninitialized;
    if (!system->initialised) return Result::ErrUninitialized;
    if (!sound || sound->system != system || !out) return Result::ErrInvalidParam;
    if (group && group->system != system) return Result::ErrInvalidParam;
    System& s = *system;
    *out = Channel{};

    // A stream has one decoder: playing it again restarts it on a fresh channel.
    if (sound->streamChannel >= 0) Reap(s.voices[static_cast<std::size_t>(sound->streamChannel)]);

    Voice* chosen = nullptr;
    for (Voice& v : s.voices) {
        if (v.active && Finished(v)) Reap(v);
        if (!v.active) {
            chosen = &v;
            break;
        }
    }
    if (!chosen) {
        chosen = &*std::min_element(s.voices.begin(), s.voices.end(),
                                    [](const Voice& a, const Voice& b) { return a.started < b.started; });
        Reap(*chosen);
    }
    Voice& v = *chosen;
    const int index = static_cast<int>(chosen - s.voices.data());

    ma_data_source* data = nullptr;
    if (IsStream(sound->mode)) {
        if (ma_decoder_seek_to_pcm_frame(sound->decoder.get(), 0) != MA_SUCCESS) return Result::ErrFileBad;
        data = sound->decoder.get();
    } else {
        v.reader = std::make_unique<ma_audio_buffer_ref>();
        if (ma_audio_buffer_ref_init(ma_format_f32, sound->channels, sound->pcm.data(), sound->frames, v.reader.get()) !=
            MA_SUCCESS) {
            v.reader.reset();
            return Result::ErrMemory;
        }
        // The reference does not carry the rate on its own; without it the engine would assume its own.
        v.reader->sampleRate = sound->rate;
        data = v.reader.get();
    }
    v.sound = std::make_unique<ma_sound>();
    // Every sound plays at the listener, unattenuated: the game sets loudness itself.
    if (ma_sound_init_from_data_source(s.engine.get(), data, MA_SOUND_FLAG_NO_SPATIALIZATION, nullptr, v.sound.get()) !=
        MA_SUCCESS) {
        v.sound.reset();
        Reap(v);
        return Result::ErrMemory;
    }
    ma_sound_set_looping(v.sound.get(), IsLooping(sound->mode) ? MA_TRUE : MA_FALSE);
    v.source = sound;
    v.group = group ? group : &s.master;
    v.volume = 1.0f;
    v.pitch = 1.0f;
    if (IsStream(sound->mode)) sound->streamChannel = index;
    if (ma_sound_start(v.sound.get()) != MA_SUCCESS) {
        Reap(v);
        return Result::ErrMemory;
    }
    v.active = true;
    v.started = ++s.serial;
    *out = Channel{&s, index, v.generation};
    return Result::Ok;
}

Result GetChannel(System* system, int index, Channel* out) {
    if (!system) return Result::ErrUninitialized;
    if (!system->initialised) return Result::ErrUninitialized;
    if (!out || index < 0 || static_cast<std::size_t>(index) >= system->voices.size()) return Result::ErrInvalidParam;
    *out = Channel{system, index, system->voices[static_cast<std::size_t>(index)].generation};
    return Result::Ok;
}

Result GetMasterChannelGroup(System* system, ChannelGroup** out) {
    if (!system) return Result::ErrUninitialized;
    if (!system->initialised) return Result::ErrUninitialized;
    if (!out) return Result::ErrInvalidParam;
    *out = &system->master;
    return Result::Ok;
}

Result CreateChannelGroup(System* system, const char* name, ChannelGroup** out) {
    if (!system) return Result::ErrUninitialized;
    if (!system->initialised) return Result::ErrUninitialized;
    if (!out) return Result::ErrInvalidParam;
    auto group = std::make_unique<ChannelGroup>();
    group->system = system;
    group->name = name ? name : "";
    *out = group.get();
    system->groups.push_back(std::move(group));
    return Result::Ok;
}

Result ChannelGroupStop(ChannelGroup* group) {
    if (!group || !group->system) return Result::ErrInvalidHandle;
    if (!group->system->initialised) return Result::ErrUninitialized;
    StopVoices(*group->system, group);
    return Result::Ok;
}

Result ChannelGroupRelease(ChannelGroup* group) {
    if (!group || !group->system) return Result::ErrInvalidHandle;
    System& s = *group->system;
    if (group == &s.master) return Result::ErrInvalidParam;
    auto it = std::find_if(s.groups.begin(), s.groups.end(), [&](const auto& p) { return p.get() == group; });
    if (it == s.groups.end()) return Result::ErrInvalidHandle;
    // Its channels play on, in the master group.
    for (Voice& v : s.voices)
        if (v.group == group) v.group = &s.master;
    s.groups.erase(it);
    return Result::Ok;
}

Result ChannelGetIndex(Channel channel, int* out) {
    if (!out) return Result::ErrInvalidParam;
    if (!Resolve(channel)) return Result::ErrInvalidHandle;
    *out = channel.index;
    return Result::Ok;
}

Result ChannelSetVolume(Channel channel, float volume) {
    Voice* v = Resolve(channel);
    if (!v) return Result::ErrInvalidHandle;
    if (std::isnan(volume)) return Result::ErrInvalidParam;
    v->volume = std::max(0.0f, volume);
    ma_sound_set_volume(v->sound.get(), v->volume);
    return Result::Ok;
}

Result ChannelGetVolume(Channel channel, float* out) {
    if (!out) return Result::ErrInvalidParam;
    Voice* v = Resolve(channel);
    if (!v) return Result::ErrInvalidHandle;
    *out = v->volume;
    return Result::Ok;
}

Result ChannelSetPitch(Channel channel, float pitch) {
    Voice* v = Resolve(channel);
    if (!v) return Result::ErrInvalidHandle;
    if (std::isnan(pitch) || pitch < 0.0f) return Result::ErrInvalidParam;
    v->pitch = pitch;
    ma_sound_set_pitch(v->sound.get(), pitch);
    return Result::Ok;
}

Result ChannelGetPitch(Channel channel, float* out) {
    if (!out) return Result::ErrInvalidParam;
    Voice* v = Resolve(channel);
    if (!v) return Result::ErrInvalidHandle;
    *out = v->pitch;
    return Result::Ok;
}

Result ChannelStop(Channel channel) {
    Voice* v = Resolve(channel);
    if (!v) return Result::ErrInvalidHandle;
    Reap(*v);
    return Result::Ok;
}

Result ChannelGetChannelGroup(Channel channel, ChannelGroup** out) {
    if (!out) return Result::ErrInvalidParam;
    Voice* v = Resolve(channel);
    if (!v) return Result::ErrInvalidHandle;
    *out = v->group;
    return Result::Ok;
}

Result ChannelIsPlaying(Channel channel, bool* out) {
    if (!out) return Result::ErrInvalidParam;
    *out = Resolve(channel) != nullptr;
    return *out ? Result::Ok : Result::ErrInvalidHandle;
}

Result ChannelGetLooping(Channel channel, bool* out) {
    if (!out) return Result::ErrInvalidParam;
    Voice* v = Resolve(channel);
    if (!v) return Result::ErrInvalidHandle;
    *out = v->source && IsLooping(v->source->mode);
    return Result::Ok;
}

Result ChannelSetPaused(Channel channel, bool paused) {
    Voice* v = Resolve(channel);
    if (!v) return Result::ErrInvalidHandle;
    if (paused == v->paused) return Result::Ok;
    // Stopping a miniaudio sound keeps its place; starting it again goes on from there.
    if ((paused ? ma_sound_stop(v->sound.get()) : ma_sound_start(v->sound.get())) != MA_SUCCESS) return Result::ErrMemory;
    v->paused = paused;
    return Result::Ok;
}

Result ChannelGetPaused(Channel channel, bool* out) {
    if (!out) return Result::ErrInvalidParam;
    Voice* v = Resolve(channel);
    if (!v) return Result::ErrInvalidHandle;
    *out = v->paused;
    return Result::Ok;
}

}  // namespace velkor::audio::device
