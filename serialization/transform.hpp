// Position, rotation and scale of an entity in the world, with a cached model matrix.
#pragma once

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>
#include <rapidjson/document.h>

#include "engine/registry.hpp"

namespace velkor {
class ContentReport;
}

namespace velkor::component {

// Whoever writes Translation, Rotation or Scale directly sets Dirty in the same step.
struct Transform {
    glm::vec2 Translation{0.0f, 0.0f};
    float Rotation = 0.0f;  // degrees, about (0, 0, 1)
    glm::vec2 Scale{1.0f, 1.0f};  // the graphics system draws this as width and height in units
    glm::mat4 Matrix{0.0f};
    bool Dirty = true;

    // T * R * S with a zero z scale; rebuilt only when Dirty.
    const glm::mat4& GetMatrix();
    void SetTranslation(const glm::vec2& translation);
};

// Reads the JSON form into an existing Transform. Missing or ill-typed keys leave fields alone.
void ReadTransform(Transform& transform, const rapidjson::Value& json);

// The reader's rules for the content checker: two-number translation and scale, a numeric rotation.
void CheckTransform(ContentReport& report, const rapidjson::Value& json, const rapidjson::Value& prefab, const std::string& pointer);

}  // namespace velkor::component
