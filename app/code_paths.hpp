// The data files and sound names the game's code names, found in the sources at build time
// (tools/code_paths.cmake).
#pragma once

#include <span>

#include "tools/content_check.hpp"

namespace velkor {

[[nodiscard]] content::CodeNames GameCodeNames();

}  // namespace velkor
