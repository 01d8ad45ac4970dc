// The reader of a Tiled map's properties into the Level record (gameplay/play_state.hpp), and the
// loading of the levels' maps.
#pragma once

#include <rapidjson/document.h>

#include "engine/registry.hpp"
#include "gameplay/play_state.hpp"

namespace velkor::levels {

using util::EnsureLevel;

// Reads a map's "properties" value ("MaxTime", "CollectiblesRequred", "Audio", "FallDelayTime")
// into the Level singleton, once per level start: only while propertiesPending is set, which this
// clears. Without a Level singleton a default one is made, with propertiesPending set.
void ReadMapProperties(const rapidjson::Value& properties, Registry& registry);

}  // namespace velkor::levels

namespace velkor::levels {

// Loads a Tiled map from "Data/Tiled/" into the current level: its entities, and its properties
// into the Level singleton (a map without properties leaves them pending, making a default Level
// if there is none).
void LoadTiledMap(const rapidjson::Value& map, Registry& registry);

}  // namespace velkor::levels
