#include "gameplay/camera_follow.hpp"

#include "engine/random.hpp"
#include "gameplay/input.hpp"
#include "platform/input_source.hpp"
#include "platform/window.hpp"

namespace velkor::system {

void CameraFollow::InitHook(Registry& registry) {
    // The one seeding of the game's generator; particles and camera shake draw from it. The seed
    // comes from the input source: the clock in a normal run, the recorded value in a replay.
    util::SeedRandom(input::RandomSeed());
    util::CreateCamera(registry.singletons);
    (void)util::GetOrCreateWindow(registry.singletons);
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
    registry.singletons.remove<singleton::Camera>();
}

}  // namespace velkor::system
