#include "serialization/tiled.hpp"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>
#include <unistd.h>
#include <zlib.h>

#include "gameplay/collision.hpp"
#include "gameplay/physics.hpp"
#include "graphics/components.hpp"
#include "graphics/texture.hpp"
#include "levels/level_state.hpp"
#include "serialization/prefab.hpp"
#include "serialization/tile_data.hpp"
#include "serialization/transform.hpp"
#include "support/json.hpp"
#include "support/temp_dir.hpp"
#include "support/trace_capture.hpp"

namespace velkor {
namespace {

namespace fs = std::filesystem;
using component::Transform;

std::string ToJson(const rapidjson::Value& value) {
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
    value.Accept(writer);
    return buffer.GetString();
}

// The documents entities are made from, as JSON text by entity: a catalogue whose every reader
// records the member it is handed shows exactly what the loader wrote.
std::map<Entity, std::string>& Recorded() {
    static std::map<Entity, std::string> documents;
    return documents;
}

template <std::size_t I>
void Record(Entity e, Registry&, const rapidjson::Value& value) {
    std::string& document = Recorded()[e];
    document += (document.empty() ? "\"" : ",\"") + Catalogue().names[I] + "\":" + ToJson(value);
}

template <std::size_t... I>
ComponentCatalogue MakeRecordingCatalogue(std::index_sequence<I...>) {
    ComponentCatalogue catalogue = Catalogue();
    ((catalogue.readers[I] = &Record<I>), ...);
    return catalogue;
}

const ComponentCatalogue& RecordingCatalogue() {
    static const ComponentCatalogue catalogue = MakeRecordingCatalogue(std::make_index_sequence<entity::MaxComponents>());
    return catalogue;
}

std::vector<std::string> RecordedDocuments() {
    std::vector<std::string> documents;
    for (const auto& [e, members] : Recorded()) documents.push_back("{" + members + "}");
    return documents;
}

// Replaces every "$DIR/" in a fixture with the test's own folder.
std::string WithDir(std::string text, const std::string& dir) {
    for (std::size_t at = text.find("$DIR/"); at != std::string::npos; at = text.find("$DIR/", at + dir.size()))
        text.replace(at, 5, dir);
    return text;
}

class TiledMap : public testing::Test {
protected:
    TiledMap() {
        dir = test::TempDir() + "velkor_tiled_" + testing::UnitTest::GetInstance()->current_test_info()->name() + "/";
        fs::remove_all(dir);
        fs::create_directories(dir);
        Recorded().clear();
        // A box prefab for objects, and the two tilesets most maps here use: a 4 x 2 sprite sheet
        // of 128-pixel cells and a collection of two single images.
        Write("Box.json", R"({"Transform": {}})");
        Write("Sheet.json", R"({"image": "../../../Assets/Images/Sheet.png", "imagewidth": 512, "imageheight": 256,
                                "tilewidth": 128, "tileheight": 128, "type": "tileset"})");
        Write("Props.json", R"({"type": "tileset", "tiles": [
            {"id": 0, "image": "../../../Assets/Images/Lamp.png", "imagewidth": 64, "imageheight": 256},
            {"id": 1, "image": "../../../Assets/Images/Crate.png", "imagewidth": 256, "imageheight": 128}]})");
    }

    void Write(const std::string& name, const std::string& text) {
        fs::create_directories(fs::path(dir + name).parent_path());
        std::ofstream(dir + name) << WithDir(text, dir);
    }

    // Loads a map written as text; `record` swaps the game's readers for the recording ones.
    void Load(const std::string& text, bool record = false) {
        const auto map = test::Parse(WithDir(text, dir).c_str());
        LoadTiledMap(map, *registry, TiledOptions{dir, nullptr, record ? &RecordingCatalogue() : nullptr});
    }

    [[nodiscard]] std::size_t Alive() const {
        std::size_t n = 0;
        for (Entity e = 0; e < registry->next(); ++e) n += registry->alive(e);
        return n;
    }
    // Checked: a load that made fewer entities than a test expects fails the test instead of
    // reading a component that was never made (Release builds do not check get<>).
    Transform& TransformOf(Entity e) {
        if (!registry->alive(e) || !registry->has<Transform>(e))
            throw std::logic_error("entity " + std::to_string(e) + " has no Transform");
        return registry->get<Transform>(e);
    }

    std::string dir;
    std::unique_ptr<Registry> registry = std::make_unique<Registry>();
    test::TraceCapture trace;
};

// A 128-pixel map, 10 tiles high, with the sprite sheet at 1 and the collection at 20.
std::string Map(const std::string& layers, const std::string& extra = "") {
    return R"({"tilewidth": 128, "tileheight": 128, "width": 8, "height": 10, )" + extra +
           R"("tilesets": [{"firstgid": 1, "source": "Sheet.json"}, {"firstgid": 20, "source": "Props.json"}],
               "layers": [)" + layers + "]}";
}

