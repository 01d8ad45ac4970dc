#include "gameplay/collision.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include <glm/common.hpp>

#include "engine/random.hpp"
#include "gameplay/actions.hpp"
#include "gameplay/effects.hpp"
#include "gameplay/goals.hpp"
#include "gameplay/play_state.hpp"
#include "gameplay/player_behavior.hpp"
#include "gameplay/player_death.hpp"
#include "graphics/camera.hpp"
#include "graphics/debug_draw.hpp"
#include "serialization/json_read.hpp"

namespace velkor::component {

namespace {

bool Is(const rapidjson::Value& value, const char* text) {
    return value.GetStringLength() == std::strlen(text) && std::strcmp(value.GetString(), text) == 0;
}

struct TagName {
    const char* name;
    Collision::Tag tag;
};

constexpr TagName TagNames[] = {
    {"Player", Collision::Player},           {"Platform", Collision::Platform},
    {"FallingPlatform", Collision::FallingPlatform}, {"MovingPlatform", Collision::MovingPlatform},
    {"CheckPoint", Collision::CheckPoint},   {"Win", Collision::Win},
    {"Hazard", Collision::Hazard},           {"Collectable", Collision::Collectable},
};

void ReadShape(Collision& collision, const rapidjson::Value& json) {
    const rapidjson::Value* type = json::Find(json, "ColliderType");
    if (!type || !type->IsString()) {
        collision.ColliderType = Collision::Rectangle;
        collision.Size_Offset = {1.0f, 1.0f};
        return;
    }
    const rapidjson::Value* shape = json::Find(json, "Collider");
    const rapidjson::Value empty(rapidjson::kObjectType);
    const rapidjson::Value& collider = shape ? *shape : empty;
    if (Is(*type, "Circle")) {
        collision.ColliderType = Collision::Circle;
        float radius = 0.0f;
        glm::vec2 offset{0.0f, 0.0f};
        // Both or neither: a half-written collider keeps the old offset and a radius of 1.
        if (json::ReadFloat(collider, "Radius_Offset", radius) && json::ReadVec2(collider, "Pos_Offset", offset)) {
            collision.Size_Offset.x = radius;
            collision.Pos_Offset = offset;
        } else {
            collision.Size_Offset.x = 1.0f;
        }
    } else if (Is(*type, "Rectangle")) {
        collision.ColliderType = Collision::Rectangle;
        glm::vec2 size{0.0f, 0.0f};
        glm::vec2 offset{0.0f, 0.0f};
        if (json::ReadVec2(collider, "Size_Offset", size) && json::ReadVec2(collider, "Pos_Offset", offset)) {
            collision.Size_Offset = size;
            collision.Pos_Offset = offset;
        } else {
            collision.Size_Offset = {1.0f, 1.0f};
        }
    }
}

}  // namespace

void ReadCollision(Collision& collision, const rapidjson::Value& json) {
    ReadShape(collision, json);

    const rapidjson::Value* tag = json::Find(json, "ColliderTag");
    if (!tag || !tag->IsString()) {
        collision.ColliderTag = Collision::Platform;
    } else {
        for (const TagName& entry : TagNames)
            if (Is(*tag, entry.name)) collision.ColliderTag = entry.tag;
        if (Is(*tag, "MovingPlatform")) json::ReadVec2(json, "Move_Period", collision.Move_Period);
    }

    const rapidjson::Value* resolution = json::Find(json, "Resolution");
    if (resolution && resolution->IsString()) {
        if (Is(*resolution, "Player")) collision.Resolution = &collision::PlayerResponse;
        if (Is(*resolution, "FalRec") || Is(*resolution, "MovingPlatform"))
            collision.Resolution = &collision::PlatformResponse;
    }
}

}  // namespace velkor::component

