// The Tiled map loader: one Tiled JSON map in, entities out.
//
// Contract:
// - Every non-empty cell of a tile layer, every image layer and every object of an object layer
//   becomes at most one entity, created with CreateEntity from an entity document. The document
//   starts from the prefab file named by a custom property "Source" (on the tileset, the tile, the
//   template or the object); every other custom property is a JSON pointer into that document and
//   its value is written there. The loader then writes what the map knows: "/Transform/Translation"
//   (the centre, in tiles, y up), "/Transform/Scale" (size in tiles), "/Transform/Rotation"
//   (counter-clockwise degrees) and, for tiles, "/Graphics/Texture" and the sprite-sheet cell.
// - Files named by the map are read during the call: tilesets ("tilesets"[i]."source") and
//   templates ("template") relative to the directory given (the game's is "Data/Tiled/"), prefabs
//   ("Source") relative to the working directory. Each file is read and parsed once per call,
//   however many cells and objects name it; nothing is kept between calls. A tileset's or tile's "image" is relative to the tileset file, which
//   lives one folder below that directory: the loader drops its first 9 characters ("../../../")
//   to make it relative to the working directory.
// - Content faults never throw and never stop the load: each one is traced (trace sink) and only
//   the cell, tile, object or layer concerned is skipped. Unsupported Tiled features (embedded
//   tilesets, infinite maps, zstd-compressed layers) are traced and skipped. Flip flags in tile
//   identifiers are cleared (tiles are drawn unflipped) with one trace message per map.
// - Standard output gets "ghewu" when an object layer named "Player" starts, and one line per
//   object whose prefab is "Data/Entities/Platform.json" with the running platform count, which
//   restarts at every load.
// - The map's "properties" go to the options' properties reader (the level's reader in the game).
// - What may throw: a component reader's std::exception is handled by CreateEntity; running out of
//   entities raises std::out_of_range("invalid bitset position") to the caller, with the entities
//   created so far left alive.
//
// Main thread only; the map value and everything it names need to live only during the call.
#pragma once

#include <string>
#include <string_view>

#include <rapidjson/document.h>

#include "engine/registry.hpp"
#include "serialization/catalogue.hpp"

namespace velkor {

// The folder the game's maps, tilesets and templates live in.
inline constexpr const char* TiledDirectory = "Data/Tiled/";

struct TiledOptions {
    // Prefix of tileset and template references (ends with '/').
    std::string directory = TiledDirectory;
    // Called once per load, before any entity is made, with the map's "properties" value, or with
    // nullptr when the map has none. Null: properties are ignored.
    void (*readMapProperties)(const rapidjson::Value* properties, Registry& registry) = nullptr;
    // Readers the entities are made with; null: the game's catalogue. Tools and tests bring their own.
    const ComponentCatalogue* catalogue = nullptr;
};

// Creates the map's entities. The caller reads the map with ReadJsonFile. The game's levels call
// levels::LoadTiledMap(map, registry), which reads from "Data/Tiled/" and hands the properties to
// the Level singleton.
void LoadTiledMap(const rapidjson::Value& map, Registry& registry, const TiledOptions& options);

// The path the game opens for an image as Tiled writes it (relative to a tileset file in
// "Data/Tiled/"): the first nine characters dropped; empty when the path is shorter.
[[nodiscard]] std::string TiledImagePath(std::string_view tiledPath);

// The platform count of the most recent load (0 before the first).
[[nodiscard]] int TiledPlatformCount();

}  // namespace velkor
