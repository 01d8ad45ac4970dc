// The Graphics system: draws every visible entity once per frame, layer by layer.
//
// Owns the mesh format, the Graphics and Light components and the Layers singleton. Entities are
// drawn in twelve fixed layers, culled against the camera, lit by point lights and spotlights through
// the lit program (more than a hundred in range is reported every frame), or drawn unlit. Sprite sheets,
// parallax, particles and skeletal animation only change components and meshes; this draws them.
//
// GL objects: a component's mesh and solid-colour texture belong to it and are deleted when the
// component is removed (entity destroyed, registry cleared), so level loads do not leak them.
// Copying a Graphics component copies the names, not the objects: never keep two alive.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>
#include <rapidjson/document.h>

#include "engine/system.hpp"
#include "graphics/texture.hpp"

namespace velkor::util::Graphics {

// Seven floats, interleaved: attribute 0 position, 1 texCoord ((0, 0) = image top-left), 2 colour.
struct Vertex {
    glm::vec2 position{0.0f, 0.0f};
    glm::vec2 texCoord{0.0f, 0.0f};
    glm::vec3 color{1.0f, 1.0f, 1.0f};
};
static_assert(sizeof(Vertex) == 28, "the vertex layout is seven tightly packed floats");

// What was last uploaded, kept on the CPU: the Graphics system draws from it, placing the vertices
// of many entities into one stream so that alike neighbours share a draw call.
struct MeshData {
    std::vector<Vertex> vertices;
    std::vector<unsigned> indices;
};

struct Mesh {
    unsigned vertexArray = 0;
    unsigned vertexBuffer = 0;
    unsigned indexBuffer = 0;
    std::uint64_t indexCount = 0;
    // Shared by copies of the mesh, as the GL names are. Set by BuildMesh and RefillMesh: a mesh
    // assembled by hand without it is not drawn.
    std::shared_ptr<MeshData> data;
};

// Uploads the lists into a new vertex array with its two buffers. All zero without a GL context.
[[nodiscard]] Mesh BuildMesh(const std::vector<Vertex>& vertices, const std::vector<unsigned>& indices);

// The white unit quad with the whole texture.
[[nodiscard]] Mesh DefaultMesh();

// Re-uploads both buffers of an existing mesh with new contents (sizes may change).
void RefillMesh(Mesh& mesh, const std::vector<Vertex>& vertices, const std::vector<unsigned>& indices);

// Zeroes the mesh and deletes its GL objects unless another holder still shares them.
void DeleteMesh(Mesh& mesh);

// The quad of size `size` with texture cell (0, 0)-`cell`, centred on the origin.
void AppendQuad(std::vector<Vertex>& vertices, std::vector<unsigned>& indices, glm::vec2 size, glm::vec2 cell,
                glm::vec3 color);

}  // namespace velkor::util::Graphics

namespace velkor::component {

struct Graphics {
    util::Graphics::Mesh Mesh{};
    bool Locked = false;  // screen-fixed: clip space, never culled, never lit
    bool Renderable = true;
    bool DoLight = true;
    const util::TextureEntry* Texture = nullptr;  // null: solid colour
    glm::vec2 TextureOffset{0.0f, 0.0f};  // added to every texture coordinate (sprite-sheet cell)
    unsigned SolidColorTexture = 0;
    std::array<std::uint8_t, 4> SolidColor{0, 0, 0, 0};
    glm::vec4 Color{1.0f, 1.0f, 1.0f, 1.0f};  // tint
    int Layer = 8;  // "Default"
};

struct Light {
    float InnerRadius = 0.0f;
    float OuterRadius = 0.0f;  // also the reach used to decide whether the light is sent at all
    float Strength = 0.0f;
    glm::vec3 Color{0.0f, 0.0f, 0.0f};
    bool IsSpotlight = false;
    float MinAngle = 0.0f;  // degrees, counter-clockwise from +x
    float MaxAngle = 0.0f;
    bool Enabled = true;
};

// Needs the registry: textures come from the cache and a "Layer" moves the entity between layers.
void ReadGraphics(Entity e, Registry& registry, const rapidjson::Value& json);

void ReadLight(Light& light, const rapidjson::Value& json);

}  // namespace velkor::component

