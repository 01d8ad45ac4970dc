// The player's state machine.
#pragma once

#include "engine/system.hpp"
#include "gameplay/input.hpp"

namespace velkor::component {

struct PlayerBehavior {};

}  // namespace velkor::component

namespace velkor::system {

class PlayerBehavior final : public System<std::tuple<component::PlayerBehavior, component::Input>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;
};

}  // namespace velkor::system
