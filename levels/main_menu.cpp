#include "levels/main_menu.hpp"

#include "engine/engine.hpp"
#include "gameplay/input.hpp"
#include "platform/window.hpp"
#include "levels/level_manager.hpp"
#include "levels/level_state.hpp"

namespace velkor::levels {

void MainMenu::Initialize(Registry& registry) {
    util::GetOrCreateWindow(registry.singletons);
    input::EnsureInput(registry);
    CreateCursor(registry);
    SetCursorHidden(registry, false);
    background_ = CreateFromFile("Data/MainMenu.json", registry);
    StartMenuMusicFrom(registry, background_, "MenuMusic");
    buttons_[Play] = CreateFromFile("Data/Entities/Buttons/MainMenu/PlayGameButton.json", registry);
    buttons_[Exit] = CreateFromFile("Data/Entities/Buttons/MainMenu/ExitGameButton.json", registry);
    buttons_[Options] = CreateFromFile("Data/Entities/Buttons/MainMenu/OptionsGameButton.json", registry);
    buttons_[CreditsButton] = CreateFromFile("Data/Entities/Buttons/MainMenu/CreditsGameButton.json", registry);
    exitPanel_ = CreateFromFile("Data/ExitMenu.json", registry);
    controlsPanel_ = CreateFromFile("Data/ControlsScreen.json", registry);
    buttons_[Yes] = CreateFromFile("Data/Entities/Buttons/MainMenu/YesButton.json", registry);
    buttons_[No] = CreateFromFile("Data/Entities/Buttons/MainMenu/NoButton.json", registry);
    buttons_[Controls] = CreateFromFile("Data/Entities/Buttons/MainMenu/ControlsGameButton.json", registry);
    playPanel_ = CreateFromFile("Data/PlayMenu.json", registry);
    buttons_[CyberCity] = CreateFromFile("Data/Entities/Buttons/MainMenu/CyberCityButton.json", registry);
    buttons_[Underground] = CreateFromFile("Data/Entities/Buttons/MainMenu/UndergroundButton.json", registry);
    hover_.fill(false);
    nav_.Restart();
}

void MainMenu::ShowOnly(Registry& registry, bool playPanel, bool exitPanel, bool controlsPanel) {
    SetVisible(registry, playPanel_, playPanel);
    SetVisible(registry, buttons_[CyberCity], playPanel);
    SetVisible(registry, buttons_[Underground], playPanel);
    SetVisible(registry, exitPanel_, exitPanel);
    SetVisible(registry, buttons_[Yes], exitPanel);
    SetVisible(registry, buttons_[No], exitPanel);
    SetVisible(registry, controlsPanel_, controlsPanel);
}

void MainMenu::Update(float, Registry& registry) {
    // An open panel takes the highlight: its buttons are the choice the player is making.
    const bool exitShown = IsVisible(registry, exitPanel_);
    const bool playShown = IsVisible(registry, playPanel_);
    if (exitShown) nav_.Update(registry, {buttons_[Yes], buttons_[No]});
    else if (playShown) nav_.Update(registry, {buttons_[CyberCity], buttons_[Underground]});
    else nav_.Update(registry, {buttons_[Play], buttons_[Exit], buttons_[Options], buttons_[CreditsButton], buttons_[Controls]});
    const bool back = nav_.BackPressed();
    if (back && playShown) ShowOnly(registry, false, exitShown, false);
    if (back && IsVisible(registry, controlsPanel_)) SetVisible(registry, controlsPanel_, false);

    auto handle = [&](Slot slot, std::string_view log, ButtonLook look = SwapLook, bool push = true, bool pressed = false) {
        return HandleButton(registry, {buttons_[slot], NoEntity, look, log, push, {}, &nav_, pressed}, hover_[slot]);
    };
    if (handle(Play, "--------------- MainMenuPlayGame ---------------")) ShowOnly(registry, true, false, false);
    if (handle(Exit, "--------------- MainMenuExitGame ---------------")) ShowOnly(registry, false, true, false);
    if (handle(Options, "--------------- MainMenuOptionsButton ---------------"))
        RequestLevel(registry, LevelIndex::OptionsMenu);
    if (handle(CreditsButton, "--------------- MainMenuCredits ---------------"))
        RequestLevel(registry, LevelIndex::Credits);
    if (handle(Controls, "--------------- MainMenuControls ---------------")) ShowOnly(registry, false, false, true);

    if (IsVisible(registry, exitPanel_)) {
        if (handle(Yes, "--------------- MenuExitGame(Yes) ---------------", EnlargeLook(1.2f), false))
            registry.singletons.mark_present<singleton::Running>().Value = false;
        if (handle(No, "--------------- MenuExitGame(No) ---------------", EnlargeLook(1.2f), true, back))
            for (Entity e : {exitPanel_, buttons_[Yes], buttons_[No]}) SetVisible(registry, e, false);
    }
    if (IsVisible(registry, playPanel_)) {
        if (handle(CyberCity, "--------------- CyberCity ---------------")) {
            if (registry.singletons.has<singleton::Level>()) registry.singletons.get<singleton::Level>().secondLevel = false;
            RequestLevel(registry, LevelIndex::LoadingScreen);
            StopMenuMusic(registry);
        }
        if (handle(Underground, "--------------- Underground ---------------")) {
            if (!registry.singletons.has<singleton::Level>()) EnsureLevel(registry).propertiesPending = true;
            EnsureLevel(registry).secondLevel = true;
            RequestLevel(registry, LevelIndex::LoadingScreen);
            StopMenuMusic(registry);
        }
    }
}

}  // namespace velkor::levels
