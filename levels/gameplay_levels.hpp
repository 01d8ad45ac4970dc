// Stand-ins for the test level and the two playable levels (cyber city, foundry): empty screens in
// their level slots until the levels are built.
#pragma once

#include "levels/level.hpp"

namespace velkor::levels {

class Level0 final : public util::iLevel {
public:
    void Load(Registry&) override {}
    void Initialize(Registry&) override {}
    void Update(float, Registry&) override {}
    void Shutdown(Registry& registry) override { DestroyAllEntities(registry); }
    void Unload(Registry&) override {}
};

class Level1 final : public util::iLevel {
public:
    void Load(Registry&) override {}
    void Initialize(Registry&) override {}
    void Update(float, Registry&) override {}
    void Shutdown(Registry&) override {}
    void Unload(Registry&) override {}
};

class Level2 final : public util::iLevel {
public:
    void Load(Registry&) override {}
    void Initialize(Registry&) override {}
    void Update(float, Registry&) override {}
    void Shutdown(Registry&) override {}
    void Unload(Registry&) override {}
};

}  // namespace velkor::levels
