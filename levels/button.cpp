#include "levels/button.hpp"

#include <algorithm>
#include <iostream>
#include <vector>

#include "audio/audio.hpp"
#include "engine/trace.hpp"
#include "gameplay/input.hpp"
#include "graphics/components.hpp"
#include "levels/cursor.hpp"
#include "levels/menu_navigation.hpp"
#include "platform/input_source.hpp"
#include "platform/window.hpp"
#include "serialization/content_rules.hpp"
#include "serialization/json_read.hpp"
#include "serialization/prefab.hpp"
#include "serialization/transform.hpp"

namespace velkor::component {

void ReadButton(Entity e, Registry& registry, const rapidjson::Value& json) {
    std::string alter;
    const bool hasAlter = json::ReadString(json, "AlterTexture", alter);
    // The texture cache may create its singleton: look the component up only afterwards.
    const util::TextureEntry* alterTexture = hasAlter ? util::GetTexture(registry.singletons, alter) : nullptr;
    Button& button = registry.get_or_add<Button>(e);
    json::ReadString(json, "Name", button.Name);
    json::ReadVec2(json, "Size", button.Size);
    if (hasAlter) button.AlterTexture = alterTexture;
}

void CheckButton(ContentReport& report, const rapidjson::Value& json, const rapidjson::Value& prefab, const std::string& pointer) {
    if (const auto* alter = json::Find(json, "AlterTexture"); alter && alter->IsString())
        report.NeedFile(JoinPointer(pointer, "AlterTexture"), alter->GetString(), ContentForm::Plain, "texture");
    const auto* audio = json::Find(prefab, "Audio");
    if (!audio) return;
    std::vector<std::string_view> names;
    if (const auto* files = json::Find(*audio, "Files"); files && files->IsArray())
        for (const auto& entry : files->GetArray())
            if (const auto* name = json::Find(entry, "Name"), *path = json::Find(entry, "Filepath");
                name && name->IsString() && path && path->IsString())
                names.emplace_back(name->GetString(), name->GetStringLength());
    const std::string audioAt = JoinPointer(pointer.substr(0, pointer.rfind('/')), "Audio");
    for (const std::string_view sound : {PushSound, HoverSound})
        if (std::find(names.begin(), names.end(), sound) == names.end())
            report.Fault(audioAt, "no sound named \"" + std::string(sound) + "\", which the game plays");
}

}  // namespace velkor::component

