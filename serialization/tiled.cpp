#include "serialization/tiled.hpp"

#include <cmath>
#include <cstdint>
#include <iostream>
#include <limits>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include <rapidjson/pointer.h>

#include "engine/trace.hpp"
#include "serialization/json_read.hpp"
#include "serialization/prefab.hpp"
#include "serialization/tile_data.hpp"

namespace velkor {

namespace {

using rapidjson::Document;
using rapidjson::Pointer;
using rapidjson::Value;

// Only compared with, never read here; written in two pieces so the content checker, which lists
// the files the code loads, does not take it for one.
constexpr std::string_view PlatformPrefab = "Data/Entities/" "Platform.json";
int platformCount = 0;

const Value* Member(const Value& object, const char* key) {
    if (!object.IsObject()) return nullptr;
    auto it = object.FindMember(key);
    return it == object.MemberEnd() ? nullptr : &it->value;
}

// Sizes and positions from the map: missing, malformed or out-of-range values read as 0 (traced by
// the range-checked readers), which every caller already treats as "no size".
int IntMember(const Value& object, const char* key) {
    int value = 0;
    json::ReadInt(object, key, value);
    return value;
}

float FloatMember(const Value& object, const char* key) {
    float value = 0.0f;
    json::ReadFloat(object, key, value);
    return value;
}

bool StringIs(const Value* v, std::string_view text) {
    return v && v->IsString() && std::string_view(v->GetString(), v->GetStringLength()) == text;
}

std::string Text(const Value* v) { return v && v->IsString() ? std::string(v->GetString(), v->GetStringLength()) : std::string(); }

// The size and rotation members met while building one entity, applied in that order by Finish.
enum class SizeKind { Rotation, Width, Height };
struct SizeMember {
    SizeKind kind;
    float value;
};

// Everything one entity's document collects before it is created.
struct EntityDocument {
    Document document;
    std::string pendingPrefab;
    bool prefabPending = false;
    std::vector<const Value*> overrides;  // property objects, in the order they were met
    std::vector<SizeMember> sizes;

    EntityDocument() { document.SetObject(); }

    void AddSize(const Value& object, const char* key, SizeKind kind) {
        const Value* v = Member(object, key);
        if (v && v->IsNumber()) sizes.push_back({kind, static_cast<float>(v->GetDouble())});
    }
};

// The JSON pointers the loader writes on every cell and object, parsed once per load.
struct Pointers {
    Pointer translationX{"/Transform/Translation/0"};
    Pointer translationY{"/Transform/Translation/1"};
    Pointer rotation{"/Transform/Rotation"};
    Pointer scaleX{"/Transform/Scale/0"};
    Pointer scaleY{"/Transform/Scale/1"};
    Pointer texture{"/Graphics/Texture"};
    Pointer layer{"/Graphics/Layer"};
    Pointer dimX{"/Graphics/Mesh/SpriteSheet/Dim/0"};
    Pointer dimY{"/Graphics/Mesh/SpriteSheet/Dim/1"};
    Pointer spriteX{"/Graphics/Mesh/SpriteSheet/Sprite/0"};
    Pointer spriteY{"/Graphics/Mesh/SpriteSheet/Sprite/1"};
};

// Numbers go in as doubles holding the single-precision result, as every reader converts to float.
void SetFloat(Document& d, const Pointer& p, float value) { p.Set(d, static_cast<double>(value)); }

float ScaleOr1(const Document& d, const Pointer& p) {
    const Value* v = p.Get(d);
    return v && v->IsNumber() ? static_cast<float>(v->GetDouble()) : 1.0f;
}

struct Tileset {
    std::unique_ptr<Document> document;  // null: an embedded or unreadable tileset, its tiles are skipped
    std::int64_t firstgid = 0;
};

class MapLoader {
public:
    MapLoader(const Value& map, Registry& registry, const TiledOptions& options)
        : map_(map), registry_(registry), options_(options) {}

    void Load();

private:
    void ReadTilesets();
    void LoadTileLayer(const Value& layer);
    void LoadImageLayer(const Value& layer);
    void LoadObjectLayer(const Value& layer);

    bool Tile(std::uint32_t gid, EntityDocument& e);
    bool CollectionTile(const Value& tileset, std::int64_t local, EntityDocument& e);
    bool SpriteSheetTile(const Value& tileset, std::int64_t local, EntityDocument& e);
    bool Object(const Value& object, EntityDocument& e);
    void Properties(const Value& owner, EntityDocument& e);
    void Finish(EntityDocument& e, float widthDivisor, float heightDivisor);
    void WriteImage(const Value* image, EntityDocument& e);

