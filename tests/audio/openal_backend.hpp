// Picks OpenAL Soft's back end for the test process.
//
// OpenAL Soft reads its configuration once per process, at the first device call, so the first
// back end chosen sticks for every later test of the process. ctest runs each test case in a
// process of its own, so there every test gets the back end it asks for; a test that finds
// another one already chosen (the whole binary run at once) skips itself.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

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
    return testing::TempDir() + stem + "_" + std::to_string(pid) + extension;
}

// drivers: ALSOFT_DRIVERS ("null", "wave"); config: the text of the configuration file.
inline bool SelectOpenAlBackend(const std::string& drivers, const std::string& config = "") {
    static std::string chosen;
    const std::string wanted = drivers + "\n" + config;
    if (chosen.empty()) {
        const std::string path = ProcessFile("velkor_alsoft", ".conf");
        std::ofstream(path, std::ios::trunc) << config;
        SetEnvironment("ALSOFT_DRIVERS", drivers);
        SetEnvironment("ALSOFT_CONF", path);
        chosen = wanted;
    }
    return chosen == wanted;
}

#define VELKOR_SELECT_OPENAL_BACKEND(...)                                                            \
    do {                                                                                             \
        if (!::velkor::test::SelectOpenAlBackend(__VA_ARGS__))                                       \
            GTEST_SKIP() << "another OpenAL back end is already in use: run this test on its own"; \
    } while (false)

}  // namespace velkor::test
