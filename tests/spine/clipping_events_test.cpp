// Clipping masks and animation events.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "spine/spine.hpp"
#include "support/trace_capture.hpp"

namespace velkor::spine {
namespace {

// A 10 x 10 quad whose texture coordinates are its position / 10.
constexpr float QuadXY[] = {0, 0, 10, 0, 10, 10, 0, 10};
constexpr float QuadUV[] = {0, 0, 1, 0, 1, 1, 0, 1};
constexpr unsigned QuadTriangles[] = {0, 1, 2, 2, 3, 0};

struct Clipped {
    std::vector<float> xy, uv;
    std::vector<unsigned> triangles;

    [[nodiscard]] float Area() const {
        float area = 0;
        for (std::size_t t = 0; t < triangles.size(); t += 3) {
            const float* a = &xy[triangles[t] * 2];
            const float* b = &xy[triangles[t + 1] * 2];
            const float* c = &xy[triangles[t + 2] * 2];
            area += std::abs((b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0])) / 2;
        }
        return area;
    }
    [[nodiscard]] bool Covers(float x, float y) const {
        for (std::size_t t = 0; t < triangles.size(); t += 3) {
            const float* p[3] = {&xy[triangles[t] * 2], &xy[triangles[t + 1] * 2], &xy[triangles[t + 2] * 2]};
            EXPECT_GT(std::abs((p[1][0] - p[0][0]) * (p[2][1] - p[0][1]) - (p[1][1] - p[0][1]) * (p[2][0] - p[0][0])), 1e-4)
                << "a clipped triangle without area";
            int positive = 0, negative = 0;
            for (int i = 0; i < 3; ++i) {
                const float* a = p[i];
                const float* b = p[(i + 1) % 3];
                const float cross = (b[0] - a[0]) * (y - a[1]) - (b[1] - a[1]) * (x - a[0]);
                positive += cross > 0, negative += cross < 0;
            }
            if (positive == 0 || negative == 0) return true;
        }
        return false;
    }
};

Clipped ClipQuad(const std::vector<float>& mask) {
    Clipper clipper;
    EXPECT_TRUE(clipper.Begin(mask.data(), static_cast<int>(mask.size() / 2)));
    for (const auto& piece : clipper.Pieces()) {
        // Every piece is convex and counter-clockwise.
        const std::size_t n = piece.size() / 2;
        for (std::size_t i = 0; i < n; ++i) {
            const float* a = &piece[i * 2];
            const float* b = &piece[(i + 1) % n * 2];
            const float* c = &piece[(i + 2) % n * 2];
            EXPECT_GE((b[0] - a[0]) * (c[1] - b[1]) - (b[1] - a[1]) * (c[0] - b[0]), -1e-4);
        }
    }
    Clipped out;
    clipper.Clip(QuadXY, QuadUV, QuadTriangles, 2, out.xy, out.uv, out.triangles, 0);
    // Texture coordinates follow the positions they came from.
    for (std::size_t i = 0; i < out.xy.size(); ++i) EXPECT_NEAR(out.uv[i], out.xy[i] / 10, 1e-5);
    return out;
}

TEST(SpineClipping, AQuadClippedByATriangleKeepsTheTrianglesVerticesAndUVs) {
    for (const bool clockwise : {false, true}) {
        std::vector<float> mask = {0, 0, 10, 0, 0, 10};
        if (clockwise) mask = {0, 0, 0, 10, 10, 0};
        const Clipped out = ClipQuad(mask);
        EXPECT_NEAR(out.Area(), 50, 1e-3);
        std::set<std::pair<float, float>> corners;
        for (std::size_t i = 0; i < out.xy.size(); i += 2)
            corners.insert({std::round(out.xy[i] * 1000) / 1000, std::round(out.xy[i + 1] * 1000) / 1000});
        // The quad's diagonal cuts the mask at (5, 5).
        EXPECT_EQ(corners, (std::set<std::pair<float, float>>{{0, 0}, {10, 0}, {5, 5}, {0, 10}}));
    }
}

TEST(SpineClipping, ConcaveMasksAreSplitIntoConvexPieces) {
    // A square larger than the quad with a notch cut down from its top edge to (5, 5).
    const Clipped notched = ClipQuad({-5, -5, 15, -5, 15, 15, 7, 15, 5, 5, 3, 15, -5, 15});
    // Of the notch, the triangle (5, 5) (6, 10) (4, 10) lies inside the quad.
    EXPECT_NEAR(notched.Area(), 95, 1e-3);
    EXPECT_FALSE(notched.Covers(5, 9));
    EXPECT_TRUE(notched.Covers(2, 9));
    EXPECT_TRUE(notched.Covers(8, 9));
    EXPECT_TRUE(notched.Covers(5, 4));

    // An L: the quad's top-right quarter is outside.
    const Clipped l = ClipQuad({0, 0, 10, 0, 10, 5, 5, 5, 5, 10, 0, 10});
    EXPECT_NEAR(l.Area(), 75, 1e-3);
    EXPECT_FALSE(l.Covers(7.5f, 7.5f));

    Clipper clipper;
    const float line[] = {0, 0, 5, 5, 10, 10};
    EXPECT_FALSE(clipper.Begin(line, 3));  // no area: nothing is masked
    EXPECT_FALSE(clipper.Active());
}

// Slots in order: the mask (a triangle over the lower-left half, ending at "b"), then "a", "b"
// and "c", each a full quad. The mask cuts "a" and "b" and leaves "c" alone.
TEST(SpineClipping, TheMaskCoversTheSlotsUpToItsEndSlot) {
    auto atlas = Atlas::Parse("page.png\nsize: 8,8\nbody\n  xy: 0, 0\n  size: 8, 8\n", "", nullptr, "c.atlas");
    const std::string json = R"({"bones": [{"name": "root"}],
        "slots": [{"name": "mask", "bone": "root", "attachment": "mask"}, {"name": "a", "bone": "root", "attachment": "body"},
                  {"name": "b", "bone": "root", "attachment": "body"}, {"name": "c", "bone": "root", "attachment": "body"}],
        "skins": [{"name": "default", "attachments": {
          "mask": {"mask": {"type": "clipping", "end": "b", "vertexCount": 3, "vertices": [-5,-5, 5,-5, -5,5]}},
          "a": {"body": {"width": 10, "height": 10}}, "b": {"body": {"width": 10, "height": 10}},
          "c": {"body": {"width": 10, "height": 10}}}}],
        "animations": {"open": {"deform": {"default": {"mask": {"mask": [{"vertices": [-100,-100, 300,-100, -100,300]}]}}}}}})";
    auto data = ParseSkeletonData(json, *atlas, "clip.json");
    ASSERT_TRUE(data);
    Skeleton skeleton(*data);
    SkeletonMesher mesher;
    mesher.Build(skeleton);
    // a and b: the lower-left half of the quad each; c whole, as its own four vertices.
    auto area = [&](std::size_t from, std::size_t to) {
        float sum = 0;
        for (std::size_t t = from; t + 2 < to; t += 3) {
            const auto& a = mesher.vertices[mesher.indices[t]];
            const auto& b = mesher.vertices[mesher.indices[t + 1]];
            const auto& c = mesher.vertices[mesher.indices[t + 2]];
            sum += std::abs((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x)) / 2;
        }
        return sum;
    };
    const auto base = static_cast<unsigned>(mesher.vertices.size() - 4);
    const std::vector<unsigned> tail(mesher.indices.end() - 6, mesher.indices.end());
    EXPECT_EQ(tail, (std::vector<unsigned>{base, base + 1, base + 2, base + 2, base + 3, base}));
    for (unsigned i = 0; i < base; ++i) EXPECT_LE(mesher.vertices[i].x + mesher.vertices[i].y, 1e-4) << i;
    EXPECT_NEAR(area(0, mesher.indices.size() - 6), 100, 1e-3);

    // A deform key on the mask grows it past the quads: everything is kept, in clipped form.
    data->FindAnimation("open")->Apply(skeleton, 0, false, 1);
    skeleton.UpdateWorldTransform();
    mesher.Build(skeleton);
    EXPECT_NEAR(area(0, mesher.indices.size()), 300, 1e-2);
}

