#include "gameplay/goals.hpp"

#include <memory>
#include <random>

#include <glm/mat4x4.hpp>
#include <glm/vec4.hpp>

#include <string>

#include "engine/trace.hpp"
#include "gameplay/actions.hpp"
#include "gameplay/effects.hpp"
#include "gameplay/play_state.hpp"
#include "gameplay/player_behavior.hpp"
#include "gameplay/player_death.hpp"
#include "graphics/camera.hpp"
#include "graphics/components.hpp"
#include "graphics/sprite_sheet.hpp"
#include "serialization/prefab.hpp"
#include "serialization/transform.hpp"

namespace velkor::util {

namespace {

constexpr const char* CheckpointEffect = "Data/Entities/CheckpointVFX.json";
constexpr const char* WinEffect = "Data/Entities/Victory/WinVFX.json";
constexpr const char* PickupEffect = "Data/Entities/CollectableVFX.json";
constexpr const char* FlyingEffect = "Data/Entities/CollectableCollectedEffect.json";
constexpr const char* CounterEffect = "Data/Entities/CollectableHUDVFX.json";

// Where on screen the flying effect lands: the collectible counter.
constexpr glm::vec2 CounterPosition{0.085f, 0.95f};
constexpr float FlightTime = 1.0f;

// Picks the flight's curve; its own generator with the standard default seed, for the whole run.
int FlightCoin() {
    static std::mt19937 generator;
    static std::uniform_int_distribution<int> coin(0, 1);
    return coin(generator);
}

std::string Where(glm::vec2 p) { return std::to_string(p.x) + " " + std::to_string(p.y); }

glm::vec2 TranslationOr(Registry& registry, Entity e, glm::vec2 fallback) {
    return registry.has<component::Transform>(e) ? registry.get<component::Transform>(e).Translation : fallback;
}

// A checkpoint or the goal is used once per level load: its sprite-sheet frame turns from 0 to 1.
bool Unused(Registry& registry, Entity e) {
    return registry.has<component::SpriteSheet>(e) && registry.get<component::SpriteSheet>(e).Index == 0;
}

void MarkUsed(Registry& registry, Entity e) {
    if (registry.has<component::SpriteSheet>(e)) registry.get<component::SpriteSheet>(e).Index = 1;
}

// Destroys entity e after `seconds`, unless it is gone (or its identifier reused) by then.
void DestroyAfter(Registry& registry, Entity e, float seconds) {
    RootActions(registry).AddTimedAction(seconds).Callbacks.push_back(DestroyEntityLater(registry, e));
}

Target<float> TranslationAxis(Registry& registry, Entity e, int axis) {
    if (axis == 0)
        return Target<float>::Field<component::Transform>(registry, e, [](component::Transform& t) {
            t.Dirty = true;
            return &t.Translation.x;
        });
    return Target<float>::Field<component::Transform>(registry, e, [](component::Transform& t) {
        t.Dirty = true;
        return &t.Translation.y;
    });
}

Target<glm::vec2> ScaleOf(Registry& registry, Entity e) {
    return Target<glm::vec2>::Field<component::Transform>(registry, e, [](component::Transform& t) {
        t.Dirty = true;
        return &t.Scale;
    });
}

// Sends the flying effect from the item's place on screen to the counter, then counts the item.
void FlyToCounter(Registry& registry, Entity collectable, Entity flying) {
    const EntityHandle item = EntityHandle::Of(registry, collectable);
    const glm::vec2 from = TranslationOr(registry, flying, {});
    const glm::vec2 scale = registry.has<component::Transform>(flying)
                                ? registry.get<component::Transform>(flying).Scale
                                : glm::vec2{1.0f, 1.0f};
    const bool lit = registry.has<component::Light>(collectable);
    const float strength = lit ? registry.get<component::Light>(collectable).Strength : 0.0f;

    ActionQueue& flight = RootActions(registry).AddQueue();
    auto together = std::make_unique<ActionGroup>();
    const bool rootFirst = FlightCoin() == 0;
    const Easing xEasing = rootFirst ? &EaseSquareRoot : &EaseQuadratic;
    const Easing yEasing = rootFirst ? &EaseQuadratic : &EaseSquareRoot;
    together->AddInterpolation(TranslationAxis(registry, flying, 0), from.x, CounterPosition.x, FlightTime, xEasing);
    together->AddInterpolation(TranslationAxis(registry, flying, 1), from.y, CounterPosition.y, FlightTime, yEasing);
    if (lit)
        together->AddInterpolation(Target<float>::Member(registry, collectable, &component::Light::Strength),
                                   strength, 0.0f, FlightTime, &EaseQuadratic);
    // Swells, then shrinks: both steps are made now from the same start, and each adds its change
    // to wherever the scale stands, so it ends near 0.7 of the start.
    ActionQueue& pulse = together->AddQueue();
    pulse.AddInterpolation(ScaleOf(registry, flying), scale, 1.5f * scale, 0.5f * FlightTime);
    pulse.AddInterpolation(ScaleOf(registry, flying), scale, 0.2f * scale, 0.5f * FlightTime);
    flight.Push(std::move(together));

    auto arrived = std::make_unique<TimedAction>(FlightTime);
    arrived->Rate = std::numeric_limits<float>::infinity();
    arrived->Callbacks.push_back(DestroyEntityLater(registry, flying));
    arrived->Callbacks.push_back([&registry, item, strength, lit] {
        // The level the item belonged to has been left: nothing of it is counted or lit again.
        if (!item.alive(registry)) return;
        if (registry.singletons.has<singleton::Level>()) {
            const int collected = ++registry.singletons.get<singleton::Level>().collected;
            Trace("Collected " + std::to_string(collected) + "\n");
        }
        const rapidjson::Document prefab = ReadJsonFile(CounterEffect);
        DestroyAfter(registry, CreateEntity(prefab, registry), 1.2f);
        if (lit && registry.has<component::Light>(item.id)) {
            auto& light = registry.get<component::Light>(item.id);
            light.Strength = strength;
            light.Enabled = false;
        }
    });
    flight.Push(std::move(arrived));
}

// The item's place on screen, -1 to 1 across: the camera's view, then its view size.
glm::vec2 OnScreen(Registry& registry, glm::vec2 world) {
    const singleton::Camera& camera = CreateCamera(registry.singletons);
    if (camera.ViewWidth <= 0.0f || camera.ViewHeight <= 0.0f) return {0.0f, 0.0f};
    const glm::vec4 clip = ProjectionMatrix(camera) * ViewMatrix(camera) * glm::vec4(world, 0.0f, 1.0f);
    return {clip.x, clip.y};
}

}  // namespace

float CollectablePitch(int collected, int required) {
    if (required == 0) return 0.0f;
    return 0.02f * static_cast<float>(collected) / static_cast<float>(required);
}

void CheckpointResponse(Entity checkpoint, Registry& registry) {
    if (!Unused(registry, checkpoint)) return;
    if (registry.has<component::Light>(checkpoint)) {
        glm::vec3& color = registry.get<component::Light>(checkpoint).Color;
        color.r = 0.0f;  // a white light turns green
        color.b = 0.0f;
    }
    const glm::vec2 at = TranslationOr(registry, checkpoint, {});
    DestroyAfter(registry, SpawnEffect(registry, CheckpointEffect, at), 0.6f);
    MarkUsed(registry, checkpoint);  // looked up again: the effect may have moved the pools
    PlayLevelSound(registry, "CheckpointReached", 0.6f);
    auto& singletons = registry.singletons;
    if (!singletons.has<singleton::CheckPoint>()) singletons.set(singleton::CheckPoint{});
    singletons.get<singleton::CheckPoint>().RespawnPosition = at;
    Trace("Checkpoint reached at " + Where(at) + "\n");
    // Items taken so far stay taken for good.
    if (singletons.has<singleton::Level>()) singletons.get<singleton::Level>().takenCollectables.clear();
}

void GoalResponse(Entity goal, Registry& registry) {
    if (!Unused(registry, goal)) return;
    auto& players = registry.pool<component::PlayerBehavior>();
    if (players.size() > 0) {
        // A player already dying does not finish; the goal waits for it to come back.
        if (!RequestEnding(players.get(players.entities().front()), Ending::Finish)) return;
    }
    MarkUsed(registry, goal);
    Trace("Goal reached\n");
    PlayLevelSound(registry, "Win", 1.0f);
    (void)RootActions(registry);
    SpawnEffect(registry, WinEffect, TranslationOr(registry, goal, {}));
    if (registry.singletons.has<singleton::Level>()) registry.singletons.get<singleton::Level>().timerRunning = false;
}

void CollectableResponse(Entity collectable, Registry& registry) {
    if (!registry.has<component::Graphics>(collectable) || !registry.get<component::Graphics>(collectable).Renderable)
        return;
    {
        singleton::Level& level = util::EnsureLevel(registry);
        PlayLevelSound(registry, "Collectable", 1.0f, CollectablePitch(level.collected, level.CollectiblesRequred));
        if (level.collected == 0) level.timeLeft = level.MaxTime;
    }
    const glm::vec2 at = TranslationOr(registry, collectable, {});
    DestroyAfter(registry, SpawnEffect(registry, PickupEffect, at), 1.0f);
    const Entity flying = SpawnEffect(registry, FlyingEffect, OnScreen(registry, at));
    FlyToCounter(registry, collectable, flying);
    // Fetched again: the effects above created entities.
    registry.get<component::Graphics>(collectable).Renderable = false;
    util::EnsureLevel(registry).takenCollectables.push_back(collectable);
}

}  // namespace velkor::util
