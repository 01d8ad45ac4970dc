#include "gameplay/collision.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include <gtest/gtest.h>

#include "engine/random.hpp"
#include "graphics/camera.hpp"
#include "graphics/debug_draw.hpp"
#include "levels/level_state.hpp"
#include "support/player_world.hpp"
#include "support/trace_capture.hpp"

namespace velkor {
namespace {

using component::Collision;
using test::Parse;
using test::PlayerWorld;

Collision Read(const char* json, Collision start = {}) {
    component::ReadCollision(start, Parse(json));
    return start;
}

TEST(CollisionReader, ShapesTagsAndResponses) {
    const auto absent = Read("{}");
    EXPECT_EQ(absent.ColliderType, Collision::Rectangle);
    EXPECT_EQ(absent.Size_Offset, glm::vec2(1, 1));
    EXPECT_EQ(absent.ColliderTag, Collision::Platform);
    EXPECT_EQ(absent.Resolution, nullptr);

    const auto circle = Read(R"({"ColliderType": "Circle", "Collider": {"Radius_Offset": 2, "Pos_Offset": [0.5, 1]},
                                 "ColliderTag": "Player", "Resolution": "Player"})");
    EXPECT_EQ(circle.ColliderType, Collision::Circle);
    EXPECT_EQ(circle.Size_Offset, glm::vec2(2, 0));
    EXPECT_EQ(circle.Pos_Offset, glm::vec2(0.5, 1));
    EXPECT_EQ(circle.ColliderTag, Collision::Player);
    EXPECT_EQ(circle.Resolution, &collision::PlayerResponse);

    // Half a circle collider: radius 1, the offset stays as it was.
    Collision before;
    before.Pos_Offset = {7, 7};
    const auto half = Read(R"({"ColliderType": "Circle", "Collider": {"Radius_Offset": 3}})", before);
    EXPECT_EQ(half.Size_Offset.x, 1.0f);
    EXPECT_EQ(half.Pos_Offset, glm::vec2(7, 7));

    const auto box = Read(R"({"ColliderType": "Rectangle", "Collider": {"Size_Offset": [2, 0.5], "Pos_Offset": [0, -1]},
                              "ColliderTag": "MovingPlatform", "Move_Period": [2, 0], "Resolution": "MovingPlatform"})");
    EXPECT_EQ(box.Size_Offset, glm::vec2(2, 0.5));
    EXPECT_EQ(box.Pos_Offset, glm::vec2(0, -1));
    EXPECT_EQ(box.ColliderTag, Collision::MovingPlatform);
    EXPECT_EQ(box.Move_Period, glm::vec2(2, 0));
    EXPECT_EQ(box.Resolution, &collision::PlatformResponse);

    // Unknown strings leave fields alone; Move_Period belongs to moving platforms only.
    Collision hazard;
    hazard.ColliderTag = Collision::Hazard;
    hazard.ColliderType = Collision::Circle;
    hazard.Resolution = &collision::PlayerResponse;
    const auto kept = Read(R"({"ColliderType": "Hexagon", "ColliderTag": "Lava", "Resolution": "Bounce",
                               "Move_Period": [9, 9]})", hazard);
    EXPECT_EQ(kept.ColliderType, Collision::Circle);
    EXPECT_EQ(kept.ColliderTag, Collision::Hazard);
    EXPECT_EQ(kept.Resolution, &collision::PlayerResponse);
    EXPECT_EQ(kept.Move_Period, glm::vec2(0, 0));

    struct Case {
        const char* tag;
        Collision::Tag expected;
    };
    for (const Case c : {Case{"FallingPlatform", Collision::FallingPlatform}, Case{"CheckPoint", Collision::CheckPoint},
                         Case{"Win", Collision::Win}, Case{"Hazard", Collision::Hazard},
                         Case{"Collectable", Collision::Collectable}}) {
        const std::string json = std::string(R"({"ColliderTag": ")") + c.tag + R"(", "Resolution": "FalRec"})";
        const auto read = Read(json.c_str());
        EXPECT_EQ(read.ColliderTag, c.expected) << c.tag;
        EXPECT_EQ(read.Resolution, &collision::PlatformResponse);
    }
}

