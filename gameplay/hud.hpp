// The HUD: the level timer and the collectible count, drawn as ordinary screen-fixed entities.
//
// Each element names its kind in a HUD component; every frame the system sizes and places it from
// its texture's pixel size and the window's size and feeds it the Level singleton's values: a
// timer bar that shrinks to the right, its background, three timer digits and two collectible
// digits cut from a ten-glyph digit sheet, a bar for the collectibles and a warning light that
// blinks once per second in the last 30 seconds.
#pragma once

#include <cstdint>
#include <span>

#include <glm/vec4.hpp>
#include <rapidjson/document.h>

#include "engine/system.hpp"
#include "graphics/components.hpp"
#include "serialization/transform.hpp"

namespace velkor::component {

enum class HUDElement : std::int32_t {
    Invalid = 0,
    TimerBar = 1,
    TimerBG = 2,
    TimerDigit0 = 3,  // units of the remaining seconds
    TimerDigit1 = 4,  // tens
    TimerDigit2 = 5,  // hundreds
    CollectibleDigit0 = 6,  // units of the collected count
    CollectibleDigit1 = 7,  // tens
    CollectiblesBar = 8,
    TimerFlash = 9,
};

struct HUD {
    HUDElement kind = HUDElement::Invalid;
};

// "Type": one of the kinds' names, compared exactly; anything else (or no key) is "Invalid".
void ReadHUD(HUD& hud, const rapidjson::Value& json);

}  // namespace velkor::component

namespace velkor::util {

// The neon tint every HUD element is drawn with.
inline constexpr glm::vec4 HudTint{0.976f, 0.529f, 1.0f, 1.0f};

// The digit of `number` at `place` (0 units, 1 tens, ...); negative numbers show as 0.
[[nodiscard]] int DigitAt(int number, int place) noexcept;

// Shows one glyph of a digit sheet on entity e: sets the sprite-sheet frame and makes the sheet
// upload it again. Does nothing to an entity without a SpriteSheet.
void ShowDigit(Registry& registry, Entity e, int digit);

// Shows `number` on digit entities given units first (digits[0] units, digits[1] tens, ...).
void ShowNumber(Registry& registry, std::span<const Entity> digits, int number);

// A whole HUD for a level without a map: the plate ("Data/Entities/HUD.json", kept as the Level
// singleton's levelHud), the counter's icon ("Data/TotalCollectibles.json", its
// collectiblesCounter), and every element: timer bar and background, warning light, collectibles
// line, three timer and two collectible digits. Maps place the elements themselves.
void CreateHud(Registry& registry);

}  // namespace velkor::util

namespace velkor::system {

class HUD final : public System<std::tuple<component::HUD, component::Transform, component::Graphics>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;
};

}  // namespace velkor::system
