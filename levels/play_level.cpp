#include "levels/play_level.hpp"

#include "gameplay/effects.hpp"
#include "gameplay/physics.hpp"
#include "gameplay/play_state.hpp"
#include "gameplay/player_behavior.hpp"
#include "gameplay/player_death.hpp"
#include "graphics/camera.hpp"
#include "gameplay/camera_follow.hpp"
#include "platform/window.hpp"
#include "levels/cursor.hpp"
#include "levels/level_manager.hpp"
#include "levels/level_state.hpp"
#include "levels/platforms.hpp"
#include "serialization/prefab.hpp"
#include "serialization/transform.hpp"

namespace velkor::levels {

namespace {

// The record holds one request of each of the level's sounds; dropping the record alone would keep
// them requested for the rest of the run, one more every visit.
void ReleaseLevelSounds(Registry& registry) {
    if (!registry.singletons.has<singleton::Level>()) return;
    component::Audio& sounds = registry.singletons.get<singleton::Level>().sounds;
    audio::UnrequestSounds(sounds);
    sounds.Files.clear();
}

}  // namespace

void ForgetLevelRecord(Registry& registry) {
    ReleaseLevelSounds(registry);
    if (registry.singletons.has<singleton::Level>()) registry.singletons.remove<singleton::Level>();
}

void LoadMapFile(const std::string& path, Registry& registry) { LoadTiledMap(ReadJsonFile(path), registry); }

void RespawnAtPlayer(Registry& registry) {
    auto& singletons = registry.singletons;
    if (!singletons.has<singleton::CheckPoint>()) singletons.set(singleton::CheckPoint{});
    for (const Entity e : registry.view<component::CameraFollow, component::Transform>())
        singletons.get<singleton::CheckPoint>().RespawnPosition = registry.get<component::Transform>(e).Translation;
}

void SetCameraZoom(Registry& registry, float zoom) {
    const singleton::Window& window = util::GetOrCreateWindow(registry.singletons);
    singleton::Camera& camera = util::GetOrCreateCamera(registry.singletons);
    camera.ZValue = zoom;
    camera.ViewWidth = window.width / 100.0f * zoom;
    camera.ViewHeight = window.height / 100.0f * zoom;
}

void CountDown(Registry& registry, float dt) {
    singleton::Level& level = EnsureLevel(registry);
    level.lastTimeLeft = level.timeLeft;
    if (level.timerRunning) level.timeLeft -= dt;
}

void ShowPlayOutcome(Registry& registry) {
    if (!util::TakeFinished(registry) || !registry.singletons.has<singleton::GameState>()) return;
    if (registry.singletons.get<singleton::GameState>().pendingLevel == LevelIndex::WinScreen) return;
    RequestLevelAfter(registry, LevelIndex::WinScreen, player::WinScreenDelay);
}

void PlayLevel::Load(Registry& registry) {
    DestroyAllEntities(registry);
    ForgetLevelRecord(registry);
}

void PlayLevel::StartPlay(Registry& registry, float zoom) {
    RespawnAtPlayer(registry);
    SetCameraZoom(registry, zoom);
    if (!musicChannel.Started())
        musicChannel = audio::HeldChannel::Of(util::PlayLevelSound(registry, "BGM", LevelMusicVolume, 0.0f, audio::Music));
    EnsureLevel(registry).digitsFrozen = false;
    TrackPlatforms(registry);
    CreateCursor(registry);
    SetCursorHidden(registry, true);
    CreatePauseMenu(registry);
    registry.singletons.get<singleton::PauseMenu>().open = false;
    physics::Active(registry) = true;
}

bool PlayLevel::PlayFrame(float dt, Registry& registry) {
    pauseMenu.Frame(registry, dt);
    const bool paused = pauseMenu.Open(registry);
    lightWarningChannel.SetPaused(paused);
    heavyWarningChannel.SetPaused(paused);
    if (!physics::Active(registry)) return false;

    CountDown(registry, dt);
    Warnings(registry);
    DriveMovingPlatforms(dt, registry);
    if (EnsureLevel(registry).timeLeft < 0.0f) RequestLevel(registry, LevelIndex::LoseScreen);
    return true;
}

void PlayLevel::Warnings(Registry& registry) {
    const float timeLeft = EnsureLevel(registry).timeLeft;
    // Each starts at most once per visit: a warning that has ended keeps its place as started.
    if (timeLeft > HeavyWarningTime && timeLeft <= LightWarningTime && !lightWarningChannel.Started()) {
        heavyWarningChannel.Stop();
        lightWarningChannel =
            audio::HeldChannel::Of(util::PlayLevelSound(registry, "TimerLight", TimerWarningVolume, 0.0f, audio::SFX));
    } else if (timeLeft <= HeavyWarningTime && !heavyWarningChannel.Started()) {
        lightWarningChannel.Stop();
        heavyWarningChannel =
            audio::HeldChannel::Of(util::PlayLevelSound(registry, "TimerHeavy", TimerWarningVolume, 0.0f, audio::SFX));
    }
}

void PlayLevel::Shutdown(Registry& registry) {
    DestroyCursor(registry);
    singleton::Level& level = EnsureLevel(registry);
    level.propertiesPending = true;
    level.fallingPlatforms.clear();
    level.movingPlatforms.clear();
    pauseMenu.Leave(registry);
}

void PlayLevel::Unload(Registry& registry) {
    audio::StopGroup(audio::Master);
    // The record stays for the win and lose screens (time, collectables); its sounds do not.
    ReleaseLevelSounds(registry);
    musicChannel = lightWarningChannel = heavyWarningChannel = {};
    if (registry.singletons.has<singleton::Audio>()) registry.singletons.get<singleton::Audio>().AmbientSources.clear();
}

}  // namespace velkor::levels
