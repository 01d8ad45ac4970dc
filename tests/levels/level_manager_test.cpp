#include "levels/level_manager.hpp"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gameplay/input.hpp"
#include "gameplay/play_state.hpp"
#include "gameplay/player_behavior.hpp"
#include "platform/window.hpp"
#include "levels/play_level.hpp"

namespace velkor {
namespace {

// A level that writes every call into a shared journal, e.g. "0:Load", "3:Update".
class Recording final : public util::iLevel {
public:
    Recording(int index, std::vector<std::string>& journal) : index_(index), journal_(journal) {}
    void Load(Registry&) override { Note("Load"); }
    void Initialize(Registry&) override { Note("Initialize"); }
    void Update(float, Registry&) override { Note("Update"); }
    void Shutdown(Registry&) override { Note("Shutdown"); }
    void Unload(Registry&) override { Note("Unload"); }
    ~Recording() override { Note("Destroy"); }

private:
    void Note(const char* what) { journal_.push_back(std::to_string(index_) + ":" + what); }
    int index_;
    std::vector<std::string>& journal_;
};

class LevelManagerTest : public testing::Test {
protected:
    LevelManagerTest() : registry(std::make_unique<Registry>()) {
        manager.Init(*registry);
        auto& levels = State().levels;
        for (int i = 0; i < static_cast<int>(levels.size()); ++i) levels[i] = std::make_unique<Recording>(i, journal);
    }
    singleton::GameState& State() { return registry->singletons.get<singleton::GameState>(); }
    std::vector<std::string> Frame(float dt = 1.0f / 60.0f) {
        journal.clear();
        manager.Update(dt, *registry);
        return journal;
    }

