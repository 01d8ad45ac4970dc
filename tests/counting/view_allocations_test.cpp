// Heap allocations made by views and walks, counted. This executable replaces the global operator
// new, so it stands apart from the unit tests.
#include <memory>
#include <tuple>

#include <gtest/gtest.h>

#include "engine/registry.hpp"
#include "engine/system.hpp"
#include "tests/support/counting_new.hpp"

namespace velkor {
namespace {

struct Position {
    float x = 0.0f, y = 0.0f;
};
struct Velocity {
    float x = 0.0f, y = 0.0f;
};

// The shape of every visiting system: the framework builds the view, the hook walks it.
class Mover final : public system::System<std::tuple<Position, Velocity>> {
public:
    int visited = 0;

protected:
    void InitHook(Registry&) override {}
    void UpdateHook(float dt, View& view) override {
        view.each([&](Entity, Position& p, const Velocity& v) {
            p.x += v.x * dt;
            ++visited;
        });
        for (Entity e : view) visited += int(view.get_registry().get<Position>(e).y);
    }
    void ShutdownHook(Registry&) override {}
};

TEST(ViewAllocations, BuildingAndWalkingViewsAllocatesNothing) {
    auto reg = std::make_unique<Registry>();
    for (int i = 0; i < 100; ++i) {
        const Entity e = reg->create();
        reg->add<Position>(e);
        if (i % 2 == 0) reg->add<Velocity>(e).x = 1.0f;
    }
    Mover mover;
    mover.Init(*reg);

    const long long before = test::Allocations();
    float sum = 0.0f;
    for (int frame = 0; frame < 10; ++frame) {
        mover.Update(0.5f, *reg);
        for (Entity e : reg->view<Position>()) sum += reg->get<Position>(e).x;
        reg->view<Velocity, Position>().each([&](Entity, Velocity& v) { sum += v.x; });
    }
    EXPECT_EQ(test::Allocations() - before, 0);
    EXPECT_EQ(mover.visited, 10 * 50);
    EXPECT_GT(sum, 0.0f);

    // The counter does count: asking for the whole filter as a list builds one.
    const long long listed = test::Allocations();
    EXPECT_EQ(reg->view<Position>().filter().size(), 1u);
    EXPECT_EQ(test::Allocations() - listed, 1);
}

}  // namespace
}  // namespace velkor
