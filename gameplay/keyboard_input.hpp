// Key bindings become each entity's movement intent.
#pragma once

#include "engine/system.hpp"
#include "gameplay/input.hpp"

namespace velkor::component {

struct KeyboardInput {};

}  // namespace velkor::component

namespace velkor::system {

class KeyboardInput final : public System<std::tuple<component::KeyboardInput, component::Input>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;
};

}  // namespace velkor::system
