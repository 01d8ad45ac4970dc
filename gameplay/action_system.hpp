// ActionSystem: advances the ActionSingleton's root group once per frame, paused or not.
#pragma once

#include "engine/system.hpp"
#include "gameplay/actions.hpp"

namespace velkor::system {

class ActionSystem final : public iSystem {
public:
    void Init(Registry& registry) override;
    void Update(float dt, Registry& registry) override;
    void Shutdown(Registry& registry) override;
};

}  // namespace velkor::system
