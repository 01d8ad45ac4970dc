// Entry of the integration-test executables: the component catalogue as in the game, and a display.
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <dlfcn.h>
#endif

#include "serialization/catalogue.hpp"
#include "support/gl_display.hpp"

int main(int argc, char** argv) {
#if !defined(_WIN32)
    // Mesa unloads its driver when the last context goes. LeakSanitizer's report at exit then shows
    // the driver's own leaks under no module name, out of reach of tests/lsan.supp; pinning the
    // libraries keeps them named (and suppressed). Missing files are simply not pinned.
    for (const char* library : {"libGLX_mesa.so.0", "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so"})
        dlopen(library, RTLD_NOW | RTLD_NODELETE);
#endif
    velkor::FillComponentCatalogue();
    velkor::test::UseFixtureDisplay();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
