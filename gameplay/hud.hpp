// Refreshes the timer, counters and warning light.
#pragma once

#include "engine/system.hpp"
#include "graphics/graphics.hpp"
#include "serialization/transform.hpp"

namespace velkor::component {

struct HUD {};

}  // namespace velkor::component

namespace velkor::system {

class HUD final : public System<std::tuple<component::HUD, component::Transform, component::Graphics>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;
};

}  // namespace velkor::system
