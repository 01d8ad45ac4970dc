#include "gameplay/player_behavior.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>

#include "engine/trace.hpp"
#include "gameplay/physics.hpp"
#include "gameplay/play_state.hpp"
#include "gameplay/player_animation.hpp"
#include "gameplay/player_death.hpp"
#include "gameplay/player_sound.hpp"
#include "gameplay/camera_follow.hpp"
#include "serialization/json_read.hpp"
#include "serialization/prefab.hpp"

namespace velkor::component {

void ReadPlayerBehavior(PlayerBehavior& p, const rapidjson::Value& json) {
    if (!json.IsObject()) return;
    json::ReadFloat(json, "Acceleration", p.Acceleration);
    json::ReadFloat(json, "Speed", p.Speed);
    json::ReadFloat(json, "TurnSpeed", p.TurnSpeed);
    json::ReadFloat(json, "AirControl", p.AirControl);
    json::ReadFloat(json, "JumpForce", p.JumpForce);
    json::ReadFloat(json, "DashDistance", p.DashDistance);
    json::ReadFloat(json, "DashSpeed", p.DashSpeed);
    json::ReadFloat(json, "JumpWindupScalar", p.JumpWindupScalar);
    json::ReadFloat(json, "JumpWindupSlowdown", p.JumpWindupSlowdown);
    json::ReadFloat(json, "CoyoteTime", p.CoyoteTime);
    json::ReadFlag(json, "Immune", p.Immune);
    json::ReadFlag(json, "InfiniteJump", p.InfiniteJump);
    json::ReadFlag(json, "SkipWindup", p.SkipWindup);
    json::ReadFloat(json, "SlowRate", p.SlowRate);

    // The wind-up divides by its slowdown when it ends and by its scalar when it starts.
    if (p.JumpWindupSlowdown == 0.0f) {
        Trace("PlayerBehavior: JumpWindupSlowdown 0 would divide by zero; using 1\n");
        p.JumpWindupSlowdown = 1.0f;
    }
    if (!(p.JumpWindupScalar > 0.0f)) {
        Trace("PlayerBehavior: JumpWindupScalar " + std::to_string(p.JumpWindupScalar) +
              " would make an endless wind-up; using 1\n");
        p.JumpWindupScalar = 1.0f;
    }
    if (!(p.DashSpeed > 0.0f)) Trace("PlayerBehavior: DashSpeed " + std::to_string(p.DashSpeed) + " is not positive; no dash\n");
    if (!(p.SlowRate > 0.0f)) {
        Trace("PlayerBehavior: SlowRate " + std::to_string(p.SlowRate) + " is not positive; using 10\n");
        p.SlowRate = 10.0f;
    }
}

}  // namespace velkor::component

