#include "tools/imgui.hpp"

namespace velkor::system {

void ImGui::InitHook(Registry&) {}

void ImGui::UpdateHook(float, View&) {}

void ImGui::ShutdownHook(Registry&) {}

}  // namespace velkor::system
