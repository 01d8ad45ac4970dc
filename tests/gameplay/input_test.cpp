#include "gameplay/input.hpp"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>
#include <string>

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

// Keys and mouse buttons alike, the last of each included: up at the start, pressed for exactly
// one update, held while down (no other entry moving), up on release, and a fresh press again.
TEST_F(InputTable, EveryKeyAndButtonIsPressedForOneUpdateThenHeldUntilReleased) {
    for (auto state : table.Keys) EXPECT_EQ(state, input::Up);
    ASSERT_EQ(GLFW_KEY_MENU, 348);
    const struct {
        int entry;
        void (*send)(int, int);
        int code;
    } entries[] = {
        {GLFW_KEY_A, Key, GLFW_KEY_A},
        {348, Key, GLFW_KEY_MENU},
        {input::MouseRight, Mouse, GLFW_MOUSE_BUTTON_RIGHT},
        {356, Mouse, GLFW_MOUSE_BUTTON_8},
    };
    const auto down = [&] { return std::count_if(std::begin(table.Keys), std::end(table.Keys), [](auto k) { return k != input::Up; }); };
    for (const auto& e : entries) {
        SCOPED_TRACE("entry " + std::to_string(e.entry));
        e.send(e.code, GLFW_PRESS);
        Update();
        EXPECT_EQ(table.Keys[e.entry], input::Pressed);
        EXPECT_TRUE(table.IsPressed(e.entry));
        EXPECT_EQ(down(), 1);
        for (int frame = 0; frame < 3; ++frame) {
            Update();
            EXPECT_EQ(table.Keys[e.entry], input::Held);
            EXPECT_FALSE(table.IsPressed(e.entry));
            EXPECT_TRUE(table.IsDown(e.entry));
        }
        e.send(e.code, GLFW_RELEASE);
        Update();
        EXPECT_EQ(table.Keys[e.entry], input::Up);
        e.send(e.code, GLFW_PRESS);
        Update();
        EXPECT_EQ(table.Keys[e.entry], input::Pressed) << "a second press is a fresh edge";
        e.send(e.code, GLFW_RELEASE);
        Update();
    }
}

// A tap inside one poll (a synthetic one has no time between press and release) is latched:
// Pressed at the next update, Up at the one after. A held key released and pressed again within
// one poll is a fresh press, not a continued hold.
TEST_F(InputTable, TapWithinOnePollIsPressedOnceThenUp) {
    Key(GLFW_KEY_SPACE, GLFW_PRESS);
    Key(GLFW_KEY_SPACE, GLFW_RELEASE);
    Mouse(GLFW_MOUSE_BUTTON_LEFT, GLFW_PRESS);
    Mouse(GLFW_MOUSE_BUTTON_LEFT, GLFW_RELEASE);
    Key(GLFW_KEY_A, GLFW_PRESS);
    Update();
    EXPECT_EQ(table.Keys[GLFW_KEY_SPACE], input::Pressed);
    EXPECT_EQ(table.Keys[input::MouseLeft], input::Pressed);
    EXPECT_EQ(table.Keys[GLFW_KEY_A], input::Pressed);
    Key(GLFW_KEY_A, GLFW_RELEASE);
    Key(GLFW_KEY_A, GLFW_PRESS);
    Update();
    EXPECT_EQ(table.Keys[GLFW_KEY_SPACE], input::Up);
    EXPECT_EQ(table.Keys[input::MouseLeft], input::Up);
    EXPECT_EQ(table.Keys[GLFW_KEY_A], input::Pressed) << "released and pressed again in one poll";
    Update();
    EXPECT_EQ(table.Keys[GLFW_KEY_A], input::Held);
    Key(GLFW_KEY_A, GLFW_PRESS);  // a second press event without a release is no new tap
    Update();
    EXPECT_EQ(table.Keys[GLFW_KEY_A], input::Held);
}

// While an overlay takes the pointer or the keys, presses are its own; a release still reaches the
// game, and keys the overlay leaves alone stay the game's.
TEST_F(InputTable, PressesTheOverlayTakesAreNotTheGames) {
    static bool taken = false;
    input::GetBackend().pointerTaken = [] { return taken; };
    input::GetBackend().keysTaken = [](int key) { return taken && key != GLFW_KEY_F1; };
    Mouse(GLFW_MOUSE_BUTTON_RIGHT, GLFW_PRESS);
    Key(GLFW_KEY_RIGHT, GLFW_PRESS);
    Update();
    taken = true;
    Mouse(GLFW_MOUSE_BUTTON_LEFT, GLFW_PRESS);
    Mouse(GLFW_MOUSE_BUTTON_RIGHT, GLFW_RELEASE);
    Key(GLFW_KEY_SPACE, GLFW_PRESS);
    Key(GLFW_KEY_RIGHT, GLFW_RELEASE);
    Key(GLFW_KEY_F1, GLFW_PRESS);
    Update();
    EXPECT_EQ(table.Keys[input::MouseLeft], input::Up);
    EXPECT_EQ(table.Keys[input::MouseRight], input::Up);
    EXPECT_EQ(table.Keys[GLFW_KEY_SPACE], input::Up);
    EXPECT_EQ(table.Keys[GLFW_KEY_RIGHT], input::Up);
    EXPECT_EQ(table.Keys[GLFW_KEY_F1], input::Pressed);
    taken = false;
    Mouse(GLFW_MOUSE_BUTTON_LEFT, GLFW_PRESS);
    Key(GLFW_KEY_SPACE, GLFW_PRESS);
    Update();
    EXPECT_EQ(table.Keys[input::MouseLeft], input::Pressed);
    EXPECT_EQ(table.Keys[GLFW_KEY_SPACE], input::Pressed);
}

