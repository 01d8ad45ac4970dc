#include "graphics/sprite_sheet.hpp"

#include <algorithm>
#include <limits>
#include <string>

#include "engine/trace.hpp"
#include "serialization/json_read.hpp"

namespace velkor::component {

void ReadSpriteSheet(SpriteSheet& sheet, const rapidjson::Value& json) {
    sheet.Dimensions = {1, 1};
    if (const auto* dim = json::Find(json, "Dimensions"); dim && dim->IsArray() && dim->Size() >= 2) {
        glm::ivec2 cells{1, 1};
        bool read = true;
        for (int i = 0; i < 2; ++i) {
            const auto value = json::ToInteger<int>((*dim)[static_cast<rapidjson::SizeType>(i)]);
            read = read && value.has_value();
            if (value) cells[i] = std::clamp(*value, 0, MaxSheetCells);
            if (value && *value != cells[i]) Trace("Value of \"Dimensions\" cut to " + std::to_string(cells[i]) + "\n");
        }
        if (read)
            sheet.Dimensions = cells;
        else
            json::TraceOutOfRange("Dimensions");
    }
    sheet.Index = 0;
    json::ReadInt(json, "Index", sheet.Index);
    sheet.NumSprites = std::clamp(sheet.Dimensions.x * sheet.Dimensions.y - 1, -1, MaxSprites);
    json::ReadCount(json, "NumSprites", sheet.NumSprites, std::numeric_limits<int>::min(), MaxSprites);
    // Only a floating-point literal counts: "1" is not taken, "1.0" is.
    sheet.SecondsPerFrame = 0.0f;
    if (const auto* v = json::Find(json, "SecondsPerFrame"); v && v->IsDouble())
        sheet.SecondsPerFrame = json::ToFloat(*v).value_or(0.0f);
    sheet.PlayAnim = false;
    json::ReadFlag(json, "PlayAnim", sheet.PlayAnim);
    const auto* times = json::Find(json, "TimeVector");
    sheet.HasTimeVector = times && times->IsArray();
    if (sheet.HasTimeVector) {
        for (const auto& t : times->GetArray()) sheet.TimeVector.push_back(json::ToFloat(t).value_or(0.0f));
        while (static_cast<int>(sheet.TimeVector.size()) < sheet.NumSprites + 1) sheet.TimeVector.push_back(sheet.SecondsPerFrame);
    }
}

}  // namespace velkor::component

namespace velkor::util {

void AdvanceSprite(component::SpriteSheet& sheet, float dt) {
    if (!sheet.PlayAnim) return;
    sheet.Timer += dt;
    if (sheet.NumSprites < 1) return;
    auto step = [&] {
        sheet.Index += 1;
        if (sheet.Index >= sheet.NumSprites) sheet.Index -= sheet.NumSprites;
    };
    if (sheet.HasTimeVector) {
        const auto size = static_cast<int>(sheet.TimeVector.size());
        while (sheet.Index >= 0 && sheet.Index < size && sheet.TimeVector[sheet.Index] > 0.0f &&
               sheet.Timer > sheet.TimeVector[sheet.Index]) {
            sheet.Timer -= sheet.TimeVector[sheet.Index];
            step();
        }
    } else if (sheet.SecondsPerFrame > 0.0f) {
        while (sheet.Timer > sheet.SecondsPerFrame) {
            sheet.Timer -= sheet.SecondsPerFrame;
            step();
        }
    }
}

glm::vec2 SpriteCellOffset(int index, glm::ivec2 dimensions) {
    if (dimensions.x <= 0 || dimensions.y <= 0) return {0.0f, 0.0f};
    return {static_cast<float>(index % dimensions.x) / static_cast<float>(dimensions.x),
            static_cast<float>(index / dimensions.x) / static_cast<float>(dimensions.y)};
}

}  // namespace velkor::util

namespace velkor::system {

void SpriteSheet::InitHook(Registry&) {}

void SpriteSheet::UpdateHook(float dt, View& view) {
    view.each([this, dt](Entity, component::SpriteSheet& sheet, component::Graphics& g) {
        util::AdvanceSprite(sheet, dt);
        if (sheet.Index == sheet.UploadedIndex || sheet.Dimensions.x <= 0 || sheet.Dimensions.y <= 0) return;
        const glm::vec2 cell{1.0f / static_cast<float>(sheet.Dimensions.x), 1.0f / static_cast<float>(sheet.Dimensions.y)};
        vertices_.clear();
        indices_.clear();
        util::Graphics::AppendQuad(vertices_, indices_, {1.0f, 1.0f}, cell, {1.0f, 1.0f, 1.0f});
        util::Graphics::RefillMesh(g.Mesh, vertices_, indices_);
        g.TextureOffset = util::SpriteCellOffset(sheet.Index, sheet.Dimensions);
        sheet.UploadedIndex = sheet.Index;
    });
}

void SpriteSheet::ShutdownHook(Registry&) {}

}  // namespace velkor::system