std::string ObjectLayer(const std::string& objects, const std::string& name = "Things") {
    return R"({"type": "objectgroup", "name": ")" + name + R"(", "objects": [)" + objects + "]}";
}

constexpr const char* BoxSource = R"("properties": [{"name": "Source", "type": "string", "value": "$DIR/Box.json"}])";

TEST_F(TiledMap, ObjectCentresFollowTiledsOriginsAndRotation) {
    Write("Wide.json", std::string(R"({"type": "template", "object": {"width": 256, "height": 128, "rotation": 0, )") +
                           BoxSource + "}}");
    struct Case {
        std::string object;
        glm::vec2 translation, scale;
        float rotation;
    } cases[] = {
        // Rectangle: the origin is the top-left corner.
        {R"("x": 256, "y": 384, "width": 128, "height": 256)", {2.5f, 6.0f}, {1, 2}, 0},
        // Tile object: the origin is the bottom-left corner; its own size beats its tile's.
        {R"("gid": 1, "x": 256, "y": 384, "width": 128, "height": 256)", {2.5f, 8.0f}, {1, 2}, 0},
        // Clockwise 90 in Tiled is -90 here, the half-size turned about the origin.
        {R"("x": 0, "y": 0, "width": 128, "height": 128, "rotation": 90)", {-0.5f, 9.5f}, {1, 1}, -90},
        // 270 wraps to +90 for the position; Rotation keeps -270.
        {R"("x": 0, "y": 0, "width": 128, "height": 128, "rotation": 270)", {0.5f, 10.5f}, {1, 1}, -270},
        {R"("gid": 1, "x": 0, "y": 1280, "width": 128, "height": 128, "rotation": 90)", {0.5f, -0.5f}, {1, 1}, -90},
        // A point: no size, the position itself; the prefab's scale stays.
        {R"("x": 128, "y": 128)", {1.0f, 9.0f}, {1, 1}, 0},
        // A template's size scales the entity but does not move the centre; the object's own beats it.
        {R"("template": "Wide.json", "x": 0, "y": 1280)", {0.0f, 0.0f}, {2, 1}, 0},
        {R"("template": "Wide.json", "x": 0, "y": 1280, "width": 384)", {1.5f, 0.0f}, {3, 1}, 0},
    };
    std::string objects;
    for (const auto& c : cases) objects += (objects.empty() ? "{" : ",{") + c.object + ", " + BoxSource + "}";
    Load(Map(ObjectLayer(objects)));

    ASSERT_EQ(Alive(), std::size(cases));
    for (Entity e = 0; e < std::size(cases); ++e) {
        const Transform& t = TransformOf(e);
        SCOPED_TRACE(cases[e].object);
        EXPECT_NEAR(t.Translation.x, cases[e].translation.x, 1e-5f);
        EXPECT_NEAR(t.Translation.y, cases[e].translation.y, 1e-5f);
        EXPECT_FLOAT_EQ(t.Scale.x, cases[e].scale.x);
        EXPECT_FLOAT_EQ(t.Scale.y, cases[e].scale.y);
        EXPECT_FLOAT_EQ(t.Rotation, cases[e].rotation);
    }
}

TEST_F(TiledMap, TileLayerCellsBecomeSpriteSheetEntities) {
    Load(Map(R"({"type": "tilelayer", "width": 3, "height": 2, "data": [0, 2, 0, 1, 0, 0]})"));
    ASSERT_EQ(Alive(), 2u);
    struct Expected {
        glm::vec2 translation;
        glm::vec2 cell;  // sprite-sheet column and row
    } expected[] = {{{1.5f, 1.5f}, {1, 0}}, {{0.5f, 0.5f}, {0, 0}}};
    const auto& textures = registry->singletons.get<singleton::Texture>().map;
    for (Entity e = 0; e < 2; ++e) {
        const Transform& t = TransformOf(e);
        EXPECT_EQ(t.Translation, expected[e].translation);
        EXPECT_EQ(t.Scale, glm::vec2(1, 1));
        EXPECT_EQ(t.Rotation, 0.0f);
        const auto& g = registry->get<component::Graphics>(e);
        EXPECT_EQ(g.Layer, util::FindLayer("Background"));
        // Dim (4, 2) makes quarter-by-half cells; the reader samples a hair inside the cell.
        EXPECT_NEAR(g.TextureOffset.x, expected[e].cell.x * 0.25f + 0.00005f, 1e-6f);
        EXPECT_NEAR(g.TextureOffset.y, expected[e].cell.y * 0.5f + 0.00005f, 1e-6f);
        ASSERT_TRUE(textures.contains("Assets/Images/Sheet.png"));
        EXPECT_EQ(g.Texture, &textures.at("Assets/Images/Sheet.png"));
    }
}

