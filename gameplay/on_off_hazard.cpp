#include "gameplay/on_off_hazard.hpp"

namespace velkor::system {

void OnOffHazard::InitHook(Registry&) {}

void OnOffHazard::UpdateHook(float, View&) {}

void OnOffHazard::ShutdownHook(Registry&) {}

}  // namespace velkor::system
