// Chooses where the audio layer's mix goes in a test process.
//
// The device layer reads VELKOR_AUDIO_OUTPUT each time the audio system starts: "null" mixes into
// nothing (never a sound card), a file path records the mix there as a WAV file.
#pragma once

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "support/temp_dir.hpp"

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace velkor::test {

inline void SetEnvironment(const char* name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

// Files of this process: parallel test processes must not share them.
inline std::string ProcessFile(const std::string& stem, const std::string& extension) {
#ifdef _WIN32
    const int pid = _getpid();
#else
    const int pid = static_cast<int>(getpid());
#endif
    return TempDir() + stem + "_" + std::to_string(pid) + extension;
}

inline void SelectAudioOutput(const std::string& output) { SetEnvironment("VELKOR_AUDIO_OUTPUT", output); }

}  // namespace velkor::test
