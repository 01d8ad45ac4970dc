// The Graphics and Light components and their readers.
//
// GL objects: a component's mesh and solid-colour texture belong to it and are deleted when the
// component is removed (entity destroyed, registry cleared), so level loads do not leak them.
// Copying a Graphics component copies the names, not the objects: never keep two alive.
#pragma once

#include <array>
#include <cstdint>

#include <glm/vec2.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>
#include <rapidjson/document.h>

#include "engine/registry.hpp"
#include "graphics/layers.hpp"
#include "graphics/mesh.hpp"
#include "graphics/texture.hpp"

namespace velkor {
class ContentReport;
}

namespace velkor::component {

struct Graphics {
    util::Graphics::Mesh Mesh{};
    bool Locked = false;  // screen-fixed: clip space, never culled, never lit
    bool Renderable = true;
    bool DoLight = true;
    const util::TextureEntry* Texture = nullptr;  // null: solid colour
    glm::vec2 TextureOffset{0.0f, 0.0f};  // added to every texture coordinate (sprite-sheet cell)
    unsigned SolidColorTexture = 0;
    std::array<std::uint8_t, 4> SolidColor{0, 0, 0, 0};
    glm::vec4 Color{1.0f, 1.0f, 1.0f, 1.0f};  // tint
    int Layer = singleton::DefaultLayer;
};

struct Light {
    float InnerRadius = 0.0f;
    float OuterRadius = 0.0f;  // also the reach used to decide whether the light is sent at all
    float Strength = 0.0f;
    glm::vec3 Color{0.0f, 0.0f, 0.0f};
    bool IsSpotlight = false;
    float MinAngle = 0.0f;  // degrees, counter-clockwise from +x
    float MaxAngle = 0.0f;
    bool Enabled = true;
};

// Needs the registry: textures come from the cache and a "Layer" moves the entity between layers.
void ReadGraphics(Entity e, Registry& registry, const rapidjson::Value& json);

void ReadLight(Light& light, const rapidjson::Value& json);

// The reader's rules for the content checker: the texture file exists, the layer name is known.
void CheckGraphics(ContentReport& report, const rapidjson::Value& json, const rapidjson::Value& prefab, const std::string& pointer);

// Deletes the component's mesh (unless shared) and solid-colour texture.
void ReleaseGraphicsObjects(Graphics& g);

}  // namespace velkor::component
