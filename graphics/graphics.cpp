#include "graphics/graphics.hpp"

#include "graphics/camera.hpp"
#include "graphics/layers.hpp"
#include "graphics/mesh.hpp"
#include "graphics/texture.hpp"
#include "platform/window.hpp"

namespace velkor::system {

void Graphics::Init(Registry& registry) {
    auto& singletons = registry.singletons;
    util::GetOrCreateWindow(singletons);
    singletons.mark_present<singleton::Texture>();
    util::CreateCamera(singletons);
    util::GetOrCreateLayers(registry);
    renderer_.Init();
}

void Graphics::Update(float, Registry& registry) {
    util::GatherFrame(registry, frame_);
    renderer_.Draw(frame_);
}

void Graphics::Shutdown(Registry& registry) {
    auto& singletons = registry.singletons;
    renderer_.Shutdown();
    // Its names go with the window's context, which the entry function closes after the shutdown.
    singletons.get<singleton::MeshCache>().meshes.clear();
    singletons.remove<singleton::Texture>();
    singletons.remove<singleton::Camera>();
    singletons.remove<singleton::Layers>();
}

}  // namespace velkor::system
