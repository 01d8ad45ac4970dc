// Harness for rendering integration tests: the real rendering systems on a real window, entities
// from prefab JSON, pixels read back from the back buffer (never swapped, so it stays readable).
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <glad/gl.h>
#include <GLFW/glfw3.h>
#include <glm/vec2.hpp>
#include <glm/vec4.hpp>
#include <gtest/gtest.h>
#include <rapidjson/document.h>
#include <stb_image_write.h>
#include <unistd.h>

#include "engine/registry.hpp"
#include "engine/system.hpp"
#include "graphics/camera.hpp"
#include "gameplay/camera_follow.hpp"
#include "graphics/debug_draw.hpp"
#include "graphics/graphics.hpp"
#include "graphics/parallax.hpp"
#include "graphics/particles.hpp"
#include "graphics/pre_render.hpp"
#include "graphics/sprite_sheet.hpp"
#include "platform/window.hpp"
#include "serialization/prefab.hpp"

namespace velkor::test {

struct Rgba {
    int r = 0, g = 0, b = 0, a = 0;
};

// Colour comparison with a tolerance of `tol` per channel (alpha ignored).
inline ::testing::AssertionResult Near(const Rgba& actual, const Rgba& expected, int tol = 3) {
    if (std::abs(actual.r - expected.r) <= tol && std::abs(actual.g - expected.g) <= tol &&
        std::abs(actual.b - expected.b) <= tol)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << actual.r << ", " << actual.g << ", " << actual.b
                                         << ") expected (" << expected.r << ", " << expected.g << ", " << expected.b
                                         << ") within " << tol;
}

class GLScene : public ::testing::Test {
public:
    void SetUp() override {
        // Initialise GLFW here, retrying: a busy Xvfb now and then refuses a connection, and the
        // window code (rightly) ends the process on the first failure. It then finds GLFW ready.
        for (int attempt = 0; attempt < 50 && !glfwInit(); ++attempt) usleep(100000);
        registry_ = std::make_unique<Registry>();
        systems_.push_back(std::make_unique<system::CameraFollow>());
        systems_.push_back(std::make_unique<system::Parallax>());
        systems_.push_back(std::make_unique<system::PreRender>());
        systems_.push_back(std::make_unique<system::SpriteSheet>());
        auto graphics = std::make_unique<system::Graphics>();
        graphics_ = graphics.get();
        systems_.push_back(std::move(graphics));
        systems_.push_back(std::make_unique<system::Particles>());
        auto debug = std::make_unique<system::DebugDraw>();
        debug_ = debug.get();
        systems_.push_back(std::move(debug));
        for (auto& s : systems_) s->Init(*registry_);
        ASSERT_TRUE(util::HasGLContext());
        // Pixel checks are written for full size; the reduced scale has tests of its own.
        graphics_->SetRenderScale(1.0f);
        glfwGetFramebufferSize(window(), &width_, &height_);
        scratch_ = std::filesystem::temp_directory_path() / ("velkor_gl_" + std::to_string(getpid()));
        std::filesystem::create_directories(scratch_);
    }

    void TearDown() override {
        if (util::HasGLContext()) {
            EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        }
        registry_->clear();
        for (auto& s : systems_) s->Shutdown(*registry_);
        systems_.clear();
        registry_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(scratch_, ignored);
    }

    Registry& registry() { return *registry_; }
    GLFWwindow* window() { return registry_->singletons.get<singleton::Window>().window; }
    singleton::Camera& camera() { return registry_->singletons.get<singleton::Camera>(); }

    // Runs the rendering systems once and waits for the GPU.
    void Frame(float dt = 1.0f / 60.0f) {
        for (auto& s : systems_) s->Update(dt, *registry_);
        glFinish();
    }

    Entity Create(const std::string& json) {
        rapidjson::Document document;
        document.Parse(json.c_str());
        EXPECT_FALSE(document.HasParseError()) << json;
        return CreateEntity(document, *registry_);
    }

    // Pixel in window coordinates (origin bottom-left).
    Rgba Pixel(int x, int y) {
        unsigned char p[4] = {};
        glReadBuffer(GL_BACK);
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
        return {p[0], p[1], p[2], p[3]};
    }

    // Pixel under a world point, through the current camera (no rotation).
    Rgba WorldPixel(glm::vec2 world) {
        const auto& c = camera();
        const float x = ((world.x - c.Position.x) / c.ViewWidth + 0.5f) * static_cast<float>(width_);
        const float y = ((world.y - c.Position.y) / c.ViewHeight + 0.5f) * static_cast<float>(height_);
        return Pixel(static_cast<int>(x), static_cast<int>(y));
    }

    // Writes an RGBA (or fewer-channel) image into the scratch folder and returns its path.
    std::string WriteImage(const std::string& name, int w, int h, int channels, const std::vector<unsigned char>& pixels) {
        const std::string path = (scratch_ / name).string();
        EXPECT_NE(stbi_write_png(path.c_str(), w, h, channels, pixels.data(), w * channels), 0);
        return path;
    }

    std::string WriteText(const std::string& name, const std::string& text) {
        const std::string path = (scratch_ / name).string();
        std::FILE* f = std::fopen(path.c_str(), "w");
        std::fputs(text.c_str(), f);
        std::fclose(f);
        return path;
    }

    std::unique_ptr<Registry> registry_;
    std::vector<std::unique_ptr<system::iSystem>> systems_;
    system::Graphics* graphics_ = nullptr;
    system::DebugDraw* debug_ = nullptr;
    int width_ = 0, height_ = 0;
    std::filesystem::path scratch_;
};

}  // namespace velkor::test
