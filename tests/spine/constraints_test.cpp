// Hand-computed poses for IK, transform and path constraints, their update order and skin
// membership.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "spine/spine.hpp"
#include "support/trace_capture.hpp"

namespace velkor::spine {
namespace {

constexpr float Degrees = 180.0f / 3.14159265f;

struct Loaded {
    std::unique_ptr<Atlas> atlas = Atlas::Parse("page.png\nsize: 8,8\nbody\n  xy: 0, 0\n  size: 8, 8\n", "", nullptr, "c.atlas");
    std::unique_ptr<SkeletonData> data;
    std::unique_ptr<Skeleton> skeleton;

    explicit Loaded(const std::string& json) {
        test::TraceCapture trace;
        data = ParseSkeletonData(json, *atlas, "c.json");
        EXPECT_TRUE(trace.messages().empty()) << (trace.messages().empty() ? "" : trace.messages()[0]);
        if (data) skeleton = std::make_unique<Skeleton>(*data);
    }
    Bone& bone(const char* name) { return skeleton->bones[static_cast<std::size_t>(data->FindBone(name))]; }
};

float WorldAngle(const Bone& b) { return std::atan2(b.c, b.a) * Degrees; }

// A two-bone leg of 10 + 10 from the origin along x, a hand at its tip, and a free target.
std::string Leg(const std::string& ik) {
    return R"({"bones": [{"name": "root"}, {"name": "upper", "parent": "root", "length": 10},
        {"name": "lower", "parent": "upper", "x": 10, "length": 10}, {"name": "hand", "parent": "lower", "x": 10},
        {"name": "target", "parent": "root"}],
        "ik": [{"name": "leg", "bones": ["upper", "lower"], "target": "target")" + ik + "}]}";
}

TEST(SpineIk, TwoBoneChainsReachBendMixStretchAndSoften) {
    const struct {
        const char* options;
        float tx, ty;
        float upper, lower;  // local rotations
        float tipX, tipY;  // where the hand ends up, which follows the constraint
        float upperScale;
    } cases[] = {
        {"", 10, 10, 0, 90, 10, 10, 1},  // reachable, bending counter-clockwise
        {R"(, "bendPositive": false)", 10, 10, 90, -90, 10, 10, 1},  // the elbow flips
        {"", 0, 30, 90, 0, 0, 20, 1},  // out of reach: straight at the target
        {R"(, "bendPositive": false, "mix": 0.5)", 10, 10, 45, -45, 10 * 0.70710678f + 10, 10 * 0.70710678f, 1},
        {R"(, "stretch": true)", 30, 0, 0, 0, 30, 0, 1.5f},
        {R"(, "stretch": true, "mix": 0.5)", 30, 0, 0, 0, 25, 0, 1.25f},
        // Softness 5: a target at full reach (20) is met at 15 + 10 (u - u^2 / 2) with u = 0.5.
        {R"(, "softness": 5)", 20, 0, -20.364135f, 40.728270f, 18.75f, 0, 1},
        {R"(, "softness": 5)", 26, 0, 0, 0, 20, 0, 1},  // softness beyond reach: straight
    };
    for (const auto& c : cases) {
        Loaded leg(Leg(c.options));
        ASSERT_TRUE(leg.data);
        leg.bone("target").x = c.tx;
        leg.bone("target").y = c.ty;
        // Frame after frame the same pose: constraints never feed back into the next update.
        for (int frame = 0; frame < 3; ++frame) leg.skeleton->UpdateWorldTransform();
        SCOPED_TRACE(std::string(c.options) + " to " + std::to_string(c.tx) + ", " + std::to_string(c.ty));
        const Bone& upper = leg.bone("upper");
        const Bone& lower = leg.bone("lower");
        const Bone& hand = leg.bone("hand");
        EXPECT_NEAR(upper.arotation, c.upper, 1e-3);
        EXPECT_NEAR(lower.arotation, c.lower, 1e-3);
        EXPECT_NEAR(hand.worldX, c.tipX, 1e-3);
        EXPECT_NEAR(hand.worldY, c.tipY, 1e-3);
        EXPECT_NEAR(upper.ascaleX, c.upperScale, 1e-4);
        // Timelines own the local pose; the constraint leaves it alone.
        EXPECT_EQ(upper.rotation, 0);
        EXPECT_EQ(lower.rotation, 0);
    }
}

