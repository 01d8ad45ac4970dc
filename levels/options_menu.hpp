// Stand-in for the options menu: empty screen in its level slot until built.
#pragma once

#include "levels/level.hpp"

namespace velkor::levels {

class OptionsMenu final : public util::iLevel {
public:
    void Load(Registry&) override {}
    void Initialize(Registry&) override {}
    void Update(float, Registry&) override {}
    void Shutdown(Registry& registry) override { DestroyAllEntities(registry); }
    void Unload(Registry&) override {}
};

}  // namespace velkor::levels
