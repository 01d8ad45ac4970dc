#include "graphics/camera_follow.hpp"

#include "engine/random.hpp"
#include "gameplay/input.hpp"
#include "gameplay/input_source.hpp"
#include "graphics/window.hpp"
#include "serialization/json_read.hpp"

namespace velkor::component {

void ReadCameraFollow(CameraFollow& follow, const rapidjson::Value& json) {
    json::ReadVec2(json, "Offset", follow.Offset);
    json::ReadFloat(json, "LERP", follow.LERP);
}

}  // namespace velkor::component

namespace velkor::util {

void FollowStepTowards(singleton::Camera& camera, glm::vec2 target, const component::CameraFollow& follow) {
    camera.Offset = follow.Offset;
    camera.LERP = follow.LERP;
    const float k = camera.LERP * FollowStep;
    camera.Position.x += (target.x + camera.Offset.x - camera.Position.x) * k;
    camera.Position.y += (target.y + camera.Offset.y - camera.Position.y) * k;
    camera.Rotation *= k;
}

}  // namespace velkor::util

namespace velkor::system {

void CameraFollow::InitHook(Registry& registry) {
    // The one seeding of the game's generator; particles and camera shake draw from it. The seed
    // comes from the input source: the clock in a normal run, the recorded value in a replay.
    util::SeedRandom(input::RandomSeed());
    util::CreateCamera(registry.singletons);
    window_ = util::GetOrCreateWindow(registry.singletons).window;
    (void)input::EnsureInput(registry);
}

void CameraFollow::UpdateHook(float, View& view) {
    Registry& registry = view.get_registry();
    auto& camera = registry.singletons.get<singleton::Camera>();
    for (const Entity e : view)
        util::FollowStepTowards(camera, registry.get<component::Transform>(e).Translation,
                                registry.get<component::CameraFollow>(e));
}

void CameraFollow::ShutdownHook(Registry& registry) {
    util::DestroyWindow(registry.singletons);
    window_ = nullptr;
    registry.singletons.remove<singleton::Camera>();
}

}  // namespace velkor::system
