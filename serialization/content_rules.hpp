// What a component reader tells the content checker about its JSON: each reader's rules stand
// beside it as a check, entered with the reader in the component catalogue, and the checker (in
// tools/) walks the data and calls them.
#pragma once

#include <string>
#include <string_view>

#include <rapidjson/document.h>

namespace velkor {

// How a file is used, which decides what is checked in it.
enum class ContentForm {
    Guess,  // named by the code or found under Data/: recognised by its shape
    Prefab,  // component name -> component JSON
    Group,  // free name -> prefab
    Map,  // Tiled map
    Tileset,  // Tiled tileset
    Template,  // Tiled object template
    AudioList,  // an Audio component's JSON (a map's "Audio" property)
    LevelProperties,  // an array of map properties ("MaxTime", "Audio", ...) kept in its own file
    AnimationData,  // "DefaultMix", "Mixes", "AnimationAliases"
    Skeleton,  // skeleton JSON of the animation runtime
    Atlas,  // texture atlas (text) naming its page images
    Plain,  // any other file (image, sound, shader): it must exist
    Animation,  // an Animation component's JSON: its atlas, skeleton and data files (held in place only)
};

// What a check reports to; positions are JSON pointers into the file being checked.
class ContentReport {
public:
    // A fault in the data at `pointer`.
    virtual void Fault(const std::string& pointer, std::string message) = 0;
    // A file the data names at `pointer`: it must exist, and is checked in turn as `form`.
    virtual void NeedFile(const std::string& pointer, const std::string& path, ContentForm form, const char* what) = 0;
    // JSON held in the file being checked (an Audio list inside a prefab), checked as `form`.
    virtual void CheckInPlace(const rapidjson::Value& json, const std::string& pointer, ContentForm form) = 0;

protected:
    ~ContentReport() = default;
};

// Checks one component's JSON, found at `pointer`, the way its reader will take it; `prefab` holds
// it beside the entity's other components.
using ComponentCheck = void (*)(ContentReport& report, const rapidjson::Value& json, const rapidjson::Value& prefab,
                                const std::string& pointer);

// Escapes a member name as one JSON pointer token and appends it.
[[nodiscard]] std::string JoinPointer(const std::string& pointer, std::string_view member);
[[nodiscard]] std::string JoinPointer(const std::string& pointer, rapidjson::SizeType index);

// Names the kind of a JSON value in a message ("a string", "an array", ...).
[[nodiscard]] const char* JsonTypeName(const rapidjson::Value& v);

// The form of a JSON file judged by its shape alone (Tiled writes "type"; a prefab's members are
// component names, a group's are prefabs). Needs the component catalogue filled.
[[nodiscard]] ContentForm GuessForm(const rapidjson::Value& document);

}  // namespace velkor
