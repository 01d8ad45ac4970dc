// Per-frame cost of the input, physics and action systems at full entity capacity, and what the
// entity-checked action targets cost against a raw pointer.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/game.hpp"
#include "gameplay/action_system.hpp"
#include "gameplay/actions.hpp"
#include "gameplay/input.hpp"
#include "gameplay/keyboard_input.hpp"
#include "gameplay/physics.hpp"
#include "serialization/catalogue.hpp"

namespace {

using velkor::Entity;
using velkor::Registry;
namespace component = velkor::component;
namespace util = velkor::util;

constexpr int N = 17500;

std::unique_ptr<Registry> MakeRegistry() {
    velkor::FillComponentCatalogue();
    return std::make_unique<Registry>();
}

void BM_PhysicsFrame(benchmark::State& state) {
    auto reg = MakeRegistry();
    velkor::system::Physics physics;
    physics.Init(*reg);
    for (int i = 0; i < N; ++i) {
        const Entity e = reg->create();
        reg->add<component::Transform>(e);
        reg->add<component::Physics>(e).Acceleration = {0.0f, -9.8f};
    }
    for (auto _ : state) physics.Update(1.0f / 60.0f, *reg);
    state.SetItemsProcessed(state.iterations() * N);
}
BENCHMARK(BM_PhysicsFrame);

void BM_KeyboardInputFrame(benchmark::State& state) {
    auto reg = MakeRegistry();
    reg->singletons.set(velkor::singleton::Input{});
    velkor::system::KeyboardInput keyboard;
    keyboard.Init(*reg);
    for (int i = 0; i < N; ++i) {
        auto& bindings = reg->add<component::KeyboardInput>(reg->create());
        bindings.Keys = {65, 263, 68, 262, 32, 340};
        bindings.Actions = {0, 0, 1, 1, 2, 3};
    }
    reg->singletons.get<velkor::singleton::Input>().Keys[262] = velkor::input::Held;
    for (auto _ : state) keyboard.Update(1.0f / 60.0f, *reg);
    state.SetItemsProcessed(state.iterations() * N);
}
BENCHMARK(BM_KeyboardInputFrame);

void BM_InputTableUpdate(benchmark::State& state) {
    velkor::singleton::Input table;
    velkor::input::Backend raw;
    raw.keys[65] = 1;
    for (auto _ : state) {
        velkor::input::UpdateKeyTable(table, raw);
        benchmark::DoNotOptimize(table.Keys.data());
    }
}
BENCHMARK(BM_InputTableUpdate);

// 1,000 translation interpolations on live entities: each step looks its entity up again.
void BM_InterpolationsEntityTarget(benchmark::State& state) {
    auto reg = MakeRegistry();
    util::ActionQueue queues[1000];
    for (auto& queue : queues) {
        const Entity e = reg->create();
        reg->add<component::Transform>(e);
        queue.AddInterpolation(util::TranslationOf(*reg, e), {0, 0}, {1, 1}, 1e9f);
    }
    for (auto _ : state)
        for (auto& queue : queues) queue.Update(1.0f / 60.0f);
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_InterpolationsEntityTarget);

// The same with plain values: the cost of the lookup is the difference.
void BM_InterpolationsValueTarget(benchmark::State& state) {
    std::vector<glm::vec2> points(1000);
    util::ActionQueue queues[1000];
    for (int i = 0; i < 1000; ++i)
        queues[i].AddInterpolation(util::Target<glm::vec2>::Value(points[i]), {0, 0}, {1, 1}, 1e9f);
    for (auto _ : state)
        for (auto& queue : queues) queue.Update(1.0f / 60.0f);
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_InterpolationsValueTarget);

// A frame's churn of short timed actions in the root group: 500 added, the group walked.
void BM_TimedActionChurn(benchmark::State& state) {
    auto reg = MakeRegistry();
    velkor::system::ActionSystem actions;
    actions.Init(*reg);
    int fired = 0;
    for (auto _ : state) {
        auto& root = util::RootActions(*reg);
        for (int i = 0; i < 500; ++i) root.AddTimedAction(0.01f).Callbacks.push_back([&fired] { ++fired; });
        actions.Update(1.0f / 60.0f, *reg);
    }
    benchmark::DoNotOptimize(fired);
    state.SetItemsProcessed(state.iterations() * 500);
}
BENCHMARK(BM_TimedActionChurn);

}  // namespace

BENCHMARK_MAIN();
