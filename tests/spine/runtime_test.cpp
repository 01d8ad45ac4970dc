#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "spine/spine.hpp"
#include "support/trace_capture.hpp"
#include "support/spine_fixture.hpp"

namespace velkor::spine {
namespace {

namespace fixture = test::spine_fixture;

// Records the pages it was asked to load and gives each a fake texture.
struct RecordingLoader final : TextureLoader {
    std::vector<std::string> paths;
    int unloads = 0;
    void Load(AtlasPage& page, const std::string& path) override {
        paths.push_back(path);
        page.rendererObject = &paths;
    }
    void Unload(void*) override { ++unloads; }
};

// Element-wise within a float tolerance: bone matrices carry cos(90 degrees) ~ 4e-8, not 0.
void ExpectNear(const std::vector<float>& actual, const std::vector<float>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(actual[i], expected[i], 1e-4) << "at " << i;
}

std::unique_ptr<Atlas> FixtureAtlas(TextureLoader* loader = nullptr) {
    return Atlas::Parse(fixture::Atlas, "Assets/Hero", loader, "hero.atlas");
}

struct Loaded {
    std::unique_ptr<Atlas> atlas = FixtureAtlas();
    std::unique_ptr<SkeletonData> data = ParseSkeletonData(fixture::Skeleton, *atlas, "hero.json");
};

TEST(SpineAtlas, ReadsPagesAndRegionsOfBothKeyStyles) {
    RecordingLoader loader;
    auto atlas = FixtureAtlas(&loader);
    ASSERT_TRUE(atlas);
    ASSERT_EQ(atlas->pages.size(), 2u);
    EXPECT_EQ(loader.paths, (std::vector<std::string>{"Assets/Hero/hero.png", "Assets/Hero/fx.png"}));
    EXPECT_EQ(atlas->pages[0].rendererObject, &loader.paths);

    const AtlasPage& fx = atlas->pages[1];
    EXPECT_EQ(fx.width, 32);
    EXPECT_EQ(fx.minFilter, TextureFilter::Nearest);
    EXPECT_EQ(fx.magFilter, TextureFilter::MipMapLinearLinear);
    EXPECT_EQ(fx.uWrap, TextureWrap::Repeat);
    EXPECT_EQ(fx.vWrap, TextureWrap::Repeat);
    EXPECT_EQ(atlas->pages[0].uWrap, TextureWrap::ClampToEdge);

    const AtlasRegion* body = atlas->FindRegion("body");
    ASSERT_TRUE(body);
    EXPECT_EQ(body->page, 0);
    EXPECT_FLOAT_EQ(body->u2, 0.25f);
    EXPECT_FLOAT_EQ(body->v2, 1.0f);

    // Rotated: 16 x 8 stored as 8 wide, 16 tall.
    const AtlasRegion* head = atlas->FindRegion("head");
    ASSERT_TRUE(head);
    EXPECT_TRUE(head->rotated());
    EXPECT_EQ(head->index, 3);
    EXPECT_FLOAT_EQ(head->u, 0.25f);
    EXPECT_FLOAT_EQ(head->u2, 0.375f);
    EXPECT_FLOAT_EQ(head->v2, 0.5f);

    const AtlasRegion* spark = atlas->FindRegion("spark");
    ASSERT_TRUE(spark);
    EXPECT_EQ(spark->page, 1);
    EXPECT_EQ(spark->originalWidth, 10);
    EXPECT_EQ(spark->originalHeight, 12);
    EXPECT_FLOAT_EQ(spark->offsetY, 2.0f);
    EXPECT_EQ(atlas->FindRegion("missing"), nullptr);
}

TEST(SpineAtlas, MalformedOrMissingFilesAreTracedWithoutAnAtlas) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"page.png\nsize: 64,x\n", "Atlas bad.atlas, line 2: bad value for \"size\"\n"},
        {"page.png\nsize: 64,64\nr\n  xy: 1\n", "Atlas bad.atlas, line 4: bad value for \"xy\"\n"},
        {"page.png\nsize: 64,64\nr\n  rotate: 45\n", "Atlas bad.atlas, line 4: bad value for \"rotate\"\n"},
        {"page.png\nfilter: Blurry,Linear\n", "Atlas bad.atlas, line 2: bad value for \"filter\"\n"},
        {"page.png\nformat: RGBA8888\nr\n  xy: 0, 0\n", "Atlas bad.atlas, line 4: page \"page.png\" has no size\n"},
        {"\n\n", "Atlas bad.atlas, line 2: no pages\n"},
    };
    for (const auto& c : cases) {
        test::TraceCapture trace;
        EXPECT_EQ(Atlas::Parse(c.text, "", nullptr, "bad.atlas"), nullptr) << c.text;
        EXPECT_EQ(trace.messages(), std::vector<std::string>{c.message}) << c.text;
    }
    test::TraceCapture trace;
    EXPECT_EQ(Atlas::Load("Data/nowhere.atlas", nullptr), nullptr);
    EXPECT_TRUE(trace.contains("Atlas Data/nowhere.atlas: cannot open the file\n"));
}

