// Clears the back buffer at the start of drawing.
#pragma once

#include "engine/system.hpp"

namespace velkor::system {

class PreRender final : public iSystem {
public:
    void Init(Registry& registry) override;
    void Update(float dt, Registry& registry) override;
    void Shutdown(Registry& registry) override;
};

}  // namespace velkor::system