TEST(CollisionTests, RectanglesPickTheSmallestOverlapWithUpWinningTies) {
    using collision::Box;
    const Box unit{{0, 0}, {0.5f, 0.5f}};
    struct Case {
        glm::vec2 player;
        std::optional<glm::vec2> normal;
    };
    const Case cases[] = {
        {{0, 0}, glm::vec2(0, 1)},  // full overlap: every overlap equal, up wins
        {{0, 0.9f}, glm::vec2(0, 1)},
        {{0, -0.9f}, glm::vec2(0, -1)},
        {{-0.9f, 0}, glm::vec2(-1, 0)},
        {{0.9f, 0.1f}, glm::vec2(1, 0)},
        {{1.0f, 0}, glm::vec2(1, 0)},  // touching edges are a contact
        {{0, 1.0f}, glm::vec2(0, 1)},
        {{1.01f, 0}, std::nullopt},
        {{0, -1.01f}, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto normal = collision::RectangleContact({c.player, {0.5f, 0.5f}}, unit);
        EXPECT_EQ(normal, c.normal) << c.player.x << "," << c.player.y;
    }
}

TEST(CollisionTests, CircleAgainstRectangleUsesTranslationsAndAStrictReach) {
    const glm::vec2 half{2.0f, 0.5f};
    // Centre exactly on the top edge: inside the clamp, distance 0 < r^2, normal up.
    EXPECT_EQ(collision::CircleRectangleContact({1.0f, 0.5f}, 0.5f, {0, 0}, half), glm::vec2(0, 1));
    EXPECT_EQ(collision::CircleRectangleContact({-1.0f, 0.9f}, 0.5f, {0, 0}, half), glm::vec2(0, 1));
    EXPECT_EQ(collision::CircleRectangleContact({0.0f, 1.0f}, 0.5f, {0, 0}, half), std::nullopt);  // exactly r away
    EXPECT_EQ(collision::CircleRectangleContact({2.3f, 0.0f}, 0.5f, {0, 0}, half), glm::vec2(1, 0));
    EXPECT_EQ(collision::CircleRectangleContact({-2.3f, -0.1f}, 0.5f, {0, 0}, half), glm::vec2(-1, 0));
    EXPECT_EQ(collision::CircleRectangleContact({0.5f, -0.7f}, 0.5f, {0, 0}, half), glm::vec2(0, -1));

    EXPECT_EQ(collision::CircleCircleContact({0, 0}, 1, {0, 0}, 1), glm::vec2(0, 1));
    EXPECT_EQ(collision::CircleCircleContact({3, 0}, 1, {0, 0}, 2), std::nullopt);
    const auto n = collision::CircleCircleContact({0, 2}, 1, {0, 0}, 1.5f);
    ASSERT_TRUE(n);
    EXPECT_NEAR(n->y, 1.0f, 1e-6f);
}

// The pass against the real systems, with the player stepped by the state machine as in the game.
class CollisionPass : public testing::Test {
protected:
    PlayerWorld world;
};

TEST_F(CollisionPass, PlatformsWithoutAResponseAreSolidAndTheRectanglePlayerNeverTouchesItself) {
    const Entity player = world.Player(R"("Speed": 5, "Acceleration": 50)", {0.0f, 3.0f});
    world.Step(5);
    EXPECT_FALSE(world.Behavior().WasGrounded) << "alone in the air, the player must not ground itself";
    EXPECT_LT(world.Place().Translation.y, 3.0f);

    world.Ground(-10, 10, 0);
    world.Create(R"({"Transform": {"Translation": [3, 1], "Scale": [1, 2]}, "Physics": {}, "Collision": {}})");  // a wall
    EXPECT_GT(world.StepUntil([&] { return world.Behavior().WasGrounded; }), 0);
    world.Step(30);
    EXPECT_NEAR(world.Place(player).Translation.y, 0.5f, 1e-5f);
    EXPECT_TRUE(world.Behavior().WasGrounded);
    EXPECT_EQ(world.Body().Velocity.y, 0.0f);

    // Running into the wall stops the player at its face.
    world.Hold(GLFW_KEY_RIGHT);
    world.Step(60);
    EXPECT_NEAR(world.Place().Translation.x, 2.0f, 1e-4f);
    EXPECT_LT(world.Body().Velocity.x, 1.0f);
    EXPECT_TRUE(world.Behavior().WasGrounded);
}

TEST_F(CollisionPass, MirroredPlayerCollidesLikeAnUnmirroredOne) {
    world.Player(R"("Speed": 5, "Acceleration": 50)", {0.0f, 2.0f});
    world.Ground(-10, 10, 0);
    world.Place().Scale.x = -1.0f;  // facing left
    world.Step(60);
    EXPECT_NEAR(world.Place().Translation.y, 0.5f, 1e-5f);
    EXPECT_TRUE(world.Behavior().WasGrounded);
}

TEST_F(CollisionPass, CirclePlayerRestsOnTheTopEdgeGroundedEveryFrame) {
    const Entity player = world.Create(R"({"Transform": {"Translation": [0, 1]}, "Physics": {"Acceleration": [0, -20]},
        "Collision": {"ColliderType": "Circle", "Collider": {"Radius_Offset": 1, "Pos_Offset": [0, 0]},
                      "ColliderTag": "Player", "Resolution": "Player"},
        "KeyboardInput": {}, "PlayerBehavior": {}})");
    world.Ground(-10, 10, 0);
    world.StepUntil([&] { return world.Behavior(player).WasGrounded; });
    for (int frame = 0; frame < 60; ++frame) {
        world.Step();
        ASSERT_TRUE(world.Behavior(player).WasGrounded) << "frame " << frame;
        ASSERT_NEAR(world.Place(player).Translation.y, 0.0f, 1e-5f);
    }
}