TEST(SpineAtlas, LoadsFromAFileAndReleasesPageTextures) {
    const auto dir = fixture::WriteFiles("velkor_spine_atlas");
    static int released = 0;
    struct Releasing final : TextureLoader {
        void Load(AtlasPage& page, const std::string&) override {
            page.rendererObject = this;
            page.releaseRendererObject = [](void*) { ++released; };
        }
        void Unload(void*) override {}
    } loader;
    released = 0;
    {
        auto atlas = Atlas::Load((dir / "hero.atlas").string(), &loader);
        ASSERT_TRUE(atlas);
        EXPECT_EQ(atlas->regions.size(), 3u);
    }
    EXPECT_EQ(released, 2);
}

TEST(SpineJson, ReadsTheHeaderBonesSlotsSkinsAndAttachments) {
    test::TraceCapture trace;
    Loaded loaded;
    ASSERT_TRUE(loaded.data);
    const SkeletonData& data = *loaded.data;
    EXPECT_EQ(data.hash, "h4sh");
    EXPECT_EQ(data.version, "3.8.75");
    EXPECT_FLOAT_EQ(data.height, 200.0f);
    EXPECT_FLOAT_EQ(data.x, -10.0f);

    ASSERT_EQ(data.bones.size(), 4u);
    EXPECT_EQ(data.bones[2].parent, 1);
    EXPECT_EQ(data.bones[2].transformMode, TransformMode::NoScale);
    EXPECT_EQ(data.bones[3].transformMode, TransformMode::OnlyTranslation);
    EXPECT_FLOAT_EQ(data.bones[2].rotation, 90.0f);

    ASSERT_EQ(data.slots.size(), 4u);
    EXPECT_EQ(data.slots[0].color, (Color{1, 128 / 255.0f, 0, 1}));
    EXPECT_TRUE(data.slots[1].hasDarkColor);
    EXPECT_FLOAT_EQ(data.slots[1].darkColor.b, 48 / 255.0f);
    EXPECT_EQ(data.slots[1].blendMode, BlendMode::Additive);

    ASSERT_EQ(data.skins.size(), 2u);
    ASSERT_TRUE(data.defaultSkin);
    const auto* body = dynamic_cast<const RegionAttachment*>(data.defaultSkin->Find(0, "body"));
    ASSERT_TRUE(body);
    EXPECT_EQ(body->region, loaded.atlas->FindRegion("body"));

    const auto* cape = dynamic_cast<const MeshAttachment*>(data.defaultSkin->Find(2, "cape"));
    ASSERT_TRUE(cape);
    EXPECT_EQ(cape->bones, (std::vector<int>{1, 1, 2, 1, 2, 1, 1, 1, 1}));
    EXPECT_EQ(cape->vertices.size(), 15u);  // five weighted entries
    EXPECT_EQ(cape->worldVerticesLength, 8);
    EXPECT_EQ(cape->triangles, (std::vector<unsigned>{0, 1, 2, 2, 3, 0}));
    EXPECT_EQ(cape->hullLength, 8);
    EXPECT_EQ(cape->edges.size(), 4u);
    // The "body" region covers u 0..0.25 of its page.
    EXPECT_EQ(cape->uvs, (std::vector<float>{0, 0, 0.25f, 0, 0.25f, 1, 0, 1}));
    const auto* clip = dynamic_cast<const ClippingAttachment*>(data.defaultSkin->Find(2, "clip"));
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->endSlot, 2);
    EXPECT_EQ(clip->vertices.size(), 6u);

    const auto* linked = dynamic_cast<const MeshAttachment*>(data.FindSkin("red")->Find(2, "cape"));
    ASSERT_TRUE(linked);
    EXPECT_EQ(linked->parentMesh, cape);
    EXPECT_EQ(linked->triangles, cape->triangles);
    EXPECT_EQ(linked->deformAttachment, linked);  // "deform": false
    // UVs from its own, rotated region: (0, 0) of the image is the stored rectangle's bottom-left.
    EXPECT_FLOAT_EQ(linked->uvs[0], 0.25f);
    EXPECT_FLOAT_EQ(linked->uvs[1], 0.5f);

    EXPECT_TRUE(dynamic_cast<const BoundingBoxAttachment*>(data.defaultSkin->Find(3, "box")));
    const auto* tip = dynamic_cast<const PointAttachment*>(data.defaultSkin->Find(3, "tip"));
    ASSERT_TRUE(tip);
    EXPECT_FLOAT_EQ(tip->rotation, 45.0f);

    ASSERT_TRUE(data.FindAnimation("slide"));
    EXPECT_FLOAT_EQ(data.FindAnimation("turn")->duration, 1.0f);
    EXPECT_EQ(data.FindAnimation("jump"), nullptr);

    ASSERT_EQ(data.ikConstraints.size(), 1u);
    EXPECT_EQ(data.ikConstraints[0].bones, std::vector<int>{2});
    EXPECT_EQ(data.ikConstraints[0].target, 3);
    EXPECT_EQ(data.ikConstraints[0].bendDirection, 1);
    const Animation* wave = data.FindAnimation("wave");
    ASSERT_TRUE(wave->events);
    ASSERT_EQ(wave->events->events.size(), 1u);
    EXPECT_EQ(wave->events->events[0].data, data.FindEvent("step"));
    EXPECT_FLOAT_EQ(wave->events->events[0].time, 0.1f);
    EXPECT_TRUE(trace.messages().empty());
}

