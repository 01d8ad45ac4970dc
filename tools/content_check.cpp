#include "tools/content_check.hpp"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include <rapidjson/error/en.h>
#include <rapidjson/pointer.h>

#include "graphics/layers.hpp"
#include "serialization/catalogue.hpp"
#include "serialization/tiled.hpp"

namespace velkor::content {

namespace fs = std::filesystem;

namespace {

// A Tiled holder (object, tile, layer) with a "Source" property among its "properties".
bool HasSource(const rapidjson::Value& holder) {
    if (!holder.IsObject() || !holder.HasMember("properties") || !holder["properties"].IsArray()) return false;
    for (const auto& p : holder["properties"].GetArray())
        if (p.IsObject() && p.HasMember("name") && p["name"] == "Source") return true;
    return false;
}

}  // namespace

class Checker::Reporter final : public ContentReport {
public:
    Reporter(Checker& checker, const Context& c) : checker_(checker), c_(c) {}
    void Fault(const std::string& pointer, std::string message) override {
        checker_.Report(c_.file, pointer, std::move(message));
    }
    void NeedFile(const std::string& pointer, const std::string& path, ContentForm form, const char* what) override {
        checker_.Need(c_, pointer, path, form, what);
    }
    void CheckInPlace(const rapidjson::Value& json, const std::string& pointer, ContentForm form) override {
        if (form == Form::AudioList) checker_.CheckAudio(c_, json, pointer);
        else if (form == Form::Animation) checker_.CheckAnimation(c_, json, pointer);
        else checker_.Report(c_.file, pointer, "cannot be checked in place");
    }

private:
    Checker& checker_;
    const Context& c_;
};

std::string Problem::Line() const {
    std::string line = file;
    if (!where.empty()) line += ": " + where;
    return line + ": " + message;
}

Checker::Checker(std::string root) : root_(std::move(root)) {}

bool Checker::ReadDocument(const std::string& path, rapidjson::Document& document) const {
    std::ifstream file(fs::path(root_) / path, std::ios::binary);
    if (!file) return false;
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    document.Parse(text.c_str(), text.size());
    return !document.HasParseError();
}

void Checker::Report(const std::string& file, const std::string& where, std::string message) {
    problems_.push_back({file, where, std::move(message)});
}

void Checker::Run(const CodeNames& code) {
    for (const CodePath& named : code.files) Check(named.path, Form::Guess, named.origin, "");
    // Everything else: JSON under Data/ and atlases and skeletons under Assets/, which the code
    // reaches by a computed name, or by none.
    std::vector<std::pair<std::string, Form>> rest;
    for (const char* folder : {"Data", "Assets"}) {
        std::error_code error;
        for (auto it = fs::recursive_directory_iterator(fs::path(root_) / folder, error);
             !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
            if (!it->is_regular_file()) continue;
            const std::string extension = it->path().extension().string();
            const std::string path = fs::relative(it->path(), root_).generic_string();
            if (extension == ".json") rest.emplace_back(path, Form::Guess);
            else if (extension == ".atlas") rest.emplace_back(path, Form::Atlas);
        }
    }
    std::sort(rest.begin(), rest.end());
    for (const auto& [path, form] : rest) Check(path, form, "", "");
    for (const CodePath& sound : code.sounds)
        if (!soundNames_.count(sound.path))
            Report(sound.origin, "", "the code plays sound \"" + std::string(sound.path) +
                                         "\", which no Audio list of the data names");
}

void Checker::Need(const Context& c, const std::string& where, const std::string& path, Form form, const char* what) {
    if (path.empty()) {
        Report(c.file, where, std::string("empty ") + what + " path");
        return;
    }
    Check(path, form, c.file, where + " (" + what + ")");
}

void Checker::Check(const std::string& path, Form form, const std::string& from, const std::string& where) {
    const fs::path full = fs::path(root_) / path;
    std::error_code error;
    if (!fs::is_regular_file(full, error)) {
        // Reported where the path is named, once per naming place.
        Report(from.empty() ? path : from, where, "missing file \"" + path + "\"");
        return;
    }
    if (!seen_.insert(path).second) return;
    if (form == Form::Plain) return;
    if (form == Form::Atlas) return CheckAtlas(path);
    if (form == Form::Guess && full.extension() != ".json") return;  // shaders, images, sounds: they exist

    rapidjson::Document document;
    if (!ReadDocument(path, document)) {
        if (!document.HasParseError()) return Report(path, "", "cannot be read");
        Report(path, "", std::string("not valid JSON: ") + rapidjson::GetParseError_En(document.GetParseError()) +
                             " (at byte " + std::to_string(document.GetErrorOffset()) + ")");
        return;
    }
    const Context c{path};
    if (form == Form::Guess) {
        form = GuessForm(document);
    }
    switch (form) {
    case Form::Prefab: CheckPrefab(c, document, ""); break;
    case Form::Group: CheckGroup(c, document); break;
    case Form::Map: CheckMap(c, document); break;
    case Form::Tileset: CheckTileset(c, document); break;
    case Form::Template:
        if (!document.IsObject() || !document.HasMember("object") || !document["object"].IsObject()) {
            Report(path, "", "a template needs an \"object\"");
        } else {
            bool hasSource = false;
            CheckProperties(c, document["object"], "/object", hasSource);
            if (document["object"].HasMember("gid") && !document.HasMember("tileset"))
                Report(path, "/object/gid", "a tile template needs its \"tileset\"");
        }
        break;
    case Form::AudioList: CheckAudio(c, document, ""); break;
    case Form::LevelProperties: CheckLevelProperties(c, document, ""); break;
    case Form::AnimationData: CheckAnimationData(c, document, {}); break;
    case Form::Skeleton:
        if (!document.IsObject()) Report(path, "", "a skeleton file must hold an object");
        break;
    default: break;
    }
}

void Checker::CheckGroup(const Context& c, const Json& group) {
    for (const auto& m : group.GetObject()) CheckPrefab(c, m.value, JoinPointer("", m.name.GetString()));
}

void Checker::CheckPrefab(const Context& c, const Json& prefab, const std::string& pointer) {
    if (!prefab.IsObject()) {
        Report(c.file, pointer, std::string("a prefab must be an object, not ") + JsonTypeName(prefab));
        return;
    }
    for (const auto& m : prefab.GetObject()) {
        const std::string name = m.name.GetString();
        const std::string at = JoinPointer(pointer, name);
        const Json& v = m.value;
        if (!FindComponent(name)) {
            Report(c.file, at, "unknown component \"" + name + "\"");
            continue;
        }
        if (!v.IsObject()) {
            Report(c.file, at, std::string("a component's JSON must be an object, not ") + JsonTypeName(v));
            continue;
        }
        const int index = *FindComponent(name);
        if (const ComponentCheck check = Catalogue().checks[index]) {
            Reporter reporter(*this, c);
            check(reporter, v, prefab, at);
        }
    }
}

void Checker::CheckAudio(const Context& c, const Json& audio, const std::string& pointer) {
    Names names;
    if (!audio.IsObject() || !audio.HasMember("Files") || !audio["Files"].IsArray()) {
        Report(c.file, pointer, "an Audio list needs a \"Files\" array");
    } else {
        const Json& files = audio["Files"];
        for (rapidjson::SizeType k = 0; k < files.Size(); ++k) {
            const std::string at = JoinPointer(pointer + "/Files", k);
            const Json& entry = files[k];
            if (!entry.IsObject() || !entry.HasMember("Filepath") || !entry["Filepath"].IsString()) {
                Report(c.file, at, "a sound entry needs a \"Filepath\" string");
                continue;
            }
            Need(c, at + "/Filepath", entry["Filepath"].GetString(), Form::Plain, "sound");
            if (!entry.HasMember("Name")) continue;  // found by its path
            if (!entry["Name"].IsString()) {
                Report(c.file, at + "/Name", "a sound name must be a string");
                continue;
            }
            const std::string name = entry["Name"].GetString();
            soundNames_.insert(name);
            if (!names.insert(name).second) Report(c.file, at + "/Name", "sound name \"" + name + "\" given twice");
        }
    }
}

void Checker::CheckAnimation(const Context& c, const Json& animation, const std::string& pointer) {
    for (const char* key : {"Atlas", "Json"}) {
        if (!animation.HasMember(key) || !animation[key].IsString()) {
            Report(c.file, pointer, std::string("an Animation needs a \"") + key + "\" path");
            return;
        }
    }
    Need(c, pointer + "/Atlas", animation["Atlas"].GetString(), Form::Atlas, "atlas");
    const std::string skeleton = animation["Json"].GetString();
    Need(c, pointer + "/Json", skeleton, Form::Skeleton, "skeleton");
    if (!animation.HasMember("Data")) return;
    if (!animation["Data"].IsString()) {
        Report(c.file, pointer + "/Data", "an animation data path must be a string");
        return;
    }
    const std::string dataPath = animation["Data"].GetString();
    Need(c, pointer + "/Data", dataPath, Form::AnimationData, "animation data");
    // The data's animation names must be the skeleton's: read both once more, side by side.
    rapidjson::Document skeletonDoc, dataDoc;
    if (!ReadDocument(skeleton, skeletonDoc) || !ReadDocument(dataPath, dataDoc) || !skeletonDoc.IsObject() ||
        !dataDoc.IsObject())
        return;
    Names animations;
    if (skeletonDoc.HasMember("animations") && skeletonDoc["animations"].IsObject())
        for (const auto& m : skeletonDoc["animations"].GetObject()) animations.insert(m.name.GetString());
    CheckAnimationData(Context{dataPath}, dataDoc, animations);
}

void Checker::CheckAnimationData(const Context& c, const Json& data, const Names& animations) {
    if (!data.IsObject()) {
        Report(c.file, "", "animation data must be an object");
        return;
    }
    auto known = [&](const Json& name, const std::string& where) {
        if (!name.IsString()) {
            Report(c.file, where, "an animation name must be a string");
        } else if (!animations.empty() && !animations.count(name.GetString())) {
            Report(c.file, where, "the skeleton has no animation \"" + std::string(name.GetString()) + "\"");
        }
    };
    if (data.HasMember("DefaultMix") && !data["DefaultMix"].IsNumber())
        Report(c.file, "/DefaultMix", "must be a number of seconds");
    if (data.HasMember("Mixes")) {
        const Json& mixes = data["Mixes"];
        if (!mixes.IsArray()) {
            Report(c.file, "/Mixes", "must be an array of [from, to, seconds]");
        } else {
            for (rapidjson::SizeType k = 0; k < mixes.Size(); ++k) {
                const std::string at = JoinPointer("/Mixes", k);
                const Json& mix = mixes[k];
                if (!mix.IsArray() || mix.Size() != 3 || !mix[2].IsNumber()) {
                    Report(c.file, at, "a mix must be [from, to, seconds]");
                    continue;
                }
                known(mix[0], JoinPointer(at, 0u));
                known(mix[1], JoinPointer(at, 1u));
            }
        }
    }
    if (data.HasMember("AnimationAliases")) {
        const Json& aliases = data["AnimationAliases"];
        if (!aliases.IsObject()) {
            Report(c.file, "/AnimationAliases", "must be an object of alias -> animation name");
        } else {
            for (const auto& m : aliases.GetObject()) known(m.value, JoinPointer("/AnimationAliases", m.name.GetString()));
        }
    }
}

void Checker::CheckAtlas(const std::string& path) {
    // Each page starts with its image's file name, after a blank line (or at the top), followed by
    // "key: value" lines; the page images sit next to the atlas.
    std::ifstream file(fs::path(root_) / path);
    std::string line;
    bool expectPage = true;
    int number = 0;
    while (std::getline(file, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const bool blank = line.find_first_not_of(" \t") == std::string::npos;
        if (blank) {
            expectPage = true;
            continue;
        }
        if (expectPage && line.find(':') == std::string::npos) {
            const std::string page = (fs::path(path).parent_path() / line).generic_string();
            if (!fs::is_regular_file(fs::path(root_) / page))
                Report(path, "line " + std::to_string(number), "missing page image \"" + page + "\"");
            else seen_.insert(page);
        }
        expectPage = false;
    }
}

void Checker::CheckProperties(const Context& c, const Json& holder, const std::string& pointer, bool& hasSource) {
    if (!holder.IsObject() || !holder.HasMember("properties")) return;
    const Json& properties = holder["properties"];
    if (!properties.IsArray()) {
        Report(c.file, pointer + "/properties", "must be an array");
        return;
    }
    for (rapidjson::SizeType k = 0; k < properties.Size(); ++k) {
        const std::string at = JoinPointer(pointer + "/properties", k);
        const Json& p = properties[k];
        if (!p.IsObject() || !p.HasMember("name") || !p["name"].IsString() || !p.HasMember("value")) {
            Report(c.file, at, "a property needs a \"name\" and a \"value\"");
            continue;
        }
        const std::string name = p["name"].GetString();
        const Json& value = p["value"];
        if (name == "Source") {
            if (!value.IsString()) {
                Report(c.file, at + "/value", "\"Source\" must be a prefab path");
            } else {
                hasSource = true;
                Need(c, at + "/value", value.GetString(), Form::Prefab, "prefab");
            }
            continue;
        }
        const rapidjson::Pointer target(name.c_str(), name.size());
        if (!target.IsValid() || name.empty() || name[0] != '/') {
            Report(c.file, at + "/name", "property \"" + name + "\" is not a JSON pointer");
            continue;
        }
        const auto& first = target.GetTokens()[0];
        if (!FindComponent(std::string_view(first.name, first.length))) {
            Report(c.file, at + "/name",
                   "property \"" + name + "\" points into unknown component \"" + std::string(first.name, first.length) +
                       "\"");
            continue;
        }
        if (name == "/Graphics/Layer" && value.IsString() && util::FindLayer(value.GetString()) < 0)
            Report(c.file, at + "/value", "unknown layer \"" + std::string(value.GetString()) + "\"");
        const bool writable = value.IsBool() || value.IsString() || value.IsInt() ||
                              (value.IsDouble() && value.GetDouble() >= -3.4028234e38 && value.GetDouble() <= 3.4028234e38);
        if (!writable)
            Report(c.file, at + "/value",
                   "property \"" + name + "\" has " + JsonTypeName(value) + " value the map loader cannot write");
    }
}

void Checker::CheckTileset(const Context& c, const Json& tileset) {
    if (!tileset.IsObject()) {
        Report(c.file, "", "a tileset must be an object");
        return;
    }
    bool ignored = false;
    CheckProperties(c, tileset, "", ignored);
    if (tileset.HasMember("image") && tileset["image"].IsString()) {
        Need(c, "/image", TiledImagePath(tileset["image"].GetString()), Form::Plain, "image");
    }
    if (!tileset.HasMember("tiles") || !tileset["tiles"].IsArray()) return;
    const Json& tiles = tileset["tiles"];
    for (rapidjson::SizeType k = 0; k < tiles.Size(); ++k) {
        const std::string at = JoinPointer("/tiles", k);
        CheckProperties(c, tiles[k], at, ignored);
        if (tiles[k].IsObject() && tiles[k].HasMember("image") && tiles[k]["image"].IsString())
            Need(c, at + "/image", TiledImagePath(tiles[k]["image"].GetString()), Form::Plain, "image");
    }
}

void Checker::CheckMap(const Context& c, const Json& map) {
    if (!map.IsObject() || !map.HasMember("layers") || !map["layers"].IsArray()) {
        Report(c.file, "", "a map needs a \"layers\" array");
        return;
    }
    // Tilesets: every one external, each covering identifiers from its firstgid on.
    struct Range {
        unsigned first;
        std::string file;
    };
    std::vector<Range> ranges;
    if (map.HasMember("tilesets") && map["tilesets"].IsArray()) {
        const Json& tilesets = map["tilesets"];
        for (rapidjson::SizeType k = 0; k < tilesets.Size(); ++k) {
            const std::string at = JoinPointer("/tilesets", k);
            const Json& t = tilesets[k];
            if (!t.IsObject() || !t.HasMember("source") || !t["source"].IsString()) {
                Report(c.file, at, "embedded tilesets are not read by the game; export it to a file");
                continue;
            }
            const std::string file = "Data/Tiled/" + std::string(t["source"].GetString());
            Need(c, at + "/source", file, Form::Tileset, "tileset");
            if (!t.HasMember("firstgid") || !t["firstgid"].IsUint()) {
                Report(c.file, at, "a tileset reference needs a \"firstgid\"");
                continue;
            }
            ranges.push_back({t["firstgid"].GetUint(), file});
        }
    }
    auto covered = [&ranges](unsigned gid) -> const Range* {
        const Range* found = nullptr;
        for (const Range& r : ranges) {
            if (r.first > gid) break;
            found = &r;
        }
        return found;
    };
    if (map.HasMember("properties")) CheckLevelProperties(c, map["properties"], "/properties");
    const Json& layers = map["layers"];
    for (rapidjson::SizeType l = 0; l < layers.Size(); ++l) {
        const std::string at = JoinPointer("/layers", l);
        const Json& layer = layers[l];
        if (!layer.IsObject() || !layer.HasMember("type") || !layer["type"].IsString()) continue;
        const std::string_view type = layer["type"].GetString();
        if (type == "tilelayer") {
            if (layer.HasMember("encoding") && layer["encoding"] != "csv") continue;  // base64 cells: not looked into
            if (!layer.HasMember("data") || !layer["data"].IsArray()) {
                Report(c.file, at, "a tile layer needs its \"data\"");
                continue;
            }
            const Json& data = layer["data"];
            for (rapidjson::SizeType k = 0; k < data.Size(); ++k) {
                if (!data[k].IsUint()) {
                    Report(c.file, JoinPointer(at + "/data", k), "a cell must be a tile identifier");
                    break;
                }
                const unsigned gid = data[k].GetUint();
                if (gid != 0 && !covered(gid)) {
                    Report(c.file, JoinPointer(at + "/data", k), "tile " + std::to_string(gid) + " is in no tileset");
                    break;  // one line per layer is enough
                }
            }
        } else if (type == "imagelayer") {
            bool hasSource = false;
            CheckProperties(c, layer, at, hasSource);
        } else if (type == "objectgroup") {
            if (!layer.HasMember("objects") || !layer["objects"].IsArray()) continue;
            const Json& objects = layer["objects"];
            for (rapidjson::SizeType k = 0; k < objects.Size(); ++k) {
                const std::string objectAt = JoinPointer(at + "/objects", k);
                const Json& o = objects[k];
                if (!o.IsObject()) continue;
                bool hasSource = false;
                if (o.HasMember("gid") && o["gid"].IsUint()) {
                    const Range* range = covered(o["gid"].GetUint());
                    if (!range) Report(c.file, objectAt + "/gid", "tile " + std::to_string(o["gid"].GetUint()) + " is in no tileset");
                }
                if (o.HasMember("template")) {
                    if (!o["template"].IsString()) {
                        Report(c.file, objectAt + "/template", "must be a file name");
                    } else {
                        const std::string file = "Data/Tiled/" + std::string(o["template"].GetString());
                        Need(c, objectAt + "/template", file, Form::Template, "template");
                        rapidjson::Document templ;
                        if (ReadDocument(file, templ) && templ.IsObject() && templ.HasMember("object"))
                            hasSource = HasSource(templ["object"]);
                    }
                }
                CheckProperties(c, o, objectAt, hasSource);
                if (!hasSource)
                    Report(c.file, objectAt,
                           "object has no \"Source\" prefab (of its own or its template's); the game skips it");
            }
        }
    }
}

void Checker::CheckLevelProperties(const Context& c, const Json& properties, const std::string& pointer) {
    if (!properties.IsArray()) {
        Report(c.file, pointer, "level properties must be an array of {\"name\", \"value\"}");
        return;
    }
    for (rapidjson::SizeType k = 0; k < properties.Size(); ++k) {
        const Json& p = properties[k];
        const std::string at = JoinPointer(pointer, k) + "/value";
        if (!p.IsObject() || !p.HasMember("name") || !p["name"].IsString() || !p.HasMember("value")) {
            Report(c.file, JoinPointer(pointer, k), "a property needs a \"name\" and a \"value\"");
            continue;
        }
        const std::string_view name = p["name"].GetString();
        if (name == "Audio") {
            if (p["value"].IsString()) Need(c, at, p["value"].GetString(), Form::AudioList, "level sounds");
            else Report(c.file, at, "\"Audio\" must be a file path");
        } else if ((name == "MaxTime" || name == "FallDelayTime") && !p["value"].IsNumber()) {
            Report(c.file, at, "must be a number of seconds");
        } else if (name == "CollectiblesRequred" && !p["value"].IsInt()) {
            Report(c.file, at, "must be an integer");
        }
    }
}

int CheckContent(const CodeNames& code, std::ostream& out) {
    Checker checker;
    checker.Run(code);
    for (const Problem& problem : checker.Problems()) out << problem.Line() << '\n';
    out << "content check: " << checker.FilesChecked() << " files, " << checker.Problems().size() << " problem"
        << (checker.Problems().size() == 1 ? "" : "s") << '\n';
    return static_cast<int>(checker.Problems().size());
}

}  // namespace velkor::content
