#include "graphics/image.hpp"

#include <climits>
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

void FreePixels::operator()(unsigned char* pixels) const noexcept { stbi_image_free(pixels); }

Decoded DecodeMemory(const unsigned char* data, std::size_t size, int wantedChannels) {
    Decoded d;
    if (size > static_cast<std::size_t>(INT_MAX)) {
        d.message = "Image file too large";
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
