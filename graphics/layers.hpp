// The twelve draw layers: which entities each holds, in draw order, kept in step with the Graphics
// pool by two listeners.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "engine/registry.hpp"

namespace velkor::singleton {

inline constexpr int LayerCount = 12;
inline constexpr int DefaultLayer = 8;
inline constexpr std::array<std::string_view, LayerCount> LayerNames{
    "Parallax7", "Parallax6", "Parallax5", "Parallax4", "Parallax3", "Parallax2",
    "Parallax1", "Background", "Default",   "Foreground", "UI",       "Cursor"};

// Invariant: an entity with a Graphics component is in exactly the array of its Layer; the order
// inside an array is the draw order within the layer.
struct Layers {
    std::array<std::vector<Entity>, LayerCount> Entities;
    int addHook = -1;  // listener positions on the Graphics pool
    int removeHook = -1;
};

}  // namespace velkor::singleton

namespace velkor::util {

// Creates the layers once and hooks them to the Graphics pool; entities that already have a
// Graphics component are placed in their layers.
singleton::Layers& GetOrCreateLayers(Registry& registry);

// Layer index of a name, or -1 for an unknown name (exact, case-sensitive).
[[nodiscard]] int FindLayer(std::string_view name);

// Moves an entity between layers: swap-with-last removal from the old one, append to the new.
void MoveToLayer(Registry& registry, Entity e, int layer);

}  // namespace velkor::util