// Parent at the root: rotation 90, scale (-2, 2), so it rotates, stretches and reflects. The child
// sits 10 along the parent's x axis with an identity local transform.
TEST(SpineSkeleton, WorldTransformsForEachInheritMode) {
    const struct {
        const char* mode;
        float a, b, c, d;
    } cases[] = {
        {"normal", 0, -2, -2, 0},
        {"onlyTranslation", 1, 0, 0, 1},
        {"noRotationOrReflection", 2, 0, 0, 2},
        {"noScale", 0, -1, -1, 0},
        {"noScaleOrReflection", 0, 1, -1, 0},
    };
    auto atlas = FixtureAtlas();
    for (const auto& c : cases) {
        const std::string json = std::string(R"({"bones": [ {"name": "p", "rotation": 90, "scaleX": -2, "scaleY": 2},
            {"name": "c", "parent": "p", "x": 10, "transform": ")") + c.mode + R"("} ]})";
        auto data = ParseSkeletonData(json, *atlas, "modes.json");
        ASSERT_TRUE(data) << c.mode;
        Skeleton skeleton(*data);
        skeleton.UpdateWorldTransform();
        const Bone& child = skeleton.bones[1];
        EXPECT_NEAR(child.worldX, 0, 1e-5) << c.mode;
        EXPECT_NEAR(child.worldY, -20, 1e-5) << c.mode;
        EXPECT_NEAR(child.a, c.a, 1e-5) << c.mode;
        EXPECT_NEAR(child.b, c.b, 1e-5) << c.mode;
        EXPECT_NEAR(child.c, c.c, 1e-5) << c.mode;
        EXPECT_NEAR(child.d, c.d, 1e-5) << c.mode;
    }
}

