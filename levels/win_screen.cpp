#include "levels/win_screen.hpp"

#include <algorithm>
#include <cmath>

#include "audio/audio.hpp"
#include "graphics/components.hpp"
#include "graphics/sprite_sheet.hpp"
#include "levels/level_manager.hpp"
#include "levels/level_state.hpp"
#include "platform/window.hpp"

namespace velkor::levels {

namespace {

constexpr const char* VictoryPath = "Assets/SFX/Victory.mp3";
constexpr std::array<const char*, 5> DigitPrefabs{
    "Data/Entities/TimerDigit.json", "Data/Entities/TimerDigit1.json", "Data/Entities/TimerDigit2.json",
    "Data/Entities/CollectibleDigit.json", "Data/Entities/CollectibleDigit1.json"};
constexpr glm::vec4 DigitColor{0.976f, 0.529f, 1.0f, 1.0f};

}  // namespace

std::array<WinDigit, 5> WinDigits(float maxTime, float timeLeft, int collected) {
    // Whole seconds on both sides, so that 245.7 s left of 360 reads 115, as the timer showed 245.
    const int taken = std::clamp(static_cast<int>(std::lround(maxTime)) - static_cast<int>(timeLeft), 0, 999);
    const int c = std::clamp(collected, 0, 99);
    constexpr float TimeY = -0.19f, CountY = -0.05f;
    return {{{taken % 10, 2.0f, TimeY},
             {taken / 10 % 10, 1.0f, TimeY},
             {taken / 100 % 10, 0.0f, TimeY},
             {c % 10, 1.0f, CountY},
             {c / 10 % 10, 0.0f, CountY}}};
}

int StarsStopFrame(int collected) {
    if (collected <= 6) return 5;
    if (collected <= 12) return 10;
    if (collected == 13) return 15;
    return -1;
}

void WinScreen::Initialize(Registry& registry) {
    CreateCursor(registry);
    SetCursorHidden(registry, false);
    nav_.Restart();
    FreezeFinishedLevel(registry);
    auto& level = EnsureLevel(registry);
    level.digitsFrozen = !level.digitsFrozen;
    const bool secondLevel = level.secondLevel;
    background_ = CreateFromFile("Data/WinScreen.json", registry);
    stars_ = CreateFromFile("Data/WinScreenStars.json", registry);
    for (const char* path : {"Data/Entities/Buttons/WinScreen/MainMenuButton.json",
                             "Data/Entities/Buttons/WinScreen/PlayAgainButton.json",
                             "Data/Entities/Buttons/WinScreen/CreditsButton.json",
                             "Data/Entities/Buttons/WinScreen/NextLevelButton.json"})
        CreateFromFile(path, registry);
    for (std::size_t i = 0; i < digits_.size(); ++i) digits_[i] = CreateFromFile(DigitPrefabs[i], registry);
    buttons_ = {FindButton(registry, "WinScreenMainMenu"), FindButton(registry, "WinScreenPlayAgain"),
                FindButton(registry, "WinScreenCredits"), FindButton(registry, "WinScreenNextLevel")};
    SetVisible(registry, buttons_[NextLevel], !secondLevel);
    hover_.fill(false);
    if (victory_ >= 0) audio::UnrequestSound(victory_);
    victory_ = audio::RequestSound(VictoryPath, false, false);
    audio::PlaySound(victory_, 1.0f, 0.0f, audio::Music);
}

void WinScreen::PlaceDigits(Registry& registry) {
    const auto& level = registry.singletons.get<singleton::Level>();
    const auto figures = WinDigits(level.MaxTime, level.timeLeft, level.collected);
    const auto& window = registry.singletons.get<singleton::Window>();
    for (std::size_t i = 0; i < digits_.size(); ++i) {
        const Entity e = digits_[i];
        if (!registry.alive(e) || !registry.has<component::Graphics>(e) || !registry.has<component::Transform>(e))
            continue;
        auto& graphics = registry.get<component::Graphics>(e);
        graphics.Color = DigitColor;
        const float w = graphics.Texture ? static_cast<float>(graphics.Texture->width) : 0.0f;
        const float h = graphics.Texture ? static_cast<float>(graphics.Texture->height) : 0.0f;
        if (registry.has<component::SpriteSheet>(e)) {
            auto& sheet = registry.get<component::SpriteSheet>(e);
            sheet.Index = figures[i].value;
            sheet.UploadedIndex = -1;
        }
        auto& transform = registry.get<component::Transform>(e);
        transform.Scale = {w / window.width / 10.0f, h / window.height};
        transform.Translation = {figures[i].offsetCells * w / window.width / 10.0f, figures[i].y};
        transform.Dirty = true;
    }
}

void WinScreen::Update(float dt, Registry& registry) {
    if (registry.alive(background_) && registry.has<component::Graphics>(background_)) {
        float& alpha = registry.get<component::Graphics>(background_).Color.a;
        if (alpha <= 1.0f) alpha += dt;
    }
    const int stop = StarsStopFrame(EnsureLevel(registry).collected);
    if (stop >= 0 && registry.alive(stars_) && registry.has<component::SpriteSheet>(stars_)) {
        auto& sheet = registry.get<component::SpriteSheet>(stars_);
        // A slow frame may step past the cell: stop there all the same.
        if (sheet.PlayAnim && sheet.Index >= stop) {
            sheet.PlayAnim = false;
            if (sheet.Index != stop) sheet.Index = stop, sheet.UploadedIndex = -1;
        }
    }
    PlaceDigits(registry);

    std::vector<Entity> offered{buttons_[MainMenuButton], buttons_[PlayAgain], buttons_[CreditsButton]};
    if (IsVisible(registry, buttons_[NextLevel])) offered.push_back(buttons_[NextLevel]);
    nav_.Update(registry, offered);
    auto handle = [&](Slot slot, std::string_view log) {
        return HandleButton(registry,
                            {buttons_[slot], NoEntity, EnlargeLook(1.1f), log, true, [] { audio::StopGroup(audio::Master); },
                             &nav_},
                            hover_[slot]);
    };
    if (handle(MainMenuButton, "---------------  WinScreenMainMenu ---------------")) RequestLevel(registry, LevelIndex::MainMenu);
    if (handle(PlayAgain, "---------------  WinScreenPlayAgain ---------------"))
        RequestLevel(registry, LevelIndex::LoadingScreen);
    if (handle(CreditsButton, "---------------  WinScreenCredits ---------------")) RequestLevel(registry, LevelIndex::Credits);
    if (IsVisible(registry, buttons_[NextLevel]) && handle(NextLevel, "---------------  WinScreenNextLevel ---------------")) {
        auto& level = EnsureLevel(registry);
        level.secondLevel = !level.secondLevel;
        RequestLevel(registry, LevelIndex::LoadingScreen);
    }
}

void WinScreen::Shutdown(Registry& registry) {
    if (victory_ >= 0) audio::UnrequestSound(victory_);
    victory_ = -1;
    MenuShutdown(registry);
}

}  // namespace velkor::levels
