#include "graphics/parallax.hpp"

#include "graphics/camera.hpp"
#include "serialization/json_read.hpp"

namespace velkor::component {

void ReadParallax(Parallax& parallax, const rapidjson::Value& json) {
    json::ReadVec2(json, "InverseRatio", parallax.InverseRatio);
    json::ReadVec2(json, "PositionOffset", parallax.PositionOffset);
    json::ReadVec2(json, "Size", parallax.Size);
}

}  // namespace velkor::component

namespace velkor::util {

glm::vec2 ParallaxOffset(const component::Parallax& parallax, glm::vec2 cameraPosition) {
    const glm::vec2 travel = cameraPosition - parallax.PositionOffset;
    const float u = parallax.InverseRatio.x != 0.0f ? travel.x / parallax.InverseRatio.x : 0.0f;
    const float v = parallax.InverseRatio.y != 0.0f ? travel.y / parallax.InverseRatio.y : 0.0f;
    return {u * parallax.Size.x, v * parallax.Size.y};
}

}  // namespace velkor::util

namespace velkor::system {

void Parallax::InitHook(Registry& registry) { util::CreateCamera(registry.singletons); }

void Parallax::UpdateHook(float, View& view) {
    Registry& registry = view.get_registry();
    const glm::vec2 camera = registry.singletons.get<singleton::Camera>().Position;
    view.each([camera](Entity, const component::Parallax& parallax, component::Graphics& graphics) {
        graphics.TextureOffset = util::ParallaxOffset(parallax, camera);
    });
}

void Parallax::ShutdownHook(Registry& registry) { registry.singletons.remove<singleton::Camera>(); }

}  // namespace velkor::system
