// Hosts the developer tools and handles F11.
#pragma once

#include "engine/system.hpp"
#include "gameplay/player_behavior.hpp"
#include "serialization/transform.hpp"

namespace velkor::system {

class ImGui final : public System<std::tuple<component::Transform, component::PlayerBehavior>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;
};

}  // namespace velkor::system
