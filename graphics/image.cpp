#include "graphics/image.hpp"

#include <climits>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <vector>

// The decoder's functions stay inside this file, apart from the libstb copy others may link.
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS 8192
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#endif
#include <stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

static_assert(STBI_MAX_DIMENSIONS == velkor::image::MaxDimension, "one limit for the decoder and the check");

namespace velkor::image {

namespace {

std::uint32_t BigEndian32(const unsigned char* p) noexcept {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

// The decoder sizes its compressed-data buffer from the chunk lengths a file declares before it
// reads them, so a short file can claim gigabytes. Every chunk must lie inside the file: length,
// type, data and checksum, up to the image end chunk.
bool ChunksInsideFile(const unsigned char* data, std::size_t size) noexcept {
    static constexpr unsigned char Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size < sizeof Signature || std::memcmp(data, Signature, sizeof Signature) != 0) return true;  // not a PNG: the decoder says so
    std::size_t at = sizeof Signature;
    while (at + 12 <= size) {
        const std::uint32_t length = BigEndian32(data + at);
        if (length > size - at - 12) return false;
        if (std::memcmp(data + at + 4, "IEND", 4) == 0) return true;
        at += 12 + static_cast<std::size_t>(length);
    }
    return false;  // ends without an image end chunk, or in the middle of a chunk header
}

}  // namespace

void FreePixels::operator()(unsigned char* pixels) const noexcept { stbi_image_free(pixels); }

Decoded DecodeMemory(const unsigned char* data, std::size_t size, int wantedChannels) {
    Decoded d;
    if (size > static_cast<std::size_t>(INT_MAX)) {
        d.message = "Image file too large";
        return d;
    }
    if (!ChunksInsideFile(data, size)) {
        d.message = "Corrupt PNG: a chunk runs past the end of the file";
        return d;
    }
    const int length = static_cast<int>(size);
    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_memory(data, length, &width, &height, &channels)) {
        d.message = stbi_failure_reason() ? stbi_failure_reason() : "Unknown image type";
        return d;
    }
    if (width <= 0 || height <= 0 || width > MaxDimension || height > MaxDimension ||
        static_cast<long long>(width) * height > MaxPixels) {
        d.message = "Image too large";
        return d;
    }
    d.pixels.reset(stbi_load_from_memory(data, length, &d.width, &d.height, &d.channels, wantedChannels));
    d.message = d.pixels ? "Image loaded" : stbi_failure_reason();
    if (!d.pixels) d.width = d.height = d.channels = 0;
    if (d.pixels && wantedChannels) d.channels = wantedChannels;
    return d;
}

Decoded DecodeFile(const std::string& path, int wantedChannels) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        Decoded d;
        d.message = "Unable to open file";
        return d;
    }
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    file.seekg(0, std::ios::beg);
    if (size < 0 || size > MaxFileBytes) {
        Decoded d;
        d.message = size < 0 ? "Unable to open file" : "Image file too large";
        return d;
    }
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    if (!bytes.empty() && !file.read(reinterpret_cast<char*>(bytes.data()), size)) {
        Decoded d;
        d.message = "Unable to read file";
        return d;
    }
    return DecodeMemory(bytes.data(), bytes.size(), wantedChannels);
}

}  // namespace velkor::image
