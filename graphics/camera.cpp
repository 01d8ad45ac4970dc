#include "graphics/camera.hpp"

#include <glm/ext/matrix_transform.hpp>

#include "serialization/json_read.hpp"

namespace velkor::component {

void ReadCameraFollow(CameraFollow& follow, const rapidjson::Value& json) {
    json::ReadVec2(json, "Offset", follow.Offset);
    json::ReadFloat(json, "LERP", follow.LERP);
}

}  // namespace velkor::component

namespace velkor::util {

singleton::Camera& GetOrCreateCamera(entity::singleton_registry& singletons) {
    return singletons.get<singleton::Camera>();
}

singleton::Camera& CreateCamera(entity::singleton_registry& singletons) {
    if (singletons.has<singleton::Camera>()) return singletons.get<singleton::Camera>();
    return singletons.set(singleton::Camera{{0.0f, 0.0f}, 0.0f, StartViewWidth, StartViewHeight, {0.0f, 0.0f}, 0.0f, 1.0f});
}

glm::mat4 ViewMatrix(const singleton::Camera& camera) {
    const glm::mat4 rotation = glm::rotate(glm::mat4(1.0f), -camera.Rotation * 0.017453292f, glm::vec3(0.0f, 0.0f, 1.0f));
    return glm::translate(rotation, glm::vec3(-camera.Position, 0.0f));
}

glm::mat4 ProjectionMatrix(const singleton::Camera& camera) {
    return glm::scale(glm::mat4(1.0f), glm::vec3(2.0f / camera.ViewWidth, 2.0f / camera.ViewHeight, 1.0f));
}

void FollowStepTowards(singleton::Camera& camera, glm::vec2 target, const component::CameraFollow& follow) {
    camera.Offset = follow.Offset;
    camera.LERP = follow.LERP;
    const float k = camera.LERP * FollowStep;
    camera.Position.x += (target.x + camera.Offset.x - camera.Position.x) * k;
    camera.Position.y += (target.y + camera.Offset.y - camera.Position.y) * k;
    camera.Rotation *= k;
}

}  // namespace velkor::util
