// Typed walks (View::each), views with a general filter list, and component type indices.
#include <algorithm>
#include <memory>
#include <set>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "engine/registry.hpp"
#include "engine/type_index.hpp"
#include "gameplay/physics.hpp"
#include "gameplay/player_behavior.hpp"
#include "graphics/components.hpp"
#include "serialization/transform.hpp"

namespace velkor {
namespace {

using component::Graphics;
using component::Physics;
using component::PlayerBehavior;
using component::Transform;

struct Seen {
    std::vector<Entity> entities;
    std::vector<const void*> components;  // addresses handed over, in call order
};

// Every way the walked pool can relate to the callback's types: it is the first type asked for,
// a later one, or none of them (the view walks a type the callback does not take). In each case
// each() must visit exactly what the range-for visits, in the same order, and hand over the
// very components get<T> returns.
TEST(View, EachVisitsWhatTheWalkVisitsWithTheComponentsGetReturns) {
    auto reg = std::make_unique<Registry>();
    std::vector<Entity> ids;
    for (int i = 0; i < 40; ++i) {
        const Entity e = reg->create();
        ids.push_back(e);
        reg->add<Transform>(e).Translation = {float(i), 0.0f};
        if (i % 3 != 1) reg->add<Physics>(e).Velocity = {1.0f, float(i)};
        if (i % 4 == 0) reg->add<PlayerBehavior>(e);
    }
    reg->destroy(ids[6]);  // swap and pop: dense order is no longer creation order

    struct Case {
        const char* name;
        std::vector<Entity> (*walk)(Registry&, Seen&);
    };
    const Case cases[] = {
        {"walked pool first", [](Registry& r, Seen& seen) {
             std::vector<Entity> expected;
             auto view = r.view<Physics, Transform>();  // Physics is smaller: it is walked
             for (Entity e : view) expected.push_back(e);
             view.each([&](Entity e, Physics& p, Transform& t) {
                 seen.entities.push_back(e);
                 seen.components.push_back(&p);
                 seen.components.push_back(&t);
                 EXPECT_EQ(&p, &r.get<Physics>(e));
                 EXPECT_EQ(&t, &r.get<Transform>(e));
                 t.Translation.y = p.Velocity.y;  // writes land in the pools
             });
             return expected;
         }},
        {"walked pool later", [](Registry& r, Seen& seen) {
             std::vector<Entity> expected;
             auto view = r.view<Transform, Physics>();
             for (Entity e : view) expected.push_back(e);
             view.each([&](Entity e, const Transform& t, Physics& p) {
                 seen.entities.push_back(e);
                 EXPECT_EQ(&p, &r.get<Physics>(e));
                 EXPECT_EQ(&t, &r.get<Transform>(e));
             });
             return expected;
         }},
        {"walked pool not taken", [](Registry& r, Seen& seen) {
             std::vector<Entity> expected;
             auto view = r.view<Transform, PlayerBehavior, Physics>();  // walks PlayerBehavior
             EXPECT_EQ(&view.candidates(), &r.pool<PlayerBehavior>().entities());
             for (Entity e : view) expected.push_back(e);
             view.each([&](Entity e, Physics& p) {
                 seen.entities.push_back(e);
                 EXPECT_EQ(&p, &r.get<Physics>(e));
             });
             return expected;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Seen seen;
        const std::vector<Entity> expected = c.walk(*reg, seen);
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(seen.entities, expected);
    }
    for (Entity e : reg->view<Physics, Transform>())
        EXPECT_EQ(reg->get<Transform>(e).Translation.y, reg->get<Physics>(e).Velocity.y);
    EXPECT_FALSE(reg->has<Physics>(ids[1]));
    EXPECT_EQ(reg->get<Transform>(ids[1]).Translation.y, 0.0f) << "an entity without Physics is not visited";

    // A view over types nobody has walks nothing and calls nothing.
    int calls = 0;
    reg->view<Graphics>().each([&](Entity, Graphics&) { ++calls; });
    EXPECT_EQ(calls, 0);
}

bool HasNone(const entity::Signature& signature, const entity::Signature& unwanted) noexcept {
    return (signature & unwanted).none();
}

// Callers that need more than has-all pass a filter list: has-all tests join the inline
// signature, the others run after it, in both walks.
TEST(View, AGeneralFilterListExcludesAndReportsItsTests) {
    auto reg = std::make_unique<Registry>();
    std::vector<Entity> players;
    for (int i = 0; i < 10; ++i) {
        const Entity e = reg->create();
        reg->add<Transform>(e);
        reg->add<Physics>(e);
        if (i % 2 == 0) {
            reg->add<PlayerBehavior>(e);
        } else {
            players.push_back(e);  // the ones without PlayerBehavior pass the exclusion
        }
    }
    entity::Signature transform, physics, player;
    transform.set(entity::ComponentIndex<Transform>());
    physics.set(entity::ComponentIndex<Physics>());
    player.set(entity::ComponentIndex<PlayerBehavior>());
    const Registry::View view(*reg,
                              {{&Registry::HasAll, transform}, {&HasNone, player}, {&Registry::HasAll, physics}},
                              &reg->pool<Transform>().entities());

    EXPECT_EQ(view.wanted(), transform | physics);
    const auto filter = view.filter();
    ASSERT_EQ(filter.size(), 2u);
    EXPECT_EQ(filter[0].test, &Registry::HasAll);
    EXPECT_EQ(filter[0].argument, transform | physics);
    EXPECT_EQ(filter[1].test, &HasNone);

    std::vector<Entity> walked(view.begin(), view.end());
    std::vector<Entity> each;
    view.each([&](Entity e, Transform&) { each.push_back(e); });
    EXPECT_EQ(walked, players);
    EXPECT_EQ(each, players);
    EXPECT_FALSE(view.passes(players.front() - 1));
    EXPECT_TRUE(view.passes(players.front()));
}

#ifndef NDEBUG
TEST(ViewDeathTest, EachStopsAWalkThatGrowsTheWalkedPool) {
    auto reg = std::make_unique<Registry>();
    for (int i = 0; i < 4; ++i) reg->add<Transform>(reg->create());
    EXPECT_DEATH(reg->view<Transform>().each([&](Entity, Transform&) { reg->add<Transform>(reg->create()); }),
                 "a walk");
}
#endif

template <int N>
struct Fresh {};

template <int... N>
std::vector<std::size_t> AskConcurrently(std::integer_sequence<int, N...>) {
    std::vector<std::size_t> indices(sizeof...(N));
    std::vector<std::thread> threads;
    (threads.emplace_back([&indices] { indices[N] = entity::ComponentIndex<Fresh<N>>(); }), ...);
    for (auto& t : threads) t.join();
    return indices;
}

// New types get the next indices, each exactly once, even when threads ask at the same time.
TEST(TypeIndex, NewTypesGetDistinctStableIndicesUnderConcurrentFirstUse) {
    const std::size_t before = entity::ComponentIndex<Fresh<-1>>();
    const auto indices = AskConcurrently(std::make_integer_sequence<int, 8>{});
    const std::set<std::size_t> distinct(indices.begin(), indices.end());
    EXPECT_EQ(distinct.size(), indices.size());
    EXPECT_EQ(*distinct.begin(), before + 1);
    EXPECT_EQ(*distinct.rbegin(), before + indices.size());
    EXPECT_EQ(entity::ComponentIndex<Fresh<3>>(), indices[3]);
    EXPECT_EQ(entity::ComponentIndex<Transform>(), 16u) << "the catalogue's order still holds";
}

}  // namespace
}  // namespace velkor
