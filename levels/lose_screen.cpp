#include "levels/lose_screen.hpp"

#include "graphics/components.hpp"
#include "levels/level_manager.hpp"

namespace velkor::levels {

void LoseScreen::Initialize(Registry& registry) {
    CreateCursor(registry);
    SetCursorHidden(registry, false);
    nav_.Restart();
    FreezeFinishedLevel(registry);
    background_ = CreateFromFile("Data/LoseScreen.json", registry);
    CreateFromFile("Data/Entities/Buttons/LoseScreen/MainMenuButton.json", registry);
    CreateFromFile("Data/Entities/Buttons/LoseScreen/PlayAgainButton.json", registry);
    buttons_ = {FindButton(registry, "LoseScreenMainMenu"), FindButton(registry, "LoseScreenPlayAgain")};
    hover_.fill(false);
}

void LoseScreen::Update(float dt, Registry& registry) {
    if (registry.alive(background_) && registry.has<component::Graphics>(background_) &&
        registry.get<component::Graphics>(background_).Color.a <= 1.0f) {
        registry.get<component::Graphics>(background_).Color.a += dt * 0.5f;
        for (Entity e : buttons_)
            if (registry.alive(e) && registry.has<component::Graphics>(e)) registry.get<component::Graphics>(e).Color.a += dt * 0.5f;
    }
    nav_.Update(registry, {buttons_.begin(), buttons_.end()});
    auto handle = [&](Slot slot, std::string_view log) {
        return HandleButton(registry, {buttons_[slot], NoEntity, EnlargeLook(1.1f), log, true, {}, &nav_}, hover_[slot]);
    };
    if (handle(MainMenuButton, "---------------  LoseScreenMainMenu ---------------")) {
        RequestLevel(registry, LevelIndex::MainMenu);
        SetCursorHidden(registry, true);
    }
    if (handle(PlayAgain, "---------------  LoseScreenPlayAgain ---------------")) {
        RequestLevel(registry, LevelIndex::LoadingScreen);
        SetCursorHidden(registry, true);
    }
}

}  // namespace velkor::levels