namespace velkor::collision {

using component::Collision;

// Sizes use the scale's magnitude: a negative scale mirrors the picture (a sprite facing left),
// not the collider. Offsets keep the sign and mirror with it.
Box BoxOf(const component::Transform& t, const Collision& c) noexcept {
    return {{t.Translation.x + t.Scale.x * c.Pos_Offset.x * c.Size_Offset.x,
             t.Translation.y + t.Scale.y * c.Pos_Offset.y * c.Size_Offset.y},
            0.5f * glm::abs(t.Scale) * c.Size_Offset};
}

float RadiusOf(const component::Transform& t, const Collision& c) noexcept {
    return 0.5f * std::abs(t.Scale.x) * c.Size_Offset.x;
}

std::optional<glm::vec2> RectangleContact(const Box& p, const Box& o) noexcept {
    const float down = (p.centre.y + p.half.y) - (o.centre.y - o.half.y);
    const float up = (o.centre.y + o.half.y) - (p.centre.y - p.half.y);
    const float left = (p.centre.x + p.half.x) - (o.centre.x - o.half.x);
    const float right = (o.centre.x + o.half.x) - (p.centre.x - p.half.x);
    if (down < 0.0f || up < 0.0f || left < 0.0f || right < 0.0f) return std::nullopt;
    // Strict comparisons keep the earlier candidate on a tie: up, down, left, right.
    glm::vec2 normal{0.0f, 1.0f};
    float least = up;
    if (down < least) least = down, normal = {0.0f, -1.0f};
    if (left < least) least = left, normal = {-1.0f, 0.0f};
    if (right < least) normal = {1.0f, 0.0f};
    return normal;
}

std::optional<glm::vec2> CircleRectangleContact(glm::vec2 player, float radius, glm::vec2 other,
                                                glm::vec2 half) noexcept {
    const glm::vec2 d = player - other;
    const glm::vec2 c{std::clamp(d.x, -half.x, half.x), std::clamp(d.y, -half.y, half.y)};
    const glm::vec2 gap = d - c;
    if (!(radius * radius > gap.x * gap.x + gap.y * gap.y)) return std::nullopt;
    if (std::abs(c.x / half.x) > std::abs(c.y / half.y)) return glm::vec2{c.x > 0.0f ? 1.0f : -1.0f, 0.0f};
    return glm::vec2{0.0f, c.y > 0.0f ? 1.0f : -1.0f};
}

std::optional<glm::vec2> CircleCircleContact(glm::vec2 player, float playerRadius, glm::vec2 other,
                                             float otherRadius) noexcept {
    const glm::vec2 d = player - other;
    const float reach = playerRadius + otherRadius;
    const float distance2 = d.x * d.x + d.y * d.y;
    if (!(distance2 < reach * reach)) return std::nullopt;
    if (distance2 == 0.0f) return glm::vec2{0.0f, 1.0f};
    return d / std::sqrt(distance2);
}

void PushOut(Entity player, Entity other, glm::vec2 n, Registry& registry) {
    if (!registry.has<component::Transform>(player) || !registry.has<Collision>(player) ||
        !registry.has<component::Transform>(other) || !registry.has<Collision>(other))
        return;
    // Copies: the two lookups below may touch the same pools.
    const component::Transform b = registry.get<component::Transform>(other);
    const Collision bc = registry.get<Collision>(other);
    const glm::vec2 bVelocity =
        registry.has<component::Physics>(other) ? registry.get<component::Physics>(other).Velocity : glm::vec2(0.0f);
    const Collision ac = registry.get<Collision>(player);
    component::Transform& a = registry.get<component::Transform>(player);

    // A circle player brings its radius multiplier and a zero height, so it rests with its centre
    // on the other's edge. The other's offset is scaled by the player's sizes, not its own.
    const glm::vec2 sA = ac.Size_Offset;
    const glm::vec2 halfA = 0.5f * glm::abs(a.Scale) * sA;
    const glm::vec2 halfB = 0.5f * glm::abs(b.Scale) * bc.Size_Offset;
    const glm::vec2 offA = a.Scale * ac.Pos_Offset * sA;
    const glm::vec2 offB = b.Scale * bc.Pos_Offset * sA;

    int axis = -1;
    if (n.y == 1.0f) {
        a.Translation.y = b.Translation.y + halfB.y + halfA.y + offB.y - offA.y, axis = 1;
    } else if (n.y == -1.0f) {
        a.Translation.y = b.Translation.y - halfB.y - halfA.y + offB.y - offA.y, axis = 1;
    } else if (n.x == 1.0f) {
        a.Translation.x = b.Translation.x + halfB.x + halfA.x + offB.x - offA.x, axis = 0;
    } else if (n.x == -1.0f) {
        a.Translation.x = b.Translation.x - halfB.x - halfA.x + offB.x - offA.x, axis = 0;
    }
    if (axis < 0) return;
    a.Dirty = true;
    if (registry.has<component::Physics>(player)) registry.get<component::Physics>(player).Velocity[axis] = bVelocity[axis];
}

namespace {

void SetGrounded(Entity player, Registry& registry) {
    if (registry.has<component::PlayerBehavior>(player)) registry.get<component::PlayerBehavior>(player).Grounded = true;
}

// An action on a falling platform acts only if it is still the same entity and the respawn has
// not put the platform back since the action was queued.
struct PlatformHandle {
    util::EntityHandle entity;
    std::uint32_t placement = 0;

