// The texture cache, the upload formats and the shader loader's messages.
#include <limits>

#include "graphics/gl_scene.hpp"
#include "graphics/shader.hpp"
#include "graphics/texture.hpp"
#include "support/trace_capture.hpp"

namespace velkor::test {
namespace {

using TextureGL = GLScene;

std::vector<unsigned char> Fill(int w, int h, std::initializer_list<unsigned char> pixel) {
    std::vector<unsigned char> out;
    for (int i = 0; i < w * h; ++i) out.insert(out.end(), pixel);
    return out;
}

TEST_F(TextureGL, SamePathLoadsOnceAndKeepsItsAddress) {
    const std::string path = WriteImage("a.png", 4, 4, 4, Fill(4, 4, {1, 2, 3, 255}));
    testing::internal::CaptureStdout();
    const auto* first = util::GetTexture(registry().singletons, path);
    // Many more entries must not move the first one.
    for (int i = 0; i < 50; ++i) util::GetTexture(registry().singletons, "missing" + std::to_string(i));
    const auto* second = util::GetTexture(registry().singletons, path);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(first, second);
    EXPECT_NE(first->id, 0u);
    EXPECT_EQ(first->width, 4);
    EXPECT_EQ(out.find("Loading image: " + path + "\nImage loaded\n"), 0u);
    EXPECT_EQ(out.find("Loading image: " + path, 1), std::string::npos);
}

// Opaque images may hide what is drawn behind them, so one translucent pixel must clear the flag.
TEST_F(TextureGL, OnlyImagesWithoutTransparencyAreOpaque) {
    std::vector<unsigned char> rgba = Fill(3, 2, {1, 2, 3, 255});
    EXPECT_TRUE(util::AllOpaque(rgba.data(), 3, 2, 4));
    rgba[5 * 4 + 3] = 254;  // the last pixel
    EXPECT_FALSE(util::AllOpaque(rgba.data(), 3, 2, 4));
    const std::vector<unsigned char> greyAlpha = Fill(2, 2, {90, 255}), grey = Fill(2, 2, {90});
    EXPECT_TRUE(util::AllOpaque(greyAlpha.data(), 2, 2, 2));
    EXPECT_TRUE(util::AllOpaque(grey.data(), 2, 2, 1));
    EXPECT_FALSE(util::AllOpaque(nullptr, 2, 2, 4));
    EXPECT_TRUE(util::GetTexture(registry().singletons, WriteImage("o.png", 2, 2, 3, Fill(2, 2, {1, 2, 3})))->opaque);
    EXPECT_FALSE(util::GetTexture(registry().singletons, WriteImage("t.png", 2, 2, 4, Fill(2, 2, {1, 2, 3, 0})))->opaque);
    EXPECT_FALSE(util::GetTexture(registry().singletons, "missing.png")->opaque);

    // A 32 x 16 sheet, opaque but for one pixel in block (2, 0) and one in block (3, 1): cells
    // whose reach (filter, a texel of margin, the horizontal wrap) avoids both may hide things.
    std::vector<unsigned char> sheet = Fill(32, 16, {9, 9, 9, 255});
    sheet[(3 * 32 + 20) * 4 + 3] = 0;
    sheet[(12 * 32 + 30) * 4 + 3] = 128;
    util::TextureEntry entry{.id = 0, .width = 32, .height = 16};
    util::MapOpacity(entry, sheet.data(), 32, 16, 4);
    EXPECT_FALSE(entry.opaque);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        float u0, v0, u1, v1;
        bool opaque;
    } cells[] = {
        {0.0f, 0.0f, 0.25f, 0.375f, true},      // the wrap reaches columns 30-31, clear in these rows
        {0.0f, 0.625f, 0.25f, 1.0f, false},     // ... but not in these: (30, 12)
        {0.25f, 0.0f, 0.5f, 0.375f, false},     // the filter reaches into the next cell: (20, 3)
        {0.3f, 0.625f, 0.45f, 1.0f, true},
        {1.3f, 0.625f, 1.45f, 1.0f, true},      // a whole repeat further on
        {0.0f, 0.0f, 1.0f, 1.0f, false},
        {nan, 0.0f, 0.25f, 0.375f, false},
    };
    for (const auto& c : cells)
        EXPECT_EQ(util::OpaqueOver(entry, c.u0, c.v0, c.u1, c.v1), c.opaque) << c.u0 << "," << c.v0 << " " << c.u1 << "," << c.v1;
    util::MapOpacity(entry, rgba.data(), 3, 2, 4);  // the all-opaque image from above, one pixel at 254
    EXPECT_FALSE(util::OpaqueOver(entry, 0.4f, 0.4f, 0.6f, 0.6f));
    rgba[5 * 4 + 3] = 255;
    util::MapOpacity(entry, rgba.data(), 3, 2, 4);
    EXPECT_TRUE(entry.opaque && entry.translucentBlocks.empty());
    EXPECT_TRUE(util::OpaqueOver(entry, -3.0f, 0.0f, 5.0f, 1.0f));
}

TEST_F(TextureGL, KeysAreCaseSensitive) {
    const std::string path = WriteImage("Case.png", 2, 2, 4, Fill(2, 2, {9, 9, 9, 255}));
    std::string other = path;
    other.replace(other.rfind("Case"), 4, "CASE");
    testing::internal::CaptureStdout();
    const auto* a = util::GetTexture(registry().singletons, path);
    const auto* b = util::GetTexture(registry().singletons, other);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(a, b);
    EXPECT_NE(out.find("Loading image: " + other + "\n"), std::string::npos);
}

TEST_F(TextureGL, MissingFileIsReportedOnceAndCachedAsZero) {
    testing::internal::CaptureStdout();
    const auto* entry = util::GetTexture(registry().singletons, "Assets/no/such.png");
    const std::string first = testing::internal::GetCapturedStdout();
    testing::internal::CaptureStdout();
    const auto* again = util::GetTexture(registry().singletons, "Assets/no/such.png");
    const std::string second = testing::internal::GetCapturedStdout();
    EXPECT_EQ(first, "Loading image: Assets/no/such.png\nUnable to open file\n");
    EXPECT_EQ(second, "");
    EXPECT_EQ(entry, again);
    EXPECT_EQ(entry->id, 0u);
    EXPECT_EQ(entry->width, 0);
}

TEST_F(TextureGL, DdsRouteDecodesRgbaAndRecordsOneByOne) {
    const std::string path = (scratch_ / "sprite.DDS").string();
    std::filesystem::rename(WriteImage("sprite_png", 8, 4, 3, Fill(8, 4, {200, 100, 50})), path);
    testing::internal::CaptureStdout();
    const auto* entry = util::GetTexture(registry().singletons, path);
    const std::string out = testing::internal::GetCapturedStdout();
    // scratch_ has no dot before the extension (temp dir + "velkor_gl_<pid>").
    ASSERT_EQ(path.find('.'), path.rfind('.'));
    EXPECT_EQ(out, "Image loaded as an OpenGL texture\n");
    EXPECT_NE(entry->id, 0u);
    EXPECT_EQ(entry->width, 1);
    EXPECT_EQ(entry->height, 1);
}

TEST_F(TextureGL, LuminanceImagesDrawAsGreyAndLuminanceAlphaBlends) {
    const std::string grey = WriteImage("grey.png", 3, 3, 1, Fill(3, 3, {100}));
    const std::string greyAlpha = WriteImage("grey_alpha.png", 3, 3, 2, Fill(3, 3, {200, 128}));
    const std::string rgb = WriteImage("odd_rgb.png", 3, 3, 3, Fill(3, 3, {10, 20, 250}));
    Create(R"({"Transform":{"Translation":[-4,0],"Scale":[3,3]},"Graphics":{"DoLight":false,"Texture":")" + grey + R"("}})");
    Create(R"({"Transform":{"Translation":[0,0],"Scale":[3,3]},"Graphics":{"DoLight":false,"Texture":")" + greyAlpha + R"("}})");
    Create(R"({"Transform":{"Translation":[4,0],"Scale":[3,3]},"Graphics":{"DoLight":false,"Texture":")" + rgb + R"("}})");
    Frame();
    EXPECT_TRUE(Near(WorldPixel({-4.0f, 0.0f}), {100, 100, 100}, 1));
    EXPECT_TRUE(Near(WorldPixel({0.0f, 0.0f}), {100, 100, 100}, 2));  // 200 at half alpha over black
    // Three-byte rows of an odd width: unpack alignment must not skew them.
    EXPECT_TRUE(Near(WorldPixel({4.0f, 0.0f}), {10, 20, 250}, 1));
}

TEST_F(TextureGL, ImageRowZeroIsTheTopOfTheQuad) {
    std::vector<unsigned char> pixels = Fill(2, 2, {255, 0, 0, 255});
    for (int i = 8; i < 16; i += 4) pixels[i] = 0, pixels[i + 2] = 255;  // bottom row blue
    const std::string path = WriteImage("rows.png", 2, 2, 4, pixels);
    Create(R"({"Transform":{"Scale":[8,8]},"Graphics":{"DoLight":false,"Texture":")" + path + R"("}})");
    Frame();
    // Texel centres: v = 0.25 is row 0, v = 0.75 row 1.
    EXPECT_TRUE(Near(WorldPixel({0.0f, 2.0f}), {255, 0, 0}, 1));
    EXPECT_TRUE(Near(WorldPixel({0.0f, -2.0f}), {0, 0, 255}, 1));
}

TEST_F(TextureGL, BrokenVertexShaderPrintsCompileThenLinkFailure) {
    const std::string vertex = WriteText("bad.vert", "#version 330 core\nvoid main() { this is not glsl }\n");
    TraceCapture trace;
    testing::internal::CaptureStdout();
    const unsigned program = util::LoadShaderProgram(vertex, "Data/Shaders/fragmentShaderSource.txt");
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(trace.messages(),
              std::vector<std::string>{"Shader " + vertex + " did not compile; what it draws stays undrawn.\n"});
    const auto compile = out.find("ERROR::SHADER::VERTEX::COMPILATION_FAILED\n");
    const auto link = out.find("ERROR::SHADER::PROGRAM::LINKING_FAILED\n");
    EXPECT_EQ(compile, 0u);
    EXPECT_NE(link, std::string::npos);
    EXPECT_LT(compile, link);
    EXPECT_EQ(out.find("FRAGMENT"), std::string::npos);
    glDeleteProgram(program);
}

TEST_F(TextureGL, UnreadableShaderFileIsReported) {
    TraceCapture trace;
    testing::internal::CaptureStdout();
    const unsigned program = util::LoadShaderProgram("Data/Shaders/none.txt", "Data/Shaders/fragmentShaderSource.txt");
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(trace.contains("Shader Data/Shaders/none.txt could not be read.\n"));
    EXPECT_EQ(out.find("ERROR::SHADER::FILE_NOT_SUCCESFULLY_READ\n"), 0u);
    EXPECT_NE(out.find("ERROR::SHADER::VERTEX::COMPILATION_FAILED\n"), std::string::npos);
    glDeleteProgram(program);
}

TEST_F(TextureGL, GameShadersCompileAndLinkCleanly) {
    testing::internal::CaptureStdout();
    const std::pair<const char*, const char*> programs[] = {
        {"Data/Shaders/LightVertexShaderSource.txt", "Data/Shaders/MultipleLightFragmentShader.txt"},
        {"Data/Shaders/vertexShaderSource.txt", "Data/Shaders/fragmentShaderSource.txt"},
        {"Data/Shaders/DD_vertexShaderSource.txt", "Data/Shaders/DD_fragmentShaderSource.txt"},
        {"Data/Shaders/LightMapVertexShader.txt", "Data/Shaders/LightMapFragmentShader.txt"},
        {"Data/Shaders/OccluderVertexShader.txt", "Data/Shaders/OccluderFragmentShader.txt"},
        {"Data/Shaders/StretchVertexShader.txt", "Data/Shaders/StretchFragmentShader.txt"}};
    for (auto [v, f] : programs) glDeleteProgram(util::LoadShaderProgram(v, f));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

}  // namespace
}  // namespace velkor::test