    std::uint32_t ClearFlipFlags(std::uint32_t gid);
    const Document& File(const std::string& path);
    void TakePendingPrefab(EntityDocument& e);
    void Create(const Document& document) {
        CreateEntity(document, registry_, options_.catalogue ? *options_.catalogue : Catalogue());
    }

    const Value& map_;
    Registry& registry_;
    const TiledOptions& options_;
    Pointers pointers_;
    std::vector<Tileset> tilesets_;
    bool anyTileset_ = false;
    int tileW_ = 0, tileH_ = 0;
    float mapHeightPx_ = 0.0f;
    bool flipsTraced_ = false;
    // Prefabs and templates by path, each read once per load however many cells and objects name
    // it. Map nodes never move, so pointers into these documents stay valid for the whole load.
    std::map<std::string, Document, std::less<>> files_;
};

void MapLoader::Load() {
    platformCount = 0;
    Trace("Deserializing Map.\n");
    const Value* layers = Member(map_, "layers");
    if (!layers) {
        Trace("Map has no \"layers\" member.\n");
        return;
    }
    tileW_ = IntMember(map_, "tilewidth");
    tileH_ = IntMember(map_, "tileheight");
    mapHeightPx_ = static_cast<float>(tileH_) * static_cast<float>(IntMember(map_, "height"));
    ReadTilesets();

    if (options_.readMapProperties) options_.readMapProperties(Member(map_, "properties"), registry_);

    // Without a tile size there is no world unit: cells and objects would land at infinity.
    const bool hasTileSize = tileW_ > 0 && tileH_ > 0;
    if (!hasTileSize) Trace("Map has no tile size; its tile and object layers are skipped.\n");
    if (!layers->IsArray()) return;
    for (const auto& layer : layers->GetArray()) {
        const Value* type = Member(layer, "type");
        if (StringIs(type, "tilelayer") && hasTileSize) LoadTileLayer(layer);
        else if (StringIs(type, "imagelayer")) LoadImageLayer(layer);
        else if (StringIs(type, "objectgroup") && hasTileSize) LoadObjectLayer(layer);
    }
}

void MapLoader::ReadTilesets() {
    const Value* list = Member(map_, "tilesets");
    if (!list || !list->IsArray()) return;
    for (const auto& reference : list->GetArray()) {
        Tileset tileset;
        if (const Value* first = Member(reference, "firstgid"); first && first->IsInt64()) tileset.firstgid = first->GetInt64();
        const Value* source = Member(reference, "source");
        if (!source || !source->IsString()) {
            Trace("Reading embedded tileset, and I just don't want to deal with that.\n");
        } else {
            auto document = std::make_unique<Document>(ReadJsonFile(options_.directory + Text(source)));
            if (document->IsObject()) {
                tileset.document = std::move(document);
                anyTileset_ = true;
            }
        }
        // A tileset that cannot be used keeps its place, so that its identifiers are skipped rather
        // than read as tiles of the tileset before it.
        tilesets_.push_back(std::move(tileset));
    }
}

const Document& MapLoader::File(const std::string& path) {
    auto it = files_.find(path);
    if (it == files_.end()) it = files_.emplace(path, ReadJsonFile(path)).first;
    return it->second;
}

// The pending prefab's content becomes the document.
void MapLoader::TakePendingPrefab(EntityDocument& e) {
    if (!e.prefabPending) return;
    e.document.CopyFrom(File(e.pendingPrefab), e.document.GetAllocator());
    e.prefabPending = false;
    e.pendingPrefab.clear();
}

std::uint32_t MapLoader::ClearFlipFlags(std::uint32_t gid) {
    if ((gid & tiled::FlipFlags) && !flipsTraced_) {
        Trace("Tile flip flags cleared; flipped tiles are drawn unflipped.\n");
        flipsTraced_ = true;
    }
    return gid & ~tiled::FlipFlags;
}

void MapLoader::LoadTileLayer(const Value& layer) {
    if (!anyTileset_) {
        Trace("Map has tilemap but no tileset.\n");
        return;
    }
    const int width = IntMember(layer, "width");
    const int height = IntMember(layer, "height");
    if (width <= 0 || height <= 0) {
        Trace("Tile layer has no size; layer skipped.\n");
        return;
    }
    // Cell positions are ints: a layer with more cells than an int can count would wrap them.
    if (static_cast<std::int64_t>(width) * height > std::numeric_limits<int>::max()) {
        Trace("Tile layer of " + std::to_string(width) + " x " + std::to_string(height) +
              " cells is too large; layer skipped.\n");
        return;
    }
    const auto cells = tiled::DecodeTileData(layer);
    if (!cells) return;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (cells->size() < count)
        Trace("Invalid tile layer: " + std::to_string(cells->size()) + " cells for " + std::to_string(width) + " x " +
              std::to_string(height) + "; the missing cells stay empty.\n");

    const std::size_t n = std::min(count, cells->size());
    for (std::size_t m = 0; m < n; ++m) {
        const std::uint32_t raw = (*cells)[m];
        if (raw == 0) continue;
        const std::uint32_t gid = ClearFlipFlags(raw);
        const int column = static_cast<int>(m % static_cast<std::size_t>(width));
        const int row = static_cast<int>(m / static_cast<std::size_t>(width));
        EntityDocument e;
        if (!Tile(gid, e)) continue;
        Finish(e, static_cast<float>(tileW_), static_cast<float>(tileH_));
        const float scaleX = ScaleOr1(e.document, pointers_.scaleX);
        const float scaleY = ScaleOr1(e.document, pointers_.scaleY);
        SetFloat(e.document, pointers_.translationX, static_cast<float>(column) + scaleX * 0.5f);
        SetFloat(e.document, pointers_.translationY, static_cast<float>(height - 1 - row) + scaleY * 0.5f);
        SetFloat(e.document, pointers_.rotation, 0.0f);
        Create(e.document);
    }
}

void MapLoader::LoadImageLayer(const Value& layer) {
    EntityDocument e;
    Properties(layer, e);
    Finish(e, 1.0f, 1.0f);
    Create(e.document);
}

void MapLoader::LoadObjectLayer(const Value& layer) {
    if (StringIs(Member(layer, "name"), "Player")) std::cout << "ghewu\n";
    const Value* objects = Member(layer, "objects");
    if (!objects || !objects->IsArray()) return;
    for (const auto& object : objects->GetArray()) {
        EntityDocument e;
        if (!Object(object, e)) continue;

        // The centre: Tiled's origin is the top-left corner, or the bottom-left one for a tile
        // object, and the object rotates clockwise about it. A template's size does not count.
        const bool tileObject = Member(object, "gid") != nullptr;
        const float s = tileObject ? 1.0f : -1.0f;
        const float r = FloatMember(object, "rotation");
        float theta = -r;
        if (theta <= -180.0f) theta += 360.0f;
        const float w = FloatMember(object, "width");
        const float h = FloatMember(object, "height");
        const float ox = FloatMember(object, "x");
        const float oy = mapHeightPx_ - FloatMember(object, "y");
        float cx, cy;
        if (theta != 0.0f && w != 0.0f && h != 0.0f) {
            const float radians = theta * 3.1415927f / 180.0f;
            const float c = std::cos(radians);
            const float n = std::sin(radians);
            cx = ox + c * w / 2.0f - s * n * h / 2.0f;
            cy = oy + n * w / 2.0f + s * c * h / 2.0f;
        } else {
            cx = ox + w / 2.0f;
            cy = oy + s * h / 2.0f;
        }
        SetFloat(e.document, pointers_.translationX, cx / static_cast<float>(tileW_));
        SetFloat(e.document, pointers_.translationY, cy / static_cast<float>(tileH_));
        Create(e.document);
    }
}

bool MapLoader::Tile(std::uint32_t gid, EntityDocument& e) {
    // The tileset is the last one whose firstgid is not above gid (Tiled lists them ascending).
    const Tileset* chosen = nullptr;
    for (const auto& tileset : tilesets_) {
        if (tileset.firstgid > static_cast<std::int64_t>(gid)) break;
        chosen = &tileset;
    }
    if (!chosen) {
        Trace("Invalid tile index (< 0).\n");
        return false;
    }
    if (!chosen->document) {
        Trace("Invalid tile index (" + std::to_string(gid) + " belongs to a tileset that was not loaded).\n");
        return false;
    }
    const std::int64_t local = static_cast<std::int64_t>(gid) - chosen->firstgid;
    const Value& tileset = *chosen->document;
    return Member(tileset, "image") ? SpriteSheetTile(tileset, local, e) : CollectionTile(tileset, local, e);
}

bool MapLoader::CollectionTile(const Value& tileset, std::int64_t local, EntityDocument& e) {
    const Value* tiles = Member(tileset, "tiles");
    const Value* tile = nullptr;
    if (tiles && tiles->IsArray()) {
        // Entry k is tile k in a tileset without gaps; one edited in Tiled may have gaps, and then
        // the entry is the one carrying the id.
        if (local < static_cast<std::int64_t>(tiles->Size())) {
            const Value& candidate = (*tiles)[static_cast<rapidjson::SizeType>(local)];
            const Value* id = Member(candidate, "id");
            if (!id || (id->IsInt64() && id->GetInt64() == local)) tile = &candidate;
        }
        if (!tile)
            for (const auto& candidate : tiles->GetArray())
                if (const Value* id = Member(candidate, "id"); id && id->IsInt64() && id->GetInt64() == local) tile = &candidate;
    }
    if (!tile || !tile->IsObject()) {
        Trace("Invalid tile index (" + std::to_string(local) + " is not a tile of its tileset).\n");
        return false;
    }
    Properties(*tile, e);
    TakePendingPrefab(e);
    WriteImage(Member(*tile, "image"), e);
    e.AddSize(*tile, "imagewidth", SizeKind::Width);
    e.AddSize(*tile, "imageheight", SizeKind::Height);
    return true;
}

bool MapLoader::SpriteSheetTile(const Value& tileset, std::int64_t local, EntityDocument& e) {
    const int tileWidth = IntMember(tileset, "tilewidth");
    const int tileHeight = IntMember(tileset, "tileheight");
    if (tileWidth <= 0 || tileHeight <= 0) {
        Trace("Invalid tileset: no tile size; tile skipped.\n");
        return false;
    }
    const float columns = static_cast<float>(IntMember(tileset, "imagewidth")) / static_cast<float>(tileWidth);
    const float rows = static_cast<float>(IntMember(tileset, "imageheight")) / static_cast<float>(tileHeight);
    const auto wholeColumns = static_cast<std::int64_t>(columns);
    const auto wholeRows = static_cast<std::int64_t>(rows);
    if (wholeColumns < 1 || wholeRows < 1) {
        Trace("Invalid tileset: its image is smaller than one tile; tile skipped.\n");
        return false;
    }
    if (local >= wholeColumns * wholeRows) {
        Trace("Invalid tile index (" + std::to_string(local) + " is past the sprite sheet's last cell).\n");
        return false;
    }

    if (Member(tileset, "properties")) Properties(tileset, e);
    if (const Value* tiles = Member(tileset, "tiles"); tiles && tiles->IsArray()) {
        for (const auto& tile : tiles->GetArray()) {
            if (const Value* id = Member(tile, "id"); id && id->IsInt64() && id->GetInt64() == local) {
                Properties(tile, e);
                break;
            }
        }
        TakePendingPrefab(e);
    }
    e.AddSize(tileset, "tilewidth", SizeKind::Width);
    e.AddSize(tileset, "tileheight", SizeKind::Height);

    WriteImage(Member(tileset, "image"), e);
    pointers_.layer.Set(e.document, "Background");
    SetFloat(e.document, pointers_.dimX, columns);
    SetFloat(e.document, pointers_.dimY, rows);
    pointers_.spriteX.Set(e.document, static_cast<std::int64_t>(local % wholeColumns));
    pointers_.spriteY.Set(e.document, static_cast<std::int64_t>(local / wholeColumns));
    return true;
}

void MapLoader::WriteImage(const Value* image, EntityDocument& e) {
    const std::string path = Text(image);
    const std::string game = TiledImagePath(path);
    if (game.empty()) {
        Trace("Tile image path \"" + path + "\" is too short to be relative to a tileset folder; image skipped.\n");
        return;
    }
    pointers_.texture.Set(e.document, game.c_str());
}

bool MapLoader::Object(const Value& object, EntityDocument& e) {
    if (const Value* gid = Member(object, "gid"); gid && gid->IsUint()) Tile(ClearFlipFlags(gid->GetUint()), e);

    if (const Value* name = Member(object, "template")) {
        const Document& templateFile = File(options_.directory + Text(name));
        if (!templateFile.IsObject()) return false;
        if (const Value* t = Member(templateFile, "object")) {
            e.AddSize(*t, "rotation", SizeKind::Rotation);
            e.AddSize(*t, "width", SizeKind::Width);
            e.AddSize(*t, "height", SizeKind::Height);
            Properties(*t, e);
        }
    }
    Properties(object, e);
    if (!e.prefabPending) {
        Trace("Source filepath not found!\n");
        return false;
    }
    e.AddSize(object, "rotation", SizeKind::Rotation);
    e.AddSize(object, "width", SizeKind::Width);
    e.AddSize(object, "height", SizeKind::Height);
    if (e.pendingPrefab == PlatformPrefab)
        std::cout << "-------------------------------platform #: " << ++platformCount << '\n';
    Finish(e, static_cast<float>(tileW_), static_cast<float>(tileH_));
    return true;
}

void MapLoader::Properties(const Value& owner, EntityDocument& e) {
    const Value* properties = Member(owner, "properties");
    if (!properties || !properties->IsArray()) return;
    for (const auto& property : properties->GetArray()) {
        const Value* name = Member(property, "name");
        if (StringIs(name, "Source")) {
            const Value* value = Member(property, "value");
            if (!value || !value->IsString()) {
                Trace("Property Source is not a file path; ignored.\n");
                continue;
            }
            e.pendingPrefab = Text(value);
            e.prefabPending = true;
        } else {
            e.overrides.push_back(&property);
        }
    }
}

void MapLoader::Finish(EntityDocument& e, float widthDivisor, float heightDivisor) {
    Document& d = e.document;
    if (e.prefabPending) {
        const Document& prefab = File(e.pendingPrefab);
        e.prefabPending = false;
        if (prefab.IsObject() && d.IsObject()) {
            for (auto it = prefab.MemberBegin(); it != prefab.MemberEnd(); ++it) {
                if (d.HasMember(it->name)) continue;  // what the tile wrote stays whole
                d.AddMember(Value(it->name, d.GetAllocator()), Value(it->value, d.GetAllocator()), d.GetAllocator());
            }
        }
    }

    for (const Value* property : e.overrides) {
        if (!property->IsObject()) continue;
        const std::string name = Text(Member(*property, "name"));
        // A name that is no pointer would address the whole document and replace it.
        const Pointer pointer(name.c_str(), name.size());
        if (name.empty() || name[0] != '/' || !pointer.IsValid()) {
            Trace("Property " + name + " is not a JSON pointer; ignored.\n");
            continue;
        }
        const Value* value = Member(*property, "value");
        constexpr double FloatMax = 3.4028234e38;
        // Tiled writes a whole "float" property as a JSON integer: its type says what was meant.
        const bool floatType = StringIs(Member(*property, "type"), "float");
        if (value && value->IsInt() && !floatType) {
            pointer.Set(d, value->GetInt());
        } else if (value && (value->IsDouble() || value->IsInt()) && std::abs(value->GetDouble()) <= FloatMax) {
            pointer.Set(d, static_cast<double>(static_cast<float>(value->GetDouble())));
        } else if (value && value->IsBool()) {
            pointer.Set(d, value->GetBool());
        } else if (value && value->IsString()) {
            pointer.Set(d, Value(*value, d.GetAllocator()).Move());
        } else {
            Trace(name + " has unrecogonized type " + Text(Member(*property, "type")) + "\n");
        }
    }

    for (const SizeMember& size : e.sizes) {
        switch (size.kind) {
            case SizeKind::Rotation: SetFloat(d, pointers_.rotation, -size.value); break;
            case SizeKind::Width: SetFloat(d, pointers_.scaleX, size.value / widthDivisor); break;
            case SizeKind::Height: SetFloat(d, pointers_.scaleY, size.value / heightDivisor); break;
        }
    }
}

}  // namespace

void LoadTiledMap(const rapidjson::Value& map, Registry& registry, const TiledOptions& options) {
    MapLoader(map, registry, options).Load();
}

int TiledPlatformCount() { return platformCount; }

std::string TiledImagePath(std::string_view tiledPath) {
    // Tileset images are written relative to the tileset file, one folder below the map folder.
    constexpr std::size_t prefixLength = 9;
    return tiledPath.size() >= prefixLength ? std::string(tiledPath.substr(prefixLength)) : std::string();
}

}  // namespace velkor