TEST(SpineSkeleton, SetupPoseWorldVerticesAndFlip) {
    Loaded loaded;
    ASSERT_TRUE(loaded.data);
    Skeleton skeleton(*loaded.data);
    skeleton.UpdateWorldTransform();
    const Bone& hand = skeleton.bones[3];  // arm at (10, 100) turned 90: hand 5 further up, unrotated
    EXPECT_NEAR(hand.worldX, 10, 1e-5);
    EXPECT_NEAR(hand.worldY, 105, 1e-5);
    EXPECT_NEAR(hand.a, 1, 1e-5);

    // Region corners: bottom-left, top-left, top-right, bottom-right around the hip at (0, 100).
    const auto* body = dynamic_cast<const RegionAttachment*>(skeleton.slots[0].attachment);
    ASSERT_TRUE(body);
    float corners[8];
    body->ComputeWorldVertices(skeleton.bones[1], corners, 0, 2);
    ExpectNear(std::vector<float>(corners, corners + 8), {-8, 84, -8, 116, 8, 116, 8, 84});
    EXPECT_EQ(std::vector<float>(body->uvs, body->uvs + 8), (std::vector<float>{0, 1, 0, 0, 0.25f, 0, 0.25f, 1}));
    const auto* head = dynamic_cast<const RegionAttachment*>(skeleton.slots[1].attachment);
    ASSERT_TRUE(head);
    EXPECT_EQ(std::vector<float>(head->uvs, head->uvs + 8),
              (std::vector<float>{0.375f, 0.5f, 0.25f, 0.5f, 0.25f, 0, 0.375f, 0}));

    // The weighted vertex 1 is half hip (8, 0) and half arm (0, 0).
    const auto* cape = dynamic_cast<const MeshAttachment*>(skeleton.slots[2].attachment);
    ASSERT_TRUE(cape);
    std::vector<float> world(8);
    cape->ComputeWorldVertices(skeleton, skeleton.slots[2], 0, 8, world.data(), 0, 2);
    ExpectNear(world, {-8, 100, 9, 100, 8, 132, -8, 132});

    // Facing left is a negative skeleton scale.
    skeleton.scaleX = -1;
    skeleton.UpdateWorldTransform();
    body->ComputeWorldVertices(skeleton.bones[1], corners, 0, 2);
    EXPECT_FLOAT_EQ(corners[0], 8);
    EXPECT_NEAR(skeleton.bones[3].worldX, -10, 1e-5);

    // Skins: the named skin replaces by name and falls back to the default skin.
    ASSERT_TRUE(skeleton.SetSkin("red"));
    EXPECT_FALSE(skeleton.SetSkin("blue"));
    EXPECT_NE(skeleton.GetAttachment(2, "cape"), cape);
    EXPECT_EQ(skeleton.GetAttachment(0, "body"), body);
    EXPECT_TRUE(skeleton.SetAttachment("body", ""));
    EXPECT_EQ(skeleton.slots[0].attachment, nullptr);
    EXPECT_FALSE(skeleton.SetAttachment("body", "nothing"));
}

TEST(SpineCurve, BezierSamplesMatchHandComputedPoints) {
    // Handles at a third and two thirds of the time make x(t) = t, and y handles at 0 make y = t^3.
    const Curve cubic{Curve::Kind::Bezier, 1 / 3.0f, 0, 2 / 3.0f, 0};
    for (float t : {0.0f, 0.2f, 0.5f, 0.9f, 1.0f}) EXPECT_NEAR(cubic.Apply(t), t * t * t, 1e-5) << t;
    // Symmetric ease-in-out: the midpoint is the midpoint; x(0.5) = 0.5 for handles (0.42, 0.58).
    const Curve ease{Curve::Kind::Bezier, 0.42f, 0, 0.58f, 1};
    EXPECT_NEAR(ease.Apply(0.5f), 0.5f, 1e-5);
    EXPECT_LT(ease.Apply(0.25f), 0.25f);
    EXPECT_EQ((Curve{Curve::Kind::Stepped}).Apply(0.99f), 0.0f);
    EXPECT_EQ(Curve{}.Apply(0.3f), 0.3f);
}

