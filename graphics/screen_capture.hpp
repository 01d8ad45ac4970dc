// Saving what is on screen: the frame's finished image, read back just before it is presented.
//
// Whoever wants a frame's image (the --shot option) puts a path into the ScreenCapture singleton
// before the frame is drawn; the PostRender system writes the back buffer there as PNG before it
// swaps, and empties the list.
#pragma once

#include <string>
#include <vector>

#include "engine/registry.hpp"

namespace velkor::singleton {

struct ScreenCapture {
    std::vector<std::string> pending;  // PNG paths to write this frame
};

}  // namespace velkor::singleton

namespace velkor::util {

// Asks for this frame's image at `path` (creating the singleton if it is absent).
void RequestScreenCapture(entity::singleton_registry& singletons, std::string path);

// Writes the current back buffer (the viewport's size) to every pending path and empties the
// list. A path that cannot be written is reported on standard error; the game goes on.
void WritePendingCaptures(entity::singleton_registry& singletons);

}  // namespace velkor::util