    static PlatformHandle Of(Registry& registry, Entity platform) {
        return {util::EntityHandle::Of(registry, platform), util::FallingPlatformGeneration(registry, platform)};
    }
    template <class C>
    C* Get(Registry& registry) const {
        if (!entity.alive(registry) || !registry.has<C>(entity.id)) return nullptr;
        if (util::FallingPlatformGeneration(registry, entity.id) != placement) return nullptr;
        return &registry.get<C>(entity.id);
    }
};

// Puts the platform back where it is now, at rest, when the return time has passed.
void ScheduleReturn(Entity platform, Registry& registry) {
    const glm::vec2 home = registry.get<component::Transform>(platform).Translation;
    const PlatformHandle handle = PlatformHandle::Of(registry, platform);
    auto& root = util::RootActions(registry);
    root.AddTimedAction(FallingPlatformReturnTime).Callbacks.push_back([&registry, handle, home] {
        if (auto* t = handle.Get<component::Transform>(registry)) t->SetTranslation(home);
    });
    root.AddTimedAction(FallingPlatformReturnTime).Callbacks.push_back([&registry, handle] {
        if (auto* physics = handle.Get<component::Physics>(registry)) physics->Acceleration.y = physics->Velocity.y = 0.0f;
    });
}

void JoltCamera(Registry& registry) {
    auto& camera = util::GetOrCreateCamera(registry.singletons);
    // At most one degree either way, and a shift of at most 0.0005 units.
    camera.Rotation = static_cast<float>(util::Random15()) / 16383.5f - 1.0f;
    const float r2 = static_cast<float>(util::Random15()) / 32766998.0f - 0.0005f;
    camera.Position.x += r2;
    camera.Position.y -= r2;
}

}  // namespace

void FallingPlatformResponse(Entity platform, Entity player, glm::vec2 n, Registry& registry) {
    PushOut(player, platform, n, registry);
    JoltCamera(registry);
    if (!registry.has<component::Physics>(platform) || !registry.has<component::Transform>(platform)) return;

    if (registry.get<component::Physics>(platform).Acceleration.y == 0.0f) {
        ScheduleReturn(platform, registry);
        util::PlayLevelSound(registry, "FallingPlatform", 0.8f);
        // Looked up again: the actions and the sound above may have touched the registry.
        registry.get<component::Physics>(platform).Acceleration.y = FallingPlatformCreep;
    }
    const float delay = util::EnsureLevel(registry).FallDelayTime;
    const PlatformHandle handle = PlatformHandle::Of(registry, platform);
    util::RootActions(registry).AddTimedAction(delay).Callbacks.push_back([&registry, handle] {
        if (auto* physics = handle.Get<component::Physics>(registry)) physics->Acceleration.y = FallingPlatformGravity;
    });
}

void PlayerResponse(Entity player, Entity other, glm::vec2 n, Registry& registry) {
    if (!registry.has<Collision>(other)) return;
    const Collision oc = registry.get<Collision>(other);
    if (oc.ColliderType != Collision::Rectangle) return;
    switch (oc.ColliderTag) {
        case Collision::FallingPlatform:
            if (n.y == 1.0f) SetGrounded(player, registry);
            FallingPlatformResponse(other, player, n, registry);
            break;
        case Collision::CheckPoint:
            util::CheckpointResponse(other, registry);
            break;
        case Collision::Win:
            util::GoalResponse(other, registry);
            break;
        case Collision::Collectable:
            util::CollectableResponse(other, registry);
            break;
        case Collision::Hazard:
            // Not while dying or finishing, never when immune: the death rules decide.
            if (registry.has<component::PlayerBehavior>(player) &&
                util::RequestEnding(registry.get<component::PlayerBehavior>(player), util::Ending::HazardDeath))
                util::PlayLevelSound(registry, "Hazard", 1.0f);
            break;
        case Collision::MovingPlatform:
            if (n.y == 1.0f) {
                const bool wasGrounded = registry.has<component::PlayerBehavior>(player) &&
                                         registry.get<component::PlayerBehavior>(player).WasGrounded;
                // Ride along: the platform's step this frame, unless the player only just landed.
                if (wasGrounded && physics::Active(registry) && registry.has<component::Physics>(other) &&
                    registry.has<component::Transform>(player)) {
                    const auto& platform = registry.get<component::Physics>(other);
                    const glm::vec2 step =
                        registry.get<component::Transform>(other).Translation - platform.PreviousTranslation;
                    auto& t = registry.get<component::Transform>(player);
                    t.Translation += step;
                    t.Dirty = true;
                }
                SetGrounded(player, registry);
            }
            PushOut(player, other, n, registry);
            break;
        case Collision::Player:
        case Collision::Platform:
            if (n.y == 1.0f) SetGrounded(player, registry);
            PushOut(player, other, n, registry);
            break;
        default:  // a switched-off hazard, or a tag no response knows
            break;
    }
}

void PlatformResponse(Entity player, Entity self, glm::vec2 n, Registry& registry) {
    if (!registry.has<Collision>(self) || registry.get<Collision>(self).ColliderTag != Collision::Platform) return;
    // The pass hands this collider the normal seen from its side (towards itself); the player
    // leaves on the far side of that, the same way the player's own response pushes it.
    PushOut(player, self, -n, registry);
}

}  // namespace velkor::collision

