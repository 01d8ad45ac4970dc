// The content checker: every data file the game can reach, checked without a window or a GPU.
//
// It starts from the "Data/..." and "Assets/..." files the game's code names, follows every
// reference in the data (tilesets, templates and "Source" prefabs of maps, textures, sounds,
// animation files and atlas pages, a map's "Audio" file), and reads every JSON file under Data/
// that nothing reached, recognising its form by its shape. It reports:
//  - files that are missing, unreadable or not valid JSON;
//  - component names the catalogue does not know;
//  - map properties whose name is not a JSON pointer into a known component, or whose value the
//    map loader cannot write; map objects that end without a "Source" prefab; tile identifiers
//    that no tileset covers; embedded tilesets;
//  - whatever the components' own checks find (each reader's rules stand beside it and come with
//    it in the component catalogue: layer names, key bindings, the button's sounds, ...);
//  - sound entries without a file, names the code plays that no Audio list of the data gives,
//    and names given twice in one list;
//  - animation data that names animations the skeleton does not have.
// Each problem is one line: the file, the JSON pointer (or the code file) where it is, and what is
// wrong.
#pragma once

#include <ostream>
#include <set>
#include <span>
#include <string>
#include <vector>

#include <rapidjson/document.h>

#include "serialization/content_rules.hpp"

namespace velkor::content {

// A file (or a sound) named by the game's code, and the source file that names it.
struct CodePath {
    const char* origin;
    const char* path;
};

struct CodeNames {
    std::span<const CodePath> files;
    std::span<const CodePath> sounds;  // `path` holds the sound's name
};

struct Problem {
    std::string file;  // the data file (or source file) in which the fault is
    std::string where;  // JSON pointer into it; empty for the file as a whole
    std::string message;

    [[nodiscard]] std::string Line() const;
};

class Checker {
public:
    // `root` holds Data/ and Assets/ (the game's working directory).
    explicit Checker(std::string root = ".");

    // Checks the code's files, everything they lead to, then the rest of Data/; then that every
    // sound the code plays by name is named by some Audio list of the data.
    void Run(const CodeNames& code);

    [[nodiscard]] const std::vector<Problem>& Problems() const noexcept { return problems_; }
    [[nodiscard]] std::size_t FilesChecked() const noexcept { return seen_.size(); }

    // How a file is used, which decides what is checked in it.
    using Form = ContentForm;

private:
    using Json = rapidjson::Value;
    using Names = std::set<std::string, std::less<>>;
    // The file being checked and what it was reached as.
    struct Context {
        std::string file;
    };
    // What the components' checks report through, for one file.
    class Reporter;

    // Reads and parses a file under the root; false when it cannot be read or parsed.
    bool ReadDocument(const std::string& path, rapidjson::Document& document) const;
    void Check(const std::string& path, Form form, const std::string& from, const std::string& where);
    void Report(const std::string& file, const std::string& where, std::string message);
    // A path that must exist (a file the data names), reported where it is named.
    void Need(const Context& c, const std::string& where, const std::string& path, Form form, const char* what);

    void CheckPrefab(const Context& c, const Json& prefab, const std::string& pointer);
    void CheckGroup(const Context& c, const Json& group);
    void CheckMap(const Context& c, const Json& map);
    void CheckTileset(const Context& c, const Json& tileset);
    void CheckLevelProperties(const Context& c, const Json& properties, const std::string& pointer);
    void CheckAudio(const Context& c, const Json& audio, const std::string& pointer);
    void CheckAnimation(const Context& c, const Json& animation, const std::string& pointer);
    void CheckAnimationData(const Context& c, const Json& data, const Names& animations);
    void CheckAtlas(const std::string& path);
    // Collects "Source" and reports property names that are not pointers the map loader can use.
    void CheckProperties(const Context& c, const Json& holder, const std::string& pointer, bool& hasSource);

    std::string root_;
    std::set<std::string> seen_;
    Names soundNames_;  // every name an Audio list of the data gives
    std::vector<Problem> problems_;
};

// Checks the content in the working directory, starting from `codePaths`: one line per problem on
// `out`, then a summary line. Returns the number of problems.
int CheckContent(const CodeNames& code, std::ostream& out);

}  // namespace velkor::content
