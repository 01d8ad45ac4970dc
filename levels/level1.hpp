// Level1: the neon city at night in the rain, the first level a player meets. On the shared
// playable base it adds its tutorial: a robot that greets the player for its first 3 s, and three
// prompts (moving, jumping, dashing) that appear in turn while the player is still to their left.
#pragma once

#include <array>

#include "levels/play_level.hpp"

namespace velkor::levels {

inline constexpr const char* Level1Map = "Data/Tiled/Level1.json";
inline constexpr const char* Level1Backdrop = "Data/BackgroundTest.json";
inline constexpr const char* RobotTutorialPrefab = "Data/Entities/Tutorial/RobotTutorial.json";
inline constexpr float RobotTime = 3.0f;  // seconds the robot plays before it goes
inline constexpr float RobotVoiceVolume = 2.5f;

class Level1 final : public PlayLevel {
public:
    // One prompt of the tutorial. Its timer and countdown are running totals over every visit of
    // the run: on a later visit each prompt shows at once and goes as soon as the player passes it.
    struct Prompt {
        const char* prefab;
        float leadTime;  // the timer grows to this, then the countdown runs
        float showTime;  // shown once the timer is past this
        Entity entity = NoEntity;
        float timer = 0.0f;
        float countdown = 4.0f;
        bool enabled = true;
    };

    void Initialize(Registry& registry) override;
    void Update(float dt, Registry& registry) override;

    [[nodiscard]] const std::array<Prompt, 3>& Prompts() const noexcept { return prompts_; }
    [[nodiscard]] Entity Robot() const noexcept { return robotTutorial_; }

private:
    void UpdatePrompts(float dt, Registry& registry);

    Entity robotTutorial_ = NoEntity;
    float robotTimer_ = 0.0f;
    std::array<Prompt, 3> prompts_{{{"Data/Entities/Tutorial/Tutorial_Movement.json", 3.0f, 1.5f},
                                    {"Data/Entities/Tutorial/Tutorial_Jump.json", 7.0f, 4.5f},
                                    {"Data/Entities/Tutorial/Tutorial_Dash.json", 10.0f, 6.5f}}};
};

}  // namespace velkor::levels
