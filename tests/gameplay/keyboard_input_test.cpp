#include "gameplay/keyboard_input.hpp"

#include <memory>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "serialization/prefab.hpp"
#include "support/trace_capture.hpp"
#include "support/json.hpp"

namespace velkor {
namespace {

using test::Parse;

component::KeyboardInput Read(const char* text) {
    component::KeyboardInput keyboard;
    component::ReadKeyboardInput(keyboard, Parse(text));
    return keyboard;
}

TEST(KeyboardInputReader, GroupsBindingsByActionWhateverTheKeyOrder) {
    const auto keyboard = Read(R"({"Dash": 340, "Jump": [32, 87], "Right": [68, 262], "Left": [65, 263]})");
    EXPECT_EQ(keyboard.Keys, (std::vector<std::int32_t>{65, 263, 68, 262, 32, 87, 340}));
    EXPECT_EQ(keyboard.Actions, (std::vector<std::int32_t>{0, 0, 1, 1, 2, 2, 3}));
}

TEST(KeyboardInputReader, RejectsEntriesOutsideTheTable) {
    test::TraceCapture trace;
    const auto keyboard = Read(R"({"Left": [-1, 65, 376, 356, 375, 1e9, "A", 2.5], "Jump": 100000})");
    EXPECT_EQ(keyboard.Keys, (std::vector<std::int32_t>{65, 356, 375})) << "the gamepad's entries end at 375";
    EXPECT_EQ(keyboard.Actions, (std::vector<std::int32_t>{0, 0, 0}));
    EXPECT_EQ(trace.messages().size(), 6u);
    EXPECT_NE(trace.messages().front().find("KeyboardInput binding for Left ignored"), std::string::npos);
}

TEST(KeyboardInputReader, ReadingAgainReplacesTheBindings) {
    component::KeyboardInput keyboard;
    component::ReadKeyboardInput(keyboard, Parse(R"({"Jump": 32})"));
    component::ReadKeyboardInput(keyboard, Parse(R"({"Left": 65})"));
    EXPECT_EQ(keyboard.Keys, (std::vector<std::int32_t>{65}));
    EXPECT_EQ(keyboard.Actions, (std::vector<std::int32_t>{0}));
}

class Bindings : public testing::Test {
protected:
    Bindings() : keyboard(Read(R"({"Left": [65, 263], "Right": [68, 262], "Dash": 349})")) {}

    void Set(int entry, input::KeyState state) { table.Keys[entry] = state; }
    void Apply() { component::ApplyBindings(keyboard, table, intent); }

