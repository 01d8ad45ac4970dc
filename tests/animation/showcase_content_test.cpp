// The showcase sentry as the content generator made it: every rig it carries is read and applied.
// Over its walk, the IK feet stay on the ground through stance, the rifle stays in the hand, the
// scarf's bones stay on their path, the clipped visor draws fewer vertices than it would unclipped,
// and the footstep events fire on their contact frames, twice per loop.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "spine/spine.hpp"
#include "support/trace_capture.hpp"

namespace velkor::spine {
namespace {

TEST(ShowcaseSkeleton, WalkKeepsFeetPlantedRifleInHandAndStepsOnTime) {
    test::TraceCapture trace;
    auto atlas = Atlas::Load("Assets/Animations/Showcase/showcase.atlas", nullptr);
    ASSERT_TRUE(atlas);
    auto data = ReadSkeletonData("Assets/Animations/Showcase/showcase.json", *atlas);
    ASSERT_TRUE(data);
    EXPECT_TRUE(trace.messages().empty()) << trace.messages().front();
    EXPECT_EQ(data->ikConstraints.size(), 2u);
    EXPECT_EQ(data->transformConstraints.size(), 1u);
    EXPECT_EQ(data->pathConstraints.size(), 1u);

    Skeleton skeleton(*data);
    AnimationStateData mixes(*data);
    AnimationState state(mixes);
    std::vector<std::string> steps;
    state.listener = [&](const FiredEvent& fired) { steps.push_back(fired.event->stringValue); };
    state.SetAnimation(0, "walk", true);
    auto bone = [&](const char* name) -> const Bone& { return skeleton.bones[static_cast<std::size_t>(data->FindBone(name))]; };
    SkeletonMesher mesher;
    std::size_t fewest = SIZE_MAX, most = 0;
    for (int frame = 0; frame < 120; ++frame) {
        state.Update(1.0f / 60);
        state.Apply(skeleton);
        skeleton.UpdateWorldTransform();
        const float t = std::fmod(static_cast<float>(frame + 1) / 60, 1.0f);
        // The front foot stands from 0 to 0.5 of the cycle: its ankle and the shin's tip meet there.
        const Bone& shin = bone("shin_front");
        const Bone& foot = bone("foot_front");
        const float tipX = shin.worldX + shin.a * 45, tipY = shin.worldY + shin.c * 45;
        if (t > 0.02f && t < 0.48f) {
            EXPECT_NEAR(foot.worldY, -95, 1e-3) << t;
            EXPECT_NEAR(std::hypot(tipX - foot.worldX, tipY - foot.worldY), 0, 2.5f) << t;  // softness 2
        }
        const Bone& hand = bone("hand");
        const Bone& rifle = bone("rifle");
        EXPECT_NEAR(rifle.worldX, hand.worldX + hand.a * 2 + hand.b * -4, 1e-3);
        EXPECT_NEAR(std::remainder(std::atan2(rifle.c, rifle.a) - std::atan2(hand.c, hand.a), 2 * 3.14159265f),
                    60 * 3.14159265f / 180, 1e-3);
        mesher.Build(skeleton);
        fewest = std::min(fewest, mesher.vertices.size());
        most = std::max(most, mesher.vertices.size());
    }
    // Two loops: front at 0 (the first update includes it) and 1, back at 0.5 and 1.5.
    EXPECT_EQ(steps, (std::vector<std::string>{"front", "back", "front", "back"}));
    // The scarf's first bone starts where the path does, at the back of the neck.
    EXPECT_NEAR(bone("scarf1").worldX, -10, 1);
    EXPECT_GT(most, 4u * 15);  // more than the plain quads of the 15 drawn slots: the mask cut some
}

}  // namespace
}  // namespace velkor::spine
