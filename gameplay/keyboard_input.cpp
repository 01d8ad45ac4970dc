#include "gameplay/keyboard_input.hpp"

namespace velkor::system {

void KeyboardInput::InitHook(Registry&) {}

void KeyboardInput::UpdateHook(float, View&) {}

void KeyboardInput::ShutdownHook(Registry&) {}

}  // namespace velkor::system
