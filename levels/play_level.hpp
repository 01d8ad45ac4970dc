// What the playable levels share (the twin of menu_screen.hpp for the screens you play): the
// playable Load, Shutdown and Unload, the per-frame part every playable level runs (pause requests,
// the level timer with its two warnings, the moving platforms, the switch to the lose screen) and
// the steps of Initialize that every level takes in the same way. A level's own file keeps only
// what is its own: its map, its backdrop, its tutorial, its zoom.
//
// Sounds the level starts (music, warnings) are held as audio::HeldChannel: a later pause, resume
// or stop reaches the channel only while it still plays the sound the level started there, never a
// button click or a voice that has taken the channel over since.
#pragma once

#include <string>

#include "audio/audio.hpp"
#include "levels/level.hpp"
#include "levels/pause_menu.hpp"

namespace velkor::levels {

inline constexpr const char* LevelHudPrefab = "Data/Entities/HUD.json";
inline constexpr float LevelMusicVolume = 0.6f;
inline constexpr float TimerWarningVolume = 0.75f;
// The timer warnings: the light one below this many seconds left, the heavy one (which stops the
// light one) below the second.
inline constexpr float LightWarningTime = 30.0f;
inline constexpr float HeavyWarningTime = 15.0f;

// A fresh Level record: the one there goes, so that the next map read starts from the defaults and
// reads its properties.
void ForgetLevelRecord(Registry& registry);

// Reads a Tiled map file and loads it: its entities, and its properties into the Level record.
void LoadMapFile(const std::string& path, Registry& registry);

// Every entity that the camera follows (the player) sets the respawn position to where it stands.
void RespawnAtPlayer(Registry& registry);

// The camera shows the window's size in hundredths of a unit, times the zoom.
void SetCameraZoom(Registry& registry, float zoom);

// The level timer's step: remembers the time left before it and counts it down while it runs.
void CountDown(Registry& registry, float dt);

// Turns what the player reported into the next screen: its finish leads to the win screen after
// player::WinScreenDelay, armed once (reports while it is armed change nothing). The level manager
// calls it before it counts down, so that the delay starts in the frame the finish played out.
void ShowPlayOutcome(Registry& registry);

class PlayLevel : public util::iLevel {
public:
    // Every entity goes, and the Level record, so that Initialize reads its map into a fresh one.
    void Load(Registry& registry) override;
    // The cursor goes, the Level record is made ready for the next map (properties pending,
    // platform lists empty) and an open pause menu closes. The level's entities stay: the win and
    // lose screens are drawn over them.
    void Shutdown(Registry& registry) override;
    // Every sound stops, the level forgets its channels and the ambient sources go.
    void Unload(Registry& registry) override;

    // Channels of what the level started, for tools and tests.
    [[nodiscard]] const audio::HeldChannel& MusicChannel() const noexcept { return musicChannel; }
    [[nodiscard]] const audio::HeldChannel& LightWarningChannel() const noexcept { return lightWarningChannel; }
    [[nodiscard]] const audio::HeldChannel& HeavyWarningChannel() const noexcept { return heavyWarningChannel; }
    [[nodiscard]] const PauseMenuController& PauseMenu() const noexcept { return pauseMenu; }

protected:
    // The steps of Initialize after the level has made its world: respawn at the player, the
    // camera at the zoom, the music (unless it still plays from the last visit), the HUD's digits
    // running, the platform lists, the hidden cursor, the pause menu closed and the simulation on.
    void StartPlay(Registry& registry, float zoom);

    // The per-frame part shared by the playable levels: Escape or losing the window opens the pause
    // menu, which holds the warnings while open; then, unless the simulation stands still, the
    // timer, the warnings, the moving platforms and the switch to the lose screen once time is
    // below 0. Returns whether the simulation runs.
    bool PlayFrame(float dt, Registry& registry);

    audio::HeldChannel musicChannel;
    audio::HeldChannel lightWarningChannel;
    audio::HeldChannel heavyWarningChannel;
    PauseMenuController pauseMenu;

private:
    void Warnings(Registry& registry);
};

}  // namespace velkor::levels