TEST(SpineTimelines, KeysCurvesColoursAttachmentsDrawOrderAndDeform) {
    Loaded loaded;
    ASSERT_TRUE(loaded.data);
    const SkeletonData& data = *loaded.data;
    Skeleton skeleton(data);
    auto pose = [&](const char* animation, float time) {
        skeleton.SetToSetupPose();
        data.FindAnimation(animation)->Apply(skeleton, time, false, 1);
        skeleton.UpdateWorldTransform();
    };

    // 3.8's curve form: x follows 8 t^3.
    pose("slide", 0.5f);
    EXPECT_NEAR(skeleton.bones[1].x, 1.0f, 1e-4);
    pose("slide", 2.0f);
    EXPECT_NEAR(skeleton.bones[1].x, 8.0f, 1e-6);

    pose("turn", 0.25f);
    EXPECT_NEAR(skeleton.bones[1].rotation, 45.0f, 1e-4);
    EXPECT_NEAR(skeleton.slots[0].color.r, 0.75f, 1e-6);
    EXPECT_EQ(skeleton.slots[0].attachment, data.defaultSkin->Find(0, "body"));
    EXPECT_EQ(skeleton.drawOrder, (std::vector<int>{1, 2, 0, 3}));  // body moved two places up
    pose("turn", 0.75f);
    EXPECT_NEAR(skeleton.bones[1].rotation, 90.0f, 1e-4);  // stepped
    EXPECT_EQ(skeleton.slots[0].attachment, nullptr);
    EXPECT_EQ(skeleton.drawOrder, (std::vector<int>{0, 1, 2, 3}));

    // Deform offsets the weighted entry of vertex 1 on the hip by (4, 6) at the end, half at 0.5.
    const auto* cape = dynamic_cast<const MeshAttachment*>(skeleton.slots[2].attachment);
    std::vector<float> world(8);
    pose("wave", 0.5f);
    cape->ComputeWorldVertices(skeleton, skeleton.slots[2], 2, 2, world.data(), 0, 2);
    EXPECT_NEAR(world[0], 10.0f, 1e-4);
    EXPECT_NEAR(world[1], 101.5f, 1e-4);
    pose("wave", 1.0f);
    cape->ComputeWorldVertices(skeleton, skeleton.slots[2], 0, 8, world.data(), 0, 2);
    ExpectNear(world, {-8, 100, 11, 103, 8, 132, -8, 132});
}

TEST(SpineTimelines, RotationTakesTheShortWayRound) {
    auto atlas = FixtureAtlas();
    auto data = ParseSkeletonData(R"({"bones": [{"name": "b"}], "animations": {"spin": {"bones": {"b": {"rotate": [
        {"angle": 170, "curve": [0.25, 0.25, 0.75, 0.75]}, {"time": 1, "angle": -170}]}}}}})",
                                  *atlas, "spin.json");
    ASSERT_TRUE(data);
    Skeleton skeleton(*data);
    data->FindAnimation("spin")->Apply(skeleton, 0.5f, false, 1);
    EXPECT_NEAR(std::abs(skeleton.bones[0].rotation), 180.0f, 1e-3);
}

// One bone; "left" and "right" hold x at -10 and +10, "once" moves x from 0 to 10 in 0.5 s.
class SpineState : public ::testing::Test {
protected:
    void SetUp() override {
        atlas_ = FixtureAtlas();
        data_ = ParseSkeletonData(R"({"bones": [{"name": "b"}], "animations": {
            "left": {"bones": {"b": {"translate": [{"x": -10}]}}},
            "right": {"bones": {"b": {"translate": [{"x": 10}]}}},
            "once": {"bones": {"b": {"translate": [{"x": 0}, {"time": 0.5, "x": 10}]}}}}})",
                                  *atlas_, "state.json");
        ASSERT_TRUE(data_);
        stateData_ = std::make_unique<AnimationStateData>(*data_);
        stateData_->defaultMix = 0.2f;
        ASSERT_TRUE(stateData_->SetMix("left", "right", 0.1f));
        EXPECT_FALSE(stateData_->SetMix("left", "nowhere", 0.1f));
        skeleton_ = std::make_unique<Skeleton>(*data_);
        state_ = std::make_unique<AnimationState>(*stateData_);
    }

    float Step(float dt) {
        state_->Update(dt);
        state_->Apply(*skeleton_);
        return skeleton_->bones[0].x;
    }

    std::unique_ptr<Atlas> atlas_;
    std::unique_ptr<SkeletonData> data_;
    std::unique_ptr<AnimationStateData> stateData_;
    std::unique_ptr<Skeleton> skeleton_;
    std::unique_ptr<AnimationState> state_;
};

