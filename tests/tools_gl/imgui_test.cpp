// The developer-tool host on a real window: F11, the empty ImGui frame, the overlay, shutdown.
#include <array>
#include <filesystem>
#include <vector>

#include <imgui.h>
#include <imgui_internal.h>

#include "gameplay/input.hpp"
#include "graphics/gl_scene.hpp"
#include "levels/level_manager.hpp"
#include "tools/imgui.hpp"

namespace velkor::test {
namespace {

class ImGuiHostGL : public GLScene {
public:
    void SetUp() override {
        GLScene::SetUp();
        auto host = std::make_unique<system::ImGui>();
        host_ = host.get();
        // After debug draw, as in the game's order.
        systems_.push_back(std::move(host));
        host_->Init(registry());
    }

    // Marks a key as pressed this frame, as the Input system would after a real key press.
    void Press(int key) { input::EnsureInput(registry()).Keys[key] = input::Pressed; }
    void Release(int key) { input::EnsureInput(registry()).Keys[key] = input::Up; }

    // Draws the scene without the host, then runs the host on top; returns both images. The GL
    // bindings the scene left must be there after the host too.
    std::pair<std::vector<unsigned char>, std::vector<unsigned char>> SceneThenHost() {
        for (auto& s : systems_)
            if (s.get() != host_) s->Update(1.0f / 60.0f, registry());
        glFinish();
        auto before = Screen();
        const auto bindings = Bindings();
        host_->Update(1.0f / 60.0f, registry());
        glFinish();
        EXPECT_EQ(bindings, Bindings()) << "program, vertex array, texture, blending";
        return {std::move(before), Screen()};
    }

    static std::array<GLint, 4> Bindings() {
        std::array<GLint, 4> b{};
        glGetIntegerv(GL_CURRENT_PROGRAM, &b[0]);
        glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &b[1]);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &b[2]);
        b[3] = glIsEnabled(GL_BLEND);
        return b;
    }