TEST_F(TiledMap, TilesetChoiceCellsAndCollectionImages) {
    // 5 is local 4 of the sheet (column 0, row 1); 21 is the collection's second image; 8 the last cell.
    Load(Map(R"({"type": "tilelayer", "width": 2, "height": 2, "data": [5, 21, 0, 8]})"), true);
    EXPECT_EQ(RecordedDocuments(), (std::vector<std::string>{
        R"({"Graphics":{"Texture":"Assets/Images/Sheet.png","Layer":"Background","Mesh":{"SpriteSheet":{"Dim":[4.0,2.0],"Sprite":[0,1]}}},)"
        R"("Transform":{"Scale":[1.0,1.0],"Translation":[0.5,1.5],"Rotation":0.0}})",
        R"({"Graphics":{"Texture":"Assets/Images/Crate.png"},"Transform":{"Scale":[2.0,1.0],"Translation":[2.0,1.5],"Rotation":0.0}})",
        R"({"Graphics":{"Texture":"Assets/Images/Sheet.png","Layer":"Background","Mesh":{"SpriteSheet":{"Dim":[4.0,2.0],"Sprite":[3,1]}}},)"
        R"("Transform":{"Scale":[1.0,1.0],"Translation":[1.5,0.5],"Rotation":0.0}})",
    }));
}

TEST_F(TiledMap, PrefabsAndOverridesMeetTheTilesWrites) {
    Write("Lamp.json", R"({"Graphics": {"Layer": "Default", "Color": [1, 0, 1, 1]}, "Light": {"OuterRadius": 3}})");
    // A sheet whose tile 1 names a prefab and overrides the layer; a sheet whose Source is on the
    // tileset itself and has no "tiles", so the prefab is only merged at the end and the tile's
    // "Graphics" wins whole.
    Write("Lit.json", R"({"image": "../../../Assets/Images/Lit.png", "imagewidth": 256, "imageheight": 128,
        "tilewidth": 128, "tileheight": 128, "tiles": [{"id": 1, "properties": [
            {"name": "Source", "type": "string", "value": "$DIR/Lamp.json"},
            {"name": "/Graphics/Layer", "type": "string", "value": "Foreground"}]}]})");
    Write("Whole.json", R"({"image": "../../../Assets/Images/Lit.png", "imagewidth": 256, "imageheight": 128,
        "tilewidth": 128, "tileheight": 128, "properties": [{"name": "Source", "type": "string", "value": "$DIR/Lamp.json"}]})");
    Load(R"({"tilewidth": 128, "tileheight": 128, "height": 1,
             "tilesets": [{"firstgid": 1, "source": "Lit.json"}, {"firstgid": 3, "source": "Whole.json"}],
             "layers": [{"type": "tilelayer", "width": 2, "height": 1, "data": [2, 3]}]})",
         true);
    EXPECT_EQ(RecordedDocuments(), (std::vector<std::string>{
        R"({"Graphics":{"Layer":"Foreground","Color":[1,0,1,1],"Texture":"Assets/Images/Lit.png","Mesh":{"SpriteSheet":{"Dim":[2.0,1.0],"Sprite":[1,0]}}},)"
        R"("Light":{"OuterRadius":3},"Transform":{"Scale":[1.0,1.0],"Translation":[0.5,0.5],"Rotation":0.0}})",
        R"({"Graphics":{"Texture":"Assets/Images/Lit.png","Layer":"Background","Mesh":{"SpriteSheet":{"Dim":[2.0,1.0],"Sprite":[0,0]}}},)"
        R"("Light":{"OuterRadius":3},"Transform":{"Scale":[1.0,1.0],"Translation":[1.5,0.5],"Rotation":0.0}})",
    }));
}

