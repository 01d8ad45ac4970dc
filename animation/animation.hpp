// Advances skeletal animations and turns poses into meshes.
#pragma once

#include "engine/system.hpp"
#include "graphics/graphics.hpp"
#include "serialization/transform.hpp"

namespace velkor::component {

struct Animation {};

}  // namespace velkor::component

namespace velkor::system {

class Animation final : public System<std::tuple<component::Animation, component::Transform, component::Graphics>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;
};

}  // namespace velkor::system
