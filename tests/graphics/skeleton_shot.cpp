// Skeleton viewer: draws one skeleton in a row of poses with the real Animation and Graphics
// systems and writes the picture to a PNG. For looking at animations frame by frame.
//
//   velkor_skeleton_shot <atlas> <json> <data> <out.png> <animation@seconds> [animation@seconds ...]
//
// Each pose is the skeleton `seconds` into the animation (played from its start, looping), drawn
// 1.4 units tall, side by side from the left of the view, on a ground line.
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "animation/animation.hpp"
#include "app/game.hpp"
#include "engine/engine.hpp"
#include "graphics/camera.hpp"
#include "graphics/graphics.hpp"
#include "gameplay/post_render.hpp"
#include "graphics/pre_render.hpp"
#include "platform/window.hpp"
#include "serialization/prefab.hpp"
#include "support/back_buffer_png.hpp"

namespace {

using namespace velkor;

// Reads the finished back buffer before the swap.
class Capture final : public system::iSystem {
public:
    explicit Capture(std::string path) : path_(std::move(path)) {}
    void Init(Registry&) override {}
    void Shutdown(Registry&) override {}
    void Update(float, Registry&) override {
        if (!armed) return;
        test::WriteBackBufferPng(path_);
    }
    bool armed = false;

private:
    std::string path_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 6) {
        std::cerr << "usage: velkor_skeleton_shot <atlas> <json> <data> <out.png> <animation@seconds>...\n";
        return 2;
    }
    FillComponentCatalogue();
    Engine::SystemList systems;
    systems.push_back(std::make_unique<system::PreRender>());
    systems.push_back(std::make_unique<system::Animation>());
    systems.push_back(std::make_unique<system::Graphics>());
    auto capture = std::make_unique<Capture>(argv[4]);
    Capture* shot = capture.get();
    systems.push_back(std::move(capture));
    systems.push_back(std::make_unique<system::PostRender>());
    auto engine = std::make_unique<Engine>(std::move(systems));
    engine->Init();
    Registry& registry = engine->GetRegistry();
    auto& camera = registry.singletons.get<singleton::Camera>();
    const int poses = argc - 5;
    camera.ViewWidth = 1.6f * static_cast<float>(poses) + 0.4f;
    camera.ViewHeight = camera.ViewWidth * 9.0f / 16.0f;
    camera.Position = {camera.ViewWidth / 2 - 0.2f, 0.4f};

    const std::string prefab = std::string(R"({"Transform": {"Scale": [1.4, 1.4]}, "Animation": {"Atlas": ")") + argv[1] +
                               R"(", "Json": ")" + argv[2] + R"(", "Data": ")" + argv[3] + R"("}})";
    rapidjson::Document document;
    document.Parse(prefab.c_str());
    for (int i = 0; i < poses; ++i) {
        const std::string spec = argv[5 + i];
        const auto at = spec.find('@');
        const std::string name = spec.substr(0, at);
        const float seconds = at == std::string::npos ? 0.0f : std::strtof(spec.c_str() + at + 1, nullptr);
        const Entity e = CreateEntity(document, registry);
        auto& transform = registry.get<component::Transform>(e);
        transform.Translation = {0.8f + 1.6f * static_cast<float>(i), 0.0f};
        transform.Dirty = true;
        auto& animation = registry.get<component::Animation>(e);
        if (!util::Animation::Play(animation, name, true)) std::cerr << "no animation " << name << "\n";
        if (animation.state) animation.state->Update(seconds);
    }
    // A ground line under the feet.
    rapidjson::Document ground;
    ground.Parse(R"({"Transform": {"Translation": [0, -0.72], "Scale": [400, 0.04]}, "Graphics": {"SolidColor": [90, 90, 120, 255]}})");
    CreateEntity(ground, registry);

    engine->Frame(0.0f);
    shot->armed = true;
    engine->Frame(0.0f);
    engine->Shutdown();
    return 0;
}
