// Menu screens, buttons, the cursor and the pause menu, driven through the windowless pointer and
// the Input table (no window, the null audio output). The screens load the game's own menu
// prefabs from Data/, so these tests also check that the content supplies every named button.
#include <functional>
#include <memory>
#include <string>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "audio/audio.hpp"
#include "engine/engine.hpp"
#include "gameplay/hud.hpp"
#include "gameplay/input.hpp"
#include "gameplay/physics.hpp"
#include "graphics/components.hpp"
#include "graphics/sprite_sheet.hpp"
#include "levels/credits.hpp"
#include "levels/cursor.hpp"
#include "levels/level_manager.hpp"
#include "levels/level_state.hpp"
#include "levels/loading_screen.hpp"
#include "levels/lose_screen.hpp"
#include "levels/main_menu.hpp"
#include "levels/options_menu.hpp"
#include "levels/pause_menu.hpp"
#include "levels/win_screen.hpp"
#include "platform/input_source.hpp"
#include "platform/window.hpp"
#include "serialization/prefab.hpp"
#include "serialization/transform.hpp"
#include "tests/support/trace_capture.hpp"
#include "tests/support/windowless_game.hpp"

namespace velkor {
namespace {

using levels::LevelIndex;

class Menus : public test::WindowlessGame {
protected:
    void TearDown() override {
        levels::Cursor().navigating = false;
        input::SetGamepadCallbacks({});
        WindowlessGame::TearDown();
    }

    void PointAt(glm::vec2 ndc) { levels::MoveWindowlessPointer((ndc.x + 1.0) * 960.0, (1.0 - ndc.y) * 540.0); }
    void PointAt(Entity e) { PointAt(Transform(e).Translation); }
    void Set(int entry, input::KeyState state) { registry->singletons.get<singleton::Input>().Keys[entry] = state; }
    component::Transform& Transform(Entity e) { return registry->get<component::Transform>(e); }
    bool Visible(Entity e) { return levels::IsVisible(*registry, e); }
    int Next() { return registry->singletons.get<singleton::GameState>().nextLevel; }
    float Master() { return registry->singletons.get<singleton::Audio>().GroupVolume[audio::Master]; }
    Entity Button(const char* name) {
        const Entity e = levels::FindButton(*registry, name);
        EXPECT_NE(e, NoEntity) << "no button named " << name;
        return e;
    }

    // One frame of the screen with the pointer on the entity and the left button pressed now.
    std::string Click(util::iLevel& level, Entity e, float dt = 1.0f / 60.0f) {
        PointAt(e);
        Set(input::MouseLeft, input::Pressed);
        testing::internal::CaptureStdout();
        level.Update(dt, *registry);
        Set(input::MouseLeft, input::Up);
        return testing::internal::GetCapturedStdout();
    }