namespace velkor::system {

namespace {

using component::PlayerState;

constexpr const char* StateNames[] = {"Idle", "Run", "JumpWindup", "Airborne", "HazardDeath", "FallDeath", "Dash", "Finish"};

const char* NameOf(PlayerState state) {
    const auto i = static_cast<std::size_t>(state);
    return i < std::size(StateNames) ? StateNames[i] : "?";
}

// One line per state change, with where it happened: enough to follow a run from the trace.
void TraceTransition(Entity e, PlayerState from, PlayerState to, Registry& registry) {
    const glm::vec2 at = registry.has<component::Transform>(e) ? registry.get<component::Transform>(e).Translation
                                                                 : glm::vec2(0.0f);
    char line[160];
    std::snprintf(line, sizeof line, "Player: %s -> %s at %.2f, %.2f\n", NameOf(from), NameOf(to), at.x, at.y);
    Trace(line);
}

component::Animation* AnimationOf(Entity e, Registry& registry) {
    return registry.has<component::Animation>(e) ? &registry.get<component::Animation>(e) : nullptr;
}

// Faces the skeleton, or for a player drawn as a plain sprite, mirrors its transform.
void Face(Entity e, float direction, Registry& registry) {
    if (direction == 0.0f) return;
    if (component::Animation* animation = AnimationOf(e, registry)) {
        player_animation::Face(*animation, direction);
    } else if (registry.has<component::Transform>(e)) {
        auto& t = registry.get<component::Transform>(e);
        const float x = direction < 0.0f ? -std::abs(t.Scale.x) : std::abs(t.Scale.x);
        if (x != t.Scale.x) t.Scale.x = x, t.Dirty = true;
    }
}

bool Opposes(float direction, float velocity) {
    return (direction > 0.0f && velocity < 0.0f) || (direction < 0.0f && velocity > 0.0f);
}

std::unique_ptr<util::ActionBase> Interpolate(util::Target<float> target, float from, float to, float duration,
                                              util::Easing easing) {
    return std::make_unique<util::InterpolateAction<float>>(std::move(target), from, to, duration, easing);
}

float* VelocityX(component::Physics& physics) { return &physics.Velocity.x; }
float* TranslationX(component::Transform& transform) {
    transform.Dirty = true;
    return &transform.Translation.x;
}

// Runs an animation's time scale back to 1 once the wind-up's length has passed.
void ResetTimeScaleLater(Entity e, float delay, Registry& registry) {
    const auto handle = util::EntityHandle::Of(registry, e);
    util::RootActions(registry).AddTimedAction(delay).Callbacks.push_back([&registry, handle] {
        if (handle.alive(registry) && registry.has<component::Animation>(handle.id))
            player_animation::SetTimeScale(registry.get<component::Animation>(handle.id), 1.0f);
    });
}

void EnterAnimation(Entity e, PlayerState from, PlayerState to, Registry& registry) {
    component::Animation* animation = AnimationOf(e, registry);
    if (!animation) return;
    const float scalar = registry.get<component::PlayerBehavior>(e).JumpWindupScalar;
    switch (to) {
        case PlayerState::Idle: player_animation::Set(*animation, "idle", true); break;
        case PlayerState::Run: player_animation::Set(*animation, "run", true); break;
        case PlayerState::JumpWindup:
            player_animation::Set(*animation, "jump/jump_idle", false);
            player_animation::SetTimeScale(*animation, scalar);
            break;
        case PlayerState::Airborne:
            if (player_animation::Current(*animation) != "jump/jump_idle") {
                player_animation::Set(*animation, "jump/jump_idle", false);
                player_animation::SetTimeScale(*animation, scalar);
                ResetTimeScaleLater(e, player::WindupTime / scalar, registry);
                animation = AnimationOf(e, registry);
            }
            break;
        case PlayerState::HazardDeath:
        case PlayerState::FallDeath: player_animation::Set(*animation, "dead", false); break;
        case PlayerState::Dash: player_animation::Set(*animation, "dash", false); break;
        case PlayerState::Finish: player_animation::Set(*animation, "finish", false); break;
    }
    // The wind-up's pace belongs to the jump's first animation. Whatever else follows plays at its
    // own speed, even before the timed reset has come (a death or a dash just after take-off).
    if (from == PlayerState::JumpWindup || (to != PlayerState::JumpWindup && to != PlayerState::Airborne))
        player_animation::SetTimeScale(*animation, 1.0f);
}

// Dust where the player lands: a puff behind each foot, unless the landing runs fast to one side,
// which only raises dust behind it. Each puff is destroyed after its short life.
void RaiseDust(Entity e, Registry& registry) {
    const float vx = registry.has<component::Physics>(e) ? registry.get<component::Physics>(e).Velocity.x : 0.0f;
    const glm::vec2 at = registry.has<component::Transform>(e) ? registry.get<component::Transform>(e).Translation
                                                                 : glm::vec2(0.0f);
    const rapidjson::Document prefab = ReadJsonFile(player::DustPrefab);
    util::TimedAction& life = util::RootActions(registry).AddTimedAction(player::DustLifetime);
    for (const bool mirrored : {false, true}) {
        if (mirrored ? !(vx < player::DustSpeedLimit) : !(vx > -player::DustSpeedLimit)) continue;
        const Entity dust = CreateEntity(prefab, registry);
        if (dust == NoEntity) continue;
        auto& t = registry.get_or_add<component::Transform>(dust);
        if (mirrored) t.Translation.x = -t.Translation.x, t.Scale.x = -t.Scale.x;
        t.Translation += at;
        t.Dirty = true;
        life.Callbacks.push_back(util::DestroyEntityLater(registry, dust));
    }
}

// One player in one update or state change. Anything that creates entities (respawn, dust) or
// queues actions can move pool elements, so components are looked up afresh on every use.
struct Turn {
    Entity e;
    Registry& registry;
    float dt = 0.0f;
    component::Input input{};
    // The velocity when the state change began, before the old state's exit touched it.
    glm::vec2 velocityBefore{0.0f, 0.0f};

