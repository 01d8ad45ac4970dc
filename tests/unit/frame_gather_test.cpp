// Gathering a frame from the registry, without a GL context: which entities reach the stream, in
// which order, grouped into which runs, which of them hide what lies behind, and which lights count.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "graphics/camera.hpp"
#include "graphics/components.hpp"
#include "graphics/debug_draw.hpp"
#include "graphics/frame.hpp"
#include "serialization/transform.hpp"

namespace velkor {
namespace {

struct Row {
    const char* name;
    const char* layer;
    std::optional<glm::vec2> at;  // no Transform when empty
    glm::vec2 scale{1.0f, 1.0f};
    const util::TextureEntry* texture = nullptr;
    bool locked = false, doLight = true, renderable = true, mesh = true;
    float alpha = 1.0f;
    glm::vec2 textureOffset{0.0f, 0.0f};
};

TEST(FrameGather, EntitiesBecomeRunsInDrawOrderAndLightsInReachAreListed) {
    util::TextureEntry brick{5, 16, 16, true};
    auto registry = std::make_unique<Registry>();
    util::CreateCamera(registry->singletons);  // at (0, 0), 21.12 x 11.88 units
    registry->singletons.get<singleton::DebugDraw>().EnableMesh = true;
    util::GetOrCreateLayers(*registry);

    // Created in this order; drawn layer by layer, in creation order within a layer.
    const Row rows[] = {
        {"lit brick", "Background", glm::vec2(0.0f, 0.0f), {1.0f, 1.0f}, &brick},
        {"lit brick, offset cell", "Default", glm::vec2(1.0f, 0.0f), {1.0f, 1.0f}, &brick, false, true, true, true, 1.0f, {0.25f, 0.0f}},
        {"far right: culled", "Default", glm::vec2(30.0f, 0.0f)},
        {"hidden", "Default", glm::vec2(0.0f, 0.0f), {1.0f, 1.0f}, nullptr, false, true, false},
        {"no mesh yet", "Default", glm::vec2(2.0f, 0.0f), {1.0f, 1.0f}, nullptr, false, true, true, false},
        {"unlit half-transparent red", "Default", glm::vec2(-1.0f, 0.0f), {1.0f, 1.0f}, nullptr, false, false, true, true, 0.5f},
        {"screen-fixed, no transform", "UI", std::nullopt, {1.0f, 1.0f}, nullptr, true},
        {"mirrored wide backdrop", "Parallax7", glm::vec2(20.0f, 0.0f), {-40.0f, 1.0f}},
    };
    std::vector<Entity> entities;
    for (const Row& row : rows) {
        const Entity e = registry->create();
        entities.push_back(e);
        if (row.at) {
            auto& t = registry->add<component::Transform>(e);
            t.Translation = *row.at;
            t.Scale = row.scale;
            t.Dirty = true;
        }
        auto& g = registry->add<component::Graphics>(e);
        g.Texture = row.texture;
        g.Locked = row.locked;
        g.DoLight = row.doLight;
        g.Renderable = row.renderable;
        g.TextureOffset = row.textureOffset;
        g.SolidColor = {255, 0, 0, 255};
        g.Color.a = row.alpha;
        if (row.mesh) {
            // A hand-made mesh: the GL names are never used without a context.
            auto data = std::make_shared<util::Graphics::MeshData>();
            util::Graphics::AppendQuad(data->vertices, data->indices, {1.0f, 1.0f}, {1.0f, 1.0f}, {1.0f, 1.0f, 1.0f});
            g.Mesh = {1, 1, 1, data->indices.size(), data};
        }
        util::MoveToLayer(*registry, e, util::FindLayer(row.layer));
    }

    struct LightRow {
        std::optional<glm::vec2> at;
        bool enabled, spot;
    };
    const LightRow lights[] = {
        {glm::vec2(5.0f, 0.0f), true, false},  // in reach
        {glm::vec2(0.0f, 0.0f), false, false},  // switched off
        {glm::vec2(100.0f, 0.0f), true, false},  // farther than its radius plus the view width
        {std::nullopt, true, false},  // nowhere: no Transform
        {glm::vec2(0.0f, 3.0f), true, true},
    };
    for (const LightRow& row : lights) {
        const Entity e = registry->create();
        if (row.at) registry->add<component::Transform>(e).Translation = *row.at;
        auto& light = registry->add<component::Light>(e);
        light = {0.5f, 1.0f, 2.0f, {1.0f, 0.5f, 0.25f}, row.spot, 30.0f, 60.0f, row.enabled};
    }

    util::Frame frame;
    util::GatherFrame(*registry, frame);

    struct ExpectedRun {
        bool lit;
        unsigned texture;
        bool textured, fullSize;
        std::size_t first, count;
    };
    const ExpectedRun expected[] = {
        {true, 0, false, false, 0, 6},  // the backdrop, layer 0
        {true, 5, true, false, 6, 12},  // both bricks: one run across two layers
        {false, 0, false, false, 18, 6},  // unlit red
        {false, 0, false, true, 24, 6},  // screen-fixed, drawn after the stretch
    };
    ASSERT_EQ(frame.runs.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(frame.runs[i].lit, expected[i].lit);
        EXPECT_EQ(frame.runs[i].texture, expected[i].texture);
        EXPECT_EQ(frame.runs[i].textured, expected[i].textured);
        EXPECT_EQ(frame.runs[i].fullSize, expected[i].fullSize);
        EXPECT_EQ(frame.runs[i].firstIndex, expected[i].first);
        EXPECT_EQ(frame.runs[i].indexCount, expected[i].count);
    }
    EXPECT_EQ(frame.drawnEntities, 5);
    ASSERT_EQ(frame.stream.size(), 20u);
    ASSERT_EQ(frame.indices.size(), 30u);
    EXPECT_EQ(frame.indices[6], 4u);  // the first brick's vertices follow the backdrop's

    // Places and colours: the brick in clip space, the cell offset added, the solid colour times
    // the tint, the screen-fixed quad as it is, each entity one depth step nearer than the last.
    EXPECT_NEAR(frame.stream[4].position.x, 0.5f * 2.0f / 21.12f, 1e-6f);
    EXPECT_NEAR(frame.stream[4].position.y, 0.5f * 2.0f / 11.88f, 1e-6f);
    EXPECT_NEAR(frame.stream[8].texCoord.x, 1.25f, 1e-6f);
    EXPECT_EQ(frame.stream[12].color, glm::vec4(1.0f, 0.0f, 0.0f, 0.5f));
    EXPECT_EQ(frame.stream[4].color, glm::vec4(1.0f));
    EXPECT_EQ(frame.stream[16].position, glm::vec3(0.5f, 0.5f, util::DrawOrderDepth(4)));
    EXPECT_LT(frame.stream[16].position.z, frame.stream[0].position.z);
    EXPECT_FLOAT_EQ(frame.stream[0].position.z, 1.0f - util::DepthStep);
    // The lit rectangle: from the first brick's left edge to the backdrop's right, past the screen.
    EXPECT_NEAR(frame.litMax.x, 80.0f / 21.12f, 1e-5f);
    EXPECT_NEAR(frame.litMin.x, -1.0f / 21.12f, 1e-5f);

    // Occluders: the opaque backdrop and bricks, not the translucent red or the full-size layer.
    ASSERT_EQ(frame.occluderRuns.size(), 2u);
    EXPECT_FLOAT_EQ(frame.occluderRuns[0].edgeInset, -1.0f);
    EXPECT_EQ(frame.occluderRuns[0].indexCount, 6u);
    EXPECT_FLOAT_EQ(frame.occluderRuns[1].edgeInset, 0.5f / 16.0f);
    EXPECT_EQ(frame.occluderRuns[1].indexCount, 12u);
    EXPECT_EQ(frame.occluderIndices.size(), 18u);

    // Outlines: every entity with a Transform that is drawn or would be but for its mesh.
    EXPECT_EQ(registry->singletons.get<singleton::DebugDraw>().rectangles.size(), 5u);

    ASSERT_EQ(frame.lights.size(), 2u);
    EXPECT_EQ(frame.lights[0].position, glm::vec2(5.0f, 0.0f));
    EXPECT_EQ(frame.lights[0].radiiStrength, glm::vec3(0.5f, 1.0f, 2.0f));
    EXPECT_EQ(frame.lights[0].cone, glm::vec3(0.0f, 30.0f, 60.0f));
    EXPECT_EQ(frame.lights[1].cone, glm::vec3(1.0f, 30.0f, 60.0f));
    EXPECT_TRUE(frame.AnyLit());
    EXPECT_TRUE(frame.AnyScaled());

    // A second gathering starts afresh; without renderable entities there is nothing to draw.
    for (const Entity e : entities) registry->get<component::Graphics>(e).Renderable = false;
    util::GatherFrame(*registry, frame);
    EXPECT_TRUE(frame.runs.empty());
    EXPECT_TRUE(frame.stream.empty());
    EXPECT_EQ(frame.drawnEntities, 0);
    EXPECT_EQ(frame.lights.size(), 2u);
    EXPECT_FALSE(frame.AnyLit());
}

}  // namespace
}  // namespace velkor
