// PlayerBehavior: the player's state machine (idle, run, jump wind-up, airborne, two deaths, dash,
// finish). It turns the player's movement intent (component::Input) into accelerations and
// velocities for the next frame's physics step, reads the Grounded flag that this frame's
// collision responses set, and chooses sounds, facing, landing dust and the skeletal animation.
//
// State changes take effect at the start of the next update (NextState), so every state lasts at
// least one frame. Other code requests states too: the hazard response (HazardDeath), the goal
// (Finish) and the fall check (FallDeath).
//
// Each state's parts (enter, exit, the move every update and what follows it) stand in one table
// indexed by PlayerState. A finish that has played out is reported to the level through the play
// state (gameplay/play_state.hpp); the level decides which screen follows.
//
// Companions on the player's entity, each used only when present: Physics (all motion), Transform
// (the dash), Animation (through gameplay/player_animation.hpp), Audio (sounds by name: "Jump",
// "Dash", "Footstep", "Land", through gameplay/player_sound.hpp) and CameraFollow (stopped during a
// fall death).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <rapidjson/document.h>

#include "audio/audio.hpp"
#include "engine/system.hpp"
#include "gameplay/actions.hpp"
#include "gameplay/input.hpp"
#include "gameplay/player_sound.hpp"

namespace velkor::component {

enum class PlayerState : std::int32_t {
    Idle = 0,
    Run = 1,
    JumpWindup = 2,
    Airborne = 3,
    HazardDeath = 4,
    FallDeath = 5,
    Dash = 6,
    Finish = 7,
};

// An action owned by one component. Copying a component (prefab copies, prototypes) gives the copy
// no action: an action drives fields of one entity and cannot be shared.
class OwnedAction {
public:
    OwnedAction() = default;
    OwnedAction(const OwnedAction&) noexcept {}
    OwnedAction& operator=(const OwnedAction&) noexcept {
        action_.reset();
        return *this;
    }
    OwnedAction(OwnedAction&&) noexcept = default;
    OwnedAction& operator=(OwnedAction&&) noexcept = default;
    ~OwnedAction() = default;

    void Reset(std::unique_ptr<util::ActionBase> action = nullptr) noexcept { action_ = std::move(action); }
    [[nodiscard]] util::ActionBase* get() const noexcept { return action_.get(); }
    explicit operator bool() const noexcept { return action_ != nullptr; }

private:
    std::unique_ptr<util::ActionBase> action_;
};

struct PlayerBehavior {
    float JumpReleaseCap = 1.0f;  // vertical velocity cap while airborne with jump up
    OwnedAction CurrentAction;  // the deceleration to a stop, or the dash movement
    bool Grounded = false;  // a contact with normal (0, 1) this frame; cleared after each update
    bool WasGrounded = false;  // Grounded at the end of the previous update
    PlayerState State = PlayerState::HazardDeath;  // a new player enters Idle at its first update
    PlayerState NextState = PlayerState::Idle;
    float Acceleration = 0.0f;  // units/s^2 on the ground
    float Speed = 0.0f;  // top horizontal speed
    float TurnSpeed = 0.0f;  // factor on the acceleration while it opposes the velocity
    float AirControl = 1.5f;  // factor on the acceleration in the air
    float JumpForce = 0.0f;  // take-off vertical velocity
    float DashDistance = 0.0f;
    float DashSpeed = 0.0f;  // a dash lasts DashDistance / DashSpeed s; not positive: no dash
    float StateTimer = 0.0f;  // wind-up, coyote time, velocity dash
    float CoyoteTime = 0.0f;  // seconds after running off a ledge in which a jump still works
    float SavedGravity = 0.0f;  // vertical acceleration during a dash or hazard death; camera LERP in a fall death
    float SlowRate = 10.0f;  // units/s^2: deceleration to a stop
    float JumpWindupScalar = 1.0f;  // the wind-up lasts WindupTime / JumpWindupScalar s
    float JumpWindupSlowdown = 0.1f;  // factor on the horizontal velocity during the wind-up
    bool SkipWindup = true;  // a jump from the ground leaves at once
    bool CanDash = true;  // refilled whenever grounded
    bool Immune = false;  // hazards and deaths have no effect
    bool InfiniteJump = false;  // holding jump in the air keeps setting the jump velocity
};

// Reads "Acceleration", "Speed", "TurnSpeed", "AirControl", "JumpForce", "DashDistance",
// "DashSpeed", "JumpWindupScalar", "JumpWindupSlowdown", "CoyoteTime", "Immune", "InfiniteJump",
// "SkipWindup" and "SlowRate"; a missing key keeps the field. Values that would break the state
// machine are traced and made safe: a zero slowdown (it divides) and a non-positive wind-up scalar
// become 1; a non-positive dash speed stays and means "no dash".
void ReadPlayerBehavior(PlayerBehavior& player, const rapidjson::Value& json);

}  // namespace velkor::component

namespace velkor::player {

// The wind-up's length at scalar 1 (the length of the skeleton's jump start).
inline constexpr float WindupTime = 0.23333333f;
inline constexpr const char* DustPrefab = "Data/Entities/DustVFX.json";
inline constexpr float DustLifetime = 0.5f;
// Landing faster than this to one side raises dust only on the other side.
inline constexpr float DustSpeedLimit = 3.0f;
// How long the finished player stays in view before the level shows the win screen.
inline constexpr float WinScreenDelay = 0.6f;

}  // namespace velkor::player

namespace velkor::system {

class PlayerBehavior final : public System<std::tuple<component::PlayerBehavior, component::Input>> {
public:
    // The footstep loop this system started, for tests and tools.
    [[nodiscard]] int FootstepChannel() const noexcept { return footsteps_.Channel(); }

protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;

private:
    void UpdatePlayer(Entity e, float dt, Registry& registry);
    // Leaves one state for the next: the animation, the old state's exit and the new one's enter
    // (gameplay/player_behavior.cpp's table), the sounds and the trace line.
    void Transition(Entity e, component::PlayerState from, component::PlayerState to, Registry& registry);

    player_sound::Footsteps footsteps_;
    std::vector<Entity> players_;  // reused every frame
};

}  // namespace velkor::system
