#include "graphics/texture.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

#include <glad/gl.h>

#include "graphics/image.hpp"
#include "platform/window.hpp"

namespace velkor::util {

namespace {

constexpr const char* NonPowerOfTwoExtension = "GL_ARB_texture_non_power_of_two";

int NextPowerOfTwo(int v) {
    int p = 1;
    while (p < v) p <<= 1;
    return p;
}

// The extension is core since OpenGL 2.0, and core-profile contexts need not list it at all; a
// context of version 3 or later therefore counts as offering it.
bool OffersNonPowerOfTwo() {
    static std::optional<bool> answer;
    if (answer) return *answer;
    GLint major = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    bool found = major >= 3;
    if (!found && glGetStringi) {
        GLint count = 0;
        glGetIntegerv(GL_NUM_EXTENSIONS, &count);
        for (GLint i = 0; i < count && !found; ++i) {
            const auto* name = reinterpret_cast<const char*>(glGetStringi(GL_EXTENSIONS, static_cast<GLuint>(i)));
            found = name && std::strcmp(name, NonPowerOfTwoExtension) == 0;
        }
    } else if (!found) {
        const auto* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
        std::string_view list = all ? all : "";
        while (!list.empty() && !found) {
            const auto space = list.find(' ');
            found = list.substr(0, space) == NonPowerOfTwoExtension;
            list = space == std::string_view::npos ? std::string_view() : list.substr(space + 1);
        }
    }
    answer = found;
    return found;
}

std::vector<unsigned char> ResizeBilinear(const std::vector<unsigned char>& src, int w, int h, int c, int nw, int nh) {
    std::vector<unsigned char> out(static_cast<std::size_t>(nw) * nh * c);
    for (int y = 0; y < nh; ++y) {
        const float fy = std::max(0.0f, (y + 0.5f) * h / nh - 0.5f);
        const int y0 = std::min(static_cast<int>(fy), h - 1), y1 = std::min(y0 + 1, h - 1);
        const float ty = fy - y0;
        for (int x = 0; x < nw; ++x) {
            const float fx = std::max(0.0f, (x + 0.5f) * w / nw - 0.5f);
            const int x0 = std::min(static_cast<int>(fx), w - 1), x1 = std::min(x0 + 1, w - 1);
            const float tx = fx - x0;
            for (int k = 0; k < c; ++k) {
                auto at = [&](int xx, int yy) { return static_cast<float>(src[(static_cast<std::size_t>(yy) * w + xx) * c + k]); };
                const float top = at(x0, y0) * (1 - tx) + at(x1, y0) * tx;
                const float bottom = at(x0, y1) * (1 - tx) + at(x1, y1) * tx;
                out[(static_cast<std::size_t>(y) * nw + x) * c + k] = static_cast<unsigned char>(top * (1 - ty) + bottom * ty + 0.5f);
            }
        }
    }
    return out;
}

std::vector<unsigned char> ShrinkByBlocks(const std::vector<unsigned char>& src, int w, int h, int c, int fx, int fy) {
    const int nw = w / fx, nh = h / fy;
    std::vector<unsigned char> out(static_cast<std::size_t>(nw) * nh * c);
    for (int y = 0; y < nh; ++y)
        for (int x = 0; x < nw; ++x)
            for (int k = 0; k < c; ++k) {
                unsigned sum = 0;
                for (int by = 0; by < fy; ++by)
                    for (int bx = 0; bx < fx; ++bx)
                        sum += src[((static_cast<std::size_t>(y) * fy + by) * w + (x * fx + bx)) * c + k];
                out[(static_cast<std::size_t>(y) * nw + x) * c + k] = static_cast<unsigned char>(sum / (fx * fy));
            }
    return out;
}

}  // namespace

unsigned UploadTexture(const unsigned char* pixels, int width, int height, int channels, std::string& message) {
    // A copy only when the image has to be resized: the driver keeps its own.
    std::vector<unsigned char> image;
    auto own = [&] {
        if (image.empty()) image.assign(pixels, pixels + static_cast<std::size_t>(width) * height * channels);
    };
    if (!HasGLContext()) {
        message = "Failed to generate an OpenGL texture name; missing OpenGL context?";
        return 0;
    }
    const bool npot = OffersNonPowerOfTwo();
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    if (!npot || width > maxSize || height > maxSize) {
        const int nw = NextPowerOfTwo(width), nh = NextPowerOfTwo(height);
        if (nw != width || nh != height) {
            own();
            image = ResizeBilinear(image, width, height, channels, nw, nh);
            width = nw;
            height = nh;
        }
    }
    if (width > maxSize || height > maxSize) {
        const int fx = std::max(1, width / maxSize), fy = std::max(1, height / maxSize);
        own();
        image = ShrinkByBlocks(image, width, height, channels, fx, fy);
        width /= fx;
        height /= fy;
    }

    GLuint name = 0;
    glGenTextures(1, &name);
    if (name == 0) {
        message = "Failed to generate an OpenGL texture name; missing OpenGL context?";
        return 0;
    }
    glBindTexture(GL_TEXTURE_2D, name);
    // Rows of 1- and 3-channel images need not be 4-byte aligned.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    // The core profile has no luminance formats: one- and two-channel images go up as red and
    // red-green, and the swizzle hands the shaders (L, L, L, 1) and (L, L, L, A) as before.
    GLenum format = GL_RGBA;
    GLint internal = GL_RGBA8;
    if (channels == 1) {
        format = GL_RED;
        internal = GL_R8;
        const GLint swizzle[] = {GL_RED, GL_RED, GL_RED, GL_ONE};
        glTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_RGBA, swizzle);
    } else if (channels == 2) {
        format = GL_RG;
        internal = GL_RG8;
        const GLint swizzle[] = {GL_RED, GL_RED, GL_RED, GL_GREEN};
        glTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_RGBA, swizzle);
    } else if (channels == 3) {
        format = GL_RGB;
        internal = GL_RGB8;
    }
    glTexImage2D(GL_TEXTURE_2D, 0, internal, width, height, 0, format, GL_UNSIGNED_BYTE, image.empty() ? pixels : image.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    message = "Image loaded as an OpenGL texture";
    return name;
}

