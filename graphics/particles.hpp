// Emits particles and rebuilds their meshes.
#pragma once

#include "engine/system.hpp"
#include "graphics/graphics.hpp"
#include "serialization/transform.hpp"

namespace velkor::component {

struct Particles {};

}  // namespace velkor::component

namespace velkor::system {

class Particles final : public System<std::tuple<component::Particles, component::Transform, component::Graphics>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;
};

}  // namespace velkor::system
