#include "levels/loading_screen.hpp"

#include <algorithm>

#include "levels/button.hpp"
#include "levels/level_manager.hpp"
#include "levels/level_state.hpp"
#include "serialization/transform.hpp"

namespace velkor::levels {

void LoadingScreen::Initialize(Registry& registry) {
    CreateFromFile("Data/LoadScreen.json", registry);
    bar_ = CreateFromFile("Data/LoadScreenBar.json", registry);
}

void LoadingScreen::Update(float, Registry& registry) {
    SetVisible(registry, bar_, true);
    // A record made here is for the map about to load: its properties are still to be read.
    if (!registry.singletons.has<singleton::Level>()) EnsureLevel(registry).propertiesPending = true;
    const auto& level = EnsureLevel(registry);
    const std::int32_t target = level.secondLevel ? LevelIndex::Level2 : LevelIndex::Level1;
    const auto& state = registry.singletons.get<singleton::GameState>();
    // Until the switch is armed (the first frame) the bar is empty, not full.
    const bool armed = state.switchPending && state.pendingLevel == target;
    const float left = armed ? std::clamp(state.switchDelay, 0.0f, Duration) : Duration;
    if (registry.alive(bar_) && registry.has<component::Transform>(bar_)) {
        auto& transform = registry.get<component::Transform>(bar_);
        const float width = (Duration - left) / Duration * fullWidth_;
        transform.Scale = {width, height_};
        transform.Translation.x = width * 0.5f - left_;
        transform.Dirty = true;
    }
    if (!armed) RequestLevelAfter(registry, target, Duration);
}

}  // namespace velkor::levels
