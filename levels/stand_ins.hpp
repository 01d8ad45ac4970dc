// Stand-ins for the level slots whose screens are not built yet: empty screens that keep each
// slot's entity clean-up, so switching to and from them behaves as the finished screens will.
// Each screen, once built, gets its own file pair and its line here goes.
#pragma once

#include "levels/level.hpp"

namespace velkor::levels {

// An empty screen. clearOnLoad: its Load destroys all entities; clearOnShutdown: its Shutdown does.
template <bool clearOnLoad, bool clearOnShutdown>
class EmptyLevel : public util::iLevel {
public:
    void Load(Registry& registry) override {
        if constexpr (clearOnLoad) DestroyAllEntities(registry);
    }
    void Initialize(Registry&) override {}
    void Update(float, Registry&) override {}
    void Shutdown(Registry& registry) override {
        if constexpr (clearOnShutdown) DestroyAllEntities(registry);
    }
    void Unload(Registry&) override {}
};

class Level2 final : public EmptyLevel<false, false> {};  // playable: its entities outlive Shutdown

}  // namespace velkor::levels
