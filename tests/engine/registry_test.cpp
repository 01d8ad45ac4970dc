#include "engine/registry.hpp"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

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

// The registry's fixed arrays are large; keep it off the test's stack.
std::unique_ptr<Registry> MakeRegistry() { return std::make_unique<Registry>(); }

void ExpectInvalidPosition(const std::function<void()>& call) {
    try {
        call();
        FAIL() << "expected std::out_of_range";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "invalid bitset position");
    }
}

TEST(Registry, IdentifiersAreReusedLastFreedFirst) {
    auto reg = MakeRegistry();
    EXPECT_EQ(reg->create(), 0u);
    EXPECT_EQ(reg->create(), 1u);
    EXPECT_EQ(reg->create(), 2u);
    reg->destroy(1);
    EXPECT_FALSE(reg->alive(1));
    EXPECT_EQ(reg->create(), 1u);
    reg->destroy(0);
    reg->destroy(2);
    EXPECT_EQ(reg->create(), 2u);
    EXPECT_EQ(reg->create(), 0u);
    EXPECT_EQ(reg->create(), 3u);
    EXPECT_TRUE(reg->alive(3));
    EXPECT_FALSE(reg->alive(4));
}

TEST(Registry, CapacityIsExactlyMaxEntitiesThenFreedIdentifiersWorkAgain) {
    auto reg = MakeRegistry();
    for (Entity i = 0; i < entity::MaxEntities; ++i) ASSERT_EQ(reg->create(), i);
    ExpectInvalidPosition([&] { (void)reg->create(); });
    EXPECT_EQ(reg->next(), entity::MaxEntities + 1) << "the failed create still consumed next";
    reg->destroy(1234);
    EXPECT_EQ(reg->create(), 1234u);
    ExpectInvalidPosition([&] { reg->destroy(entity::MaxEntities); });
}

TEST(Registry, ClearForgetsEntitiesButKeepsPoolsAndListeners) {
    auto reg = MakeRegistry();
    const Entity a = reg->create();
    reg->add<Transform>(a);
    reg->add<Physics>(a);
    int removed = 0;
    reg->pool<Transform>().connect_on_remove([&](Entity, Transform&) { ++removed; });
    reg->clear();
    EXPECT_EQ(removed, 1);
    EXPECT_EQ(reg->create(), 0u);
    EXPECT_FALSE(reg->has<Transform>(0));
    EXPECT_FALSE(reg->has<Physics>(0));
    EXPECT_EQ(reg->pool<Transform>().size(), 0u);
    reg->add<Transform>(0);
    reg->destroy(0);
    EXPECT_EQ(removed, 2) << "listeners survive a clear";
}

TEST(Registry, SwapAndPopMovesTheLastElementIntoTheHole) {
    auto reg = MakeRegistry();
    const Entity e0 = reg->create(), e1 = reg->create(), e2 = reg->create();
    for (Entity e : {e0, e1, e2}) reg->add<Transform>(e).Translation = {float(e), 0.0f};
    reg->destroy(e0);
    auto& pool = reg->pool<Transform>();
    EXPECT_EQ(pool.entities(), (std::vector<Entity>{e2, e1}));
    EXPECT_EQ(pool.sparse(e2), 0u);
    EXPECT_EQ(pool.sparse(e0), entity::MaxEntities);
    EXPECT_FLOAT_EQ(reg->get<Transform>(e2).Translation.x, 2.0f);
    EXPECT_FLOAT_EQ(reg->get<Transform>(e1).Translation.x, 1.0f);

    // Removing the last element, then the only one, leaves their sparse entries empty.
    reg->destroy(e1);
    EXPECT_EQ(pool.sparse(e1), entity::MaxEntities);
    reg->destroy(e2);
    EXPECT_EQ(pool.sparse(e2), entity::MaxEntities);
    EXPECT_EQ(pool.size(), 0u);
}

TEST(Registry, ListenersSeeTheComponentInPlace) {
    auto reg = MakeRegistry();
    auto& pool = reg->pool<Transform>();
    bool signature_set_during_add = true;
    float seen_on_add = -1.0f;
    pool.connect_on_add([&](Entity e, Transform& t) {
        seen_on_add = t.Scale.x;  // default-constructed and stored
        signature_set_during_add = reg->has<Transform>(e);
        EXPECT_EQ(&t, &pool.get(e));
    });
    float seen_on_remove = 0.0f;
    pool.connect_on_remove([&](Entity e, Transform& t) {
        seen_on_remove = t.Translation.y;
        EXPECT_EQ(&t, &pool.get(e)) << "still in place while listeners run";
    });
    const Entity e = reg->create();
    reg->add<Transform>(e).Translation.y = 7.5f;
    EXPECT_FLOAT_EQ(seen_on_add, 1.0f);
    EXPECT_FALSE(signature_set_during_add) << "the signature bit is set after the listeners";
    EXPECT_TRUE(reg->has<Transform>(e));
    reg->destroy(e);
    EXPECT_FLOAT_EQ(seen_on_remove, 7.5f);
}

TEST(Registry, DisconnectEmptiesTheSlotAndKeepsOtherPositions) {
    auto reg = MakeRegistry();
    auto& pool = reg->pool<Physics>();
    std::vector<std::string> calls;
    const int first = pool.connect_on_add([&](Entity, Physics&) { calls.push_back("first"); });
    const int second = pool.connect_on_add([&](Entity, Physics&) { calls.push_back("second"); });
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
    pool.disconnect_on_add(first);
    const int third = pool.connect_on_add([&](Entity, Physics&) { calls.push_back("third"); });
    EXPECT_EQ(third, 2);
    reg->add<Physics>(reg->create());
    EXPECT_EQ(calls, (std::vector<std::string>{"second", "third"}));
}

