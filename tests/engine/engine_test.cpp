#include "engine/engine.hpp"

#include <algorithm>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <typeinfo>
#include <vector>

#include <gtest/gtest.h>

#include "app/game.hpp"
#include "audio/audio.hpp"
#include "gameplay/keyboard_input.hpp"
#include "gameplay/on_off_hazard.hpp"
#include "gameplay/player_death.hpp"
#include "graphics/graphics.hpp"
#include "gameplay/post_render.hpp"
#include "graphics/pre_render.hpp"
#include "levels/level_manager.hpp"
#include "serialization/transform.hpp"
#include "support/trace_capture.hpp"

namespace velkor {
namespace {

using Log = std::vector<std::string>;

// A system that records every call, and can be told to misbehave in its update.
class Probe final : public system::iSystem {
public:
    enum class Act { Nothing, StopRunning, ThrowStd, ThrowOther, SleepOnce };

    Probe(std::string name, Log& log, Act act = Act::Nothing, int act_on_frame = 0)
        : name_(std::move(name)), log_(log), act_(act), act_on_frame_(act_on_frame) {}

    void Init(Registry&) override { log_.push_back(name_ + ".init"); }
    void Update(float dt, Registry& reg) override {
        dts.push_back(dt);
        log_.push_back(name_ + ".update");
        if (frame_++ != act_on_frame_) return;
        switch (act_) {
            case Act::StopRunning: reg.singletons.get<singleton::Running>().Value = false; break;
            case Act::ThrowStd: throw std::runtime_error("boom in " + name_);
            case Act::ThrowOther: throw 42;
            case Act::SleepOnce: std::this_thread::sleep_for(std::chrono::milliseconds(60)); break;
            case Act::Nothing: break;
        }
    }
    void Shutdown(Registry& reg) override {
        log_.push_back(name_ + ".shutdown" + (reg.pool<component::Transform>().size() == 0 ? "(cleared)" : "(full)"));
    }
    ~Probe() override { log_.push_back(name_ + ".destroyed"); }

    std::vector<float> dts;

private:
    std::string name_;
    Log& log_;
    Act act_;
    int act_on_frame_;
    int frame_ = 0;
};

struct Rig {
    Log log;
    std::unique_ptr<Engine> engine;
    std::vector<Probe*> probes;

