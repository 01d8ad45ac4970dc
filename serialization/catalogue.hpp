// The component catalogue: the 17 component types, their names in data files and their readers.
//
// The game fills it once at start-up (FillComponentCatalogue in app/), before anything else touches
// a component type, which also fixes the component type indices 0..16 in table order. Read-only
// afterwards.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include <rapidjson/document.h>

#include "engine/registry.hpp"
#include "serialization/content_rules.hpp"

namespace velkor {

// Adds the component if the entity lacks it, then reads the JSON form into it.
using ComponentReader = void (*)(Entity, Registry&, const rapidjson::Value&);

struct ComponentCatalogue {
    std::array<std::string, entity::MaxComponents> names;
    std::map<std::string, int, std::less<>> index;
    std::array<ComponentReader, entity::MaxComponents> readers{};
    std::array<ComponentCheck, entity::MaxComponents> checks{};  // null: any JSON object is taken
};

// Enters a component type under its data-file name, with its reader and the content check that
// states the reader's rules (either may be null: never read from data, nothing beyond an object to
// check). Registering T asks for T's type index, so registration order fixes the indices.
void RegisterComponent(std::size_t index, const char* name, ComponentReader reader, ComponentCheck check = nullptr);
template <class T>
void RegisterComponent(const char* name, ComponentReader reader, ComponentCheck check = nullptr) {
    RegisterComponent(entity::ComponentIndex<T>(), name, reader, check);
}

[[nodiscard]] const ComponentCatalogue& Catalogue();

// Exact, case-sensitive lookup of a component name.
[[nodiscard]] std::optional<int> FindComponent(std::string_view name);
[[nodiscard]] std::optional<int> FindComponent(const ComponentCatalogue& catalogue, std::string_view name);

// The common frame of every reader: add the component when missing, then read into it.
template <class T, void (*Read)(T&, const rapidjson::Value&)>
void ReadComponent(Entity e, Registry& registry, const rapidjson::Value& json) {
    T& component = registry.get_or_add<T>(e);
    Read(component, json);
}

}  // namespace velkor
