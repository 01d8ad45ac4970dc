#include "tools/cheat_codes.hpp"

#include "gameplay/input.hpp"
#include "graphics/camera.hpp"
#include "platform/window.hpp"

namespace velkor::util {

std::optional<Entity> FindPlayer(Registry& registry) {
    for (const Entity e : registry.view<component::PlayerBehavior, component::Transform>()) return e;
    return std::nullopt;
}

}  // namespace velkor::util

namespace velkor::system {

void CheatCodes::InitHook(Registry& registry) {
    auto& singletons = registry.singletons;
    if (!singletons.has<singleton::Camera>()) util::CreateCamera(singletons);
    (void)util::GetOrCreateWindow(singletons);
    (void)input::EnsureInput(registry);
    if (!singletons.has<singleton::DeveloperCheats>()) singletons.set(singleton::DeveloperCheats{});
    immune_ = {};
    infiniteJump_ = {};
}

void CheatCodes::Apply(Registry& registry, Entity player, bool on, bool& field, Applied& applied) {
    const bool samePlayer = applied.active && applied.entity == player && applied.generation == registry.generation(player);
    if (on) {
        if (!samePlayer) applied = {true, player, registry.generation(player), field};
        field = true;
    } else if (samePlayer) {
        field = applied.saved;
        applied = {};
    }
}

void CheatCodes::UpdateHook(float, View& view) {
    Registry& registry = view.get_registry();
    if (!registry.singletons.has<singleton::DeveloperCheats>()) return;
    const auto cheats = registry.singletons.get<singleton::DeveloperCheats>();
    for (const Entity e : view) {
        auto& behavior = registry.get<component::PlayerBehavior>(e);
        Apply(registry, e, cheats.Immune, behavior.Immune, immune_);
        Apply(registry, e, cheats.InfiniteJump, behavior.InfiniteJump, infiniteJump_);
        break;  // one player; a second one would fight over the saved values
    }
}

void CheatCodes::ShutdownHook(Registry& registry) {
    auto& singletons = registry.singletons;
    if (singletons.has<singleton::Camera>()) singletons.remove<singleton::Camera>();
    if (singletons.has<singleton::Input>()) singletons.remove<singleton::Input>();
    if (singletons.has<singleton::DeveloperCheats>()) singletons.remove<singleton::DeveloperCheats>();
}

}  // namespace velkor::system
