#include "serialization/catalogue.hpp"

#include "animation/animation.hpp"
#include "audio/audio.hpp"
#include "gameplay/collision.hpp"
#include "gameplay/hud.hpp"
#include "gameplay/input.hpp"
#include "gameplay/keyboard_input.hpp"
#include "gameplay/on_off_hazard.hpp"
#include "gameplay/physics.hpp"
#include "gameplay/player_behavior.hpp"
#include "graphics/camera_follow.hpp"
#include "graphics/graphics.hpp"
#include "graphics/parallax.hpp"
#include "graphics/particles.hpp"
#include "graphics/sprite_sheet.hpp"
#include "levels/button.hpp"
#include "serialization/transform.hpp"

namespace velkor {

namespace {

ComponentCatalogue& MutableCatalogue() {
    static ComponentCatalogue catalogue;
    return catalogue;
}

template <class T>
void Register(const char* name, ComponentReader reader) {
    auto& catalogue = MutableCatalogue();
    const std::size_t index = entity::ComponentIndex<T>();
    catalogue.names.at(index) = name;
    catalogue.index.emplace(name, static_cast<int>(index));
    catalogue.readers.at(index) = reader;
}

}  // namespace

void FillComponentCatalogue() {
    static bool filled = false;
    if (filled) return;
    filled = true;
    using namespace component;
    // The order of this table is the order of the component type indices.
    Register<Animation>("Animation", nullptr);
    Register<Audio>("Audio", &ReadAudioComponent);
    Register<Button>("Button", &ReadButton);
    Register<CameraFollow>("CameraFollow", &ReadComponent<CameraFollow, &ReadCameraFollow>);
    Register<Collision>("Collision", nullptr);
    Register<Graphics>("Graphics", &ReadGraphics);
    Register<Light>("Light", &ReadComponent<Light, &ReadLight>);
    Register<SpriteSheet>("SpriteSheet", &ReadComponent<SpriteSheet, &ReadSpriteSheet>);
    Register<HUD>("HUD", nullptr);
    Register<Input>("Input", nullptr);  // added by the KeyboardInput listener, never read from data
    Register<KeyboardInput>("KeyboardInput", &ReadComponent<KeyboardInput, &ReadKeyboardInput>);
    Register<OnOffHazard>("OnOffHazard", nullptr);
    Register<Parallax>("Parallax", &ReadComponent<Parallax, &ReadParallax>);
    Register<Particles>("Particles", &ReadComponent<Particles, &ReadParticles>);
    Register<Physics>("Physics", &ReadComponent<Physics, &ReadPhysics>);
    Register<PlayerBehavior>("PlayerBehavior", nullptr);
    Register<Transform>("Transform", &ReadComponent<Transform, &ReadTransform>);
}

const ComponentCatalogue& Catalogue() { return MutableCatalogue(); }

std::optional<int> FindComponent(std::string_view name) { return FindComponent(Catalogue(), name); }

std::optional<int> FindComponent(const ComponentCatalogue& catalogue, std::string_view name) {
    const auto& index = catalogue.index;
    auto it = index.find(name);
    if (it == index.end()) return std::nullopt;
    return it->second;
}

}  // namespace velkor
