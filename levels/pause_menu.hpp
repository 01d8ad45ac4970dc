// The pause menu of the playable levels: opened with Escape or the gamepad's Start, or when the
// window loses the focus or is minimised or the gamepad is unplugged, it stops the simulation, turns the sound down by 0.2, shows the cursor and draws
// its pages over the level (main page with five buttons, options, controls, scrolling credits,
// exit confirmation). Its 19 entities exist only while it is open.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/registry.hpp"
#include "levels/menu_navigation.hpp"

struct GLFWwindow;

namespace velkor::singleton {

struct PauseMenu {
    bool open = false;
    std::vector<Entity> menuButtons;  // Resume, Options, Controls, Credits, Exit
    std::vector<Entity> pages;  // main, options, controls, credits, exit
    std::vector<Entity> optionsItems;  // window size 0, 1, 2, volume button, "On", "Off"
    std::vector<Entity> exitItems;  // Yes, No, main menu
    std::vector<bool> menuButtonsHover, pagesHover, optionsItemsHover, exitItemsHover;
};

}  // namespace velkor::singleton

namespace velkor::levels {

// Puts a PauseMenu with its defaults into the registry unless one is there.
void CreatePauseMenu(Registry& registry);

// Sets the pages' and items' visibility; entries that are no longer alive are skipped.
void ApplyPauseVisibility(Registry& registry, bool main, bool options, bool controls, bool credits, bool exit);

// A playable level's handle on the pause menu. Its credits time is set only on construction, so it
// accumulates over the run.
class PauseMenuController {
public:
    static constexpr float CreditsStartY = -6.11f;
    static constexpr float CreditsEndY = 5.0f;

    // Opens a closed menu, closes an open one (destroying its entities); the volume drop is undone
    // by exactly the amount applied, and the simulation's Active flag is inverted.
    void Toggle(Registry& registry);

    // Runs the buttons and applies the page visibility; call every frame while the menu is open.
    void Update(Registry& registry, float dt);

    // What a playable level calls each frame: Escape or Start toggles, losing the focus,
    // minimising or unplugging the gamepad opens a closed menu (once per loss), and an open menu
    // runs its update.
    void Frame(Registry& registry, float dt);

    // For the level's Shutdown: closes an open menu and removes the singleton.
    void Leave(Registry& registry);

    [[nodiscard]] bool Open(Registry& registry) const;
    [[nodiscard]] float CreditsTime() const noexcept { return creditsTime_; }

private:
    void Handlers(Registry& registry, float dt);

    GLFWwindow* window_ = nullptr;
    float creditsTime_ = 0.0f;
    bool main_ = false, options_ = false, controls_ = false, credits_ = false, exit_ = false;
    float volumeDrop_ = 0.2f;
    bool away_ = false;  // the window was unfocused or minimised at the last frame
    // The input layer's gamepad disconnect count at the last frame; NotSeen until the level's
    // first frame, so that a gamepad lost in the menus does not pause the next level.
    static constexpr std::uint32_t NotSeen = ~0u;
    std::uint32_t gamepadLosses_ = NotSeen;
    MenuNavigator nav_;
};

}  // namespace velkor::levels
