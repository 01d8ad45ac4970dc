// Input scripts: a run written by hand, frame by frame, instead of played and recorded.
//
// A gameplay test describes what a player does at which frame; the script becomes a recording
// that a replay feeds to the game without comparing states (SessionOptions::inputsOnly), every
// frame at the fixed step. Lines (blank lines and "#" comments are skipped):
//
//   level N                start in level N (default: the normal start at the logos)
//   frames N               the run's length (default: one frame past the last event)
//   hold KEY FROM TO       KEY goes down at frame FROM and up at frame TO
//   press KEY AT           KEY goes down at frame AT and up six frames later
//   mouse BUTTON FROM TO   mouse button 0 (left), 1 (right) ... down at FROM, up at TO
//   cursor AT X Y          the pointer moves to (X, Y) window pixels at frame AT
//   window W H             the window size the pixels refer to (default: the real window's), so
//                          that a script clicks the same button on any screen
//   pad BUTTON FROM TO     gamepad 1's BUTTON goes down at FROM and up at TO
//   stick X Y FROM TO      the left stick is held at (X, Y), each -1..1 with y down, from FROM and
//                          let go back to the centre at TO
//   gamepad connect AT     gamepad 1 is plugged in (or unplugged: "gamepad disconnect AT"); a
//                          script that uses the gamepad and never plugs it in has it from frame 0
//   focus AT 0|1           the window loses (0) or gains (1) the focus at frame AT, as when the
//                          player switches to another program and back
//   minimise AT 0|1        the window is minimised (1) or restored (0) at frame AT
//
// KEY is a GLFW key code or one of the names Left, Right, Up, Down, Space, Enter, Escape, Tab,
// LeftShift, LeftControl, LeftAlt, F1..F12, A..Z, 0..9. BUTTON is a GLFW gamepad button number
// (0..14) or one of South, East, West, North, LeftBumper, RightBumper, Back, Start, Guide,
// LeftThumb, RightThumb, DpadUp, DpadRight, DpadDown, DpadLeft. Frames count from 0.
#pragma once

#include <string>
#include <string_view>

#include "tools/recording.hpp"

namespace velkor::replay {

// Parses a script into a recording with the fixed step. Returns an empty string, or the first
// fault as "line N: what".
[[nodiscard]] std::string ParseInputScript(std::string_view text, Recording& recording);

// Reads and parses a script file; the error names the file.
[[nodiscard]] DecodeResult ReadInputScript(const std::string& path);

}  // namespace velkor::replay
