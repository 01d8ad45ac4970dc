// The HUD as the player sees it: the game's HUD prefabs placed by the HUD system and drawn by the
// real renderer; the glyphs on screen are checked segment by segment. The last frame is kept as
// velkor_hud.png in the temporary directory for a look.
#include <algorithm>
#include <filesystem>
#include <string>

#include "gameplay/hud.hpp"
#include "levels/level_state.hpp"
#include "tests/graphics/gl_scene.hpp"

namespace velkor {
namespace {

class HUDOnScreen : public test::GLScene {
protected:
    void SetUp() override {
        GLScene::SetUp();
        util::CreateHud(registry());
        ASSERT_EQ(registry().pool<component::HUD>().size(), 9u) << "every element";
        auto& level = levels::EnsureLevel(registry());
        EXPECT_TRUE(registry().has<component::Graphics>(level.levelHud)) << "the plate";
        EXPECT_TRUE(registry().has<component::Graphics>(level.collectiblesCounter)) << "the counter's icon";
        level.MaxTime = 60.0f;
        level.CollectiblesRequred = 3;
    }

    // The HUD runs after drawing in the game's order: what it sets shows from the next frame on.
    void Show(float timeLeft, int collected) {
        auto& level = registry().singletons.get<singleton::Level>();
        level.timeLeft = timeLeft;
        level.collected = collected;
        hud_.Update(1.0f / 60.0f, registry());
        Frame();
    }

    // Brightest red channel near a point given in screen pixels from the top-left of a 1920 x 1080
    // layout, scaled to the framebuffer.
    int Glow(float x, float yFromTop) {
        const int cx = static_cast<int>(x / 1920.0f * static_cast<float>(width_));
        const int cy = static_cast<int>((1.0f - yFromTop / 1080.0f) * static_cast<float>(height_));
        int best = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) best = std::max(best, Pixel(cx + dx, cy + dy).r);
        return best;
    }

    // Whether the segment of the glyph centred at clip x (digits sit at y 0.937) is lit. Cells are
    // 64 x 128 texels drawn at a quarter size; the segments' midpoints in texels from the centre.
    bool Lit(float clipX, char segment) {
        glm::vec2 texel{};
        switch (segment) {
            case 'a': texel = {0, -50}; break;
            case 'b': texel = {18, -25}; break;
            case 'c': texel = {18, 25}; break;
            case 'd': texel = {0, 50}; break;
            case 'e': texel = {-18, 25}; break;
            case 'f': texel = {-18, -25}; break;
            default: texel = {0, 0}; break;
        }
        const float x = (clipX + 1.0f) * 960.0f + texel.x / 4.0f;
        const float y = (1.0f - 0.937f) * 540.0f + texel.y / 4.0f;
        return Glow(x, y) > 150;
    }

    void Keep() {
        std::vector<unsigned char> pixels(static_cast<std::size_t>(width_) * height_ * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, width_, height_, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        stbi_flip_vertically_on_write(1);
        const auto path = std::filesystem::temp_directory_path() / "velkor_hud.png";
        EXPECT_NE(stbi_write_png(path.string().c_str(), width_, height_, 3, pixels.data(), width_ * 3), 0);
        stbi_flip_vertically_on_write(0);
    }

    system::HUD hud_;
};

constexpr float Glyph = 640.0f / 1920.0f / 10.0f;  // one glyph of the digit sheet, in clip units

TEST_F(HUDOnScreen, TimerCounterBarAndWarningLightReadRight) {
    Show(29.4f, 12);
    Show(29.4f, 12);
    // 029: hundreds 0 (no middle bar), tens 2 (no lower right), units 9 (no lower left).
    EXPECT_TRUE(Lit(-3.85f * Glyph, 'e') && Lit(-3.85f * Glyph, 'c') && !Lit(-3.85f * Glyph, 'g'));
    EXPECT_TRUE(Lit(-3.15f * Glyph, 'e') && !Lit(-3.15f * Glyph, 'c') && Lit(-3.15f * Glyph, 'g'));
    EXPECT_TRUE(!Lit(-2.45f * Glyph, 'e') && Lit(-2.45f * Glyph, 'c') && Lit(-2.45f * Glyph, 'f'));
    // 12: tens 1 (right side only), units 2.
    EXPECT_TRUE(Lit(3.1f * Glyph, 'b') && Lit(3.1f * Glyph, 'c') && !Lit(3.1f * Glyph, 'f') && !Lit(3.1f * Glyph, 'a'));
    EXPECT_TRUE(Lit(3.8f * Glyph, 'a') && Lit(3.8f * Glyph, 'e') && !Lit(3.8f * Glyph, 'c'));
    // The warning light (29 whole seconds: odd) at (-0.155, 0.94).
    const float lampX = (1.0f - 0.155f) * 960.0f, lampY = (1.0f - 0.94f) * 540.0f;
    EXPECT_GT(Glow(lampX, lampY), 200);
    // The bar, about half full: lit at its left end, dark past its middle, in the HUD's pink.
    const float barY = (1.0f - 0.9f) * 540.0f;
    EXPECT_GT(Glow(905.0f, barY), 200);
    EXPECT_LT(Glow(1010.0f, barY), 120);
    const auto barPixel = Pixel(static_cast<int>(905.0f / 1920.0f * static_cast<float>(width_)),
                                static_cast<int>((1.0f - barY / 1080.0f) * static_cast<float>(height_)));
    EXPECT_GT(barPixel.b, barPixel.g + 60) << "neon pink, not white";
    Keep();

    Show(28.9f, 3);
    Show(28.9f, 3);
    EXPECT_LT(Glow(lampX, lampY), 120) << "28 whole seconds: the light is off";
    EXPECT_TRUE(Lit(-2.45f * Glyph, 'e') && Lit(-2.45f * Glyph, 'c') && Lit(-2.45f * Glyph, 'g')) << "8";
    EXPECT_TRUE(!Lit(3.1f * Glyph, 'g') && Lit(3.1f * Glyph, 'b') && Lit(3.1f * Glyph, 'f')) << "0 tens";
    EXPECT_TRUE(Lit(3.8f * Glyph, 'c') && !Lit(3.8f * Glyph, 'e')) << "3";
    // All three required items taken: the collectibles line lights along the top.
    EXPECT_GT(Glow(1400.0f, 4.0f), 150);
}

}  // namespace
}  // namespace velkor
