#include "animation/animation.hpp"

namespace velkor::system {

void Animation::InitHook(Registry&) {}

void Animation::UpdateHook(float, View&) {}

void Animation::ShutdownHook(Registry&) {}

}  // namespace velkor::system