// The left stick read as four buttons: a direction goes down at StickPress, stays down until the
// stick is back inside StickRelease, and a stick resting inside the dead zone reads nothing.
TEST_F(InputTable, StickDirectionsPressAtTheThresholdAndReleaseOnlyInsideTheDeadZone) {
    const struct {
        int axis;
        float value;
        int left, right;  // expected states of the negative and positive direction of that axis
    } steps[] = {
        {0, 0.29f, input::Up, input::Up},  // resting off centre: the dead zone
        {0, 0.49f, input::Up, input::Up},  // not yet
        {0, 0.5f, input::Up, input::Pressed},  // the press threshold counts
        {0, 0.31f, input::Up, input::Held},  // back between the thresholds: still held
        {0, 0.3f, input::Up, input::Up},  // inside the dead zone again
        {0, 0.45f, input::Up, input::Up},  // between the thresholds from below: no press
        {0, -1.0f, input::Pressed, input::Up},  // across in one poll
        {0, std::nanf(""), input::Up, input::Up},  // not a number reads as the centre
        {1, -0.7f, input::Pressed, input::Up},  // y: up is negative
        {1, 0.9f, input::Up, input::Pressed},
        {2, 1.0f, input::Up, input::Held},  // another axis changes nothing
    };
    for (const auto& step : steps) {
        SCOPED_TRACE("axis " + std::to_string(step.axis) + " at " + std::to_string(step.value));
        input::GamepadAxisCallback(step.axis, step.value);
        Update();
        const int negative = step.axis == 0 ? input::StickLeft : input::StickUp;
        const int positive = step.axis == 0 ? input::StickRight : input::StickDown;
        EXPECT_EQ(table.Keys[negative], step.left);
        EXPECT_EQ(table.Keys[positive], step.right);
    }
}

// Gamepad buttons take the keys' edges (a tap inside one poll included); an unplugged gamepad lets
// go of everything and is counted once per loss; foreign buttons and actions change nothing.
TEST_F(InputTable, GamepadButtonsHaveKeyEdgesAndLetGoWhenUnplugged) {
    const auto& raw = input::GetBackend();
    input::GamepadConnectionCallback(1);
    EXPECT_TRUE(raw.gamepadPresent);
    input::GamepadButtonCallback(GLFW_GAMEPAD_BUTTON_A, GLFW_PRESS);
    input::GamepadButtonCallback(GLFW_GAMEPAD_BUTTON_DPAD_LEFT, GLFW_PRESS);
    input::GamepadButtonCallback(GLFW_GAMEPAD_BUTTON_START, GLFW_PRESS);
    input::GamepadButtonCallback(GLFW_GAMEPAD_BUTTON_START, GLFW_RELEASE);
    input::GamepadButtonCallback(15, GLFW_PRESS);
    input::GamepadButtonCallback(-1, GLFW_PRESS);
    input::GamepadButtonCallback(GLFW_GAMEPAD_BUTTON_B, GLFW_REPEAT);
    Update();
    EXPECT_EQ(table.Keys[input::PadSouth], input::Pressed);
    EXPECT_EQ(table.Keys[input::PadLeft], input::Pressed);
    EXPECT_EQ(table.Keys[input::PadStart], input::Pressed) << "a tap within one poll";
    EXPECT_EQ(table.Keys[input::PadEast], input::Up);
    EXPECT_EQ(std::count(std::begin(table.Keys), std::end(table.Keys), input::Pressed), 3);
    input::GamepadAxisCallback(0, -0.8f);
    Update();
    EXPECT_EQ(table.Keys[input::PadSouth], input::Held);
    EXPECT_EQ(table.Keys[input::PadStart], input::Up);
    EXPECT_EQ(table.Keys[input::StickLeft], input::Pressed);

    input::GamepadConnectionCallback(0);
    input::GamepadConnectionCallback(0);  // a repeated loss is one loss
    Update();
    EXPECT_FALSE(raw.gamepadPresent);
    EXPECT_EQ(raw.gamepadDisconnects, 1u);
    for (int entry = input::GamepadButtonBase; entry < input::TableSize; ++entry) EXPECT_EQ(table.Keys[entry], input::Up);
    input::GamepadConnectionCallback(1);
    input::GamepadButtonCallback(GLFW_GAMEPAD_BUTTON_A, GLFW_PRESS);
    Update();
    EXPECT_EQ(table.Keys[input::PadSouth], input::Pressed) << "plugged in again, a fresh press";
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
