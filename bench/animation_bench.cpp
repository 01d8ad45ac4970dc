// Per-frame cost of the Animation system over 50 copies of the player skeleton: advance the
// tracks, pose, world transforms, and build each entity's mesh lists.
//
//   BM_Animation50: CPU only (no GL context: meshes are assembled but not uploaded).
//   BM_Animation50Upload: the same with the real window, each mesh re-uploaded every frame.
//                         Registered only when a display is there (run under Xvfb).
// The copies play all seven animations, and every tenth frame a fifth of them switch between
// "run" and "idle", so cross-fades are always in progress somewhere.
//   BM_Showcase50: 50 copies of the showcase sentry (two IK legs, a transform constraint, a path
//                  with deform keys, a clipping mask) playing "walk", "idle" and "aim", a fifth of
//                  them switching between "walk" and "idle" every tenth frame; CPU only.
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "animation/animation.hpp"
#include "app/game.hpp"
#include "graphics/graphics.hpp"
#include "serialization/prefab.hpp"

namespace {

using namespace velkor;

constexpr int Copies = 50;

struct Character {
    const char* prefab;
    std::vector<const char*> names;
    const char* moving;  // the two the switching fifth alternates between
    const char* resting;
};

const Character Player{R"({"Transform": {"Scale": [1.4, 1.4]}, "Animation": {"Atlas": "Assets/Animations/Player/player.atlas",
    "Json": "Assets/Animations/Player/player.json", "Data": "Data/Animations/Player.json"}})",
                       {"idle", "run", "jump/jump_idle", "jump/jump_apex", "dead", "dash", "finish"}, "run", "idle"};
const Character Showcase{R"({"Transform": {"Scale": [1.4, 1.4]}, "Animation": {"Atlas": "Assets/Animations/Showcase/showcase.atlas",
    "Json": "Assets/Animations/Showcase/showcase.json", "Data": "Data/Animations/Showcase.json"}})",
                         {"walk", "idle", "aim"}, "walk", "idle"};

struct Crowd {
    Registry registry;
    system::Graphics graphics;
    system::Animation animation;
    const Character& character;
    bool window;
    int frame = 0;

    explicit Crowd(bool withWindow, const Character& who = Player) : character(who), window(withWindow) {
        if (window) graphics.Init(registry);
        animation.Init(registry);
        rapidjson::Document prefab;
        prefab.Parse(character.prefab);
        for (int i = 0; i < Copies; ++i) {
            const Entity e = CreateEntity(prefab, registry);
            util::Animation::Play(registry.get<component::Animation>(e), character.names[i % character.names.size()], true);
        }
    }
    ~Crowd() {
        registry.clear();
        animation.Shutdown(registry);
        if (window) graphics.Shutdown(registry);
    }
    void Frame() {
        if (++frame % 10 == 0) {
            auto& pool = registry.pool<component::Animation>();
            for (std::size_t i = static_cast<std::size_t>(frame / 10 % 5); i < pool.size(); i += 5)
                util::Animation::Play(pool.components()[i], frame / 10 % 2 ? character.moving : character.resting, true);
        }
        animation.Update(1.0f / 60.0f, registry);
    }
};

void Run(benchmark::State& state, Crowd& crowd) {
    for (int i = 0; i < 60; ++i) crowd.Frame();  // scratch storage and meshes at full size
    for (auto _ : state) crowd.Frame();
    state.counters["vertices"] = static_cast<double>(crowd.animation.LastMesh().vertices.size());
    state.SetItemsProcessed(state.iterations() * Copies);
}

void BM_Animation50(benchmark::State& state) {
    FillComponentCatalogue();
    Crowd crowd(false);
    Run(state, crowd);
}
BENCHMARK(BM_Animation50)->Unit(benchmark::kMicrosecond);

void BM_Showcase50(benchmark::State& state) {
    FillComponentCatalogue();
    Crowd crowd(false, Showcase);
    Run(state, crowd);
}
BENCHMARK(BM_Showcase50)->Unit(benchmark::kMicrosecond);

// One window for the whole process: GLFW does not come back after a terminate on every system.
void BM_Animation50Upload(benchmark::State& state) {
    FillComponentCatalogue();
    static Crowd crowd(true);
    Run(state, crowd);
}

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("DISPLAY"))
        benchmark::RegisterBenchmark("BM_Animation50Upload", BM_Animation50Upload)->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
