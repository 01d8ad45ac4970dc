// Level2: the underground foundry in falling ash, seen wider than the city (camera zoom 1.4), with
// hoists that run on their own periods, arc gates on the theme's beat, falling grates over drops
// and a dash over a molten pit. The moving platforms are driven by the shared playable frame.
#pragma once

#include "levels/play_level.hpp"

namespace velkor::levels {

inline constexpr const char* Level2Map = "Data/Tiled/Level2.json";
inline constexpr const char* Level2Backdrop = "Data/BackgroundLevel2.json";
inline constexpr const char* Level2Ash = "Data/Particles/particlesAsh.json";
inline constexpr float Level2Zoom = 1.4f;

class Level2 final : public PlayLevel {
public:
    void Initialize(Registry& registry) override;
    void Update(float dt, Registry& registry) override;
};

}  // namespace velkor::levels
