#include "levels/menu_navigation.hpp"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "gameplay/input.hpp"
#include "levels/cursor.hpp"
#include "platform/keys.hpp"
#include "serialization/transform.hpp"

namespace velkor::levels {

namespace {

bool AnyPressed(const singleton::Input& table, std::initializer_list<int> entries) {
    return std::any_of(entries.begin(), entries.end(), [&table](int entry) { return table.IsPressed(entry); });
}

// The cursor shows exactly while the pointer is in use.
void MatchCursor(Registry& registry) {
    const CursorState& cursor = Cursor();
    if (cursor.active && cursor.hidden != cursor.navigating) SetCursorHidden(registry, cursor.navigating);
}

}  // namespace

std::vector<Entity> ReadingOrder(Registry& registry, const std::vector<Entity>& buttons) {
    struct Placed {
        Entity e;
        glm::vec2 at;
    };
    std::vector<Placed> placed;
    for (Entity e : buttons)
        if (e != NoEntity && registry.alive(e) && registry.has<component::Transform>(e))
            placed.push_back({e, registry.get<component::Transform>(e).Translation});
    // Rows first (top down), each row's buttons left to right. A row is every button within the
    // tolerance of its topmost one, so the grouping never depends on the sort's tie-breaking.
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) { return a.at.y > b.at.y; });
    for (std::size_t row = 0; row < placed.size();) {
        std::size_t end = row + 1;
        while (end < placed.size() && placed[row].at.y - placed[end].at.y < NavigationRowTolerance) ++end;
        std::stable_sort(placed.begin() + static_cast<std::ptrdiff_t>(row), placed.begin() + static_cast<std::ptrdiff_t>(end),
                         [](const Placed& a, const Placed& b) { return a.at.x < b.at.x; });
        row = end;
    }
    std::vector<Entity> order;
    order.reserve(placed.size());
    for (const Placed& p : placed) order.push_back(p.e);
    return order;
}

bool MenuNavigator::KeysInUse() noexcept { return Cursor().navigating; }

void MenuNavigator::UseKeys(Registry& registry) {
    Cursor().navigating = true;
    MatchCursor(registry);
}

void MenuNavigator::Update(Registry& registry, const std::vector<Entity>& buttons) {
    const singleton::Input& table = input::EnsureInput(registry);
    order_ = ReadingOrder(registry, buttons);
    activate_ = false;
    back_ = AnyPressed(table, {platform::KeyEscape, input::PadEast});

    const bool previous = AnyPressed(table, {platform::KeyUp, platform::KeyLeft, input::PadUp, input::PadLeft, input::StickUp,
                                             input::StickLeft});
    const bool next = AnyPressed(table, {platform::KeyDown, platform::KeyRight, input::PadDown, input::PadRight,
                                         input::StickDown, input::StickRight});
    const bool activate = AnyPressed(table, {platform::KeyEnter, platform::KeyKeypadEnter, input::PadSouth});
    const std::uint64_t moves = Cursor().moves;
    const bool pointerUsed = (started_ && moves != pointerMoves_) || table.IsPressed(input::MouseLeft) ||
                             table.IsPressed(input::MouseRight);
    pointerMoves_ = moves;
    started_ = true;

    bool& keys = Cursor().navigating;
    if (pointerUsed) keys = false;
    if (std::find(order_.begin(), order_.end(), highlighted_) == order_.end())
        highlighted_ = order_.empty() ? NoEntity : order_.front();
    if (!pointerUsed && (previous || next || activate)) {
        if (!keys) {
            keys = true;  // this press only shows where the highlight is
        } else if (!order_.empty()) {
            const std::size_t n = order_.size();
            auto i = static_cast<std::size_t>(std::find(order_.begin(), order_.end(), highlighted_) - order_.begin());
            if (next) i = (i + 1) % n;
            else if (previous) i = (i + n - 1) % n;
            highlighted_ = order_[i];
            activate_ = activate && !previous && !next;
        }
    }
    MatchCursor(registry);
}

}  // namespace velkor::levels