    component::PlayerBehavior& behavior() const { return registry.get<component::PlayerBehavior>(e); }
    component::Physics& body() const { return registry.get<component::Physics>(e); }
    float direction() const { return input.Direction.x; }
};

// A state's parts. enter and exit shape the body (and the camera) when the state begins or ends;
// move steers the body every update (players with a Physics component only); after follows
// every update with what depends on the move's outcome. Any part may be absent.
struct StateRow {
    void (*enter)(Turn&, PlayerState from);
    void (*exit)(Turn&, PlayerState to);
    void (*move)(Turn&);
    void (*after)(Turn&);
    // The exit undoes a factor on the velocity, so it runs after the next state's enter has set
    // the velocity it starts with.
    bool exitAfterEnter;
};

// The jump on the ground: at once, or through the wind-up; running off the ground is airborne.
void JumpCheck(Turn& t) {
    auto& p = t.behavior();
    if (t.input.Jump) {
        if (p.SkipWindup) {
            t.body().Velocity.y = p.JumpForce;
            player_sound::Play(t.e, "Jump", 1.0f, t.registry);
            t.behavior().NextState = PlayerState::Airborne;
        } else {
            p.NextState = PlayerState::JumpWindup;
        }
    }
    if (!t.behavior().Grounded) t.behavior().NextState = PlayerState::Airborne;
}

// A death lasts as long as its animation; then the player is put back at the checkpoint.
void Die(Turn& t, bool restoreGravity) {
    component::Animation* animation = AnimationOf(t.e, t.registry);
    if (animation && !player_animation::Completed(*animation)) return;
    util::Respawn(t.registry);
    if (animation = AnimationOf(t.e, t.registry); animation) player_animation::ClearTrack(*animation);
    t.behavior().NextState = PlayerState::Airborne;
    // A hazard death switched gravity off; without it the player would float from the
    // checkpoint for good.
    if (restoreGravity) t.body().Acceleration.y = t.behavior().SavedGravity;
}

// Runs the state's action (the slow-down, the dash) one step; whether it has just ended.
bool StepAction(Turn& t) {
    auto& p = t.behavior();
    util::ActionBase* action = p.CurrentAction.get();
    if (!action) return false;
    action->Update(t.dt);
    if (!action->Done) return false;
    p.CurrentAction.Reset();
    return true;
}

// Idle: the run's speed eases to a stop along a square-root curve.
void EnterIdle(Turn& t, PlayerState) {
    auto& p = t.behavior();
    auto& physics = t.body();
    physics.Acceleration.x = 0.0f;
    const float v = physics.Velocity.x;
    p.CurrentAction.Reset(Interpolate(util::Target<float>::Field<component::Physics>(t.registry, t.e, &VelocityX), v,
                                      0.0f, std::abs(v) / p.SlowRate, &util::EaseSquareRoot));
}
void ExitIdle(Turn& t, PlayerState) { t.behavior().CurrentAction.Reset(); }
void MoveIdle(Turn& t) {
    StepAction(t);
    if (t.input.Moving) t.behavior().NextState = PlayerState::Run;
    JumpCheck(t);
}

void MoveRun(Turn& t) {
    auto& p = t.behavior();
    auto& physics = t.body();
    const float d = t.direction();
    if (t.input.Moving && d != 0.0f) {
        physics.Acceleration.x = d * p.Acceleration * (Opposes(d, physics.Velocity.x) ? p.TurnSpeed : 1.0f);
    } else {
        p.NextState = PlayerState::Idle;
    }
    JumpCheck(t);
}
void AfterRun(Turn& t) { Face(t.e, t.direction(), t.registry); }

// The wind-up crouches: the run slows by JumpWindupSlowdown until the jump leaves.
void EnterJumpWindup(Turn& t, PlayerState) {
    auto& p = t.behavior();
    auto& physics = t.body();
    p.StateTimer = player::WindupTime / p.JumpWindupScalar;
    physics.Velocity.x *= p.JumpWindupSlowdown;
    physics.Acceleration.x = 0.0f;
}
void ExitJumpWindup(Turn& t, PlayerState) { t.body().Velocity.x /= t.behavior().JumpWindupSlowdown; }
void MoveJumpWindup(Turn& t) {
    auto& p = t.behavior();
    if (!p.Grounded || p.StateTimer < 0.0f) {
        p.StateTimer = 0.0f;
        t.body().Velocity.y = p.JumpForce;
        p.NextState = PlayerState::Airborne;
    }
    // Letting go during the wind-up cancels the jump.
    if (!t.input.Jump) p.NextState = PlayerState::Run, p.StateTimer = 0.0f;
}

// Coyote time only after running off a ledge; a jump leaves upwards and gets none.
void EnterAirborne(Turn& t, PlayerState from) {
    if (from != PlayerState::Dash) t.behavior().StateTimer = t.velocityBefore.y < 0.0f ? t.behavior().CoyoteTime : -1.0f;
}
void MoveAirborne(Turn& t) {
    auto& p = t.behavior();
    auto& physics = t.body();
    const float d = t.direction();
    if (p.InfiniteJump && t.input.Jump) physics.Velocity.y = p.JumpForce;
    if (p.Grounded) return;
    if (p.StateTimer >= 0.0f && t.input.Jump) p.NextState = PlayerState::JumpWindup, p.StateTimer = 0.0f;
    if (t.input.Moving) {
        physics.Acceleration.x = p.Acceleration * d * p.AirControl * (Opposes(d, physics.Velocity.x) ? p.TurnSpeed : 1.0f);
        Face(t.e, d, t.registry);
    } else {
        physics.Acceleration.x = 0.0f;
    }
    auto& q = t.behavior();
    auto& v = t.body().Velocity;
    if (!t.input.Jump) v.y = std::min(v.y, q.JumpReleaseCap);
    if (q.CanDash && t.input.Dash && q.DashSpeed > 0.0f) q.NextState = PlayerState::Dash;
}
// The apex animation on the way down; dust and the landing sound on touching ground.
void AfterAirborne(Turn& t) {
    if (!t.registry.has<component::Physics>(t.e)) return;
    const bool animated = t.registry.has<component::Animation>(t.e);
    if (animated) {
        component::Animation& animation = *AnimationOf(t.e, t.registry);
        if (t.body().Velocity.y <= 0.0f && player_animation::Current(animation) == "jump/jump_idle")
            player_animation::Set(animation, "jump/jump_apex", false);
    }
    if (t.behavior().Grounded) {
        if (animated) {
            RaiseDust(t.e, t.registry);
            player_sound::Play(t.e, "Land", 0.5f, t.registry);
        }
        t.behavior().NextState = PlayerState::Idle;
    }
}

// A hazard stops the player where it stands, with gravity off until the respawn.
void EnterHazardDeath(Turn& t, PlayerState) {
    auto& p = t.behavior();
    auto& physics = t.body();
    physics.Velocity = {0.0f, 0.0f};
    p.SavedGravity = physics.Acceleration.y;
    physics.Acceleration = {0.0f, 0.0f};
}
void MoveHazardDeath(Turn& t) { Die(t, true); }

// The camera stays where the player fell out of view, and follows again after the respawn.
void EnterFallDeath(Turn& t, PlayerState) {
    if (!t.registry.has<component::CameraFollow>(t.e)) return;
    auto& follow = t.registry.get<component::CameraFollow>(t.e);
    t.behavior().SavedGravity = follow.LERP, follow.LERP = 0.0f;
}
void ExitFallDeath(Turn& t, PlayerState) {
    if (t.registry.has<component::Physics>(t.e)) t.body().Velocity = {0.0f, 0.0f};
    if (t.registry.has<component::CameraFollow>(t.e))
        t.registry.get<component::CameraFollow>(t.e).LERP = t.behavior().SavedGravity;
}
void MoveFallDeath(Turn& t) { Die(t, false); }

// The dash: along the transform by an eased action, or for a player without one, at DashSpeed for
// the dash's time; gravity is off throughout.
void EnterDash(Turn& t, PlayerState) {
    auto& p = t.behavior();
    auto& physics = t.body();
    const float asked = t.input.Moving ? t.input.Direction.x : physics.Acceleration.x;
    const float r = asked < 0.0f ? -1.0f : 1.0f;
    p.SavedGravity = physics.Acceleration.y;
    if (t.registry.has<component::Transform>(t.e)) {
        physics.Acceleration = {0.0f, 0.0f};
        physics.Velocity = {0.0f, 0.0f};
        const float x = t.registry.get<component::Transform>(t.e).Translation.x;
        p.CurrentAction.Reset(Interpolate(util::Target<float>::Field<component::Transform>(t.registry, t.e, &TranslationX),
                                          x, x + r * p.DashDistance, p.DashDistance / p.DashSpeed,
                                          &util::EaseLogistic));
    } else {
        physics.Velocity = {r * p.DashSpeed, 0.0f};
        physics.Acceleration.y = 0.0f;
        p.StateTimer = p.DashDistance / p.DashSpeed;
    }
    Face(t.e, r, t.registry);
}
void ExitDash(Turn& t, PlayerState) { t.body().Acceleration.y = t.behavior().SavedGravity; }
void MoveDash(Turn& t) {
    auto& p = t.behavior();
    if (p.CurrentAction) {
        if (StepAction(t)) {
            p.NextState = PlayerState::Airborne;
            p.CanDash = false;
            t.body().Acceleration.y = p.SavedGravity;
        }
    } else if (p.StateTimer <= 0.0f) {
        p.CanDash = false;
        t.body().Velocity.x = 0.0f;
        t.body().Acceleration.y = p.SavedGravity;
        p.NextState = PlayerState::Airborne;
    }
}

void EnterFinish(Turn& t, PlayerState) {
    auto& physics = t.body();
    physics.Acceleration.x = 0.0f;
    physics.Velocity.x = 0.0f;
    t.behavior().CurrentAction.Reset();
}
// Without a skeleton there is no finish animation to wait for.
void AfterFinish(Turn& t) {
    component::Animation* animation = AnimationOf(t.e, t.registry);
    if (!animation || player_animation::Completed(*animation)) util::ReportFinished(t.registry);
}

// Indexed by PlayerState.
constexpr StateRow States[] = {
    /* Idle */ {&EnterIdle, &ExitIdle, &MoveIdle, nullptr, false},
    /* Run */ {nullptr, nullptr, &MoveRun, &AfterRun, false},
    /* JumpWindup */ {&EnterJumpWindup, &ExitJumpWindup, &MoveJumpWindup, nullptr, true},
    /* Airborne */ {&EnterAirborne, nullptr, &MoveAirborne, &AfterAirborne, false},
    /* HazardDeath */ {&EnterHazardDeath, nullptr, &MoveHazardDeath, nullptr, false},
    /* FallDeath */ {&EnterFallDeath, &ExitFallDeath, &MoveFallDeath, nullptr, false},
    /* Dash */ {&EnterDash, &ExitDash, &MoveDash, nullptr, false},
    /* Finish */ {&EnterFinish, nullptr, nullptr, &AfterFinish, false},
};
static_assert(std::size(States) == std::size(StateNames));

const StateRow& RowOf(PlayerState state) { return States[static_cast<std::size_t>(state)]; }

}  // namespace

void PlayerBehavior::InitHook(Registry& registry) { (void)physics::Active(registry); }

void PlayerBehavior::ShutdownHook(Registry&) { footsteps_ = {}; }

void PlayerBehavior::Transition(Entity e, PlayerState from, PlayerState to, Registry& registry) {
    auto& p = registry.get<component::PlayerBehavior>(e);
    // An immune player is never allowed into a death, whoever asked for it.
    if ((to == PlayerState::HazardDeath || to == PlayerState::FallDeath) && p.Immune) {
        p.NextState = to = PlayerState::Idle;
        if (from == to) return;
    }
    EnterAnimation(e, from, to, registry);

    Turn turn{e, registry, 0.0f, registry.get<component::Input>(e)};
    const StateRow& leaving = RowOf(from);
    const StateRow& entering = RowOf(to);
    const bool body = registry.has<component::Physics>(e);
    if (body) {
        turn.velocityBefore = turn.body().Velocity;
        if (leaving.exit && !leaving.exitAfterEnter) leaving.exit(turn, to);
        if (entering.enter) entering.enter(turn, from);
        if (leaving.exit && leaving.exitAfterEnter) leaving.exit(turn, to);
    } else if (to == PlayerState::FallDeath || from == PlayerState::FallDeath) {
        // The camera's part of a fall death needs no body.
        if (to == PlayerState::FallDeath) EnterFallDeath(turn, from);
        if (from == PlayerState::FallDeath) ExitFallDeath(turn, to);
    }

    player_sound::OnTransition(e, from, to, footsteps_, registry);
    TraceTransition(e, from, to, registry);
    auto& after = registry.get<component::PlayerBehavior>(e);
    after.State = after.NextState;
}

void PlayerBehavior::UpdateHook(float dt, View& view) {
    Registry& registry = view.get_registry();
    footsteps_.ForgetStale(registry);
    if (!physics::Active(registry)) return;
    // A copy: landing dust and respawn effects create entities while we walk.
    players_.assign(view.begin(), view.end());
    for (const Entity e : players_)
        if (registry.has<component::PlayerBehavior>(e) && registry.has<component::Input>(e)) UpdatePlayer(e, dt, registry);
    players_.clear();
}

void PlayerBehavior::UpdatePlayer(Entity e, float dt, Registry& registry) {
    {
        const auto& p = registry.get<component::PlayerBehavior>(e);
        if (p.State != p.NextState) Transition(e, p.State, p.NextState, registry);
    }
    Turn turn{e, registry, dt, registry.get<component::Input>(e)};

    if (registry.has<component::Physics>(e)) {
        if (const auto move = RowOf(turn.behavior().State).move) move(turn);
        auto& p = turn.behavior();
        if (p.State != PlayerState::Dash) {
            auto& v = turn.body().Velocity;
            v.x = std::clamp(v.x, -p.Speed, p.Speed);
        }
        p.StateTimer -= dt;
    }
    if (const auto after = RowOf(turn.behavior().State).after) after(turn);

    auto& p = turn.behavior();
    if (p.Grounded) p.CanDash = true;
    p.WasGrounded = p.Grounded;
    p.Grounded = false;
}

}  // namespace velkor::system
