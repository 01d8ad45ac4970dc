// The three logo screens that open the game: the studio logo followed by the audio credit
// (8 s, with the menu music starting), the team logo (3 s) and the game logo (3 s). Enter, Space,
// Escape or a left or right click skips straight to the main menu.
#pragma once

#include "levels/level.hpp"

namespace velkor::levels {

inline constexpr const char* MenuMusicPath = "Assets/Music/MenuCut.mp3";

// Shared by the logo screens: Enter, Space or Escape, the left or right mouse button, or the
// gamepad's south, east or Start button, Pressed this frame.
[[nodiscard]] bool SkipRequested(Registry& registry);

// What the logo screens share: nothing to load or unload, and leaving one destroys its entities.
class LogoScreen : public util::iLevel {
public:
    void Load(Registry&) override {}
    void Shutdown(Registry& registry) override { DestroyAllEntities(registry); }
    void Unload(Registry&) override {}
};

class Logo final : public LogoScreen {
public:
    void Initialize(Registry& registry) override;
    void Update(float dt, Registry& registry) override;
    void Shutdown(Registry& registry) override;

private:
    // Gives back this visit's music request, once: the music keeps playing into the menus, which
    // hold requests of their own.
    void ReleaseMusic();

    Entity first_ = NoEntity;
    Entity second_ = NoEntity;
    float elapsed_ = 0.0f;
    int music_ = -1;  // this visit's request of the menu music, -1 once given back
};

// One logo that fades in and out over three seconds, then hands over to the next screen.
class SingleLogo : public LogoScreen {
public:
    SingleLogo(const char* prefab, int next) : prefab_(prefab), next_(next) {}

    void Initialize(Registry& registry) override;
    void Update(float dt, Registry& registry) override;

private:
    const char* prefab_;
    int next_;
    Entity logo_ = NoEntity;
    float elapsed_ = 0.0f;
};

class TeamLogo final : public SingleLogo {
public:
    TeamLogo() : SingleLogo("Data/Logos/TeamLogo.json", LevelIndex::GameLogo) {}
};

class GameLogo final : public SingleLogo {
public:
    GameLogo() : SingleLogo("Data/Logos/GameLogo.json", LevelIndex::MainMenu) {}
};

}  // namespace velkor::levels