namespace velkor::singleton {

inline constexpr int LayerCount = 12;
inline constexpr int DefaultLayer = 8;
inline constexpr std::array<std::string_view, LayerCount> LayerNames{
    "Parallax7", "Parallax6", "Parallax5", "Parallax4", "Parallax3", "Parallax2",
    "Parallax1", "Background", "Default",   "Foreground", "UI",       "Cursor"};

// Invariant: an entity with a Graphics component is in exactly the array of its Layer; the order
// inside an array is the draw order within the layer.
struct Layers {
    std::array<std::vector<Entity>, LayerCount> Entities;
    int addHook = -1;  // listener positions on the Graphics pool
    int removeHook = -1;
};

// Meshes read from data, by their exact contents: the entities whose data give the same geometry (a
// map's tiles above all: thousands of cells, a dozen shapes) share one mesh and its GL objects. The
// entries hold no ownership, so the last entity to let go still deletes the GL objects.
struct MeshCache {
    struct Entry {
        util::Graphics::Mesh names;  // its GL names and index count, without the data
        std::weak_ptr<util::Graphics::MeshData> data;
    };
    std::unordered_map<std::string, Entry> meshes;
};

}  // namespace velkor::singleton

namespace velkor::util::Graphics {

// The mesh of exactly these lists from the cache, shared, or built and remembered there.
[[nodiscard]] Mesh SharedMesh(singleton::MeshCache& cache, const std::vector<Vertex>& vertices,
                              const std::vector<unsigned>& indices);

}  // namespace velkor::util::Graphics

namespace velkor::singleton {

}  // namespace velkor::singleton

namespace velkor::util {

// Creates the layers once and hooks them to the Graphics pool; entities that already have a
// Graphics component are placed in their layers.
singleton::Layers& GetOrCreateLayers(Registry& registry);

// Layer index of a name, or -1 for an unknown name (exact, case-sensitive).
[[nodiscard]] int FindLayer(std::string_view name);

// Moves an entity between layers: swap-with-last removal from the old one, append to the new.
void MoveToLayer(Registry& registry, Entity e, int layer);

inline constexpr int MaxLights = 100;
inline constexpr float AmbientFactor = 0.8f;

}  // namespace velkor::util

namespace velkor::system {

// How a frame is drawn (the look is the same either way):
//  - The lights in range are summed once into a light map, one instanced fan per light over the
//    disc or cone it reaches, only over the screen rectangle that lit draws cover; every lit
//    fragment reads its one texel there. Cost follows the screen area the lights cover, not lights
//    times fragments, so a frame may hold more than the hundred lights the message warns about.
//  - Layers up to "Foreground" may be drawn into an off-screen target at a fraction of the window's
//    size and stretched onto it (a whole multiple repeats each pixel as a crisp block, other ratios
//    blend); "UI" and "Cursor" are always drawn at full size so text stays sharp.
//  - Whatever a later, fully opaque draw covers is never shaded: each entity gets a depth by draw
//    order, the opaque ones (an image without transparency or an opaque solid colour, tint alpha 1)
//    are first written to the depth buffer alone, and the ordinary pass then skips the fragments
//    they hide. Blending order and the picture stay exactly as drawn back to front.
//  - Every visible entity's mesh is placed on the CPU (transform, sprite-sheet offset, tint and solid
//    colour applied) into one vertex stream uploaded once per frame; consecutive entities that share
//    program and texture become one draw call. Draw order is kept: a call draws its triangles in
//    order, so runs may even span layers.
class Graphics final : public iSystem {
public:
    void Init(Registry& registry) override;
    void Update(float dt, Registry& registry) override;
    void Shutdown(Registry& registry) override;

    // Fraction of the window's width and height the scene is drawn at, within [MinRenderScale, 1].
    // Init picks 1 on a hardware GPU and 0.5 on a software rasteriser; VELKOR_RENDER_SCALE overrides it.
    void SetRenderScale(float scale) noexcept;
    [[nodiscard]] float RenderScale() const noexcept { return renderScale_; }
    static constexpr float MinRenderScale = 0.25f;
    static constexpr float SoftwareRenderScale = 0.5f;
    // The default for a GL_RENDERER string: software rasterisers get SoftwareRenderScale.
    [[nodiscard]] static float DefaultRenderScale(std::string_view renderer, const char* override);

