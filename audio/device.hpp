// The sound device: the few playback calls the audio layer makes, and nothing more.
//
// Shaped like a low-level mixer API (a system with a fixed number of channels, sounds, channel
// groups, channels with an index, volume and pitch) so that a build on another mixer only has to
// reimplement this header. This implementation sits on miniaudio, which plays, mixes and decodes
// (WAV, MP3, FLAC, and Ogg Vorbis through stb_vorbis) the same way on Linux and Windows.
//
// Implemented:
//  - one miniaudio sound per channel; when every channel is busy the oldest one is taken over
//  - sounds decoded whole into one buffer that every channel playing them reads on its own, or
//    streamed: decoded while they play, by the one channel playing them
//  - looping, volume (linear, may exceed 1), pitch (playback-rate factor, default 1)
//  - the master group and named groups (children of the master): stopping a group stops its
//    channels; stopping the master stops everything
//  - no output device (server, container, no sound card): Update() mixes what the clock says has
//    played, so channels still start, play for their length and end on time; VELKOR_AUDIO_OUTPUT
//    set to "null" always mixes so, and set to a file path records that mix as a WAV file
// Not implemented (nothing calls it): 3D positioning, group volumes, effects.
//
// Handles: a Channel is a value (index plus generation). Once its sound has ended, was stopped or
// its channel was taken over, every call with the old handle returns ErrInvalidHandle, which is
// how callers learn that a channel has finished.
//
// Every call comes from the thread that created the system; a device mixes on its own thread,
// which miniaudio keeps in step with these calls.
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
// True when the system mixes into a real output (a device or the recording) rather than nothing.
[[nodiscard]] bool SystemHasOutput(const System* system) noexcept;
// How much sound the mixer has mixed since it started, in seconds: its own clock.
[[nodiscard]] double SystemMixedSeconds(const System* system) noexcept;

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
Result ChannelGetLooping(Channel channel, bool* out);  // the sound it plays was made with ModeLoopNormal
// Holds a channel where it is, or lets it go on from there. A paused channel still counts as
// playing; pausing a paused channel or resuming a running one changes nothing.
Result ChannelSetPaused(Channel channel, bool paused);
Result ChannelGetPaused(Channel channel, bool* out);

}  // namespace velkor::audio::device
