#include "graphics/debug_draw.hpp"

namespace velkor::system {

void DebugDraw::InitHook(Registry&) {}

void DebugDraw::UpdateHook(float, View&) {}

void DebugDraw::ShutdownHook(Registry&) {}

}  // namespace velkor::system
