#include "serialization/transform.hpp"

#include <glm/ext/matrix_transform.hpp>

#include "serialization/json_read.hpp"
#include "serialization/content_rules.hpp"

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

void CheckTransform(ContentReport& report, const rapidjson::Value& json, const rapidjson::Value&, const std::string& pointer) {
    for (const char* key : {"Translation", "Scale"}) {
        const auto* v = json::Find(json, key);
        if (v && !(v->IsArray() && v->Size() >= 2 && (*v)[0].IsNumber() && (*v)[1].IsNumber()))
            report.Fault(JoinPointer(pointer, key), "must be an array of two numbers");
    }
    if (const auto* v = json::Find(json, "Rotation"); v && !v->IsNumber()) report.Fault(JoinPointer(pointer, "Rotation"), "must be a number");
}

}  // namespace velkor::component
