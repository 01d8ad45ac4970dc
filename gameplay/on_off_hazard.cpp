#include "gameplay/on_off_hazard.hpp"

#include "gameplay/collision.hpp"
#include "graphics/components.hpp"
#include "serialization/json_read.hpp"

namespace velkor::component {

void ReadOnOffHazard(OnOffHazard& hazard, const rapidjson::Value& json) {
    hazard.On = true;
    json::ReadFlag(json, "On", hazard.On);
    json::ReadFloat(json, "OnTime", hazard.OnTime);
    json::ReadFloat(json, "OffTime", hazard.OffTime);
    hazard.Elapsed = 0.0f;
}

}  // namespace velkor::component

namespace velkor::util {

namespace {

void Apply(Registry& registry, Entity e, bool on) {
    if (registry.has<component::Graphics>(e)) registry.get<component::Graphics>(e).Renderable = on;
    if (registry.has<component::Collision>(e)) {
        auto& collision = registry.get<component::Collision>(e);
        collision.ColliderTag = static_cast<decltype(collision.ColliderTag)>(on ? HazardTag : SwitchedOffHazardTag);
    }
}

}  // namespace

void AdvanceOnOffHazard(Registry& registry, Entity e, float dt) {
    auto& hazard = registry.get<component::OnOffHazard>(e);
    hazard.Elapsed += dt;
    if (hazard.On && hazard.Elapsed >= hazard.OnTime) {
        hazard.Elapsed -= hazard.OnTime;
        hazard.On = false;
        Apply(registry, e, false);
    } else if (!hazard.On && hazard.Elapsed >= hazard.OffTime) {
        hazard.Elapsed -= hazard.OffTime;
        hazard.On = true;
        Apply(registry, e, true);
    }
}

}  // namespace velkor::util

namespace velkor::system {

void OnOffHazard::InitHook(Registry&) {}

void OnOffHazard::UpdateHook(float dt, View& view) {
    Registry& registry = view.get_registry();
    for (const Entity e : view) util::AdvanceOnOffHazard(registry, e, dt);
}

void OnOffHazard::ShutdownHook(Registry&) {}

}  // namespace velkor::system
