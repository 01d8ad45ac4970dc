// Small helpers shared by the gameplay responses: the level's named sounds and short-lived effect
// entities made from prefab files.
#pragma once

#include <string>
#include <string_view>

#include <glm/vec2.hpp>

#include "engine/registry.hpp"

namespace velkor::util {

// Plays a sound of the Level singleton's table by name, in the SFX group unless told otherwise
// (1 SFX, 2 Music); returns the channel or -1 (no Level singleton, an unknown name: the audio layer
// reports it).
int PlayLevelSound(Registry& registry, std::string_view name, float volume, float pitchOffset = 0.0f, int group = 1);

// Creates an entity from a prefab file and, if it has a Transform, moves it to `at`. NoEntity when
// the file does not hold a prefab.
Entity SpawnEffect(Registry& registry, const std::string& path, glm::vec2 at);

}  // namespace velkor::util
