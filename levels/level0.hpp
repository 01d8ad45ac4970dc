// Level0: the test course that no menu leads to (start it with `velkor --level 6`). Ground, walls,
// a gap, moving and falling platforms, a ledge for coyote jumps, a high ledge that needs a dash,
// a checkpoint, three collectables, a hazard and a blinking one, the goal and the HUD; '1' goes on
// to the first level through the loading screen.
#pragma once

#include "levels/level.hpp"

namespace velkor::levels {

inline constexpr const char* TestCourseFile = "Data/testLevel.json";
// The course's level sounds (hazard, falling platform, respawn, goal...).
inline constexpr const char* TestCourseSoundsFile = "Data/Audio/testLevelSounds.json";
inline constexpr const char* TestGoalPrefab = "Data/Entities/Victory/WinObject.json";
inline constexpr const char* TestParticlesPrefab = "Data/Particles/particles.json";
inline constexpr const char* TestHazardPrefab = "Data/Entities/Hazards/Hazard.json";
inline constexpr const char* LoadScreenPrefab = "Data/LoadScreen.json";
inline constexpr int GoToLevel1Key = 49;  // '1'
// The course's clock: it runs down so the HUD's bar, digits and warning light can be tried here,
// and stops at zero (the test course has no lose screen) or at the goal.
inline constexpr float TestCourseTime = 90.0f;

class Level0 final : public util::iLevel {
public:
    void Load(Registry& registry) override;
    void Initialize(Registry& registry) override;
    void Update(float dt, Registry& registry) override;
    void Shutdown(Registry& registry) override;
    void Unload(Registry& registry) override;
};

}  // namespace velkor::levels
