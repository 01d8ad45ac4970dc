// Draws a gathered frame (graphics/frame.hpp) with OpenGL; knows nothing of entities.
//
// How a frame is drawn (the look is the same either way):
//  - The lights in range are summed once into a light map, one instanced fan per light over the
//    disc or cone it reaches, only over the screen rectangle that lit draws cover; every lit
//    fragment reads its one texel there. Cost follows the screen area the lights cover, not lights
//    times fragments, so a frame may hold more than the hundred lights the message warns about.
//    Below full scale the map has a quarter of the scene's resolution each way (lights are smooth).
//  - Layers up to "Foreground" may be drawn into an off-screen target at a fraction of the window's
//    size and stretched onto it (a whole multiple repeats each pixel as a crisp block, other ratios
//    blend); "UI" and "Cursor" are always drawn at full size so text stays sharp.
//  - Whatever a later, fully opaque draw covers is never shaded: each entity gets a depth by draw
//    order, the opaque ones (an image without transparency or an opaque solid colour, tint alpha 1)
//    are first written to the depth buffer alone, and the ordinary pass then skips the fragments
//    they hide. Blending order and the picture stay exactly as drawn back to front.
//  - The stream is uploaded once per frame and each run is one draw call. Draw order is kept: a
//    call draws its triangles in order, so runs may even span layers.
// The frame ends up in whatever framebuffer and viewport were current (the window's, normally).
#pragma once

#include <string_view>

#include "graphics/frame.hpp"

namespace velkor::util {

class Renderer {
public:
    // Needs a current GL context: loads the programs and creates the stream and light geometry.
    void Init();
    void Draw(const Frame& frame);
    // Deletes the GL objects while the context still exists; safe without one.
    void Shutdown();

    // Fraction of the window's width and height the scene is drawn at, within [MinRenderScale, 1].
    // Init picks 1 on a hardware GPU and 0.5 on a software rasteriser; VELKOR_RENDER_SCALE overrides it.
    void SetRenderScale(float scale) noexcept;
    [[nodiscard]] float RenderScale() const noexcept { return renderScale_; }
    static constexpr float MinRenderScale = 0.25f;
    static constexpr float SoftwareRenderScale = 0.5f;
    // The default for a GL_RENDERER string: software rasterisers get SoftwareRenderScale.
    [[nodiscard]] static float DefaultRenderScale(std::string_view renderer, const char* override);

    // Of the last Draw: draw calls (lights and occluders included), depth-only draws of opaque
    // entities (zero without a depth buffer), pixels of the light map summed.
    [[nodiscard]] int DrawCalls() const noexcept { return drawCalls_; }
    [[nodiscard]] int OccluderDrawCalls() const noexcept { return occluders_; }
    [[nodiscard]] long LightMapPixels() const noexcept { return lightMapPixels_; }

private:
    // Uniform locations, looked up once per program instead of at every upload.
    struct Program {
        unsigned name = 0;
        int transform = -1, texOffset = -1, tint = -1;
        int ambientFactor = -1, lightMap = -1, lightMapScale = -1, lightMapOrigin = -1, lightRange = -1;
        int viewProjection = -1;
        int edgeInset = -1, depthBias = -1;
    };
    // A colour texture with its framebuffer (and a depth buffer when asked), re-made when the size changes.
    enum class TargetKind { Scene, ExactLightSums, FastLightSums };
    struct Target {
        unsigned framebuffer = 0, texture = 0, depth = 0;
        int width = 0, height = 0;
        TargetKind kind = TargetKind::Scene;
    };

    static Program Load(const char* vertexPath, const char* fragmentPath);
    void CreateLightGeometry();
    static void Resize(Target& target, int width, int height, TargetKind kind);
    static void Release(Target& target);
    void DrawLightMap(const Frame& frame, int width, int height, TargetKind kind);
    void CreateStream();
    void DrawOccluders(const Frame& frame, std::size_t firstIndex);
    void Stretch(int x, int y, int width, int height);

    Program lit_{};
    Program plain_{};
    Program lightMapProgram_{};
    Program occluderProgram_{};
    Program stretchProgram_{};
    unsigned emptyVertexArray_ = 0;  // the stretch's full-screen triangle comes from gl_VertexID
    unsigned lightVertexArray_ = 0, lightFan_ = 0, lightInstances_ = 0;
    unsigned noLight_ = 0;  // 1 x 1 black light map for frames without lights
    unsigned white_ = 0;  // 1 x 1 white texture that solid colours are drawn with
    unsigned streamVertexArray_ = 0, streamVertices_ = 0, streamIndices_ = 0;
    Target scene_{}, lightMap_{};
    float renderScale_ = 1.0f;
    int drawCalls_ = 0;
    int occluders_ = 0;
    long lightMapPixels_ = 0;
};

}  // namespace velkor::util
