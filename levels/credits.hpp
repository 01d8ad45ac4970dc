// The credits: the team and the libraries the game is built with, scrolling up the screen.
#pragma once

#include "levels/menu_navigation.hpp"
#include "levels/menu_screen.hpp"

namespace velkor::levels {

class Credits final : public MenuScreen {
public:
    static constexpr float ScrollSpeed = 0.25f;  // screen halves per second
    static constexpr float StartY = -6.11f;
    static constexpr float EndY = 6.0f;

    void Initialize(Registry& registry) override;
    void Update(float dt, Registry& registry) override;
    void Shutdown(Registry& registry) override;

private:
    Entity text_ = NoEntity;
    Entity button_ = NoEntity;
    float elapsed_ = 0.0f;
    bool hover_ = false;
    MusicRequest music_;
    MenuNavigator nav_;
};

}  // namespace velkor::levels
