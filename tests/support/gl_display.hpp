// Points DISPLAY at the Xvfb started by the ctest fixture when the environment has none.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

namespace velkor::test {

inline void UseFixtureDisplay() {
#if defined(VELKOR_XVFB_DISPLAY_FILE) && !defined(_WIN32)
    const char* display = std::getenv("DISPLAY");
    if (display && *display) return;
    std::ifstream file(VELKOR_XVFB_DISPLAY_FILE);
    std::string number;
    if (file >> number) setenv("DISPLAY", (":" + number).c_str(), 1);
#endif
}

}  // namespace velkor::test
