// Menu buttons: the Button component, finding buttons by name and the per-frame button handler
// that every menu screen (and the pause menu) runs once per button.
//
// Menu entities live in normalised device coordinates (-1..1, y up) and are drawn screen-fixed, so
// the pointer's normalised position is compared with the button transforms directly. Only the
// middle half of a button's drawn height reacts, which leaves room between stacked buttons.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <glm/vec2.hpp>
#include <rapidjson/document.h>

#include "engine/registry.hpp"
#include "graphics/texture.hpp"

namespace velkor {
class ContentReport;
}

namespace velkor::component {

struct Button {
    std::string Name;  // how screens find the button
    const util::TextureEntry* NormalTexture = nullptr;  // the Graphics texture at screen start
    const util::TextureEntry* AlterTexture = nullptr;  // shown while the pointer is over the button
    glm::vec2 Size{0.0f, 0.0f};  // the normal transform scale
};

// "Name" (a string), "Size" (an array of two numbers), "AlterTexture" (an image path), each read
// only when it has that shape.
void ReadButton(Entity e, Registry& registry, const rapidjson::Value& json);

// The sounds a button plays from its entity's Audio list: pushed, and first hovered.
inline constexpr std::string_view PushSound = "ButtonPush";
inline constexpr std::string_view HoverSound = "ButtonHover";

// The reader's rules for the content checker: the hover texture exists, and the entity's Audio
// list, when it has one, names both button sounds.
void CheckButton(ContentReport& report, const rapidjson::Value& json, const rapidjson::Value& prefab, const std::string& pointer);

}  // namespace velkor::component

namespace velkor::levels {

class MenuNavigator;

// The first entity whose Button is named `name`, or NoEntity.
[[nodiscard]] Entity FindButton(Registry& registry, std::string_view name);

// Creates an entity from a prefab file. For a button, the Graphics texture it starts with becomes
// its normal texture, and a button whose data gives no Size keeps its drawn scale as its size.
Entity CreateFromFile(const char* path, Registry& registry);

// How a button answers the pointer.
struct ButtonLook {
    enum Kind {
        Swap,  // over: the alternate texture at the normal size; away: the normal texture
        Enlarge,  // over: Size times factor; away: Size
        TextureOnly,  // the texture swaps, the scale is left alone
        None,
    };
    Kind kind = Swap;
    float factor = 1.0f;
};

inline constexpr ButtonLook SwapLook{ButtonLook::Swap, 1.0f};
[[nodiscard]] constexpr ButtonLook EnlargeLook(float factor) { return {ButtonLook::Enlarge, factor}; }

// The pointer in normalised device coordinates of the game window (or of the windowless pointer
// that tools and tests set, see levels/cursor.hpp).
[[nodiscard]] glm::vec2 PointerNdc(Registry& registry);

// Inclusive hit test: the full width, the middle half of the height.
[[nodiscard]] bool PointerOver(glm::vec2 ndc, glm::vec2 translation, glm::vec2 scale);

// One handler run for one button: `button` gets the look and plays the sounds, `hitArea` is the
// entity whose transform is tested (usually the button itself). Returns true when the button was
// clicked this frame; the caller then carries out the action. On a click the log line goes to
// standard output, `beforePush` runs, then "ButtonPush" plays unless `push` is false; otherwise
// the first frame over the button plays "ButtonHover". `hover` is the handler's own flag.
// While `nav` has the keys in use, "over" means highlighted and a click is its activation;
// `pressed` clicks the button whatever the pointer or the highlight (a screen's back key).
struct ButtonRun {
    Entity button = NoEntity;
    Entity hitArea = NoEntity;  // NoEntity: the button itself
    ButtonLook look = SwapLook;
    std::string_view log;
    bool push = true;
    std::function<void()> beforePush;
    const MenuNavigator* nav = nullptr;
    bool pressed = false;
};
bool HandleButton(Registry& registry, const ButtonRun& run, bool& hover);

// Plays one of the entity's named sounds at volume 1 in the SFX group. A missing sound is the
// audio layer's to report.
void PlayEntitySound(Registry& registry, Entity e, std::string_view name);

// The entity's Graphics Renderable flag; harmless for an entity without one.
void SetVisible(Registry& registry, Entity e, bool visible);
[[nodiscard]] bool IsVisible(Registry& registry, Entity e);

}  // namespace velkor::levels
