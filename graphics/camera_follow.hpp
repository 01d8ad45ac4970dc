// Moves the camera towards the entity it follows.
#pragma once

#include "engine/system.hpp"
#include "serialization/transform.hpp"

namespace velkor::component {

struct CameraFollow {};

}  // namespace velkor::component

namespace velkor::system {

class CameraFollow final : public System<std::tuple<component::Transform, component::CameraFollow>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;
};

}  // namespace velkor::system