    explicit Rig(std::vector<std::pair<Probe::Act, int>> acts) {
        Engine::SystemList list;
        int i = 0;
        for (auto [act, frame] : acts) {
            std::string name = "s";
            name += std::to_string(i++);  // not "s" + ...: g++ 12 warns falsely (-Wrestrict) on that form
            auto probe = std::make_unique<Probe>(name, log, act, frame);
            probes.push_back(probe.get());
            list.push_back(std::move(probe));
        }
        engine = MakeGameEngine(std::move(list));
    }
    std::size_t Count(const std::string& entry) const { return std::count(log.begin(), log.end(), entry); }
};

TEST(Engine, PassesRunInListOrderAndShutdownFollowsTheClearedRegistry) {
    Rig rig({{Probe::Act::Nothing, 0}, {Probe::Act::StopRunning, 1}, {Probe::Act::Nothing, 0}});
    auto& reg = rig.engine->GetRegistry();
    const Entity e = reg.create();
    reg.add<component::Transform>(e);
    // A removal listener that runs during shutdown's clear must find every system still alive.
    bool systems_alive_during_clear = false;
    reg.pool<component::Transform>().connect_on_remove([&](Entity, component::Transform&) {
        systems_alive_during_clear = rig.Count("s0.destroyed") == 0 && rig.Count("s0.shutdown(cleared)") == 0;
    });

    test::TraceCapture trace;
    rig.engine->Init();
    rig.engine->Loop();
    rig.engine->Shutdown();
    rig.engine.reset();

    EXPECT_EQ(rig.log, (Log{"s0.init", "s1.init", "s2.init",
                            "s0.update", "s1.update", "s2.update",
                            "s0.update", "s1.update", "s2.update",  // s1 stops in frame 2; s2 still runs
                            "s0.shutdown(cleared)", "s1.shutdown(cleared)", "s2.shutdown(cleared)",
                            "s0.destroyed", "s1.destroyed", "s2.destroyed"}));
    EXPECT_TRUE(systems_alive_during_clear);
    // Shutdown first asks the audio layer to stop channel 0 and release the test sound; with no
    // audio system in this list there is no device and no such sound, which is only reported.
    EXPECT_EQ(trace.messages(), (std::vector<std::string>{"Engine init begin.\n", "Engine init end.\n",
                                                          "FMOD experienced an error: The sound system is not initialised.\n",
                                                          "Unrecognized filepath: Assets/SFX/test.wav\n",
                                                          "Engine shutdown begin.\n", "Engine shutdown end.\n"}));
}

TEST(Engine, InitMarksRunningAndCheckPointPresentAndShutdownKeepsThem) {
    Rig rig({{Probe::Act::StopRunning, 0}});
    auto& singletons = rig.engine->GetRegistry().singletons;
    singletons.get<singleton::CheckPoint>().RespawnPosition = {5.0f, 5.0f};
    rig.engine->Init();
    EXPECT_TRUE(singletons.has<singleton::Running>());
    EXPECT_TRUE(singletons.get<singleton::Running>().Value);
    EXPECT_TRUE(singletons.has<singleton::CheckPoint>());
    EXPECT_EQ(singletons.get<singleton::CheckPoint>().RespawnPosition, glm::vec2(0.0f, 0.0f));
    rig.engine->Loop();
    rig.engine->Shutdown();
    EXPECT_TRUE(singletons.has<singleton::Running>());
    EXPECT_FALSE(singletons.get<singleton::Running>().Value);
}

TEST(Engine, LoopWithoutInitRunsNoFrame) {
    Rig rig({{Probe::Act::Nothing, 0}});
    rig.engine->Loop();
    EXPECT_EQ(rig.Count("s0.update"), 0u);
    EXPECT_FALSE(rig.engine->GetRegistry().singletons.has<singleton::Running>());
}

TEST(Engine, AStallIsSimulatedWithTheCappedStep) {
    Rig rig({{Probe::Act::SleepOnce, 0}, {Probe::Act::StopRunning, 1}});
    rig.engine->Init();
    rig.engine->Loop();
    const auto& dts = rig.probes[0]->dts;
    ASSERT_EQ(dts.size(), 2u);
    EXPECT_LT(dts[0], MaxFrameTime);
    EXPECT_EQ(dts[1], 0.033333335f) << "a 60 ms frame is simulated as 1/30 s";
    EXPECT_EQ(rig.probes[1]->dts, dts) << "every system of a frame sees the same dt";
    rig.engine->Shutdown();
}

TEST(Engine, StandardExceptionEndsTheLoopWithItsMessage) {
    Rig rig({{Probe::Act::Nothing, 0}, {Probe::Act::ThrowStd, 2}, {Probe::Act::Nothing, 0}});
    rig.engine->Init();
    testing::internal::CaptureStderr();
    rig.engine->Loop();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Exception caught: boom in s1\n");
    rig.engine->Shutdown();
    EXPECT_EQ(rig.Count("s0.update"), 3u);
    EXPECT_EQ(rig.Count("s2.update"), 2u) << "the rest of the throwing frame does not run";
    EXPECT_EQ(rig.Count("s0.shutdown(cleared)"), 1u);
    EXPECT_EQ(rig.Count("s2.shutdown(cleared)"), 1u);
}

TEST(Engine, OtherExceptionsAreReportedAsUnknown) {
    Rig rig({{Probe::Act::ThrowOther, 0}, {Probe::Act::Nothing, 0}});
    rig.engine->Init();
    testing::internal::CaptureStderr();
    rig.engine->Loop();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Unknown Exception\n");
    rig.engine->Shutdown();
    EXPECT_EQ(rig.Count("s1.update"), 0u);
    EXPECT_EQ(rig.Count("s1.shutdown(cleared)"), 1u);
}

TEST(Engine, FrameGivesEverySystemTheSameStep) {
    Rig rig({{Probe::Act::Nothing, 0}, {Probe::Act::Nothing, 0}});
    rig.engine->Frame(0.25f);
    EXPECT_EQ(rig.probes[0]->dts, std::vector<float>{0.25f});
    EXPECT_EQ(rig.probes[1]->dts, std::vector<float>{0.25f});
}


TEST(Engine, TheGameListHasTheTwentyTwoSystemsInOrder) {
    const auto systems = MakeGameSystems();
    ASSERT_EQ(systems.size(), 22u);
    auto is = [&](std::size_t i, const std::type_info& type) { return typeid(*systems[i]) == type; };
    EXPECT_TRUE(is(0, typeid(system::KeyboardInput)));
    EXPECT_TRUE(is(3, typeid(system::PlayerDeath)));
    EXPECT_TRUE(is(7, typeid(system::PreRender)));
    EXPECT_TRUE(is(11, typeid(system::Graphics)));
    EXPECT_TRUE(is(16, typeid(system::PostRender)));
    EXPECT_TRUE(is(18, typeid(system::Audio)));
    EXPECT_TRUE(is(19, typeid(system::LevelManager)));
    EXPECT_TRUE(is(21, typeid(system::OnOffHazard)));
}

}  // namespace
}  // namespace velkor
