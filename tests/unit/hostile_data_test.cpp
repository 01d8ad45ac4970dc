// Data that is wrong on purpose: what the loaders make of values, files and headers no real content
// has. The fuzz regression corpus proves such inputs no longer crash; these tests pin what the game
// does with them instead (and that valid content still loads as before).
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <rapidjson/document.h>
#include <stb_image_write.h>

#include "audio/device.hpp"
#include "graphics/image.hpp"
#include "graphics/particles.hpp"
#include "graphics/sprite_sheet.hpp"
#include "serialization/json_read.hpp"
#include "support/trace_capture.hpp"

namespace velkor::test {
namespace {

rapidjson::Document Parse(const std::string& text) {
    rapidjson::Document d;
    d.Parse(text.c_str());
    EXPECT_FALSE(d.HasParseError()) << text;
    return d;
}

TEST(HostileData, NumbersATypeCannotHoldAreTracedAndLeaveTheFieldAlone) {
    struct Case {
        const char* value;
        std::optional<int> asInt;  // nullopt: refused, the field keeps 7
        std::optional<float> asFloat;
    };
    const Case cases[] = {
        {"12", 12, 12.0f},
        {"-3.9", -3, -3.9f},  // truncated towards zero, as before
        {"2147483647", 2147483647, 2147483647.0f},
        {"2147483648", std::nullopt, 2147483648.0f},
        {"-2147483649", std::nullopt, -2147483649.0f},
        {"1e30", std::nullopt, 1e30f},
        {"2e38", std::nullopt, 2e38f},
        {"-1e39", std::nullopt, std::nullopt},
        {"1e300", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto doc = Parse(std::string("{\"k\":") + c.value + "}");
        TraceCapture trace;
        int i = 7;
        float f = 7.0f;
        EXPECT_EQ(json::ReadInt(doc, "k", i), c.asInt.has_value()) << c.value;
        EXPECT_EQ(i, c.asInt.value_or(7)) << c.value;
        EXPECT_EQ(json::ReadFloat(doc, "k", f), c.asFloat.has_value()) << c.value;
        EXPECT_FLOAT_EQ(f, c.asFloat.value_or(7.0f)) << c.value;
        const std::size_t refusals = !c.asInt.has_value() + !c.asFloat.has_value();
        EXPECT_EQ(trace.count("Value of \"k\" out of range; ignored\n"), refusals) << c.value;
    }
    // A vector with one unrepresentable element is refused whole.
    glm::vec2 v{1.0f, 2.0f};
    EXPECT_FALSE(json::ReadVec2(Parse(R"({"v":[3, 1e39]})"), "v", v));
    EXPECT_EQ(v, glm::vec2(1.0f, 2.0f));
}

TEST(HostileData, CountsThatSizeMemoryAreCut) {
    TraceCapture trace;
    component::SpriteSheet sheet;
    component::ReadSpriteSheet(sheet, Parse(R"({"Dimensions":[1e14,3],"NumSprites":1000000000,"PlayAnim":true,
                                               "SecondsPerFrame":0.1,"TimeVector":[0.1]})"));
    EXPECT_EQ(sheet.Dimensions, glm::ivec2(1, 1)) << "an unrepresentable dimension leaves the default";
    EXPECT_EQ(sheet.NumSprites, component::MaxSprites);
    EXPECT_EQ(static_cast<int>(sheet.TimeVector.size()), component::MaxSprites + 1);
    EXPECT_TRUE(trace.contains("Value of \"NumSprites\" (1000000000) cut to 65536\n"));

    component::SpriteSheet product;
    component::ReadSpriteSheet(product, Parse(R"({"Dimensions":[65536,65536]})"));
    EXPECT_EQ(product.Dimensions, glm::ivec2(component::MaxSheetCells, component::MaxSheetCells));
    EXPECT_EQ(product.NumSprites, component::MaxSprites) << "cells beyond the sprite limit are not counted";

    component::SpriteSheet normal;
    component::ReadSpriteSheet(normal, Parse(R"({"Dimensions":[4,2],"Index":3})"));
    EXPECT_EQ(normal.Dimensions, glm::ivec2(4, 2));
    EXPECT_EQ(normal.NumSprites, 7);
    EXPECT_EQ(normal.Index, 3);

    component::Particles particles;
    component::ReadParticles(particles, Parse(R"({"NumberOfParticles":50000000})"));
    EXPECT_EQ(particles.NumberOfParticles, component::MaxParticlesPerEmission);
}

TEST(HostileData, ImagesAreRefusedBeforeTheirPixelsAreAllocated) {
    // A valid PNG still decodes, with its own channel count and as RGBA.
    const std::vector<unsigned char> rgb(5 * 3 * 3, 200);
    std::vector<unsigned char> png;
    const auto append = [](void* context, void* data, int size) {
        auto* out = static_cast<std::vector<unsigned char>*>(context);
        out->insert(out->end(), static_cast<unsigned char*>(data), static_cast<unsigned char*>(data) + size);
    };
    ASSERT_NE(stbi_write_png_to_func(append, &png, 5, 3, 3, rgb.data(), 5 * 3), 0);
    const auto own = image::DecodeMemory(png.data(), png.size(), 0);
    const auto rgba = image::DecodeMemory(png.data(), png.size(), 4);
    EXPECT_EQ(own.message, "Image loaded");
    EXPECT_EQ(own.width, 5);
    EXPECT_EQ(own.height, 3);
    EXPECT_EQ(own.channels, 3);
    EXPECT_EQ(rgba.channels, 4);
    EXPECT_EQ(rgba.pixels.get()[3], 255);

    const auto read = [](const char* name) {
        std::ifstream file(std::string("fuzz/regressions/image/") + name, std::ios::binary);
        return std::vector<unsigned char>((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    };
    for (const char* name : {"declares_100000_square.png", "declares_8192_by_8192.png"}) {
        const auto bytes = read(name);
        ASSERT_FALSE(bytes.empty()) << name;
        const auto d = image::DecodeMemory(bytes.data(), bytes.size(), 0);
        EXPECT_EQ(d.pixels, nullptr) << name;
        EXPECT_EQ(d.width, 0) << name;
    }
    EXPECT_EQ(image::DecodeMemory(read("declares_8192_by_8192.png").data(), 69, 0).message, "Image too large");
    const auto tga = read("tga_header.tga");
    EXPECT_EQ(image::DecodeMemory(tga.data(), tga.size(), 0).pixels, nullptr) << "only PNG is decoded";
    EXPECT_EQ(image::DecodeFile("Assets/no/such.png", 0).message, "Unable to open file");
}

TEST(HostileData, SoundHeadersOutsideSaneRangesAreRefused) {
    namespace device = audio::device;
    device::System* system = nullptr;
    ASSERT_EQ(device::SystemCreate(&system), device::Result::Ok);
    ASSERT_EQ(device::SystemInit(system, 4), device::Result::Ok);
    for (const char* name : {"absurd_sample_rate.wav", "rate_one_hertz.wav"}) {
        device::Sound* sound = nullptr;
        const std::string path = std::string("fuzz/regressions/sound/") + name;
        EXPECT_EQ(device::CreateSound(system, path.c_str(), device::ModeCreateStream, &sound), device::Result::ErrFormat) << name;
        EXPECT_EQ(sound, nullptr);
    }
    // A header that promises 4 GB of samples in a 60-byte file loads what is there.
    device::Sound* sound = nullptr;
    EXPECT_EQ(device::CreateSound(system, "fuzz/regressions/sound/declares_4gb_of_data.wav", device::ModeDefault, &sound),
              device::Result::Ok);
    if (sound) device::SoundRelease(sound);
    // Real content is untouched by the limits.
    EXPECT_EQ(device::CreateSound(system, "Assets/SFX/test.wav", device::ModeDefault, &sound), device::Result::Ok);
    device::SystemClose(system);
    device::SystemRelease(system);
}

}  // namespace
}  // namespace velkor::test
