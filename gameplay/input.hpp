// Turns polled key and mouse events into this frame's key table.
#pragma once

#include "engine/system.hpp"

namespace velkor::component {

struct Input {};

}  // namespace velkor::component

namespace velkor::system {

class Input final : public iSystem {
public:
    void Init(Registry& registry) override;
    void Update(float dt, Registry& registry) override;
    void Shutdown(Registry& registry) override;
};

}  // namespace velkor::system