    std::vector<std::string> journal;  // first: the levels write into it until the registry goes
    std::unique_ptr<Registry> registry;
    system::LevelManager manager;
};

using Calls = std::vector<std::string>;

TEST(LevelManagerInit, BuildsTwelveLevelsAndTheDefaultGameState) {
    auto registry = std::make_unique<Registry>();
    system::LevelManager manager;
    manager.Init(*registry);
    ASSERT_TRUE(registry->singletons.has<singleton::GameState>());
    const auto& state = registry->singletons.get<singleton::GameState>();
    EXPECT_EQ(state.levels.size(), 12u);
    for (const auto& level : state.levels) EXPECT_NE(level, nullptr);
    EXPECT_STREQ(levels::LevelName(levels::LevelIndex::Level1), "Level1");
    EXPECT_STREQ(levels::LevelName(levels::LevelIndex::Credits), "Credits");
    EXPECT_STREQ(levels::LevelName(levels::LevelIndex::Count), "?");
    EXPECT_STREQ(levels::LevelName(-1), "?");
    EXPECT_EQ(state.currentLevel, -1);
    EXPECT_EQ(state.previousLevel, -1);
    EXPECT_EQ(state.nextLevel, 0);
    EXPECT_EQ(state.switchDelay, 0.0f);
    EXPECT_FALSE(state.switchPending);
    EXPECT_EQ(state.pendingLevel, -1);
    manager.Shutdown(*registry);
    EXPECT_FALSE(registry->singletons.has<singleton::GameState>());
}

TEST_F(LevelManagerTest, FirstFrameLoadsInitializesAndUpdatesTheLogo) {
    EXPECT_EQ(Frame(), (Calls{"0:Load", "0:Initialize", "0:Update"}));
    EXPECT_EQ(State().currentLevel, 0);
    EXPECT_EQ(State().previousLevel, -1);
    EXPECT_EQ(Frame(), (Calls{"0:Update"}));
}

TEST_F(LevelManagerTest, SwitchRunsOldShutdownUnloadThenNewLoadInitializeUpdate) {
    Frame();
    levels::RequestLevel(*registry, 5);
    levels::RequestLevel(*registry, 3);  // several writes in one frame: the last wins
    EXPECT_EQ(Frame(), (Calls{"0:Shutdown", "0:Unload", "3:Load", "3:Initialize", "3:Update"}));
    EXPECT_EQ(State().currentLevel, 3);
    EXPECT_EQ(State().previousLevel, 0);
}

TEST_F(LevelManagerTest, WritingTheCurrentIndexDoesNothing) {
    Frame();
    levels::RequestLevel(*registry, 0);
    EXPECT_EQ(Frame(), (Calls{"0:Update"}));
    EXPECT_EQ(State().previousLevel, -1);
}

TEST_F(LevelManagerTest, DelayedSwitchFiresInTheFrameTheDelayRunsOut) {
    Frame();
    const float dt = 1.0f / 60.0f;
    levels::RequestLevelAfter(*registry, 7, 1.5f);
    // The frame in which the accumulated single-precision time reaches 1.5 s.
    int expected = 0;
    for (float left = 1.5f; left > 0.0f; left -= dt) ++expected;
    ASSERT_TRUE(expected == 90 || expected == 91);
    int frame = 0;
    Calls calls;
    do {
        calls = Frame(dt);
        ++frame;
    } while (State().currentLevel != 7 && frame < 200);
    EXPECT_EQ(frame, expected);
    EXPECT_EQ(calls, (Calls{"0:Shutdown", "0:Unload", "7:Load", "7:Initialize", "7:Update"}));
    EXPECT_FALSE(State().switchPending);
    EXPECT_EQ(State().pendingLevel, -1);
}

TEST_F(LevelManagerTest, AnImmediateSwitchEndsADelayedOneAndReArmingOverwritesIt) {
    Frame();
    levels::RequestLevelAfter(*registry, 7, 1.0f);
    Frame(0.5f);
    levels::RequestLevel(*registry, 5);
    Frame(0.25f);
    EXPECT_EQ(State().currentLevel, 5);
    EXPECT_FALSE(State().switchPending) << "carrying out a switch drops the one still armed";
    Frame(0.5f);
    EXPECT_EQ(State().currentLevel, 5);
    levels::RequestLevelAfter(*registry, 7, 1.0f);
    Frame(0.2f);
    levels::RequestLevelAfter(*registry, 8, 0.5f);
    Frame(0.3f);
    EXPECT_EQ(State().currentLevel, 5) << "the old delay would have run out here";
    Frame(0.3f);
    EXPECT_EQ(State().currentLevel, 8);
}

// The player's finish becomes the win screen in the manager's own frame, before its countdown, so
// that the delay runs from the frame the finish played out; repeated reports arm it once.
TEST_F(LevelManagerTest, TheFinishReportedByThePlayerLeadsToTheWinScreenAfterItsDelay) {
    Frame();
    util::ReportFinished(*registry);
    EXPECT_EQ(Frame(), Calls({"0:Update"}));
    EXPECT_EQ(State().pendingLevel, levels::LevelIndex::WinScreen);
    EXPECT_FLOAT_EQ(State().switchDelay, player::WinScreenDelay - 1.0f / 60.0f) << "counted down in the same frame";
    EXPECT_FALSE(util::TakeFinished(*registry)) << "the report was taken";
    const float armed = State().switchDelay;
    util::ReportFinished(*registry);
    Frame();
    EXPECT_FLOAT_EQ(State().switchDelay, armed - 1.0f / 60.0f) << "not re-armed";
    int frames = 2;  // since the first report
    while (State().currentLevel != levels::LevelIndex::WinScreen && frames < 100) util::ReportFinished(*registry), Frame(), ++frames;
    EXPECT_NEAR(frames, 36, 1) << "0.6 s at 60 frames a second";

    // Without a level manager's state the report is dropped, not kept for a later one.
    auto bare = std::make_unique<Registry>();
    util::ReportFinished(*bare);
    levels::ShowPlayOutcome(*bare);
    EXPECT_FALSE(util::TakeFinished(*bare));
}

TEST_F(LevelManagerTest, ShutdownDestroysLevelsWithoutShutdownOrUnload) {
    Frame();
    journal.clear();
    manager.Shutdown(*registry);
    ASSERT_EQ(journal.size(), 12u);
    for (const auto& call : journal) EXPECT_NE(call.find(":Destroy"), std::string::npos) << call;
}

// The real slots: what each screen does with the entities of the one before.
TEST(LevelSlots, PlayableEntitiesLiveOnUnderTheWinScreenUntilItIsLeft) {
    auto registry = std::make_unique<Registry>();
    // The menus ask for the window and the input table: present without a window, none opens.
    registry->singletons.set(singleton::Window{});
    registry->singletons.set(singleton::Input{});
    system::LevelManager manager;
    manager.Init(*registry);
    auto& state = registry->singletons.get<singleton::GameState>();
    state.nextLevel = levels::LevelIndex::Level1;
    manager.Update(0.016f, *registry);
    const Entity platform = registry->create();
    const auto generation = registry->generation(platform);

    levels::RequestLevel(*registry, levels::LevelIndex::WinScreen);
    manager.Update(0.016f, *registry);
    EXPECT_TRUE(registry->alive(platform)) << "the win screen is built on top of the finished level";

    levels::RequestLevel(*registry, levels::LevelIndex::MainMenu);
    manager.Update(0.016f, *registry);
    // Gone: the main menu's own entities may reuse the identifier, never the generation.
    EXPECT_NE(registry->generation(platform), generation);
    EXPECT_EQ(state.previousLevel, levels::LevelIndex::WinScreen);
    manager.Shutdown(*registry);
}

}  // namespace
}  // namespace velkor
