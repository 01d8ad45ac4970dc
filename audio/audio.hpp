// The audio layer: the process-wide sound table, sound groups with volume offsets, the entities'
// named sounds and the ambient sounds whose loudness follows the camera.
//
// Sounds are loaded by path and kept by request count: every holder (an Audio component entry, a
// level's sound list) requests once and unrequests once. An unrequested sound stays loaded (a
// later request reuses it) until ReleaseUnrequested() or the system's shutdown frees it.
//
// Sound groups: 0 everything (the master group), 1 "SFX", 2 "Music", 3 ambient (plays in the
// master group). Each group has a volume offset in the Audio singleton's GroupVolume. A channel's
// logical volume is its own volume plus the offsets; the device gets max(0, logical volume), so an
// offset of -5 silences a channel without losing its level.
//
// Failures never stop the game: bad indices, unrequested or unloaded sounds, bad groups, unknown
// paths, files that do not open and device errors are trace messages with a neutral result.
//
// The layer is bound to the Audio singleton of the registry whose Audio system initialised it;
// outside that window the group offsets count as 0 and device calls report that nothing is set up.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <rapidjson/document.h>

#include "engine/system.hpp"

namespace velkor {
class ContentReport;
}

namespace velkor::audio::device {
struct System;
}

namespace velkor::audio {

inline constexpr int ChannelCount = 32;
inline constexpr int GroupCount = 4;

enum SoundGroup : int { Master = 0, SFX = 1, Music = 2, Ambient = 3 };

}  // namespace velkor::audio

namespace velkor::component {

// One named sound of an entity. Index is the sound's identifier in the sound table (-1 when the
// file did not open).
struct AudioFile {
    int Index = -1;
    std::string Name = "!Unnamed!";
    std::string Filepath;
};

// The named sounds of an entity. Each entry holds one request of its sound: removing the component
// from an entity unrequests them (a pool listener of the Audio system), and a copy requests every
// path again (whole, not looping), so the copy holds requests of its own.
struct Audio {
    std::vector<AudioFile> Files;

    Audio() = default;
    Audio(const Audio& other);
    Audio& operator=(const Audio& other);
    Audio(Audio&&) noexcept = default;
    Audio& operator=(Audio&&) noexcept = default;
    ~Audio() = default;
};

// Appends the "Files" of the JSON form to audio, requesting each sound. Entries marked "Ambient"
// become ambient sources of owner in the registry's Audio singleton (an owner that is not an
// entity, such as NoEntity for a level's own sounds, never plays them).
void ReadAudio(Audio& audio, const rapidjson::Value& json, Entity owner, Registry& registry);

// The catalogue's reader: adds the component to e if missing, then ReadAudio.
void ReadAudioComponent(Entity e, Registry& registry, const rapidjson::Value& json);

// For the content checker: the list is checked as an Audio list (sound files, names given once).
void CheckAudioComponent(ContentReport& report, const rapidjson::Value& json, const rapidjson::Value& prefab, const std::string& pointer);

}  // namespace velkor::component

namespace velkor::singleton {

struct AmbientSource {
    Entity Owner = NoEntity;
    int Channel = -1;  // -1 while out of earshot
    int Sound = -1;
};

struct Audio {
    std::array<float, audio::GroupCount> GroupVolume{0.0f, 0.0f, 0.0f, 0.0f};
    int MenuMusicChannel = -1;
    std::vector<AmbientSource> AmbientSources;
};

}  // namespace velkor::singleton

namespace velkor::audio {

// Index of the sound at path, loading it if needed; -1 when the file does not open. stream and
// loop only matter for the request that loads the sound.
int RequestSound(const std::string& path, bool stream, bool loop);
void UnrequestSound(int index);
void UnrequestSound(std::string_view path);
// Unrequests every entry of a sound list (what removing an Audio component does).
void UnrequestSounds(const component::Audio& audio);

// Plays a requested sound in a group; returns the channel index (0-31) or -1.
int PlaySound(int index, float volume, float pitchOffset, int group);
// Sets a group's volume offset and shifts every playing channel of the group by the change.
void SetGroupVolume(float value, int group);
// Stops every channel of a group (0: every channel).
void StopGroup(int group);

// Index of the first entry whose Name or Filepath equals name; -1 if none or no record.
[[nodiscard]] int FindSound(const component::Audio* audio, std::string_view name);
// Frees every loaded sound whose request count is below 1.
void ReleaseUnrequested();

// What a channel plays now, as a value that differs for every sound started on it; 0 when it
// plays nothing. A holder of a channel index compares two readings to learn whether the sound it
// started still plays there, or the channel has ended and been reused by another sound.
[[nodiscard]] std::uint64_t ChannelPlayback(int channel);

// Whether the channel plays a looping sound (music, a loop of steps): one that never ends by itself,
// so it plays until someone stops it.
[[nodiscard]] bool ChannelLooping(int channel);

// A sound its holder started (a level's music or timer warning): the channel and what it played
// then. Channels are reused once their sound ends, so every later call acts on the channel only
// while it still plays that sound; a sound that ended leaves the channel to whoever has it now.
struct HeldChannel {
    int channel = -1;
    std::uint64_t playback = 0;

    // Holds whatever was just started on channel (-1: nothing started).
    [[nodiscard]] static HeldChannel Of(int channel);
    [[nodiscard]] bool Started() const noexcept { return channel != -1; }
    [[nodiscard]] bool Playing() const;  // our sound still plays there (paused or not)
    void Stop() const;
    void SetPaused(bool paused) const;
    [[nodiscard]] bool Paused() const;
};

// Inspection, for tools and tests.
[[nodiscard]] int SoundCount();
[[nodiscard]] int RequestCount(int index);  // 0 for an index outside the table
[[nodiscard]] bool IsLoaded(int index);
[[nodiscard]] const std::string& SoundPath(int index);  // empty for an index outside the table
[[nodiscard]] float ChannelVolume(int channel);  // logical volume; 0 outside 0-31
[[nodiscard]] device::System* DeviceSystem();  // nullptr outside the Audio system's lifetime

}  // namespace velkor::audio

namespace velkor::system {

// Starts and stops the sound device, applies group-volume changes and ambient loudness.
class Audio final : public iSystem {
public:
    Audio() = default;
    Audio(const Audio&) = delete;
    Audio& operator=(const Audio&) = delete;
    // A system destroyed without its shutdown (an engine torn down early) still closes the device
    // and unbinds the layer from the registry that is about to go.
    ~Audio() override;

    void Init(Registry& registry) override;
    void Update(float dt, Registry& registry) override;
    void Shutdown(Registry& registry) override;

    // Stops whatever plays on a channel index (0-31); a channel that has ended is not an error.
    static void Stop(int channel);

private:
    bool running_ = false;
    int removeListener_ = -1;
};

}  // namespace velkor::system
