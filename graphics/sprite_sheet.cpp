#include "graphics/sprite_sheet.hpp"

#include "serialization/json_read.hpp"

namespace velkor::component {

void ReadSpriteSheet(SpriteSheet& sheet, const rapidjson::Value& json) {
    sheet.Dimensions = {1, 1};
    if (glm::vec2 dim; json::ReadVec2(json, "Dimensions", dim)) sheet.Dimensions = glm::ivec2(dim);
    sheet.Index = 0;
    json::ReadInt(json, "Index", sheet.Index);
    sheet.NumSprites = sheet.Dimensions.x * sheet.Dimensions.y - 1;
    json::ReadInt(json, "NumSprites", sheet.NumSprites);
    // Only a floating-point literal counts: "1" is not taken, "1.0" is.
    sheet.SecondsPerFrame = 0.0f;
    if (const auto* v = json::Find(json, "SecondsPerFrame"); v && v->IsDouble())
        sheet.SecondsPerFrame = static_cast<float>(v->GetDouble());
    const auto* play = json::Find(json, "PlayAnim");
    sheet.PlayAnim = play && play->IsBool() && play->GetBool();
    const auto* times = json::Find(json, "TimeVector");
    sheet.HasTimeVector = times && times->IsArray();
    if (sheet.HasTimeVector) {
        for (const auto& t : times->GetArray()) sheet.TimeVector.push_back(t.IsNumber() ? static_cast<float>(t.GetDouble()) : 0.0f);
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
