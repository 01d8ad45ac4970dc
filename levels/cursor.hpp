// The menu cursor: an entity drawn where the pointer is, moved by the window's cursor-position
// events (platform/events.hpp). The system pointer is hidden and captured while the game window
// has focus, so the callback also keeps the pointer inside the window.
//
// One cursor per program. The callback reaches the cursor entity through the registry that
// created it and checks, on every event, that the entity it remembers is still that entity (alive,
// same generation): a screen switch may destroy it between two events.
#pragma once

#include <cstdint>

#include "engine/registry.hpp"

struct GLFWwindow;

namespace velkor::levels {

inline constexpr const char* CursorPrefab = "Data/Entities/cursor.json";

struct CursorState {
    Entity entity = NoEntity;
    std::uint32_t generation = 0;
    Registry* registry = nullptr;
    GLFWwindow* window = nullptr;  // whose events the cursor listens to
    bool hidden = true;
    bool active = false;
    std::uint64_t listener = 0;  // its listener of cursor-position events; 0: none
    // The pointer when there is no window (tools, tests): window pixels and the window size.
    double x = 960.0, y = 540.0;
    int width = 1920, height = 1080;
    // How often the pointer has moved (hidden or not), so that a menu can tell it was used, and
    // where it was last seen in window pixels. Events that repeat a position do not count: window
    // systems send them on focus changes and after the pointer is put back inside the window.
    std::uint64_t moves = 0;
    double lastX = -1.0, lastY = -1.0;
    // The menus' buttons answer the keys and the gamepad instead of the pointer (see
    // levels/menu_navigation.hpp); kept from one screen to the next, like the pointer itself.
    bool navigating = false;
};

[[nodiscard]] CursorState& Cursor() noexcept;

// Creates the cursor entity, listens to the pointer, captures the system pointer and places the
// cursor at the pointer at once. A cursor that is still active is destroyed first.
void CreateCursor(Registry& registry);

// Window pixels -> cursor entity translation (the image hangs down and right from the pointer).
void CursorPositionCallback(GLFWwindow* window, double x, double y);

// Only while the cursor is active.
void SetCursorHidden(Registry& registry, bool hidden);

// Destroys the entity, stops listening; the cursor is then hidden and inactive.
void DestroyCursor(Registry& registry);

// Forgets the cursor (and stops listening) without touching the registry, which may be going
// (the level manager's shutdown).
void ForgetCursor() noexcept;

// Moves the windowless pointer (tools and tests) and runs the callback as the window would.
void MoveWindowlessPointer(double x, double y);

}  // namespace velkor::levels