namespace velkor::system {

void Collision::InitHook(Registry&) {}

void Collision::UpdateHook(float, View& view) {
    Registry& registry = view.get_registry();
    movers_.assign(view.begin(), view.end());

    auto& players = registry.pool<component::PlayerBehavior>();
    auto& transforms = registry.pool<component::Transform>();
    auto& colliders = registry.pool<component::Collision>();
    // Copies of both lists: responses may create or destroy entities, which moves pool contents,
    // but the pass keeps to the players and colliders there were when it began.
    players_.assign(players.entities().begin(), players.entities().end());
    for (const Entity player : players_) {
        for (const Entity other : movers_) {
            // The player is one of the movers; a collider never touches itself.
            if (other == player) continue;
            if (!transforms.contains(player) || !colliders.contains(player)) break;
            if (!colliders.contains(other) || !transforms.contains(other)) continue;
            const component::Collision& pc = colliders.get(player);
            const component::Collision& oc = colliders.get(other);
            const component::Transform& pt = transforms.get(player);
            const component::Transform& ot = transforms.get(other);

            std::optional<glm::vec2> normal;
            if (pc.ColliderType == component::Collision::Rectangle && oc.ColliderType == component::Collision::Rectangle) {
                normal = collision::RectangleContact(collision::BoxOf(pt, pc), collision::BoxOf(ot, oc));
            } else if (pc.ColliderType == component::Collision::Circle && oc.ColliderType == component::Collision::Rectangle) {
                normal = collision::CircleRectangleContact(pt.Translation, collision::RadiusOf(pt, pc), ot.Translation,
                                                           collision::BoxOf(ot, oc).half);
            } else if (pc.ColliderType == component::Collision::Circle && oc.ColliderType == component::Collision::Circle) {
                normal = collision::CircleCircleContact(pt.Translation, collision::RadiusOf(pt, pc), ot.Translation,
                                                        collision::RadiusOf(ot, oc));
            }
            if (!normal) continue;

            // Both responses run with (player, other); each looks up what it needs afresh.
            const auto playerResponse = pc.Resolution;
            const auto otherResponse = oc.Resolution;
            if (playerResponse) playerResponse(player, other, *normal, registry);
            if (otherResponse && colliders.contains(other)) otherResponse(player, other, -*normal, registry);
        }
    }
    QueueDebugShapes(registry);
    movers_.clear();
    players_.clear();
}

void Collision::QueueDebugShapes(Registry& registry) {
    auto& singletons = registry.singletons;
    if (!singletons.has<singleton::DebugDraw>()) return;
    auto& debug = singletons.get<singleton::DebugDraw>();
    if (!debug.EnableCollider && !debug.EnableVector) return;
    for (const Entity e : movers_) {
        if (!registry.has<component::Collision>(e) || !registry.has<component::Transform>(e)) continue;
        const component::Collision& c = registry.get<component::Collision>(e);
        const collision::Box box = collision::BoxOf(registry.get<component::Transform>(e), c);
        if (debug.EnableCollider && c.ColliderType == component::Collision::Rectangle)
            util::QueueRectangle(debug, box.centre, 2.0f * box.half, {255.0f, 140.0f, 0.0f}, 0.0f);
        if (debug.EnableVector && registry.has<component::Physics>(e)) {
            const auto& physics = registry.get<component::Physics>(e);
            if (physics.Velocity != glm::vec2(0.0f))
                util::QueueLine(debug, box.centre, box.centre + 0.3f * physics.Velocity, {255.0f, 165.0f, 255.0f});
            if (physics.Acceleration != glm::vec2(0.0f))
                util::QueueLine(debug, box.centre, box.centre + 0.3f * physics.Acceleration, {255.0f, 0.0f, 0.0f});
        }
    }
}

void Collision::ShutdownHook(Registry&) { movers_.clear(); }

}  // namespace velkor::system
