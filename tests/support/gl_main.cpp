// Entry of the integration-test executables: the component catalogue as in the game, and a display.
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <dlfcn.h>
#endif

#include "app/game.hpp"
#include "support/gl_display.hpp"

int main(int argc, char** argv) {
#if !defined(_WIN32)
    // Mesa unloads its driver when the last context goes. LeakSanitizer's report at exit then shows
    // the driver's own leaks under no module name, out of reach of tests/lsan.supp; pinning the
    // driver keeps them named (and suppressed). Only the driver: pinning libGLX_mesa as well leaves
    // GLX without framebuffer configs after glfwTerminate, so a second test in the same process
    // could not create its window. A missing file is simply not pinned.
    dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", RTLD_NOW | RTLD_NODELETE);
#endif
    velkor::FillComponentCatalogue();
    velkor::test::UseFixtureDisplay();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
