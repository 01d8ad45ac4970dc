// The loading screen: a bar that fills over 1.5 s, then the chosen playable level.
#pragma once

#include "levels/level.hpp"

namespace velkor::levels {

class LoadingScreen final : public util::iLevel {
public:
    static constexpr float Duration = 1.5f;

    void Load(Registry&) override {}
    void Initialize(Registry& registry) override;
    void Update(float dt, Registry& registry) override;
    void Shutdown(Registry& registry) override { DestroyAllEntities(registry); }
    void Unload(Registry&) override {}

private:
    Entity bar_ = NoEntity;
    float fullWidth_ = 0.95f;
    float height_ = 0.08f;
    float left_ = 0.4927f;  // the bar's left edge sits at -left_
};

}  // namespace velkor::levels
