#include "audio/audio.hpp"

#include <algorithm>
#include <cmath>
#include <fstream>

#include <glm/geometric.hpp>

#include "audio/device.hpp"
#include "engine/trace.hpp"
#include "graphics/camera.hpp"
#include "serialization/json_read.hpp"
#include "serialization/transform.hpp"
#include "serialization/content_rules.hpp"

namespace velkor::audio {

namespace {

struct SoundEntry {
    int RequestCount = 0;  // 0 or less: unrequested
    device::Sound* Sound = nullptr;  // nullptr: not loaded
    std::string Path;
};

// The layer's process-wide state. It lives from the Audio system's init to its shutdown; the sound
// table outlives neither, since the device that holds its sounds closes with it.
struct Layer {
    device::System* system = nullptr;
    std::vector<SoundEntry> sounds;
    std::array<float, ChannelCount> channelVolume{};
    std::array<device::ChannelGroup*, GroupCount> groups{};
    std::array<float, GroupCount> appliedGroupVolume{};
    singleton::Audio* settings = nullptr;  // the bound registry's Audio singleton (its slot never moves)
    const void* owner = nullptr;  // the Audio system that opened the device
};

Layer& State() {
    static Layer layer;
    return layer;
}

// Every device call goes through here: a failure is a trace message, never an exception.
device::Result Check(device::Result result) {
    if (result != device::Result::Ok) {
        Trace(std::string("FMOD experienced an error: ") + device::ErrorString(result) + "\n");
    }
    return result;
}

bool Ok(device::Result result) { return Check(result) == device::Result::Ok; }

bool ValidSound(int index) { return index >= 0 && static_cast<std::size_t>(index) < State().sounds.size(); }
bool ValidGroup(int group) { return group >= 0 && group < GroupCount; }

float GroupOffset(int group) {
    const Layer& layer = State();
    return layer.settings ? layer.settings->GroupVolume[static_cast<std::size_t>(group)] : 0.0f;
}

device::Sound* Load(const std::string& path, bool stream, bool loop) {
    device::Mode mode = stream ? device::ModeCreateStream : device::ModeDefault;
    if (loop) mode |= device::ModeLoopNormal;
    device::Sound* sound = nullptr;
    if (!Ok(device::CreateSound(State().system, path.c_str(), mode, &sound))) {
        // The device's message names no file: a player's damaged copy must say which sound it lost.
        if (State().system) Trace("Sound " + path + " could not be loaded; it stays silent.\n");
        return nullptr;
    }
    return sound;
}

// GetChannel followed by a call on the channel; an ended channel is not worth a message.
template <class Call>
device::Result OnChannel(int index, Call call) {
    device::Channel channel;
    device::Result r = device::GetChannel(State().system, index, &channel);
    if (r == device::Result::Ok) r = call(channel);
    if (r != device::Result::ErrInvalidHandle) Check(r);
    return r;
}

void CloseDevice() {
    Layer& layer = State();
    Check(device::SystemClose(layer.system));
    Check(device::SystemRelease(layer.system));
    layer.system = nullptr;
    layer.groups.fill(nullptr);
    // Every sound went with the device; a later init starts from an empty table.
    layer.sounds.clear();
    layer.settings = nullptr;
    layer.owner = nullptr;
}

}  // namespace

int RequestSound(const std::string& path, bool stream, bool loop) {
    if (!std::ifstream(path, std::ios::binary).is_open()) {
        Trace("Sound file " + path + " was unable to be opened!\n");
        return -1;
    }
    Layer& layer = State();
    for (std::size_t i = 0; i < layer.sounds.size(); ++i) {
        SoundEntry& entry = layer.sounds[i];
        if (entry.Path != path) continue;
        if (!entry.Sound) entry.Sound = Load(path, stream, loop);
        // A count driven below zero by surplus unrequests would leave this request unplayable.
        entry.RequestCount = std::max(entry.RequestCount, 0) + 1;
        return static_cast<int>(i);
    }
    layer.sounds.push_back(SoundEntry{0, nullptr, path});
    const auto index = layer.sounds.size() - 1;
    // Loaded after the append: the entry stays (unloaded) if the device cannot create the sound.
    layer.sounds[index].Sound = Load(path, stream, loop);
    layer.sounds[index].RequestCount += 1;
    return static_cast<int>(index);
}

void UnrequestSound(int index) {
    if (!ValidSound(index)) {
        Trace("audio::UnrequestSound has recieved invalid index: " + std::to_string(index) + "\n");
        return;
    }
    SoundEntry& entry = State().sounds[static_cast<std::size_t>(index)];
    if (entry.RequestCount < 0 || !entry.Sound) {
        Trace("audio::UnrequestSound is trying to unrequest unloaded sound " + entry.Path + "\n");
    }
    entry.RequestCount -= 1;
}

void UnrequestSound(std::string_view path) {
    const auto& sounds = State().sounds;
    for (std::size_t i = 0; i < sounds.size(); ++i) {
        if (sounds[i].Path == path) {
            UnrequestSound(static_cast<int>(i));
            return;
        }
    }
    Trace("Unrecognized filepath: " + std::string(path) + "\n");
}

void UnrequestSounds(const component::Audio& audio) {
    for (const auto& file : audio.Files) UnrequestSound(file.Index);
}

int PlaySound(int index, float volume, float pitchOffset, int group) {
    Layer& layer = State();
    if (!ValidSound(index)) {
        Trace("audio::PlaySound has recieved invalid index: " + std::to_string(index) + "\n");
        return -1;
    }
    const SoundEntry& entry = layer.sounds[static_cast<std::size_t>(index)];
    if (entry.RequestCount <= 0) {
        Trace("audio::PlaySound is trying to play unrequested sound file " + entry.Path + "\n");
        return -1;
    }
    if (!entry.Sound) {
        Trace("audio::PlaySound is trying to play unloaded sound " + entry.Path + "\n");
        return -1;
    }
    if (!ValidGroup(group)) {
        Trace("Invalid SoudGroup passed: " + std::to_string(group) + "\n");
        return -1;
    }
    device::Channel channel;
    if (!Ok(device::PlaySound(layer.system, entry.Sound, layer.groups[static_cast<std::size_t>(group)], &channel)))
        return -1;
    int c = -1;
    if (!Ok(device::ChannelGetIndex(channel, &c)) || c < 0 || c >= ChannelCount) return -1;
    // Group 0's offset counts twice for a sound played straight into group 0: once as the master
    // offset every channel carries, once as its own group's.
    const float logical = volume + GroupOffset(Master) + GroupOffset(group);
    layer.channelVolume[static_cast<std::size_t>(c)] = logical;
    Check(device::ChannelSetVolume(channel, std::max(0.0f, logical)));
    float pitch = 1.0f;
    Check(device::ChannelGetPitch(channel, &pitch));
    Check(device::ChannelSetPitch(channel, pitch + pitchOffset));
    return c;
}

std::uint64_t ChannelPlayback(int channel) {
    if (channel < 0 || channel >= ChannelCount) return 0;
    device::Channel c;
    if (device::GetChannel(State().system, channel, &c) != device::Result::Ok) return 0;
    bool playing = false;
    if (device::ChannelIsPlaying(c, &playing) != device::Result::Ok || !playing) return 0;
    // Generations start at 1, so a playing channel never reads 0.
    return (static_cast<std::uint64_t>(channel) << 32) | c.generation;
}

bool ChannelLooping(int channel) {
    if (ChannelPlayback(channel) == 0) return false;
    device::Channel c;
    bool looping = false;
    return device::GetChannel(State().system, channel, &c) == device::Result::Ok &&
           device::ChannelGetLooping(c, &looping) == device::Result::Ok && looping;
}

HeldChannel HeldChannel::Of(int channel) { return {channel, ChannelPlayback(channel)}; }

bool HeldChannel::Playing() const { return playback != 0 && ChannelPlayback(channel) == playback; }

void HeldChannel::Stop() const {
    if (Playing()) OnChannel(channel, [](device::Channel c) { return device::ChannelStop(c); });
}

void HeldChannel::SetPaused(bool paused) const {
    if (Playing()) OnChannel(channel, [paused](device::Channel c) { return device::ChannelSetPaused(c, paused); });
}

bool HeldChannel::Paused() const {
    bool paused = false;
    if (Playing()) OnChannel(channel, [&paused](device::Channel c) { return device::ChannelGetPaused(c, &paused); });
    return paused;
}

void SetGroupVolume(float value, int group) {
    if (!ValidGroup(group)) {
        Trace("Invalid SoudGroup passed: " + std::to_string(group) + "\n");
        return;
    }
    Layer& layer = State();
    const auto g = static_cast<std::size_t>(group);
    // The channels carry the offset applied last, which is not GroupVolume once someone has
    // written a new value there for the next update to apply.
    const float old = layer.appliedGroupVolume[g];
    if (layer.settings) layer.settings->GroupVolume[g] = value;
    layer.appliedGroupVolume[g] = value;
    if (!layer.system) return;  // no device, no channels to shift
    for (int c = 0; c < ChannelCount; ++c) {
        device::Channel channel;
        device::Result r = device::GetChannel(layer.system, c, &channel);
        if (r == device::Result::ErrInvalidHandle) continue;
        if (!Ok(r)) continue;
        device::ChannelGroup* channelGroup = nullptr;
        r = device::ChannelGetChannelGroup(channel, &channelGroup);
        if (r == device::Result::ErrInvalidHandle) continue;  // nothing plays on this index
        if (!Ok(r)) continue;
        // Group 3 has no group of its own: its channels sit in the master group with group 0's.
        if (group != Master && channelGroup != layer.groups[g]) continue;
        float current = 0.0f;
        r = device::ChannelGetVolume(channel, &current);
        if (r == device::Result::ErrInvalidHandle) continue;
        Check(r);
        float& logical = layer.channelVolume[static_cast<std::size_t>(c)];
        logical = logical - old + value;
        Check(device::ChannelSetVolume(channel, std::max(0.0f, logical)));
    }
}

void StopGroup(int group) {
    if (!ValidGroup(group)) {
        Trace("Invalid SoudGroup passed: " + std::to_string(group) + "\n");
        return;
    }
    Check(device::ChannelGroupStop(State().groups[static_cast<std::size_t>(group)]));
}

int FindSound(const component::Audio* audio, std::string_view name) {
    if (!audio) return -1;
    for (const auto& file : audio->Files)
        if (file.Name == name || file.Filepath == name) return file.Index;
    return -1;
}

void ReleaseUnrequested() {
    for (SoundEntry& entry : State().sounds) {
        if (entry.RequestCount < 1 && entry.Sound) {
            Check(device::SoundRelease(entry.Sound));
            entry.Sound = nullptr;
        }
    }
}

int SoundCount() { return static_cast<int>(State().sounds.size()); }

int RequestCount(int index) {
    return ValidSound(index) ? State().sounds[static_cast<std::size_t>(index)].RequestCount : 0;
}

bool IsLoaded(int index) { return ValidSound(index) && State().sounds[static_cast<std::size_t>(index)].Sound; }

const std::string& SoundPath(int index) {
    static const std::string none;
    return ValidSound(index) ? State().sounds[static_cast<std::size_t>(index)].Path : none;
}

float ChannelVolume(int channel) {
    if (channel < 0 || channel >= ChannelCount) return 0.0f;
    return State().channelVolume[static_cast<std::size_t>(channel)];
}

device::System* DeviceSystem() { return State().system; }

}  // namespace velkor::audio

