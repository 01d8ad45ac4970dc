// Hot paths of the entity registry: identifier churn, component adds, view walks, random get.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "app/game.hpp"
#include "engine/registry.hpp"
#include "gameplay/physics.hpp"
#include "gameplay/player_behavior.hpp"
#include "serialization/catalogue.hpp"
#include "serialization/transform.hpp"

namespace {

using velkor::Entity;
using velkor::Registry;
using velkor::component::Physics;
using velkor::component::PlayerBehavior;
using velkor::component::Transform;

constexpr int N = 17500;

void SetItems(benchmark::State& state, int per_iteration) {
    state.SetItemsProcessed(state.iterations() * per_iteration);
}

void BM_CreateDestroy(benchmark::State& state) {
    auto reg = std::make_unique<Registry>();
    std::vector<Entity> ids(N);
    for (auto _ : state) {
        for (int i = 0; i < N; ++i) ids[i] = reg->create();
        for (int i = 0; i < N; ++i) reg->destroy(ids[i]);
        benchmark::DoNotOptimize(ids.data());
    }
    SetItems(state, N);
}
BENCHMARK(BM_CreateDestroy);

// Outside the timed region: a cleared registry holding N bare entities 0..N-1.
void RefillUntimed(benchmark::State& state, Registry& reg) {
    state.PauseTiming();
    reg.clear();
    for (int i = 0; i < N; ++i) (void)reg.create();
    state.ResumeTiming();
}

void BM_AddOneComponent(benchmark::State& state) {
    auto reg = std::make_unique<Registry>();
    for (auto _ : state) {
        RefillUntimed(state, *reg);
        for (Entity e = 0; e < N; ++e) reg->add<Transform>(e);
    }
    SetItems(state, N);
}
BENCHMARK(BM_AddOneComponent);

void BM_AddTwoComponents(benchmark::State& state) {
    auto reg = std::make_unique<Registry>();
    for (auto _ : state) {
        RefillUntimed(state, *reg);
        for (Entity e = 0; e < N; ++e) {
            reg->add<Transform>(e);
            reg->add<Physics>(e);
        }
    }
    SetItems(state, N);
}
BENCHMARK(BM_AddTwoComponents);

// Registry with `with_first` entities holding A and `with_both` of them holding B as well.
template <class A, class B>
std::unique_ptr<Registry> Populate(int with_first, int with_both) {
    auto reg = std::make_unique<Registry>();
    for (int i = 0; i < with_first; ++i) {
        const Entity e = reg->create();
        reg->add<A>(e).Translation = {float(i), 0.0f};
        if (i % (with_first / std::max(with_both, 1)) == 0 && with_both-- > 0) reg->add<B>(e);
    }
    return reg;
}

void BM_ViewOne(benchmark::State& state) {
    auto reg = Populate<Transform, Physics>(N, 0);
    for (auto _ : state) {
        float sum = 0.0f;
        for (Entity e : reg->view<Transform>()) sum += reg->get<Transform>(e).Translation.x;
        benchmark::DoNotOptimize(sum);
    }
    SetItems(state, N);
}
BENCHMARK(BM_ViewOne);

void BM_ViewTwo(benchmark::State& state) {
    auto reg = Populate<Transform, Physics>(N, N);
    for (auto _ : state) {
        float sum = 0.0f;
        for (Entity e : reg->view<Transform, Physics>()) {
            Physics& physics = reg->get<Physics>(e);
            benchmark::DoNotOptimize(physics);
            sum += reg->get<Transform>(e).Translation.x;
        }
        benchmark::DoNotOptimize(sum);
    }
    SetItems(state, N);
}
BENCHMARK(BM_ViewTwo);

// The player's case: 300 entities with a transform, one with the player component.
void BM_ViewPlayerAmong300(benchmark::State& state) {
    auto reg = Populate<Transform, PlayerBehavior>(300, 1);
    for (auto _ : state) {
        int seen = 0;
        for (Entity e : reg->view<Transform, PlayerBehavior>()) seen += int(e) + 1;
        benchmark::DoNotOptimize(seen);
    }
    SetItems(state, 301);
}
BENCHMARK(BM_ViewPlayerAmong300);

// Two types, half of the walked pool filtered out by the signature test.
void BM_ViewTwoHalfFiltered(benchmark::State& state) {
    auto reg = std::make_unique<Registry>();
    for (int i = 0; i < N; ++i) {
        const Entity e = reg->create();
        reg->add<Physics>(e);
        reg->add<Transform>(e);
        if (i % 2 == 0) reg->add<PlayerBehavior>(e);
    }
    for (auto _ : state) {
        int seen = 0;
        for (Entity e : reg->view<Transform, Physics, PlayerBehavior>()) seen += int(e & 1) + 1;
        benchmark::DoNotOptimize(seen);
    }
    SetItems(state, N / 2);
}
BENCHMARK(BM_ViewTwoHalfFiltered);

void BM_GetRandom(benchmark::State& state) {
    auto reg = Populate<Transform, Physics>(N, 0);
    std::vector<Entity> order(N);
    for (int i = 0; i < N; ++i) order[i] = Entity(i);
    std::shuffle(order.begin(), order.end(), std::mt19937(7));
    for (auto _ : state) {
        float sum = 0.0f;
        for (Entity e : order) sum += reg->get<Transform>(e).Translation.x;
        benchmark::DoNotOptimize(sum);
    }
    SetItems(state, N);
}
BENCHMARK(BM_GetRandom);

}  // namespace

int main(int argc, char** argv) {
    velkor::FillComponentCatalogue();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
