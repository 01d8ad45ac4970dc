// Scene viewer: renders an entity group file or a Tiled map from Data/ with the real rendering systems.
//
//   velkor_scene_shot <group.json | map.json> [--shot out.png] [--frames N] [--camera-speed units/s]
//                     [--camera-x X] [--camera-y Y] [--scale s]
//
// With --shot it writes frame N (default 120) to a PNG and exits; without, it runs until the
// window is closed. The camera drifts right at --camera-speed so parallax and culling show.
// --scale sets the render scale (default: the renderer's own choice).
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/game.hpp"
#include "engine/engine.hpp"
#include "graphics/camera.hpp"
#include "gameplay/camera_follow.hpp"
#include "graphics/debug_draw.hpp"
#include "graphics/graphics.hpp"
#include "graphics/parallax.hpp"
#include "graphics/particles.hpp"
#include "gameplay/post_render.hpp"
#include "graphics/pre_render.hpp"
#include "graphics/sprite_sheet.hpp"
#include "platform/window.hpp"
#include "serialization/catalogue.hpp"
#include "levels/level_state.hpp"
#include "serialization/prefab.hpp"
#include "support/back_buffer_png.hpp"

namespace {

using namespace velkor;

// Moves the camera and, on the chosen frame, reads the finished back buffer before the swap.
class Director final : public system::iSystem {
public:
    Director(std::string shot, int frames, float speed) : shot_(std::move(shot)), frames_(frames), speed_(speed) {}
    void Init(Registry&) override {}
    void Shutdown(Registry&) override {}
    void Update(float dt, Registry& registry) override {
        registry.singletons.get<singleton::Camera>().Position.x += speed_ * dt;
        if (shot_.empty() || ++frame_ < frames_) return;
        test::WriteBackBufferPng(shot_);
        registry.singletons.get<singleton::Running>().Value = false;
    }

private:
    std::string shot_;
    int frames_;
    float speed_;
    int frame_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: velkor_scene_shot <group.json | map.json> [--shot out.png] [--frames N] [--camera-speed s] [--camera-x X] [--camera-y Y] [--scale s]\n";
        return 2;
    }
    std::string shot;
    int frames = 120;
    float speed = 0.0f;
    float scale = 0.0f;
    glm::vec2 at{0.0f, 0.0f};
    for (int i = 2; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--shot")) shot = argv[i + 1];
        else if (!std::strcmp(argv[i], "--frames")) frames = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--camera-speed")) speed = static_cast<float>(std::atof(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--scale")) scale = static_cast<float>(std::atof(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--camera-x")) at.x = static_cast<float>(std::atof(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--camera-y")) at.y = static_cast<float>(std::atof(argv[i + 1]));
    }

    FillComponentCatalogue();
    Engine::SystemList systems;
    systems.push_back(std::make_unique<system::CameraFollow>());
    systems.push_back(std::make_unique<system::Parallax>());
    systems.push_back(std::make_unique<system::PreRender>());
    systems.push_back(std::make_unique<system::SpriteSheet>());
    auto graphics = std::make_unique<system::Graphics>();
    system::Graphics* drawing = graphics.get();
    systems.push_back(std::move(graphics));
    systems.push_back(std::make_unique<system::Particles>());
    systems.push_back(std::make_unique<system::DebugDraw>());
    systems.push_back(std::make_unique<Director>(shot, frames, speed));
    systems.push_back(std::make_unique<system::PostRender>());
    auto engine = std::make_unique<Engine>(std::move(systems));
    engine->Init();
    if (scale > 0.0f) drawing->SetRenderScale(scale);
    auto& camera = engine->GetRegistry().singletons.get<singleton::Camera>();
    camera.ViewWidth = 19.2f;  // the first level's zoom 1.0
    camera.ViewHeight = 10.8f;
    camera.Position.x = at.x;
    camera.Position.y = at.y;
    const auto document = ReadJsonFile(argv[1]);
    if (document.IsObject() && document.HasMember("layers"))
        levels::LoadTiledMap(document, engine->GetRegistry());
    else
        CreateEntities(document, engine->GetRegistry());
    engine->Loop();
    engine->Shutdown();
    return 0;
}
