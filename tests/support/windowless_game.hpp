// A registry set up as the game's screens and levels expect the engine to be, without a window:
// the window, input, game-state and running records present, and the audio system on the
// null output. Tests of menus and levels derive their fixtures from it.
#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "audio/audio.hpp"
#include "engine/engine.hpp"
#include "gameplay/input.hpp"
#include "platform/window.hpp"
#include "levels/cursor.hpp"
#include "levels/level_manager.hpp"
#include "tests/audio/audio_output.hpp"

namespace velkor::test {

class WindowlessGame : public testing::Test {
protected:
    void SetUp() override {
        test::SelectAudioOutput("null");
        registry = std::make_unique<Registry>();
        auto& singletons = registry->singletons;
        singletons.set(singleton::Window{});  // present without a window: nothing opens one
        singletons.set(singleton::Input{});
        singletons.set(singleton::GameState{});
        singletons.set(singleton::Running{true});
        audioSystem.Init(*registry);
    }
    void TearDown() override {
        if (!registry) return;  // skipped before anything was set up
        levels::DestroyCursor(*registry);
        registry->clear();
        audioSystem.Shutdown(*registry);
        input::ResetBackend();
    }

    std::unique_ptr<Registry> registry;
    system::Audio audioSystem;
};

}  // namespace velkor::test