TEST_F(TiledMap, PropertyValuesKeepTheirTypesAndBadOnesAreTraced) {
    Load(Map(ObjectLayer(R"({"x": 0, "y": 1280, "properties": [
        {"name": "/HUD/int", "type": "int", "value": 7},
        {"name": "/HUD/float", "type": "float", "value": 0.1},
        {"name": "/HUD/whole", "type": "float", "value": 2},
        {"name": "/HUD/bool", "type": "bool", "value": true},
        {"name": "/HUD/text", "type": "string", "value": "neon"},
        {"name": "/HUD/list/2", "type": "int", "value": 5},
        {"name": "/HUD/null", "type": "class", "value": null},
        {"name": "/HUD/huge", "type": "float", "value": 1e39},
        {"name": "/HUD/unsigned", "type": "int", "value": 3000000000},
        {"name": "/HUD/int", "type": "int", "value": 8},
        {"name": "Graphics", "type": "string", "value": "replaces everything"},
        {"name": "", "type": "string", "value": "so does this"},
        {"name": "/bad~2escape", "type": "int", "value": 1},
        {"name": "Source", "type": "string", "value": "$DIR/Box.json"}]})")),
         true);
    EXPECT_EQ(RecordedDocuments(), (std::vector<std::string>{
        R"({"Transform":{"Translation":[0.0,0.0]},"HUD":{"int":8,"float":0.10000000149011612,"whole":2.0,"bool":true,"text":"neon","list":[null,null,5]}})"}));
    for (const char* message : {"/HUD/null has unrecogonized type class\n", "/HUD/huge has unrecogonized type float\n",
                                "/HUD/unsigned has unrecogonized type int\n",
                                "Property Graphics is not a JSON pointer; ignored.\n",
                                "Property  is not a JSON pointer; ignored.\n",
                                "Property /bad~2escape is not a JSON pointer; ignored.\n"})
        EXPECT_EQ(trace.count(message), 1u) << message;
}

TEST_F(TiledMap, ObjectAndTileSizesReachTheColliders) {
    Write("Wall.json", R"({"Transform": {"Scale": [7, 7]}, "Physics": {}, "Collision": {"ColliderType": "Rectangle",
        "Collider": {"Size_Offset": [1, 1], "Pos_Offset": [0, 0.25]}, "ColliderTag": "Platform"}})");
    Write("WallTemplate.json", R"({"object": {"width": 256, "height": 64, "properties": [
        {"name": "Source", "type": "string", "value": "$DIR/Wall.json"}]}})");
    Write("Solid.json", R"({"image": "../../../Assets/Images/Sheet.png", "imagewidth": 512, "imageheight": 256,
        "tilewidth": 128, "tileheight": 128, "tiles": [{"id": 0, "properties": [
            {"name": "Source", "type": "string", "value": "$DIR/Wall.json"}]}]})");
    const std::string wall = R"("properties": [{"name": "Source", "type": "string", "value": "$DIR/Wall.json"}])";
    Load(R"({"tilewidth": 128, "tileheight": 128, "height": 10, "tilesets": [{"firstgid": 1, "source": "Solid.json"}],
             "layers": [{"type": "tilelayer", "width": 2, "height": 1, "data": [0, 1]},
                        {"type": "objectgroup", "name": "Walls", "objects": [
                            {"x": 256, "y": 384, "width": 192, "height": 64, )" + wall + R"(},
                            {"x": 256, "y": 384, "width": 192, "height": 64, "rotation": 90, )" + wall + R"(},
                            {"template": "WallTemplate.json", "x": 0, "y": 1280, "height": 128}]}]})");
    struct Expected {
        glm::vec2 centre, half;
        float rotation;
    } expected[] = {
        // The cell: the sheet's cell size, one tile.
        {{1.5f, 0.5f + 0.25f}, {0.5f, 0.5f}, 0},
        // 192 x 64 pixels: 1.5 x 0.5 tiles, whatever the prefab's own scale.
        {{2.75f, 6.75f + 0.125f}, {0.75f, 0.25f}, 0},
        // Colliders stay axis-aligned: a rotated object keeps its unrotated box about its centre.
        {{2.0f - 0.25f, 7.0f - 0.75f + 0.125f}, {0.75f, 0.25f}, -90},
        // The template's width, the object's own height (which alone moves the centre, downwards).
        {{0.0f, -0.5f + 0.25f}, {1.0f, 0.5f}, 0},
    };
    ASSERT_EQ(Alive(), std::size(expected));
    for (Entity e = 0; e < std::size(expected); ++e) {
        SCOPED_TRACE(e);
        const auto box = collision::BoxOf(TransformOf(e), registry->get<component::Collision>(e));
        EXPECT_NEAR(box.centre.x, expected[e].centre.x, 1e-5f);
        EXPECT_NEAR(box.centre.y, expected[e].centre.y, 1e-5f);
        EXPECT_NEAR(box.half.x, expected[e].half.x, 1e-6f);
        EXPECT_NEAR(box.half.y, expected[e].half.y, 1e-6f);
        EXPECT_FLOAT_EQ(TransformOf(e).Rotation, expected[e].rotation);
        EXPECT_EQ(registry->get<component::Collision>(e).ColliderTag, component::Collision::Platform);
    }
}