// "walk" loops over 1 s: "start" at 0, "step" at 0.5 (int 7, "left") and at 1 ("right", quieter).
// "idle" fires "breathe" at 0.
class SpineEvents : public ::testing::Test {
protected:
    void SetUp() override {
        atlas_ = Atlas::Parse("page.png\nsize: 8,8\nbody\n  xy: 0, 0\n  size: 8, 8\n", "", nullptr, "e.atlas");
        data_ = ParseSkeletonData(R"({"bones": [{"name": "root"}],
            "events": {"start": {}, "step": {"int": 1, "float": 0.5, "string": "foot", "audio": "Assets/step.wav",
                                             "volume": 0.8, "balance": -0.25}, "breathe": {}},
            "animations": {
              "walk": {"events": [{"name": "start"}, {"time": 0.5, "name": "step", "int": 7, "string": "left"},
                                  {"time": 1, "name": "step", "string": "right", "volume": 0.4}]},
              "idle": {"events": [{"name": "breathe"}], "bones": {"root": {"rotate": [{"time": 2, "angle": 10}]}}}}})",
                                  *atlas_, "e.json");
        ASSERT_TRUE(data_);
        stateData_ = std::make_unique<AnimationStateData>(*data_);
        stateData_->defaultMix = 0.5f;
        state_ = std::make_unique<AnimationState>(*stateData_);
        state_->listener = [this](const FiredEvent& fired) {
            heard_.push_back(fired.event->data->name + (fired.event->stringValue.empty() ? "" : ":" + fired.event->stringValue));
        };
    }
    std::vector<std::string> Step(float dt) {
        heard_.clear();
        state_->Update(dt);
        return heard_;
    }

    std::unique_ptr<Atlas> atlas_;
    std::unique_ptr<SkeletonData> data_;
    std::unique_ptr<AnimationStateData> stateData_;
    std::unique_ptr<AnimationState> state_;
    std::vector<std::string> heard_;
};