    // One frame driven as a replay drives it: events go to the callbacks the input layer installs
    // on the input source (a gamepad button tapped within the poll, or a key), then the table is
    // updated and the screen runs. Returns what the screen printed.
    std::string Tap(const std::function<void()>& frame, int entry) {
        input::SetGamepadCallbacks({&input::GamepadConnectionCallback, &input::GamepadButtonCallback,
                                    &input::GamepadAxisCallback});
        if (entry >= input::GamepadButtonBase) {
            const auto& gamepad = input::InstalledGamepadCallbacks();
            gamepad.button(entry - input::GamepadButtonBase, GLFW_PRESS);
            gamepad.button(entry - input::GamepadButtonBase, GLFW_RELEASE);
        } else {
            input::KeyCallback(nullptr, entry, 0, GLFW_PRESS, 0);
            input::KeyCallback(nullptr, entry, 0, GLFW_RELEASE, 0);
        }
        input::UpdateKeyTable(registry->singletons.get<singleton::Input>(), input::GetBackend());
        testing::internal::CaptureStdout();
        frame();
        input::UpdateKeyTable(registry->singletons.get<singleton::Input>(), input::GetBackend());
        return testing::internal::GetCapturedStdout();
    }
    // The shown buttons wearing their "over" look (alternate texture or a size other than their own).
    std::vector<std::string> Highlighted() {
        std::vector<std::string> names;
        for (Entity e : registry->view<component::Button, component::Transform, component::Graphics>()) {
            if (!Visible(e)) continue;
            const auto& b = registry->get<component::Button>(e);
            const bool swapped = b.AlterTexture && registry->get<component::Graphics>(e).Texture == b.AlterTexture;
            if (swapped || Transform(e).Scale != b.Size) names.push_back(b.Name);
        }
        return names;
    }

};

Entity MakeButton(Registry& registry) {
    rapidjson::Document d;
    d.Parse(R"({"Transform": {"Translation": [0.5, 0.5], "Scale": [0.4, 0.2]},
                "Button": {"Name": "Probe", "Size": [0.4, 0.2]},
                "Audio": {"Files": [{"Name": "ButtonPush", "Filepath": "Assets/SFX/test.wav"},
                                    {"Name": "ButtonHover", "Filepath": "Assets/SFX/test.wav"}]}})");
    return CreateEntity(d, registry);
}

TEST_F(Menus, ButtonReactsInTheMiddleHalfHoversOncePerEntryAndPushesWithoutHover) {
    const Entity b = MakeButton(*registry);
    EXPECT_EQ(levels::FindButton(*registry, "Probe"), b);
    EXPECT_EQ(levels::FindButton(*registry, "Nothing"), NoEntity);
    bool hover = false;
    test::TraceCapture trace;
    auto run = [&] {
        testing::internal::CaptureStdout();
        const bool clicked = levels::HandleButton(*registry, {b, NoEntity, levels::EnlargeLook(1.2f), "--- Probe ---", true, {}}, hover);
        return std::make_pair(clicked, testing::internal::GetCapturedStdout());
    };

    // The lower quarter of the drawn button (y 0.4 .. 0.45) is outside the band: a click does nothing.
    PointAt({0.5f, 0.425f});
    Set(input::MouseLeft, input::Pressed);
    auto [clicked, out] = run();
    EXPECT_FALSE(clicked);
    EXPECT_EQ(out, "");
    EXPECT_TRUE(trace.messages().empty() || !trace.contains("Menu sound ButtonPush\n"));
    EXPECT_FALSE(hover);

    // The band's edges are inclusive; the first frame over it plays the hover sound, later ones nothing.
    Set(input::MouseLeft, input::Up);
    PointAt({0.3f, 0.45f});
    EXPECT_FALSE(run().first);
    EXPECT_TRUE(hover);
    EXPECT_NEAR(Transform(b).Scale.x, 0.48f, 1e-6f) << "enlarged by 1.2";
    EXPECT_NEAR(Transform(b).Scale.y, 0.24f, 1e-6f);
    PointAt({0.7f, 0.55f});
    run();
    EXPECT_EQ(trace.count("Menu sound ButtonHover\n"), 1u);

    // Leaving (the enlarged button reaches x 0.74) restores the size and clears the flag; coming
    // back hovers again.
    PointAt({0.75f, 0.5f});
    run();
    EXPECT_FALSE(hover);
    EXPECT_EQ(Transform(b).Scale, glm::vec2(0.4f, 0.2f));
    PointAt({0.5f, 0.5f});
    run();
    EXPECT_EQ(trace.count("Menu sound ButtonHover\n"), 2u);

    // Entering with the button pressed: the log line and the push sound, no hover sound.
    PointAt({0.0f, 0.0f});
    run();
    trace.clear();
    PointAt({0.5f, 0.5f});
    Set(input::MouseLeft, input::Pressed);
    auto [pushed, line] = run();
    EXPECT_TRUE(pushed);
    EXPECT_EQ(line, "--- Probe ---\n");
    EXPECT_EQ(trace.count("Menu sound ButtonPush\n"), 1u);
    EXPECT_EQ(trace.count("Menu sound ButtonHover\n"), 0u);
    // Held is not a click.
    Set(input::MouseLeft, input::Held);
    EXPECT_FALSE(run().first);
}

TEST_F(Menus, MainMenuButtonsShowTheirPanelsAndSwitch) {
    levels::MainMenu menu;
    menu.Load(*registry);
    menu.Initialize(*registry);
    EXPECT_TRUE(levels::Cursor().active);
    EXPECT_FALSE(levels::Cursor().hidden);
    const Entity play = Button("MainMenuPlayGame"), exit = Button("MainMenuExitGame");
    const Entity yes = Button("MainMenuYes"), no = Button("MainMenuNo");
    const Entity cyber = Button("CyberCity"), under = Button("Underground");
    EXPECT_FALSE(Visible(cyber));
    EXPECT_FALSE(Visible(yes));

    // Hovering a swap button shows its alternate texture; leaving restores the normal one.
    const auto* normal = registry->get<component::Graphics>(play).Texture;
    PointAt(play);
    menu.Update(0.016f, *registry);
    EXPECT_EQ(registry->get<component::Graphics>(play).Texture, registry->get<component::Button>(play).AlterTexture);
    PointAt({0.9f, 0.9f});
    menu.Update(0.016f, *registry);
    EXPECT_EQ(registry->get<component::Graphics>(play).Texture, normal);

    EXPECT_EQ(Click(menu, play), "--------------- MainMenuPlayGame ---------------\n");
    EXPECT_TRUE(Visible(cyber));
    EXPECT_TRUE(Visible(under));
    EXPECT_EQ(Click(menu, exit), "--------------- MainMenuExitGame ---------------\n");
    EXPECT_FALSE(Visible(cyber));
    EXPECT_TRUE(Visible(yes));
    EXPECT_EQ(Click(menu, no), "--------------- MenuExitGame(No) ---------------\n");
    EXPECT_FALSE(Visible(yes));
    EXPECT_EQ(Click(menu, yes), "") << "hidden, the yes button is inert";
    EXPECT_TRUE(registry->singletons.get<singleton::Running>().Value);

    EXPECT_EQ(Click(menu, Button("MainMenuOptions")), "--------------- MainMenuOptionsButton ---------------\n");
    EXPECT_EQ(Next(), LevelIndex::OptionsMenu);
    Click(menu, Button("MainMenuCredits"));
    EXPECT_EQ(Next(), LevelIndex::Credits);
    Click(menu, Button("MainMenuControls"));
    EXPECT_FALSE(Visible(yes));

    Click(menu, play);
    registry->singletons.get<singleton::Audio>().MenuMusicChannel = 5;
    EXPECT_EQ(Click(menu, under), "--------------- Underground ---------------\n");
    EXPECT_EQ(Next(), LevelIndex::LoadingScreen);
    EXPECT_TRUE(registry->singletons.get<singleton::Level>().secondLevel);
    EXPECT_EQ(registry->singletons.get<singleton::Audio>().MenuMusicChannel, -1);
    Click(menu, cyber);
    EXPECT_FALSE(registry->singletons.get<singleton::Level>().secondLevel);

    Click(menu, exit);
    EXPECT_EQ(Click(menu, yes), "--------------- MenuExitGame(Yes) ---------------\n");
    EXPECT_FALSE(registry->singletons.get<singleton::Running>().Value);

    menu.Shutdown(*registry);
    EXPECT_FALSE(levels::Cursor().active);
    EXPECT_EQ(registry->pool<component::Graphics>().size(), 0u);
}

// The keys and the gamepad walk each screen's buttons in reading order (wrapping), the first press
// only shows the highlight and hides the cursor, south or Enter clicks, east or Escape goes back,
// and a pointer move hands the buttons back to the mouse.
TEST_F(Menus, KeysAndGamepadWalkTheMenusInReadingOrderActivateAndGoBack) {
    levels::MainMenu menu;
    menu.Load(*registry);
    menu.Initialize(*registry);
    auto frame = [&] { menu.Update(0.016f, *registry); };
    using Names = std::vector<std::string>;
    EXPECT_EQ(Tap(frame, input::PadDown), "");
    EXPECT_EQ(Highlighted(), Names{"MainMenuPlayGame"}) << "the first press shows where the highlight is";
    EXPECT_TRUE(levels::Cursor().hidden);
    const struct {
        int entry;
        const char* highlighted;
    } walk[] = {{input::PadDown, "MainMenuOptions"}, {input::StickDown, "MainMenuControls"},
                {GLFW_KEY_DOWN, "MainMenuCredits"},  {input::PadRight, "MainMenuExitGame"},
                {input::PadDown, "MainMenuPlayGame"}, {input::StickUp, "MainMenuExitGame"},
                {GLFW_KEY_LEFT, "MainMenuCredits"}, {GLFW_KEY_DOWN, "MainMenuExitGame"}};
    for (const auto& step : walk) {
        SCOPED_TRACE(step.highlighted);
        // A stick direction is a push and a let-go within the poll, as a flick gives.
        if (step.entry >= input::StickBase) {
            input::SetGamepadCallbacks({&input::GamepadConnectionCallback, &input::GamepadButtonCallback,
                                        &input::GamepadAxisCallback});
            const int axis = step.entry == input::StickUp || step.entry == input::StickDown ? 1 : 0;
            const float push = step.entry == input::StickUp || step.entry == input::StickLeft ? -1.0f : 1.0f;
            input::InstalledGamepadCallbacks().axis(axis, push);
            input::InstalledGamepadCallbacks().axis(axis, 0.0f);
            input::UpdateKeyTable(registry->singletons.get<singleton::Input>(), input::GetBackend());
            frame();
        } else {
            EXPECT_EQ(Tap(frame, step.entry), "");
        }
        EXPECT_EQ(Highlighted(), Names{step.highlighted});
    }
    // South opens the exit panel, which takes the highlight; east is its "No".
    EXPECT_EQ(Tap(frame, input::PadSouth), "--------------- MainMenuExitGame ---------------\n");
    Tap(frame, input::PadRight);
    EXPECT_EQ(Highlighted(), Names{"MainMenuNo"});
    EXPECT_EQ(Tap(frame, input::PadEast), "--------------- MenuExitGame(No) ---------------\n");
    EXPECT_FALSE(Visible(Button("MainMenuYes")));
    // Back on the main buttons the highlight starts at the top: Enter opens the level choice, and
    // Escape closes it without choosing.
    EXPECT_EQ(Tap(frame, GLFW_KEY_KP_ENTER), "--------------- MainMenuPlayGame ---------------\n");
    Tap(frame, input::PadDown);
    EXPECT_EQ(Highlighted(), Names{"Underground"});
    EXPECT_EQ(Tap(frame, GLFW_KEY_ESCAPE), "");
    EXPECT_FALSE(Visible(Button("CyberCity")));
    // The mouse takes over at its first move: the cursor shows and the highlight goes.
    PointAt({0.9f, -0.9f});
    frame();
    EXPECT_FALSE(levels::Cursor().hidden);
    EXPECT_EQ(Highlighted(), Names{});
    menu.Shutdown(*registry);

    // The options walk top down, and their back button answers east.
    registry->singletons.get<singleton::GameState>().previousLevel = LevelIndex::MainMenu;
    levels::OptionsMenu options;
    options.Initialize(*registry);
    auto optionsFrame = [&] { options.Update(0.016f, *registry); };
    Tap(optionsFrame, input::PadDown);
    Names seen;
    for (int i = 0; i < 5; ++i) {
        const Names now = Highlighted();
        seen.insert(seen.end(), now.begin(), now.end());
        Tap(optionsFrame, input::PadDown);
    }
    EXPECT_EQ(seen, (Names{"Volume", "WindowSize0", "WindowSize1", "WindowSize2", "BackToMain"}));
    EXPECT_EQ(Tap(optionsFrame, input::PadEast), "--------------- BackToMainMenu ---------------\n");
    EXPECT_EQ(Next(), LevelIndex::MainMenu);
    options.Shutdown(*registry);
}

TEST_F(Menus, OptionsGoBackAndSwitchTheSoundWithItsIndicator) {
    registry->singletons.get<singleton::GameState>().previousLevel = LevelIndex::MainMenu;
    registry->singletons.get<singleton::GameState>().nextLevel = LevelIndex::OptionsMenu;
    levels::OptionsMenu options;
    options.Initialize(*registry);
    const Entity on = Button("On"), off = Button("Off"), volume = Button("Volume");
    options.Update(0.016f, *registry);
    EXPECT_TRUE(Visible(on));
    EXPECT_FALSE(Visible(off));

    test::TraceCapture trace;
    // The switch is hit through the "On" indicator's transform.
    EXPECT_EQ(Click(options, on), "--------------- Sound Off ---------------\n");
    EXPECT_EQ(Master(), -3.0f);
    EXPECT_TRUE(Visible(off));
    EXPECT_FALSE(Visible(on));
    EXPECT_EQ(trace.count("Menu sound ButtonPush\n"), 0u) << "switching off is silent";
    options.Update(0.016f, *registry);
    EXPECT_TRUE(Visible(off)) << "the indicator follows the volume";
    EXPECT_EQ(Click(options, on), "--------------- Sound on ---------------\n");
    EXPECT_EQ(Master(), 0.0f);
    EXPECT_TRUE(Visible(on));
    EXPECT_FALSE(Visible(off));
    EXPECT_EQ(trace.count("Menu sound ButtonPush\n"), 1u);
    EXPECT_EQ(Transform(volume).Scale, registry->get<component::Button>(volume).Size) << "texture swap only";

    EXPECT_EQ(Click(options, Button("BackToMain")), "--------------- BackToMainMenu ---------------\n");
    EXPECT_EQ(Next(), LevelIndex::MainMenu);
    // A previous level that is not a level index leaves the request alone.
    registry->singletons.get<singleton::GameState>().previousLevel = -1;
    registry->singletons.get<singleton::GameState>().nextLevel = LevelIndex::OptionsMenu;
    Click(options, Button("BackToMain"));
    EXPECT_EQ(Next(), LevelIndex::OptionsMenu);
    options.Shutdown(*registry);
}

TEST_F(Menus, MenuMusicStartsOnceAcrossScreens) {
    auto& audio = registry->singletons.get<singleton::Audio>();
    levels::OptionsMenu options;
    options.Initialize(*registry);
    const int channel = audio.MenuMusicChannel;
    EXPECT_GE(channel, 0) << "the options menu keeps the channel it started";
    options.Shutdown(*registry);
    levels::Credits credits;
    credits.Initialize(*registry);
    EXPECT_EQ(audio.MenuMusicChannel, channel) << "no second copy";
    credits.Shutdown(*registry);
    levels::MainMenu menu;
    menu.Initialize(*registry);
    EXPECT_EQ(audio.MenuMusicChannel, channel);
    menu.Shutdown(*registry);
}

TEST_F(Menus, CreditsScrollAfterOneSecondAndReturnToTheMainMenu) {
    levels::Credits credits;
    credits.Initialize(*registry);
    Entity text = NoEntity;
    for (Entity e : registry->view<component::Graphics, component::Transform>())
        if (!registry->has<component::Button>(e) && Transform(e).Scale.y > 5.0f) text = e;
    ASSERT_NE(text, NoEntity);
    const float start = Transform(text).Translation.y;
    EXPECT_FLOAT_EQ(start, levels::Credits::StartY);
    for (int i = 0; i < 4; ++i) credits.Update(0.25f, *registry);
    EXPECT_FLOAT_EQ(Transform(text).Translation.y, start) << "still for the first second";
    credits.Update(0.25f, *registry);
    EXPECT_FLOAT_EQ(Transform(text).Translation.y, start + 0.0625f);
    for (int i = 0; i < 200 && Next() != LevelIndex::MainMenu; ++i) credits.Update(0.25f, *registry);
    EXPECT_EQ(Next(), LevelIndex::MainMenu);
    EXPECT_FLOAT_EQ(Transform(text).Translation.y, levels::Credits::StartY);

    registry->singletons.get<singleton::GameState>().nextLevel = LevelIndex::Credits;
    EXPECT_EQ(Click(credits, Button("CreditsMainMenu")), "---------------  CreditMainMenu ---------------\n");
    EXPECT_EQ(Next(), LevelIndex::MainMenu);
    credits.Shutdown(*registry);
}

TEST_F(Menus, LoadingBarFillsWhileTheDelayRunsDown) {
    for (bool second : {false, true}) {
        registry->singletons.remove<singleton::Level>();
        if (second) levels::EnsureLevel(*registry).secondLevel = true;
        auto& state = registry->singletons.get<singleton::GameState>();
        state = singleton::GameState{};
        levels::LoadingScreen loading;
        loading.Initialize(*registry);
        loading.Update(1.0f / 60.0f, *registry);
        EXPECT_TRUE(state.switchPending);
        EXPECT_EQ(state.pendingLevel, second ? LevelIndex::Level2 : LevelIndex::Level1);
        EXPECT_TRUE(registry->singletons.get<singleton::Level>().propertiesPending || second);
        Entity bar = NoEntity;
        for (Entity e : registry->view<component::Graphics>())
            if (Visible(e) && Transform(e).Scale.y < 0.1f) bar = e;
        ASSERT_NE(bar, NoEntity);
        EXPECT_FLOAT_EQ(Transform(bar).Scale.x, 0.0f) << "empty until the delay runs";
        state.switchDelay = 0.75f;  // as the level manager counts it down
        loading.Update(1.0f / 60.0f, *registry);
        EXPECT_FLOAT_EQ(Transform(bar).Scale.x, 0.475f);
        EXPECT_FLOAT_EQ(Transform(bar).Translation.x - Transform(bar).Scale.x * 0.5f, -0.4927f) << "left edge fixed";
        EXPECT_FLOAT_EQ(Transform(bar).Scale.y, 0.08f);
        EXPECT_FLOAT_EQ(state.switchDelay, 0.75f) << "armed once, not re-armed";
        loading.Shutdown(*registry);
    }
}

TEST_F(Menus, WinScreenDigitsShowTheTimeTaken) {
    struct Case {
        float maxTime, timeLeft;
        int collected;
        int time[3];  // ones, tens, hundreds
        int count[2];
    };
    for (const Case& c : {Case{360.0f, 245.7f, 7, {5, 1, 1}, {7, 0}}, Case{200.0f, 150.2f, 13, {0, 5, 0}, {3, 1}},
                          Case{90.0f, 0.4f, 0, {0, 9, 0}, {0, 0}}, Case{360.0f, 360.0f, 42, {0, 0, 0}, {2, 4}}}) {
        const auto d = levels::WinDigits(c.maxTime, c.timeLeft, c.collected);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(d[i].value, c.time[i]) << c.maxTime << " " << c.timeLeft << " digit " << i;
        for (int i = 0; i < 2; ++i) EXPECT_EQ(d[3 + i].value, c.count[i]) << c.collected;
    }
    EXPECT_EQ(levels::StarsStopFrame(0), 5);
    EXPECT_EQ(levels::StarsStopFrame(7), 10);
    EXPECT_EQ(levels::StarsStopFrame(12), 10);
    EXPECT_EQ(levels::StarsStopFrame(13), 15);
    EXPECT_EQ(levels::StarsStopFrame(14), -1);
}

TEST_F(Menus, WinScreenStandsOverTheLevel) {
    for (bool second : {false, true}) {
        auto& level = levels::EnsureLevel(*registry);
        level = singleton::Level{};
        level.MaxTime = 360.0f;
        level.timeLeft = 245.7f;
        level.collected = 7;
        level.secondLevel = second;
        const Entity hud = registry->create();
        registry->add<component::HUD>(hud);
        registry->add<component::Graphics>(hud);
        physics::Active(*registry) = true;
        levels::WinScreen win;
        win.Initialize(*registry);
        EXPECT_FALSE(Visible(hud));
        EXPECT_FALSE(physics::Active(*registry));
        EXPECT_TRUE(registry->singletons.get<singleton::Level>().digitsFrozen);
        const Entity next = Button("WinScreenNextLevel");
        EXPECT_EQ(Visible(next), !second);

        // The stars run until the cell of two stars.
        Entity stars = NoEntity;
        for (Entity e : registry->view<component::SpriteSheet>())
            if (registry->get<component::SpriteSheet>(e).PlayAnim) stars = e;
        ASSERT_NE(stars, NoEntity);
        for (int frame = 0; frame < 300; ++frame) {
            util::AdvanceSprite(registry->get<component::SpriteSheet>(stars), 1.0f / 60.0f);
            win.Update(1.0f / 60.0f, *registry);
        }
        EXPECT_FALSE(registry->get<component::SpriteSheet>(stars).PlayAnim);
        EXPECT_EQ(registry->get<component::SpriteSheet>(stars).Index, 10);

        // Digits in list order read 5, 1, 1 (115 s taken) and 7, 0, in the screen's colour.
        std::vector<int> shown;
        for (Entity e : registry->view<component::SpriteSheet>())
            if (e != stars) shown.push_back(registry->get<component::SpriteSheet>(e).Index);
        EXPECT_EQ(shown, (std::vector<int>{5, 1, 1, 7, 0}));

        const std::string line = Click(win, next);
        EXPECT_EQ(line, second ? "" : "---------------  WinScreenNextLevel ---------------\n");
        EXPECT_TRUE(registry->singletons.get<singleton::Level>().secondLevel) << "toggled on the first level only";
        EXPECT_EQ(Next(), second ? 0 : LevelIndex::LoadingScreen);
        Click(win, Button("WinScreenCredits"));
        EXPECT_EQ(Next(), LevelIndex::Credits);
        win.Shutdown(*registry);
        registry->singletons.get<singleton::GameState>().nextLevel = 0;
    }
}

TEST_F(Menus, LoseScreenFadesInAndLeavesWithTheCursorHidden) {
    levels::LoseScreen lose;
    lose.Initialize(*registry);
    const Entity again = Button("LoseScreenPlayAgain");
    const float before = registry->get<component::Graphics>(again).Color.a;
    lose.Update(0.5f, *registry);
    EXPECT_FLOAT_EQ(registry->get<component::Graphics>(again).Color.a, before + 0.25f);
    EXPECT_EQ(Click(lose, again), "---------------  LoseScreenPlayAgain ---------------\n");
    EXPECT_EQ(Next(), LevelIndex::LoadingScreen);
    EXPECT_TRUE(levels::Cursor().hidden);
    lose.Shutdown(*registry);
}

TEST_F(Menus, CursorFollowsThePointerAndNeverTouchesAnotherScreensEntities) {
    levels::CreateCursor(*registry);
    const Entity cursor = levels::Cursor().entity;
    const glm::vec2 scale = Transform(cursor).Scale;
    levels::MoveWindowlessPointer(1440.0, 270.0);
    EXPECT_EQ(Transform(cursor).Translation, glm::vec2(0.5f + scale.x * 0.5f, 0.5f - scale.y * 0.5f));
    levels::MoveWindowlessPointer(-500.0, 5000.0);  // clamped to the window
    EXPECT_EQ(Transform(cursor).Translation, glm::vec2(-1.0f + scale.x * 0.5f, -1.0f - scale.y * 0.5f));
    levels::SetCursorHidden(*registry, true);
    EXPECT_FALSE(Visible(cursor));
    levels::MoveWindowlessPointer(960.0, 540.0);
    EXPECT_EQ(Transform(cursor).Translation.x, -1.0f + scale.x * 0.5f) << "a hidden cursor stays";
    levels::SetCursorHidden(*registry, false);

    // A switch clears the world without taking the cursor down; the next screen's entity reuses
    // the identifier. Moving the mouse must leave it alone.
    registry->clear();
    const Entity other = registry->create();
    ASSERT_EQ(other, cursor);
    registry->add<component::Transform>(other).Translation = {0.25f, 0.25f};
    levels::MoveWindowlessPointer(100.0, 100.0);
    EXPECT_EQ(Transform(other).Translation, glm::vec2(0.25f, 0.25f));
    levels::DestroyCursor(*registry);
    EXPECT_TRUE(registry->alive(other)) << "not the cursor any more";
    EXPECT_FALSE(levels::Cursor().active);
}

class PauseMenu : public Menus {
protected:
    singleton::PauseMenu& Menu() { return registry->singletons.get<singleton::PauseMenu>(); }
    std::size_t Alive() {
        std::size_t n = 0;
        for (Entity e = 0; e < registry->next(); ++e) n += registry->alive(e);
        return n;
    }
    void Escape(levels::PauseMenuController& pause) {
        Set(GLFW_KEY_ESCAPE, input::Pressed);
        pause.Frame(*registry, 0.016f);
        Set(GLFW_KEY_ESCAPE, input::Up);
    }
    void ClickPause(levels::PauseMenuController& pause, Entity e, float dt = 0.016f) {
        PointAt(e);
        Set(input::MouseLeft, input::Pressed);
        testing::internal::CaptureStdout();
        pause.Frame(*registry, dt);
        last = testing::internal::GetCapturedStdout();
        Set(input::MouseLeft, input::Up);
    }
    std::string last;
};

TEST_F(PauseMenu, EscapeOpensAndClosesWithTheSimulationStoppedAndTheVolumeDropped) {
    levels::CreatePauseMenu(*registry);
    levels::PauseMenuController pause;
    [[maybe_unused]] const Entity own = registry->create();  // the level's own entity
    const std::size_t before = Alive();
    for (float start : {0.0f, -3.0f}) {
        audio::SetGroupVolume(start, audio::Master);
        Escape(pause);
        EXPECT_TRUE(Menu().open);
        EXPECT_FALSE(physics::Active(*registry)) << "the timer and the player stand still";
        EXPECT_FLOAT_EQ(Master(), start - 0.2f);
        EXPECT_EQ(Menu().pages.size() + Menu().menuButtons.size() + Menu().exitItems.size() + Menu().optionsItems.size(), 19u);
        EXPECT_TRUE(Visible(Menu().pages[0]));
        EXPECT_FALSE(Visible(Menu().pages[1]));
        EXPECT_TRUE(Visible(Menu().menuButtons[0]));
        EXPECT_FALSE(levels::Cursor().hidden);
        Escape(pause);
        EXPECT_FALSE(Menu().open);
        EXPECT_TRUE(physics::Active(*registry));
        EXPECT_EQ(Master(), start) << "restored by exactly the drop";
        EXPECT_TRUE(levels::Cursor().hidden);
        EXPECT_EQ(Alive(), before + 1) << "the menu's entities are gone (the cursor stays, hidden)";
    }

    // Resume closes as Escape does: no hidden set is left behind to pile up.
    audio::SetGroupVolume(0.0f, audio::Master);
    for (int i = 0; i < 3; ++i) {
        Escape(pause);
        ClickPause(pause, Menu().menuButtons[0]);
        EXPECT_EQ(last, "--------------- PauseMenuResumeGame ---------------\n");
        EXPECT_FALSE(Menu().open);
        EXPECT_TRUE(physics::Active(*registry));
        EXPECT_EQ(Master(), 0.0f);
        EXPECT_EQ(Alive(), before + 1);
    }
    pause.Leave(*registry);
    EXPECT_FALSE(registry->singletons.has<singleton::PauseMenu>());
}

TEST_F(PauseMenu, FocusLossOpensOnceAndTheSoundSwitchSetsThePausedLevel) {
    levels::CreatePauseMenu(*registry);
    levels::PauseMenuController pause;
    pause.Frame(*registry, 0.016f);
    EXPECT_FALSE(Menu().open);
    input::WindowFocusCallback(nullptr, GLFW_FALSE);  // alt-tab away
    pause.Frame(*registry, 0.016f);
    EXPECT_TRUE(Menu().open);
    pause.Frame(*registry, 0.016f);
    EXPECT_TRUE(Menu().open) << "opened once, not toggled every frame";
    input::WindowFocusCallback(nullptr, GLFW_TRUE);
    pause.Frame(*registry, 0.016f);
    EXPECT_TRUE(Menu().open) << "coming back leaves it open";
    input::WindowIconifyCallback(nullptr, GLFW_TRUE);
    pause.Frame(*registry, 0.016f);
    EXPECT_TRUE(Menu().open) << "minimising an open menu does not close it";
    input::WindowIconifyCallback(nullptr, GLFW_FALSE);

    // Options, then the sound switch (hit through the "On" indicator).
    ClickPause(pause, Menu().menuButtons[1]);
    EXPECT_EQ(last, "--------------- PauseMenuOptionsButton ---------------\n");
    EXPECT_TRUE(Visible(Menu().pages[1]));
    EXPECT_TRUE(Visible(Menu().optionsItems[0]));
    EXPECT_TRUE(Visible(Menu().optionsItems[4]));
    EXPECT_FALSE(Visible(Menu().optionsItems[5]));
    const Entity on = Menu().optionsItems[4];
    ClickPause(pause, on);
    EXPECT_EQ(last, "--------------- Sound Off ---------------\n");
    EXPECT_FLOAT_EQ(Master(), -3.2f);
    EXPECT_TRUE(Visible(Menu().optionsItems[5]));
    EXPECT_FALSE(Visible(Menu().optionsItems[4]));
    Escape(pause);
    EXPECT_FLOAT_EQ(Master(), -3.0f) << "resuming leaves the game silent";
    Escape(pause);
    ClickPause(pause, Menu().menuButtons[1]);
    EXPECT_TRUE(Visible(Menu().optionsItems[5])) << "the Off indicator shows the state";
    ClickPause(pause, Menu().optionsItems[4]);
    EXPECT_EQ(last, "--------------- Sound on ---------------\n");
    EXPECT_FLOAT_EQ(Master(), -0.2f);

    // Exit page: No hides it, Main menu switches; the level's shutdown then closes the menu.
    ClickPause(pause, Menu().menuButtons[4]);
    EXPECT_TRUE(Visible(Menu().exitItems[0]));
    EXPECT_FALSE(Visible(Menu().optionsItems[0]));
    ClickPause(pause, Menu().exitItems[1]);
    EXPECT_FALSE(Visible(Menu().exitItems[0]));
    ClickPause(pause, Menu().menuButtons[4]);
    ClickPause(pause, Menu().exitItems[2]);
    EXPECT_EQ(last, "--------------- BackToMainMenu ---------------\n");
    EXPECT_EQ(Next(), LevelIndex::MainMenu);
    pause.Leave(*registry);
    EXPECT_TRUE(physics::Active(*registry));
    EXPECT_FLOAT_EQ(Master(), 0.0f);
}

// Start opens the menu with the highlight already on Resume; a page with buttons takes the highlight
// and east steps back out of it, then closes the menu; an unplugged gamepad pauses once.
TEST_F(PauseMenu, StartOpensWithTheHighlightEastStepsBackAndAnUnpluggedGamepadPausesOnce) {
    levels::CreatePauseMenu(*registry);
    levels::PauseMenuController pause;
    auto frame = [&] { pause.Frame(*registry, 0.016f); };
    using Names = std::vector<std::string>;
    frame();
    Tap(frame, input::PadStart);
    ASSERT_TRUE(Menu().open);
    EXPECT_TRUE(levels::Cursor().hidden);
    EXPECT_EQ(Highlighted(), Names{"PauseResume"});
    Tap(frame, input::PadDown);
    EXPECT_EQ(Tap(frame, input::PadSouth), "--------------- PauseMenuOptionsButton ---------------\n");
    frame();  // the page's buttons take the highlight from the next frame
    Names options;
    for (int i = 0; i < 4; ++i) {
        const Names now = Highlighted();
        options.insert(options.end(), now.begin(), now.end());
        Tap(frame, input::PadDown);
    }
    EXPECT_EQ(options, (Names{"PauseWindowSize0", "PauseWindowSize1", "PauseWindowSize2", "PauseVolume"}));
    EXPECT_EQ(Tap(frame, input::PadEast), "");
    EXPECT_FALSE(Visible(Menu().pages[1])) << "back from the options to the main page";
    EXPECT_TRUE(Menu().open);
    EXPECT_EQ(Tap(frame, input::PadEast), "--------------- PauseMenuResumeGame ---------------\n");
    EXPECT_FALSE(Menu().open);
    EXPECT_TRUE(physics::Active(*registry));

    // Unplugged during play: the menu opens once, and stays open when the gamepad returns.
    input::GamepadConnectionCallback(1);
    input::GamepadConnectionCallback(0);
    frame();
    EXPECT_TRUE(Menu().open);
    frame();
    EXPECT_TRUE(Menu().open);
    input::GamepadConnectionCallback(1);
    frame();
    EXPECT_TRUE(Menu().open);
    Tap(frame, input::PadStart);
    EXPECT_FALSE(Menu().open) << "Start closes it again";
    pause.Leave(*registry);

    // A gamepad lost while no level ran does not pause the next one.
    input::GamepadConnectionCallback(0);
    input::GamepadConnectionCallback(1);
    input::GamepadConnectionCallback(0);
    levels::CreatePauseMenu(*registry);
    frame();
    EXPECT_FALSE(Menu().open);
}

TEST_F(PauseMenu, CreditsScrollOnceShownForMoreThanOneSecondInTotal) {
    levels::CreatePauseMenu(*registry);
    levels::PauseMenuController pause;
    Escape(pause);
    auto creditsY = [&] { return Transform(Menu().pages[3]).Translation.y; };
    ClickPause(pause, Menu().menuButtons[3], 0.5f);
    EXPECT_EQ(last, "--------------- PauseMenuCredits ---------------\n");
    EXPECT_TRUE(Visible(Menu().pages[3]));
    EXPECT_FLOAT_EQ(creditsY(), -6.11f);
    pause.Frame(*registry, 0.4f);
    EXPECT_FLOAT_EQ(creditsY(), -6.11f) << "0.9 s shown";
    pause.Frame(*registry, 0.2f);
    EXPECT_FLOAT_EQ(creditsY(), -6.11f + 0.05f);
    ClickPause(pause, Menu().menuButtons[2]);  // controls: the credits page goes back to its start
    EXPECT_FLOAT_EQ(creditsY(), -6.11f);
    ClickPause(pause, Menu().menuButtons[3], 0.1f);
    EXPECT_FLOAT_EQ(creditsY(), -6.11f + 0.025f) << "a second visit scrolls at once";
    for (int i = 0; i < 100; ++i) pause.Frame(*registry, 0.5f);
    EXPECT_FALSE(Visible(Menu().pages[3])) << "ended at y 5, the main page alone again";
    EXPECT_TRUE(Visible(Menu().pages[0]));
    pause.Leave(*registry);
}

}  // namespace
}  // namespace velkor
