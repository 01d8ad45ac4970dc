// What the player's state machine plays: its own sounds by name ("Jump", "Dash", "Footstep",
// "Land") from the Audio component on its entity, and the footstep loop, which belongs to the
// player whose steps it is and to no one else once it has ended.
#pragma once

#include <cstdint>

#include "audio/audio.hpp"
#include "engine/registry.hpp"
#include "gameplay/actions.hpp"

namespace velkor::component {
enum class PlayerState : std::int32_t;
}

namespace velkor::player_sound {

// Plays one of the entity's sounds once, if it has an Audio component; the channel, or -1.
int Play(Entity e, const char* name, float volume, Registry& registry);

// The running footstep loop (its channel is reused once it ends) and whose steps they are.
class Footsteps {
public:
    // Starts the loop for e, ending the one before.
    void Start(Entity e, Registry& registry);
    // Ends our own loop only: once it has ended, the channel may carry the music or a voice.
    void Stop();
    // Forgets a loop that has ended, and ends one whose player is gone (its level was left).
    void ForgetStale(Registry& registry);
    [[nodiscard]] int Channel() const noexcept { return sound_.channel; }

private:
    audio::HeldChannel sound_;
    util::EntityHandle owner_;
};

// The sounds of a state change: the jump leaves the wind-up, the dash starts, and the footsteps
// loop exactly while the player runs.
void OnTransition(Entity e, component::PlayerState from, component::PlayerState to, Footsteps& footsteps,
                  Registry& registry);

}  // namespace velkor::player_sound