TEST_F(CollisionPass, PlatformTaggedColliderWithAPlatformResponseKeepsThePlayerOnTop) {
    // Both responses push out; each must send the player to the same side.
    world.Player("", {0.0f, 0.6f});
    world.Ground(-10, 10, 0, "Platform", R"(, "Resolution": "FalRec")");
    world.Step(60);
    EXPECT_NEAR(world.Place().Translation.y, 0.5f, 1e-5f);
    EXPECT_TRUE(world.Behavior().WasGrounded);
}

TEST_F(CollisionPass, HazardsNeverPushOutAndSpareTheImmuneAndTheDying) {
    using component::PlayerState;
    world.Player("", {0.0f, 0.5f}, 0.0f);  // no gravity: it hangs inside the hazard
    world.Create(R"({"Transform": {"Translation": [0, 0.5]}, "Physics": {}, "Collision": {"ColliderTag": "Hazard"}})");
    world.registry().singletons.get<singleton::CheckPoint>().RespawnPosition = {0.0f, 0.5f};

    world.Behavior().Immune = true;
    world.Step(10);
    EXPECT_EQ(world.Place().Translation, glm::vec2(0.0f, 0.5f)) << "never pushed out";
    EXPECT_EQ(world.State(), PlayerState::Airborne);

    world.Behavior().Immune = false;
    world.Step();  // the contact asks for the death; the state machine enters it and respawns at once
    EXPECT_EQ(world.State(), PlayerState::HazardDeath);
    EXPECT_EQ(world.Behavior().NextState, PlayerState::Airborne);
    EXPECT_EQ(world.Place().Translation, glm::vec2(0.0f, 0.5f));
    world.Step();  // still touching, but a dying player is not killed again
    EXPECT_EQ(world.State(), PlayerState::Airborne);
    EXPECT_EQ(world.Behavior().NextState, PlayerState::Airborne);
    world.Step();
    EXPECT_EQ(world.State(), PlayerState::HazardDeath);
}

// The jolt of standing on a falling platform: at most a degree of rotation and a shift of 0.0005
// units for every seed (a C library's RAND_MAX of 2^31 - 1 once sent the world spinning out of view).
TEST(CameraJolt, StaysWithinADegreeAndAHalfThousandthOfAUnitForEverySeed) {
    auto registry = std::make_unique<Registry>();
    const Entity platform = registry->create();
    registry->add<component::Transform>(platform);
    registry->add<component::Physics>(platform).Acceleration.y = -1.0f;  // already falling: the jolt alone
    registry->add<component::Collision>(platform);
    const Entity player = registry->create();
    registry->add<component::Transform>(player);
    registry->add<component::Collision>(player);
    float lowest = 0.0f, highest = 0.0f;
    for (unsigned seed = 0; seed < 4000; ++seed) {
        util::SeedRandom(seed);
        auto& camera = util::GetOrCreateCamera(registry->singletons);
        camera.Position = {0.0f, 0.0f};
        collision::FallingPlatformResponse(platform, player, {0.0f, 1.0f}, *registry);
        const auto& jolted = util::GetOrCreateCamera(registry->singletons);
        ASSERT_GE(jolted.Rotation, -1.0f) << "seed " << seed;
        ASSERT_LE(jolted.Rotation, 1.0f) << "seed " << seed;
        ASSERT_LE(std::abs(jolted.Position.x), 0.0005f + 1e-7f) << "seed " << seed;
        ASSERT_EQ(jolted.Position.y, -jolted.Position.x);
        lowest = std::min(lowest, jolted.Rotation);
        highest = std::max(highest, jolted.Rotation);
    }
    EXPECT_LT(lowest, -0.95f) << "the whole range is used";
    EXPECT_GT(highest, 0.95f);
}

