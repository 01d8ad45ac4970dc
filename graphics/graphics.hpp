// Draws every visible entity layer by layer.
#pragma once

#include "engine/system.hpp"

namespace velkor::component {

struct Graphics {};

struct Light {};

}  // namespace velkor::component

namespace velkor::system {

class Graphics final : public iSystem {
public:
    void Init(Registry& registry) override;
    void Update(float dt, Registry& registry) override;
    void Shutdown(Registry& registry) override;
};

}  // namespace velkor::system