TEST(SpineIk, OneBoneAimsCompressesAndStretches) {
    const struct {
        const char* options;
        float tx, ty, rotation, scaleX, scaleY;
    } cases[] = {
        {"", 0, 5, 90, 1, 1},
        {"", -3, -3, -135, 1, 1},
        {R"(, "compress": true)", 0, 5, 90, 0.5f, 1},
        {R"(, "compress": true)", 0, 15, 90, 1, 1},  // compress never lengthens
        {R"(, "stretch": true)", 0, 20, 90, 2, 1},
        {R"(, "stretch": true, "uniform": true)", 0, 20, 90, 2, 2},
        {R"(, "mix": 0.25)", 0, 20, 22.5f, 1, 1},
    };
    for (const auto& c : cases) {
        Loaded arm(std::string(R"({"bones": [{"name": "root"}, {"name": "arm", "parent": "root", "length": 10},
            {"name": "target", "parent": "root"}], "ik": [{"name": "aim", "bones": ["arm"], "target": "target")") +
                   c.options + "}]}");
        ASSERT_TRUE(arm.data);
        arm.bone("target").x = c.tx;
        arm.bone("target").y = c.ty;
        arm.skeleton->UpdateWorldTransform();
        SCOPED_TRACE(c.options);
        const Bone& bone = arm.bone("arm");
        EXPECT_NEAR(bone.arotation, c.rotation, 1e-3);
        EXPECT_NEAR(bone.ascaleX, c.scaleX, 1e-4);
        EXPECT_NEAR(bone.ascaleY, c.scaleY, 1e-4);
        EXPECT_NEAR(WorldAngle(bone), c.rotation, 1e-3);
    }
}

// Target: at (10, 5), turned 30 degrees, scaled 2 along x. Bone: at (1, 0), turned 10 degrees.
// Both hang off an unmoved root, so world and local modes agree.
TEST(SpineTransformConstraint, MixesAbsoluteAndRelativeInWorldAndLocalSpace) {
    const struct {
        const char* options;
        float mix;
        float rotation, x, y, scaleX;
        float localX, localY;  // a translation offset lies in the target's space only in the world
    } cases[] = {
        {"", 0, 10, 1, 0, 1, 1, 0},
        {"", 0.5f, 20, 5.5f, 2.5f, 1.5f, 5.5f, 2.5f},
        {"", 1, 30, 10, 5, 2, 10, 5},
        {R"(, "rotation": 10, "x": 1)", 1, 40, 10 + 2 * 0.8660254f, 6, 2, 11, 5},
        {R"(, "relative": true)", 1, 40, 11, 5, 2, 11, 5},
        {R"(, "relative": true)", 0.5f, 25, 6, 2.5f, 1.5f, 6, 2.5f},
    };
    for (const bool local : {false, true}) {
        for (const auto& c : cases) {
            const std::string mixes = ", \"rotateMix\": " + std::to_string(c.mix) + ", \"translateMix\": " +
                                      std::to_string(c.mix) + ", \"scaleMix\": " + std::to_string(c.mix) +
                                      ", \"shearMix\": " + std::to_string(c.mix);
            Loaded rig(std::string(R"({"bones": [{"name": "root"}, {"name": "t", "parent": "root", "x": 10, "y": 5,
                "rotation": 30, "scaleX": 2}, {"name": "b", "parent": "root", "x": 1, "rotation": 10},
                {"name": "child", "parent": "b", "x": 1}],
                "transform": [{"name": "copy", "bones": ["b"], "target": "t")") +
                       c.options + mixes + (local ? R"(, "local": true)" : "") + "}]}");
            ASSERT_TRUE(rig.data);
            rig.skeleton->UpdateWorldTransform();
            SCOPED_TRACE(std::string(local ? "local" : "world") + c.options + " mix " + std::to_string(c.mix));
            const Bone& b = rig.bone("b");
            EXPECT_NEAR(WorldAngle(b), c.rotation, 1e-3);
            EXPECT_NEAR(b.worldX, local ? c.localX : c.x, 1e-4);
            EXPECT_NEAR(b.worldY, local ? c.localY : c.y, 1e-4);
            EXPECT_NEAR(std::hypot(b.a, b.c), c.scaleX, 1e-4);
            // The child follows the constrained bone, one unit along its x axis.
            const Bone& child = rig.bone("child");
            EXPECT_NEAR(child.worldX, b.worldX + b.a, 1e-4);
            EXPECT_NEAR(child.worldY, b.worldY + b.c, 1e-4);
        }
    }
}

// "leader" copies the target's rotation; "follower" copies the leader's. Which sees the other
// depends on the export's order fields, not on the order the file lists them in.
TEST(SpineUpdateOrder, ConstraintsRunInTheirOrderAndAfterTheirBones) {
    for (const bool leaderFirst : {true, false}) {
        const std::string leaderOrder = leaderFirst ? "1" : "2";
        const std::string followerOrder = leaderFirst ? "2" : "1";
        Loaded rig(R"({"bones": [{"name": "root"}, {"name": "target", "parent": "root", "rotation": 60},
            {"name": "leader", "parent": "root"}, {"name": "follower", "parent": "root"}],
            "transform": [
              {"name": "second", "order": )" + followerOrder + R"(, "bones": ["follower"], "target": "leader", "translateMix": 0, "scaleMix": 0, "shearMix": 0},
              {"name": "first", "order": )" + leaderOrder + R"(, "bones": ["leader"], "target": "target", "translateMix": 0, "scaleMix": 0, "shearMix": 0}]})");
        ASSERT_TRUE(rig.data);
        EXPECT_NEAR(WorldAngle(rig.bone("leader")), 60, 1e-3);
        EXPECT_NEAR(WorldAngle(rig.bone("follower")), leaderFirst ? 60 : 0, 1e-3) << leaderFirst;
    }
}