TEST_F(TiledMap, ImageLayersTakeEverythingFromTheirProperties) {
    Load(Map(R"({"type": "imagelayer", "image": "sky.png", "properties": [
        {"name": "/Transform/Translation", "type": "string", "value": "ignored by the Transform reader"},
        {"name": "/Transform/Rotation", "type": "float", "value": 12.5},
        {"name": "Source", "type": "string", "value": "$DIR/Box.json"}]})"),
         true);
    EXPECT_EQ(RecordedDocuments(),
              (std::vector<std::string>{R"({"Transform":{"Translation":"ignored by the Transform reader","Rotation":12.5}})"}));
}

TEST_F(TiledMap, ObjectsWithoutAPrefabAreSkipped) {
    // Tile 2 of the sheet names the box, but Tile takes that prefab itself: the tile object has
    // no Source left of its own, so it is skipped like any object without one.
    Write("Named.json", R"({"image": "../../../Assets/Images/Sheet.png", "imagewidth": 512, "imageheight": 256,
        "tilewidth": 128, "tileheight": 128, "tiles": [{"id": 1, "properties": [
            {"name": "Source", "type": "string", "value": "$DIR/Box.json"}]}]})");
    Load(R"({"tilewidth": 128, "tileheight": 128, "height": 10, "tilesets": [{"firstgid": 1, "source": "Named.json"}],
             "layers": [{"type": "objectgroup", "name": "Things", "objects": [
                {"gid": 2, "x": 0, "y": 128, "width": 128, "height": 128},
                {"x": 0, "y": 0, "width": 128, "height": 128},
                {"template": "Missing.json", "x": 0, "y": 0},
                {"gid": 2, "x": 0, "y": 128, "properties": [{"name": "Source", "type": "string", "value": "$DIR/Box.json"}]}]}]})");
    EXPECT_EQ(Alive(), 1u);
    EXPECT_EQ(trace.count("Source filepath not found!\n"), 2u);
    EXPECT_TRUE(trace.contains("Reading JSON file with name " + dir + "Missing.json\n"));
    EXPECT_EQ(TransformOf(0).Translation, glm::vec2(0, 9));
}

TEST_F(TiledMap, PlatformCounterAndPlayerLayerLines) {
    const std::string platform = R"({"x": 0, "y": 0, "properties": [{"name": "Source", "type": "string", "value": "Data/Entities/Platform.json"}]})";
    const std::string box = std::string(R"({"x": 0, "y": 0, )") + BoxSource + "}";
    testing::internal::CaptureStdout();
    Load(Map(ObjectLayer(platform + "," + box + "," + platform) + "," + ObjectLayer(platform, "Player")));
    const std::string first = testing::internal::GetCapturedStdout();
    EXPECT_EQ(TiledPlatformCount(), 3);
    testing::internal::CaptureStdout();
    Load(Map(ObjectLayer(platform)));
    const std::string second = testing::internal::GetCapturedStdout();

    // Only the loader's own lines: a prefab with graphics adds the texture loader's.
    const auto loaderLines = [](const std::string& out) {
        std::string kept;
        for (std::size_t at = 0, end; at < out.size(); at = end + 1) {
            end = out.find('\n', at);
            if (end == std::string::npos) end = out.size();
            const std::string line = out.substr(at, end - at);
            if (line == "ghewu" || line.starts_with("-------")) kept += line + "\n";
        }
        return kept;
    };
    const std::string line = "-------------------------------platform #: ";
    EXPECT_EQ(loaderLines(first), line + "1\n" + line + "2\nghewu\n" + line + "3\n");
    EXPECT_EQ(loaderLines(second), line + "1\n");
    EXPECT_EQ(TiledPlatformCount(), 1);
    EXPECT_EQ(Alive(), 5u);
}

