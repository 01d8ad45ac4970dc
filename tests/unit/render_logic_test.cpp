// CPU side of rendering, without a GL context: camera follow, sprite advance, parallax, particle
// emission, the component readers and the layer bookkeeping.
#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include "gameplay/camera_follow.hpp"
#include "graphics/components.hpp"
#include "graphics/parallax.hpp"
#include "graphics/particles.hpp"
#include "graphics/sprite_sheet.hpp"
#include "serialization/prefab.hpp"

namespace velkor {
namespace {

rapidjson::Document Parse(const char* json) {
    rapidjson::Document d;
    d.Parse(json);
    EXPECT_FALSE(d.HasParseError()) << json;
    return d;
}

// --- Camera follow ---------------------------------------------------------------------------

TEST(CameraFollow, ClosesFivePercentPerUpdateWhateverTheFrameTime) {
    auto registry = std::make_unique<Registry>();
    auto& camera = registry->singletons.get<singleton::Camera>();
    camera.Position = {10.0f, 0.0f};
    const Entity e = CreateEntity(Parse(R"({"Transform":{"Translation":[20,0]},"CameraFollow":{}})"), *registry);
    system::CameraFollow follow;
    follow.Update(0.5f, *registry);
    EXPECT_NEAR(camera.Position.x, 10.5f, 1e-5f);
    EXPECT_FLOAT_EQ(camera.LERP, 3.0f);
    registry->get<component::CameraFollow>(e).Offset = {0.0f, 2.0f};
    follow.Update(0.001f, *registry);
    EXPECT_NEAR(camera.Position.x, 10.5f + 9.5f * 0.05f, 1e-5f);
    EXPECT_NEAR(camera.Position.y, 0.1f, 1e-5f);
    EXPECT_EQ(camera.Offset, glm::vec2(0.0f, 2.0f));
}

TEST(CameraFollow, ShakeDiesAwayGeometrically) {
    singleton::Camera camera;
    camera.Rotation = 1.0f;
    component::CameraFollow follow;
    util::FollowStepTowards(camera, {0.0f, 0.0f}, follow);
    EXPECT_NEAR(camera.Rotation, 0.05f, 1e-6f);
    util::FollowStepTowards(camera, {0.0f, 0.0f}, follow);
    EXPECT_NEAR(camera.Rotation, 0.0025f, 1e-7f);
}

TEST(CameraFollow, ReaderIgnoresANonArrayOffsetAndWithoutFollowersTheCameraStays) {
    component::CameraFollow follow;
    component::ReadCameraFollow(follow, Parse(R"({"Offset":4,"LERP":6})"));
    EXPECT_EQ(follow.Offset, glm::vec2(0.0f, 0.0f));
    EXPECT_FLOAT_EQ(follow.LERP, 6.0f);

    auto registry = std::make_unique<Registry>();
    registry->singletons.get<singleton::Camera>().Position = {3.0f, 4.0f};
    system::CameraFollow system;
    system.Update(0.016f, *registry);
    EXPECT_EQ(registry->singletons.get<singleton::Camera>().Position, glm::vec2(3.0f, 4.0f));
}

TEST(Camera, ViewPutsThePositionAtTheOriginAndProjectionFillsClipSpace) {
    singleton::Camera camera{{5.0f, -2.0f}, 0.0f, 20.0f, 10.0f};
    const glm::vec4 centre = util::ProjectionMatrix(camera) * util::ViewMatrix(camera) * glm::vec4(5.0f, -2.0f, 0.0f, 1.0f);
    EXPECT_NEAR(centre.x, 0.0f, 1e-6f);
    const glm::vec4 corner = util::ProjectionMatrix(camera) * util::ViewMatrix(camera) * glm::vec4(15.0f, 3.0f, 0.0f, 1.0f);
    EXPECT_NEAR(corner.x, 1.0f, 1e-6f);
    EXPECT_NEAR(corner.y, 1.0f, 1e-6f);
    camera.Rotation = 90.0f;  // positive turns the world clockwise on screen
    const glm::vec4 up = util::ViewMatrix(camera) * glm::vec4(5.0f, -1.0f, 0.0f, 1.0f);
    EXPECT_NEAR(up.x, 1.0f, 1e-5f);
    EXPECT_NEAR(up.y, 0.0f, 1e-5f);
}

// --- Sprite sheets ---------------------------------------------------------------------------

component::SpriteSheet Sheet(const char* json) {
    component::SpriteSheet sheet;
    component::ReadSpriteSheet(sheet, Parse(json));
    return sheet;
}

TEST(SpriteSheet, DefaultCycleSkipsTheLastCell) {
    auto sheet = Sheet(R"({"Dimensions":[4,1],"PlayAnim":true,"SecondsPerFrame":0.1})");
    EXPECT_EQ(sheet.NumSprites, 3);
    std::vector<int> seen;
    for (int i = 0; i < 5; ++i) {
        seen.push_back(sheet.Index);
        util::AdvanceSprite(sheet, 0.1001f);
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 0, 1}));
}

