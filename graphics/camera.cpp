#include "graphics/camera.hpp"

#include <glm/ext/matrix_transform.hpp>

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

}  // namespace velkor::util
