#include "levels/level_state.hpp"

#include <cstring>
#include <string>

#include "engine/trace.hpp"
#include "serialization/json_read.hpp"
#include "serialization/prefab.hpp"
#include "serialization/tiled.hpp"

namespace velkor::levels {

namespace {

bool NameIs(const rapidjson::Value& name, const char* key) {
    return name.GetStringLength() == std::strlen(key) && std::strcmp(name.GetString(), key) == 0;
}

void ReadLevelSounds(singleton::Level& level, const rapidjson::Value& value, Registry& registry) {
    if (!value.IsString()) {
        Trace("Map property Audio is not a file path\n");
        return;
    }
    const rapidjson::Document document = ReadJsonFile(value.GetString());
    // The level owns these requests; its sounds belong to no entity, so none plays as ambient.
    component::ReadAudio(level.sounds, document, NoEntity, registry);
}

void ReadTiledMapProperties(const rapidjson::Value* properties, Registry& registry) {
    if (properties) {
        ReadMapProperties(*properties, registry);
    } else if (!registry.singletons.has<singleton::Level>()) {
        EnsureLevel(registry).propertiesPending = true;
    }
}

}  // namespace

void ReadMapProperties(const rapidjson::Value& properties, Registry& registry) {
    auto& singletons = registry.singletons;
    if (!singletons.has<singleton::Level>()) singletons.set(singleton::Level{}).propertiesPending = true;
    singleton::Level& level = singletons.get<singleton::Level>();
    if (!level.propertiesPending) return;  // read once per level start
    level.propertiesPending = false;
    if (!properties.IsArray()) return;
    for (const auto& property : properties.GetArray()) {
        if (!property.IsObject()) continue;
        auto name = property.FindMember("name");
        auto value = property.FindMember("value");
        if (name == property.MemberEnd() || !name->value.IsString() || value == property.MemberEnd()) continue;
        const rapidjson::Value& v = value->value;
        if (NameIs(name->value, "MaxTime") && v.IsNumber()) {
            if (const auto time = json::ToFloat(v))
                level.timeLeft = level.MaxTime = level.lastTimeLeft = *time;
            else
                json::TraceOutOfRange("MaxTime");
        }
        if (NameIs(name->value, "CollectiblesRequred") && v.IsInt()) {
            level.CollectiblesRequred = v.GetInt();
            level.collected = 1;
        }
        if (NameIs(name->value, "Audio")) ReadLevelSounds(level, v, registry);
        if (NameIs(name->value, "FallDelayTime") && v.IsNumber()) {
            if (const auto delay = json::ToFloat(v))
                level.FallDelayTime = *delay;
            else
                json::TraceOutOfRange("FallDelayTime");
        }
    }
}

void LoadTiledMap(const rapidjson::Value& map, Registry& registry) {
    velkor::LoadTiledMap(map, registry, TiledOptions{TiledDirectory, &ReadTiledMapProperties});
}

}  // namespace velkor::levels
