// Tiled maps through the map loader, with the game's tilesets and templates under "Data/Tiled/"
// reachable by name and the map properties read as a level reads them.
#include <rapidjson/document.h>

#include "fuzz_support.hpp"
#include "levels/level_state.hpp"
#include "serialization/tiled.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velkor::Registry& registry = velkor::fuzz::Start();
    rapidjson::Document map;
    map.Parse(reinterpret_cast<const char*>(data), size);
    if (map.HasParseError()) return 0;
    velkor::TiledOptions options;
    options.readMapProperties = [](const rapidjson::Value* properties, velkor::Registry& r) {
        if (properties) velkor::levels::ReadMapProperties(*properties, r);
    };
    velkor::LoadTiledMap(map, registry, options);
    registry.singletons.remove<velkor::singleton::Level>();
    registry.clear();
    return 0;
}
