// Small typed accessors for component readers. Each returns true when it wrote its output;
// a missing key or a value of the wrong shape leaves the output as it was (content errors never
// stop the game).
#pragma once

#include <string>

#include <glm/vec2.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>
#include <rapidjson/document.h>

namespace velkor::json {

// The member's value, or nullptr when the object lacks it (or is not an object).
inline const rapidjson::Value* Find(const rapidjson::Value& object, const char* key) {
    if (!object.IsObject()) return nullptr;
    auto it = object.FindMember(key);
    return it == object.MemberEnd() ? nullptr : &it->value;
}

inline bool ReadFloat(const rapidjson::Value& object, const char* key, float& out) {
    const auto* v = Find(object, key);
    if (!v || !v->IsNumber()) return false;
    out = static_cast<float>(v->GetDouble());
    return true;
}

inline bool ReadInt(const rapidjson::Value& object, const char* key, int& out) {
    const auto* v = Find(object, key);
    if (!v || !v->IsNumber()) return false;
    out = v->IsInt() ? v->GetInt() : static_cast<int>(v->GetDouble());
    return true;
}

inline bool ReadBool(const rapidjson::Value& object, const char* key, bool& out) {
    const auto* v = Find(object, key);
    if (!v || !v->IsBool()) return false;
    out = v->GetBool();
    return true;
}

inline bool ReadString(const rapidjson::Value& object, const char* key, std::string& out) {
    const auto* v = Find(object, key);
    if (!v || !v->IsString()) return false;
    out.assign(v->GetString(), v->GetStringLength());
    return true;
}

// Reads the first N numeric elements of an array into a float vector.
template <int N, class Vec>
bool ReadFloats(const rapidjson::Value& object, const char* key, Vec& out) {
    const auto* v = Find(object, key);
    if (!v || !v->IsArray() || v->Size() < static_cast<rapidjson::SizeType>(N)) return false;
    for (int i = 0; i < N; ++i)
        if (!(*v)[i].IsNumber()) return false;
    for (int i = 0; i < N; ++i) out[i] = static_cast<float>((*v)[i].GetDouble());
    return true;
}

inline bool ReadVec2(const rapidjson::Value& o, const char* key, glm::vec2& out) { return ReadFloats<2>(o, key, out); }
inline bool ReadVec3(const rapidjson::Value& o, const char* key, glm::vec3& out) { return ReadFloats<3>(o, key, out); }
inline bool ReadVec4(const rapidjson::Value& o, const char* key, glm::vec4& out) { return ReadFloats<4>(o, key, out); }

}  // namespace velkor::json