using Heard = std::vector<std::string>;

TEST_F(SpineEvents, FireInOrderOncePerLoopCrossing) {
    state_->SetAnimation(0, "walk", true);
    EXPECT_EQ(Step(0.25f), (Heard{"start"}));
    EXPECT_EQ(Step(0.25f), (Heard{"step:left"}));
    EXPECT_EQ(Step(0.25f), Heard{});
    EXPECT_EQ(Step(0.25f), (Heard{"step:right", "start"}));  // the end of one loop, then the next
    EXPECT_EQ(Step(0.25f), Heard{});
    EXPECT_EQ(Step(0.25f), (Heard{"step:left"}));
    // One long step across two loops hears each key it passes once per loop.
    EXPECT_EQ(Step(2), (Heard{"step:right", "start", "step:left", "step:right", "start", "step:left"}));
    EXPECT_EQ(state_->Events().size(), 6u);
    EXPECT_EQ(Step(0), Heard{});

    // The definition's values unless the key overrides them.
    const Event& right = data_->FindAnimation("walk")->events->events[2];
    EXPECT_EQ(right.intValue, 1);
    EXPECT_FLOAT_EQ(right.floatValue, 0.5f);
    EXPECT_FLOAT_EQ(right.volume, 0.4f);
    EXPECT_FLOAT_EQ(right.balance, -0.25f);
    EXPECT_EQ(right.data->audioPath, "Assets/step.wav");
    EXPECT_EQ(data_->FindAnimation("walk")->events->events[1].intValue, 7);

    // Played once, the keys fire once and the entry then stays quiet.
    state_->SetAnimation(0, "walk", false);
    EXPECT_EQ(Step(0.6f), (Heard{"start", "step:left"}));
    EXPECT_EQ(Step(1), (Heard{"step:right"}));
    EXPECT_EQ(Step(1), Heard{});

    // A track time so large that a loop more is lost in rounding still ends, with a bounded count.
    state_->SetAnimation(0, "walk", true)->trackTime = 1e30f;
    state_->Update(1e29f);
    EXPECT_LE(state_->Events().size(), 17u * 3);
}

TEST_F(SpineEvents, AcrossACrossFadeTheOldAnimationFallsSilentUnlessItsThresholdAllows) {
    for (const float threshold : {0.0f, 1.0f}) {
        SCOPED_TRACE(threshold);
        state_->ClearTracks();
        state_->SetAnimation(0, "walk", true)->eventThreshold = threshold;
        EXPECT_EQ(Step(0.6f), (Heard{"start", "step:left"}));
        state_->SetAnimation(0, "idle", true);  // fades over 0.5 s
        EXPECT_EQ(Step(0.3f), (Heard{"breathe"}));
        // walk reaches its end 0.1 s into this step, while the fade is under way.
        EXPECT_EQ(Step(0.15f), threshold > 0 ? (Heard{"step:right", "start"}) : Heard{});
        EXPECT_EQ(Step(0.3f), Heard{});  // the fade is over; walk is gone
    }
    // Two tracks interleave by time within one step.
    state_->ClearTracks();
    state_->SetAnimation(0, "walk", true);
    state_->SetAnimation(1, "idle", true);
    state_->Update(0.55f);
    ASSERT_EQ(state_->Events().size(), 3u);
    EXPECT_EQ(state_->Events()[1].track, 1);
    EXPECT_FLOAT_EQ(state_->Events()[2].at, 0.5f / 0.55f);
}

}  // namespace
}  // namespace velkor::spine
