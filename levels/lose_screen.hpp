// The lose screen: fades in over the level that ran out of time; main menu or play again.
#pragma once

#include <array>

#include "levels/menu_navigation.hpp"
#include "levels/menu_screen.hpp"

namespace velkor::levels {

class LoseScreen final : public MenuScreen {
public:
    void Initialize(Registry& registry) override;
    void Update(float dt, Registry& registry) override;

private:
    enum Slot { MainMenuButton, PlayAgain, SlotCount };

    Entity background_ = NoEntity;
    std::array<Entity, SlotCount> buttons_{};
    std::array<bool, SlotCount> hover_{};
    MenuNavigator nav_;
};

}  // namespace velkor::levels
