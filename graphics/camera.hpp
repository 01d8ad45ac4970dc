// Which rectangle of the world is on screen, the matrices every world-space drawing uses, and the
// CameraFollow component that says which entity the camera chases.
#pragma once

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>
#include <rapidjson/document.h>

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

namespace velkor::component {

struct CameraFollow {
    glm::vec2 Offset{0.0f, 0.0f};  // added to the followed translation
    float LERP = 3.0f;  // share of the remaining distance closed per second of the fixed step
};

void ReadCameraFollow(CameraFollow& follow, const rapidjson::Value& json);

}  // namespace velkor::component

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

// The follow step is fixed, not the frame time: smoothing looks the same at any frame rate the
// capped loop produces, and a stalled frame cannot fling the camera.
inline constexpr float FollowStep = 0.016666668f;

// One pull of the camera towards `target`.
void FollowStepTowards(singleton::Camera& camera, glm::vec2 target, const component::CameraFollow& follow);

}  // namespace velkor::util
