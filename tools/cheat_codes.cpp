#include "tools/cheat_codes.hpp"

namespace velkor::system {

void CheatCodes::InitHook(Registry&) {}

void CheatCodes::UpdateHook(float, View&) {}

void CheatCodes::ShutdownHook(Registry&) {}

}  // namespace velkor::system
