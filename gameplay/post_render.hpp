// Presents the frame and polls window events. The events come through the input source (the window
// or a recording), so the system lives with the input.
#pragma once

#include "engine/system.hpp"

namespace velkor::system {

class PostRender final : public iSystem {
public:
    void Init(Registry& registry) override;
    void Update(float dt, Registry& registry) override;
    void Shutdown(Registry& registry) override;
};

}  // namespace velkor::system
