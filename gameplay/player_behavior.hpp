// The player's state machine.
#pragma once

#include <cstdint>

#include "engine/system.hpp"
#include "gameplay/input.hpp"

namespace velkor::component {

// Only the state bookkeeping for now; the state machine's tuning comes with the player.
struct PlayerBehavior {
    std::int32_t State = 4;  // HazardDeath
    std::int32_t NextState = 0;  // Idle
    bool Immune = false;
};

}  // namespace velkor::component

namespace velkor::system {

class PlayerBehavior final : public System<std::tuple<component::PlayerBehavior, component::Input>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;
};

}  // namespace velkor::system
