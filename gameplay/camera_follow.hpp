// The CameraFollow system: moves the camera towards the entity it follows and lets screen shake die
// away. Its start seeds the C generator from the input source (clock or recording), so it lives
// with the input rather than with the camera it moves.
#pragma once

#include "engine/system.hpp"
#include "graphics/camera.hpp"
#include "serialization/transform.hpp"

namespace velkor::system {

class CameraFollow final : public System<std::tuple<component::Transform, component::CameraFollow>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;

};

}  // namespace velkor::system
