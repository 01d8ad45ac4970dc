// OpenAL Soft + libsndfile implementation of the sound device (see device.hpp for the contract).
#include "audio/device.hpp"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <sndfile.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "engine/trace.hpp"

namespace velkor::audio::device {

namespace {

// Streams queue this many chunks of ChunkSeconds each. Update() refills whatever has played, so
// right after an update at least (StreamBuffers - 1) chunks are waiting: 0.75 s, enough to ride
// out a slow frame or a level load without a gap.
constexpr int StreamBuffers = 4;
constexpr double ChunkSeconds = 0.25;
// Limits on what a file's header may declare; beyond them the header is lying or hostile.
constexpr int MinSampleRate = 1000;
constexpr int MaxSampleRate = 384000;
constexpr sf_count_t MaxChunkFrames = 96000;  // a quarter second at the highest rate
constexpr int MaxWholeSeconds = 600;

// OpenAL clamps a source's gain to AL_MAX_GAIN, 1 by default; channel volumes above 1 amplify.
constexpr float MaxSourceGain = 16.0f;

// The silent fallback mixes at this format; what it renders is thrown away.
constexpr int LoopbackRate = 44100;
// A stall longer than this is not caught up on: sounds simply pause for the rest of it.
constexpr double MaxLoopbackCatchUp = 0.25;

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
    int channels = 1;
    int rate = 44100;
    ALenum format = AL_FORMAT_MONO16;
    ALuint buffer = 0;  // whole sounds
    SNDFILE* file = nullptr;  // streams: the one decoder, owned by the channel that plays it
    sf_count_t chunkFrames = 0;
    int streamChannel = -1;
};

struct ChannelGroup {
    System* system = nullptr;
    std::string name;
};

namespace {

struct Voice {
    ALuint source = 0;
    std::array<ALuint, StreamBuffers> buffers{};
    std::uint32_t generation = 1;
    bool active = false;
    Sound* sound = nullptr;
    ChannelGroup* group = nullptr;
    std::uint64_t started = 0;  // play order: the smallest is the oldest
    float volume = 1.0f;
    float pitch = 1.0f;
    bool decoderDone = false;  // streams: the last chunk is queued
};

}  // namespace

struct System {
    bool initialised = false;
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    bool loopback = false;
    LPALCRENDERSAMPLESSOFT render = nullptr;
    Clock::time_point lastRender{};
    std::vector<Voice> voices;
    ChannelGroup master;
    std::vector<std::unique_ptr<ChannelGroup>> groups;
    std::vector<std::unique_ptr<Sound>> sounds;
    std::uint64_t serial = 0;
    std::vector<short> scratch;  // decoding and loopback rendering
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
    alSourceStop(v.source);
    alSourcei(v.source, AL_BUFFER, 0);
    if (v.sound && v.sound->streamChannel >= 0) v.sound->streamChannel = -1;
    v.sound = nullptr;
    v.group = nullptr;
    v.active = false;
    v.decoderDone = false;
    ++v.generation;
}

// A whole sound has finished once its source stops. A stream's source also stops when its queue
// runs dry, so it has only finished once the decoder has nothing more to give.
bool Finished(const Voice& v) {
    ALint state = AL_STOPPED;
    alGetSourcei(v.source, AL_SOURCE_STATE, &state);
    if (state != AL_STOPPED) return false;
    return !IsStream(v.sound->mode) || v.decoderDone;
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

// Decodes the next chunk of a stream into buffer and queues it. Looping streams wrap around to
// the start inside the chunk, so the loop point has no gap. Returns false when nothing came.
bool QueueChunk(System& s, Voice& v, ALuint buffer) {
    Sound& sound = *v.sound;
    const sf_count_t wanted = sound.chunkFrames;
    s.scratch.resize(static_cast<std::size_t>(wanted * sound.channels));
    sf_count_t got = 0;
    bool rewound = false;
    while (got < wanted) {
        const sf_count_t n = sf_readf_short(sound.file, s.scratch.data() + got * sound.channels, wanted - got);
        if (n > 0) {
            got += n;
            rewound = false;
            continue;
        }
        // Rewinding twice without a frame in between means an empty file: stop instead of spinning.
        if (!IsLooping(sound.mode) || rewound || sf_seek(sound.file, 0, SEEK_SET) < 0) {
            v.decoderDone = true;
            break;
        }
        rewound = true;
    }
    if (got == 0) return false;
    alBufferData(buffer, sound.format, s.scratch.data(),
                 static_cast<ALsizei>(got * sound.channels * static_cast<sf_count_t>(sizeof(short))), sound.rate);
    alSourceQueueBuffers(v.source, 1, &buffer);
    return true;
}

void StopVoices(System& s, const ChannelGroup* group) {
    for (Voice& v : s.voices) {
        if (!v.active) continue;
        if (group == nullptr || group == &s.master || v.group == group) Reap(v);
    }
}

Result OpenOutput(System& s) {
    // The default device of whatever back end OpenAL Soft chose (ALSOFT_DRIVERS picks one).
    s.device = alcOpenDevice(nullptr);
    if (s.device) {
        s.context = alcCreateContext(s.device, nullptr);
        if (s.context) return Result::Ok;
        alcCloseDevice(s.device);
        s.device = nullptr;
    }
    // No sound card: mix into a loopback device that nobody listens to, so sounds still take
    // their time to play and channels end when they would have.
    if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback")) return Result::ErrOutputInit;
    auto open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    s.render = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    if (!open || !s.render) return Result::ErrOutputInit;
    s.device = open(nullptr);
    if (!s.device) return Result::ErrOutputInit;
    const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT, ALC_SHORT_SOFT,
                                 ALC_FREQUENCY, LoopbackRate, 0};
    s.context = alcCreateContext(s.device, attributes);
    if (!s.context) {
        alcCloseDevice(s.device);
        s.device = nullptr;
        return Result::ErrOutputInit;
    }
    s.loopback = true;
    s.lastRender = Clock::now();
    return Result::Ok;
}

void CloseOutput(System& s) {
    alcMakeContextCurrent(nullptr);
    if (s.context) alcDestroyContext(s.context);
    if (s.device) alcCloseDevice(s.device);
    s.context = nullptr;
    s.device = nullptr;
    s.loopback = false;
    s.render = nullptr;
}

void RenderLoopback(System& s) {
    const Clock::time_point now = Clock::now();
    const double elapsed = std::chrono::duration<double>(now - s.lastRender).count();
    s.lastRender = now;
    auto frames = static_cast<long>(std::min(elapsed, MaxLoopbackCatchUp) * LoopbackRate);
    constexpr long Block = 4096;
    s.scratch.resize(static_cast<std::size_t>(Block * 2));
    while (frames > 0) {
        const long n = std::min(frames, Block);
        s.render(s.device, s.scratch.data(), static_cast<ALCsizei>(n));
        frames -= n;
    }
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
    alcMakeContextCurrent(system->context);
    alGetError();
    // Every sound plays at the listener, unattenuated: the game sets loudness itself.
    alDistanceModel(AL_NONE);
    const bool directChannels = alIsExtensionPresent("AL_SOFT_direct_channels");
    system->voices.resize(static_cast<std::size_t>(channels));
    for (Voice& v : system->voices) {
        alGenSources(1, &v.source);
        alGenBuffers(StreamBuffers, v.buffers.data());
        if (alGetError() != AL_NO_ERROR) {
            for (Voice& w : system->voices) {
                if (w.source) alDeleteSources(1, &w.source);
                if (w.buffers[0]) alDeleteBuffers(StreamBuffers, w.buffers.data());
            }
            system->voices.clear();
            CloseOutput(*system);
            return Result::ErrMemory;
        }
        alSourcei(v.source, AL_SOURCE_RELATIVE, AL_TRUE);
        alSource3f(v.source, AL_POSITION, 0.0f, 0.0f, 0.0f);
        alSourcef(v.source, AL_MAX_GAIN, MaxSourceGain);
        // Stereo music keeps its left and right instead of being placed on virtual speakers.
        if (directChannels) alSourcei(v.source, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
    }
    system->initialised = true;
    return Result::Ok;
}

bool SystemHasOutput(const System* system) noexcept {
    return system && system->initialised && !system->loopback;
}

Result SystemUpdate(System* system) {
    if (!system) return Result::ErrUninitialized;
    if (!system->initialised) return Result::ErrUninitialized;
    System& s = *system;
    for (Voice& v : s.voices) {
        if (!v.active) continue;
        if (IsStream(v.sound->mode)) {
            ALint processed = 0;
            alGetSourcei(v.source, AL_BUFFERS_PROCESSED, &processed);
            for (; processed > 0; --processed) {
                ALuint buffer = 0;
                alSourceUnqueueBuffers(v.source, 1, &buffer);
                if (!v.decoderDone) QueueChunk(s, v, buffer);
            }
            ALint state = AL_STOPPED;
            ALint queued = 0;
            alGetSourcei(v.source, AL_SOURCE_STATE, &state);
            alGetSourcei(v.source, AL_BUFFERS_QUEUED, &queued);
            // The queue ran dry during a stall longer than the queue: carry on where it stopped.
            if (state == AL_STOPPED && queued > 0) alSourcePlay(v.source);
        }
        if (Finished(v)) Reap(v);
    }
    if (s.loopback) RenderLoopback(s);
    return alGetError() == AL_NO_ERROR ? Result::Ok : Result::ErrMemory;
}

Result SystemClose(System* system) {
    if (!system) return Result::ErrUninitialized;
    if (!system->initialised) return Result::ErrUninitialized;
    System& s = *system;
    StopVoices(s, nullptr);
    while (!s.sounds.empty()) SoundRelease(s.sounds.back().get());
    s.groups.clear();
    for (Voice& v : s.voices) {
        alDeleteSources(1, &v.source);
        alDeleteBuffers(StreamBuffers, v.buffers.data());
    }
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
    SF_INFO info{};
    SNDFILE* file = sf_open(path, SFM_READ, &info);
    if (!file) return FileExists(path) ? Result::ErrFormat : Result::ErrFileNotFound;
    // Everything below is sized from the header: refuse what no real sound file declares.
    if (info.channels < 1 || info.channels > 2 || info.samplerate < MinSampleRate || info.samplerate > MaxSampleRate ||
        info.frames < 0) {
        sf_close(file);
        return Result::ErrFormat;
    }
    // Decoders of float formats (Vorbis, MP3) may overshoot 1.0: clip instead of wrapping around.
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);

    auto sound = std::make_unique<Sound>();
    sound->system = system;
    sound->mode = mode;
    sound->channels = info.channels;
    sound->rate = info.samplerate;
    sound->format = info.channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
    sound->chunkFrames = std::clamp<sf_count_t>(static_cast<sf_count_t>(info.samplerate * ChunkSeconds), 1024, MaxChunkFrames);

    if (IsStream(mode)) {
        sound->file = file;
    } else {
        // Frame counts of compressed formats are estimates: read until the decoder says stop.
        std::vector<short> pcm;
        const sf_count_t block = 16384;
        sf_count_t total = 0;
        // A sound loaded whole is at most MaxWholeSeconds long; longer ones are cut (music streams).
        const sf_count_t limit = static_cast<sf_count_t>(info.samplerate) * MaxWholeSeconds;
        for (;;) {
            if (total >= limit) {
                Trace("Sound longer than " + std::to_string(MaxWholeSeconds) + " s cut: " + std::string(path) + "\n");
                break;
            }
            pcm.resize(static_cast<std::size_t>((total + block) * info.channels));
            const sf_count_t n = sf_readf_short(file, pcm.data() + total * info.channels, block);
            if (n <= 0) break;
            total += n;
        }
        const bool readError = sf_error(file) != SF_ERR_NO_ERROR;
        sf_close(file);
        if (readError) return Result::ErrFileBad;
        alGetError();
        alGenBuffers(1, &sound->buffer);
        alBufferData(sound->buffer, sound->format, pcm.data(),
                     static_cast<ALsizei>(total * info.channels * static_cast<sf_count_t>(sizeof(short))),
                     info.samplerate);
        if (alGetError() != AL_NO_ERROR) {
            alDeleteBuffers(1, &sound->buffer);
            return Result::ErrMemory;
        }
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
        if (v.active && v.sound == sound) Reap(v);
    if (sound->buffer) alDeleteBuffers(1, &sound->buffer);
    if (sound->file) sf_close(sound->file);
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

    alGetError();
    v.sound = sound;
    v.group = group ? group : &s.master;
    v.volume = 1.0f;
    v.pitch = 1.0f;
    v.decoderDone = false;
    alSourcef(v.source, AL_GAIN, 1.0f);
    alSourcef(v.source, AL_PITCH, 1.0f);
    if (IsStream(sound->mode)) {
        alSourcei(v.source, AL_LOOPING, AL_FALSE);
        sound->streamChannel = index;
        if (sf_seek(sound->file, 0, SEEK_SET) < 0) v.decoderDone = true;
        for (ALuint buffer : v.buffers)
            if (v.decoderDone || !QueueChunk(s, v, buffer)) break;
    } else {
        alSourcei(v.source, AL_LOOPING, IsLooping(sound->mode) ? AL_TRUE : AL_FALSE);
        alSourcei(v.source, AL_BUFFER, static_cast<ALint>(sound->buffer));
    }
    alSourcePlay(v.source);
    v.active = true;
    v.started = ++s.serial;
    if (alGetError() != AL_NO_ERROR) {
        Reap(v);
        return Result::ErrMemory;
    }
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
    alSourcef(v->source, AL_GAIN, v->volume);
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
    alSourcef(v->source, AL_PITCH, pitch);
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

Result ChannelSetPaused(Channel channel, bool paused) {
    Voice* v = Resolve(channel);
    if (!v) return Result::ErrInvalidHandle;
    ALint state = AL_STOPPED;
    alGetSourcei(v->source, AL_SOURCE_STATE, &state);
    // Playing a running source would start it again from the top.
    if (paused && state == AL_PLAYING) alSourcePause(v->source);
    if (!paused && state == AL_PAUSED) alSourcePlay(v->source);
    return Result::Ok;
}

Result ChannelGetPaused(Channel channel, bool* out) {
    if (!out) return Result::ErrInvalidParam;
    Voice* v = Resolve(channel);
    if (!v) return Result::ErrInvalidHandle;
    ALint state = AL_STOPPED;
    alGetSourcei(v->source, AL_SOURCE_STATE, &state);
    *out = state == AL_PAUSED;
    return Result::Ok;
}

}  // namespace velkor::audio::device
