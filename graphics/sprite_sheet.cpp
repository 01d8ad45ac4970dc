#include "graphics/sprite_sheet.hpp"

namespace velkor::system {

void SpriteSheet::InitHook(Registry&) {}

void SpriteSheet::UpdateHook(float, View&) {}

void SpriteSheet::ShutdownHook(Registry&) {}

}  // namespace velkor::system
