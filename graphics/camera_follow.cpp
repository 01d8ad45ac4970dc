#include "graphics/camera_follow.hpp"

namespace velkor::system {

void CameraFollow::InitHook(Registry&) {}

void CameraFollow::UpdateHook(float, View&) {}

void CameraFollow::ShutdownHook(Registry&) {}

}  // namespace velkor::system
