#include "gameplay/action_system.hpp"

namespace velkor::system {

void ActionSystem::Init(Registry& registry) { (void)util::RootActions(registry); }

void ActionSystem::Update(float dt, Registry& registry) { util::RootActions(registry).Update(dt); }

void ActionSystem::Shutdown(Registry& registry) {
    auto& singletons = registry.singletons;
    if (!singletons.has<singleton::ActionSingleton>()) return;
    // Pending callbacks may hold resources of their own; they go now, not with the registry.
    singletons.get<singleton::ActionSingleton>().Root.Actions.clear();
    singletons.remove<singleton::ActionSingleton>();
}

}  // namespace velkor::system
