// The content checker on a small tree of every data form, with faults planted one at a time, and
// on the game's own data.
#include "tools/content_check.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include <gtest/gtest.h>

#include "app/code_paths.hpp"

namespace velkor::content {
namespace {

namespace fs = std::filesystem;

void Write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

// One file of each form the game reads, all consistent with each other.
void WriteTree(const fs::path& root) {
    Write(root / "Assets/Images/a.png", "png");
    Write(root / "Assets/SFX/jump.wav", "wav");
    Write(root / "Assets/Anim/hero.png", "png");
    Write(root / "Assets/Anim/hero.atlas", "\nhero.png\nsize: 4,4\nformat: RGBA8888\nbody\n  rotate: false\n  xy: 0, 0\n");
    Write(root / "Assets/Anim/hero.json", R"({"skeleton": {"spine": "3.8.75"}, "animations": {"idle": {}, "run": {}}})");
    Write(root / "Data/Anim/hero_data.json",
          R"({"DefaultMix": 0.2, "Mixes": [["idle", "run", 0.1]], "AnimationAliases": {"Walk": "run"}})");
    Write(root / "Data/Entities/Thing.json", R"({
        "Transform": {"Translation": [1, 2], "Scale": [1, 1]},
        "Graphics": {"Texture": "Assets/Images/a.png", "Layer": "Foreground"},
        "Audio": {"Files": [{"Filepath": "Assets/SFX/jump.wav", "Name": "Jump"}]},
        "Animation": {"Atlas": "Assets/Anim/hero.atlas", "Json": "Assets/Anim/hero.json", "Data": "Data/Anim/hero_data.json"},
        "KeyboardInput": {"Left": [65, 263], "Jump": 32}
    })");
    Write(root / "Data/Entities/Button.json", R"({
        "Button": {"Name": "Play", "AlterTexture": "Assets/Images/a.png"},
        "Audio": {"Files": [{"Filepath": "Assets/SFX/jump.wav", "Name": "ButtonPush"},
                            {"Filepath": "Assets/SFX/jump.wav", "Name": "ButtonHover"}]}
    })");
    Write(root / "Data/Particles/rain.json", R"({"Transform": {}, "Graphics": {}, "Particles": {"LifeTime": 2}})");
    Write(root / "Data/Group.json", R"({"Sky": {"Transform": {}}, "Ground": {"Graphics": {"Texture": "Assets/Images/a.png"}}})");
    Write(root / "Data/LevelSounds.json", R"({"Files": [{"Filepath": "Assets/SFX/jump.wav", "Name": "BGM"}]})");
    Write(root / "Data/Tiled/tiles.json",
          R"({"type": "tileset", "image": "../../../Assets/Images/a.png", "imagewidth": 256, "imageheight": 128,
              "tilewidth": 128, "tileheight": 128, "tiles": [{"id": 1, "properties": [
                  {"name": "Source", "type": "string", "value": "Data/Entities/Thing.json"}]}]})");
    Write(root / "Data/Tiled/thing.json",
          R"({"type": "template", "object": {"width": 128, "height": 128, "properties": [
                  {"name": "Source", "type": "string", "value": "Data/Entities/Thing.json"}]}})");
    Write(root / "Data/Tiled/Test.json", R"({"type": "map", "tilewidth": 128, "tileheight": 128, "height": 2,
        "tilesets": [{"firstgid": 1, "source": "tiles.json"}],
        "properties": [{"name": "Audio", "type": "string", "value": "Data/LevelSounds.json"},
                       {"name": "MaxTime", "type": "float", "value": 90}],
        "layers": [
            {"type": "tilelayer", "width": 2, "height": 2, "data": [0, 1, 2, 0]},
            {"type": "objectgroup", "name": "Things", "objects": [
                {"x": 0, "y": 0, "width": 128, "height": 128, "template": "thing.json"},
                {"x": 128, "y": 0, "properties": [
                    {"name": "Source", "type": "string", "value": "Data/Entities/Thing.json"},
                    {"name": "/Graphics/Layer", "type": "string", "value": "UI"},
                    {"name": "/Transform/Scale/0", "type": "float", "value": 2.5}]}]},
            {"type": "imagelayer", "properties": [{"name": "Source", "type": "string", "value": "Data/Backdrop.json"}]}]})");
    Write(root / "Data/Backdrop.json", R"({"Transform": {"Scale": [20, 10]}, "Graphics": {"Texture": "Assets/Images/a.png", "Layer": "Parallax3"}})");
}

const CodePath TreeFiles[] = {
    {"levels/test_level.cpp", "Data/Tiled/Test.json"},
    {"levels/test_level.cpp", "Data/Particles/rain.json"},
    {"levels/test_level.cpp", "Data/Group.json"},
    {"levels/menu.cpp", "Data/Entities/Button.json"},
};
const CodePath TreeSounds[] = {{"gameplay/player.cpp", "Jump"}, {"levels/level.cpp", "BGM"}};
const CodeNames TreeCode{TreeFiles, TreeSounds};

std::vector<std::string> CheckTree(const fs::path& root) {
    Checker checker(root.string());
    checker.Run(TreeCode);
    std::vector<std::string> lines;
    for (const Problem& p : checker.Problems()) lines.push_back(p.Line());
    return lines;
}

std::string Edit(const fs::path& file, const std::string& from, const std::string& to) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string s = text.str();
    const std::size_t at = s.find(from);
    if (at == std::string::npos) return "'" + from + "' is not in " + file.string();
    s.replace(at, from.size(), to);
    std::ofstream(file, std::ios::binary) << s;
    return {};
}

