// Sprite sheets, parallax, particles and debug shapes as the GPU sees them.
#include <cmath>

#include "graphics/gl_scene.hpp"

namespace velkor::test {
namespace {

using AnimateGL = GLScene;

std::vector<util::Graphics::Vertex> MeshVertices(const util::Graphics::Mesh& mesh) {
    GLint bytes = 0;
    glBindBuffer(GL_ARRAY_BUFFER, mesh.vertexBuffer);
    glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &bytes);
    std::vector<util::Graphics::Vertex> out(static_cast<std::size_t>(bytes) / sizeof(util::Graphics::Vertex));
    glGetBufferSubData(GL_ARRAY_BUFFER, 0, bytes, out.data());
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    return out;
}

// Four cells in a row: red, green, blue, white.
std::string FourCells(GLScene& scene) {
    std::vector<unsigned char> pixels;
    const unsigned char cells[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 32; ++x) pixels.insert(pixels.end(), {cells[x / 8][0], cells[x / 8][1], cells[x / 8][2], 255});
    return scene.WriteImage("cells.png", 32, 8, 4, pixels);
}

TEST_F(AnimateGL, SpriteSheetBufferZoneShrinksTheCell) {
    const Entity e = Create(R"({"Graphics":{"Mesh":{"SpriteSheet":{"Dim":[4,2],"Sprite":[1,1]}}}})");
    const auto& g = registry().get<component::Graphics>(e);
    EXPECT_NEAR(g.TextureOffset.x, 0.25005f, 1e-6f);
    EXPECT_NEAR(g.TextureOffset.y, 0.50005f, 1e-6f);
    const auto vertices = MeshVertices(g.Mesh);
    ASSERT_EQ(vertices.size(), 4u);
    EXPECT_NEAR(vertices[1].texCoord.x, 0.2499f, 1e-6f);
    EXPECT_NEAR(vertices[1].texCoord.y, 0.4999f, 1e-6f);
}

TEST_F(AnimateGL, SpriteSheetShowsTheCellOfItsIndex) {
    const std::string sheet = FourCells(*this);
    const Entity e = Create(R"({"Transform":{"Scale":[6,6]},"Graphics":{"DoLight":false,"Texture":")" + sheet +
                            R"("},"SpriteSheet":{"Dimensions":[4,1],"PlayAnim":true,"SecondsPerFrame":0.1}})");
    const Rgba expected[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 0, 0}};
    for (int frame = 0; frame < 4; ++frame) {
        Frame(frame == 0 ? 0.0f : 0.1001f);
        EXPECT_EQ(registry().get<component::SpriteSheet>(e).Index, frame % 3);
        EXPECT_TRUE(Near(WorldPixel({0.0f, 0.0f}), expected[frame], 1)) << "frame " << frame;
    }
    const auto vertices = MeshVertices(registry().get<component::Graphics>(e).Mesh);
    ASSERT_EQ(vertices.size(), 4u);
    EXPECT_FLOAT_EQ(vertices[0].texCoord.x, 0.25f);
    EXPECT_FLOAT_EQ(vertices[1].texCoord.y, 1.0f);
}

TEST_F(AnimateGL, ParallaxScrollsTheTextureWithTheCamera) {
    // Left half red, right half green; the quad shows the whole image once.
    std::vector<unsigned char> pixels;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) pixels.insert(pixels.end(), {static_cast<unsigned char>(x < 4 ? 255 : 0), static_cast<unsigned char>(x < 4 ? 0 : 255), 0, 255});
    const std::string path = WriteImage("halves.png", 8, 4, 4, pixels);
    const Entity e = Create(R"({"Graphics":{"Locked":true,"Texture":")" + path +
                            R"("},"Transform":{"Scale":[2,2]},"Parallax":{"InverseRatio":[4,0],"PositionOffset":[10,0],"Size":[1,1]}})");
    camera().Position = {10.0f, 0.0f};
    Frame();
    EXPECT_TRUE(Near(Pixel(width_ / 4, height_ / 2), {255, 0, 0}, 1));
    camera().Position = {12.0f, 5.0f};  // half a texture width of scroll; y pinned
    Frame();
    EXPECT_FLOAT_EQ(registry().get<component::Graphics>(e).TextureOffset.x, 0.5f);
    EXPECT_FLOAT_EQ(registry().get<component::Graphics>(e).TextureOffset.y, 0.0f);
    EXPECT_TRUE(Near(Pixel(width_ / 4, height_ / 2), {0, 255, 0}, 1));
    EXPECT_TRUE(Near(Pixel(3 * width_ / 4, height_ / 2), {255, 0, 0}, 1));  // horizontal wrap repeats
}