TEST(SpriteSheet, ALongFrameAdvancesSeveralCellsAndKeepsTheRemainder) {
    auto sheet = Sheet(R"({"Dimensions":[8,1],"PlayAnim":true,"SecondsPerFrame":0.1})");
    util::AdvanceSprite(sheet, 0.35f);
    EXPECT_EQ(sheet.Index, 3);
    EXPECT_NEAR(sheet.Timer, 0.05f, 1e-5f);
}

TEST(SpriteSheet, ReaderRulesForTimesAndLiterals) {
    auto padded = Sheet(R"({"Dimensions":[4,1],"NumSprites":3,"SecondsPerFrame":0.2,"TimeVector":[0.5]})");
    EXPECT_TRUE(padded.HasTimeVector);
    EXPECT_EQ(padded.TimeVector, (std::vector<float>{0.5f, 0.2f, 0.2f, 0.2f}));
    auto integer = Sheet(R"({"SecondsPerFrame":1,"PlayAnim":1})");
    EXPECT_FLOAT_EQ(integer.SecondsPerFrame, 0.0f);  // write 1.0
    EXPECT_FALSE(integer.PlayAnim);
    EXPECT_EQ(integer.Dimensions, glm::ivec2(1, 1));
    EXPECT_EQ(integer.NumSprites, 0);
}

TEST(SpriteSheet, TimeVectorGivesEachCellItsOwnTime) {
    auto sheet = Sheet(R"({"Dimensions":[3,1],"NumSprites":3,"PlayAnim":true,"TimeVector":[0.5,0.1,0.1]})");
    util::AdvanceSprite(sheet, 0.4f);
    EXPECT_EQ(sheet.Index, 0);
    util::AdvanceSprite(sheet, 0.15f);
    EXPECT_EQ(sheet.Index, 1);
    util::AdvanceSprite(sheet, 0.25f);  // 0.05 + 0.25: leaves cells 1 and 2
    EXPECT_EQ(sheet.Index, 0);
}

TEST(SpriteSheet, BrokenContentNeitherHangsNorReadsPastTheTimes) {
    auto zero = Sheet(R"({"Dimensions":[4,1],"PlayAnim":true})");  // SecondsPerFrame 0
    util::AdvanceSprite(zero, 1.0f);
    EXPECT_EQ(zero.Index, 0);
    auto noCells = Sheet(R"({"Dimensions":[4,1],"NumSprites":0,"PlayAnim":true,"SecondsPerFrame":0.1})");
    util::AdvanceSprite(noCells, 1.0f);
    EXPECT_EQ(noCells.Index, 0);
    auto zeroEntry = Sheet(R"({"Dimensions":[4,1],"NumSprites":3,"PlayAnim":true,"TimeVector":[0.1,0.0,0.1,0.1]})");
    util::AdvanceSprite(zeroEntry, 5.0f);
    EXPECT_EQ(zeroEntry.Index, 1);  // stuck on the zero-time cell, not spinning
    auto shortVector = Sheet(R"({"Dimensions":[4,1],"PlayAnim":true,"SecondsPerFrame":0.1,"TimeVector":[0.1]})");
    shortVector.TimeVector.resize(1);  // a vector shorter than the cycle
    util::AdvanceSprite(shortVector, 5.0f);
    EXPECT_EQ(shortVector.Index, 1);
}

TEST(SpriteSheet, CellOffsetCountsRowByRow) {
    EXPECT_EQ(util::SpriteCellOffset(5, {4, 2}), glm::vec2(0.25f, 0.5f));
    EXPECT_EQ(util::SpriteCellOffset(3, {4, 2}), glm::vec2(0.75f, 0.0f));
}

// --- Parallax --------------------------------------------------------------------------------

TEST(Parallax, OffsetScalesCameraTravelAndZeroRatioPinsAnAxis) {
    component::Parallax p;
    component::ReadParallax(p, Parse(R"({"InverseRatio":[5,1],"PositionOffset":[10,0],"Size":[1,1]})"));
    EXPECT_FLOAT_EQ(util::ParallaxOffset(p, {20.0f, 0.0f}).x, 2.0f);
    component::Parallax pinned;
    pinned.InverseRatio = {0.0f, 0.0f};
    EXPECT_EQ(util::ParallaxOffset(pinned, {123.0f, -45.0f}), glm::vec2(0.0f, 0.0f));
    component::Parallax sized;
    sized.InverseRatio = {2.0f, 4.0f};
    sized.Size = {3.0f, 0.5f};
    EXPECT_EQ(util::ParallaxOffset(sized, {4.0f, 8.0f}), glm::vec2(6.0f, 1.0f));
}

