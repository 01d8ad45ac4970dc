// The frame as drawn now against the frame as the straightforward renderer drew it: every entity on
// its own with every light's uniforms, each lit fragment walking the light list
// (tests/graphics/reference/). At render scale 1 the two must agree to 2/255 per channel; the
// dither is the same screen-space noise in both, so it needs no mask. Also: the internal
// resolution, its software default and its override.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

#include <glm/gtc/type_ptr.hpp>

#include "graphics/gl_scene.hpp"
#include "graphics/shader.hpp"
#include "serialization/json_read.hpp"
#include "serialization/transform.hpp"

namespace velkor::test {
namespace {

// The old draw loop, kept as the oracle: one draw per entity, lights as uniform arrays.
class ReferenceRenderer {
public:
    ReferenceRenderer()
        : lit_(util::LoadShaderProgram("tests/graphics/reference/LitVertexShader.txt",
                                       "tests/graphics/reference/LitFragmentShader.txt")),
          plain_(util::LoadShaderProgram("Data/Shaders/vertexShaderSource.txt", "Data/Shaders/fragmentShaderSource.txt")) {}
    ~ReferenceRenderer() {
        glDeleteProgram(lit_);
        glDeleteProgram(plain_);
    }

    void Draw(Registry& registry) {
        const auto& camera = registry.singletons.get<singleton::Camera>();
        const glm::mat4 pv = util::ProjectionMatrix(camera) * util::ViewMatrix(camera);
        Lights lights = Gather(registry, camera);
        glClear(GL_COLOR_BUFFER_BIT);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        const glm::mat4 identity(1.0f);
        for (const auto& layer : registry.singletons.get<singleton::Layers>().Entities) {
            for (const Entity e : layer) {
                const auto& g = registry.get<component::Graphics>(e);
                auto* t = registry.has<component::Transform>(e) ? &registry.get<component::Transform>(e) : nullptr;
                if (!g.Renderable || g.Mesh.vertexArray == 0) continue;
                if (t && !g.Locked &&
                    (std::abs(camera.Position.x - t->Translation.x) * 2.0f > t->Scale.x + camera.ViewWidth ||
                     std::abs(camera.Position.y - t->Translation.y) * 2.0f > t->Scale.y + camera.ViewHeight))
                    continue;
                const bool lit = !g.Locked && g.DoLight;
                const GLuint p = lit ? lit_ : plain_;
                glUseProgram(p);
                auto at = [&](const char* name) { return glGetUniformLocation(p, name); };
                const glm::mat4 model = t ? t->GetMatrix() : identity;
                const glm::mat4 transform = !t ? identity : g.Locked ? model : pv * model;
                if (lit) {
                    const int n = static_cast<int>(std::min<std::size_t>(lights.inner.size(), 100));
                    glUniformMatrix4fv(at("worldTransform"), 1, GL_FALSE, glm::value_ptr(model));
                    glUniform1f(at("ambientFactor"), 0.8f);
                    glUniform1i(at("numLights"), static_cast<int>(lights.inner.size()));
                    if (n > 0) {
                        glUniform1fv(at("innerRadii"), n, lights.inner.data());
                        glUniform1fv(at("outerRadii"), n, lights.outer.data());
                        glUniform2fv(at("lightPositions"), n, glm::value_ptr(lights.position[0]));
                        glUniform1fv(at("strengths"), n, lights.strength.data());
                        glUniform3fv(at("colors"), n, glm::value_ptr(lights.color[0]));
                        glUniform1iv(at("isSpotlight"), n, lights.spot.data());
                        glUniform1fv(at("minAngles"), n, lights.minAngle.data());
                        glUniform1fv(at("maxAngles"), n, lights.maxAngle.data());
                    }
                }
                glUniformMatrix4fv(at("transform"), 1, GL_FALSE, glm::value_ptr(transform));
                glUniform2fv(at("texOffset"), 1, glm::value_ptr(g.TextureOffset));
                glUniform4fv(at("tint"), 1, glm::value_ptr(g.Color));
                if (g.Texture) {
                    glBindTexture(GL_TEXTURE_2D, g.Texture->id);
                    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
                    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_BORDER);
                } else {
                    glBindTexture(GL_TEXTURE_2D, g.SolidColorTexture);
                    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, g.SolidColor.data());
                    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
                    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
                }
                glBindVertexArray(g.Mesh.vertexArray);
                glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(g.Mesh.indexCount), GL_UNSIGNED_INT, nullptr);
            }
        }
        glBindVertexArray(0);
        glBindTexture(GL_TEXTURE_2D, 0);
        glUseProgram(0);
    }