    component::KeyboardInput keyboard;
    singleton::Input table;
    component::Input intent;
};

TEST_F(Bindings, LeftAndRightTogetherMoveNowhere) {
    Set(65, input::Held);
    Set(262, input::Pressed);
    Apply();
    EXPECT_TRUE(intent.Moving);
    EXPECT_EQ(intent.Direction, glm::vec2(0.0f, 0.0f));
}

TEST_F(Bindings, DirectionIsRememberedAfterRelease) {
    Set(263, input::Pressed);
    Apply();
    EXPECT_TRUE(intent.Moving);
    EXPECT_EQ(intent.Direction, glm::vec2(-1.0f, 0.0f));
    Set(263, input::Up);
    Apply();
    EXPECT_FALSE(intent.Moving);
    EXPECT_EQ(intent.Direction, glm::vec2(-1.0f, 0.0f));
    Set(68, input::Held);
    Apply();
    EXPECT_EQ(intent.Direction, glm::vec2(1.0f, 0.0f));
}

TEST_F(Bindings, DashStaysTrueWhileHeldAndJumpWithoutBindingNeverSets) {
    Set(input::MouseLeft, input::Pressed);
    for (int i = 0; i < 3; ++i) Set(GLFW_KEY_SPACE, input::Held);  // nobody binds Space here
    Apply();
    EXPECT_TRUE(intent.Dash);
    EXPECT_FALSE(intent.Jump);
    Set(input::MouseLeft, input::Held);
    Apply();
    EXPECT_TRUE(intent.Dash);
    Set(input::MouseLeft, input::Up);
    Apply();
    EXPECT_FALSE(intent.Dash);
}

TEST_F(Bindings, ABindingAgainstTheStoredOrderEndsTheWalk) {
    // Hand-built: Right, then a Left binding out of order, then Jump. The walk stops at the Left one.
    keyboard.Keys = {68, 65, 32};
    keyboard.Actions = {component::KeyboardInput::Right, component::KeyboardInput::Left, component::KeyboardInput::Jump};
    Set(65, input::Held);
    Set(32, input::Held);
    Apply();
    EXPECT_FALSE(intent.Moving);
    EXPECT_FALSE(intent.Jump);
}

// The player's own bindings with no key held: the d-pad and the stick run, south jumps, west and
// either bumper dash, and the other buttons (menu and pause buttons) ask for nothing.
TEST(PlayerBindings, TheGamepadAloneDrivesThePlayersIntent) {
    component::KeyboardInput keyboard;
    const rapidjson::Document player = ReadJsonFile("Data/Entities/Player.json");
    ASSERT_TRUE(player.IsObject() && player.HasMember("KeyboardInput"));
    component::ReadKeyboardInput(keyboard, player["KeyboardInput"]);
    const struct {
        int entry;
        float x;
        bool jump, dash;
    } cases[] = {
        {input::PadLeft, -1.0f, false, false},  {input::StickLeft, -1.0f, false, false},
        {input::PadRight, 1.0f, false, false},  {input::StickRight, 1.0f, false, false},
        {input::PadSouth, 0.0f, true, false},   {input::PadWest, 0.0f, false, true},
        {input::PadLeftBumper, 0.0f, false, true}, {input::PadRightBumper, 0.0f, false, true},
        {input::PadEast, 0.0f, false, false},   {input::PadStart, 0.0f, false, false},
        {input::StickUp, 0.0f, false, false},   {input::PadUp, 0.0f, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("entry " + std::to_string(c.entry));
        singleton::Input table;
        table.Keys[c.entry] = input::Held;
        component::Input intent;
        component::ApplyBindings(keyboard, table, intent);
        EXPECT_EQ(intent.Moving, c.x != 0.0f);
        EXPECT_EQ(intent.Direction.x, c.x);
        EXPECT_EQ(intent.Jump, c.jump);
        EXPECT_EQ(intent.Dash, c.dash);
    }
}

// The system end to end: the on-add hook gives every bound entity an Input, and the update fills it.
TEST(KeyboardInputSystem, AddsInputAndTranslatesBindings) {
    auto registry = std::make_unique<Registry>();
    registry->singletons.set(singleton::Input{});  // present: no window is needed
    system::KeyboardInput system;
    system.Init(*registry);

    auto prefab = Parse(R"({"KeyboardInput": {"Right": [68], "Jump": 32}})");
    const Entity player = CreateEntity(prefab, *registry);
    ASSERT_TRUE(registry->has<component::Input>(player));
    const Entity bystander = registry->create();
    registry->add<component::Input>(bystander).Jump = true;

    auto& table = registry->singletons.get<singleton::Input>();
    table.Keys[68] = input::Held;
    table.Keys[32] = input::Pressed;
    system.Update(0.016f, *registry);
    const auto& intent = registry->get<component::Input>(player);
    EXPECT_TRUE(intent.Moving);
    EXPECT_TRUE(intent.Jump);
    EXPECT_EQ(intent.Direction, glm::vec2(1.0f, 0.0f));
    EXPECT_TRUE(registry->get<component::Input>(bystander).Jump) << "entities without bindings are not visited";

    system.Shutdown(*registry);
    EXPECT_FALSE(registry->singletons.has<singleton::Input>());
    const Entity late = registry->create();
    registry->add<component::KeyboardInput>(late);
    EXPECT_FALSE(registry->has<component::Input>(late)) << "the hook is gone after shutdown";
}

}  // namespace
}  // namespace velkor
