// The win screen: over the finished level, stars for the collectibles, the time the level took and
// the collectibles taken (on the HUD's digits), and main menu, play again, credits and, after the
// first level, next level.
#pragma once

#include <array>

#include "levels/menu_navigation.hpp"
#include "levels/menu_screen.hpp"

namespace velkor::levels {

// One digit of the win screen's figures and where it sits.
struct WinDigit {
    int value = 0;
    float offsetCells = 0.0f;  // x offset in digit widths from the centre line
    float y = 0.0f;
};

// The five digits in list order (time ones, tens, hundreds; collectibles ones, tens). The time
// shown is the time taken: the level's whole seconds allowed minus the whole seconds left, 0..999.
[[nodiscard]] std::array<WinDigit, 5> WinDigits(float maxTime, float timeLeft, int collected);

// The stars' sprite-sheet cell at which they stop for a count of collectibles (-1: they never stop).
[[nodiscard]] int StarsStopFrame(int collected);

class WinScreen final : public MenuScreen {
public:
    void Initialize(Registry& registry) override;
    void Update(float dt, Registry& registry) override;
    void Shutdown(Registry& registry) override;

private:
    enum Slot { MainMenuButton, PlayAgain, CreditsButton, NextLevel, SlotCount };

    void PlaceDigits(Registry& registry);

    Entity background_ = NoEntity;
    Entity stars_ = NoEntity;
    std::array<Entity, SlotCount> buttons_{};
    std::array<bool, SlotCount> hover_{};
    MenuNavigator nav_;
    std::array<Entity, 5> digits_{};
    int victory_ = -1;  // this visit's request of the victory sound
};

}  // namespace velkor::levels
