// The texture cache: one OpenGL texture per image path, decoded with stb_image on first request.
//
// Entries live in a node-based map and are never removed while the game runs, so the pointer a
// caller gets stays valid for the whole run. A path that failed to load keeps an entry with id 0:
// it is reported once and never retried. Keys are exact (case-sensitive) paths.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/registry.hpp"

namespace velkor::util {

struct TextureEntry {
    unsigned id = 0;  // GL texture name; 0 when the image failed to load
    int width = 0;
    int height = 0;
    bool opaque = false;  // every pixel has full alpha: draws of it may hide what is behind
    // For images with some transparency: which OpacityBlock-square blocks hold a pixel under full
    // alpha, as running sums from the top-left ((blocksX + 1) x (blocksY + 1)), so that a sprite
    // sheet's fully opaque cells can still hide what is behind them. Empty otherwise.
    std::vector<std::uint32_t> translucentBlocks{};
    int blocksX = 0, blocksY = 0;
};

inline constexpr int OpacityBlock = 8;

}  // namespace velkor::util

namespace velkor::singleton {

// Destroying the map frees no GL textures: they go with the context.
struct Texture {
    std::map<std::string, util::TextureEntry> map;
};

}  // namespace velkor::singleton

namespace velkor::util {

// The cached entry for `path`, loading it on first request. Makes the window's context current
// first when a window exists (another context may be current).
const TextureEntry* GetTexture(entity::singleton_registry& singletons, const std::string& path);

// Decodes `path`, uploads it and inserts its entry, also when loading fails.
const TextureEntry* LoadTexture(std::map<std::string, TextureEntry>& map, const std::string& path);

// True when every pixel of the decoded image has full alpha (images without alpha always do).
[[nodiscard]] bool AllOpaque(const unsigned char* pixels, int width, int height, int channels);

// Fills the entry's opacity (`opaque`, and the block sums when only part of the image is opaque)
// and its size from the decoded pixels it was made from.
void MapOpacity(TextureEntry& entry, const unsigned char* pixels, int width, int height, int channels);

// Whether everything a draw sampling texture coordinates within [u0, u1] x [v0, v1] can read is
// fully opaque: the filter's reach, a texel of margin and the horizontal wrap included. Rows past
// the top and bottom edge (the transparent border) are the caller's to leave out. Conservative: a
// false answer only costs the shortcut.
[[nodiscard]] bool OpaqueOver(const TextureEntry& entry, float u0, float v0, float u1, float v1);

// Uploads decoded pixels (1 to 4 channels) as a 2D texture and returns its name, or 0 without a
// context. `message` receives the outcome line.
unsigned UploadTexture(const unsigned char* pixels, int width, int height, int channels, std::string& message);

}  // namespace velkor::util