    std::vector<unsigned char> Screen() {
        std::vector<unsigned char> pixels(static_cast<std::size_t>(width_) * height_ * 4);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    system::ImGui* host_ = nullptr;
};

TEST_F(ImGuiHostGL, AnEmptyFrameLeavesTheImageAndGLStateAsTheyWere) {
    Create(R"({"Transform":{"Scale":[6,3]},"Graphics":{"SolidColor":[200,40,90,255]}})");
    Create(R"({"Transform":{"Scale":[2,2]},"Graphics":{"Locked":true,"SolidColor":[20,60,120,128],"Layer":"Foreground"}})");
    for (int frame = 0; frame < 3; ++frame) {
        const auto [scene, hosted] = SceneThenHost();
        ASSERT_EQ(scene.size(), hosted.size());
        EXPECT_TRUE(scene == hosted) << "frame " << frame << ": the empty ImGui frame changed the image";
    }
    EXPECT_EQ(::ImGui::GetFrameCount(), 3);
}

TEST_F(ImGuiHostGL, F11AlternatesBetweenADecoratedWindowAndFullScreen) {
    const auto& w = registry().singletons.get<singleton::Window>();
    ASSERT_EQ(glfwGetWindowMonitor(w.window), w.monitor);
    for (int round = 0; round < 2; ++round) {
        Press(system::ImGui::FullScreenKey);
        host_->Update(1.0f / 60.0f, registry());
        EXPECT_EQ(glfwGetWindowMonitor(w.window), nullptr) << "round " << round;
        EXPECT_EQ(glfwGetWindowAttrib(w.window, GLFW_DECORATED), GLFW_TRUE);
        int width = 0, height = 0;
        glfwGetWindowSize(w.window, &width, &height);
        EXPECT_EQ(width, 1920);
        EXPECT_EQ(height, 1080);

        // Held keys do not toggle again: only the frame of the press does.
        input::EnsureInput(registry()).Keys[system::ImGui::FullScreenKey] = input::Held;
        host_->Update(1.0f / 60.0f, registry());
        EXPECT_EQ(glfwGetWindowMonitor(w.window), nullptr);

        Press(system::ImGui::FullScreenKey);
        host_->Update(1.0f / 60.0f, registry());
        EXPECT_EQ(glfwGetWindowMonitor(w.window), w.monitor) << "round " << round;
        Release(system::ImGui::FullScreenKey);
    }
}

TEST_F(ImGuiHostGL, F1ShowsTheOverlayOverTheGameAndHidesItAgain) {
    Create(R"({"Transform":{"Scale":[2,2]},"Graphics":{"Locked":true,"SolidColor":[30,30,30,255]}})");
    Press(tools::OverlayToggleKey);
    SceneThenHost();  // a window that sizes itself to its content shows from its second frame
    Release(tools::OverlayToggleKey);
    auto [scene, shown] = SceneThenHost();
    EXPECT_TRUE(host_->Overlay().visible);
    // The overlay window sits at the top left; the opposite corner stays the game's.
    const auto at = [&](const std::vector<unsigned char>& image, int x, int yFromTop) {
        const std::size_t i = (static_cast<std::size_t>(height_ - 1 - yFromTop) * width_ + x) * 4;
        return Rgba{image[i], image[i + 1], image[i + 2], image[i + 3]};
    };
    EXPECT_FALSE(Near(at(shown, 100, 100), at(scene, 100, 100), 2)) << "no overlay drawn at its place";
    EXPECT_TRUE(Near(at(shown, width_ - 50, height_ - 50), at(scene, width_ - 50, height_ - 50), 0));
    EXPECT_GE(host_->Overlay().recorded, 1u);

    Press(tools::OverlayToggleKey);
    auto [scene2, hidden] = SceneThenHost();
    EXPECT_FALSE(host_->Overlay().visible);
    EXPECT_TRUE(scene2 == hidden);
}

// The overlay and the game share the keyboard one side at a time. Shown, the overlay takes no
// focus, so the keys a player uses (holding Right, then Space) neither walk ImGui's focus along the
// level buttons nor press one, and the game still gets them. Once the developer is in the overlay
// ImGui has the keys and the game sees none of their presses but F1's; hiding the overlay gives
// them back. The overlay docks into the game window's edge like any ImGui window.
TEST_F(ImGuiHostGL, TheKeyboardIsTheOverlaysOnlyOnceTheDeveloperIsInIt) {
    auto& state = registry().singletons.set(singleton::GameState{});
    state.currentLevel = state.nextLevel = 6;
    const auto taken = [] { return input::GetBackend().keysTaken; };
    ASSERT_NE(taken(), nullptr);
    Press(tools::OverlayToggleKey);
    SceneThenHost();
    Release(tools::OverlayToggleKey);
    ImGuiIO& io = ::ImGui::GetIO();
    const auto frames = [&](int count, ImGuiKey key, bool down) {
        for (int i = 0; i < count; ++i) {
            io.AddKeyEvent(key, down);
            host_->Update(1.0f / 60.0f, registry());
        }
    };
    frames(60, ImGuiKey_RightArrow, true);
    frames(1, ImGuiKey_RightArrow, false);
    frames(2, ImGuiKey_Space, true);
    frames(2, ImGuiKey_Space, false);
    EXPECT_EQ(state.nextLevel, 6) << "keys meant for the game pressed a level button";
    EXPECT_FALSE(io.WantCaptureKeyboard);
    EXPECT_FALSE(taken()(GLFW_KEY_SPACE));

    ImGuiWindow* overlay = ::ImGui::FindWindowByName("Developer (F1)");
    ASSERT_NE(overlay, nullptr);
    ::ImGui::FocusWindow(overlay);  // what a click into it does
    frames(2, ImGuiKey_Space, false);
    EXPECT_TRUE(io.WantCaptureKeyboard);
    EXPECT_TRUE(taken()(GLFW_KEY_SPACE));
    EXPECT_TRUE(taken()(GLFW_KEY_RIGHT));
    EXPECT_FALSE(taken()(tools::OverlayToggleKey)) << "F1 must always be able to close the overlay";
    EXPECT_FALSE(taken()(system::ImGui::FullScreenKey));

    // Docked to the left of the game window: it spans the window's height and the game keeps the rest.
    const ImGuiWindow* host = ::ImGui::FindWindowByName(system::ImGui::DockSpaceHost);
    ASSERT_NE(host, nullptr) << "no dock space over the game window";
    ImGuiDockNode* root = ::ImGui::DockBuilderGetNode(ImHashStr("DockSpace", 0, host->ID));
    ASSERT_NE(root, nullptr);
    ImGuiID central = 0;
    const ImGuiID left = ::ImGui::DockBuilderSplitNode(root->ID, ImGuiDir_Left, 0.25f, nullptr, &central);
    ::ImGui::DockBuilderDockWindow("Developer (F1)", left);
    ::ImGui::DockBuilderFinish(root->ID);
    frames(2, ImGuiKey_Space, false);
    EXPECT_TRUE(overlay->DockIsActive);
    EXPECT_FLOAT_EQ(overlay->Size.y, ::ImGui::GetMainViewport()->Size.y);
    EXPECT_LT(overlay->Size.x, ::ImGui::GetMainViewport()->Size.x / 2);

    Press(tools::OverlayToggleKey);
    host_->Update(1.0f / 60.0f, registry());
    Release(tools::OverlayToggleKey);
    frames(2, ImGuiKey_Space, false);
    EXPECT_FALSE(host_->Overlay().visible);
    EXPECT_FALSE(io.WantCaptureKeyboard);
    EXPECT_FALSE(taken()(GLFW_KEY_SPACE));
}

TEST_F(ImGuiHostGL, ShutdownAfterAnotherSystemClosedTheWindowWritesTheLayoutFile) {
    const std::filesystem::path ini = "imgui.ini";
    std::error_code ignored;
    std::filesystem::remove(ini, ignored);
    SceneThenHost();
    // The first system in the list closes the window (as camera follow does in the game); the
    // host's back ends go with it, while the context still exists, and its own shutdown follows.
    util::DestroyWindow(registry().singletons);
    EXPECT_FALSE(util::HasGLContext());
    host_->Shutdown(registry());
    EXPECT_TRUE(std::filesystem::exists(ini));
    EXPECT_EQ(::ImGui::GetCurrentContext(), nullptr);
    // A second shutdown (the fixture's) finds nothing left to do.
}

}  // namespace
}  // namespace velkor::test
