#include "gameplay/input.hpp"

namespace velkor::system {

void Input::Init(Registry&) {}

void Input::Update(float, Registry&) {}

void Input::Shutdown(Registry&) {}

}  // namespace velkor::system
