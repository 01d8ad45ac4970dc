// The slot for developer cheats that act on the player.
//
// Two cheats, switched on from the developer overlay: immune (hazards and deaths have no effect)
// and infinite jump (holding jump in the air keeps the jump going). While a cheat is on, this
// system forces the player's matching `PlayerBehavior` field to true every frame, so a player
// created later (a respawn, a level switch) gets it too; switching it off gives the player back the
// value its prefab set.
#pragma once

#include <optional>

#include "engine/system.hpp"
#include "gameplay/player_behavior.hpp"
#include "serialization/transform.hpp"

namespace velkor::singleton {

// The developer's cheat switches.
struct DeveloperCheats {
    bool Immune = false;
    bool InfiniteJump = false;
};

}  // namespace velkor::singleton

namespace velkor::util {

// The first entity with `PlayerBehavior` and `Transform`, if any.
[[nodiscard]] std::optional<Entity> FindPlayer(Registry& registry);

}  // namespace velkor::util

namespace velkor::system {

class CheatCodes final : public System<std::tuple<component::Transform, component::PlayerBehavior>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;

private:
    // One cheat as applied to one player: which player (entity and generation, so a reused
    // identifier is not mistaken for it) and the value the cheat replaced.
    struct Applied {
        bool active = false;
        Entity entity = entity::MaxEntities;
        std::uint32_t generation = 0;
        bool saved = false;
    };
    static void Apply(Registry& registry, Entity player, bool on, bool& field, Applied& applied);

    Applied immune_;
    Applied infiniteJump_;
};

}  // namespace velkor::system
