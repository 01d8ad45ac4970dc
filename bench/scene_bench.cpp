// Scene benchmark: whole rendered frames on the real systems and the real window.
//
//   BM_Scene2000: 2,000 lit textured quads spread over the twelve layers and the view, 30 lights,
//                 two particle emitters (rain and haze).
//   BM_TestScene: the neon street of Data/TestScene/render_scene.json.
//   BM_Lights300: the street with 300 more lights in view.
//   BM_CityBackdrop: what the first level draws behind and over its course: Data/BackgroundTest.json
//                 with its traffic and rain, the camera on the street among the signs.
// Each at render scale 1 and at the renderer's automatic scale ("scale:0"). One iteration = one
// frame: clear, sprite sheets, graphics, particles, debug draw, swap + poll, then glFinish.
// "graphics_cpu_ms" is the CPU time of the Graphics update on the calling thread (our side of
// drawing plus the driver's work on that thread). "process_cpu_ms" is the CPU time of the whole
// process per frame, software rasteriser threads included: on a busy machine it moves far less
// than the wall-clock time and is the better before/after comparison.
// The same source builds against older engines (no render scale), to measure before and after.
// Needs an X display (run under Xvfb for the software-rendering numbers in bench/README.md).
#include <ctime>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <random>
#include <streambuf>
#include <string>

#include <benchmark/benchmark.h>
#include <glad/gl.h>

#include "app/game.hpp"
#include "engine/engine.hpp"
#include "graphics/camera.hpp"
#include "graphics/debug_draw.hpp"
#include "graphics/graphics.hpp"
#include "graphics/particles.hpp"
#include "gameplay/post_render.hpp"
#include "graphics/pre_render.hpp"
#include "graphics/sprite_sheet.hpp"
#include "serialization/catalogue.hpp"
#include "serialization/prefab.hpp"

namespace {

using namespace velkor;

double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

double ProcessSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

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
    double graphicsSeconds = 0.0;
    void Frame(bool draw = true) {
        for (auto& s : systems) {
            if (!draw && s.get() == graphics) continue;
            if (s.get() != graphics) {
                s->Update(1.0f / 60.0f, registry);
                continue;
            }
            const double start = ThreadSeconds();
            s->Update(1.0f / 60.0f, registry);
            graphicsSeconds += ThreadSeconds() - start;
        }
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
// an empty registry and the camera at the origin.
Scene& Shared() {
    static Scene* scene = new Scene();  // lives until exit
    scene->registry.clear();
    scene->registry.singletons.get<singleton::Camera>().Position = {0.0f, 0.0f};
    return *scene;
}

// 0 keeps the renderer's own choice; engines without a render scale always draw at 1.
template <class G>
void SetScale(G& graphics, float scale) {
    if constexpr (requires { graphics.SetRenderScale(scale); }) {
        static const float automatic = graphics.RenderScale();
        graphics.SetRenderScale(scale > 0.0f ? scale : automatic);
    }
}

template <class G>
float ScaleOf(const G& graphics) {
    if constexpr (requires { graphics.RenderScale(); }) return graphics.RenderScale();
    return 1.0f;
}

void RunFrames(benchmark::State& state, Scene& scene, float scale = 1.0f) {
    SetScale(*scene.graphics, scale);
    for (int i = 0; i < 70; ++i) scene.Frame(false);  // the rain reaches its steady state, undrawn
    scene.Frame();
    glFinish();
    scene.graphicsSeconds = 0.0;
    const double processStart = ProcessSeconds();
    for (auto _ : state) {
        scene.Frame();
        glFinish();
    }
    const double frames = static_cast<double>(state.iterations());
    state.counters["process_cpu_ms"] = 1000.0 * (ProcessSeconds() - processStart) / frames;
    state.counters["scale"] = ScaleOf(*scene.graphics);
    state.counters["graphics_cpu_ms"] = 1000.0 * scene.graphicsSeconds / frames;
    state.counters["draw_calls"] = scene.graphics->DrawCalls();
    state.counters["lights"] = scene.graphics->LightCount();
    if constexpr (requires { scene.graphics->OccluderDrawCalls(); }) {
        state.counters["occluder_draws"] = scene.graphics->OccluderDrawCalls();
        state.counters["lightmap_kpx"] = static_cast<double>(scene.graphics->LightMapPixels()) / 1000.0;
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

float ScaleArgument(const benchmark::State& state) { return static_cast<float>(state.range(0)) / 100.0f; }

void BM_Scene2000(benchmark::State& state) {
    Scene& scene = Shared();
    Populate2000(scene);
    RunFrames(state, scene, ScaleArgument(state));
}
BENCHMARK(BM_Scene2000)->ArgName("scale")->Arg(100)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

void BM_TestScene(benchmark::State& state) {
    Scene& scene = Shared();
    CreateEntities(ReadJsonFile("Data/TestScene/render_scene.json"), scene.registry);
    RunFrames(state, scene, ScaleArgument(state));
}
BENCHMARK(BM_TestScene)->ArgName("scale")->Arg(100)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

const char* CityParticles[] = {"Data/Particles/particlesCar_Layer1.json", "Data/Particles/particlesCar_Layer2.json",
                               "Data/Particles/particlesCar_Layer2_02.json", "Data/Particles/particlesCar_Layer3.json",
                               "Data/Particles/particlesCar_Layer4.json", "Data/Particles/particlesRain.json"};

void BM_CityBackdrop(benchmark::State& state) {
    Scene& scene = Shared();
    for (const char* path : CityParticles) CreateEntity(ReadJsonFile(path), scene.registry);
    CreateEntities(ReadJsonFile("Data/BackgroundTest.json"), scene.registry);
    // By a sign, with the street glow lights on either side in view, as the player sees most of the course.
    scene.registry.singletons.get<singleton::Camera>().Position = {30.0f, 11.5f};
    RunFrames(state, scene, ScaleArgument(state));
}
BENCHMARK(BM_CityBackdrop)->ArgName("scale")->Arg(100)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

// Beyond a hundred lights every frame prints "TOO MANY LIGHTS" 200 times: kept out of the output.
void BM_Lights300(benchmark::State& state) {
    Scene& scene = Shared();
    CreateEntities(ReadJsonFile("Data/TestScene/render_scene.json"), scene.registry);
    std::mt19937 rng(99);
    std::uniform_real_distribution<float> x(-9.4f, 9.4f), y(-5.2f, 5.2f), reach(0.6f, 1.8f), hue(0.2f, 1.0f);
    for (int i = 0; i < 300; ++i)
        scene.Create(R"({"Transform":{"Translation":[)" + std::to_string(x(rng)) + "," + std::to_string(y(rng)) +
                     R"(]},"Light":{"InnerRadius":0.1,"OuterRadius":)" + std::to_string(reach(rng)) +
                     R"(,"Strength":0.5,"Color":[)" + std::to_string(hue(rng)) + "," + std::to_string(hue(rng)) + "," +
                     std::to_string(hue(rng)) + "]}}");
    struct : std::streambuf {
        int overflow(int c) override { return c; }
    } discard;
    auto* previous = std::cout.rdbuf(&discard);
    RunFrames(state, scene, ScaleArgument(state));
    std::cout.rdbuf(previous);
}
BENCHMARK(BM_Lights300)->ArgName("scale")->Arg(100)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

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