bool AllOpaque(const unsigned char* pixels, int width, int height, int channels) {
    if (channels == 1 || channels == 3) return true;
    if ((channels != 2 && channels != 4) || !pixels || width <= 0 || height <= 0) return false;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    const unsigned char* alpha = pixels + channels - 1;
    for (std::size_t i = 0; i < count; ++i)
        if (alpha[i * static_cast<std::size_t>(channels)] != 255) return false;
    return true;
}

void MapOpacity(TextureEntry& entry, const unsigned char* pixels, int width, int height, int channels) {
    entry.opaque = AllOpaque(pixels, width, height, channels);
    entry.width = width;
    entry.height = height;
    entry.translucentBlocks.clear();
    entry.blocksX = entry.blocksY = 0;
    if (entry.opaque || !pixels || width <= 0 || height <= 0 || (channels != 2 && channels != 4)) return;
    const int bx = (width + OpacityBlock - 1) / OpacityBlock, by = (height + OpacityBlock - 1) / OpacityBlock;
    const auto stride = static_cast<std::size_t>(bx) + 1;
    std::vector<std::uint32_t> sums(stride * (static_cast<std::size_t>(by) + 1), 0);
    auto at = [&](int x, int y) -> std::uint32_t& { return sums[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x)]; };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (pixels[(static_cast<std::size_t>(y) * width + x) * channels + channels - 1] != 255)
                at(x / OpacityBlock + 1, y / OpacityBlock + 1) = 1;
    for (int y = 1; y <= by; ++y)
        for (int x = 1; x <= bx; ++x) at(x, y) += at(x - 1, y) + at(x, y - 1) - at(x - 1, y - 1);
    entry.translucentBlocks = std::move(sums);
    entry.blocksX = bx;
    entry.blocksY = by;
}

