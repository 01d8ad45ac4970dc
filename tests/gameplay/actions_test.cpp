#include "gameplay/actions.hpp"

#include <cmath>
#include <limits>
#include <memory>

#include <gtest/gtest.h>

#include "gameplay/action_system.hpp"

namespace velkor {
namespace {

using util::ActionGroup;
using util::ActionQueue;
using util::Target;
using util::TimedAction;

TEST(Easing, EndPoints) {
    EXPECT_EQ(util::EaseQuadratic(0.0f), 0.0f);
    EXPECT_EQ(util::EaseQuadratic(1.0f), 1.0f);
    EXPECT_EQ(util::EaseSquareRoot(0.0f), 0.0f);
    EXPECT_EQ(util::EaseSquareRoot(0.25f), 0.5f);
    EXPECT_EQ(util::EaseSquareRoot(-0.5f), -0.5f);
    EXPECT_NEAR(util::EaseLogistic(0.0f), 0.0024726f, 1e-6f);
    EXPECT_NEAR(util::EaseLogistic(0.5f), 0.5f, 1e-6f);
    EXPECT_NEAR(util::EaseLogistic(1.0f), 0.9975274f, 1e-6f);
}

TEST(TimedActionTest, HalfSecondInFifthSecondStepsCompletesAtTheThirdStep) {
    TimedAction action(0.5f);
    int calls = 0;
    action.Callbacks.push_back([&calls] { ++calls; });
    action.Update(0.2f);
    action.Update(0.2f);
    EXPECT_FALSE(action.Done);
    EXPECT_EQ(calls, 0);
    action.Update(0.2f);
    EXPECT_TRUE(action.Done);
    EXPECT_EQ(action.Progress, 1.0f);
    EXPECT_EQ(calls, 1);
    action.Update(0.2f);
    EXPECT_EQ(calls, 1) << "a finished action does nothing";
}

TEST(TimedActionTest, InfiniteRateRunsItsCallbacksAtTheFirstUpdate) {
    TimedAction action(1.0f);
    action.Rate = std::numeric_limits<float>::infinity();
    std::vector<int> order;
    action.Callbacks.push_back([&order] { order.push_back(1); });
    action.Callbacks.push_back([&order] { order.push_back(2); });
    action.Update(0.0001f);
    EXPECT_TRUE(action.Done);
    EXPECT_EQ(action.Progress, 1.0f);
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

TEST(Interpolation, QuadraticFloatKeepsOtherWritersEffect) {
    float value = 0.0f;
    util::InterpolateAction<float> action(Target<float>::Value(value), 2.0f, 4.0f, 1.0f, &util::EaseQuadratic);
    EXPECT_EQ(value, 2.0f) << "the start value is written at once";
    action.Update(0.5f);
    EXPECT_FLOAT_EQ(value, 2.5f) << "2 + (0.5 * 0.5) * (4 - 2)";
    value += 1.0f;  // someone else moves the target meanwhile
    action.Update(0.5f);
    EXPECT_TRUE(action.Done);
    EXPECT_FLOAT_EQ(value, 5.0f);

    float plain = 0.0f;
    util::InterpolateAction<float> again(Target<float>::Value(plain), 2.0f, 4.0f, 1.0f, &util::EaseQuadratic);
    for (int i = 0; i < 4; ++i) again.Update(0.25f);
    EXPECT_FLOAT_EQ(plain, 4.0f);
}

TEST(Interpolation, LogisticVec2EndsJustShortOfTheTarget) {
    glm::vec2 point{0.0f, 0.0f};
    ActionQueue queue;
    queue.AddInterpolation(Target<glm::vec2>::Value(point), {1.0f, 1.0f}, {3.0f, 3.0f}, 1.0f);
    EXPECT_EQ(point, glm::vec2(1.0f, 1.0f));
    for (int i = 0; i < 70; ++i) queue.Update(1.0f / 60.0f);
    EXPECT_TRUE(queue.Actions.empty());
    EXPECT_NEAR(point.x, 2.990f, 5e-4f);
    EXPECT_NEAR(point.y, 2.990f, 5e-4f);
}

TEST(Interpolation, ASecondInterpolationStartsWhereTheFirstLeftOff) {
    glm::vec2 point{0.0f, 0.0f};
    ActionQueue queue;
    queue.AddInterpolation(Target<glm::vec2>::Value(point), {0, 0}, {10, 0}, 0.5f);
    queue.AddInterpolation(Target<glm::vec2>::Value(point), {0, 0}, {0, 10}, 0.5f);
    EXPECT_EQ(point, glm::vec2(0, 0)) << "both constructors wrote their start value";
    for (int i = 0; i < 80; ++i) queue.Update(1.0f / 60.0f);
    EXPECT_NEAR(point.x, 10.0f * 0.995055f, 1e-3f);
    EXPECT_NEAR(point.y, 10.0f * 0.995055f, 1e-3f);
}

TEST(Group, DoneAtTheFirstUpdateAfterItsLongestAction) {
    ActionGroup group;
    int finished = 0;
    group.AddTimedAction(1.0f).Callbacks.push_back([&finished] { ++finished; });
    group.AddTimedAction(2.0f).Callbacks.push_back([&finished] { ++finished; });
    for (int i = 0; i < 10; ++i) group.Update(0.1f);
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(group.Actions.size(), 1u);
    for (int i = 0; i < 10; ++i) group.Update(0.1f);
    EXPECT_EQ(finished, 2);
    EXPECT_TRUE(group.Actions.empty());
    EXPECT_FALSE(group.Done) << "the last action finished in this pass";
    group.Update(0.1f);
    EXPECT_TRUE(group.Done);
}

TEST(Group, TheActionMovedIntoAHoleIsUpdatedInTheSamePass) {
    ActionGroup group;
    group.AddTimedAction(0.1f);  // finishes at the first update
    TimedAction* last = &group.AddTimedAction(10.0f);
    group.Update(0.1f);
    ASSERT_EQ(group.Actions.size(), 1u);
    EXPECT_EQ(group.Actions[0].get(), last);
    EXPECT_FLOAT_EQ(last->Progress, 0.01f) << "updated once, not skipped and not twice";
}

TEST(Queue, RunsActionsOneAfterAnother) {
    ActionQueue queue;
    int first = 0, second = 0;
    auto a = std::make_unique<TimedAction>(0.5f);
    a->Callbacks.push_back([&first] { ++first; });
    auto b = std::make_unique<TimedAction>(0.5f);
    b->Callbacks.push_back([&second] { ++second; });
    TimedAction* secondAction = b.get();
    queue.Push(std::move(a));
    queue.Push(std::move(b));
    const float step = 0.1f;
    int frames = 0;
    while (first == 0) {
        queue.Update(step);
        ++frames;
    }
    EXPECT_EQ(frames, 5);
    EXPECT_EQ(secondAction->Progress, 0.0f) << "the next action starts at the next update, with no carried time";
    while (second == 0 && frames < 100) {
        queue.Update(step);
        ++frames;
    }
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
    EXPECT_EQ(frames, 10) << "never before 1 s of updates";
    EXPECT_FALSE(queue.Done);
    queue.Update(step);
    EXPECT_TRUE(queue.Done);
}

TEST(ActionSystemTest, AdvancesTheRootGroupAndStartsEmptyAgainAfterShutdown) {
    auto registry = std::make_unique<Registry>();
    system::ActionSystem system;
    system.Init(*registry);
    int calls = 0;
    util::RootActions(*registry).AddTimedAction(0.05f).Callbacks.push_back([&calls] { ++calls; });
    util::RootActions(*registry).AddTimedAction(5.0f).Callbacks.push_back([&calls] { ++calls; });
    system.Update(0.1f, *registry);
    EXPECT_EQ(calls, 1);
    system.Shutdown(*registry);
    EXPECT_FALSE(registry->singletons.has<singleton::ActionSingleton>());
    system.Init(*registry);
    EXPECT_TRUE(util::RootActions(*registry).Actions.empty());
    system.Update(10.0f, *registry);
    EXPECT_EQ(calls, 1) << "actions pending at shutdown never run";
}

// Targets survive pool reallocation and swap-and-pop moves, and go quiet once their entity is gone.
TEST(SafeTargets, InterpolationFollowsItsEntityThroughPoolChurn) {
    auto registry = std::make_unique<Registry>();
    std::vector<Entity> before;
    for (int i = 0; i < 3; ++i) before.push_back(registry->create());
    for (Entity e : before) registry->add<component::Transform>(e).Translation = {100.0f + e, 0.0f};
    const Entity a = registry->create();
    registry->add<component::Transform>(a);
    const Entity after = registry->create();
    registry->add<component::Transform>(after).Translation = {-7.0f, -7.0f};

    ActionQueue queue;
    queue.AddInterpolation(util::TranslationOf(*registry, a), {0, 0}, {10, 10}, 1.0f);
    queue.Update(0.25f);
    const glm::vec2 quarter = registry->get<component::Transform>(a).Translation;
    EXPECT_GT(quarter.x, 0.0f);

    for (int i = 0; i < 5000; ++i) registry->add<component::Transform>(registry->create());
    registry->destroy(before[1]);  // moves the last transform into the hole
    registry->destroy(after);
    registry->get<component::Transform>(a).Dirty = false;
    queue.Update(0.25f);
    EXPECT_GT(registry->get<component::Transform>(a).Translation.x, quarter.x) << "A keeps moving";
    EXPECT_TRUE(registry->get<component::Transform>(a).Dirty);
    for (Entity e : {before[0], before[2]})
        EXPECT_EQ(registry->get<component::Transform>(e).Translation, glm::vec2(100.0f + e, 0.0f));

    registry->destroy(a);
    const Entity reused = registry->create();  // takes A's identifier
    ASSERT_EQ(reused, a);
    registry->add<component::Transform>(reused).Translation = {42.0f, 42.0f};
    queue.Update(0.25f);
    queue.Update(0.25f);
    EXPECT_TRUE(queue.Actions.empty());
    EXPECT_EQ(registry->get<component::Transform>(reused).Translation, glm::vec2(42.0f, 42.0f))
        << "no write into the entity that reused the identifier";
}

TEST(SafeTargets, FieldWithoutItsComponentIsSkipped) {
    auto registry = std::make_unique<Registry>();
    const Entity e = registry->create();
    ActionGroup group;
    group.AddInterpolation(Target<float>::Member(*registry, e, &component::Transform::Rotation), 0.0f, 90.0f, 1.0f,
                           &util::EaseSquareRoot);
    group.Update(0.5f);
    EXPECT_FALSE(registry->has<component::Transform>(e));
    registry->add<component::Transform>(e);
    group.Update(0.5f);
    EXPECT_NEAR(registry->get<component::Transform>(e).Rotation, 90.0f * (1.0f - std::sqrt(0.5f)), 1e-3f)
        << "only the steps taken while the field existed are applied";
}

TEST(SafeTargets, DelayedDestroyNeverHitsAReusedIdentifier) {
    auto registry = std::make_unique<Registry>();
    const Entity effect = registry->create();
    const Entity bystander = registry->create();
    ActionGroup group;
    group.AddTimedAction(0.5f).Callbacks.push_back(util::DestroyEntityLater(*registry, effect));
    group.AddTimedAction(0.5f).Callbacks.push_back(util::DestroyEntityLater(*registry, bystander));

    registry->destroy(effect);  // gone early, e.g. a level change
    const Entity newcomer = registry->create();
    ASSERT_EQ(newcomer, effect);
    group.Update(0.5f);
    EXPECT_TRUE(registry->alive(newcomer));
    EXPECT_FALSE(registry->alive(bystander)) << "the entity that was still there is destroyed";

    const Entity survivor = registry->create();
    group.AddTimedAction(0.5f).Callbacks.push_back(util::DestroyEntityLater(*registry, survivor));
    registry->clear();
    const Entity afterClear = registry->create();
    ASSERT_EQ(afterClear, 0u);
    group.Update(0.5f);
    EXPECT_TRUE(registry->alive(afterClear)) << "clear() ends every handle taken before it";
}

}  // namespace
}  // namespace velkor
