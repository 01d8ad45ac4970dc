// Loading a Tiled map: a 200 x 50 map with 5,000 tiles from the game's city sprite sheet, read
// through the real catalogue (graphics meshes, transforms, prefabs). Run from the repository root.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include <rapidjson/document.h>

#include "app/game.hpp"
#include "serialization/tiled.hpp"

namespace {

using velkor::Registry;

constexpr int Width = 200, Height = 50, Filled = 5000;

// The lower 25 rows filled with one sheet cell; gid 5 is plain brick, gid 2 the street fill whose
// tile names the ground prefab (read again for every cell, as the loader does).
rapidjson::Document MakeMap(int gid) {
    std::string data;
    for (int i = 0; i < Width * Height; ++i) {
        if (i) data += ',';
        data += i >= Width * Height - Filled ? std::to_string(gid) : "0";
    }
    const std::string text = R"({"tilewidth": 64, "tileheight": 64, "width": 200, "height": 50,
        "tilesets": [{"firstgid": 1, "source": "Tilesets/CityTiles.json"}],
        "layers": [{"type": "tilelayer", "name": "Street", "width": 200, "height": 50, "data": [)" + data + "]}]}";
    rapidjson::Document map;
    map.Parse(text.c_str());
    return map;
}

void LoadMap(benchmark::State& state, int gid) {
    velkor::FillComponentCatalogue();
    const auto map = MakeMap(gid);
    auto registry = std::make_unique<Registry>();
    // The level's texture cache outlives a level, as in the game: the sheet is decoded once.
    velkor::LoadTiledMap(map, *registry, {});
    for (auto _ : state) {
        state.PauseTiming();
        registry->clear();
        state.ResumeTiming();
        velkor::LoadTiledMap(map, *registry, {});
    }
    state.SetItemsProcessed(state.iterations() * Filled);
    state.counters["entities"] = static_cast<double>(registry->next());
}

void BM_TiledMap5000Tiles(benchmark::State& state) { LoadMap(state, 5); }
void BM_TiledMap5000PrefabTiles(benchmark::State& state) { LoadMap(state, 2); }
BENCHMARK(BM_TiledMap5000Tiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TiledMap5000PrefabTiles)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