TEST_F(AnimateGL, BurstParticlesBecomeQuadsAroundTheirPositions) {
    const Entity e = Create(R"({"Transform":{},"Graphics":{"DoLight":false},
        "Particles":{"NumberOfParticles":10,"Burst":true,"TimePerParticle":1.0,"Timer":0.99,"LifeTime":5,
                     "Position":[2,1],"Speed":[0,0],"Color":[1,0.5,0,1]}})");
    Frame(0.02f);  // one burst; geometry built before the particles move
    const auto& g = registry().get<component::Graphics>(e);
    EXPECT_EQ(g.Mesh.indexCount, 60u);
    const auto vertices = MeshVertices(g.Mesh);
    ASSERT_EQ(vertices.size(), 40u);
    EXPECT_FLOAT_EQ(vertices[0].position.x, 1.5f);
    EXPECT_FLOAT_EQ(vertices[0].position.y, 0.5f);
    EXPECT_FLOAT_EQ(vertices[2].position.x, 2.5f);
    EXPECT_FLOAT_EQ(vertices[2].position.y, 1.5f);
    EXPECT_FLOAT_EQ(vertices[2].color.g, 0.5f);
    // The emitter's transform is identity, so the mesh is drawn at world positions.
    Frame(0.02f);  // drawn now: the mesh of the previous frame
    EXPECT_TRUE(Near(WorldPixel({2.0f, 1.0f}), {255, 128, 0}, 1));
    EXPECT_TRUE(Near(WorldPixel({2.7f, 1.0f}), {0, 0, 0}, 0));
}

TEST_F(AnimateGL, AParticleIsDrawnInTheFrameItDiesAndGoneAfter) {
    const Entity e = Create(R"({"Transform":{},"Graphics":{"DoLight":false},
        "Particles":{"TimePerParticle":10.0,"Timer":9.99,"LifeTime":0.5,"Position":[-2,0],"Speed":[1,1]}})");
    auto indices = [&] { return registry().get<component::Graphics>(e).Mesh.indexCount; };
    Frame(0.02f);  // emitted, life 0.48
    EXPECT_EQ(indices(), 6u);
    Frame(0.3f);  // life 0.18
    EXPECT_EQ(indices(), 6u);
    Frame(0.3f);  // its life ends in this frame: still in this frame's geometry
    EXPECT_EQ(indices(), 6u);
    EXPECT_TRUE(registry().get<component::Particles>(e).Live.empty());
    Frame(0.3f);
    EXPECT_EQ(indices(), 0u);
    Frame(0.0f);
    EXPECT_TRUE(Near(WorldPixel({-1.0f, 0.0f}), {0, 0, 0}, 0));
}

TEST_F(AnimateGL, DebugLineRunsFromStartTowardsEnd) {
    auto& debug = registry().singletons.get<singleton::DebugDraw>();
    util::QueueLine(debug, {0.0f, 0.0f}, {3.0f, 4.0f}, {255.0f, 0.0f, 255.0f});  // 0-255 scale saturates
    Frame();
    EXPECT_EQ(debug_->LastCounts().lines, 1);
    EXPECT_TRUE(debug.lines.empty());
    // Along the segment every sampled point is magenta within a pixel; beyond its end nothing.
    auto lineHit = [&](glm::vec2 world) {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const auto& c = camera();
                const int x = static_cast<int>(((world.x - c.Position.x) / c.ViewWidth + 0.5f) * width_) + dx;
                const int y = static_cast<int>(((world.y - c.Position.y) / c.ViewHeight + 0.5f) * height_) + dy;
                if (Near(Pixel(x, y), {255, 0, 255}, 0)) return true;
            }
        return false;
    };
    for (float t : {0.1f, 0.5f, 0.9f}) EXPECT_TRUE(lineHit({3.0f * t, 4.0f * t})) << t;
    EXPECT_FALSE(lineHit({3.6f, 4.8f}));
    EXPECT_FALSE(lineHit({-1.5f, -2.0f}));
    Frame();  // queues were emptied: nothing drawn twice
    EXPECT_EQ(debug_->LastCounts().lines, 0);
    EXPECT_FALSE(lineHit({1.5f, 2.0f}));
}

TEST_F(AnimateGL, MeshOutlinesFollowRotationAndIncludeLockedEntities) {
    auto& debug = registry().singletons.get<singleton::DebugDraw>();
    Frame();
    EXPECT_EQ(debug_->LastCounts().rectangles, 0);  // switches start off
    debug.EnableMesh = true;
    Create(R"({"Transform":{"Scale":[4,1],"Rotation":90},"Graphics":{"DoLight":false,"SolidColor":[0,0,0,255]}})");
    Create(R"({"Transform":{"Scale":[2,2]},"Graphics":{"Locked":true,"SolidColor":[0,0,0,0]}})");
    Frame();
    EXPECT_EQ(debug_->LastCounts().rectangles, 2);
    // The rotated 4 x 1 outline: its long sides run vertically at x = +-0.5.
    EXPECT_TRUE(Near(WorldPixel({0.5f, 1.0f}), {0, 255, 0}, 0) || Near(WorldPixel({0.49f, 1.0f}), {0, 255, 0}, 0) ||
                Near(WorldPixel({0.51f, 1.0f}), {0, 255, 0}, 0));
    EXPECT_TRUE(Near(WorldPixel({1.5f, 0.0f}), {0, 0, 0}, 0));
    util::QueueCircle(debug, {5.0f, 0.0f}, 2.0f, {1.0f, 1.0f, 0.0f});
    Frame();
    EXPECT_EQ(debug_->LastCounts().circles, 1);
}

}  // namespace
}  // namespace velkor::test
