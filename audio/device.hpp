// The sound device: the few playback calls the audio layer makes, and nothing more.
//
// Shaped like a low-level mixer API (a system with a fixed number of channels, sounds, channel
// groups, channels with an index, volume and pitch) so that a build on another mixer only has to
// reimplement this header. This implementation sits on OpenAL Soft (playback) and libsndfile
// (decoding WAV, Ogg Vorbis, FLAC and MP3).
//
// Implemented:
//  - one OpenAL source per channel; when every channel is busy the oldest one is taken over
//  - sounds decoded whole into one buffer, or streamed: decoded in chunks into a queue of buffers
//    that Update() refills, keeping well over half a second queued
//  - looping, volume (linear, may exceed 1), pitch (playback-rate factor, default 1)
//  - the master group and named groups (children of the master): stopping a group stops its
//    channels; stopping the master stops everything
//  - no output device (server, container, no sound card): mixing goes on into a loopback device
//    that Update() drains, so channels still start, play for their length and end on time
// Not implemented (nothing calls it): 3D positioning, pausing, group volumes, effects.
//
// Handles: a Channel is a value (index plus generation). Once its sound has ended, was stopped or
// its channel was taken over, every call with the old handle returns ErrInvalidHandle, which is
// how callers learn that a channel has finished.
//
// Single-threaded: every call comes from the thread that created the system.
#pragma once

#include <cstdint>

namespace velkor::audio::device {

enum class Result : int {
    Ok = 0,
    ErrInvalidHandle,  // a channel that has ended, or a released or null object
    ErrInvalidParam,
    ErrFileNotFound,
    ErrFileBad,  // the file opened but could not be read to its end
    ErrFormat,  // not a format the decoder knows, or more than two channels
    ErrUninitialized,  // no system, or not initialised (or already closed)
    ErrInitialized,  // initialised twice
    ErrOutputInit,  // no output device and no silent fallback either
    ErrMemory,  // the mixer ran out of buffers or sources
};

// A readable sentence for a result, for diagnostics.
[[nodiscard]] const char* ErrorString(Result result) noexcept;

// Sound creation flags.
using Mode = unsigned;
inline constexpr Mode ModeDefault = 0x0;
inline constexpr Mode ModeLoopNormal = 0x2;
inline constexpr Mode ModeCreateStream = 0x80;

struct System;
struct Sound;
struct ChannelGroup;

struct Channel {
    System* system = nullptr;
    int index = -1;
    std::uint32_t generation = 0;
};

// System lifetime: Create -> Init -> (Update every frame) -> Close -> Release.
Result SystemCreate(System** out);
Result SystemInit(System* system, int channels);
Result SystemUpdate(System* system);
// Stops every channel and frees every sound and group still held, then the device.
Result SystemClose(System* system);
Result SystemRelease(System* system);
// True when the system mixes into a real output rather than the silent fallback.
[[nodiscard]] bool SystemHasOutput(const System* system) noexcept;

Result CreateSound(System* system, const char* path, Mode mode, Sound** out);
// Stops the channels playing the sound, then frees it.
Result SoundRelease(Sound* sound);

// Starts the sound at once on a free channel (or the oldest one) in the group.
Result PlaySound(System* system, Sound* sound, ChannelGroup* group, Channel* out);
// The channel currently at an index; calls on it fail with ErrInvalidHandle when it plays nothing.
Result GetChannel(System* system, int index, Channel* out);

Result GetMasterChannelGroup(System* system, ChannelGroup** out);
Result CreateChannelGroup(System* system, const char* name, ChannelGroup** out);
Result ChannelGroupStop(ChannelGroup* group);
// Stops the group's channels and frees it. The master group is not released.
Result ChannelGroupRelease(ChannelGroup* group);

Result ChannelGetIndex(Channel channel, int* out);
Result ChannelSetVolume(Channel channel, float volume);
Result ChannelGetVolume(Channel channel, float* out);
Result ChannelSetPitch(Channel channel, float pitch);
Result ChannelGetPitch(Channel channel, float* out);
Result ChannelStop(Channel channel);
Result ChannelGetChannelGroup(Channel channel, ChannelGroup** out);
Result ChannelIsPlaying(Channel channel, bool* out);
// Holds a channel where it is, or lets it go on from there. A paused channel still counts as
// playing; pausing a paused channel or resuming a running one changes nothing.
Result ChannelSetPaused(Channel channel, bool paused);
Result ChannelGetPaused(Channel channel, bool* out);

}  // namespace velkor::audio::device
