#include "levels/options_menu.hpp"

#include "audio/audio.hpp"
#include "platform/window.hpp"
#include "levels/level_manager.hpp"

namespace velkor::levels {

namespace {

float MasterVolume(Registry& registry) { return registry.singletons.get<singleton::Audio>().GroupVolume[audio::Master]; }

}  // namespace

void ApplyWindowMode(Registry& registry, int mode) {
    const auto& window = util::GetOrCreateWindow(registry.singletons);
    switch (mode) {
    case 0: util::SetWindowed(window); break;
    case 1:
        util::SetFullScreen(window);
        util::MaximizeWindow(window.window);
        break;
    default: util::SetBorderless(window); break;
    }
}

void OptionsMenu::Initialize(Registry& registry) {
    util::GetOrCreateWindow(registry.singletons);
    CreateFromFile("Data/OptionsMenu.json", registry);
    for (const char* path :
         {"Data/Entities/Buttons/Option/BackToMainButton.json", "Data/Entities/Buttons/Option/VolumeButton.json",
          "Data/Entities/Buttons/Option/On.json", "Data/Entities/Buttons/Option/Off.json",
          "Data/Entities/Buttons/Option/WindowSize0.json", "Data/Entities/Buttons/Option/WindowSize1.json",
          "Data/Entities/Buttons/Option/WindowSize2.json"})
        CreateFromFile(path, registry);
    // Found by name once everything exists; only identifiers are kept.
    buttons_ = {FindButton(registry, "BackToMain"), FindButton(registry, "Volume"), FindButton(registry, "WindowSize0"),
                FindButton(registry, "WindowSize1"), FindButton(registry, "WindowSize2")};
    on_ = FindButton(registry, "On");
    off_ = FindButton(registry, "Off");
    hover_.fill(false);
    nav_.Restart();
    music_.Take(registry);
    CreateCursor(registry);
}

void OptionsMenu::Update(float, Registry& registry) {
    const bool silent = MasterVolume(registry) <= SoundOffVolume;
    SetVisible(registry, silent ? off_ : on_, true);

    nav_.Update(registry, {buttons_.begin(), buttons_.end()});
    auto handle = [&](Slot slot, std::string_view log, ButtonLook look, bool pressed = false) {
        return HandleButton(registry, {buttons_[slot], NoEntity, look, log, true, {}, &nav_, pressed}, hover_[slot]);
    };
    if (handle(Back, "--------------- BackToMainMenu ---------------", EnlargeLook(1.3f), nav_.BackPressed())) {
        music_.Release();
        const auto& state = registry.singletons.get<singleton::GameState>();
        if (state.previousLevel >= 0 && state.previousLevel < LevelIndex::Count) RequestLevel(registry, state.previousLevel);
    }
    // The volume changes before the push sound plays, so that switching the sound on is heard.
    const bool off = MasterVolume(registry) <= SoundOffVolume;
    const ButtonRun volume{buttons_[Volume], on_, {ButtonLook::TextureOnly, 1.0f},
                           off ? "--------------- Sound on ---------------" : "--------------- Sound Off ---------------",
                           off, [off] { audio::SetGroupVolume(off ? 0.0f : SoundOffVolume, audio::Master); }, &nav_};
    if (HandleButton(registry, volume, hover_[Volume])) {
        SetVisible(registry, off_, !off);
        SetVisible(registry, on_, off);
    }
    if (handle(Window0, "--------------- Resize Window 1920x1080 ---------------", EnlargeLook(1.3f)))
        ApplyWindowMode(registry, 0);
    if (handle(Window1, "--------------- Resize Window 1600x900 ---------------", EnlargeLook(1.3f)))
        ApplyWindowMode(registry, 1);
    if (handle(Window2, "--------------- Resize Window 1280x1024 ---------------", EnlargeLook(1.3f)))
        ApplyWindowMode(registry, 2);
}

void OptionsMenu::Shutdown(Registry& registry) {
    music_.Release();
    MenuShutdown(registry);
}

}  // namespace velkor::levels
