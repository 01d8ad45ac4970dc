// Reading JSON documents and turning prefab objects into entities.
//
// Content problems never throw: a missing or malformed file is an empty document (null root),
// an unknown component name is skipped, each with a trace message.
#pragma once

#include <string>

#include <rapidjson/document.h>

#include "engine/registry.hpp"
#include "serialization/catalogue.hpp"

namespace velkor {

// Streams and parses a file with RapidJSON's default flags. Never throws for a bad file.
[[nodiscard]] rapidjson::Document ReadJsonFile(const std::string& path);

// One entity from an object of component name -> component JSON. NoEntity if not an object.
// When a reader throws, its message goes to standard output, the remaining members are skipped
// and the partly built (still alive) entity is returned.
Entity CreateEntity(const rapidjson::Value& prefab, Registry& registry);
// The same against another catalogue (tools and tests that bring their own readers).
Entity CreateEntity(const rapidjson::Value& prefab, Registry& registry, const ComponentCatalogue& catalogue);

// One entity per member of an object of prefab objects; member names are free text.
void CreateEntities(const rapidjson::Value& group, Registry& registry);

}  // namespace velkor
