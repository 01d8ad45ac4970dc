#include "levels/main_menu.hpp"

#include "engine/engine.hpp"
#include "gameplay/input.hpp"
#include "graphics/window.hpp"
#include "levels/level_manager.hpp"
#include "levels/level_state.hpp"

namespace velkor::levels {

namespace {

constexpr const char* ButtonDir = "Data/Entities/Buttons/MainMenu/";

Entity CreateButton(Registry& registry, const char* file) {
    return CreateFromFile((std::string(ButtonDir) + file).c_str(), registry);
}

}  // namespace

void MainMenu::Initialize(Registry& registry) {
    util::GetOrCreateWindow(registry.singletons);
    input::EnsureInput(registry);
    CreateCursor(registry);
    SetCursorHidden(registry, false);
    background_ = CreateFromFile("Data/MainMenu.json", registry);
    StartMenuMusicFrom(registry, background_, "MenuMusic");
    buttons_[Play] = CreateButton(registry, "PlayGameButton.json");
    buttons_[Exit] = CreateButton(registry, "ExitGameButton.json");
    buttons_[Options] = CreateButton(registry, "OptionsGameButton.json");
    buttons_[CreditsButton] = CreateButton(registry, "CreditsGameButton.json");
    exitPanel_ = CreateFromFile("Data/ExitMenu.json", registry);
    controlsPanel_ = CreateFromFile("Data/ControlsScreen.json", registry);
    buttons_[Yes] = CreateButton(registry, "YesButton.json");
    buttons_[No] = CreateButton(registry, "NoButton.json");
    buttons_[Controls] = CreateButton(registry, "ControlsGameButton.json");
    playPanel_ = CreateFromFile("Data/PlayMenu.json", registry);
    buttons_[CyberCity] = CreateButton(registry, "CyberCityButton.json");
    buttons_[Underground] = CreateButton(registry, "UndergroundButton.json");
    hover_.fill(false);
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
    auto handle = [&](Slot slot, std::string_view log, ButtonLook look = SwapLook, bool push = true) {
        return HandleButton(registry, {buttons_[slot], NoEntity, look, log, push, {}}, hover_[slot]);
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
        if (handle(No, "--------------- MenuExitGame(No) ---------------", EnlargeLook(1.2f)))
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