private:
    struct Lights {
        std::vector<float> inner, outer, strength, minAngle, maxAngle;
        std::vector<glm::vec2> position;
        std::vector<glm::vec3> color;
        std::vector<int> spot;
    };
    static Lights Gather(Registry& registry, const singleton::Camera& camera) {
        Lights l;
        auto& pool = registry.pool<component::Light>();
        for (std::size_t i = 0; i < pool.entities().size(); ++i) {
            const Entity e = pool.entities()[i];
            const auto& light = pool.components()[i];
            if (!registry.has<component::Transform>(e) || !light.Enabled) continue;
            const glm::vec2 at = registry.get<component::Transform>(e).Translation;
            if (glm::length(camera.Position - at) > light.OuterRadius + camera.ViewWidth) continue;
            l.inner.push_back(light.InnerRadius);
            l.outer.push_back(light.OuterRadius);
            l.strength.push_back(light.Strength);
            l.minAngle.push_back(light.MinAngle);
            l.maxAngle.push_back(light.MaxAngle);
            l.position.push_back(at);
            l.color.push_back(light.Color);
            l.spot.push_back(light.IsSpotlight ? 1 : 0);
        }
        return l;
    }
    GLuint lit_, plain_;
};

class RenderCompareGL : public GLScene {
public:
    std::vector<unsigned char> ReadFrame() {
        std::vector<unsigned char> pixels(static_cast<std::size_t>(width_) * height_ * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    // Draws the current state with the Graphics system and with the reference and compares.
    void ExpectSameAsReference() {
        glClear(GL_COLOR_BUFFER_BIT);
        graphics_->Update(0.0f, registry());
        glFinish();
        const auto now = ReadFrame();
        ReferenceRenderer reference;
        reference.Draw(registry());
        glFinish();
        const auto expected = ReadFrame();
        const Difference d = Compare(now, expected);
        EXPECT_LE(d.largest, 2) << "at " << d.x << "," << d.y << "; " << d.differing << " pixels differ";
        EXPECT_GT(DistinctColours(expected), 200);
    }

    // Largest per-channel difference (RGB) and how many pixels differ at all.
    struct Difference {
        int largest = 0;
        long differing = 0;
        int x = 0, y = 0;  // where the largest is
    };
    Difference Compare(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) const {
        Difference d;
        for (std::size_t i = 0; i < a.size(); i += 4) {
            int worst = 0;
            for (std::size_t c = 0; c < 3; ++c) worst = std::max(worst, std::abs(int(a[i + c]) - int(b[i + c])));
            if (worst > 0) ++d.differing;
            if (worst > d.largest) {
                d.largest = worst;
                d.x = static_cast<int>(i / 4) % width_;
                d.y = static_cast<int>(i / 4) / width_;
            }
        }
        return d;
    }

    // A frame must not be all one colour: the comparison would prove nothing.
    static long DistinctColours(const std::vector<unsigned char>& pixels) {
        std::vector<unsigned> colours;
        for (std::size_t i = 0; i < pixels.size(); i += 4 * 97)
            colours.push_back(pixels[i] << 16 | pixels[i + 1] << 8 | pixels[i + 2]);
        std::sort(colours.begin(), colours.end());
        return std::unique(colours.begin(), colours.end()) - colours.begin();
    }
};

TEST_F(RenderCompareGL, TestSceneLooksAsTheReferenceDrewIt) {
    graphics_->SetRenderScale(1.0f);
    camera().ViewWidth = 19.2f;
    camera().ViewHeight = 10.8f;
    CreateEntities(ReadJsonFile("Data/TestScene/render_scene.json"), registry());
    for (int i = 0; i < 40; ++i) Frame();  // rain and haze under way, signs animated
    camera().Position = {1.3f, -0.4f};
    Frame();
    ASSERT_GT(graphics_->LightCount(), 4);
    ExpectSameAsReference();
    // The storefronts and the street hid the sky behind them, and only the lit lower part of the
    // screen got light sums: both shortcuts were taken and changed nothing above.
    EXPECT_GT(graphics_->OccluderDrawCalls(), 0);
    EXPECT_GT(graphics_->LightMapPixels(), 0);
    EXPECT_LT(graphics_->LightMapPixels(), static_cast<long>(width_) * height_ * 7 / 10);
}

TEST_F(RenderCompareGL, LightsSceneLooksAsTheReferenceDrewIt) {
    graphics_->SetRenderScale(1.0f);
    camera().ViewWidth = 19.2f;
    camera().ViewHeight = 10.8f;
    // A lit floor, lit and unlit sprites, a lit solid colour, a locked overlay and a lit entity in
    // the full-size UI layer; lights of every kind, overlapping, some reaching in from off screen.
    Create(R"({"Transform":{"Scale":[30,16]},"Graphics":{"Texture":"Assets/Images/TestScene/street.png","Layer":"Background"}})");
    Create(R"({"Transform":{"Translation":[-4,1],"Scale":[3,3],"Rotation":20},"Graphics":{"Texture":"Assets/Images/TestScene/crate.png"}})");
    Create(R"({"Transform":{"Translation":[4,-1],"Scale":[2,4]},"Graphics":{"SolidColor":[200,90,40,255],"Color":[1,1,1,0.8]}})");
    Create(R"({"Transform":{"Translation":[0,3],"Scale":[5,1]},"Graphics":{"DoLight":false,"Texture":"Assets/Images/TestScene/storefront.png"}})");
    Create(R"({"Transform":{"Translation":[0.6,-0.6],"Scale":[0.5,0.5]},"Graphics":{"Locked":true,"SolidColor":[30,200,90,128]}})");
    Create(R"({"Transform":{"Translation":[-6,-3],"Scale":[2,2]},"Graphics":{"Texture":"Assets/Images/TestScene/glow.png","Layer":"UI"}})");
    // Two cells of a tile sheet with some transparent cells: an opaque one (it hides the floor) and
    // a partly transparent one (it must not).
    for (const char* cell : {"[0,0]", "[3,1]"})
        Create(std::string(R"({"Transform":{"Translation":[)") + (cell[1] == '0' ? "-7" : "7") +
               R"(,2],"Scale":[2,2]},"Graphics":{"Texture":"Assets/Images/Tiled/CityTiles.png","Mesh":{"SpriteSheet":{"Dim":[8,4],"Sprite":)" +
               cell + "}}}}");
    const char* lights[] = {
        R"("Translation":[-4,1]},"Light":{"InnerRadius":0.5,"OuterRadius":4,"Strength":1.2,"Color":[1,0.3,0.8]})",
        R"("Translation":[-2,0.5]},"Light":{"InnerRadius":1,"OuterRadius":3,"Strength":0.7,"Color":[0.2,0.9,1]})",
        R"("Translation":[3,2]},"Light":{"OuterRadius":5,"Strength":1,"IsSpotlight":true,"MinAngle":200,"MaxAngle":250})",
        R"("Translation":[5,-3]},"Light":{"OuterRadius":4,"Strength":0.9,"Color":[1,0.8,0.2],"IsSpotlight":true,"MinAngle":330,"MaxAngle":400})",
        R"("Translation":[0,-2]},"Light":{"InnerRadius":2,"OuterRadius":2,"Strength":0.5,"Color":[0.5,1,0.5]})",
        R"("Translation":[1,1]},"Light":{"OuterRadius":0,"Strength":5})",
        R"("Translation":[13,0]},"Light":{"OuterRadius":6,"Strength":1,"Color":[0.6,0.6,1]})",
        R"("Translation":[-6,-3]},"Light":{"OuterRadius":2.5,"Strength":2,"Color":[1,1,0.4]})",
    };
    for (const char* light : lights) Create(std::string(R"({"Transform":{)") + light + "}");
    // The camera off the origin and tilted by a shake.
    camera().Position = {0.7f, 0.3f};
    camera().Rotation = 3.0f;
    Frame();
    EXPECT_EQ(graphics_->LightCount(), 8);
    ExpectSameAsReference();
}

TEST_F(RenderCompareGL, ReducedScaleStretchesTheSceneAndKeepsUiSharp) {
    // White columns on blue: three pixels wide from an odd pixel in the scene, one pixel in the UI layer.
    const float pixel = 2.0f / static_cast<float>(width_);
    auto column = [&](int left, int pixels, const char* layer) {
        Create(std::string(R"({"Transform":{"Translation":[)") + std::to_string((left + pixels / 2.0f) * pixel - 1.0f) +
               R"(,0],"Scale":[)" + std::to_string(pixels * pixel) +
               R"(,2]},"Graphics":{"Locked":true,"SolidColor":[255,255,255,255],"Layer":")" + layer + "\"}}");
    };
    const int sceneX = width_ / 4 + 1, uiX = 3 * width_ / 4, y = height_ / 2;
    column(sceneX, 3, "Foreground");
    column(uiX, 1, "UI");
    Create(R"({"Transform":{"Scale":[40,40]},"Graphics":{"SolidColor":[0,0,255,255],"DoLight":false}})");
    auto sharpUi = [&] {
        EXPECT_TRUE(Near(Pixel(uiX, y), {255, 255, 255}, 0));
        EXPECT_TRUE(Near(Pixel(uiX - 1, y), {0, 0, 255}, 0));
        EXPECT_TRUE(Near(Pixel(uiX + 1, y), {0, 0, 255}, 0));
        EXPECT_TRUE(Near(Pixel(width_ / 2, y), {0, 0, 255}, 0));
    };

    // Half of an even-sized window: each scene pixel comes back as a crisp 2 x 2 block, so the
    // column is two or four pixels wide, never three.
    ASSERT_EQ(width_ % 2, 0);
    ASSERT_EQ(height_ % 2, 0);
    graphics_->SetRenderScale(0.5f);
    Frame();
    sharpUi();
    int white = 0;
    for (int x = (sceneX & ~1) - 4; x < sceneX + 8; x += 2) {
        EXPECT_EQ(Pixel(x, y).r, Pixel(x + 1, y).r) << "at " << x;
        white += Pixel(x, y).r == 255 ? 2 : 0;
    }
    EXPECT_TRUE(white == 2 || white == 4) << white;

    // Any other ratio blends neighbours: the column's edges bleed.
    graphics_->SetRenderScale(0.7f);
    Frame();
    sharpUi();
    const int lo = Pixel(sceneX - 1, y).r, hi = Pixel(sceneX + 3, y).r;
    EXPECT_TRUE((lo > 0 && lo < 255) || (hi > 0 && hi < 255)) << lo << " " << hi;

    graphics_->SetRenderScale(1.0f);
    Frame();
    for (int x : {sceneX, sceneX + 2}) EXPECT_TRUE(Near(Pixel(x, y), {255, 255, 255}, 0));
    for (int x : {sceneX - 1, sceneX + 3}) EXPECT_TRUE(Near(Pixel(x, y), {0, 0, 255}, 0));
}

TEST_F(RenderCompareGL, LightsReachTheSameSpotsAtHalfScale) {
    Create(R"({"Transform":{"Scale":[40,40]},"Graphics":{}})");
    Create(R"({"Transform":{"Translation":[-3,0]},"Light":{"InnerRadius":0.5,"OuterRadius":3,"Strength":1,"Color":[0.3,0.15,0.05]}})");
    // Along the light's slope, at full scale and then at half, whose light map has an eighth of the
    // full map's texels each way: the coarser sums may differ by a colour step or two, never more.
    const std::array<float, 5> slope{-2.2f, -1.6f, -0.9f, -0.4f, 0.1f};
    graphics_->SetRenderScale(1.0f);
    Frame();
    const long fullSums = graphics_->LightMapPixels();
    std::vector<Rgba> full;
    for (float x : slope) full.push_back(WorldPixel({x, 0.0f}));
    graphics_->SetRenderScale(0.5f);
    Frame();
    EXPECT_TRUE(Near(WorldPixel({-3.0f, 0.0f}), {255, 242, 217}, 2));
    EXPECT_TRUE(Near(WorldPixel({3.0f, 0.0f}), {204, 204, 204}, 1));
    for (std::size_t i = 0; i < slope.size(); ++i)
        EXPECT_TRUE(Near(WorldPixel({slope[i], 0.0f}), full[i], 3)) << "at x " << slope[i];
    EXPECT_LE(graphics_->LightMapPixels(), fullSums / 64 + 2 * (width_ + height_));
}

TEST_F(RenderCompareGL, AlikeNeighboursShareADrawCallAndKeepTheirOrder) {
    auto quad = [&](float x, const char* look, const char* layer) {
        Create(std::string(R"({"Transform":{"Translation":[)") + std::to_string(x) + R"(,0],"Scale":[2,2]},"Graphics":{"DoLight":false,)" +
               look + R"(,"Layer":")" + layer + "\"}}");
    };
    const char* red = R"("SolidColor":[255,0,0,255])";
    const char* green = R"("SolidColor":[0,255,0,255])";
    const char* crate = R"("Texture":"Assets/Images/TestScene/crate.png","Color":[0,0,1,1])";
    // Overlapping by half, each on top of the one before: red, green, red (one run of solid
    // colours, across two layers), then two crates (a second run), then green again (a third).
    quad(-4, red, "Background");
    quad(-3, green, "Background");
    quad(-2, red, "Default");
    quad(-1, crate, "Default");
    quad(0, crate, "Default");
    quad(1, green, "Default");
    Frame();
    EXPECT_EQ(graphics_->DrawnEntities(), 6);
    // All six are opaque: depth-only draws for the solid colours, the crates, the last green.
    EXPECT_EQ(graphics_->OccluderDrawCalls(), 3);
    EXPECT_EQ(graphics_->DrawCalls() - graphics_->OccluderDrawCalls(), 3);
    EXPECT_TRUE(Near(WorldPixel({-4.7f, 0.0f}), {255, 0, 0}, 0));
    EXPECT_TRUE(Near(WorldPixel({-3.7f, 0.0f}), {0, 255, 0}, 0));
    EXPECT_TRUE(Near(WorldPixel({-2.7f, 0.0f}), {255, 0, 0}, 0));
    EXPECT_EQ(WorldPixel({-1.7f, 0.0f}).r, 0);  // a blue-tinted crate
    EXPECT_TRUE(Near(WorldPixel({0.5f, 0.0f}), {0, 255, 0}, 0));
    EXPECT_TRUE(Near(WorldPixel({1.7f, 0.0f}), {0, 255, 0}, 0));
    EXPECT_TRUE(Near(WorldPixel({2.5f, 0.0f}), {0, 0, 0}, 0));
}

