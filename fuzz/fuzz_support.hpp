// What every fuzz target shares: a quiet one-time start-up of the game's tables, one registry for
// the whole run (cleared after each input), and a scratch file for loaders that read from paths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include <unistd.h>

#include "app/game.hpp"
#include "engine/registry.hpp"
#include "engine/trace.hpp"

namespace velkor::fuzz {

inline Registry& Start() {
    static const bool started = [] {
        setenv("VELKOR_AUDIO_OUTPUT", "null", 0);  // never a sound card
        FillComponentCatalogue();
        SetTraceSink([](std::string_view) {});
        return true;
    }();
    (void)started;
    static auto registry = std::make_unique<Registry>();
    return *registry;
}

// Writes the input to a file of this process and returns its path (same path every call).
inline std::string WriteScratch(const std::uint8_t* data, std::size_t size, const char* extension) {
    const std::string path = "/tmp/velkor_fuzz_" + std::to_string(getpid()) + extension;
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        if (size > 0) std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    return path;
}

}  // namespace velkor::fuzz