TEST_F(TiledMap, BrokenContentIsTracedAndSkipped) {
    Write("Narrow.json", R"({"image": "../../../Assets/Images/N.png", "imagewidth": 64, "imageheight": 256, "tilewidth": 128, "tileheight": 128})");
    Write("Sizeless.json", R"({"image": "../../../Assets/Images/N.png", "imagewidth": 512, "imageheight": 256})");
    Write("Short.json", R"({"tiles": [{"id": 0, "image": "a.png", "imagewidth": 128, "imageheight": 128}]})");
    Write("Vast.json", R"({"image": "../../../Assets/Images/N.png", "imagewidth": 1e300, "imageheight": 256, "tilewidth": 128, "tileheight": 128})");
    const auto tiles = [](const std::string& tileset, const std::string& data, int width = 2, int height = 1) {
        return R"({"tilewidth": 128, "tileheight": 128, "height": 1, "tilesets": [)" + tileset + R"(],
                   "layers": [{"type": "tilelayer", "width": )" + std::to_string(width) + R"(, "height": )" +
               std::to_string(height) + ", " + data + "}]}";
    };
    const std::string sheet = R"({"firstgid": 1, "source": "Sheet.json"})";
    struct Case {
        std::string map;
        std::string message;
        std::size_t entities;
    } cases[] = {
        {tiles(R"({"firstgid": 1, "source": "Props.json"})", R"("data": [2, 6])"),
         "Invalid tile index (5 is not a tile of its tileset).\n", 1},
        {tiles(sheet, R"("data": [9, 1])"), "Invalid tile index (8 is past the sprite sheet's last cell).\n", 1},
        {tiles(R"({"firstgid": 3, "source": "Sheet.json"})", R"("data": [2, 3])"), "Invalid tile index (< 0).\n", 1},
        {tiles(sheet, R"("data": [1, 2, 3])", 2, 2), "Invalid tile layer: 3 cells for 2 x 2; the missing cells stay empty.\n", 3},
        {tiles(R"({"firstgid": 1, "source": "Narrow.json"})", R"("data": [1, 0])"),
         "Invalid tileset: its image is smaller than one tile; tile skipped.\n", 0},
        {tiles(R"({"firstgid": 1, "source": "Sizeless.json"})", R"("data": [1, 0])"), "Invalid tileset: no tile size; tile skipped.\n", 0},
        // The image path cannot lose its folder prefix: the tile stays, without a texture.
        {tiles(R"({"firstgid": 1, "source": "Short.json"})", R"("data": [1, 0])"),
         "Tile image path \"a.png\" is too short to be relative to a tileset folder; image skipped.\n", 1},
        // Flip flags are cleared: these are tiles 1 and 2, traced once.
        {tiles(sheet, R"("data": [2147483649, 1073741826])"), "Tile flip flags cleared; flipped tiles are drawn unflipped.\n", 2},
        // The embedded tileset's tiles are not read as tiles of the sheet before it.
        {tiles(sheet + R"(, {"firstgid": 9, "tilewidth": 128, "tiles": []}, {"firstgid": 12, "source": "Props.json"})",
               R"("data": [10, 12])"),
         "Invalid tile index (10 belongs to a tileset that was not loaded).\n", 1},
        {tiles(R"({"firstgid": 1, "source": "Missing.json"})", R"("data": [1, 1])"), "Map has tilemap but no tileset.\n", 0},
        {tiles(sheet, R"("chunks": [{"x": 0, "y": 0, "width": 2, "height": 1, "data": [1, 1]}])"),
         "Tile layer of an infinite map (chunks) is not supported; layer skipped.\n", 0},
        {tiles(sheet, R"("encoding": "base64", "compression": "zstd", "data": "KLUv/SAIQQAAAQAAAAEAAAA=")"),
         "Tile layer compression zstd is not supported; layer skipped.\n", 0},
        {tiles(sheet, R"("encoding": "base64", "data": "AQAAAAE*AAA=")"), "Tile layer data is not valid base64; layer skipped.\n", 0},
        {tiles(sheet, R"("encoding": "base64", "compression": "zlib", "data": "AQAAAAEAAAA=")"),
         "Tile layer data could not be decompressed (incorrect header check); layer skipped.\n", 0},
        {tiles(sheet, R"("data": [1, 1])", 0, 1), "Tile layer has no size; layer skipped.\n", 0},
        // Numbers no int can hold read as absent instead of being cast; cell counts stay countable.
        {tiles(sheet, R"("data": [1, 1])", 65536, 65536), "Tile layer of 65536 x 65536 cells is too large; layer skipped.\n", 0},
        {tiles(sheet, R"("data": [1, 1])", 2, 1).replace(0, 1, R"({"height": 1.8e128, )"), "Value of \"height\" out of range; ignored\n", 2},
        {tiles(R"({"firstgid": 1, "source": "Vast.json"})", R"("data": [1, 0])"), "Value of \"imagewidth\" out of range; ignored\n", 0},
        {R"({"height": 1, "tilesets": [{"firstgid": 1, "source": "Sheet.json"}], "layers": [
            {"type": "tilelayer", "width": 1, "height": 1, "data": [1]},
            {"type": "objectgroup", "name": "x", "objects": [{"x": 0, "y": 0, )" + std::string(BoxSource) + R"(}]},
            {"type": "imagelayer", )" + std::string(BoxSource) + "}]}",
         "Map has no tile size; its tile and object layers are skipped.\n", 1},
        {R"({"tilewidth": 128, "tileheight": 128})", "Map has no \"layers\" member.\n", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.map);
        registry = std::make_unique<Registry>();
        trace.clear();
        Load(c.map);
        EXPECT_EQ(trace.count(c.message), 1u) << c.message;
        EXPECT_EQ(Alive(), c.entities);
        EXPECT_EQ(trace.messages().front(), "Deserializing Map.\n");
    }
}

