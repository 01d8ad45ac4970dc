// Draws queued debug shapes over the scene.
#pragma once

#include "engine/system.hpp"
#include "graphics/graphics.hpp"

namespace velkor::system {

class DebugDraw final : public System<std::tuple<component::Graphics>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;
};

}  // namespace velkor::system
