#include "serialization/transform.hpp"

#include <glm/ext/matrix_transform.hpp>

#include "serialization/json_read.hpp"

namespace velkor::component {

const glm::mat4& Transform::GetMatrix() {
    if (!Dirty) return Matrix;
    const float radians = Rotation * 0.017453292f;
    Matrix = glm::translate(glm::mat4(1.0f), glm::vec3(Translation, 0.0f));
    Matrix = glm::rotate(Matrix, radians, glm::vec3(0.0f, 0.0f, 1.0f));
    // Flat sprites: z collapses, so the third column is zero.
    Matrix = glm::scale(Matrix, glm::vec3(Scale, 0.0f));
    Dirty = false;
    return Matrix;
}

void Transform::SetTranslation(const glm::vec2& translation) {
    Translation = translation;
    Dirty = true;
}

void ReadTransform(Transform& transform, const rapidjson::Value& json) {
    if (!json.IsObject()) return;
    if (json::ReadVec2(json, "Translation", transform.Translation)) transform.Dirty = true;
    if (json::ReadFloat(json, "Rotation", transform.Rotation)) transform.Dirty = true;
    if (json::ReadVec2(json, "Scale", transform.Scale)) transform.Dirty = true;
}

}  // namespace velkor::component
