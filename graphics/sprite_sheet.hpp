// Advances sprite-sheet frames.
#pragma once

#include "engine/system.hpp"
#include "graphics/graphics.hpp"
#include "serialization/transform.hpp"

namespace velkor::component {

struct SpriteSheet {};

}  // namespace velkor::component

namespace velkor::system {

class SpriteSheet final : public System<std::tuple<component::SpriteSheet, component::Transform, component::Graphics>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;
};

}  // namespace velkor::system