// --- Particles -------------------------------------------------------------------------------

TEST(Particles, BurstEmitsItsCountOncePerPeriod) {
    component::Particles p;
    component::ReadParticles(p, Parse(R"({"NumberOfParticles":10,"Burst":true,"TimePerParticle":1.0,"LifeTime":5})"));
    component::Transform t;
    std::vector<util::Graphics::Vertex> v;
    std::vector<unsigned> i;
    for (int frame = 0; frame < 60; ++frame) util::StepParticles(p, t, 1.0f / 60.0f, v, i);
    EXPECT_EQ(p.Live.size(), 0u);  // 59/60 of a second so far (the timer runs in floats)
    util::StepParticles(p, t, 2.0f / 60.0f, v, i);
    EXPECT_EQ(p.Live.size(), 10u);
    util::StepParticles(p, t, 1.0f, v, i);
    EXPECT_EQ(p.Live.size(), 20u);
}

TEST(Particles, EmissionPlacesSpeedsAndMovesParticles) {
    component::Particles p;
    component::ReadParticles(p, Parse(R"({"TimePerParticle":1.0,"Timer":1.0,"LifeTime":2,"PositionOffset":1,
        "AngleStart":1.5707964,"AngleEnd":1.5707964,"Speed":[2,2],"Acceleration":[0,-2],"Position":[5,5]})"));
    component::Transform t;
    t.Dirty = false;
    std::vector<util::Graphics::Vertex> v;
    std::vector<unsigned> i;
    util::StepParticles(p, t, 0.5f, v, i);
    ASSERT_EQ(p.Live.size(), 1u);
    EXPECT_EQ(t.Translation, glm::vec2(5.0f, 5.0f));
    EXPECT_FALSE(t.Dirty);  // the emitter keeps drawing through its old matrix
    // Geometry of the emission point, then a move of (velocity + acceleration / 2) * dt.
    EXPECT_NEAR(v[1].position.x, 4.5f, 1e-5f);
    EXPECT_NEAR(v[1].position.y, 6.5f, 1e-5f);
    EXPECT_EQ(i, (std::vector<unsigned>{0, 1, 3, 1, 2, 3}));
    EXPECT_NEAR(p.Live[0].position.y, 6.0f + (2.0f - 1.0f) * 0.5f, 1e-5f);
    EXPECT_NEAR(p.Live[0].position.x, 5.0f, 1e-5f);
    EXPECT_NEAR(p.Live[0].life, 1.5f, 1e-6f);
}

TEST(Particles, ZeroPeriodEmitsNothingAndDoesNotHang) {
    component::Particles p;
    p.TimePerParticle = 0.0f;
    component::Transform t;
    std::vector<util::Graphics::Vertex> v;
    std::vector<unsigned> i;
    util::StepParticles(p, t, 1.0f, v, i);
    EXPECT_TRUE(p.Live.empty());
    p.TimePerParticle = -1.0f;
    util::StepParticles(p, t, 1.0f, v, i);
    EXPECT_TRUE(p.Live.empty());
}

// --- Readers and layers ----------------------------------------------------------------------

TEST(GraphicsReader, DefaultsLiteralsAndSolidColourBits) {
    auto registry = std::make_unique<Registry>();
    const Entity e = CreateEntity(Parse(R"({"Graphics":{"Locked":1,"DoLight":false,"SolidColor":[256,511,-1,300]}})"), *registry);
    const auto& g = registry->get<component::Graphics>(e);
    EXPECT_FALSE(g.Locked);  // only the literal true
    EXPECT_FALSE(g.DoLight);
    EXPECT_TRUE(g.Renderable);
    EXPECT_EQ(g.SolidColor, (std::array<std::uint8_t, 4>{0, 255, 255, 44}));
    EXPECT_EQ(g.Layer, singleton::DefaultLayer);
    const Entity plain = CreateEntity(Parse(R"({"Graphics":{}})"), *registry);
    EXPECT_EQ(registry->get<component::Graphics>(plain).SolidColor, (std::array<std::uint8_t, 4>{255, 255, 255, 255}));
    EXPECT_EQ(registry->get<component::Graphics>(plain).Color, glm::vec4(1.0f));
}

