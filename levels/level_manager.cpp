#include "levels/level_manager.hpp"

#include <cstdio>
#include <string>

#include "engine/trace.hpp"
#include "levels/credits.hpp"
#include "levels/cursor.hpp"
#include "levels/level0.hpp"
#include "levels/level1.hpp"
#include "levels/level2.hpp"
#include "levels/loading_screen.hpp"
#include "levels/logo.hpp"
#include "levels/lose_screen.hpp"
#include "levels/main_menu.hpp"
#include "levels/options_menu.hpp"
#include "levels/play_level.hpp"
#include "levels/win_screen.hpp"
#include "platform/clock.hpp"
#include "platform/memory.hpp"

namespace velkor::levels {

std::vector<std::unique_ptr<util::iLevel>> MakeLevels() {
    std::vector<std::unique_ptr<util::iLevel>> list;
    list.reserve(LevelIndex::Count);
#define VELKOR_MAKE_LEVEL(name) list.push_back(std::make_unique<name>());
    VELKOR_LEVELS(VELKOR_MAKE_LEVEL)
#undef VELKOR_MAKE_LEVEL
    return list;
}

void RequestLevel(Registry& registry, std::int32_t index) {
    registry.singletons.get<singleton::GameState>().nextLevel = index;
}

void RequestLevelAfter(Registry& registry, std::int32_t index, float delay) {
    auto& state = registry.singletons.get<singleton::GameState>();
    state.switchDelay = delay;
    state.switchPending = true;
    state.pendingLevel = index;
}

}  // namespace velkor::levels

namespace velkor::system {

void LevelManager::Init(Registry& registry) {
    singleton::GameState state;
    state.levels = levels::MakeLevels();
    registry.singletons.set(std::move(state));
}

void LevelManager::Update(float dt, Registry& registry) {
    levels::ShowPlayOutcome(registry);
    auto& state = registry.singletons.get<singleton::GameState>();
    if (state.switchPending) {
        state.switchDelay -= dt;
        if (state.switchDelay <= 0.0f) {
            state.nextLevel = state.pendingLevel;
            state.switchPending = false;
            state.pendingLevel = -1;
        }
    }
    // Indices are trusted (writers keep to 0..11), as are the levels not to be null.
    if (state.nextLevel != state.currentLevel) {
        Trace("Level switch from " + std::to_string(state.currentLevel) + " to " + std::to_string(state.nextLevel) +
              "\n");
        if (state.currentLevel >= 0) state.levels[state.currentLevel]->Shutdown(registry);
        if (state.currentLevel != -1) state.levels[state.currentLevel]->Unload(registry);
        state.previousLevel = state.currentLevel;
        state.currentLevel = state.nextLevel;
        // A delayed switch still armed would otherwise land later on top of wherever this one
        // leads (a win screen over the main menu chosen from the pause menu).
        state.switchPending = false;
        state.pendingLevel = -1;
        state.switchDelay = 0.0f;
        const std::int64_t loadStart = platform::NowNanoseconds();
        const std::int64_t loadCpuStart = platform::ProcessCpuNanoseconds();
        state.levels[state.currentLevel]->Load(registry);
        state.levels[state.currentLevel]->Initialize(registry);
        state.loadNanoseconds = platform::NowNanoseconds() - loadStart;
        state.loadCpuNanoseconds = platform::ProcessCpuNanoseconds() - loadCpuStart;
        // What the last level left free was there for this load to reuse; what is still free now
        // (that, and the load's decode buffers) the visit need not carry.
        platform::ReturnFreedMemory();
        ++state.switches;
        char took[64];
        std::snprintf(took, sizeof took, "%.1f ms (process CPU %.1f ms)", static_cast<double>(state.loadNanoseconds) / 1e6,
                      static_cast<double>(state.loadCpuNanoseconds) / 1e6);
        Trace("Level " + std::to_string(state.currentLevel) + " loaded in " + took + "\n");
    }
    state.levels[state.currentLevel]->Update(dt, registry);
}

void LevelManager::Shutdown(Registry& registry) {
    auto& singletons = registry.singletons;
    // Levels go without their Shutdown or Unload: the registry has been cleared already.
    singletons.get<singleton::GameState>().levels.clear();
    levels::ForgetCursor();  // its entity went with the cleared registry
    singletons.remove<singleton::GameState>();
}

}  // namespace velkor::system
