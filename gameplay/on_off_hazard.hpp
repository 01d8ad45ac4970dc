// Blinking hazards: a hazard that is deadly and visible for OnTime seconds, then harmless and
// hidden for OffTime seconds, over and over. The system runs also while gameplay is frozen.
#pragma once

#include <rapidjson/document.h>

#include "engine/system.hpp"

namespace velkor::component {

struct OnOffHazard {
    float OnTime = 1.0f;  // seconds the hazard stays on
    float OffTime = 1.0f;  // seconds it stays off
    bool On = true;  // current phase
    float Elapsed = 0.0f;  // seconds spent in the current phase
};

// "On" (true unless present with a value other than the literal true), "OnTime", "OffTime".
// The phase is not applied at load: the entity's own data gives its first look and tag.
void ReadOnOffHazard(OnOffHazard& hazard, const rapidjson::Value& json);

}  // namespace velkor::component

namespace velkor::util {

// Collider tags of a blinking hazard's two phases.
inline constexpr int HazardTag = 6;  // "Hazard": kills the player
inline constexpr int SwitchedOffHazardTag = 8;  // no response acts on it

// One frame of a blinking hazard: at most one switch, which shows or hides the entity's Graphics
// and arms or disarms its collider (tag "Hazard" or the switched-off tag).
void AdvanceOnOffHazard(Registry& registry, Entity e, float dt);

}  // namespace velkor::util

namespace velkor::system {

class OnOffHazard final : public System<std::tuple<component::OnOffHazard>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;
};

}  // namespace velkor::system
