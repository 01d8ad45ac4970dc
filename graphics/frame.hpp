// A frame to draw as plain lists: every visible entity's mesh placed into one vertex stream (in
// clip space, texture offset, tint and solid colour applied), the runs of that stream that share a
// program and a texture, the opaque parts that hide what is behind them, and the lights in range.
//
// Gathering walks the registry and knows no GL; the renderer draws the lists and knows no registry.
#pragma once

#include <cstddef>
#include <vector>

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "engine/registry.hpp"

namespace velkor::component {
struct Graphics;
}

namespace velkor::util {

inline constexpr int MaxLights = 100;
inline constexpr float AmbientFactor = 0.8f;

// Layers from here up (UI, cursor) are drawn at the window's full size.
inline constexpr int FullSizeLayers = 10;

// Draw-order depths: entity n of a frame sits at 1 - (n + 1) * DepthStep in clip space, so about
// a million entities get distinct depths; a 24-bit depth buffer resolves 16 values per step.
inline constexpr int DepthSlots = 1 << 20;
inline constexpr float DepthStep = 2.0f / static_cast<float>(DepthSlots);
[[nodiscard]] float DrawOrderDepth(int n);

struct Frame {
    // One light as the light-map pass reads it (instance attributes 1 to 4).
    struct Light {
        glm::vec2 position;
        glm::vec3 radiiStrength;  // inner, outer, strength
        glm::vec3 color;
        glm::vec3 cone;  // is spotlight, min angle, max angle
    };
    // A vertex of the stream: already in clip space, texture offset and colours applied; z is the
    // entity's place in the draw order (later is nearer).
    struct Vertex {
        glm::vec3 position;
        glm::vec2 texCoord;
        glm::vec4 color;
    };
    // Consecutive stream triangles drawn with one program and one texture.
    struct Run {
        bool lit = false;  // the lit program rather than the plain one
        unsigned texture = 0;  // the image's texture name when textured
        bool textured = false;  // an image (wrap modes set) rather than the white solid-colour texel
        bool fullSize = false;  // drawn after the scene is stretched onto the output
        std::size_t firstIndex = 0, indexCount = 0;
    };
    // Consecutive occluder triangles sharing the band of texture rows that is fully opaque.
    struct OccluderRun {
        float edgeInset = 0.0f;  // texture rows within this of the top or bottom edge fade out
        std::size_t firstIndex = 0, indexCount = 0;
    };

    glm::mat4 viewProjection{1.0f};
    std::vector<Light> lights;  // uncapped: more than MaxLights is reported, not cut
    std::vector<Vertex> stream;
    std::vector<unsigned> indices;
    std::vector<Run> runs;
    std::vector<unsigned> occluderIndices;  // into the stream, like `indices`
    std::vector<OccluderRun> occluderRuns;
    glm::vec2 litMin{0.0f}, litMax{0.0f};  // clip-space rectangle of the lit vertices
    int drawnEntities = 0;  // not hidden, not culled, with triangles

    void Clear();
    // Places one entity's mesh at the end of the stream, after everything appended before it.
    void Append(const component::Graphics& g, const glm::mat4& transform, bool lit, bool fullSize);
    [[nodiscard]] bool AnyLit() const;
    [[nodiscard]] bool AnyScaled() const;  // a run below the full-size layers
};

// The frame of the registry as it stands: the camera's view, the enabled lights within reach,
// then layer by layer every renderable entity inside the view (screen-fixed ones always), with
// its outline queued for the debug drawing when that is switched on.
void GatherFrame(Registry& registry, Frame& frame);

}  // namespace velkor::util
