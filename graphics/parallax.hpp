// Scrolls background layers against the camera.
#pragma once

#include "engine/system.hpp"
#include "graphics/graphics.hpp"

namespace velkor::component {

struct Parallax {};

}  // namespace velkor::component

namespace velkor::system {

class Parallax final : public System<std::tuple<component::Parallax, component::Graphics>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;
};

}  // namespace velkor::system
