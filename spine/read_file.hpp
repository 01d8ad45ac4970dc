// Whole-file reading shared by the atlas and skeleton readers.
#pragma once

#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace velkor::spine {

// The file's bytes, or nothing when it cannot be opened.
[[nodiscard]] inline std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return std::move(text).str();
}

}  // namespace velkor::spine
