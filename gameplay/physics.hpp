// Integrates velocities and accelerations into positions.
#pragma once

#include "engine/system.hpp"
#include "serialization/transform.hpp"

namespace velkor::component {

struct Physics {};

}  // namespace velkor::component

namespace velkor::system {

class Physics final : public System<std::tuple<component::Physics, component::Transform>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;
};

}  // namespace velkor::system
