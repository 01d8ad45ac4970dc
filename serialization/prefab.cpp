#include "serialization/prefab.hpp"

#include <exception>
#include <fstream>
#include <iostream>
#include <string_view>

#include <rapidjson/error/en.h>
#include <rapidjson/istreamwrapper.h>

#include "engine/trace.hpp"
#include "serialization/catalogue.hpp"

namespace velkor {

namespace {

// Reads every member of one prefab object into entity e. Unknown names are traced and skipped.
void ReadMembersUnguarded(Entity e, const rapidjson::Value& prefab, Registry& registry, const ComponentCatalogue& catalogue) {
    for (auto it = prefab.MemberBegin(); it != prefab.MemberEnd(); ++it) {
        const std::string_view name(it->name.GetString(), it->name.GetStringLength());
        const auto index = FindComponent(catalogue, name);
        const ComponentReader reader = index ? catalogue.readers[*index] : nullptr;
        if (!reader) {
            // A catalogue name without a reader (e.g. "Input") is skipped just like an unknown one.
            Trace("Unrecognized component name: " + std::string(name) + "\n");
            continue;
        }
        reader(e, registry, it->value);
    }
}

// No exception of a reader leaves entity creation: the entity keeps what was read before it, and
// the message goes where the game's other content messages go.
void ReadMembers(Entity e, const rapidjson::Value& prefab, Registry& registry, const ComponentCatalogue& catalogue) {
    try {
        ReadMembersUnguarded(e, prefab, registry, catalogue);
    } catch (const std::exception& error) {
        const char* what = error.what();
        std::cout << ((what && *what) ? what : "Unknown exception") << std::endl;
    } catch (...) {
        std::cout << "Unknown exception" << std::endl;
    }
}

}  // namespace

rapidjson::Document ReadJsonFile(const std::string& path) {
    Trace("Reading JSON file with name " + path + "\n");
    std::ifstream file;
    try {
        file.open(path);
    } catch (const std::exception& error) {
        Trace(path + " could not be opened due to error: " + error.what() + "\n");
        return rapidjson::Document();
    }
    if (!file.is_open()) {
        Trace(path + " did not open.\n");
        return rapidjson::Document();
    }
    rapidjson::IStreamWrapper stream(file);
    rapidjson::Document document;
    document.ParseStream(stream);
    file.close();
    if (document.HasParseError()) {
        Trace(std::string("RapidJSON Error: ") + rapidjson::GetParseError_En(document.GetParseError()) + "\n");
        return rapidjson::Document();
    }
    return document;
}

Entity CreateEntity(const rapidjson::Value& prefab, Registry& registry) {
    return CreateEntity(prefab, registry, Catalogue());
}

Entity CreateEntity(const rapidjson::Value& prefab, Registry& registry, const ComponentCatalogue& catalogue) {
    if (!prefab.IsObject()) {
        Trace("Passed document was not an object!\n");
        return NoEntity;
    }
    const Entity e = registry.create();
    ReadMembers(e, prefab, registry, catalogue);
    return e;
}

void CreateEntities(const rapidjson::Value& group, Registry& registry) {
    if (!group.IsObject()) return;  // null (unreadable file) or not a group: nothing to create
    for (auto it = group.MemberBegin(); it != group.MemberEnd(); ++it) {
        const Entity e = registry.create();
        if (it->value.IsObject()) ReadMembers(e, it->value, registry, Catalogue());
    }
}

}  // namespace velkor