// Tiled's base64 forms of one layer: little-endian identifiers, raw or compressed.
std::string Base64(const std::vector<unsigned char>& bytes) {
    static const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const unsigned b = bytes[i] << 16 | (i + 1 < bytes.size() ? bytes[i + 1] << 8 : 0) | (i + 2 < bytes.size() ? bytes[i + 2] : 0);
        text += alphabet[b >> 18 & 63];
        text += alphabet[b >> 12 & 63];
        text += i + 1 < bytes.size() ? alphabet[b >> 6 & 63] : '=';
        text += i + 2 < bytes.size() ? alphabet[b & 63] : '=';
    }
    return text;
}

std::vector<unsigned char> Compress(const std::vector<unsigned char>& bytes, int windowBits) {
    z_stream stream{};
    EXPECT_EQ(deflateInit2(&stream, 9, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY), Z_OK);
    std::vector<unsigned char> out(deflateBound(&stream, static_cast<uLong>(bytes.size())) + 32);
    stream.next_in = const_cast<unsigned char*>(bytes.data());
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

TEST_F(TiledMap, Base64LayersLoadLikeTheArrayForm) {
    const std::vector<std::uint32_t> cells = {0, 1, 2, 21, 0, 0, 8, 0x80000003u, 0, 20, 5, 0};
    std::string array;
    std::vector<unsigned char> bytes;
    for (std::uint32_t c : cells) {
        if (!array.empty()) array += ',';
        array += std::to_string(c);
        for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<unsigned char>(c >> shift));
    }
    const auto layer = [](const std::string& data) {
        return Map(R"({"type": "tilelayer", "width": 4, "height": 3, )" + data + "}");
    };
    Load(layer(R"("data": [)" + array + "]"), true);
    const auto expected = RecordedDocuments();
    ASSERT_EQ(expected.size(), 7u);

    const std::string forms[] = {
        R"("encoding": "base64", "data": ")" + Base64(bytes) + '"',
        R"("encoding": "base64", "compression": "", "data": ")" + Base64(bytes) + '"',
        R"("encoding": "base64", "compression": "zlib", "data": ")" + Base64(Compress(bytes, 15)) + '"',
        R"("encoding": "base64", "compression": "gzip", "data": ")" + Base64(Compress(bytes, 15 + 16)) + '"',
    };
    for (const auto& form : forms) {
        SCOPED_TRACE(form);
        registry = std::make_unique<Registry>();
        Recorded().clear();
        Load(layer(form), true);
        EXPECT_EQ(RecordedDocuments(), expected);
    }

    // A stream cut short loads nothing; one with more cells than the layer loads the layer's cells.
    const auto zlib = Compress(bytes, 15);
    registry = std::make_unique<Registry>();
    Load(layer(R"("encoding": "base64", "compression": "zlib", "data": ")" +
               Base64({zlib.begin(), zlib.begin() + static_cast<long>(zlib.size() / 2)}) + '"'));
    EXPECT_EQ(Alive(), 0u);
    EXPECT_TRUE(trace.contains("Tile layer data could not be decompressed (truncated stream); layer skipped.\n"));
    auto longer = bytes;
    longer.insert(longer.end(), bytes.begin(), bytes.end());
    registry = std::make_unique<Registry>();
    Load(layer(R"("encoding": "base64", "compression": "gzip", "data": ")" + Base64(Compress(longer, 31)) + '"'));
    EXPECT_EQ(Alive(), 7u);
}

TEST(TiledBase64, DecodesPaddingWhitespaceAndRejectsJunk) {
    const auto bytes = [](const char* text) { return tiled::DecodeBase64(text); };
    EXPECT_EQ(bytes("TWFu"), (std::vector<std::uint8_t>{'M', 'a', 'n'}));
    EXPECT_EQ(bytes("TWE="), (std::vector<std::uint8_t>{'M', 'a'}));
    EXPECT_EQ(bytes("TQ"), (std::vector<std::uint8_t>{'M'}));
    EXPECT_EQ(bytes("\n  TW\r\nFu\t"), (std::vector<std::uint8_t>{'M', 'a', 'n'}));
    EXPECT_EQ(bytes(""), std::vector<std::uint8_t>{});
    for (const char* junk : {"T", "TW=u", "TWF-", "TWFu!", "TWFuT"}) EXPECT_FALSE(bytes(junk)) << junk;
}

