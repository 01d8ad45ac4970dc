// Moves the camera towards the entity it follows and lets screen shake die away.
#pragma once

#include <glm/vec2.hpp>
#include <rapidjson/document.h>

#include "engine/system.hpp"
#include "graphics/camera.hpp"
#include "serialization/transform.hpp"

struct GLFWwindow;

namespace velkor::component {

struct CameraFollow {
    glm::vec2 Offset{0.0f, 0.0f};  // added to the followed translation
    float LERP = 3.0f;  // share of the remaining distance closed per second of the fixed step
};

void ReadCameraFollow(CameraFollow& follow, const rapidjson::Value& json);

}  // namespace velkor::component

namespace velkor::util {

// The follow step is fixed, not the frame time: smoothing looks the same at any frame rate the
// capped loop produces, and a stalled frame cannot fling the camera.
inline constexpr float FollowStep = 0.016666668f;

// One pull of the camera towards `target`.
void FollowStepTowards(singleton::Camera& camera, glm::vec2 target, const component::CameraFollow& follow);

}  // namespace velkor::util

namespace velkor::system {

class CameraFollow final : public System<std::tuple<component::Transform, component::CameraFollow>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;

private:
    GLFWwindow* window_ = nullptr;
};

}  // namespace velkor::system