TEST(Registry, DestroyRunsRemovalListenersInTypeIndexOrder) {
    auto reg = MakeRegistry();
    std::vector<std::size_t> order;
    reg->pool<Transform>().connect_on_remove([&](Entity, Transform&) { order.push_back(entity::ComponentIndex<Transform>()); });
    reg->pool<Graphics>().connect_on_remove([&](Entity, Graphics&) { order.push_back(entity::ComponentIndex<Graphics>()); });
    reg->pool<Physics>().connect_on_remove([&](Entity, Physics&) { order.push_back(entity::ComponentIndex<Physics>()); });
    const Entity e = reg->create();
    reg->add<Transform>(e);  // added out of index order on purpose
    reg->add<Physics>(e);
    reg->add<Graphics>(e);
    reg->destroy(e);
    EXPECT_EQ(order, (std::vector<std::size_t>{5, 14, 16}));
    EXPECT_TRUE(reg->signature(e).none());
}

TEST(Registry, ViewWalksTheSmallestPoolAndFiltersBySignature) {
    auto reg = MakeRegistry();
    Entity player = NoEntity;
    for (int i = 0; i < 300; ++i) {
        const Entity e = reg->create();
        reg->add<Transform>(e);
        if (i == 150) {
            reg->add<PlayerBehavior>(e);
            player = e;
        }
    }
    const Entity lone = reg->create();
    reg->add<PlayerBehavior>(lone);  // has no Transform: must be filtered out

    auto view = reg->view<Transform, PlayerBehavior>();
    EXPECT_EQ(&view.candidates(), &reg->pool<PlayerBehavior>().entities());
    std::vector<Entity> seen(view.begin(), view.end());
    EXPECT_EQ(seen, (std::vector<Entity>{player}));
}

TEST(Registry, ViewOnATieWalksTheFirstListedPool) {
    auto reg = MakeRegistry();
    const Entity a = reg->create(), b = reg->create();
    reg->add<Transform>(a);
    reg->add<Physics>(b);
    auto view = reg->view<Physics, Transform>();
    EXPECT_EQ(&view.candidates(), &reg->pool<Physics>().entities());
    EXPECT_EQ(view.begin(), view.end());
}

TEST(Registry, ViewOverEmptyTypesYieldsNothingAndCreatesThePools) {
    auto reg = MakeRegistry();
    EXPECT_EQ(reg->pool_at(entity::ComponentIndex<Graphics>()), nullptr);
    auto view = reg->view<Graphics, Physics>();
    EXPECT_EQ(view.begin(), view.end());
    EXPECT_NE(reg->pool_at(entity::ComponentIndex<Graphics>()), nullptr);
    EXPECT_NE(reg->pool_at(entity::ComponentIndex<Physics>()), nullptr);
}

TEST(Registry, ViewVisitsInDenseOrderAfterRemovals) {
    auto reg = MakeRegistry();
    std::vector<Entity> ids;
    for (int i = 0; i < 5; ++i) {
        ids.push_back(reg->create());
        reg->add<Physics>(ids.back());
        reg->add<Transform>(ids.back());
    }
    reg->destroy(ids[1]);  // the last (4) takes slot 1
    auto view = reg->view<Physics, Transform>();
    std::vector<Entity> seen(view.begin(), view.end());
    EXPECT_EQ(seen, (std::vector<Entity>{ids[0], ids[4], ids[2], ids[3]}));
}

TEST(Registry, GetOrAddAddsOnceAndComponentsAreIndependentPerEntity) {
    auto reg = MakeRegistry();
    const Entity a = reg->create(), b = reg->create();
    reg->get_or_add<Transform>(a).Rotation = 30.0f;
    EXPECT_FLOAT_EQ(reg->get_or_add<Transform>(a).Rotation, 30.0f);
    EXPECT_EQ(reg->pool<Transform>().size(), 1u);
    reg->add<Transform>(b).Rotation = 60.0f;
    EXPECT_FLOAT_EQ(reg->get<Transform>(a).Rotation, 30.0f);
    EXPECT_FLOAT_EQ(reg->get<Transform>(b).Rotation, 60.0f);
}

TEST(Registry, PoolCopyAndPrototypeAddThroughTheGenericInterface) {
    auto reg = MakeRegistry();
    const Entity source = reg->create(), target = reg->create(), other = reg->create();
    reg->add<Transform>(source).Rotation = 45.0f;
    entity::generic_pool& generic = reg->pool<Transform>();
    generic.copy(target, source);
    EXPECT_TRUE(generic.contains(target));
    EXPECT_FLOAT_EQ(reg->pool<Transform>().get(target).Rotation, 45.0f);

    entity::EntityPrototype prototype;
    prototype.name = "spinner";
    Transform spun;
    spun.Rotation = 90.0f;
    prototype.components[entity::ComponentIndex<Transform>()] = spun;
    generic.add(other, prototype);
    EXPECT_FLOAT_EQ(reg->pool<Transform>().get(other).Rotation, 90.0f);
}

struct EighteenthComponent {};

TEST(Registry, AComponentTypeBeyondTheCatalogueIsRejected) {
    auto reg = MakeRegistry();
    const Entity e = reg->create();
    ExpectInvalidPosition([&] { reg->add<EighteenthComponent>(e); });
    ExpectInvalidPosition([&] { (void)reg->view<EighteenthComponent>(); });
    EXPECT_FALSE(reg->has<EighteenthComponent>(e));
}

}  // namespace
}  // namespace velkor