TEST_F(SpineState, CrossFadesOverThePairsMixOrTheDefault) {
    EXPECT_FALSE(state_->Apply(*skeleton_));  // nothing playing: untouched
    ASSERT_TRUE(state_->SetAnimation(0, "left", true));
    EXPECT_FLOAT_EQ(Step(0.05f), -10);
    state_->SetAnimation(0, "right", true);
    EXPECT_FLOAT_EQ(state_->GetCurrent(0)->mixDuration, 0.1f);
    EXPECT_NEAR(Step(0.05f), 0, 1e-5);  // halfway through 0.1 s
    EXPECT_FLOAT_EQ(Step(0.05f), 10);
    state_->SetAnimation(0, "left", true);  // no pair: the default 0.2 s
    EXPECT_NEAR(Step(0.1f), 0, 1e-5);
    EXPECT_NEAR(Step(0.05f), -5, 1e-5);
    EXPECT_FLOAT_EQ(Step(0.05f), -10);

    // Interrupting a fade fades from the blended pose.
    state_->SetAnimation(0, "right", true);
    EXPECT_NEAR(Step(0.05f), 0, 1e-5);
    state_->SetAnimation(0, "left", true);
    // "right" finishes its own fade in (0.7 of the way: 4) while "left" takes a tenth of its 0.2 s.
    EXPECT_NEAR(Step(0.02f), 2.6f, 1e-5);
    EXPECT_NEAR(Step(0.08f), 0, 1e-5);
    EXPECT_EQ(state_->SetAnimation(0, "nowhere", true), nullptr);
    EXPECT_EQ(state_->GetCurrent(0)->animation, data_->FindAnimation("left"));
}

TEST_F(SpineState, CompletionTimeScaleAndClearing) {
    stateData_->defaultMix = 0;
    TrackEntry* entry = state_->SetAnimation(0, "once", false);
    ASSERT_TRUE(entry);
    EXPECT_NEAR(Step(0.25f), 5, 1e-5);
    EXPECT_FALSE(state_->GetCurrent(0)->IsComplete());
    EXPECT_FLOAT_EQ(Step(0.3f), 10);  // held at the end
    EXPECT_TRUE(state_->GetCurrent(0)->IsComplete());

    state_->SetAnimation(0, "once", true);
    state_->timeScale = 2;
    EXPECT_NEAR(Step(0.3f), 2, 1e-4);  // 0.6 s into a 0.5 s loop
    EXPECT_TRUE(state_->GetCurrent(0)->IsComplete());  // a loop completes after its first pass

    state_->ClearTrack(0);
    EXPECT_EQ(state_->GetCurrent(0), nullptr);
    EXPECT_NEAR(Step(0.1f), 2, 1e-4);  // keeps the last pose
    EXPECT_EQ(state_->SetAnimation(-1, "once", false), nullptr);

    // A copy plays on independently.
    state_->SetAnimation(0, "right", false);
    AnimationState copy = *state_;
    copy.SetAnimation(0, "left", false);
    EXPECT_EQ(state_->GetCurrent(0)->animation, data_->FindAnimation("right"));
}

TEST(SpineJson, OnlyFilesWithoutBuildableBonesGiveNoData) {
    auto atlas = FixtureAtlas();
    const struct {
        const char* json;
        const char* message;
    } cases[] = {
        {R"({"bones": [)", "Skeleton bad.json: Invalid value. (at offset 11)\n"},
        {R"([1, 2])", "Skeleton bad.json: the file is not an object\n"},
        {R"({"slots": []})", "Skeleton bad.json: no \"bones\"\n"},
        {R"({"bones": []})", "Skeleton bad.json: no bones\n"},
        {R"({"bones": [{"name": "a", "parent": "z"}]})", "Skeleton bad.json: bone \"a\" names an unknown parent \"z\"\n"},
        {R"({"bones": [{"name": "a", "x": "3"}]})", "Skeleton bad.json: \"x\" is not a number\n"},
        {R"({"bones": [{"name": "a", "transform": "wobbly"}]})",
         "Skeleton bad.json: bone \"a\" has an unknown transform \"wobbly\"\n"},
    };
    for (const auto& c : cases) {
        test::TraceCapture trace;
        EXPECT_EQ(ParseSkeletonData(c.json, *atlas, "bad.json"), nullptr) << c.json;
        EXPECT_EQ(trace.messages(), std::vector<std::string>{c.message}) << c.json;
    }
}

