// Moving through a menu without the pointer.
//
// The arrows, the gamepad's d-pad and its left stick move a highlight between the buttons a screen
// offers now, in reading order (rows from the top, each row from the left); Enter or the south
// button activates the highlighted button (the same log line, sound and action as a click), and
// Escape or the east button asks the screen to go back. Whichever was used last answers: a pointer
// move or a mouse click hands the buttons back to the pointer and shows the cursor, a navigation
// key takes them over and hides it. The first navigation press after the pointer only shows where
// the highlight is, so a stray press never activates anything. Which of the two is in use belongs
// to the cursor (levels/cursor.hpp), so it carries over from one screen to the next.
//
// A screen owns one navigator, calls Update once per frame before its button handlers with the
// buttons that can be highlighted, and hands the navigator to those handlers (ButtonRun::nav).
#pragma once

#include <cstdint>
#include <vector>

#include "engine/registry.hpp"

namespace velkor::levels {

class MenuNavigator {
public:
    // Forgets the highlight and the pointer's history: for a menu that opens again after frames in
    // which nobody looked (pointer moves meanwhile do not count as using it).
    void Restart() noexcept { *this = MenuNavigator{}; }

    // Reads this frame's navigation input against `buttons` (entities that are gone or have no
    // transform are left out; order does not matter, reading order is worked out here).
    void Update(Registry& registry, const std::vector<Entity>& buttons);

    // True while the keys (or the gamepad) drive the buttons instead of the pointer.
    [[nodiscard]] static bool KeysInUse() noexcept;
    // Hands the buttons to the keys now (a menu opened from the gamepad), hiding the cursor.
    static void UseKeys(Registry& registry);
    [[nodiscard]] bool Highlighted(Entity button) const noexcept { return KeysInUse() && button == highlighted_; }
    // The highlighted button is to be activated this frame.
    [[nodiscard]] bool Activated() const noexcept { return activate_; }
    // Escape or the east button was pressed this frame (whatever drives the buttons).
    [[nodiscard]] bool BackPressed() const noexcept { return back_; }
    [[nodiscard]] Entity HighlightedButton() const noexcept { return highlighted_; }
    // The buttons in the order the highlight walks them, as of the last Update.
    [[nodiscard]] const std::vector<Entity>& Order() const noexcept { return order_; }

private:
    std::vector<Entity> order_;
    Entity highlighted_ = NoEntity;
    std::uint64_t pointerMoves_ = 0;  // the cursor's move count at the last Update
    bool started_ = false;  // the first Update only learns the count (creating a cursor moves it)
    bool activate_ = false;
    bool back_ = false;
};

// Buttons whose centres lie closer than this vertically share a row.
inline constexpr float NavigationRowTolerance = 0.05f;

// Sorts buttons into reading order by their transforms; entities without one are dropped.
[[nodiscard]] std::vector<Entity> ReadingOrder(Registry& registry, const std::vector<Entity>& buttons);

}  // namespace velkor::levels
