// The Graphics system: draws every visible entity once per frame, layer by layer.
//
// Entities are drawn in twelve fixed layers (graphics/layers.hpp), culled against the camera, lit
// by point lights and spotlights through the lit program (more than a hundred in range is reported
// every frame), or drawn unlit. Sprite sheets, parallax, particles and skeletal animation only change
// components and meshes; this draws them. Each update gathers the frame from the registry into plain
// lists (graphics/frame.hpp), then the renderer (graphics/renderer.hpp) draws those lists.
#pragma once

#include <string_view>

#include "engine/system.hpp"
#include "graphics/frame.hpp"
#include "graphics/renderer.hpp"

namespace velkor::system {

class Graphics final : public iSystem {
public:
    void Init(Registry& registry) override;
    void Update(float dt, Registry& registry) override;
    void Shutdown(Registry& registry) override;

    // Fraction of the window's width and height the scene is drawn at (util::Renderer).
    void SetRenderScale(float scale) noexcept { renderer_.SetRenderScale(scale); }
    [[nodiscard]] float RenderScale() const noexcept { return renderer_.RenderScale(); }
    static constexpr float MinRenderScale = util::Renderer::MinRenderScale;
    static constexpr float SoftwareRenderScale = util::Renderer::SoftwareRenderScale;
    [[nodiscard]] static float DefaultRenderScale(std::string_view renderer, const char* override) {
        return util::Renderer::DefaultRenderScale(renderer, override);
    }

    // Draw calls issued by the last update (benchmarks and tests), lights included.
    [[nodiscard]] int DrawCalls() const noexcept { return renderer_.DrawCalls(); }
    // Entities drawn by the last update (not hidden, not culled, with a mesh).
    [[nodiscard]] int DrawnEntities() const noexcept { return frame_.drawnEntities; }
    // Lights gathered by the last update, uncapped.
    [[nodiscard]] int LightCount() const noexcept { return static_cast<int>(frame_.lights.size()); }
    // Depth-only draws of opaque entities by the last update, included in DrawCalls (zero without a
    // depth buffer): one per run of occluders sharing how their image's edge rows fade.
    [[nodiscard]] int OccluderDrawCalls() const noexcept { return renderer_.OccluderDrawCalls(); }
    // Pixels of the light map summed by the last update (the lit draws' screen rectangle).
    [[nodiscard]] long LightMapPixels() const noexcept { return renderer_.LightMapPixels(); }

private:
    util::Frame frame_;
    util::Renderer renderer_;
};

}  // namespace velkor::system
