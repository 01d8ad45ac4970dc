#include "graphics/layers.hpp"

#include <algorithm>

#include "graphics/components.hpp"

namespace velkor::util {

namespace {

void RemoveFromLayer(singleton::Layers& layers, Entity e, int layer) {
    if (layer < 0 || layer >= singleton::LayerCount) return;
    auto& list = layers.Entities[layer];
    auto it = std::find(list.begin(), list.end(), e);
    if (it == list.end()) return;
    *it = list.back();
    list.pop_back();
}

void AppendToLayer(singleton::Layers& layers, Entity e, int layer) {
    if (layer < 0 || layer >= singleton::LayerCount) return;
    layers.Entities[layer].push_back(e);
}

}  // namespace

int FindLayer(std::string_view name) {
    for (int i = 0; i < singleton::LayerCount; ++i)
        if (singleton::LayerNames[i] == name) return i;
    return -1;
}

singleton::Layers& GetOrCreateLayers(Registry& registry) {
    auto& singletons = registry.singletons;
    auto& layers = singletons.get<singleton::Layers>();
    if (singletons.has<singleton::Layers>()) return layers;

    auto& pool = registry.pool<component::Graphics>();
    // A second creation (after a shutdown dropped the singleton) must not hook twice.
    pool.disconnect_on_add(layers.addHook);
    pool.disconnect_on_remove(layers.removeHook);
    for (auto& list : layers.Entities) list.clear();
    Registry* owner = &registry;
    layers.addHook = pool.connect_on_add([owner](Entity e, component::Graphics& g) {
        AppendToLayer(owner->singletons.get<singleton::Layers>(), e, g.Layer);
    });
    layers.removeHook = pool.connect_on_remove([owner](Entity e, component::Graphics& g) {
        RemoveFromLayer(owner->singletons.get<singleton::Layers>(), e, g.Layer);
        component::ReleaseGraphicsObjects(g);
    });
    const auto& owners = pool.entities();
    for (std::size_t i = 0; i < owners.size(); ++i) AppendToLayer(layers, owners[i], pool.components()[i].Layer);
    singletons.mark_present<singleton::Layers>();
    return layers;
}

void MoveToLayer(Registry& registry, Entity e, int layer) {
    auto& layers = GetOrCreateLayers(registry);
    auto& g = registry.get<component::Graphics>(e);
    RemoveFromLayer(layers, e, g.Layer);
    g.Layer = layer;
    AppendToLayer(layers, e, layer);
}

}  // namespace velkor::util
