// Which rectangle of the world is on screen, and the matrices every world-space drawing uses.
#pragma once

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>

#include "engine/registry.hpp"

namespace velkor::singleton {

struct Camera {
    glm::vec2 Position{0.0f, 0.0f};  // world point at the centre of the screen
    float Rotation = 0.0f;  // degrees; screen shake, normally 0
    float ViewWidth = 0.0f;  // world units across the viewport
    float ViewHeight = 0.0f;
    glm::vec2 Offset{0.0f, 0.0f};  // copied from the followed entity's CameraFollow
    float LERP = 0.0f;
    float ZValue = 1.0f;  // zoom the view size was last computed from
};

}  // namespace velkor::singleton

namespace velkor::util {

// 1920 x 1080 pixels at 100 pixels per unit, times the start zoom 1.1.
inline constexpr float StartViewWidth = 21.12f;
inline constexpr float StartViewHeight = 11.88f;

// The camera, default-constructed (all zero, ZValue 1) if absent.
singleton::Camera& GetOrCreateCamera(entity::singleton_registry& singletons);

// The camera, created with the start values if absent; marks it present.
singleton::Camera& CreateCamera(entity::singleton_registry& singletons);

// V = R(-Rotation) * T(-Position): the camera position lands at the origin.
[[nodiscard]] glm::mat4 ViewMatrix(const singleton::Camera& camera);

// P = scale(2 / ViewWidth, 2 / ViewHeight, 1): the view size fills the viewport, whatever its aspect.
[[nodiscard]] glm::mat4 ProjectionMatrix(const singleton::Camera& camera);

}  // namespace velkor::util
