// The developer cheats, headless: a Window record without a window keeps the system off the screen.
#include <memory>
#include <optional>
#include <utility>

#include <gtest/gtest.h>

#include "gameplay/player_behavior.hpp"
#include "platform/window.hpp"
#include "serialization/transform.hpp"
#include "tools/cheat_codes.hpp"

namespace velkor::test {
namespace {

TEST(CheatCodes, CheatsForceThePlayersFieldsAndGiveBackThePrefabValues) {
    auto owned = std::make_unique<Registry>();
    Registry& registry = *owned;
    registry.singletons.set(singleton::Window{});
    system::CheatCodes cheats;
    cheats.Init(registry);
    auto& switches = registry.singletons.get<singleton::DeveloperCheats>();

    const auto makePlayer = [&](bool immune, bool infinite) {
        const Entity e = registry.create();
        registry.add<component::Transform>(e);
        auto& behavior = registry.add<component::PlayerBehavior>(e);
        behavior.Immune = immune;
        behavior.InfiniteJump = infinite;
        return e;
    };
    const Entity first = makePlayer(false, true);
    const auto fields = [&](Entity e) {
        const auto& b = registry.get<component::PlayerBehavior>(e);
        return std::pair{b.Immune, b.InfiniteJump};
    };

    cheats.Update(0.016f, registry);
    EXPECT_EQ(fields(first), std::pair(false, true)) << "cheats off change nothing";

    switches.Immune = true;
    switches.InfiniteJump = true;
    cheats.Update(0.016f, registry);
    EXPECT_EQ(fields(first), std::pair(true, true));

    // A level reload replaces the player while the cheats stay on: the new one gets them too,
    // and switching them off restores the new player's own values.
    registry.destroy(first);
    const Entity second = makePlayer(false, false);
    cheats.Update(0.016f, registry);
    EXPECT_EQ(fields(second), std::pair(true, true));
    switches.Immune = false;
    switches.InfiniteJump = false;
    cheats.Update(0.016f, registry);
    EXPECT_EQ(fields(second), std::pair(false, false));

    EXPECT_EQ(util::FindPlayer(registry), std::optional<Entity>(second));
    cheats.Shutdown(registry);
    EXPECT_FALSE(registry.singletons.has<singleton::DeveloperCheats>());
}

}  // namespace
}  // namespace velkor::test
