// Scrolls background textures with the camera so that far layers move slower.
#pragma once

#include <glm/vec2.hpp>
#include <rapidjson/document.h>

#include "engine/system.hpp"
#include "graphics/components.hpp"

namespace velkor::component {

struct Parallax {
    glm::vec2 InverseRatio{1.0f, 1.0f};  // camera travel per texture scroll unit; 0 pins the axis
    glm::vec2 PositionOffset{0.0f, 0.0f};  // camera position at which the texture is unscrolled
    glm::vec2 Size{1.0f, 1.0f};
};

void ReadParallax(Parallax& parallax, const rapidjson::Value& json);

}  // namespace velkor::component

namespace velkor::util {

[[nodiscard]] glm::vec2 ParallaxOffset(const component::Parallax& parallax, glm::vec2 cameraPosition);

}  // namespace velkor::util

namespace velkor::system {

class Parallax final : public System<std::tuple<component::Parallax, component::Graphics>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;
};

}  // namespace velkor::system
