#include "gameplay/player_sound.hpp"

#include "gameplay/physics.hpp"
#include "gameplay/player_behavior.hpp"

namespace velkor::player_sound {

using component::PlayerState;

int Play(Entity e, const char* name, float volume, Registry& registry) {
    if (!registry.has<component::Audio>(e)) return -1;
    return audio::PlaySound(audio::FindSound(&registry.get<component::Audio>(e), name), volume, 0.0f, audio::SFX);
}

void Footsteps::Start(Entity e, Registry& registry) {
    Stop();
    const int channel = Play(e, "Footstep", 0.75f, registry);
    if (channel >= 0) sound_ = audio::HeldChannel::Of(channel), owner_ = util::EntityHandle::Of(registry, e);
}

void Footsteps::Stop() {
    sound_.Stop();
    *this = {};
}

void Footsteps::ForgetStale(Registry& registry) {
    if (!sound_.Started()) return;
    if (!owner_.alive(registry)) return Stop();
    if (!sound_.Playing()) *this = {};
}

void OnTransition(Entity e, PlayerState from, PlayerState to, Footsteps& footsteps, Registry& registry) {
    // Only a body can dash: without one the state passes silently.
    if (to == PlayerState::Dash && registry.has<component::Physics>(e)) Play(e, "Dash", 1.0f, registry);
    if (from == PlayerState::JumpWindup) Play(e, "Jump", 1.0f, registry);
    if (to == PlayerState::Run && registry.has<component::Audio>(e))
        footsteps.Start(e, registry);
    else if (to != PlayerState::Run)
        footsteps.Stop();
}

}  // namespace velkor::player_sound
