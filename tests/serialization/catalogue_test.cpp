#include "serialization/catalogue.hpp"

#include <gtest/gtest.h>

#include "app/game.hpp"
#include "animation/animation.hpp"
#include "gameplay/hud.hpp"
#include "graphics/sprite_sheet.hpp"
#include "serialization/transform.hpp"

namespace velkor {
namespace {

TEST(Catalogue, FixesTheComponentTypeIndicesInTableOrder) {
    EXPECT_EQ(entity::ComponentIndex<component::Animation>(), 0u);
    EXPECT_EQ(entity::ComponentIndex<component::SpriteSheet>(), 7u);
    EXPECT_EQ(entity::ComponentIndex<component::HUD>(), 8u);
    EXPECT_EQ(entity::ComponentIndex<component::Transform>(), 16u);
    const char* names[] = {"Animation", "Audio", "Button", "CameraFollow", "Collision", "Graphics",
                           "Light", "SpriteSheet", "HUD", "Input", "KeyboardInput", "OnOffHazard",
                           "Parallax", "Particles", "Physics", "PlayerBehavior", "Transform"};
    for (int i = 0; i < 17; ++i) {
        EXPECT_EQ(Catalogue().names[i], names[i]);
        EXPECT_EQ(FindComponent(names[i]), i);
    }
    EXPECT_EQ(Catalogue().readers[9], nullptr) << "Input is never read from data";
    EXPECT_NE(Catalogue().readers[16], nullptr);
}

TEST(Catalogue, NamesAreCaseSensitive) {
    EXPECT_FALSE(FindComponent("transform").has_value());
    EXPECT_FALSE(FindComponent("Transform ").has_value());
    EXPECT_FALSE(FindComponent("").has_value());
}

TEST(Catalogue, FillingAgainChangesNothing) {
    FillComponentCatalogue();
    EXPECT_EQ(Catalogue().index.size(), 17u);
    EXPECT_EQ(entity::ComponentIndex<component::Transform>(), 16u);
}

}  // namespace
}  // namespace velkor
