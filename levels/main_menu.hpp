// The main menu: play (a panel with the two levels), options, controls, credits and exit (with a
// yes/no panel), over the city background with the menu music.
#pragma once

#include <array>

#include "levels/menu_navigation.hpp"
#include "levels/menu_screen.hpp"

namespace velkor::levels {

class MainMenu final : public MenuScreen {
public:
    void Load(Registry& registry) override { DestroyAllEntities(registry); }
    void Initialize(Registry& registry) override;
    void Update(float dt, Registry& registry) override;

private:
    enum Slot { Play, Exit, Options, CreditsButton, Controls, Yes, No, CyberCity, Underground, SlotCount };

    void ShowOnly(Registry& registry, bool playPanel, bool exitPanel, bool controlsPanel);

    Entity background_ = NoEntity;
    Entity exitPanel_ = NoEntity, controlsPanel_ = NoEntity, playPanel_ = NoEntity;
    std::array<Entity, SlotCount> buttons_{};
    std::array<bool, SlotCount> hover_{};
    MenuNavigator nav_;
};

}  // namespace velkor::levels