TEST(SpineSkin, SkinBonesAndConstraintsActOnlyWhileTheirSkinIsSet) {
    Loaded rig(R"({"bones": [{"name": "root"}, {"name": "arm", "parent": "root", "length": 10},
        {"name": "target", "parent": "root", "y": 10}, {"name": "sword", "parent": "arm", "x": 10, "skin": true}],
        "slots": [{"name": "blade", "bone": "sword", "attachment": "body"}],
        "ik": [{"name": "aim", "bones": ["arm"], "target": "target", "skin": true}],
        "skins": [{"name": "default", "attachments": {"blade": {"body": {"width": 8, "height": 8}}}},
          {"name": "armed", "bones": ["sword"], "ik": ["aim"]}]})");
    ASSERT_TRUE(rig.data);
    Skeleton& skeleton = *rig.skeleton;
    EXPECT_FALSE(rig.bone("sword").active);
    EXPECT_FALSE(skeleton.ikConstraints[0].active);
    EXPECT_NEAR(WorldAngle(rig.bone("arm")), 0, 1e-4);
    const std::size_t unarmed = skeleton.UpdateOrder().size();

    SkeletonMesher mesher;
    mesher.Build(skeleton);
    EXPECT_TRUE(mesher.vertices.empty());  // its bone is inactive, so the blade is not drawn

    ASSERT_TRUE(skeleton.SetSkin("armed"));
    skeleton.UpdateWorldTransform();
    EXPECT_TRUE(rig.bone("sword").active);
    EXPECT_EQ(skeleton.UpdateOrder().size(), unarmed + 2);  // the sword and the IK
    EXPECT_NEAR(WorldAngle(rig.bone("arm")), 90, 1e-3);
    EXPECT_NEAR(rig.bone("sword").worldY, 10, 1e-3);  // the sword follows the aimed arm
    mesher.Build(skeleton);
    EXPECT_EQ(mesher.vertices.size(), 4u);

    ASSERT_TRUE(skeleton.SetSkin("default"));
    skeleton.UpdateWorldTransform();
    EXPECT_NEAR(WorldAngle(rig.bone("arm")), 0, 1e-4);
    EXPECT_FALSE(rig.bone("sword").active);
}