    // Draw calls issued by the last update (benchmarks and tests), lights included.
    [[nodiscard]] int DrawCalls() const noexcept { return drawCalls_; }
    // Entities drawn by the last update (not hidden, not culled, with a mesh).
    [[nodiscard]] int DrawnEntities() const noexcept { return drawnEntities_; }
    // Lights gathered by the last update, uncapped.
    [[nodiscard]] int LightCount() const noexcept { return static_cast<int>(lights_.size()); }
    // Depth-only draws of opaque entities by the last update, included in DrawCalls (zero without a
    // depth buffer): one per run of occluders sharing how their image's edge rows fade.
    [[nodiscard]] int OccluderDrawCalls() const noexcept { return occluders_; }
    // Pixels of the light map summed by the last update (the lit draws' screen rectangle).
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
    // One light as the light-map pass reads it (instance attributes 1 to 4).
    struct LightInstance {
        glm::vec2 position;
        glm::vec3 radiiStrength;  // inner, outer, strength
        glm::vec3 color;
        glm::vec3 cone;  // is spotlight, min angle, max angle
    };
    // A vertex of the frame's stream: already in clip space, texture offset and colours applied;
    // z is the entity's place in the draw order (later is nearer).
    struct StreamVertex {
        glm::vec3 position;
        glm::vec2 texCoord;
        glm::vec4 color;
    };
    // Consecutive stream triangles drawn with one program and one texture.
    struct Run {
        unsigned program = 0;
        unsigned texture = 0;
        bool textured = false;  // an image (wrap modes set) rather than the white solid-colour texel
        bool fullSize = false;  // drawn after the scene is stretched onto the output
        std::size_t firstIndex = 0, indexCount = 0;
    };
    // Consecutive occluder triangles sharing the band of texture rows that is fully opaque.
    struct OccluderRun {
        float edgeInset = 0.0f;  // texture rows within this of the top or bottom edge fade out
        std::size_t firstIndex = 0, indexCount = 0;
    };
    // A colour texture with its framebuffer (and a depth buffer when asked), re-made when the size changes.
    enum class TargetKind { Scene, ExactLightSums, FastLightSums };
    struct Target {
        unsigned framebuffer = 0, texture = 0, depth = 0;
        int width = 0, height = 0;
        TargetKind kind = TargetKind::Scene;
    };

    static Program Load(const char* vertexPath, const char* fragmentPath);
    void GatherLights(Registry& registry, const glm::vec2& cameraPosition, float viewWidth);
    void CreateLightGeometry();
    static void Resize(Target& target, int width, int height, TargetKind kind);
    static void Release(Target& target);
    void DrawLightMap(const glm::mat4& pv, int width, int height, TargetKind kind);
    void CreateStream();
    void Append(const component::Graphics& g, const glm::mat4& transform, bool lit, bool fullSize);
    void DrawOccluders(std::size_t firstIndex);
    void Stretch(int x, int y, int width, int height);

    Program lit_{};
    Program plain_{};
    Program lightMapProgram_{};
    Program occluderProgram_{};
    Program stretchProgram_{};
    unsigned emptyVertexArray_ = 0;  // the stretch's full-screen triangle comes from gl_VertexID
    std::vector<LightInstance> lights_;
    unsigned lightVertexArray_ = 0, lightFan_ = 0, lightInstances_ = 0;
    unsigned noLight_ = 0;  // 1 x 1 black light map for frames without lights
    unsigned white_ = 0;  // 1 x 1 white texture that solid colours are drawn with
    unsigned streamVertexArray_ = 0, streamVertices_ = 0, streamIndices_ = 0;
    std::vector<StreamVertex> stream_;
    std::vector<unsigned> streamIndexList_;
    std::vector<unsigned> occluderIndexList_;
    std::vector<OccluderRun> occluderRuns_;
    glm::vec2 litMin_{0.0f}, litMax_{0.0f};  // clip-space rectangle of this frame's lit vertices
    std::vector<Run> runs_;
    Target scene_{}, lightMap_{};
    float renderScale_ = 1.0f;
    int drawCalls_ = 0;
    int drawnEntities_ = 0;
    int occluders_ = 0;
    long lightMapPixels_ = 0;
};

}  // namespace velkor::system