namespace velkor::component {

Audio::Audio(const Audio& other) : Files(other.Files) {
    for (auto& file : Files) file.Index = audio::RequestSound(file.Filepath, false, false);
}

Audio& Audio::operator=(const Audio& other) {
    if (this == &other) return *this;
    Audio copy(other);
    audio::UnrequestSounds(*this);
    Files = std::move(copy.Files);
    return *this;
}

void ReadAudio(Audio& audio, const rapidjson::Value& json, Entity owner, Registry& registry) {
    const rapidjson::Value* files = json::Find(json, "Files");
    if (!files || !files->IsArray()) return;
    for (const auto& element : files->GetArray()) {
        AudioFile file;
        if (!element.IsObject() || !json::ReadString(element, "Filepath", file.Filepath)) continue;
        json::ReadString(element, "Name", file.Name);
        bool loop = false;
        bool stream = false;
        bool ambient = false;
        json::ReadFlag(element, "Loop", loop);
        json::ReadFlag(element, "Stream", stream);
        json::ReadFlag(element, "Ambient", ambient);
        file.Index = audio::RequestSound(file.Filepath, stream, loop);
        if (ambient) {
            registry.singletons.get<singleton::Audio>().AmbientSources.push_back(
                singleton::AmbientSource{owner, -1, file.Index});
        }
        audio.Files.push_back(std::move(file));
    }
}

void ReadAudioComponent(Entity e, Registry& registry, const rapidjson::Value& json) {
    // ReadAudio creates no entity or component, so the reference stays valid throughout.
    ReadAudio(registry.get_or_add<Audio>(e), json, e, registry);
}

void CheckAudioComponent(ContentReport& report, const rapidjson::Value& json, const rapidjson::Value&, const std::string& pointer) {
    report.CheckInPlace(json, pointer, ContentForm::AudioList);
}

}  // namespace velkor::component

