#include "gameplay/player_behavior.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>

#include "audio/audio.hpp"
#include "engine/trace.hpp"
#include "gameplay/physics.hpp"
#include "gameplay/player_animation.hpp"
#include "gameplay/player_death.hpp"
#include "graphics/camera_follow.hpp"
#include "levels/level.hpp"
#include "levels/level_manager.hpp"
#include "serialization/json_read.hpp"
#include "serialization/prefab.hpp"

namespace velkor::component {

namespace {

// A boolean key is true only when its value is the literal true; an absent key keeps the field.
void ReadFlag(const rapidjson::Value& json, const char* key, bool& out) {
    if (const rapidjson::Value* v = json::Find(json, key)) out = v->IsTrue();
}

}  // namespace

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
    ReadFlag(json, "Immune", p.Immune);
    ReadFlag(json, "InfiniteJump", p.InfiniteJump);
    ReadFlag(json, "SkipWindup", p.SkipWindup);
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

void PlayOwnSound(Entity e, const char* name, float volume, Registry& registry, int* channel = nullptr) {
    if (!registry.has<component::Audio>(e)) return;
    const int played = audio::PlaySound(audio::FindSound(&registry.get<component::Audio>(e), name), volume, 0.0f,
                                        audio::SFX);
    if (channel) *channel = played;
}

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

void EnterPhysics(Entity e, PlayerState from, PlayerState to, Registry& registry) {
    if (!registry.has<component::Physics>(e)) return;
    auto& p = registry.get<component::PlayerBehavior>(e);
    auto& physics = registry.get<component::Physics>(e);

    if (from == PlayerState::Dash) physics.Acceleration.y = p.SavedGravity;
    if (from == PlayerState::Idle) p.CurrentAction.Reset();
    // Coyote time only after running off a ledge; a jump leaves upwards and gets none.
    if (to == PlayerState::Airborne && from != PlayerState::Dash) p.StateTimer = physics.Velocity.y < 0.0f ? p.CoyoteTime : -1.0f;
    if (to == PlayerState::Dash) {
        const auto& input = registry.get<component::Input>(e);
        const float asked = input.Moving ? input.Direction.x : physics.Acceleration.x;
        const float r = asked < 0.0f ? -1.0f : 1.0f;
        p.SavedGravity = physics.Acceleration.y;
        if (registry.has<component::Transform>(e)) {
            physics.Acceleration = {0.0f, 0.0f};
            physics.Velocity = {0.0f, 0.0f};
            const float x = registry.get<component::Transform>(e).Translation.x;
            p.CurrentAction.Reset(Interpolate(util::Target<float>::Field<component::Transform>(registry, e, &TranslationX),
                                              x, x + r * p.DashDistance, p.DashDistance / p.DashSpeed,
                                              &util::EaseLogistic));
        } else {
            physics.Velocity = {r * p.DashSpeed, 0.0f};
            physics.Acceleration.y = 0.0f;
            p.StateTimer = p.DashDistance / p.DashSpeed;
        }
        PlayOwnSound(e, "Dash", 1.0f, registry);
        Face(e, r, registry);
    }
    if (to == PlayerState::HazardDeath) {
        physics.Velocity = {0.0f, 0.0f};
        p.SavedGravity = physics.Acceleration.y;
        physics.Acceleration = {0.0f, 0.0f};
    }
    if (from == PlayerState::FallDeath) physics.Velocity = {0.0f, 0.0f};
    if (to == PlayerState::Idle) {
        physics.Acceleration.x = 0.0f;
        const float v = physics.Velocity.x;
        p.CurrentAction.Reset(Interpolate(util::Target<float>::Field<component::Physics>(registry, e, &VelocityX), v,
                                          0.0f, std::abs(v) / p.SlowRate, &util::EaseSquareRoot));
    }
    if (to == PlayerState::Finish) {
        physics.Acceleration.x = 0.0f;
        physics.Velocity.x = 0.0f;
        p.CurrentAction.Reset();
    }
    if (to == PlayerState::JumpWindup) {
        p.StateTimer = player::WindupTime / p.JumpWindupScalar;
        physics.Velocity.x *= p.JumpWindupSlowdown;
        physics.Acceleration.x = 0.0f;
    }
    if (from == PlayerState::JumpWindup) physics.Velocity.x /= p.JumpWindupSlowdown;
}

void EnterCamera(Entity e, PlayerState from, PlayerState to, Registry& registry) {
    if (!registry.has<component::CameraFollow>(e)) return;
    auto& p = registry.get<component::PlayerBehavior>(e);
    auto& follow = registry.get<component::CameraFollow>(e);
    // The camera stays where the player fell out of view, and follows again after the respawn.
    if (to == PlayerState::FallDeath) p.SavedGravity = follow.LERP, follow.LERP = 0.0f;
    if (from == PlayerState::FallDeath) follow.LERP = p.SavedGravity;
}

void RequestWinScreen(Registry& registry) {
    if (!registry.singletons.has<singleton::GameState>()) return;
    if (registry.singletons.get<singleton::GameState>().pendingLevel == levels::LevelIndex::WinScreen) return;
    levels::RequestLevelAfter(registry, levels::LevelIndex::WinScreen, player::WinScreenDelay);
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

}  // namespace

void PlayerBehavior::InitHook(Registry& registry) { (void)physics::Active(registry); }

void PlayerBehavior::ShutdownHook(Registry&) { footstep_ = {}; }

void PlayerBehavior::StopFootstep() {
    // Only our own steps: once they end, the channel may carry the music or a voice.
    footstep_.sound.Stop();
    footstep_ = {};
}

void PlayerBehavior::ForgetStaleFootstep(Registry& registry) {
    if (!footstep_.sound.Started()) return;
    // The player is gone (its level was left): its steps go with it.
    if (!footstep_.owner.alive(registry)) return StopFootstep();
    if (!footstep_.sound.Playing()) footstep_ = {};
}

void PlayerBehavior::Transition(Entity e, PlayerState from, PlayerState to, Registry& registry) {
    auto& p = registry.get<component::PlayerBehavior>(e);
    // An immune player is never allowed into a death, whoever asked for it.
    if ((to == PlayerState::HazardDeath || to == PlayerState::FallDeath) && p.Immune) {
        p.NextState = to = PlayerState::Idle;
        if (from == to) return;
    }
    EnterAnimation(e, from, to, registry);
    EnterPhysics(e, from, to, registry);

    if (registry.has<component::Audio>(e) && from == PlayerState::JumpWindup) PlayOwnSound(e, "Jump", 1.0f, registry);
    if (to == PlayerState::Run && registry.has<component::Audio>(e)) {
        StopFootstep();
        int channel = -1;
        PlayOwnSound(e, "Footstep", 0.75f, registry, &channel);
        if (channel >= 0) footstep_ = {audio::HeldChannel::Of(channel), util::EntityHandle::Of(registry, e)};
    } else if (to != PlayerState::Run) {
        StopFootstep();
    }

    EnterCamera(e, from, to, registry);
    TraceTransition(e, from, to, registry);
    auto& after = registry.get<component::PlayerBehavior>(e);
    after.State = after.NextState;
}

void PlayerBehavior::UpdateHook(float dt, View& view) {
    Registry& registry = view.get_registry();
    ForgetStaleFootstep(registry);
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
    const bool hasPhysics = registry.has<component::Physics>(e);
    const bool animated = registry.has<component::Animation>(e);
    const component::Input input = registry.get<component::Input>(e);
    const float d = input.Direction.x;

    // Any call below that creates entities (respawn, dust) or queues actions ends with a fresh
    // lookup: pools move their elements when they grow.
    const auto behavior = [&]() -> component::PlayerBehavior& { return registry.get<component::PlayerBehavior>(e); };
    const auto body = [&]() -> component::Physics& { return registry.get<component::Physics>(e); };

    if (hasPhysics) {
        const auto jumpCheck = [&] {
            auto& p = behavior();
            if (input.Jump) {
                if (p.SkipWindup) {
                    body().Velocity.y = p.JumpForce;
                    PlayOwnSound(e, "Jump", 1.0f, registry);
                    behavior().NextState = PlayerState::Airborne;
                } else {
                    p.NextState = PlayerState::JumpWindup;
                }
            }
            if (!behavior().Grounded) behavior().NextState = PlayerState::Airborne;
        };
        const auto die = [&](bool restoreGravity) {
            component::Animation* animation = AnimationOf(e, registry);
            if (animation && !player_animation::Completed(*animation)) return;
            util::Respawn(registry);
            if (animation = AnimationOf(e, registry); animation) player_animation::ClearTrack(*animation);
            behavior().NextState = PlayerState::Airborne;
            // A hazard death switched gravity off; without it the player would float from the
            // checkpoint for good.
            if (restoreGravity) body().Acceleration.y = behavior().SavedGravity;
        };

        switch (behavior().State) {
            case PlayerState::Idle: {
                auto& p = behavior();
                if (util::ActionBase* action = p.CurrentAction.get()) {
                    action->Update(dt);
                    if (action->Done) p.CurrentAction.Reset();
                }
                if (input.Moving) p.NextState = PlayerState::Run;
                jumpCheck();
                break;
            }
            case PlayerState::Run: {
                auto& p = behavior();
                auto& physics = body();
                if (input.Moving && d != 0.0f) {
                    physics.Acceleration.x = d * p.Acceleration * (Opposes(d, physics.Velocity.x) ? p.TurnSpeed : 1.0f);
                } else {
                    p.NextState = PlayerState::Idle;
                }
                jumpCheck();
                break;
            }
            case PlayerState::JumpWindup: {
                auto& p = behavior();
                if (!p.Grounded || p.StateTimer < 0.0f) {
                    p.StateTimer = 0.0f;
                    body().Velocity.y = p.JumpForce;
                    p.NextState = PlayerState::Airborne;
                }
                // Letting go during the wind-up cancels the jump.
                if (!input.Jump) p.NextState = PlayerState::Run, p.StateTimer = 0.0f;
                break;
            }
            case PlayerState::Airborne: {
                auto& p = behavior();
                auto& physics = body();
                if (p.InfiniteJump && input.Jump) physics.Velocity.y = p.JumpForce;
                if (p.Grounded) break;
                if (p.StateTimer >= 0.0f && input.Jump) p.NextState = PlayerState::JumpWindup, p.StateTimer = 0.0f;
                if (input.Moving) {
                    physics.Acceleration.x = p.Acceleration * d * p.AirControl * (Opposes(d, physics.Velocity.x) ? p.TurnSpeed : 1.0f);
                    Face(e, d, registry);
                } else {
                    physics.Acceleration.x = 0.0f;
                }
                auto& q = behavior();
                auto& v = body().Velocity;
                if (!input.Jump) v.y = std::min(v.y, q.JumpReleaseCap);
                if (q.CanDash && input.Dash && q.DashSpeed > 0.0f) q.NextState = PlayerState::Dash;
                break;
            }
            case PlayerState::HazardDeath: die(true); break;
            case PlayerState::FallDeath: die(false); break;
            case PlayerState::Dash: {
                auto& p = behavior();
                if (util::ActionBase* action = p.CurrentAction.get()) {
                    action->Update(dt);
                    if (action->Done) {
                        p.CurrentAction.Reset();
                        p.NextState = PlayerState::Airborne;
                        p.CanDash = false;
                        body().Acceleration.y = p.SavedGravity;
                    }
                } else if (p.StateTimer <= 0.0f) {
                    p.CanDash = false;
                    body().Velocity.x = 0.0f;
                    body().Acceleration.y = p.SavedGravity;
                    p.NextState = PlayerState::Airborne;
                }
                break;
            }
            case PlayerState::Finish: break;
        }

        auto& p = behavior();
        if (p.State != PlayerState::Dash) {
            auto& v = body().Velocity;
            v.x = std::clamp(v.x, -p.Speed, p.Speed);
        }
        p.StateTimer -= dt;
    }

    // Follow-up: facing, the apex animation, landing and the finish.
    switch (behavior().State) {
        case PlayerState::Run: Face(e, d, registry); break;
        case PlayerState::Airborne:
            if (!hasPhysics) break;
            if (animated) {
                component::Animation& animation = *AnimationOf(e, registry);
                if (body().Velocity.y <= 0.0f && player_animation::Current(animation) == "jump/jump_idle")
                    player_animation::Set(animation, "jump/jump_apex", false);
            }
            if (behavior().Grounded) {
                if (animated) {
                    RaiseDust(e, registry);
                    PlayOwnSound(e, "Land", 0.5f, registry);
                }
                behavior().NextState = PlayerState::Idle;
            }
            break;
        case PlayerState::Finish:
            // Without a skeleton there is no finish animation to wait for.
            if (!animated || player_animation::Completed(*AnimationOf(e, registry))) RequestWinScreen(registry);
            break;
        default: break;
    }

    auto& p = behavior();
    if (p.Grounded) p.CanDash = true;
    p.WasGrounded = p.Grounded;
    p.Grounded = false;
}

}  // namespace velkor::system
