// Flips an entity's quad through the cells of a sprite-sheet texture.
#pragma once

#include <vector>

#include <glm/vec2.hpp>
#include <rapidjson/document.h>

#include "engine/system.hpp"
#include "graphics/components.hpp"
#include "serialization/transform.hpp"

namespace velkor::component {

// Limits for sheets read from data: more cells than any texture could show readably.
inline constexpr int MaxSheetCells = 1024;  // per axis
inline constexpr int MaxSprites = 65536;

struct SpriteSheet {
    int Index = 0;  // current cell, row by row from the top-left
    int UploadedIndex = -1;  // cell whose geometry is in the mesh; -1 before the first update
    int NumSprites = 0;  // cells the animation cycles through
    glm::ivec2 Dimensions{0, 0};  // columns, rows
    bool PlayAnim = false;
    float SecondsPerFrame = 0.0f;
    bool HasTimeVector = false;
    std::vector<float> TimeVector;  // seconds per cell, by Index
    float Timer = 0.0f;
};

void ReadSpriteSheet(SpriteSheet& sheet, const rapidjson::Value& json);

}  // namespace velkor::component

namespace velkor::util {

// Adds dt and steps through as many cells as the timer covers. A sheet that could never finish
// stepping (no cells, or a zero or negative time for the current cell) does not advance.
void AdvanceSprite(component::SpriteSheet& sheet, float dt);

// Texture offset of a cell: ((i mod columns) / columns, (i div columns) / rows).
[[nodiscard]] glm::vec2 SpriteCellOffset(int index, glm::ivec2 dimensions);

}  // namespace velkor::util

namespace velkor::system {

class SpriteSheet final : public System<std::tuple<component::SpriteSheet, component::Transform, component::Graphics>> {
protected:
    void InitHook(Registry& registry) override;
    void UpdateHook(float dt, View& view) override;
    void ShutdownHook(Registry& registry) override;

private:
    std::vector<util::Graphics::Vertex> vertices_;
    std::vector<unsigned> indices_;
};

}  // namespace velkor::system
