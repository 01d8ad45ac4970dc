// The codes the window system reports keys, buttons and actions with. They are GLFW's numbers
// (platform/events.cpp checks every one against GLFW's header), so prefab key bindings and
// recordings keep their meaning; the game names them through here without including GLFW.
#pragma once

namespace velkor::platform {

// Actions of a key or button event.
inline constexpr int Release = 0;
inline constexpr int Press = 1;
inline constexpr int Repeat = 2;

inline constexpr int KeyUnknown = -1;
inline constexpr int KeySpace = 32;
inline constexpr int Key0 = 48;  // Key0 + n: the digit n
inline constexpr int KeyA = 65;  // KeyA + n: the n-th letter
inline constexpr int KeyEscape = 256;
inline constexpr int KeyEnter = 257;
inline constexpr int KeyTab = 258;
inline constexpr int KeyRight = 262;
inline constexpr int KeyLeft = 263;
inline constexpr int KeyDown = 264;
inline constexpr int KeyUp = 265;
inline constexpr int KeyF1 = 290;  // KeyF1 + n - 1: Fn
inline constexpr int KeyF4 = 293;
inline constexpr int KeyF11 = 300;
inline constexpr int KeyKeypadEnter = 335;
inline constexpr int KeyLeftShift = 340;
inline constexpr int KeyLeftControl = 341;
inline constexpr int KeyLeftAlt = 342;
inline constexpr int KeyRightAlt = 346;
inline constexpr int KeyLast = 348;

inline constexpr int MouseButtonLast = 7;

// Gamepad buttons in the standard layout (south, east, west, north, bumpers, back, start, guide,
// thumbs, then the d-pad up, right, down, left) and the left stick's axes.
inline constexpr int GamepadButtonLast = 14;
inline constexpr int GamepadDpadLeft = 14;
inline constexpr int GamepadAxisLeftX = 0;
inline constexpr int GamepadAxisLeftY = 1;

}  // namespace velkor::platform
