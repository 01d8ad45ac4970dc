#include "gameplay/player_animation.hpp"

namespace velkor::player_animation {

// The skeletal runtime plugs in here. Until it does, an Animation component holds no skeleton: no
// animation is ever set, so every one counts as played to its end, and the state machine's
// animated paths (landing dust, the timed death and finish) run without waiting.
void Set(component::Animation&, std::string_view, bool) {}
std::string_view Current(const component::Animation&) { return {}; }
bool Completed(const component::Animation&) { return true; }
void ClearTrack(component::Animation&) {}
void SetTimeScale(component::Animation&, float) {}
void Face(component::Animation&, float) {}

}  // namespace velkor::player_animation
