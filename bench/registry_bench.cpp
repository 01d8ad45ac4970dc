// Hot paths of the entity registry: identifier churn, component adds, destroys, view walks, random
// get. Every component benchmark runs twice: on plain two-float records (the walk itself) and on
// the game's records (`Transform` is 88 bytes, `Physics` 24), which is what the systems pay.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "engine/registry.hpp"
#include "gameplay/physics.hpp"
#include "gameplay/player_behavior.hpp"
#include "serialization/transform.hpp"
// Every heap allocation of the process is counted, so the view benchmarks can report how many a
// view costs (a count, unaffected by the machine's load).
#include "tests/support/counting_new.hpp"

namespace {

using velkor::Entity;
using velkor::Registry;
using velkor::component::Physics;
using velkor::component::PlayerBehavior;
using velkor::component::Transform;

struct Position {
    float x = 0.0f, y = 0.0f;
};
struct Velocity {
    float x = 0.0f, y = 0.0f;
};
struct Tag {};

float& X(Position& p) { return p.x; }
float& X(Velocity& v) { return v.x; }
float& X(Transform& t) { return t.Translation.x; }
float& X(Physics& p) { return p.Velocity.x; }

constexpr int N = 17500;

void SetItems(benchmark::State& state, int per_iteration) {
    state.SetItemsProcessed(state.iterations() * per_iteration);
}

// Runs `walk` once per iteration and reports the heap allocations it made per walk (a count,
// unaffected by the machine's load; the benchmark library's own allocations are not inside).
template <class Walk>
void TimeWalks(benchmark::State& state, Walk&& walk) {
    long long allocations = 0;
    for (auto _ : state) {
        const long long before = velkor::test::Allocations();
        walk();
        allocations += velkor::test::Allocations() - before;
        benchmark::ClobberMemory();
    }
    state.counters["allocs_per_view"] = double(allocations) / double(std::max<benchmark::IterationCount>(state.iterations(), 1));
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

template <class A, class B>
void BM_AddOne(benchmark::State& state) {
    auto reg = std::make_unique<Registry>();
    for (auto _ : state) {
        RefillUntimed(state, *reg);
        for (Entity e = 0; e < N; ++e) reg->add<A>(e);
    }
    SetItems(state, N);
}
BENCHMARK_TEMPLATE(BM_AddOne, Position, Velocity);
BENCHMARK_TEMPLATE(BM_AddOne, Transform, Physics);

template <class A, class B>
void BM_AddTwo(benchmark::State& state) {
    auto reg = std::make_unique<Registry>();
    for (auto _ : state) {
        RefillUntimed(state, *reg);
        for (Entity e = 0; e < N; ++e) {
            reg->add<A>(e);
            reg->add<B>(e);
        }
    }
    SetItems(state, N);
}
BENCHMARK_TEMPLATE(BM_AddTwo, Position, Velocity);
BENCHMARK_TEMPLATE(BM_AddTwo, Transform, Physics);

// Destroying entities that hold two components: two swap-and-pop removals each.
template <class A, class B>
void BM_DestroyWithTwo(benchmark::State& state) {
    auto reg = std::make_unique<Registry>();
    for (auto _ : state) {
        state.PauseTiming();
        reg->clear();
        for (int i = 0; i < N; ++i) {
            const Entity e = reg->create();
            reg->add<A>(e);
            reg->add<B>(e);
        }
        state.ResumeTiming();
        for (Entity e = 0; e < N; ++e) reg->destroy(e);
    }
    SetItems(state, N);
}
BENCHMARK_TEMPLATE(BM_DestroyWithTwo, Position, Velocity);
BENCHMARK_TEMPLATE(BM_DestroyWithTwo, Transform, Physics);

// N entities with A; every `every`-th of them (from the first) also has B. every = 0: none.
template <class A, class B>
std::unique_ptr<Registry> Populate(int count, int every) {
    auto reg = std::make_unique<Registry>();
    for (int i = 0; i < count; ++i) {
        const Entity e = reg->create();
        X(reg->add<A>(e)) = float(i);
        if (every > 0 && i % every == 0) {
            auto& b = reg->add<B>(e);
            if constexpr (requires { X(b); }) X(b) = 1.0f;
        }
    }
    return reg;
}

// One type, writing one field of every component. "Get": the range-for walk with get<A> in the
// body; "Each": the typed walk.
template <class A, class B>
void BM_ViewOneWriteGet(benchmark::State& state) {
    auto reg = Populate<A, B>(N, 0);
    TimeWalks(state, [&] {
        for (Entity e : reg->template view<A>()) X(reg->template get<A>(e)) += 1.0f;
    });
    SetItems(state, N);
}
BENCHMARK_TEMPLATE(BM_ViewOneWriteGet, Position, Velocity);
BENCHMARK_TEMPLATE(BM_ViewOneWriteGet, Transform, Physics);

template <class A, class B>
void BM_ViewOneWriteEach(benchmark::State& state) {
    auto reg = Populate<A, B>(N, 0);
    TimeWalks(state, [&] { reg->template view<A>().each([](Entity, A& a) { X(a) += 1.0f; }); });
    SetItems(state, N);
}
BENCHMARK_TEMPLATE(BM_ViewOneWriteEach, Position, Velocity);
BENCHMARK_TEMPLATE(BM_ViewOneWriteEach, Transform, Physics);

// Two types, argument 1: all have both; 2: half have the second (the walk reads that pool).
template <class A, class B>
void BM_ViewTwoGet(benchmark::State& state) {
    const int every = int(state.range(0));
    auto reg = Populate<A, B>(N, every);
    TimeWalks(state, [&] {
        for (Entity e : reg->template view<A, B>()) X(reg->template get<A>(e)) += X(reg->template get<B>(e));
    });
    SetItems(state, N / every);
}
BENCHMARK_TEMPLATE(BM_ViewTwoGet, Position, Velocity)->Arg(1)->Arg(2);
BENCHMARK_TEMPLATE(BM_ViewTwoGet, Transform, Physics)->Arg(1)->Arg(2);

template <class A, class B>
void BM_ViewTwoEach(benchmark::State& state) {
    const int every = int(state.range(0));
    auto reg = Populate<A, B>(N, every);
    TimeWalks(state, [&] { reg->template view<A, B>().each([](Entity, A& a, B& b) { X(a) += X(b); }); });
    SetItems(state, N / every);
}
BENCHMARK_TEMPLATE(BM_ViewTwoEach, Position, Velocity)->Arg(1)->Arg(2);
BENCHMARK_TEMPLATE(BM_ViewTwoEach, Transform, Physics)->Arg(1)->Arg(2);

// Three types, half of the walked pool filtered out by the signature test.
template <class A, class B>
std::unique_ptr<Registry> PopulateHalfTagged() {
    auto reg = std::make_unique<Registry>();
    for (int i = 0; i < N; ++i) {
        const Entity e = reg->create();
        reg->add<B>(e);
        reg->add<A>(e);
        if (i % 2 == 0) reg->add<Tag>(e);
    }
    return reg;
}

template <class A, class B>
void BM_ViewHalfFilteredGet(benchmark::State& state) {
    auto reg = PopulateHalfTagged<A, B>();
    TimeWalks(state, [&] {
        for (Entity e : reg->template view<A, B, Tag>()) X(reg->template get<A>(e)) += 1.0f;
    });
    SetItems(state, N / 2);
}
BENCHMARK_TEMPLATE(BM_ViewHalfFilteredGet, Position, Velocity);
BENCHMARK_TEMPLATE(BM_ViewHalfFilteredGet, Transform, Physics);

template <class A, class B>
void BM_ViewHalfFilteredEach(benchmark::State& state) {
    auto reg = PopulateHalfTagged<A, B>();
    TimeWalks(state, [&] { reg->template view<A, B, Tag>().each([](Entity, A& a) { X(a) += 1.0f; }); });
    SetItems(state, N / 2);
}
BENCHMARK_TEMPLATE(BM_ViewHalfFilteredEach, Position, Velocity);
BENCHMARK_TEMPLATE(BM_ViewHalfFilteredEach, Transform, Physics);

// The player's case: 300 entities with a transform, one with the player component. Time is for
// the whole walk, view included.
void BM_ViewPlayerAmong300Get(benchmark::State& state) {
    auto reg = Populate<Transform, PlayerBehavior>(300, 300);
    TimeWalks(state, [&] {
        for (Entity e : reg->view<Transform, PlayerBehavior>()) X(reg->get<Transform>(e)) += 1.0f;
    });
}
BENCHMARK(BM_ViewPlayerAmong300Get);

void BM_ViewPlayerAmong300Each(benchmark::State& state) {
    auto reg = Populate<Transform, PlayerBehavior>(300, 300);
    TimeWalks(state, [&] { reg->view<Transform, PlayerBehavior>().each([](Entity, Transform& t) { X(t) += 1.0f; }); });
}
BENCHMARK(BM_ViewPlayerAmong300Each);

template <class A, class B>
void BM_GetRandom(benchmark::State& state) {
    auto reg = Populate<A, B>(N, 0);
    std::vector<Entity> order(N);
    for (int i = 0; i < N; ++i) order[i] = Entity(i);
    std::shuffle(order.begin(), order.end(), std::mt19937(7));
    for (auto _ : state) {
        float sum = 0.0f;
        for (Entity e : order) sum += X(reg->template get<A>(e));
        benchmark::DoNotOptimize(sum);
    }
    SetItems(state, N);
}
BENCHMARK_TEMPLATE(BM_GetRandom, Position, Velocity);
BENCHMARK_TEMPLATE(BM_GetRandom, Transform, Physics);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