TEST(GraphicsReader, SpriteSheetCellAndBufferZone) {
    auto registry = std::make_unique<Registry>();
    const Entity zoned = CreateEntity(Parse(R"({"Graphics":{"Mesh":{"SpriteSheet":{"Dim":[4,2],"Sprite":[1,1]}}}})"), *registry);
    EXPECT_NEAR(registry->get<component::Graphics>(zoned).TextureOffset.x, 0.25005f, 1e-7f);
    EXPECT_NEAR(registry->get<component::Graphics>(zoned).TextureOffset.y, 0.50005f, 1e-7f);
    const Entity exact = CreateEntity(
        Parse(R"({"Graphics":{"Mesh":{"SpriteSheet":{"Dim":[4,2],"Sprite":[3,0],"UseBufferZone":false}}}})"), *registry);
    EXPECT_EQ(registry->get<component::Graphics>(exact).TextureOffset, glm::vec2(0.75f, 0.0f));
}

TEST(LightReader, DefaultsDifferFromAFreshComponent) {
    component::Light fresh;
    EXPECT_FLOAT_EQ(fresh.OuterRadius, 0.0f);
    EXPECT_TRUE(fresh.Enabled);
    component::Light light;
    component::ReadLight(light, Parse(R"({"MinAngle":30,"MaxAngle":60})"));
    EXPECT_FLOAT_EQ(light.OuterRadius, 1.0f);
    EXPECT_FLOAT_EQ(light.Strength, 1.0f);
    EXPECT_EQ(light.Color, glm::vec3(1.0f));
    EXPECT_FALSE(light.IsSpotlight);
    EXPECT_FLOAT_EQ(light.MinAngle, 0.0f);  // angles only count for spotlights
    EXPECT_FLOAT_EQ(light.MaxAngle, 360.0f);
    component::ReadLight(light, Parse(R"({"IsSpotlight":true,"MinAngle":30,"MaxAngle":60})"));
    EXPECT_TRUE(light.IsSpotlight);
    EXPECT_FLOAT_EQ(light.MinAngle, 30.0f);
    EXPECT_FLOAT_EQ(light.MaxAngle, 60.0f);
}

class LayersTest : public ::testing::Test {
protected:
    std::unique_ptr<Registry> registry = std::make_unique<Registry>();
    Entity Make(const char* layer) {
        const std::string json = layer ? std::string(R"({"Graphics":{"Layer":")") + layer + "\"}}" : R"({"Graphics":{}})";
        return CreateEntity(Parse(json.c_str()), *registry);
    }
    const std::vector<Entity>& Layer(int i) { return registry->singletons.get<singleton::Layers>().Entities[i]; }
};

TEST_F(LayersTest, NamesPlaceEntitiesAndUnknownNamesAreIgnored) {
    const Entity a = Make(nullptr), b = Make("Background"), c = Make("background"), d = Make("Cursor");
    EXPECT_EQ(Layer(8), (std::vector<Entity>{a, c}));
    EXPECT_EQ(Layer(7), (std::vector<Entity>{b}));
    EXPECT_EQ(Layer(11), (std::vector<Entity>{d}));
    EXPECT_EQ(util::FindLayer("Parallax7"), 0);
    EXPECT_EQ(util::FindLayer("UI"), 10);
}

TEST_F(LayersTest, MovingOrDestroyingPutsTheLastEntityInTheHole) {
    const Entity a = Make(nullptr), b = Make(nullptr), c = Make(nullptr), d = Make(nullptr);
    CreateEntity(Parse(R"({})"), *registry);
    rapidjson::Document move = Parse(R"({"Layer":"Foreground"})");
    component::ReadGraphics(a, *registry, move);
    EXPECT_EQ(Layer(8), (std::vector<Entity>{d, b, c}));
    EXPECT_EQ(Layer(9), (std::vector<Entity>{a}));
    EXPECT_EQ(registry->get<component::Graphics>(a).Layer, 9);
    registry->destroy(d);
    EXPECT_EQ(Layer(8), (std::vector<Entity>{c, b}));
    registry->clear();
    for (int i = 0; i < singleton::LayerCount; ++i) EXPECT_TRUE(Layer(i).empty());
}

TEST_F(LayersTest, ComponentsAddedBeforeTheLayersExistAreAdopted) {
    const Entity e = registry->create();
    registry->add<component::Graphics>(e).Layer = 3;
    util::GetOrCreateLayers(*registry);
    EXPECT_EQ(Layer(3), (std::vector<Entity>{e}));
    // Dropping and re-creating the singleton (a second Init) hooks once, not twice.
    registry->singletons.remove<singleton::Layers>();
    util::GetOrCreateLayers(*registry);
    const Entity f = registry->create();
    registry->add<component::Graphics>(f);
    EXPECT_EQ(Layer(8), (std::vector<Entity>{f}));
}

}  // namespace
}  // namespace velkor
