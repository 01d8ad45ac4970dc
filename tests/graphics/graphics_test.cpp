// The Graphics system against a real context: layers, culling, locked entities, solid colours,
// lights, and GL object ownership.
#include <algorithm>
#include <vector>

#include "graphics/gl_scene.hpp"

namespace velkor::test {
namespace {

using GraphicsGL = GLScene;

// Unlit, untextured quad: draws exactly its SolidColor times its tint.
std::string Quad(float x, float y, float sx, float sy, const char* rgb, const char* extra = "") {
    return std::string(R"({"Transform":{"Translation":[)") + std::to_string(x) + "," + std::to_string(y) +
           R"(],"Scale":[)" + std::to_string(sx) + "," + std::to_string(sy) + R"(]},"Graphics":{"DoLight":false,"SolidColor":[)" +
           rgb + ",255]" + extra + "}}";
}

TEST_F(GraphicsGL, LayersDrawBackgroundUnderDefaultUnderForeground) {
    // Created top layer first, so only the layer order can put them right.
    Create(Quad(0, 0, 2, 2, "0,0,255", R"(,"Layer":"Foreground")"));
    Create(Quad(0, 0, 6, 6, "0,255,0"));  // no "Layer": Default
    Create(Quad(0, 0, 10, 10, "255,0,0", R"(,"Layer":"Background")"));
    Frame();
    EXPECT_TRUE(Near(WorldPixel({0.0f, 0.0f}), {0, 0, 255}));
    EXPECT_TRUE(Near(WorldPixel({2.0f, 0.0f}), {0, 255, 0}));
    EXPECT_TRUE(Near(WorldPixel({4.0f, 0.0f}), {255, 0, 0}));
    EXPECT_TRUE(Near(WorldPixel({8.0f, 0.0f}), {0, 0, 0}));
    EXPECT_EQ(graphics_->DrawnEntities(), 3);
}

TEST_F(GraphicsGL, LockedEntityCoversViewportWhereverTheCameraIs) {
    Create(R"({"Transform":{"Scale":[2,2]},"Graphics":{"Locked":true,"SolidColor":[10,200,30,255],"Layer":"UI"}})");
    for (glm::vec2 where : {glm::vec2(0.0f, 0.0f), glm::vec2(500.0f, -300.0f)}) {
        camera().Position = where;
        Frame();
        EXPECT_EQ(graphics_->DrawnEntities(), 1);
        // Locked graphics are never lit, so the colour is exact.
        for (auto [x, y] : {std::pair{1, 1}, {width_ - 2, 1}, {1, height_ - 2}, {width_ - 2, height_ - 2}, {width_ / 2, height_ / 2}})
            EXPECT_TRUE(Near(Pixel(x, y), {10, 200, 30}, 0)) << x << "," << y;
    }
}

TEST_F(GraphicsGL, CullsAtTheViewEdgeGrownByScale) {
    const auto& c = camera();
    const float edge = (c.ViewWidth + 1.0f) / 2.0f;  // scale 1
    Create(Quad(edge - 0.01f, 0, 1, 1, "255,255,255"));
    Create(Quad(-(edge + 0.01f), 0, 1, 1, "255,255,255"));
    Create(Quad(0, (c.ViewHeight + 3.0f) / 2.0f - 0.01f, 1, 3, "255,255,255"));
    Create(Quad(0, (c.ViewHeight + 3.0f) / 2.0f + 0.01f, 1, 3, "255,255,255"));
    Frame();
    EXPECT_EQ(graphics_->DrawnEntities(), 2);
    // Mirrored (negative scale) quads reach exactly as far as unmirrored ones.
    Create(Quad(edge - 0.01f, 0, -1, 1, "255,255,255"));
    Create(Quad(0, -((c.ViewHeight + 3.0f) / 2.0f - 0.01f), 1, -3, "255,255,255"));
    Create(Quad(-(edge + 0.01f), 0, -1, 1, "255,255,255"));
    Frame();
    EXPECT_EQ(graphics_->DrawnEntities(), 4);
}

TEST_F(GraphicsGL, NoTextureNoSolidColorDrawsWhiteTimesTint) {
    Create(R"({"Transform":{"Scale":[30,30]},"Graphics":{"DoLight":false,"Color":[0.5,0.25,1.0,1.0]}})");
    Frame();
    EXPECT_TRUE(Near(WorldPixel({0.0f, 0.0f}), {128, 64, 255}, 1));
}

TEST_F(GraphicsGL, HiddenAndMeshlessEntitiesDrawNothing) {
    Create(Quad(0, 0, 30, 30, "255,255,255", R"(,"Renderable":false)"));
    const Entity bare = registry().create();
    registry().add<component::Graphics>(bare);  // no mesh yet: must not reach the driver
    Frame();
    EXPECT_EQ(graphics_->DrawnEntities(), 0);
    EXPECT_TRUE(Near(WorldPixel({0.0f, 0.0f}), {0, 0, 0}, 0));
}

TEST_F(GraphicsGL, AmbientDimsLitEntitiesAndALightBrightensOnlyNearIt) {
    Create(R"({"Transform":{"Scale":[40,40]},"Graphics":{}})");
    Frame();
    const Rgba ambient = WorldPixel({0.0f, 0.0f});
    EXPECT_TRUE(Near(ambient, {204, 204, 204}, 1));

    Create(R"({"Transform":{"Translation":[-3,0]},"Light":{"InnerRadius":0.5,"OuterRadius":3,"Strength":1,"Color":[0.3,0.15,0.05]}})");
    Frame();
    EXPECT_EQ(graphics_->LightCount(), 1);
    const Rgba near = WorldPixel({-3.0f, 0.0f});
    EXPECT_TRUE(Near(near, {255, 242, 217}, 2));  // 0.8 + (0.3, 0.15, 0.05), red saturated
    const Rgba mid = WorldPixel({-1.5f, 0.0f});
    EXPECT_GT(mid.r, 204 + 10);
    EXPECT_LT(mid.r, 255);
    EXPECT_GT(mid.r, mid.b);  // the light's colour shows
    EXPECT_TRUE(Near(WorldPixel({3.0f, 0.0f}), {204, 204, 204}, 1));
}

TEST_F(GraphicsGL, SpotlightLightsOnlyItsCone) {
    Create(R"({"Transform":{"Scale":[40,40]},"Graphics":{}})");
    Create(R"({"Transform":{"Translation":[0,0]},"Light":{"OuterRadius":4,"Strength":1,"IsSpotlight":true,"MinAngle":0,"MaxAngle":90}})");
    Frame();
    EXPECT_GT(WorldPixel({1.0f, 1.0f}).r, 230);  // 45 degrees: inside
    EXPECT_TRUE(Near(WorldPixel({-1.0f, 1.0f}), {204, 204, 204}, 1));  // 135 degrees
    EXPECT_TRUE(Near(WorldPixel({1.0f, -1.0f}), {204, 204, 204}, 1));  // 315 degrees
}

TEST_F(GraphicsGL, DistantAndDisabledLightsAreNotSent) {
    Create(R"({"Transform":{"Scale":[40,40]},"Graphics":{}})");
    const float reach = camera().ViewWidth + 2.0f;
    Create(R"({"Transform":{"Translation":[)" + std::to_string(reach + 0.1f) + R"(,0]},"Light":{"OuterRadius":2}})");
    Create(R"({"Transform":{"Translation":[)" + std::to_string(reach - 0.1f) + R"(,0]},"Light":{"OuterRadius":2}})");
    const Entity off = Create(R"({"Transform":{},"Light":{"OuterRadius":2}})");
    registry().get<component::Light>(off).Enabled = false;
    Frame();
    EXPECT_EQ(graphics_->LightCount(), 1);
    EXPECT_TRUE(Near(WorldPixel({0.0f, 0.0f}), {204, 204, 204}, 1));
}

TEST_F(GraphicsGL, HundredAndOneLightsPrintTooManyLightsOncePerFrame) {
    Create(R"({"Transform":{"Scale":[40,40]},"Graphics":{}})");
    for (int i = 0; i < 101; ++i)
        Create(R"({"Transform":{"Translation":[)" + std::to_string(-5.0f + 0.1f * i) + R"(,0]},"Light":{"OuterRadius":0.05,"Strength":0.01}})");
    testing::internal::CaptureStdout();
    Frame();
    Frame();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "TOO MANY LIGHTS\nTOO MANY LIGHTS\n");
    EXPECT_EQ(graphics_->LightCount(), 101);
    // The shader stays inside its arrays: the scene still draws.
    EXPECT_TRUE(Near(WorldPixel({7.0f, 3.0f}), {204, 204, 204}, 1));
}

// Counts the buffer names the context considers live among the first `range` names.
int LiveBuffers(GLuint range) {
    int live = 0;
    for (GLuint name = 1; name <= range; ++name) live += glIsBuffer(name) ? 1 : 0;
    return live;
}

// Entities read with the same geometry (a map's tiles) share one mesh; its buffers go with the last
// of them, one entity changing its own mesh leaves the others theirs, and a mesh read again replaces
// the old buffers when nobody else holds them.
TEST_F(GraphicsGL, EntitiesOfOneGeometryShareTheirBuffersUntilTheLastOneGoes) {
    constexpr GLuint range = 40000;
    Frame();
    const int before = LiveBuffers(range);
    rapidjson::Document prefab, wide;
    prefab.Parse(R"({"Transform":{},"Graphics":{"SolidColor":[1,2,3,4]}})");
    wide.Parse(R"({"Transform":{},"Graphics":{"Mesh":{"Size":[3,1]}}})");
    std::vector<Entity> quads;
    for (int i = 0; i < 10000; ++i) quads.push_back(CreateEntity(i % 2 ? wide : prefab, registry()));
    EXPECT_EQ(LiveBuffers(range), before + 4) << "two geometries, two buffers each";
    const auto& first = registry().get<component::Graphics>(quads[0]).Mesh;
    EXPECT_EQ(first.vertexArray, registry().get<component::Graphics>(quads[2]).Mesh.vertexArray);
    EXPECT_NE(first.vertexArray, registry().get<component::Graphics>(quads[1]).Mesh.vertexArray);

    // An entity that changes its mesh in place gets one of its own; the others keep the shared one.
    auto& own = registry().get<component::Graphics>(quads[4]).Mesh;
    const unsigned sharedArray = own.vertexArray;
    std::vector<util::Graphics::Vertex> vertices(4);
    util::Graphics::RefillMesh(own, vertices, {0, 1, 2});
    EXPECT_NE(own.vertexArray, sharedArray);
    EXPECT_EQ(own.indexCount, 3u);
    EXPECT_EQ(registry().get<component::Graphics>(quads[0]).Mesh.indexCount, 6u);
    EXPECT_TRUE(glIsVertexArray(sharedArray));
    EXPECT_EQ(LiveBuffers(range), before + 6);

    for (std::size_t i = 0; i + 1 < quads.size(); i += 2) registry().destroy(quads[i]);
    EXPECT_EQ(LiveBuffers(range), before + 2) << "the plain quads' buffers went with the last of them";
    EXPECT_FALSE(glIsVertexArray(sharedArray));
    registry().clear();
    EXPECT_EQ(LiveBuffers(range), before);
    Frame();

    // Alone again: reading the mesh anew deletes the old buffers.
    const Entity e = Create(R"({"Graphics":{}})");
    const auto& mesh = registry().get<component::Graphics>(e).Mesh;
    const unsigned oldBuffer = mesh.vertexBuffer, oldArray = mesh.vertexArray;
    rapidjson::Document again;
    again.Parse(R"({"Mesh":{"Size":[2,2]}})");
    component::ReadGraphics(e, registry(), again);
    EXPECT_FALSE(glIsBuffer(oldBuffer));
    EXPECT_FALSE(glIsVertexArray(oldArray));
    EXPECT_TRUE(glIsVertexArray(registry().get<component::Graphics>(e).Mesh.vertexArray));
}

TEST_F(GraphicsGL, CustomVertexArrayIsDrawnAsGiven) {
    // A right triangle in the upper-left of the unit square, coloured by its vertices.
    Create(R"({"Transform":{"Scale":[8,8]},"Graphics":{"DoLight":false,"Mesh":{
        "VertexArray":[[-0.5,0.5,0,0,1,0,0],[0.5,0.5,1,0,1,0,0],[-0.5,-0.5,0,1,1,0,0]],
        "IndexArray":[0,1,2,7]}}})");
    Frame();
    EXPECT_TRUE(Near(WorldPixel({-2.0f, 2.0f}), {255, 0, 0}, 1));
    EXPECT_TRUE(Near(WorldPixel({2.0f, -2.0f}), {0, 0, 0}, 0));
}

}  // namespace
}  // namespace velkor::test