namespace velkor::levels {

Entity FindButton(Registry& registry, std::string_view name) {
    auto& buttons = registry.pool<component::Button>();
    const auto& owners = buttons.entities();
    for (std::size_t i = 0; i < owners.size(); ++i)
        if (buttons.components()[i].Name == name) return owners[i];
    return NoEntity;
}

Entity CreateFromFile(const char* path, Registry& registry) {
    const Entity e = CreateEntity(ReadJsonFile(path), registry);
    if (e == NoEntity || !registry.alive(e) || !registry.has<component::Button>(e)) return e;
    auto& button = registry.get<component::Button>(e);
    if (registry.has<component::Graphics>(e)) button.NormalTexture = registry.get<component::Graphics>(e).Texture;
    // A button without a size would shrink to nothing on the first frame the pointer is away.
    if (button.Size == glm::vec2(0.0f) && registry.has<component::Transform>(e))
        button.Size = registry.get<component::Transform>(e).Scale;
    return e;
}

glm::vec2 PointerNdc(Registry& registry) {
    const CursorState& cursor = Cursor();
    double x = cursor.x, y = cursor.y;
    int w = cursor.width, h = cursor.height;
    auto& singletons = registry.singletons;
    if (singletons.has<singleton::Window>()) {
        if (GLFWwindow* window = singletons.get<singleton::Window>().window) {
            // Through the input source, so that a recording keeps what the buttons saw.
            const glm::dvec2 pointer = input::CursorPosition(window);
            const glm::ivec2 size = input::WindowSize(window);
            x = pointer.x, y = pointer.y, w = size.x, h = size.y;
        }
    }
    if (w <= 0 || h <= 0) return {-2.0f, -2.0f};  // minimised: over nothing
    return {static_cast<float>(x / (w * 0.5) - 1.0), static_cast<float>(1.0 - y / (h * 0.5))};
}

bool PointerOver(glm::vec2 p, glm::vec2 t, glm::vec2 s) {
    return t.x - s.x * 0.5f <= p.x && p.x <= t.x + s.x * 0.5f && t.y - s.y * 0.25f <= p.y && p.y <= t.y + s.y * 0.25f;
}

namespace {

void ApplyLook(Registry& registry, Entity e, ButtonLook look, bool over) {
    if (look.kind == ButtonLook::None || !registry.alive(e) || !registry.has<component::Button>(e) ||
        !registry.has<component::Transform>(e))
        return;
    const auto& button = registry.get<component::Button>(e);
    auto& transform = registry.get<component::Transform>(e);
    if ((look.kind == ButtonLook::Swap || look.kind == ButtonLook::TextureOnly) &&
        registry.has<component::Graphics>(e)) {
        const util::TextureEntry* texture = over ? button.AlterTexture : button.NormalTexture;
        if (texture) registry.get<component::Graphics>(e).Texture = texture;
    }
    glm::vec2 scale = transform.Scale;
    if (look.kind == ButtonLook::Swap) scale = button.Size;
    if (look.kind == ButtonLook::Enlarge) scale = over ? button.Size * look.factor : button.Size;
    if (over || scale != transform.Scale) {
        transform.Scale = scale;
        transform.Dirty = true;
    }
}

}  // namespace

void PlayEntitySound(Registry& registry, Entity e, std::string_view name) {
    const component::Audio* sounds =
        registry.alive(e) && registry.has<component::Audio>(e) ? &registry.get<component::Audio>(e) : nullptr;
    const int entry = audio::FindSound(sounds, name);  // the sound's index, -1 if none
    Trace("Menu sound " + std::string(name) + "\n");
    audio::PlaySound(entry, 1.0f, 0.0f, audio::SFX);
}

bool HandleButton(Registry& registry, const ButtonRun& run, bool& hover) {
    const Entity area = run.hitArea == NoEntity ? run.button : run.hitArea;
    if (!registry.alive(area) || !registry.has<component::Transform>(area)) return false;
    bool over = false;
    // A button with no hover look of its own still has to show that it is highlighted, and to
    // return to its size once the pointer is back in use.
    ButtonLook look = run.look;
    if (run.nav && look.kind == ButtonLook::None) look = EnlargeLook(run.nav->KeysInUse() ? 1.1f : 1.0f);
    if (run.nav && run.nav->KeysInUse()) {
        over = run.nav->Highlighted(run.button);  // the pointer is not asked: it is not in use
    } else {
        const auto& t = registry.get<component::Transform>(area);
        over = PointerOver(PointerNdc(registry), t.Translation, t.Scale);
    }
    if (!over && !run.pressed) {
        ApplyLook(registry, run.button, look, false);
        hover = false;
        return false;
    }
    ApplyLook(registry, run.button, look, over);
    const bool activated = run.nav && run.nav->KeysInUse() ? run.nav->Activated()
                                                            : input::EnsureInput(registry).IsPressed(input::MouseLeft);
    bool clicked = false;
    if (run.pressed || activated) {
        std::cout << run.log << std::endl;
        if (run.beforePush) run.beforePush();
        if (run.push) PlayEntitySound(registry, run.button, component::PushSound);
        clicked = true;
    } else if (!hover) {
        PlayEntitySound(registry, run.button, component::HoverSound);
    }
    hover = over;
    return clicked;
}

void SetVisible(Registry& registry, Entity e, bool visible) {
    if (registry.alive(e) && registry.has<component::Graphics>(e)) registry.get<component::Graphics>(e).Renderable = visible;
}

bool IsVisible(Registry& registry, Entity e) {
    return registry.alive(e) && registry.has<component::Graphics>(e) && registry.get<component::Graphics>(e).Renderable;
}

}  // namespace velkor::levels
