#include "gameplay/hud.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "engine/trace.hpp"
#include "gameplay/play_state.hpp"
#include "graphics/sprite_sheet.hpp"
#include "platform/window.hpp"
#include "serialization/json_read.hpp"
#include "serialization/prefab.hpp"

namespace velkor::component {

namespace {

constexpr std::array<std::string_view, 10> ElementNames{
    "Invalid",     "TimerBar",          "TimerBG",           "TimerDigit0",     "TimerDigit1",
    "TimerDigit2", "CollectibleDigit0", "CollectibleDigit1", "CollectiblesBar", "TimerFlash"};

}  // namespace

void ReadHUD(HUD& hud, const rapidjson::Value& json) {
    hud.kind = HUDElement::Invalid;
    const auto* type = json::Find(json, "Type");
    if (!type || !type->IsString()) return;
    const std::string_view name(type->GetString(), type->GetStringLength());
    const auto it = std::find(ElementNames.begin(), ElementNames.end(), name);
    if (it != ElementNames.end()) hud.kind = static_cast<HUDElement>(it - ElementNames.begin());
}

}  // namespace velkor::component

namespace velkor::util {

int DigitAt(int number, int place) noexcept {
    if (number < 0) return 0;
    for (int i = 0; i < place; ++i) number /= 10;
    return number % 10;
}

void ShowDigit(Registry& registry, Entity e, int digit) {
    if (!registry.has<component::SpriteSheet>(e)) return;
    auto& sheet = registry.get<component::SpriteSheet>(e);
    sheet.Index = digit;
    sheet.UploadedIndex = -1;
}

void ShowNumber(Registry& registry, std::span<const Entity> digits, int number) {
    for (std::size_t place = 0; place < digits.size(); ++place)
        ShowDigit(registry, digits[place], DigitAt(number, static_cast<int>(place)));
}

void CreateHud(Registry& registry) {
    auto create = [&registry](const char* path) { return CreateEntity(ReadJsonFile(path), registry); };
    const Entity plate = create("Data/Entities/HUD.json");
    const Entity icon = create("Data/TotalCollectibles.json");
    singleton::Level& level = util::EnsureLevel(registry);
    level.levelHud = plate;
    level.collectiblesCounter = icon;
    for (const char* path : {"Data/Entities/HUD/TimerBG.json", "Data/Entities/HUD/TimerBar.json",
                             "Data/Entities/HUD/TimerFlash.json", "Data/Entities/HUD/CollectiblesBar.json",
                             "Data/Entities/TimerDigit.json", "Data/Entities/TimerDigit1.json",
                             "Data/Entities/TimerDigit2.json", "Data/Entities/CollectibleDigit.json",
                             "Data/Entities/CollectibleDigit1.json"})
        create(path);
}

}  // namespace velkor::util

namespace velkor::system {

namespace {

using component::HUDElement;

// Where a digit sits, in widths of one glyph of its sheet (tw / W / 10).
float DigitSlot(HUDElement kind) {
    switch (kind) {
        case HUDElement::TimerDigit0: return -2.45f;
        case HUDElement::TimerDigit1: return -3.15f;
        case HUDElement::TimerDigit2: return -3.85f;
        case HUDElement::CollectibleDigit0: return 3.8f;
        default: return 3.1f;  // CollectibleDigit1
    }
}

}  // namespace

void HUD::InitHook(Registry&) {}

void HUD::UpdateHook(float, View& view) {
    Registry& registry = view.get_registry();
    if (!registry.singletons.has<singleton::Level>()) return;
    const singleton::Level& level = registry.singletons.get<singleton::Level>();
    const singleton::Window window =
        registry.singletons.has<singleton::Window>() ? registry.singletons.get<singleton::Window>() : singleton::Window{};
    const float W = window.width;
    const float H = window.height;

    // A timer past zero (the frame before the lose screen) or a count lowered by a respawn while an
    // increment is still in flight shows as zero, never as a negative glyph or a mirrored bar.
    const int seconds = std::max(0, static_cast<int>(level.timeLeft));
    const int collected = std::max(0, level.collected);
    const float timeShare = level.MaxTime > 0.0f ? std::clamp(level.timeLeft / level.MaxTime, 0.0f, 1.0f) : 0.0f;
    // A level that asks for no collectibles has them all.
    const float allTaken =
        level.CollectiblesRequred > 0 ? static_cast<float>(collected / level.CollectiblesRequred) : 1.0f;

    for (const Entity e : view) {
        auto& graphics = registry.get<component::Graphics>(e);
        graphics.Color = util::HudTint;
        const HUDElement kind = registry.get<component::HUD>(e).kind;
        const auto value = static_cast<std::int32_t>(kind);
        if (value < 1 || value > 9) {
            Trace("Invalid HUDElement value: " + std::to_string(value) + "\n");
            continue;
        }
        const float tw = graphics.Texture ? static_cast<float>(graphics.Texture->width) : 0.0f;
        const float th = graphics.Texture ? static_cast<float>(graphics.Texture->height) : 0.0f;
        auto& transform = registry.get<component::Transform>(e);
        glm::vec2& scale = transform.Scale;
        glm::vec2& position = transform.Translation;
        switch (kind) {
            case HUDElement::TimerBar: {
                // Keeps its left edge and shrinks towards it.
                const float w = timeShare * tw / W;
                scale = {w, th / H};
                position = {0.5f * w - 0.5f * tw / W, 0.9f};
                break;
            }
            case HUDElement::TimerBG:
                scale = {tw / W, th / H};
                position = {0.0f, 0.9f};
                break;
            case HUDElement::CollectiblesBar:
                scale = {allTaken, th / H};
                position = {0.5f * allTaken - 0.5f * tw / W, 1.0f - th / H};
                break;
            case HUDElement::TimerFlash:
                graphics.Renderable = level.timeLeft <= 30.0f && seconds % 2 == 1;
                scale = {tw / W, th / H};
                position = {-0.155f, 0.94f};
                break;
            default: {
                if (level.digitsFrozen) break;
                const bool timer = value <= static_cast<std::int32_t>(HUDElement::TimerDigit2);
                const int place = timer ? value - static_cast<std::int32_t>(HUDElement::TimerDigit0)
                                        : value - static_cast<std::int32_t>(HUDElement::CollectibleDigit0);
                util::ShowDigit(registry, e, util::DigitAt(timer ? seconds : collected, place));
                const float glyph = tw / W / 10.0f;
                scale = {0.5f * glyph, 0.5f * th / H};
                position = {DigitSlot(kind) * glyph, 0.937f};
                break;
            }
        }
        transform.Dirty = true;
    }
}

void HUD::ShutdownHook(Registry&) {}

}  // namespace velkor::system