// Everything past the bones that cannot be read is left out with its JSON pointer; the rest of
// the skeleton loads, keeps its slot "s" and animation "ok", and poses.
TEST(SpineJson, UnreadablePartsAreTracedWithTheirPointerAndSkipped) {
    auto atlas = FixtureAtlas();
    const std::string head = R"({"bones": [{"name": "a"}, {"name": "b", "parent": "a"}], "slots": [{"name": "s", "bone": "a"}, )";
    const std::string tail = R"(, "animations": {"ok": {"bones": {"a": {"rotate": [{"angle": 5}]}}}}})";
    const struct {
        std::string middle;
        const char* message;
    } cases[] = {
        {R"({"name": "t", "bone": "a", "color": "12"}])", "at /slots/1: colour \"12\" is malformed"},
        {R"({"name": "t", "bone": "z"}])", "at /slots/1: slot \"t\" names an unknown bone \"z\""},
        {R"(7])", "at /slots/1: an item of \"slots\" is not an object"},
        {R"({"name": "t", "bone": "a"}], "skins": [{"name": "default", "attachments": {"s": {"m": {"type": "mesh",
            "path": "body", "uvs": [0,0, 1,0, 1,1], "triangles": [0,1,3], "vertices": [0,0, 1,0, 1,1]}}}}])",
         "at /skins/0/attachments/s/m: mesh \"m\" has a triangle index outside its vertices"},
        {R"({"name": "t", "bone": "a"}], "skins": [{"name": "default", "attachments": {"s": {"m": {"type": "mesh",
            "path": "body", "uvs": [0,0, 1,0, 1,1], "triangles": [0,1,2], "vertices": [1, 7, 0,0,1, 1, 0, 1,0,1, 1, 0, 1,1,1]}}}}])",
         "at /skins/0/attachments/s/m: attachment \"m\" weights an unknown bone"},
        {R"({"name": "t", "bone": "a"}], "skins": [{"name": "default", "attachments": {"s": {"l": {"type": "linkedmesh",
            "parent": "m", "path": "body"}}}}])",
         "at /skins/0/attachments/s/l: linked mesh \"l\" names an unknown parent mesh \"m\""},
        {R"({"name": "t", "bone": "a"}], "skins": [{"name": "default", "attachments": {"t~/": {"x": {"type": "hologram"}}}}])",
         "at /skins/0/attachments/t~0~1: skin \"default\" names an unknown slot \"t~/\""},
        {R"({"name": "t", "bone": "a"}], "skins": [{"name": "default", "attachments": {"s": {"x": {"type": "hologram"}}}}])",
         "at /skins/0/attachments/s/x: attachment \"x\" in skin \"default\" has an unknown type \"hologram\""},
        {R"({"name": "t", "bone": "a"}], "skins": [{"name": "default", "attachments": {"s": {"p": {"type": "path",
            "vertexCount": 4, "vertices": [0,0, 1,0, 1,1, 0,1]}}}}])",
         "at /skins/0/attachments/s/p: path \"p\" does not have three control points per vertex"},
        {R"({"name": "t", "bone": "a"}], "skins": [{"name": "default", "attachments": {"s": {"c": {"type": "clipping",
            "end": "q", "vertexCount": 3, "vertices": [0,0, 1,0, 1,1]}}}}])",
         "at /skins/0/attachments/s/c: clipping \"c\" ends at an unknown slot \"q\""},
        {R"({"name": "t", "bone": "a"}], "skins": [{"name": "x", "bones": ["q"]}])",
         "at /skins/0/bones/0: skin \"x\" names an unknown bones \"q\""},
        {R"({"name": "t", "bone": "a"}], "ik": [{"name": "k", "bones": ["a", "b", "a"], "target": "b"}])",
         "at /ik/0: IK constraint \"k\" constrains more than two bones"},
        {R"({"name": "t", "bone": "a"}], "ik": [{"name": "k", "bones": ["b", "a"], "target": "b"}])",
         "at /ik/0: IK constraint \"k\" names a second bone that is not a child of the first"},
        {R"({"name": "t", "bone": "a"}], "transform": [{"name": "k", "bones": ["a"], "target": "q"}])",
         "at /transform/0: transform constraint \"k\" names an unknown bone \"q\""},
        {R"({"name": "t", "bone": "a"}], "path": [{"name": "k", "bones": ["a"], "target": "s", "rotateMode": "spin"}])",
         "at /path/0: \"rotateMode\" is \"spin\", which is not a known mode"},
        {R"({"name": "t", "bone": "a"}], "events": {"e": {"int": 1.5}})", "at /events/e: \"int\" is not an integer"},
        {R"({"name": "t", "bone": "a"}], "animations": {"ok": {"bones": {"a": {"rotate": [{"angle": 5}]}}},
            "x/y": {"bones": {"b": {"rotate": [{"time": 1}, {"time": 0}]}}}})",
         "at /animations/x~1y/bones/b/rotate: rotate of \"b\" has keys out of time order"},
        {R"({"name": "t", "bone": "a"}], "animations": {"ok": {"bones": {"a": {"rotate": [{"angle": 5}], "wiggle": []}}}})",
         "at /animations/ok/bones/a/wiggle: unknown bone timeline \"wiggle\""},
        {R"({"name": "t", "bone": "a"}], "animations": {"ok": {"bones": {"a": {"rotate": [{"angle": 5}]}, "z": {}}}})",
         "at /animations/ok/bones/z: animation \"ok\" keys an unknown bone \"z\""},
        {R"({"name": "t", "bone": "a"}], "animations": {"ok": {"bones": {"a": {"rotate": [{"angle": 5}]}},
            "drawOrder": [{"offsets": [{"slot": "t", "offset": 1}]}]}})",
         "at /animations/ok/drawOrder: draw order of \"ok\" moves slot \"t\" to an impossible place"},
        {R"({"name": "t", "bone": "a"}], "animations": {"ok": {"bones": {"a": {"rotate": [{"angle": 5}]}},
            "ik": {"nope": [{}]}, "events": [{"name": "boom"}]}})",
         "at /animations/ok/ik/nope: animation \"ok\" keys an unknown IK constraint \"nope\""},
        {R"({"name": "t", "bone": "a"}], "animations": {"ok": {"bones": {"a": {"rotate": [{"angle": 5}]}},
            "deform": {"default": {"s": {"gone": [{}]}}}}})",
         "at /animations/ok/deform/default: animation \"ok\" deforms in an unknown skin \"default\""},
    };
    for (const auto& c : cases) {
        const std::string json = head + c.middle + (c.middle.find("\"animations\"") == std::string::npos ? tail : "}");
        test::TraceCapture trace;
        auto data = ParseSkeletonData(json, *atlas, "bad.json");
        ASSERT_TRUE(data) << json;
        EXPECT_TRUE(trace.contains(std::string("Skeleton bad.json ") + c.message + "; skipped\n")) << json;
        EXPECT_EQ(data->FindSlot("s"), 0) << json;
        ASSERT_TRUE(data->FindAnimation("ok")) << json;
        EXPECT_FALSE(data->FindAnimation("ok")->timelines.empty()) << json;
        Skeleton skeleton(*data);
        data->FindAnimation("ok")->Apply(skeleton, 0, false, 1);
        skeleton.UpdateWorldTransform();
        EXPECT_NEAR(skeleton.bones[0].rotation, 5.0f, 1e-5) << json;
    }

    // A region the atlas lacks leaves that attachment out and keeps the rest.
    test::TraceCapture trace;
    auto data = ParseSkeletonData(R"({"bones": [{"name": "a"}], "slots": [{"name": "s", "bone": "a"}],
        "skins": {"default": {"s": {"gone": {}, "body": {}}}}})", *atlas, "old.json");
    ASSERT_TRUE(data);
    EXPECT_EQ(data->defaultSkin->Find(0, "gone"), nullptr);
    EXPECT_TRUE(data->defaultSkin->Find(0, "body"));
    EXPECT_EQ(trace.messages(), std::vector<std::string>{"Skeleton old.json: attachment \"gone\" needs the region "
                                                         "\"gone\", which the atlas lacks; left out\n"});
}

