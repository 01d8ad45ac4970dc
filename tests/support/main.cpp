// Test entry: fills the component catalogue first, exactly as the game does, so component type
// indices are the game's own in every test.
#include <gtest/gtest.h>

#include "app/game.hpp"

int main(int argc, char** argv) {
    velkor::FillComponentCatalogue();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