// Three bones of length 5 on a path: a straight one along x from 0 to 30 (handles a third of the
// way, so the curve runs at even speed), or a closed circle of radius 10 about the origin made
// of four quarter arcs, starting at (10, 0) and running counter-clockwise.
std::string OnPath(const std::string& constraint, const std::string& attachment, bool circle,
                   const std::string& more = "") {
    const std::string straight = R"("vertexCount": 6, "vertices": [-10,0, 0,0, 10,0, 20,0, 30,0, 40,0], "lengths": [30])";
    const float k = 10 * 0.5522847f;
    auto f = [](float v) { return std::to_string(v); };
    const std::string round = R"("closed": true, "vertexCount": 12, "vertices": [)" +
        f(10) + ",-" + f(k) + ", 10,0, 10," + f(k) + ", " + f(k) + ",10, 0,10, -" + f(k) + ",10, -10," + f(k) +
        ", -10,0, -10,-" + f(k) + ", -" + f(k) + ",-10, 0,-10, " + f(k) + R"(,-10], "lengths": [15.7, 31.4, 47.1, 62.8])";
    return R"({"bones": [{"name": "root"}, {"name": "b1", "parent": "root", "length": 5},
        {"name": "b2", "parent": "root", "length": 5}, {"name": "b3", "parent": "root", "length": 5}],
        "slots": [{"name": "rail", "bone": "root", "attachment": "rail"}],
        "path": [{"name": "p", "bones": ["b1", "b2", "b3"], "target": "rail")" + constraint + R"(}],
        "skins": [{"name": "default", "attachments": {"rail": {"rail": {"type": "path", )" +
           (circle ? round : straight) + attachment + "}}}}]" + more + "}";
}

TEST(SpinePathConstraint, BonesSpacedAlongStraightAndCircularPaths) {
    const struct {
        const char* constraint;
        const char* attachment;
        bool circle;
        float x[3], y[3], angle[3], scaleX;
    } cases[] = {
        {"", "", false, {0, 5, 10}, {0, 0, 0}, {0, 0, 0}, 1},
        {R"(, "spacing": 2)", "", false, {0, 7, 14}, {0, 0, 0}, {0, 0, 0}, 1},
        {R"(, "spacingMode": "fixed", "spacing": 8)", "", false, {0, 8, 16}, {0, 0, 0}, {0, 0, 0}, 1},
        {R"(, "spacingMode": "percent", "spacing": 0.25)", "", false, {0, 7.5f, 15}, {0, 0, 0}, {0, 0, 0}, 1},
        {R"(, "position": 0.5)", "", false, {15, 20, 25}, {0, 0, 0}, {0, 0, 0}, 1},
        {R"(, "positionMode": "fixed", "position": 3)", R"(, "constantSpeed": false)", false, {3, 8, 13}, {0, 0, 0}, {0, 0, 0}, 1},
        {R"(, "position": 0.9)", "", false, {27, 32, 37}, {0, 0, 0}, {0, 0, 0}, 1},  // runs on past the end
        {R"(, "spacingMode": "fixed", "spacing": 8, "rotateMode": "chainScale")", "", false, {0, 8, 16}, {0, 0, 0}, {0, 0, 0}, 1.6f},
        {R"(, "translateMix": 0.5, "rotation": 30)", "", false, {0, 2.5f, 5}, {0, 0, 0}, {30, 30, 30}, 1},
        {R"(, "spacingMode": "percent", "spacing": 0.25)", "", true, {10, 0, -10}, {0, 10, 0}, {90, 180, -90}, 1},
        {R"(, "spacingMode": "percent", "spacing": 0.25, "rotateMode": "chain")", "", true, {10, 0, -10}, {0, 10, 0}, {135, -135, -45}, 1},
        {R"(, "spacingMode": "percent", "spacing": 0.25, "position": 0.875)", "", true,
         {7.0710678f, 7.0710678f, -7.0710678f}, {-7.0710678f, 7.0710678f, 7.0710678f}, {45, 135, -135}, 1},
    };
    for (const auto& c : cases) {
        Loaded rig(OnPath(c.constraint, c.attachment, c.circle));
        ASSERT_TRUE(rig.data);
        SCOPED_TRACE(std::string(c.circle ? "circle" : "line") + c.constraint + c.attachment);
        const char* names[] = {"b1", "b2", "b3"};
        for (int i = 0; i < 3; ++i) {
            const Bone& b = rig.bone(names[i]);
            const float tolerance = c.circle ? 0.01f : 1e-3f;
            EXPECT_NEAR(b.worldX, c.x[i], tolerance) << names[i];
            EXPECT_NEAR(b.worldY, c.y[i], tolerance) << names[i];
            const float turn = std::remainder(WorldAngle(b) - c.angle[i], 360.0f);
            EXPECT_NEAR(turn, 0, c.circle ? 0.2f : 1e-3f) << names[i];
            if (i < 2) {
                EXPECT_NEAR(std::hypot(b.a, b.c), c.scaleX, 1e-3) << names[i];
            }
        }
    }
}

// Position, spacing and mix keys move the bones along; a deform key bends the path itself.
TEST(SpinePathConstraint, TimelinesKeyPositionSpacingMixAndThePathsVertices) {
    Loaded rig(OnPath(R"(, "spacingMode": "fixed")", "", false,
                      R"(, "animations": {"move": {"path": {"p": {"position": [{"position": 0.5}], "spacing": [{"spacing": 4}],
            "mix": [{"rotateMix": 1, "translateMix": 1}]}},
            "deform": {"default": {"rail": {"rail": [{"vertices": [0,5, 0,5, 0,5, 0,5, 0,5, 0,5]}]}}}}})"));
    ASSERT_TRUE(rig.data);
    rig.data->FindAnimation("move")->Apply(*rig.skeleton, 0, false, 1);
    rig.skeleton->UpdateWorldTransform();
    EXPECT_NEAR(rig.bone("b1").worldX, 15, 1e-3);
    EXPECT_NEAR(rig.bone("b3").worldX, 23, 1e-3);
    EXPECT_NEAR(rig.bone("b3").worldY, 5, 1e-3);  // the whole path moved up by the deform
}

