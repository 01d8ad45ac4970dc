#include "levels/pause_menu.hpp"

#include "audio/audio.hpp"
#include "engine/engine.hpp"
#include "gameplay/input.hpp"
#include "gameplay/physics.hpp"
#include "levels/button.hpp"
#include "levels/cursor.hpp"
#include "levels/level_manager.hpp"
#include "levels/options_menu.hpp"
#include "platform/keys.hpp"
#include "platform/window.hpp"
#include "serialization/transform.hpp"

namespace velkor::levels {

namespace {

constexpr const char* Pages[] = {"Data/PauseMenu/PauseMenu.json", "Data/PauseMenu/PauseMenuOptions.json",
                                 "Data/PauseMenu/PauseMenuControls.json", "Data/PauseMenu/PauseMenuCredits.json",
                                 "Data/PauseMenu/PauseMenuExit.json"};
constexpr const char* MenuButtons[] = {"Data/Entities/Buttons/PauseMenu/Menu/ResumeGameButton.json",
                                       "Data/Entities/Buttons/PauseMenu/Menu/OptionsGameButton.json",
                                       "Data/Entities/Buttons/PauseMenu/Menu/ControlsGameButton.json",
                                       "Data/Entities/Buttons/PauseMenu/Menu/CreditsGameButton.json",
                                       "Data/Entities/Buttons/PauseMenu/Menu/ExitGameButton.json"};
constexpr const char* ExitItems[] = {"Data/Entities/Buttons/PauseMenu/Exit/YesButton.json",
                                     "Data/Entities/Buttons/PauseMenu/Exit/NoButton.json",
                                     "Data/Entities/Buttons/PauseMenu/Exit/MainMenuButton.json"};
constexpr const char* OptionsItems[] = {"Data/Entities/Buttons/PauseMenu/Options/WindowSize0Button.json",
                                        "Data/Entities/Buttons/PauseMenu/Options/WindowSize1Button.json",
                                        "Data/Entities/Buttons/PauseMenu/Options/WindowSize2Button.json",
                                        "Data/Entities/Buttons/PauseMenu/Options/VolumeButton.json",
                                        "Data/Entities/Buttons/PauseMenu/Options/On.json",
                                        "Data/Entities/Buttons/PauseMenu/Options/Off.json"};

enum MenuButton { Resume, Options, Controls, CreditsButton, Exit };
enum Page { MainPage, OptionsPage, ControlsPage, CreditsPage, ExitPage };
enum OptionsItem { Window0, Window1, Window2, Volume, On, Off };
enum ExitItem { Yes, No, MainMenuButton };

float MasterVolume(Registry& registry) { return registry.singletons.get<singleton::Audio>().GroupVolume[audio::Master]; }

Entity At(const std::vector<Entity>& list, std::size_t i) { return i < list.size() ? list[i] : NoEntity; }

void Fill(Registry& registry, std::vector<Entity>& list, std::vector<bool>& hover, const auto& files) {
    for (const char* file : files) {
        list.push_back(CreateFromFile(file, registry));
        hover.push_back(false);
    }
}

}  // namespace

void CreatePauseMenu(Registry& registry) {
    if (!registry.singletons.has<singleton::PauseMenu>()) registry.singletons.set(singleton::PauseMenu{});
}

void ApplyPauseVisibility(Registry& registry, bool main, bool options, bool controls, bool credits, bool exit) {
    auto& menu = registry.singletons.get<singleton::PauseMenu>();
    const bool pages[] = {main, options, controls, credits, exit};
    for (std::size_t i = 0; i < menu.pages.size() && i < 5; ++i) SetVisible(registry, menu.pages[i], pages[i]);
    const float volume = MasterVolume(registry);
    for (std::size_t i = 0; i < menu.optionsItems.size(); ++i) {
        // The indicator that does not match the sound's state keeps whatever the last click gave it.
        if (i == On && volume <= -1.0f) continue;
        if (i == Off && volume > -1.0f) continue;
        SetVisible(registry, menu.optionsItems[i], options);
    }
    for (Entity e : menu.exitItems) SetVisible(registry, e, exit);
    for (Entity e : menu.menuButtons) SetVisible(registry, e, main);
}

bool PauseMenuController::Open(Registry& registry) const {
    return registry.singletons.has<singleton::PauseMenu>() && registry.singletons.get<singleton::PauseMenu>().open;
}

void PauseMenuController::Toggle(Registry& registry) {
    CreatePauseMenu(registry);
    auto& menu = registry.singletons.get<singleton::PauseMenu>();
    const bool wasOpen = menu.open;
    menu.open = !wasOpen;
    if (wasOpen) {
        for (auto* list : {&menu.pages, &menu.menuButtons, &menu.exitItems, &menu.optionsItems}) {
            for (Entity e : *list)
                if (registry.alive(e)) registry.destroy(e);
            list->clear();
        }
        for (auto* flags : {&menu.pagesHover, &menu.menuButtonsHover, &menu.exitItemsHover, &menu.optionsItemsHover})
            flags->clear();
        main_ = options_ = controls_ = credits_ = exit_ = false;
        audio::SetGroupVolume(MasterVolume(registry) + volumeDrop_, audio::Master);
        SetCursorHidden(registry, true);
    } else {
        window_ = util::GetOrCreateWindow(registry.singletons).window;
        for (auto* list : {&menu.pages, &menu.menuButtons, &menu.exitItems, &menu.optionsItems}) list->clear();
        for (auto* flags : {&menu.pagesHover, &menu.menuButtonsHover, &menu.exitItemsHover, &menu.optionsItemsHover})
            flags->clear();
        // Entities are created below: the menu record is looked up again afterwards.
        singleton::PauseMenu lists;
        Fill(registry, lists.pages, lists.pagesHover, Pages);
        Fill(registry, lists.menuButtons, lists.menuButtonsHover, MenuButtons);
        Fill(registry, lists.exitItems, lists.exitItemsHover, ExitItems);
        Fill(registry, lists.optionsItems, lists.optionsItemsHover, OptionsItems);
        lists.open = true;
        registry.singletons.get<singleton::PauseMenu>() = std::move(lists);
        main_ = true;
        options_ = controls_ = credits_ = exit_ = false;
        nav_.Restart();
        ApplyPauseVisibility(registry, true, false, false, false, false);
        audio::SetGroupVolume(MasterVolume(registry) - volumeDrop_, audio::Master);
        // A level that made no cursor of its own still gets one for its pause menu.
        if (!Cursor().active || Cursor().registry != &registry) CreateCursor(registry);
        SetCursorHidden(registry, false);
    }
    bool& active = physics::Active(registry);
    active = !active;
}

void PauseMenuController::Handlers(Registry& registry, float dt) {
    // Copies: a click may close the menu (and empty the lists) or switch the level.
    const auto menu = registry.singletons.get<singleton::PauseMenu>();
    auto& flags = registry.singletons.get<singleton::PauseMenu>();

    // A page with buttons of its own takes the highlight, as the main menu's panels do; back
    // returns it to the main buttons.
    std::vector<Entity> offered = menu.menuButtons;
    if (exit_) offered = menu.exitItems;
    else if (options_) offered = {At(menu.optionsItems, Window0), At(menu.optionsItems, Window1),
                                  At(menu.optionsItems, Window2), At(menu.optionsItems, Volume)};
    nav_.Update(registry, offered);
    // East is "back" here; Escape closes the whole menu before this runs.
    const bool back = input::EnsureInput(registry).IsPressed(input::PadEast);
    const bool subPage = options_ || controls_ || credits_;
    if (back && subPage) options_ = controls_ = credits_ = false;

    auto run = [&](Entity button, std::vector<bool>& hover, std::size_t i, ButtonLook look, std::string_view log,
                   bool push = true, bool pressed = false) {
        bool flag = i < hover.size() && hover[i];
        const bool clicked = HandleButton(registry, {button, NoEntity, look, log, push, {}, &nav_, pressed}, flag);
        if (i < hover.size()) hover[i] = flag;
        return clicked;
    };
    const auto hideIndicators = [&] {
        SetVisible(registry, At(menu.optionsItems, On), false);
        SetVisible(registry, At(menu.optionsItems, Off), false);
    };

    if (run(At(menu.menuButtons, Resume), flags.menuButtonsHover, Resume, EnlargeLook(1.1f),
            "--------------- PauseMenuResumeGame ---------------", true, back && !subPage && !exit_)) {
        // As closing with Escape: the entities go with the menu instead of lingering hidden.
        Toggle(registry);
        return;
    }
    if (run(At(menu.menuButtons, Options), flags.menuButtonsHover, Options, EnlargeLook(1.1f),
            "--------------- PauseMenuOptionsButton ---------------")) {
        options_ = true;
        controls_ = credits_ = exit_ = false;
    }
    if (run(At(menu.menuButtons, Controls), flags.menuButtonsHover, Controls, EnlargeLook(1.1f),
            "--------------- PauseMenuControlsButton ---------------")) {
        hideIndicators();
        controls_ = true;
        options_ = credits_ = exit_ = false;
    }
    if (run(At(menu.menuButtons, CreditsButton), flags.menuButtonsHover, CreditsButton, EnlargeLook(1.1f),
            "--------------- PauseMenuCredits ---------------")) {
        hideIndicators();
        credits_ = true;
        options_ = controls_ = exit_ = false;
    }
    const Entity creditsPage = At(menu.pages, CreditsPage);
    if (registry.alive(creditsPage) && registry.has<component::Transform>(creditsPage)) {
        auto& transform = registry.get<component::Transform>(creditsPage);
        if (credits_) {
            creditsTime_ += dt;
            if (creditsTime_ > 1.0f) {
                transform.Translation.y += dt * 0.25f;
                transform.Dirty = true;
                if (transform.Translation.y >= CreditsEndY) credits_ = false;
            }
        } else if (transform.Translation.y != CreditsStartY) {
            transform.Translation.y = CreditsStartY;
            transform.Dirty = true;
        }
    }
    if (run(At(menu.menuButtons, Exit), flags.menuButtonsHover, Exit, EnlargeLook(1.1f),
            "--------------- PauseMenuExitGame ---------------")) {
        hideIndicators();
        exit_ = true;
        options_ = controls_ = credits_ = false;
    }

    if (options_) {
        const char* logs[] = {"--------------- Resize Window 1920x1080 ---------------",
                              "--------------- Resize Window FullScreen ---------------",
                              "--------------- Resize Window 1600x900 ---------------"};
        for (int mode = 0; mode < 3; ++mode)
            if (run(At(menu.optionsItems, mode), flags.optionsItemsHover, mode, EnlargeLook(1.1f), logs[mode]))
                ApplyWindowMode(registry, mode);
        const bool off = MasterVolume(registry) <= SoundOffVolume;
        const ButtonRun sound{At(menu.optionsItems, Volume), At(menu.optionsItems, On), {ButtonLook::None, 1.0f},
                              off ? "--------------- Sound on ---------------" : "--------------- Sound Off ---------------",
                              off, [this, off] { audio::SetGroupVolume(off ? -volumeDrop_ : SoundOffVolume - volumeDrop_, audio::Master); },
                              &nav_};
        bool flag = Volume < flags.optionsItemsHover.size() && flags.optionsItemsHover[Volume];
        if (HandleButton(registry, sound, flag)) {
            SetVisible(registry, At(menu.optionsItems, On), off);
            SetVisible(registry, At(menu.optionsItems, Off), !off);
        }
        if (Volume < flags.optionsItemsHover.size()) flags.optionsItemsHover[Volume] = flag;
    }
    if (exit_) {
        if (run(At(menu.exitItems, Yes), flags.exitItemsHover, Yes, EnlargeLook(1.2f),
                "--------------- PauseMenuExitGame(Yes) ---------------", false))
            registry.singletons.mark_present<singleton::Running>().Value = false;
        if (run(At(menu.exitItems, No), flags.exitItemsHover, No, EnlargeLook(1.2f),
                "--------------- PauseMenuExitGame(No) ---------------", true, back))
            exit_ = false;
        if (run(At(menu.exitItems, MainMenuButton), flags.exitItemsHover, MainMenuButton, EnlargeLook(1.2f),
                "--------------- BackToMainMenu ---------------"))
            RequestLevel(registry, LevelIndex::MainMenu);
    }
}

void PauseMenuController::Update(Registry& registry, float dt) {
    if (!Open(registry)) return;
    Handlers(registry, dt);
    if (Open(registry)) ApplyPauseVisibility(registry, main_, options_, controls_, credits_, exit_);
}

void PauseMenuController::Frame(Registry& registry, float dt) {
    const auto& raw = input::GetBackend();
    const bool away = raw.unfocusedOffset || raw.minimisedOffset;
    const bool wentAway = away && !away_;
    away_ = away;
    const bool gamepadLost = gamepadLosses_ != NotSeen && raw.gamepadDisconnects != gamepadLosses_;
    gamepadLosses_ = raw.gamepadDisconnects;
    const auto& table = input::EnsureInput(registry);
    if (table.IsPressed(platform::KeyEscape) || table.IsPressed(input::PadStart)) {
        Toggle(registry);
        // Opened from the gamepad: its buttons drive the menu from the start.
        if (Open(registry) && table.IsPressed(input::PadStart)) MenuNavigator::UseKeys(registry);
    } else if ((wentAway || gamepadLost) && !Open(registry)) {
        Toggle(registry);
    }
    if (Open(registry)) Update(registry, dt);
}

void PauseMenuController::Leave(Registry& registry) {
    if (Open(registry)) Toggle(registry);
    gamepadLosses_ = NotSeen;
    registry.singletons.remove<singleton::PauseMenu>();
}

}  // namespace velkor::levels
