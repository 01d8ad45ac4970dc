#include "gameplay/physics.hpp"

#include "serialization/json_read.hpp"

namespace velkor::component {

void ReadPhysics(Physics& physics, const rapidjson::Value& json) {
    if (!json.IsObject()) return;
    json::ReadVec2(json, "Acceleration", physics.Acceleration);
    json::ReadVec2(json, "Velocity", physics.Velocity);
}

}  // namespace velkor::component

namespace velkor::physics {

bool& Active(Registry& registry) {
    auto& singletons = registry.singletons;
    if (!singletons.has<singleton::Physics>()) return singletons.set(singleton::Physics{}).Active;
    return singletons.get<singleton::Physics>().Active;
}

void Step(component::Physics& physics, component::Transform& transform, float dt) noexcept {
    physics.PreviousTranslation = transform.Translation;
    physics.Velocity += physics.Acceleration * dt;
    // Semi-implicit: the position moves with the velocity just computed.
    transform.Translation += physics.Velocity * dt;
    transform.Dirty = true;
}

}  // namespace velkor::physics

namespace velkor::system {

void Physics::InitHook(Registry& registry) {
    // A flag set before the system starts (a level frozen on purpose) is kept.
    if (!registry.singletons.has<singleton::Physics>()) registry.singletons.set(singleton::Physics{true});
}

void Physics::UpdateHook(float dt, View& view) {
    Registry& registry = view.get_registry();
    if (!physics::Active(registry)) return;
    view.each([dt](Entity, component::Physics& body, component::Transform& transform) {
        physics::Step(body, transform, dt);
    });
}

void Physics::ShutdownHook(Registry& registry) {
    if (registry.singletons.has<singleton::Physics>()) registry.singletons.remove<singleton::Physics>();
}

}  // namespace velkor::system
