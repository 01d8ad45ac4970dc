// Scene benchmark: whole rendered frames on the real systems and the real window.
//
//   BM_Scene2000: 2,000 lit textured quads spread over the twelve layers and the view, 30 lights,
//                 two particle emitters (rain and haze).
//   BM_TestScene: the neon street of Data/TestScene/render_scene.json.
// One iteration = one frame: clear, sprite sheets, graphics, particles, debug draw, swap + poll.
// Needs an X display (run under Xvfb for the software-rendering numbers in bench/README.md).
#include <cstdlib>
#include <iostream>
#include <memory>
#include <random>
#include <string>

#include <benchmark/benchmark.h>
#include <glad/gl.h>

#include "app/game.hpp"
#include "engine/engine.hpp"
#include "graphics/camera.hpp"
#include "graphics/debug_draw.hpp"
#include "graphics/graphics.hpp"
#include "graphics/particles.hpp"
#include "graphics/post_render.hpp"
#include "graphics/pre_render.hpp"
#include "graphics/sprite_sheet.hpp"
#include "serialization/catalogue.hpp"
#include "serialization/prefab.hpp"

namespace {

using namespace velkor;

struct Scene {
    Registry registry;
    std::vector<std::unique_ptr<system::iSystem>> systems;
    system::Graphics* graphics = nullptr;

    Scene() {
        systems.push_back(std::make_unique<system::PreRender>());
        systems.push_back(std::make_unique<system::SpriteSheet>());
        auto g = std::make_unique<system::Graphics>();
        graphics = g.get();
        systems.push_back(std::move(g));
        systems.push_back(std::make_unique<system::Particles>());
        systems.push_back(std::make_unique<system::DebugDraw>());
        systems.push_back(std::make_unique<system::PostRender>());
        for (auto& s : systems) s->Init(registry);
        auto& camera = registry.singletons.get<singleton::Camera>();
        camera.ViewWidth = 19.2f;
        camera.ViewHeight = 10.8f;
    }
    ~Scene() {
        registry.clear();
        for (auto& s : systems) s->Shutdown(registry);
    }
    void Frame() {
        for (auto& s : systems) s->Update(1.0f / 60.0f, registry);
    }
    void Create(const std::string& json) {
        rapidjson::Document d;
        d.Parse(json.c_str());
        CreateEntity(d, registry);
    }
};

const char* Textures[] = {"Assets/Images/TestScene/crate.png", "Assets/Images/TestScene/street.png",
                          "Assets/Images/TestScene/storefront.png", "Assets/Images/TestScene/glow.png"};

void Populate2000(Scene& scene) {
    std::mt19937 rng(1234);
    std::uniform_real_distribution<float> x(-9.0f, 9.0f), y(-5.0f, 5.0f), size(0.5f, 1.5f), hue(0.2f, 1.0f);
    for (int i = 0; i < 2000; ++i) {
        const int layer = i % singleton::LayerCount;
        scene.Create(R"({"Transform":{"Translation":[)" + std::to_string(x(rng)) + "," + std::to_string(y(rng)) +
                     R"(],"Scale":[)" + std::to_string(size(rng)) + "," + std::to_string(size(rng)) +
                     R"(]},"Graphics":{"Texture":")" + Textures[i % 4] + R"(","Layer":")" +
                     std::string(singleton::LayerNames[layer]) + R"("}})");
    }
    for (int i = 0; i < 30; ++i)
        scene.Create(R"({"Transform":{"Translation":[)" + std::to_string(x(rng)) + "," + std::to_string(y(rng)) +
                     R"(]},"Light":{"InnerRadius":0.3,"OuterRadius":3.5,"Strength":0.8,"Color":[)" +
                     std::to_string(hue(rng)) + "," + std::to_string(hue(rng)) + "," + std::to_string(hue(rng)) +
                     R"(],"IsSpotlight":)" + (i % 3 == 0 ? "true,\"MinAngle\":240,\"MaxAngle\":300" : "false") + "}}");
    scene.Create(R"({"Transform":{"Scale":[0.1,0.25]},"Graphics":{"Locked":true,"Layer":"Foreground",
        "Texture":"Assets/Images/TestScene/rain.png","Color":[0.7,0.85,1,0.5]},
        "Particles":{"NumberOfParticles":5,"Burst":true,"TimePerParticle":0.016,"LifeTime":1.1,"PositionOffset":38,
        "AngleStart":-1.87,"AngleEnd":-1.27,"Speed":[12,16],"Position":[0,44]}})");
    scene.Create(R"({"Transform":{},"Graphics":{"Texture":"Assets/Images/TestScene/glow.png","Color":[1,0.75,0.9,0.14]},
        "Particles":{"TimePerParticle":0.06,"LifeTime":2.6,"PositionOffset":0.1,"AngleStart":1.12,"AngleEnd":2.02,
        "Speed":[0.5,1.1],"Acceleration":[0.3,0.4],"Position":[1.6,-3.3]}})");
}

// One window for the whole run, as in the game (a second GLFW initialisation in the same process
// after a full-screen window lost focus has been seen to fail on Xvfb). Each benchmark starts from
// an empty registry.
Scene& Shared() {
    static Scene* scene = new Scene();  // lives until exit
    scene->registry.clear();
    return *scene;
}

void RunFrames(benchmark::State& state, Scene& scene) {
    for (int i = 0; i < 70; ++i) scene.Frame();  // the rain reaches its steady state
    glFinish();
    for (auto _ : state) {
        scene.Frame();
        glFinish();
    }
    state.counters["draw_calls"] = scene.graphics->DrawCalls();
    state.counters["lights"] = scene.graphics->LightCount();
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_Scene2000(benchmark::State& state) {
    Scene& scene = Shared();
    Populate2000(scene);
    RunFrames(state, scene);
}
BENCHMARK(BM_Scene2000)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

void BM_TestScene(benchmark::State& state) {
    Scene& scene = Shared();
    CreateEntities(ReadJsonFile("Data/TestScene/render_scene.json"), scene.registry);
    RunFrames(state, scene);
}
BENCHMARK(BM_TestScene)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

// Where a frame's time goes: the fixed cost (clear, swap), then full-screen fill per program.
void BM_EmptyFrame(benchmark::State& state) {
    RunFrames(state, Shared());
}
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FullScreenQuads(benchmark::State& state) {
    const bool lit = state.range(0) != 0;
    const int lights = static_cast<int>(state.range(1));
    Scene& scene = Shared();
    for (int i = 0; i < 4; ++i)
        scene.Create(std::string(R"({"Transform":{"Scale":[19.2,10.8]},"Graphics":{"Texture":"Assets/Images/TestScene/crate.png","DoLight":)") +
                     (lit ? "true" : "false") + "}}");
    for (int i = 0; i < lights; ++i)
        scene.Create(R"({"Transform":{"Translation":[)" + std::to_string(-8.0f + i) + R"(,0]},"Light":{"OuterRadius":3}})");
    RunFrames(state, scene);
}
BENCHMARK(BM_FullScreenQuads)->ArgNames({"lit", "lights"})->Args({0, 0})->Args({1, 0})->Args({1, 8})->Args({1, 30})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY")) {
        std::cerr << "scene_bench needs an X display (e.g. Xvfb :91 -screen 0 1920x1080x24 & DISPLAY=:91)\n";
        return 1;
    }
    FillComponentCatalogue();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
