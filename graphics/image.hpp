// Image decoding for the texture cache, with the limits hostile files need.
//
// Our own compilation of Debian's stb_image header: only the PNG decoder is built (the only format
// the game's content uses; the others are large attack surfaces we do not need), every function is
// private to this module, and an image whose header declares more than MaxDimension pixels on a side
// or more than MaxPixels in all is refused before any pixel memory is allocated.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace velkor::image {

inline constexpr int MaxDimension = 8192;
inline constexpr long long MaxPixels = 4096LL * 4096LL;
inline constexpr long long MaxFileBytes = 64LL * 1024 * 1024;

struct FreePixels {
    void operator()(unsigned char* pixels) const noexcept;
};

struct Decoded {
    std::unique_ptr<unsigned char, FreePixels> pixels;  // null when nothing was decoded
    int width = 0, height = 0, channels = 0;  // channels as delivered (the wanted count when one was asked for)
    std::string message;  // "Image loaded", or why not
};

// wantedChannels 0 keeps the image's own channel count (1 to 4).
[[nodiscard]] Decoded DecodeMemory(const unsigned char* data, std::size_t size, int wantedChannels);
// "Unable to open file" when the file cannot be read.
[[nodiscard]] Decoded DecodeFile(const std::string& path, int wantedChannels);

}  // namespace velkor::image
