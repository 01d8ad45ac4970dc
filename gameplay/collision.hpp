// Collision: the player's contacts with the level's colliders, and the responses they run.
//
// One active collider, the player (an entity with PlayerBehavior); every other collider is passive
// and only the player touches it. Contacts are axis-aligned: rectangle against rectangle and circle
// against rectangle, with a unit normal along one axis that points from the other collider
// towards the player ((0, 1): the player stands on it). A collider names at most one response,
// which decides what a contact does: push the player out and ground it, carry it on a moving
// platform, set off a falling platform, kill it on a hazard, or hand over to the level's goals
// (gameplay/goals.hpp).
//
// A collider the player can touch needs Physics, Transform and Collision: the pass walks the
// entities that have all three (the player among them). The pass is linear in the number of
// colliders per player, with no spatial structure: a level holds a few hundred colliders at most.
//
// Responses may create and destroy entities (effects): they take entity ids, and nothing here
// keeps a component reference across a response call.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <glm/vec2.hpp>
#include <rapidjson/document.h>

#include "engine/system.hpp"
#include "gameplay/physics.hpp"
#include "serialization/transform.hpp"

namespace velkor::component {

// What runs when a collider is in a contact: (player, other, normal towards the player, registry).
using CollisionResponse = void (*)(Entity player, Entity other, glm::vec2 normal, Registry& registry);

// Every field is zero when the component is created; the reader fills it.
struct Collision {
    enum Tag : std::int32_t {
        Player = 0,
        Platform = 1,  // solid ground and walls
        FallingPlatform = 2,  // falls a moment after being stood on, comes back 15 s later
        MovingPlatform = 3,  // carries whoever stands on it
        CheckPoint = 4,
        Win = 5,
        Hazard = 6,
        Collectable = 7,
        HazardOff = 8,  // a blinking hazard in its off phase: nothing acts on it
    };
    enum Type : std::int32_t { Circle = 0, Rectangle = 1 };

    // Plain 32-bit values holding a Tag and a Type: data and other systems (the blinking hazard)
    // write them as numbers.
    std::int32_t ColliderTag = Player;
    std::int32_t ColliderType = Circle;
    // Rectangle: width and height as multiples of the transform's scale. Circle: x is the radius
    // multiplier ("Radius_Offset"); y is never read from data.
    glm::vec2 Size_Offset{0.0f, 0.0f};
    glm::vec2 Pos_Offset{0.0f, 0.0f};  // centre offset, in units of the collider's own size
    glm::vec2 Move_Period{0.0f, 0.0f};  // moving platforms: seconds between reversals, per axis
    CollisionResponse Resolution = nullptr;
};

// Reads "ColliderType" (with its "Collider" sizes), "ColliderTag" (with "Move_Period" for a moving
// platform) and "Resolution", in that order. Absent type: a rectangle of size (1, 1); absent tag:
// Platform; unknown strings leave the field as it was.
void ReadCollision(Collision& collision, const rapidjson::Value& json);

}  // namespace velkor::component

namespace velkor::collision {

// A rectangle collider in the world: centre and half extents.
struct Box {
    glm::vec2 centre{0.0f, 0.0f};
    glm::vec2 half{0.0f, 0.0f};
};

[[nodiscard]] Box BoxOf(const component::Transform& transform, const component::Collision& collision) noexcept;
[[nodiscard]] float RadiusOf(const component::Transform& transform, const component::Collision& collision) noexcept;

// Rectangle against rectangle: the normal of the smallest overlap (ties: up, down, left, right),
// or none when any overlap is negative. Touching edges are a contact.
[[nodiscard]] std::optional<glm::vec2> RectangleContact(const Box& player, const Box& other) noexcept;
// Circle (centre at the player's translation) against a rectangle centred at the other's
// translation with the given half extents; contact only when the circle strictly reaches in.
[[nodiscard]] std::optional<glm::vec2> CircleRectangleContact(glm::vec2 player, float radius, glm::vec2 other,
                                                              glm::vec2 half) noexcept;
// Two circles: contact when the centres are closer than the sum of the radii; the normal is the
// unit vector from the other's centre to the player's ((0, 1) for coincident centres).
[[nodiscard]] std::optional<glm::vec2> CircleCircleContact(glm::vec2 player, float playerRadius, glm::vec2 other,
                                                           float otherRadius) noexcept;

// Moves the player out of the other collider along an axis-aligned normal and gives it the other's
// velocity on that axis (so it moves with a platform and stops against a wall). Other normals do
// nothing.
void PushOut(Entity player, Entity other, glm::vec2 normal, Registry& registry);

// The responses a collider's "Resolution" names.
void PlayerResponse(Entity player, Entity other, glm::vec2 normal, Registry& registry);
void PlatformResponse(Entity player, Entity self, glm::vec2 normal, Registry& registry);
// Run by the player's response on a falling platform: push-out, camera jolt, and the timed fall
// and return of the platform.
void FallingPlatformResponse(Entity platform, Entity player, glm::vec2 normal, Registry& registry);

// Seconds after the first touch at which a falling platform is put back, at rest.
inline constexpr float FallingPlatformReturnTime = 15.0f;
// Its vertical acceleration once the fall delay has run out, and the creep that marks it as set off.
inline constexpr float FallingPlatformGravity = -2.0f;
inline constexpr float FallingPlatformCreep = -0.0002f;

}  // namespace velkor::collision

namespace velkor::system {

class Collision final : public System<std::tuple<component::Physics, component::Transform, component::Collision>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;

private:
    void QueueDebugShapes(Registry& registry);

    std::vector<Entity> movers_;  // reused every frame; empty outside the pass
    std::vector<Entity> players_;
};

}  // namespace velkor::system
