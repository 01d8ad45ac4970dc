// Points DISPLAY at the Xvfb started by the ctest fixture when the environment has none, and waits
// until the server takes connections (a busy Xvfb has been seen to refuse one now and then, and the
// game's window creation rightly exits on the first failure).
#pragma once

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include <GLFW/glfw3.h>

namespace velkor::test {

inline void UseFixtureDisplay() {
#if !defined(_WIN32)
#if defined(VELKOR_XVFB_DISPLAY_FILE)
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        std::ifstream file(VELKOR_XVFB_DISPLAY_FILE);
        std::string number;
        if (file >> number) setenv("DISPLAY", (":" + number).c_str(), 1);
    }
#endif
    if (!std::getenv("DISPLAY")) return;
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (glfwInit()) {
            glfwTerminate();
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
#endif
}

}  // namespace velkor::test
