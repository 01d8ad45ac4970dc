#include "gameplay/physics.hpp"

#include <memory>

#include <gtest/gtest.h>

#include "serialization/prefab.hpp"

namespace velkor {
namespace {

class PhysicsSystem : public testing::Test {
protected:
    PhysicsSystem() : registry(std::make_unique<Registry>()) { system.Init(*registry); }

    Entity Body(glm::vec2 position, glm::vec2 velocity, glm::vec2 acceleration) {
        const Entity e = registry->create();
        registry->add<component::Transform>(e).Translation = position;
        auto& body = registry->add<component::Physics>(e);
        body.Velocity = velocity;
        body.Acceleration = acceleration;
        return e;
    }
    component::Physics& BodyOf(Entity e) { return registry->get<component::Physics>(e); }
    component::Transform& TransformOf(Entity e) { return registry->get<component::Transform>(e); }

    std::unique_ptr<Registry> registry;
    system::Physics system;
};

TEST_F(PhysicsSystem, OneSemiImplicitStep) {
    const Entity e = Body({0, 0}, {0, 0}, {0, -10});
    TransformOf(e).Dirty = false;
    system.Update(0.1f, *registry);
    EXPECT_FLOAT_EQ(BodyOf(e).Velocity.y, -1.0f);
    EXPECT_FLOAT_EQ(TransformOf(e).Translation.y, -0.1f);
    EXPECT_EQ(BodyOf(e).PreviousTranslation, glm::vec2(0, 0));
    EXPECT_TRUE(TransformOf(e).Dirty);
}

TEST_F(PhysicsSystem, ConstantVelocityForEverAndPreviousTranslationAtFrameStart) {
    const Entity moving = Body({1, 2}, {3, 0}, {0, 0});
    const Entity still = Body({5, 5}, {0, 0}, {0, 0});
    for (int frame = 0; frame < 60; ++frame) {
        const glm::vec2 before = TransformOf(moving).Translation;
        system.Update(1.0f / 60.0f, *registry);
        EXPECT_EQ(BodyOf(moving).PreviousTranslation, before);
        EXPECT_EQ(BodyOf(moving).Velocity, glm::vec2(3, 0));
    }
    EXPECT_NEAR(TransformOf(moving).Translation.x, 4.0f, 1e-4f);
    EXPECT_EQ(BodyOf(still).PreviousTranslation, glm::vec2(5, 5));
}

TEST_F(PhysicsSystem, InactiveFreezesEverything) {
    const Entity e = Body({1, 1}, {2, 3}, {0, -9.8f});
    system.Update(0.02f, *registry);
    const auto body = BodyOf(e);
    const auto position = TransformOf(e).Translation;
    physics::Active(*registry) = false;
    for (int frame = 0; frame < 300; ++frame) system.Update(1.0f / 30.0f, *registry);
    EXPECT_EQ(BodyOf(e).Velocity, body.Velocity);
    EXPECT_EQ(BodyOf(e).PreviousTranslation, body.PreviousTranslation);
    EXPECT_EQ(TransformOf(e).Translation, position);
    physics::Active(*registry) = true;
    system.Update(0.02f, *registry);
    EXPECT_NE(TransformOf(e).Translation, position);
}

TEST_F(PhysicsSystem, InitKeepsAFlagSetBeforeAndShutdownRemovesIt) {
    auto other = std::make_unique<Registry>();
    physics::Active(*other) = false;
    system::Physics second;
    second.Init(*other);
    EXPECT_FALSE(physics::Active(*other));
    second.Shutdown(*other);
    EXPECT_FALSE(other->singletons.has<singleton::Physics>());
    EXPECT_TRUE(physics::Active(*other)) << "asked for while absent, it comes back active";
}

TEST(PhysicsReader, ReadsArraysOfAnyNumberKindAndIgnoresTheRest) {
    rapidjson::Document json;
    json.Parse(R"({"Acceleration": [1, 2.5], "Velocity": 4})");
    component::Physics body;
    body.Velocity = {7, 7};
    component::ReadPhysics(body, json);
    EXPECT_EQ(body.Acceleration, glm::vec2(1.0f, 2.5f));
    EXPECT_EQ(body.Velocity, glm::vec2(7, 7)) << "a single number is not a velocity";

    json.Parse(R"({"Velocity": [9007199254740993, -3]})");
    component::ReadPhysics(body, json);
    EXPECT_FLOAT_EQ(body.Velocity.x, 9007199254740993.0f);
    EXPECT_EQ(body.Velocity.y, -3.0f);
}

TEST(PhysicsReader, IsRegisteredUnderItsName) {
    auto registry = std::make_unique<Registry>();
    rapidjson::Document json;
    json.Parse(R"({"Transform": {}, "Physics": {"Velocity": [1, 0]}})");
    const Entity e = CreateEntity(json, *registry);
    ASSERT_TRUE(registry->has<component::Physics>(e));
    EXPECT_EQ(registry->get<component::Physics>(e).Velocity, glm::vec2(1, 0));
}

}  // namespace
}  // namespace velkor