TEST_F(TiledMap, LevelLoaderHandsThePropertiesToTheLevel) {
    const std::string layers = ObjectLayer(std::string(R"({"x": 0, "y": 0, )") + BoxSource + "}");
    levels::LoadTiledMap(test::Parse(WithDir(Map(layers, R"("properties": [{"name": "MaxTime", "type": "int", "value": 90}],)"), dir).c_str()),
                         *registry);
    ASSERT_TRUE(registry->singletons.has<singleton::Level>());
    EXPECT_EQ(registry->singletons.get<singleton::Level>().MaxTime, 90.0f);
    EXPECT_EQ(Alive(), 1u);

    // Without properties: a default Level still waiting for them.
    registry = std::make_unique<Registry>();
    levels::LoadTiledMap(test::Parse(R"({"tilewidth": 1, "tileheight": 1, "layers": []})"), *registry);
    ASSERT_TRUE(registry->singletons.has<singleton::Level>());
    EXPECT_TRUE(registry->singletons.get<singleton::Level>().propertiesPending);
    EXPECT_EQ(registry->singletons.get<singleton::Level>().MaxTime, 1.0f);
}

}  // namespace
}  // namespace velkor

namespace velkor {
namespace {

// The game's maps, the colliders each has at least and its time limit.
struct GameMap {
    const char* path;
    std::size_t colliders;
    float maxTime;
};
constexpr GameMap GameMaps[] = {{"Data/Tiled/TestMap.json", 80, 120.0f}, {"Data/Tiled/Level1.json", 30, 115.0f}};

std::vector<std::string> LoadRecorded(const std::string& path, const std::string& directory) {
    Recorded().clear();
    auto registry = std::make_unique<Registry>();
    LoadTiledMap(ReadJsonFile(path), *registry, TiledOptions{directory, nullptr, &RecordingCatalogue()});
    return RecordedDocuments();
}

TEST(TiledContent, MapsNameOnlyFilesThatExist) {
    for (const GameMap& map : GameMaps) {
        SCOPED_TRACE(map.path);
        test::TraceCapture trace;
        auto registry = std::make_unique<Registry>();
        testing::internal::CaptureStdout();
        levels::LoadTiledMap(ReadJsonFile(map.path), *registry);
        const std::string out = testing::internal::GetCapturedStdout();
        for (const auto& message : trace.messages()) {
            EXPECT_EQ(message.find("did not open"), std::string::npos) << message;
            EXPECT_EQ(message.find("Invalid"), std::string::npos) << message;
            // A catalogue name whose reader has not been written yet is fine; a misspelt one is not.
            if (message.starts_with("Unrecognized component name: ")) {
                EXPECT_TRUE(FindComponent(message.substr(29, message.size() - 30))) << message;
            }
        }
        EXPECT_EQ(out.find("Unable to open file"), std::string::npos) << out;
        // The street, the walls, the ledges and the platforms collide.
        EXPECT_GT(registry->pool<component::Collision>().size(), map.colliders);
        EXPECT_EQ(registry->singletons.get<singleton::Level>().MaxTime, map.maxTime);
    }
}

// Runs Debian's Tiled editor headless; false when it is not installed.
bool TiledInstalled() { return std::system("command -v tiled > /dev/null 2>&1") == 0; }

TEST(TiledEditor, MapsExportedByTheEditorLoadIntoTheSameEntities) {
    if (!TiledInstalled()) GTEST_SKIP() << "the Tiled editor (Debian package tiled) is not installed";
    for (const GameMap& map : GameMaps) {
        SCOPED_TRACE(map.path);
        const char* const TestMap = map.path;
        const std::string dir = test::TempDir() + "velkor_tiled_editor_" + std::to_string(::getpid()) + "/";
        fs::remove_all(dir);
        fs::create_directories(dir);
        const auto exportMap = [&](const std::string& options, const std::string& name) {
            const std::string command = "QT_QPA_PLATFORM=offscreen tiled " + options + " --export-map json " + TestMap +
                                        " " + dir + name + " > " + dir + "tiled.log 2>&1";
            EXPECT_EQ(std::system(command.c_str()), 0) << command;
        };
        // As saved (tilesets and templates stay references, now relative to the export's folder), and
        // with the templates' properties and sizes folded into each object.
        exportMap("", "Exported.json");
        exportMap("--detach-templates", "Detached.json");
        for (const char* tileset : {"Data/Tiled/Tilesets/CityTiles.json", "Data/Tiled/Tilesets/CityProps.json"}) {
            const std::string command = std::string("QT_QPA_PLATFORM=offscreen tiled --export-tileset json ") + tileset +
                                        " " + dir + "tileset.json > " + dir + "tiled.log 2>&1";
            EXPECT_EQ(std::system(command.c_str()), 0) << command;
        }

        const auto ours = LoadRecorded(TestMap, TiledDirectory);
        ASSERT_GT(ours.size(), 150u);
        EXPECT_EQ(LoadRecorded(dir + "Exported.json", dir), ours);
        EXPECT_EQ(LoadRecorded(dir + "Detached.json", dir), ours);
        fs::remove_all(dir);
    }
}

}  // namespace
}  // namespace velkor
