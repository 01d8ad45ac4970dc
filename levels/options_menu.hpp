// The options menu: sound on or off (with an indicator), the three window modes and the way back
// to the screen it was opened from.
#pragma once

#include <array>

#include "levels/menu_navigation.hpp"
#include "levels/menu_screen.hpp"

namespace velkor::levels {

// The master group's volume at or below which the game counts as silent.
inline constexpr float SoundOffVolume = -3.0f;

// The window modes the options and pause menus offer, by button (0 windowed, 1 full screen then
// maximised, 2 borderless). The viewport follows through the window's framebuffer-size callback.
void ApplyWindowMode(Registry& registry, int mode);

class OptionsMenu final : public MenuScreen {
public:
    void Initialize(Registry& registry) override;
    void Update(float dt, Registry& registry) override;
    void Shutdown(Registry& registry) override;

private:
    enum Slot { Back, Volume, Window0, Window1, Window2, SlotCount };

    std::array<Entity, SlotCount> buttons_{};
    Entity on_ = NoEntity, off_ = NoEntity;
    std::array<bool, SlotCount> hover_{};
    MusicRequest music_;
    MenuNavigator nav_;
};

}  // namespace velkor::levels