namespace velkor::system {

void Audio::Stop(int channel) {
    if (channel < 0 || channel >= audio::ChannelCount) {
        Trace("Audio::Stop has recieved invalid index " + std::to_string(channel) + "\n");
        return;
    }
    audio::OnChannel(channel, [](audio::device::Channel c) { return audio::device::ChannelStop(c); });
}

void Audio::Init(Registry& registry) {
    using namespace audio;
    Trace("Audio System Init\n");
    Layer& layer = State();
    // One device per process: a second audio system takes over from the first.
    if (layer.system) CloseDevice();
    layer.channelVolume.fill(0.0f);
    auto& singletons = registry.singletons;
    if (!singletons.has<singleton::Audio>()) singletons.set(singleton::Audio{});
    layer.settings = &singletons.get<singleton::Audio>();
    layer.appliedGroupVolume = layer.settings->GroupVolume;

    Check(device::SystemCreate(&layer.system));
    Check(device::SystemInit(layer.system, ChannelCount));
    layer.groups.fill(nullptr);
    Check(device::GetMasterChannelGroup(layer.system, &layer.groups[Master]));
    Check(device::CreateChannelGroup(layer.system, "SFX", &layer.groups[SFX]));
    Check(device::CreateChannelGroup(layer.system, "Music", &layer.groups[Music]));
    layer.groups[Ambient] = layer.groups[Master];

    running_ = true;
    layer.owner = this;
    removeListener_ = registry.pool<component::Audio>().connect_on_remove(
        [](Entity, component::Audio& removed) { UnrequestSounds(removed); });
}

void Audio::Update(float, Registry& registry) {
    using namespace audio;
    Layer& layer = State();
    singleton::Audio& settings = registry.singletons.get<singleton::Audio>();
    for (int g = 0; g < GroupCount; ++g) {
        const auto i = static_cast<std::size_t>(g);
        if (settings.GroupVolume[i] != layer.appliedGroupVolume[i]) SetGroupVolume(settings.GroupVolume[i], g);
    }

    // Ambient loudness falls linearly to 0 at one view width from the camera. Without a view
    // (the camera not set up yet) distances mean nothing, so the sources wait.
    const singleton::Camera& camera = registry.singletons.get<singleton::Camera>();
    if (camera.ViewWidth > 0.0f) {
        for (std::size_t i = 0; i < settings.AmbientSources.size(); ++i) {
            // By index and looked up again each time: PlaySound cannot touch the list, but nothing
            // is gained by holding on to an element across calls.
            singleton::AmbientSource& source = settings.AmbientSources[i];
            if (!registry.alive(source.Owner) || !registry.has<component::Transform>(source.Owner)) continue;
            const glm::vec2 at = registry.get<component::Transform>(source.Owner).Translation;
            const float a = glm::distance(camera.Position, at) / camera.ViewWidth;
            const float loudness = 1.0f - a;
            if (source.Channel == -1) {
                if (a <= 1.0f) source.Channel = PlaySound(source.Sound, loudness, 0.0f, Ambient);
            } else if (a > 1.0f) {
                Stop(source.Channel);
                source.Channel = -1;
            } else {
                const float logical = loudness + settings.GroupVolume[Master];
                const device::Result r = OnChannel(source.Channel, [&](device::Channel c) {
                    return device::ChannelSetVolume(c, std::max(0.0f, logical));
                });
                layer.channelVolume[static_cast<std::size_t>(source.Channel)] = logical;
                // Its sound ended (or its channel went to a newer sound): start it afresh next frame.
                if (r == device::Result::ErrInvalidHandle) source.Channel = -1;
            }
        }
    }
    Check(device::SystemUpdate(layer.system));
}

Audio::~Audio() {
    if (running_ && audio::State().owner == this) audio::CloseDevice();
}

void Audio::Shutdown(Registry& registry) {
    using namespace audio;
    Trace("Audio System Shutdown\n");
    Layer& layer = State();
    Check(device::ChannelGroupStop(layer.groups[Master]));
    Check(device::ChannelGroupRelease(layer.groups[SFX]));
    Check(device::ChannelGroupRelease(layer.groups[Music]));
    layer.groups.fill(nullptr);
    ReleaseUnrequested();
    for (SoundEntry& entry : layer.sounds) {
        if (entry.RequestCount > 0) {
            Trace(std::to_string(entry.RequestCount) + " objects have not unrequested " + entry.Path + "\n");
            entry.RequestCount = 0;
            ReleaseUnrequested();
        }
        if (entry.Sound) Trace(entry.Path + " has not been successfully unloaded.\n");
    }
    CloseDevice();
    running_ = false;

    if (removeListener_ >= 0) registry.pool<component::Audio>().disconnect_on_remove(removeListener_);
    removeListener_ = -1;
    registry.singletons.remove<singleton::Audio>();
}

}  // namespace velkor::system