bool OpaqueOver(const TextureEntry& entry, float u0, float v0, float u1, float v1) {
    if (entry.opaque) return true;
    if (entry.translucentBlocks.empty() || entry.width <= 0 || entry.height <= 0) return false;
    // Sums made for another size would be read out of bounds.
    if (entry.blocksX != (entry.width + OpacityBlock - 1) / OpacityBlock ||
        entry.blocksY != (entry.height + OpacityBlock - 1) / OpacityBlock ||
        entry.translucentBlocks.size() != (static_cast<std::size_t>(entry.blocksX) + 1) * (static_cast<std::size_t>(entry.blocksY) + 1))
        return false;
    if (!(u0 <= u1 && v0 <= v1) || !std::isfinite(u0) || !std::isfinite(u1)) return false;
    // Whole repeats of the image change nothing: start within the first.
    const float repeats = std::floor(u0);
    u0 -= repeats;
    u1 -= repeats;
    const int w = entry.width, h = entry.height;
    // Linear filtering reads the texel on either side of a sample; one more texel covers an image
    // resampled at upload.
    auto first = [](float t, int size) { return static_cast<int>(std::floor(t * static_cast<float>(size) - 0.5f)) - 1; };
    auto last = [](float t, int size) { return static_cast<int>(std::floor(t * static_cast<float>(size) + 0.5f)) + 1; };
    int x0 = first(u0, w), x1 = last(u1, w);
    const int y0 = std::max(first(v0, h), 0), y1 = std::min(last(v1, h), h - 1);
    if (y0 > y1) return false;
    if (x1 - x0 + 1 >= w) x0 = 0, x1 = w - 1;
    const auto stride = static_cast<std::size_t>(entry.blocksX) + 1;
    auto sum = [&](int bx, int by) { return entry.translucentBlocks[static_cast<std::size_t>(by) * stride + static_cast<std::size_t>(bx)]; };
    // Columns a..b (inside the image) over the rows: no translucent block.
    auto clear = [&](int a, int b) {
        const int ba = a / OpacityBlock, bb = b / OpacityBlock + 1, ra = y0 / OpacityBlock, rb = y1 / OpacityBlock + 1;
        return sum(bb, rb) - sum(ba, rb) - sum(bb, ra) + sum(ba, ra) == 0;
    };
    // The horizontal wrap repeats the image: columns left of 0 are its right edge and so on.
    if (x0 < 0 && !clear(w + x0, w - 1)) return false;
    if (x1 > w - 1 && !clear(0, x1 - w)) return false;
    return clear(std::max(x0, 0), std::min(x1, w - 1));
}

const TextureEntry* LoadTexture(std::map<std::string, TextureEntry>& map, const std::string& path) {
    TextureEntry entry;
    const auto dot = path.find('.');
    const bool dds = dot != std::string::npos && path.compare(dot + 1, 3, "DDS") == 0 && path.size() >= dot + 4;
    if (!dds) {
        const image::Decoded d = image::DecodeFile(path, 0);
        std::cout << "Loading image: " << path << '\n' << d.message << std::endl;
        if (d.pixels) {
            std::string uploadMessage;
            entry.id = UploadTexture(d.pixels.get(), d.width, d.height, d.channels, uploadMessage);
            entry.width = d.width;
            entry.height = d.height;
            MapOpacity(entry, d.pixels.get(), d.width, d.height, d.channels);
        }
    } else {
        image::Decoded d = image::DecodeFile(path, 4);
        if (d.pixels) entry.id = UploadTexture(d.pixels.get(), d.width, d.height, 4, d.message);
        std::cout << d.message << std::endl;
        entry.width = 1;
        entry.height = 1;
    }
    return &map.insert_or_assign(path, entry).first->second;
}

const TextureEntry* GetTexture(entity::singleton_registry& singletons, const std::string& path) {
    auto& cache = singletons.get<singleton::Texture>();
    singletons.mark_present<singleton::Texture>();
    if (singletons.has<singleton::Window>()) MakeWindowContextCurrent(singletons.get<singleton::Window>());
    if (auto it = cache.map.find(path); it != cache.map.end()) return &it->second;
    return LoadTexture(cache.map, path);
}

}  // namespace velkor::util
