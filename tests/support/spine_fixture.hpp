// Small hand-written skeleton exports shared by the runtime and Animation tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace velkor::test::spine_fixture {

// Two pages: a plain and a rotated region on the first, a whitespace-stripped one (newer keys) on
// the second.
inline constexpr const char* Atlas = R"(
hero.png
size: 64,32
format: RGBA8888
filter: Linear,Linear
repeat: none
body
  rotate: false
  xy: 0, 0
  size: 16, 32
  orig: 16, 32
  offset: 0, 0
  index: -1
head
  rotate: true
  xy: 16, 0
  size: 16, 8
  orig: 16, 8
  offset: 0, 0
  index: 3

fx.png
size: 32,32
format: RGBA8888
filter: Nearest,MipMapLinearLinear
repeat: xy
spark
  bounds: 0, 0, 8, 8
  offsets: 1, 2, 10, 12
)";

// Bones root > hip > arm (noScale) > hand (onlyTranslation); a weighted mesh "cape", a linked mesh
// in the skin "red"; a one-bone IK, an event and a clipping attachment.
inline constexpr const char* Skeleton = R"({
"skeleton": { "hash": "h4sh", "spine": "3.8.75", "x": -10, "y": 0, "width": 20, "height": 200, "images": "./" },
"bones": [
  { "name": "root" },
  { "name": "hip", "parent": "root", "y": 100 },
  { "name": "arm", "parent": "hip", "x": 10, "rotation": 90, "transform": "noScale" },
  { "name": "hand", "parent": "arm", "x": 5, "transform": "onlyTranslation" }
],
"slots": [
  { "name": "body", "bone": "hip", "attachment": "body", "color": "ff8000ff" },
  { "name": "head", "bone": "hip", "attachment": "head", "dark": "102030", "blend": "additive" },
  { "name": "cape", "bone": "hip", "attachment": "cape" },
  { "name": "hitbox", "bone": "root", "attachment": "box" }
],
"ik": [ { "name": "reach", "bones": [ "arm" ], "target": "hand" } ],
"skins": [
  { "name": "default", "attachments": {
    "body": { "body": { "width": 16, "height": 32 } },
    "head": { "head": { "width": 16, "height": 8, "y": 20 } },
    "cape": {
      "cape": { "type": "mesh", "path": "body", "uvs": [ 0, 0, 1, 0, 1, 1, 0, 1 ], "triangles": [ 0, 1, 2, 2, 3, 0 ],
        "vertices": [ 1, 1, -8, 0, 1,  2, 1, 8, 0, 0.5, 2, 0, 0, 0.5,  1, 1, 8, 32, 1,  1, 1, -8, 32, 1 ],
        "hull": 4, "edges": [ 0, 2, 2, 4 ], "width": 16, "height": 32 },
      "clip": { "type": "clipping", "end": "cape", "vertexCount": 3, "vertices": [ 0, 0, 1, 0, 0, 1 ] }
    },
    "hitbox": {
      "box": { "type": "boundingbox", "vertexCount": 3, "vertices": [ 0, 0, 1, 0, 0, 1 ] },
      "tip": { "type": "point", "x": 1, "y": 2, "rotation": 45 }
    }
  } },
  { "name": "red", "attachments": {
    "cape": { "cape": { "type": "linkedmesh", "parent": "cape", "skin": "default", "path": "head", "deform": false } }
  } }
],
"events": { "step": {} },
"animations": {
  "slide": { "bones": { "hip": { "translate": [
    { "x": 0, "y": 0, "curve": 0.33333334, "c2": 0, "c3": 0.6666667, "c4": 0 }, { "time": 1, "x": 8, "y": 0 } ] } } },
  "turn": {
    "bones": { "hip": { "rotate": [ { "angle": 0 }, { "time": 0.5, "angle": 90, "curve": "stepped" }, { "time": 1, "angle": 180 } ] } },
    "slots": { "body": {
      "color": [ { "color": "ffffffff" }, { "time": 1, "color": "00000000" } ],
      "attachment": [ { "time": 0.5, "name": null } ] } },
    "drawOrder": [ { "time": 0.25, "offsets": [ { "slot": "body", "offset": 2 } ] }, { "time": 0.75 } ]
  },
  "wave": {
    "deform": { "default": { "cape": { "cape": [ { "time": 0 }, { "time": 1, "offset": 2, "vertices": [ 4, 6 ] } ] } } },
    "events": [ { "time": 0.1, "name": "step" } ]
  }
}
})";

// Writes the two files (and the page images' names, not the images) to a fresh folder.
inline std::filesystem::path WriteFiles(const std::string& folder) {
    // One folder per process: ctest runs the cases of one fixture side by side.
    const auto dir = std::filesystem::temp_directory_path() / (folder + "_" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "hero.atlas") << Atlas;
    std::ofstream(dir / "hero.json") << Skeleton;
    return dir;
}

}  // namespace velkor::test::spine_fixture