// Applied values recovered from a world transform give that world transform back.
TEST(SpineSkeleton, AppliedTransformRoundTripsThroughTheWorld) {
    Loaded rig(R"({"bones": [{"name": "root", "rotation": 20, "scaleX": 1.5, "scaleY": -0.5},
        {"name": "b", "parent": "root", "x": 3, "y": -2, "rotation": 75, "scaleX": 2, "scaleY": -1.25, "shearY": 15}]})");
    ASSERT_TRUE(rig.data);
    rig.skeleton->scaleX = -1;
    rig.skeleton->UpdateWorldTransform();
    for (const char* name : {"root", "b"}) {
        Bone& bone = rig.bone(name);
        const Bone before = bone;
        rig.skeleton->UpdateAppliedTransform(bone);
        rig.skeleton->UpdateBone(bone, bone.ax, bone.ay, bone.arotation, bone.ascaleX, bone.ascaleY, bone.ashearX,
                                 bone.ashearY);
        for (const auto& [got, want] : {std::pair{bone.a, before.a}, {bone.b, before.b}, {bone.c, before.c},
                                        {bone.d, before.d}, {bone.worldX, before.worldX}, {bone.worldY, before.worldY}})
            EXPECT_NEAR(got, want, 1e-4) << name;
    }
}

}  // namespace
}  // namespace velkor::spine