TEST(ContentCheck, FindsEachPlantedFaultWithItsFileAndPointer) {
    const fs::path root = fs::temp_directory_path() / "velkor_content_check";
    fs::remove_all(root);
    WriteTree(root);
    {
        Checker checker(root.string());
        checker.Run(TreeCode);
        for (const Problem& p : checker.Problems()) ADD_FAILURE() << "clean tree: " << p.Line();
        EXPECT_EQ(checker.FilesChecked(), 15u) << "every file of the tree, the atlas page included";
    }

    struct Case {
        const char* fault;
        std::function<std::string(const fs::path&)> plant;
        std::string expected;  // a whole line of the report
    };
    const Case cases[] = {
        {"missing texture", [](const fs::path& r) { return fs::remove(r / "Assets/Images/a.png") ? "" : "no a.png"; },
         "Data/Entities/Thing.json: /Graphics/Texture (texture): missing file \"Assets/Images/a.png\""},
        {"unknown component",
         [](const fs::path& r) { return Edit(r / "Data/Entities/Thing.json", "\"Transform\"", "\"Transfrom\""); },
         "Data/Entities/Thing.json: /Transfrom: unknown component \"Transfrom\""},
        {"bad pointer in a map property",
         [](const fs::path& r) { return Edit(r / "Data/Tiled/Test.json", "/Graphics/Layer", "/Grahpics/Layer"); },
         "Data/Tiled/Test.json: /layers/1/objects/1/properties/1/name: property \"/Grahpics/Layer\" points into "
         "unknown component \"Grahpics\""},
        {"property that is no pointer",
         [](const fs::path& r) { return Edit(r / "Data/Tiled/Test.json", "/Transform/Scale/0", "Scale"); },
         "Data/Tiled/Test.json: /layers/1/objects/1/properties/2/name: property \"Scale\" is not a JSON pointer"},
        {"missing sound", [](const fs::path& r) { return fs::remove(r / "Assets/SFX/jump.wav") ? "" : "no wav"; },
         "Data/Entities/Thing.json: /Audio/Files/0/Filepath (sound): missing file \"Assets/SFX/jump.wav\""},
        {"button without its hover sound",
         [](const fs::path& r) { return Edit(r / "Data/Entities/Button.json", "ButtonHover", "Hover"); },
         "Data/Entities/Button.json: /Audio: no sound named \"ButtonHover\", which the game plays"},
        {"unknown layer",
         [](const fs::path& r) { return Edit(r / "Data/Entities/Thing.json", "Foreground", "Foregound"); },
         "Data/Entities/Thing.json: /Graphics/Layer: unknown layer \"Foregound\""},
        {"mix of an animation the skeleton lacks",
         [](const fs::path& r) { return Edit(r / "Data/Anim/hero_data.json", "\"run\", 0.1", "\"jog\", 0.1"); },
         "Data/Anim/hero_data.json: /Mixes/0/1: the skeleton has no animation \"jog\""},
        {"missing atlas page", [](const fs::path& r) { return fs::remove(r / "Assets/Anim/hero.png") ? "" : "no page"; },
         "Assets/Anim/hero.atlas: line 2: missing page image \"Assets/Anim/hero.png\""},
        {"missing template",
         [](const fs::path& r) { return fs::remove(r / "Data/Tiled/thing.json") ? "" : "no template"; },
         "Data/Tiled/Test.json: /layers/1/objects/0/template (template): missing file \"Data/Tiled/thing.json\""},
        {"tile outside every tileset",
         [](const fs::path& r) { return Edit(r / "Data/Tiled/Test.json", "\"firstgid\": 1", "\"firstgid\": 2"); },
         "Data/Tiled/Test.json: /layers/0/data/1: tile 1 is in no tileset"},
        {"code naming a missing file",
         [](const fs::path& r) { return fs::remove(r / "Data/Particles/rain.json") ? "" : "no particles"; },
         "levels/test_level.cpp: missing file \"Data/Particles/rain.json\""},
        {"sound the code plays that no list names",
         [](const fs::path& r) { return Edit(r / "Data/LevelSounds.json", "\"BGM\"", "\"Music\""); },
         "levels/level.cpp: the code plays sound \"BGM\", which no Audio list of the data names"},
        {"broken JSON",
         [](const fs::path& r) { return Edit(r / "Data/Group.json", "\"Sky\"", "\"Sky\",,"); },
         "Data/Group.json: not valid JSON: Missing a colon after a name of object member. (at byte 6)"},
    };
    for (const Case& c : cases) {
        fs::remove_all(root);
        WriteTree(root);
        const std::string planted = c.plant(root);
        ASSERT_TRUE(planted.empty()) << c.fault << ": " << planted;
        const std::vector<std::string> lines = CheckTree(root);
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.expected), lines.end())
            << c.fault << ": expected\n  " << c.expected << "\namong\n  "
            << (lines.empty() ? std::string("(nothing)") : lines.front());
    }
    fs::remove_all(root);
}

TEST(ContentCheck, TheGamesOwnDataPasses) {
    std::ostringstream report;
    const int problems = CheckContent(GameCodeNames(), report);
    EXPECT_EQ(problems, 0) << report.str();
    EXPECT_NE(report.str().find("content check: "), std::string::npos);
    EXPECT_FALSE(GameCodeNames().files.empty()) << "the build found no file names in the code";
    EXPECT_FALSE(GameCodeNames().sounds.empty()) << "the build found no sound names in the code";
}

}  // namespace
}  // namespace velkor::content