TEST_F(CollisionPass, FallingPlatformFallsAfterTheDelayAndComesBackAtRest) {
    world.Player(R"("Speed": 5, "Acceleration": 50)", {0.0f, 0.6f});
    const Entity platform = world.Create(R"({"Transform": {"Translation": [0, -0.25], "Scale": [3, 0.5]},
        "Physics": {}, "Collision": {"ColliderTag": "FallingPlatform", "Resolution": "FalRec"}})");
    world.Ground(-20, 20, -30);  // far below, to end the fall
    const glm::vec2 home = world.Place(platform).Translation;

    world.StepUntil([&] { return world.Body(platform).Acceleration.y != 0.0f; });
    EXPECT_FLOAT_EQ(world.Body(platform).Acceleration.y, collision::FallingPlatformCreep);
    EXPECT_TRUE(world.Behavior().WasGrounded);
    EXPECT_NE(util::GetOrCreateCamera(world.registry().singletons).Rotation, 0.0f) << "the camera is jolted";

    // After the fall delay it accelerates downwards at 2 units/s^2, carrying the player with it.
    world.Run(0.5f);
    EXPECT_FLOAT_EQ(world.Body(platform).Acceleration.y, collision::FallingPlatformGravity);
    world.Run(1.5f);
    const float dropped = home.y - world.Place(platform).Translation.y;
    EXPECT_NEAR(dropped, 0.5f * 2.0f * 1.5f * 1.5f, 0.15f);
    EXPECT_NEAR(world.Place().Translation.y - world.Place(platform).Translation.y, 0.75f, 1e-3f) << "rides it down";

    // Step off to the side and wait: 15 s after the first touch it is back home, at rest.
    world.Place().Translation = {10.0f, 5.0f};
    world.Run(15.0f - 2.0f - 0.1f);
    EXPECT_NE(world.Place(platform).Translation, home);
    world.Run(0.2f);
    EXPECT_EQ(world.Place(platform).Translation, home);
    EXPECT_EQ(world.Body(platform).Velocity, glm::vec2(0, 0));
    EXPECT_EQ(world.Body(platform).Acceleration, glm::vec2(0, 0));

    // Set off again by the next visit.
    world.Place().Translation = {0.0f, 0.6f};
    world.Body().Velocity = {0, 0};
    EXPECT_GT(world.StepUntil([&] { return world.Body(platform).Acceleration.y != 0.0f; }, 30), 0);
    world.Run(0.6f);
    EXPECT_FLOAT_EQ(world.Body(platform).Acceleration.y, collision::FallingPlatformGravity);
}

TEST_F(CollisionPass, MovingPlatformCarriesAGroundedPlayerByItsStep) {
    world.Player(R"("Speed": 5, "Acceleration": 50)", {0.0f, 0.5f});
    const Entity platform = world.Create(R"({"Transform": {"Translation": [0, -0.25], "Scale": [4, 0.5]},
        "Physics": {"Velocity": [6, 0]}, "Collision": {"ColliderTag": "MovingPlatform", "Resolution": "MovingPlatform"}})");
    world.Step();  // lands: carried only from the next frame on
    EXPECT_TRUE(world.Behavior().WasGrounded);
    EXPECT_NEAR(world.Place().Translation.x, 0.0f, 1e-6f);
    for (int frame = 0; frame < 10; ++frame) {
        const float x = world.Place().Translation.x;
        const float px = world.Place(platform).Translation.x;
        world.Step();
        EXPECT_NEAR(world.Place(platform).Translation.x - px, 0.1f, 1e-5f);
        EXPECT_NEAR(world.Place().Translation.x - x, 0.1f, 1e-5f) << "frame " << frame;
    }
    // Frozen gameplay carries nobody, though the platform's last step is still on record.
    physics::Active(world.registry()) = false;
    const float x = world.Place().Translation.x;
    world.Step(5);
    EXPECT_EQ(world.Place().Translation.x, x);
}

TEST_F(CollisionPass, DebugShapesOutlineRectanglesAndDrawMotion) {
    world.Player("", {0.0f, 5.0f});
    world.Ground(-1, 1, 0);
    world.Create(R"({"Transform": {"Translation": [5, 5]}, "Physics": {"Velocity": [1, 0]},
                     "Collision": {"ColliderType": "Circle", "ColliderTag": "Collectable"}})");
    auto& debug = world.registry().singletons.set(singleton::DebugDraw{});
    world.Step();
    EXPECT_TRUE(debug.rectangles.empty());
    EXPECT_TRUE(debug.lines.empty());

    debug.EnableCollider = true;
    debug.EnableVector = true;
    world.Step();
    EXPECT_EQ(debug.rectangles.size(), 2u) << "player and ground; the circle gets none";
    // The falling player: velocity and gravity; the circle: velocity only.
    EXPECT_EQ(debug.lines.size(), 3u);
    ASSERT_FALSE(debug.rectangles.empty());
    const auto box = debug.rectangles.front();
    EXPECT_EQ(box[2], 1.0f);
    EXPECT_EQ(box[4], 255.0f);
    EXPECT_EQ(box[5], 140.0f);
}

}  // namespace
}  // namespace velkor
