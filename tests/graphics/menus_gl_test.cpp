// The screens that stand over a level (win, lose, pause) drawn for real: their panels, stars and
// digits land where the layout puts them. Set VELKOR_SHOTS=<folder> to keep each picture as a PNG.
#include <cstdlib>

#include "gameplay/input.hpp"
#include "graphics/gl_scene.hpp"
#include "levels/cursor.hpp"
#include "levels/level_manager.hpp"
#include "levels/level_state.hpp"
#include "levels/lose_screen.hpp"
#include "levels/pause_menu.hpp"
#include "levels/win_screen.hpp"

namespace velkor::test {
namespace {

class MenusGL : public GLScene {
protected:
    void SetUp() override {
        GLScene::SetUp();
        registry().singletons.set(singleton::GameState{});
        // A lit level behind the screens: a mid-grey floor over the whole view.
        Create(R"({"Transform":{"Scale":[40,40]},"Graphics":{"DoLight":false,"SolidColor":[70,70,90,255]}})");
    }
    void TearDown() override {
        levels::DestroyCursor(registry());
        GLScene::TearDown();
    }

    // Mean brightness (0..255) of a box given in normalised device coordinates.
    double Mean(glm::vec2 centre, glm::vec2 size) {
        const int x0 = static_cast<int>((centre.x - size.x / 2 + 1) / 2 * width_);
        const int y0 = static_cast<int>((centre.y - size.y / 2 + 1) / 2 * height_);
        const int w = std::max(1, static_cast<int>(size.x / 2 * width_)), h = std::max(1, static_cast<int>(size.y / 2 * height_));
        std::vector<unsigned char> p(static_cast<std::size_t>(w * h * 4));
        glReadBuffer(GL_BACK);
        glReadPixels(x0, y0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
        double sum = 0;
        for (std::size_t i = 0; i < p.size(); i += 4) sum += (p[i] + p[i + 1] + p[i + 2]) / 3.0;
        return sum / (w * h);
    }

    void Save(const char* name) {
        const char* folder = std::getenv("VELKOR_SHOTS");
        if (!folder) return;
        std::vector<unsigned char> p(static_cast<std::size_t>(width_ * height_ * 4));
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
        stbi_flip_vertically_on_write(1);
        stbi_write_png((std::string(folder) + "/" + name + ".png").c_str(), width_, height_, 4, p.data(), width_ * 4);
        stbi_flip_vertically_on_write(0);
    }

    void Run(util::iLevel& level, float seconds) {
        for (float t = 0; t < seconds; t += 1.0f / 30.0f) {
            level.Update(1.0f / 30.0f, registry());
            Frame(1.0f / 30.0f);
        }
    }
};

TEST_F(MenusGL, WinScreenShowsItsPanelStarsAndFigures) {
    Frame();
    const double level = Mean({0.0f, 0.0f}, {0.2f, 0.2f});
    auto& state = levels::EnsureLevel(registry());
    state.MaxTime = 360.0f;
    state.timeLeft = 245.7f;
    state.collected = 7;
    levels::WinScreen win;
    win.Initialize(registry());
    Run(win, 2.0f);
    Save("win_screen");
    // The panel darkens the level; the stars and the digits light their places on it.
    EXPECT_LT(Mean({0.0f, 0.0f}, {0.1f, 0.04f}), level);
    EXPECT_GT(Mean({0.0f, 0.26f}, {0.45f, 0.2f}), Mean({0.0f, 0.0f}, {0.45f, 0.04f}) + 8.0) << "stars";
    EXPECT_GT(Mean({0.05f, -0.19f}, {0.15f, 0.1f}), Mean({0.3f, -0.12f}, {0.15f, 0.04f}) + 8.0) << "time digits";
    EXPECT_GT(Mean({0.025f, -0.05f}, {0.1f, 0.1f}), Mean({0.3f, -0.12f}, {0.15f, 0.04f}) + 8.0) << "count digits";
    win.Shutdown(registry());
}

TEST_F(MenusGL, LoseScreenFadesInOverTheLevel) {
    levels::LoseScreen lose;
    lose.Initialize(registry());
    Frame();
    const double start = Mean({0.0f, -0.42f}, {0.4f, 0.06f});
    Run(lose, 2.5f);
    Save("lose_screen");
    EXPECT_LT(Mean({0.0f, -0.42f}, {0.4f, 0.06f}), start - 20.0) << "the panel faded in over the level";
    lose.Shutdown(registry());
}

TEST_F(MenusGL, PausePagesDrawOverTheLevel) {
    levels::CreatePauseMenu(registry());
    levels::PauseMenuController pause;
    Frame();
    const double level = Mean({0.6f, 0.8f}, {0.2f, 0.1f});
    pause.Toggle(registry());
    pause.Update(registry(), 1.0f / 30.0f);
    Frame();
    Save("pause_main");
    EXPECT_LT(Mean({0.6f, 0.8f}, {0.2f, 0.1f}), level) << "a veil over the level";
    EXPECT_GT(Mean({-0.55f, 0.3f}, {0.3f, 0.08f}), 20.0) << "the resume button";
    const double right = Mean({0.35f, 0.26f}, {0.3f, 0.06f});
    levels::ApplyPauseVisibility(registry(), true, true, false, false, false);
    Frame();
    Save("pause_options");
    EXPECT_GT(Mean({0.35f, 0.26f}, {0.3f, 0.06f}), right + 10.0) << "the windowed button";
    levels::ApplyPauseVisibility(registry(), true, false, true, false, false);
    Frame();
    Save("pause_controls");
    levels::ApplyPauseVisibility(registry(), true, false, false, false, true);
    Frame();
    Save("pause_exit");
    pause.Leave(registry());
    Frame();
    EXPECT_NEAR(Mean({0.6f, 0.8f}, {0.2f, 0.1f}), level, 1.0) << "nothing of the menu is left";
}

}  // namespace
}  // namespace velkor::test
