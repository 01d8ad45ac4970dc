// The player's skeleton as the content generator made it: it loads cleanly, has every animation
// the state machine asks for, and its run keeps planted feet still at the player's top speed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "animation/animation.hpp"
#include "support/trace_capture.hpp"

namespace velkor {
namespace {

constexpr const char* AtlasPath = "Assets/Animations/Player/player.atlas";
constexpr const char* JsonPath = "Assets/Animations/Player/player.json";
constexpr const char* DataPath = "Data/Animations/Player.json";

TEST(PlayerSkeleton, LoadsWithoutMessagesAndHasEveryStatesAnimation) {
    test::TraceCapture trace;
    auto atlas = spine::Atlas::Load(AtlasPath, nullptr);
    ASSERT_TRUE(atlas);
    EXPECT_TRUE(std::filesystem::exists("Assets/Animations/Player/" + atlas->pages[0].name));
    auto data = spine::ReadSkeletonData(JsonPath, *atlas);
    ASSERT_TRUE(data);
    EXPECT_FLOAT_EQ(data->height, 200.0f);
    for (const char* name : {"idle", "run", "jump/jump_idle", "jump/jump_apex", "dead", "dash", "finish"})
        EXPECT_TRUE(data->FindAnimation(name)) << name;
    // The wind-up's 0.2333 s is the first part of "jump/jump_idle"; death and finish must end for
    // the state machine to move on, and the dash outlasts no dash (2.5 / 15 s).
    EXPECT_GT(data->FindAnimation("jump/jump_idle")->duration, 0.2333f);
    EXPECT_LT(data->FindAnimation("dead")->duration, 1.5f);
    EXPECT_LT(data->FindAnimation("finish")->duration, 2.0f);
    EXPECT_LE(data->FindAnimation("dash")->duration, 0.25f);

    component::Animation component;
    spine::AnimationStateData mixes(*data);
    component::ReadAnimationData(component, mixes, DataPath);
    EXPECT_FLOAT_EQ(mixes.GetMix(data->FindAnimation("idle"), data->FindAnimation("run")), 0.12f);
    // Every mix and alias names a real animation: nothing was traced but the file read itself.
    for (const auto& message : trace.messages()) EXPECT_EQ(message.rfind("Reading JSON file", 0), 0u) << message;
    for (const auto& [alias, name] : component.aliases) EXPECT_TRUE(data->FindAnimation(name)) << alias;
}

// The entity moves at 6 units/s and the skeleton is drawn 1.4 units tall; a foot on the ground
// must stay where it was put down while the body runs over it.
TEST(PlayerSkeleton, RunningFeetDoNotSlide) {
    auto atlas = spine::Atlas::Load(AtlasPath, nullptr);
    ASSERT_TRUE(atlas);
    auto data = spine::ReadSkeletonData(JsonPath, *atlas);
    ASSERT_TRUE(data);
    const spine::Animation* run = data->FindAnimation("run");
    ASSERT_TRUE(run);
    const float speed = 6.0f * 200.0f / 1.4f;  // skeleton units per second
    spine::Skeleton skeleton(*data);
    for (const char* foot : {"footF", "footB"}) {
        const auto bone = static_cast<std::size_t>(data->FindBone(foot));
        float contactStart = -1, longest = 0, lo = 0, hi = 0, worst = 0;
        const int steps = 480;
        for (int i = 0; i <= 2 * steps; ++i) {  // two cycles, so a contact across the loop point counts whole
            const float t = run->duration * static_cast<float>(i) / steps;
            skeleton.SetToSetupPose();
            run->Apply(skeleton, t, true, 1);
            skeleton.UpdateWorldTransform();
            const float ankleY = skeleton.bones[bone].worldY + 100.0f;
            const float x = skeleton.bones[bone].worldX + speed * t;
            if (ankleY < 8.0f) {
                if (contactStart < 0) contactStart = t, lo = hi = x;
                lo = std::min(lo, x);
                hi = std::max(hi, x);
                worst = std::max(worst, hi - lo);
                longest = std::max(longest, t - contactStart);
            } else {
                contactStart = -1;
            }
        }
        EXPECT_GT(longest, 0.05f) << foot << " never stays down";
        EXPECT_LT(worst, 1.5f) << foot << " slides";  // 1.5 units is 1 pixel on a 1080p screen
    }
}

}  // namespace
}  // namespace velkor
