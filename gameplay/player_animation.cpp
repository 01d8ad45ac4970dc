#include "gameplay/player_animation.hpp"

namespace velkor::player_animation {

void Set(component::Animation& animation, std::string_view name, bool loop) {
    util::Animation::Play(animation, name, loop);
}

std::string_view Current(const component::Animation& animation) { return animation.current; }

// A player without a skeleton (its files missing or broken), or one whose track was cleared, has
// nothing left to wait for: a death or a finish must not hang on an animation that never plays.
bool Completed(const component::Animation& animation) {
    if (!animation.state || !animation.state->GetCurrent(0)) return true;
    return util::Animation::Completed(animation);
}

// Forgetting the name lets the same animation start again after the clear (a second death in a
// row plays "dead" from its start instead of being taken for a repeated request).
void ClearTrack(component::Animation& animation) {
    util::Animation::Clear(animation);
    animation.current.clear();
}

void SetTimeScale(component::Animation& animation, float scale) { util::Animation::SetTimeScale(animation, scale); }

void Face(component::Animation& animation, float direction) { util::Animation::Face(animation, direction); }

}  // namespace velkor::player_animation