TEST(SpineJson, EveryTruncationOfTheFilesIsReadSafely) {
    const std::string atlasText = fixture::Atlas;
    for (std::size_t n = 0; n < atlasText.size(); ++n) {
        test::TraceCapture trace;
        auto atlas = Atlas::Parse(atlasText.substr(0, n), "", nullptr, "cut.atlas");
        if (!atlas) continue;
        for (const auto& region : atlas->regions) EXPECT_LT(region.page, static_cast<int>(atlas->pages.size()));
    }
    auto atlas = FixtureAtlas();
    const std::string json = fixture::Skeleton;
    int traced = 0;
    for (std::size_t n = 0; n + 1 < json.size(); ++n) {
        test::TraceCapture trace;
        auto data = ParseSkeletonData(json.substr(0, n), *atlas, "cut.json");
        EXPECT_EQ(data, nullptr) << n;
        traced += trace.messages().size() == 1;
    }
    EXPECT_EQ(traced, static_cast<int>(json.size()) - 1);
    test::TraceCapture trace;
    EXPECT_EQ(ReadSkeletonData("Data/nowhere.json", *atlas), nullptr);
    EXPECT_TRUE(trace.contains("Skeleton Data/nowhere.json: cannot open the file\n"));
}

}  // namespace
}  // namespace velkor::spine
