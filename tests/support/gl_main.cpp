// Entry of the integration-test executables: the component catalogue as in the game, and a display.
#include <gtest/gtest.h>

#include "serialization/catalogue.hpp"
#include "support/gl_display.hpp"

int main(int argc, char** argv) {
    velkor::FillComponentCatalogue();
    velkor::test::UseFixtureDisplay();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
