// Carries out level switches and runs the current level.
#pragma once

#include "engine/system.hpp"

namespace velkor::system {

class LevelManager final : public iSystem {
public:
    void Init(Registry& registry) override;
    void Update(float dt, Registry& registry) override;
    void Shutdown(Registry& registry) override;
};

}  // namespace velkor::system