TEST(RenderScale, SoftwareRasterisersDefaultToHalfAndTheVariableOverrides) {
    using system::Graphics;
    EXPECT_EQ(Graphics::DefaultRenderScale("llvmpipe (LLVM 15.0.6, 256 bits)", nullptr), 0.5f);
    EXPECT_EQ(Graphics::DefaultRenderScale("SwiftShader Device (Subzero)", nullptr), 0.5f);
    EXPECT_EQ(Graphics::DefaultRenderScale("Mesa Intel(R) UHD Graphics 620 (KBL GT2)", nullptr), 1.0f);
    EXPECT_EQ(Graphics::DefaultRenderScale("NVIDIA GeForce GTX 1060/PCIe/SSE2", ""), 1.0f);
    EXPECT_EQ(Graphics::DefaultRenderScale("NVIDIA GeForce GTX 1060/PCIe/SSE2", "0.75"), 0.75f);
    EXPECT_EQ(Graphics::DefaultRenderScale("llvmpipe", "1"), 1.0f);
    EXPECT_EQ(Graphics::DefaultRenderScale("llvmpipe", "0.01"), Graphics::MinRenderScale);
    EXPECT_EQ(Graphics::DefaultRenderScale("llvmpipe", "4"), 1.0f);
    EXPECT_EQ(Graphics::DefaultRenderScale("llvmpipe", "half"), 0.5f);  // not a number: the default
    EXPECT_EQ(Graphics::DefaultRenderScale("llvmpipe", "nan"), 0.5f);

    Graphics graphics;
    graphics.SetRenderScale(std::nanf(""));
    EXPECT_EQ(graphics.RenderScale(), 1.0f);
    graphics.SetRenderScale(0.6f);
    EXPECT_EQ(graphics.RenderScale(), 0.6f);
}

}  // namespace
}  // namespace velkor::test
