// Switches blinking hazards on and off.
#pragma once

#include "engine/system.hpp"

namespace velkor::component {

struct OnOffHazard {};

}  // namespace velkor::component

namespace velkor::system {

class OnOffHazard final : public System<std::tuple<component::OnOffHazard>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;
};

}  // namespace velkor::system
