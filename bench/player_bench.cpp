// One frame of the player's contacts and state machine: the Collision pass over 2,000 colliders
// (the player tests every one: the pass is linear by design) and the PlayerBehavior update, with
// the player running on one of the platforms.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/game.hpp"
#include "gameplay/collision.hpp"
#include "gameplay/input.hpp"
#include "gameplay/player_behavior.hpp"
#include "serialization/catalogue.hpp"

namespace {

using velkor::Entity;
using velkor::Registry;
namespace component = velkor::component;

constexpr int Movers = 2000;

struct World {
    std::unique_ptr<Registry> registry = std::make_unique<Registry>();
    velkor::system::Collision collision;
    velkor::system::PlayerBehavior behavior;
    Entity player = velkor::NoEntity;

    World() {
        velkor::FillComponentCatalogue();
        collision.Init(*registry);
        behavior.Init(*registry);
        // Platforms in rows, one unit wide with gaps: a level's worth of ground, ledges and walls.
        for (int i = 0; i < Movers - 1; ++i) {
            const Entity e = registry->create();
            auto& t = registry->add<component::Transform>(e);
            t.Translation = {static_cast<float>(i % 200) * 1.5f, static_cast<float>(i / 200) * 4.0f - 0.5f};
            registry->add<component::Physics>(e);
            auto& c = registry->add<component::Collision>(e);
            c.ColliderType = component::Collision::Rectangle;
            c.ColliderTag = component::Collision::Platform;
            c.Size_Offset = {1.0f, 1.0f};
        }
        player = registry->create();
        registry->add<component::Transform>(player).Translation = {0.2f, 0.5f};
        registry->add<component::Physics>(player).Acceleration = {0.0f, -40.0f};
        auto& c = registry->add<component::Collision>(player);
        c.ColliderType = component::Collision::Rectangle;
        c.ColliderTag = component::Collision::Player;
        c.Size_Offset = {0.6f, 1.0f};
        c.Resolution = &velkor::collision::PlayerResponse;
        auto& p = registry->add<component::PlayerBehavior>(player);
        p.Speed = 5.2f;
        p.Acceleration = 60.0f;
        auto& input = registry->add<component::Input>(player);
        input.Moving = true;
        input.Direction = {1.0f, 0.0f};
    }
};

void BM_CollisionAndPlayerFrame(benchmark::State& state) {
    World world;
    Registry& registry = *world.registry;
    for (auto _ : state) {
        // Keep the player standing still on its platform so every frame has the same contacts.
        auto& t = registry.get<component::Transform>(world.player);
        t.Translation = {0.2f, 0.49f};
        registry.get<component::Physics>(world.player).Velocity = {0.0f, -0.6f};
        world.collision.Update(1.0f / 60.0f, registry);
        world.behavior.Update(1.0f / 60.0f, registry);
    }
    state.SetItemsProcessed(state.iterations() * Movers);
}
BENCHMARK(BM_CollisionAndPlayerFrame);

void BM_CollisionPassOnly(benchmark::State& state) {
    World world;
    for (auto _ : state) world.collision.Update(1.0f / 60.0f, *world.registry);
    state.SetItemsProcessed(state.iterations() * Movers);
}
BENCHMARK(BM_CollisionPassOnly);

}  // namespace

BENCHMARK_MAIN();
