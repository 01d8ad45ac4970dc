// What the player's state machine asks of its skeletal animation. A small seam between the
// gameplay and the skeletal runtime: the state machine calls only these, and only for a player
// that has an Animation component.
#pragma once

#include <string_view>

#include "animation/animation.hpp"

namespace velkor::player_animation {

// Sets the animation on track 0, looping or not.
void Set(component::Animation& animation, std::string_view name, bool loop);
// The name of the animation set on track 0; empty when none.
[[nodiscard]] std::string_view Current(const component::Animation& animation);
// Whether the animation on track 0 has played to its end (true when there is none).
[[nodiscard]] bool Completed(const component::Animation& animation);
void ClearTrack(component::Animation& animation);
void SetTimeScale(component::Animation& animation, float scale);
// Faces the skeleton left (direction < 0) or right (direction > 0).
void Face(component::Animation& animation, float direction);

}  // namespace velkor::player_animation
