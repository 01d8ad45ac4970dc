// Small typed accessors for component readers. Each returns true when it wrote its output;
// a missing key or a value of the wrong shape leaves the output as it was (content errors never
// stop the game).
//
// Numbers are range-checked before they are converted: a value the target type cannot hold (a
// float beyond ±3.4e38, an integer beyond its type's range) is traced with its key and leaves the
// output as it was, instead of the undefined behaviour of an unchecked cast. Counts and sizes that
// size allocations are further limited by their readers (ReadCount).
#pragma once

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include <glm/vec2.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>
#include <rapidjson/document.h>

#include "engine/trace.hpp"

namespace velkor::json {

// A JSON number as a float, if it is one and a float can hold it.
[[nodiscard]] inline std::optional<float> ToFloat(const rapidjson::Value& v) {
    if (!v.IsNumber()) return std::nullopt;
    const double d = v.GetDouble();
    if (!std::isfinite(d) || std::fabs(d) > static_cast<double>(FLT_MAX)) return std::nullopt;
    return static_cast<float>(d);
}

// A JSON number as an integer of type T, truncated towards zero, if T can hold it.
template <class T>
[[nodiscard]] std::optional<T> ToInteger(const rapidjson::Value& v) {
    if (!v.IsNumber()) return std::nullopt;
    if (v.IsInt64()) {
        const auto i = v.GetInt64();
        if (i < static_cast<long long>(std::numeric_limits<T>::min())) return std::nullopt;
        if (i >= 0 && static_cast<unsigned long long>(i) > static_cast<unsigned long long>(std::numeric_limits<T>::max()))
            return std::nullopt;
        return static_cast<T>(i);
    }
    if (v.IsUint64()) {
        const auto u = v.GetUint64();
        if (u > static_cast<unsigned long long>(std::numeric_limits<T>::max())) return std::nullopt;
        return static_cast<T>(u);
    }
    const double d = std::trunc(v.GetDouble());
    // Compared as doubles: the bounds of 64-bit types round up to a power of two, which is
    // itself out of range, hence the strict upper comparison.
    if (!std::isfinite(d) || d < static_cast<double>(std::numeric_limits<T>::min()) ||
        d >= static_cast<double>(std::numeric_limits<T>::max()) + 1.0)
        return std::nullopt;
    return static_cast<T>(d);
}

inline void TraceOutOfRange(std::string_view key) {
    Trace("Value of \"" + std::string(key) + "\" out of range; ignored\n");
}

// The member's value, or nullptr when the object lacks it (or is not an object).
inline const rapidjson::Value* Find(const rapidjson::Value& object, const char* key) {
    if (!object.IsObject()) return nullptr;
    auto it = object.FindMember(key);
    return it == object.MemberEnd() ? nullptr : &it->value;
}

inline bool ReadFloat(const rapidjson::Value& object, const char* key, float& out) {
    const auto* v = Find(object, key);
    if (!v || !v->IsNumber()) return false;
    const auto value = ToFloat(*v);
    if (!value) {
        TraceOutOfRange(key);
        return false;
    }
    out = *value;
    return true;
}

inline bool ReadInt(const rapidjson::Value& object, const char* key, int& out) {
    const auto* v = Find(object, key);
    if (!v || !v->IsNumber()) return false;
    const auto value = ToInteger<int>(*v);
    if (!value) {
        TraceOutOfRange(key);
        return false;
    }
    out = *value;
    return true;
}

// An integer count or size that sizes memory or work: read as ReadInt, then kept within
// [low, high]; a value outside is cut to the nearest bound and traced.
inline bool ReadCount(const rapidjson::Value& object, const char* key, int& out, int low, int high) {
    int value = out;
    if (!ReadInt(object, key, value)) return false;
    if (value < low || value > high) {
        Trace("Value of \"" + std::string(key) + "\" (" + std::to_string(value) + ") cut to " +
              std::to_string(value < low ? low : high) + "\n");
        value = value < low ? low : high;
    }
    out = value;
    return true;
}

// A flag: a present key sets it to whether its value is the literal true (1, "yes" and null are
// false); an absent key keeps it. The game's data reads switches this way.
inline void ReadFlag(const rapidjson::Value& object, const char* key, bool& out) {
    if (const auto* v = Find(object, key)) out = v->IsTrue();
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
    float values[N];
    for (int i = 0; i < N; ++i) {
        if (!(*v)[i].IsNumber()) return false;
        const auto value = ToFloat((*v)[i]);
        if (!value) {
            TraceOutOfRange(key);
            return false;
        }
        values[i] = *value;
    }
    for (int i = 0; i < N; ++i) out[i] = values[i];
    return true;
}

inline bool ReadVec2(const rapidjson::Value& o, const char* key, glm::vec2& out) { return ReadFloats<2>(o, key, out); }
inline bool ReadVec3(const rapidjson::Value& o, const char* key, glm::vec3& out) { return ReadFloats<3>(o, key, out); }
inline bool ReadVec4(const rapidjson::Value& o, const char* key, glm::vec4& out) { return ReadFloats<4>(o, key, out); }

}  // namespace velkor::json
