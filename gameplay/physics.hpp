// Physics: semi-implicit Euler integration of every entity's acceleration and velocity.
//
// No gravity, friction or mass here: accelerations and velocities come from data, the player's
// behaviour and collision responses, which also rely on PreviousTranslation, the position before
// this frame's step. The singleton's Active flag freezes the whole simulation (pause, win, lose).
#pragma once

#include <glm/vec2.hpp>
#include <rapidjson/document.h>

#include "engine/system.hpp"
#include "serialization/transform.hpp"

namespace velkor::component {

struct Physics {
    glm::vec2 PreviousTranslation{0.0f, 0.0f};  // translation just before the latest step
    glm::vec2 Acceleration{0.0f, 0.0f};  // units per second squared
    glm::vec2 Velocity{0.0f, 0.0f};  // units per second
};

// Reads "Acceleration" and "Velocity", each only when it is an array of two numbers.
void ReadPhysics(Physics& physics, const rapidjson::Value& json);

}  // namespace velkor::component

namespace velkor::singleton {

struct Physics {
    bool Active = true;  // gameplay simulation runs
};

}  // namespace velkor::singleton

namespace velkor::physics {

// The Physics singleton's Active flag, creating the singleton (Active true) if it is absent.
bool& Active(Registry& registry);

// One integration step of one entity: records the previous translation, then v += a dt, x += v dt.
void Step(component::Physics& physics, component::Transform& transform, float dt) noexcept;

}  // namespace velkor::physics

namespace velkor::system {

class Physics final : public System<std::tuple<component::Physics, component::Transform>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;
};

}  // namespace velkor::system
