#include "gameplay/input.hpp"

#include <memory>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "engine/engine.hpp"

namespace velkor {
namespace {

class InputTable : public testing::Test {
protected:
    void SetUp() override { input::ResetBackend(); }
    void TearDown() override { input::ResetBackend(); }

    // One frame's worth of polled events followed by the input update.
    void Update() { input::UpdateKeyTable(table, input::GetBackend()); }
    static void Key(int key, int action) { input::KeyCallback(nullptr, key, 0, action, 0); }
    static void Mouse(int button, int action) { input::MouseButtonCallback(nullptr, button, action, 0); }

    singleton::Input table;
};

TEST_F(InputTable, StartsUp) {
    for (auto state : table.Keys) EXPECT_EQ(state, input::Up);
}

TEST_F(InputTable, HeldKeyIsPressedForExactlyOneUpdate) {
    Key(GLFW_KEY_A, GLFW_PRESS);
    Update();
    EXPECT_EQ(table.Keys[GLFW_KEY_A], input::Pressed);
    EXPECT_TRUE(table.IsPressed(GLFW_KEY_A));
    for (int frame = 0; frame < 5; ++frame) {
        Update();
        EXPECT_EQ(table.Keys[GLFW_KEY_A], input::Held);
        EXPECT_FALSE(table.IsPressed(GLFW_KEY_A));
        EXPECT_TRUE(table.IsDown(GLFW_KEY_A));
    }
    Key(GLFW_KEY_A, GLFW_RELEASE);
    Update();
    EXPECT_EQ(table.Keys[GLFW_KEY_A], input::Up);
    // Pressing again gives a fresh edge.
    Key(GLFW_KEY_A, GLFW_PRESS);
    Update();
    EXPECT_EQ(table.Keys[GLFW_KEY_A], input::Pressed);
}

TEST_F(InputTable, PressAndReleaseWithinOnePollIsNeverSeen) {
    Key(GLFW_KEY_SPACE, GLFW_PRESS);
    Key(GLFW_KEY_SPACE, GLFW_RELEASE);
    Mouse(GLFW_MOUSE_BUTTON_LEFT, GLFW_PRESS);
    Mouse(GLFW_MOUSE_BUTTON_LEFT, GLFW_RELEASE);
    Update();
    EXPECT_EQ(table.Keys[GLFW_KEY_SPACE], input::Up);
    EXPECT_EQ(table.Keys[input::MouseLeft], input::Up);
}

TEST_F(InputTable, LastKeyAndLastMouseButtonAreTracked) {
    Key(GLFW_KEY_MENU, GLFW_PRESS);
    Mouse(GLFW_MOUSE_BUTTON_8, GLFW_PRESS);
    Update();
    EXPECT_EQ(GLFW_KEY_MENU, 348);
    EXPECT_EQ(table.Keys[348], input::Pressed);
    EXPECT_EQ(table.Keys[356], input::Pressed);
    Update();
    EXPECT_EQ(table.Keys[348], input::Held);
    EXPECT_EQ(table.Keys[356], input::Held);
}

TEST_F(InputTable, MouseButtonsFollowTheKeys) {
    Mouse(GLFW_MOUSE_BUTTON_RIGHT, GLFW_PRESS);
    Update();
    EXPECT_EQ(table.Keys[input::MouseRight], input::Pressed);
    EXPECT_EQ(table.Keys[input::MouseLeft], input::Up);
    Update();
    EXPECT_EQ(table.Keys[input::MouseRight], input::Held);
    // While an overlay takes the pointer, presses are its own; the release still reaches the game.
    static bool taken = true;
    input::GetBackend().pointerTaken = [] { return taken; };
    Mouse(GLFW_MOUSE_BUTTON_LEFT, GLFW_PRESS);
    Mouse(GLFW_MOUSE_BUTTON_RIGHT, GLFW_RELEASE);
    Update();
    EXPECT_EQ(table.Keys[input::MouseLeft], input::Up);
    EXPECT_EQ(table.Keys[input::MouseRight], input::Up);
    taken = false;
    Mouse(GLFW_MOUSE_BUTTON_LEFT, GLFW_PRESS);
    Update();
    EXPECT_EQ(table.Keys[input::MouseLeft], input::Pressed);
}

TEST_F(InputTable, RepeatsUnknownKeysAndForeignActionsChangeNothing) {
    Key(GLFW_KEY_W, GLFW_PRESS);
    Update();
    Key(GLFW_KEY_W, GLFW_REPEAT);
    Update();
    EXPECT_EQ(table.Keys[GLFW_KEY_W], input::Held);
    Key(GLFW_KEY_UNKNOWN, GLFW_PRESS);
    Key(349, GLFW_PRESS);  // would land on the left mouse button if it were not rejected
    Key(100000, GLFW_PRESS);
    Mouse(8, GLFW_PRESS);
    Mouse(-1, GLFW_PRESS);
    Mouse(GLFW_MOUSE_BUTTON_MIDDLE, 7);
    Update();
    for (int entry = input::MouseButtonBase; entry < input::TableSize; ++entry) EXPECT_EQ(table.Keys[entry], input::Up);
    EXPECT_EQ(table.IsDown(-1), false);
    EXPECT_EQ(table.IsDown(input::TableSize), false);
}

TEST_F(InputTable, AltF4QuitsWithEitherAlt) {
    auto altF4 = [] { return input::AltF4Down(input::GetBackend()); };
    Key(GLFW_KEY_F4, GLFW_PRESS);
    EXPECT_FALSE(altF4()) << "F4 alone";
    Key(GLFW_KEY_F4, GLFW_RELEASE);
    Key(GLFW_KEY_LEFT_ALT, GLFW_PRESS);
    EXPECT_FALSE(altF4()) << "Alt alone";
    Key(GLFW_KEY_F4, GLFW_PRESS);
    EXPECT_TRUE(altF4()) << "left Alt + F4";
    Key(GLFW_KEY_LEFT_ALT, GLFW_RELEASE);
    Key(GLFW_KEY_RIGHT_ALT, GLFW_PRESS);
    EXPECT_TRUE(altF4()) << "right Alt + F4";
}

TEST(InputSystem, AltF4ClearsRunningAfterTheTableUpdate) {
    input::ResetBackend();
    auto registry = std::make_unique<Registry>();
    registry->singletons.set(singleton::Input{});
    registry->singletons.set(singleton::Running{true});
    system::Input system;
    system.Update(0.016f, *registry);
    EXPECT_TRUE(registry->singletons.get<singleton::Running>().Value);

    input::KeyCallback(nullptr, GLFW_KEY_RIGHT_ALT, 0, GLFW_PRESS, 0);
    input::KeyCallback(nullptr, GLFW_KEY_F4, 0, GLFW_PRESS, 0);
    system.Update(0.016f, *registry);
    EXPECT_FALSE(registry->singletons.get<singleton::Running>().Value);
    EXPECT_EQ(registry->singletons.get<singleton::Input>().Keys[GLFW_KEY_F4], input::Pressed);
    input::ResetBackend();
}

// Callbacks installed before ours (the developer-tool host's) keep receiving every event.
TEST(InputCallbacks, ChainToThePreviousCallback) {
    input::ResetBackend();
    static int seen = 0;
    seen = 0;
    input::GetBackend().previousKey = [](GLFWwindow*, int key, int, int, int) { seen = key; };
    input::KeyCallback(nullptr, GLFW_KEY_ESCAPE, 0, GLFW_PRESS, 0);
    EXPECT_EQ(seen, GLFW_KEY_ESCAPE);
    input::KeyCallback(nullptr, GLFW_KEY_UNKNOWN, 0, GLFW_PRESS, 0);
    EXPECT_EQ(seen, GLFW_KEY_UNKNOWN) << "events we ignore still reach the chained callback";
    input::ResetBackend();
}

}  // namespace
}  // namespace velkor
