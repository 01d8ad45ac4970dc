// The data files the game's code names, found in the sources at build time (tools/code_paths.cmake).
#pragma once

#include <span>

#include "tools/content_check.hpp"

namespace velkor {

[[nodiscard]] std::span<const content::CodePath> GameCodePaths();

}  // namespace velkor
