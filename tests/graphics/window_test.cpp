// The window: full screen at start, modes, viewport, close handling.
#include "engine/engine.hpp"
#include "graphics/gl_scene.hpp"
#include "gameplay/post_render.hpp"

namespace velkor::test {
namespace {

using WindowGL = GLScene;

// Lets the window system deliver the resize; the callback then moves the viewport.
void Pump(int width, int height) {
    for (int i = 0; i < 100; ++i) {
        glfwPollEvents();
        GLint viewport[4] = {};
        glGetIntegerv(GL_VIEWPORT, viewport);
        if (viewport[2] == width && viewport[3] == height) return;
        glfwWaitEventsTimeout(0.02);
    }
}

TEST_F(WindowGL, StartsFullScreenAtTheMonitorsVideoMode) {
    const auto& w = registry().singletons.get<singleton::Window>();
    ASSERT_NE(w.videoMode, nullptr);
    EXPECT_EQ(glfwGetWindowMonitor(w.window), w.monitor);
    int width = 0, height = 0;
    glfwGetWindowSize(w.window, &width, &height);
    EXPECT_EQ(width, w.videoMode->width);
    EXPECT_EQ(height, w.videoMode->height);
    EXPECT_FLOAT_EQ(w.width, 1920.0f);
    EXPECT_FLOAT_EQ(w.height, 1080.0f);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], width_);
    EXPECT_EQ(viewport[3], height_);
}

TEST_F(WindowGL, ViewportFollowsTheFramebufferAndTheViewDoesNot) {
    const auto& w = registry().singletons.get<singleton::Window>();
    util::SetWindowed(w);
    EXPECT_EQ(glfwGetWindowMonitor(w.window), nullptr);
    glfwSetWindowSize(w.window, 800, 600);
    Pump(800, 600);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 800);
    EXPECT_EQ(viewport[3], 600);
    EXPECT_FLOAT_EQ(camera().ViewWidth, util::StartViewWidth);
    // A locked full-view quad still fills the whole (smaller) viewport.
    Create(R"({"Transform":{"Scale":[2,2]},"Graphics":{"Locked":true,"SolidColor":[90,80,70,255]}})");
    Frame();
    EXPECT_TRUE(Near(Pixel(799, 599), {90, 80, 70}, 0));
    util::SetFullScreen(w);
    EXPECT_EQ(glfwGetWindowMonitor(w.window), w.monitor);
}

TEST_F(WindowGL, CloseRequestStopsTheLoopInThatFrame) {
    system::PostRender post;
    post.Init(registry());
    Frame();
    post.Update(0.0f, registry());
    EXPECT_FALSE(registry().singletons.has<singleton::Running>());
    glfwSetWindowShouldClose(window(), GLFW_TRUE);
    post.Update(0.0f, registry());
    ASSERT_TRUE(registry().singletons.has<singleton::Running>());
    EXPECT_FALSE(registry().singletons.get<singleton::Running>().Value);
}

TEST_F(WindowGL, RepeatedShutdownDestroysTheWindowOnce) {
    util::DestroyWindow(registry().singletons);
    EXPECT_EQ(window(), nullptr);
    util::DestroyWindow(registry().singletons);  // the later systems' shutdowns: harmless
    EXPECT_FALSE(util::HasGLContext());
    // TearDown's shutdown pass runs without a window too.
}

}  // namespace
}  // namespace velkor::test
