#include "graphics/components.hpp"

#include <limits>
#include <string>
#include <vector>

#include <glad/gl.h>

#include "platform/window.hpp"
#include "serialization/json_read.hpp"
#include "serialization/content_rules.hpp"

namespace velkor::component {

namespace {

float NumberAt(const rapidjson::Value& array, rapidjson::SizeType i) {
    return i < array.Size() ? json::ToFloat(array[i]).value_or(0.0f) : 0.0f;
}

util::Graphics::Mesh ReadMesh(const rapidjson::Value& json, Graphics& g, singleton::MeshCache& cache) {
    using util::Graphics::Vertex;
    glm::vec2 cell{1.0f, 1.0f}, size{1.0f, 1.0f};
    glm::vec3 color{1.0f, 1.0f, 1.0f};
    json::ReadVec2(json, "UVSize", cell);
    json::ReadVec2(json, "Size", size);
    if (const auto* sheet = json::Find(json, "SpriteSheet"); sheet && sheet->IsObject()) {
        glm::vec2 dim;
        if (json::ReadVec2(*sheet, "Dim", dim)) {
            cell = {1.0f / dim.x, 1.0f / dim.y};
            glm::vec2 sprite;
            if (json::ReadVec2(*sheet, "Sprite", sprite)) g.TextureOffset = sprite * cell;
            bool zone = true;
            json::ReadFlag(*sheet, "UseBufferZone", zone);
            if (zone) {
                // Sample a hair inside the cell so linear filtering never bleeds in a neighbour.
                g.TextureOffset += glm::vec2(0.00005f);
                cell -= glm::vec2(0.0001f);
            }
        }
    }
    json::ReadVec3(json, "Color", color);

    std::vector<Vertex> vertices;
    std::vector<unsigned> indices;
    if (const auto* array = json::Find(json, "VertexArray"); array && array->IsArray()) {
        for (const auto& v : array->GetArray()) {
            if (!v.IsArray()) continue;
            vertices.push_back({{NumberAt(v, 0), NumberAt(v, 1)}, {NumberAt(v, 2), NumberAt(v, 3)},
                                {NumberAt(v, 4), NumberAt(v, 5), NumberAt(v, 6)}});
        }
    } else {
        std::vector<unsigned> unused;
        util::Graphics::AppendQuad(vertices, unused, size, cell, color);
    }
    if (const auto* array = json::Find(json, "IndexArray"); array && array->IsArray()) {
        for (const auto& i : array->GetArray())
            if (i.IsNumber()) {
                // Negative or huge entries become an index past any vertex list, dropped below.
                indices.push_back(json::ToInteger<unsigned>(i).value_or(std::numeric_limits<unsigned>::max()));
            }
    } else {
        indices = {0, 1, 3, 1, 2, 3};
    }
    // Indices past the vertex list would make the driver read outside the buffer.
    std::erase_if(indices, [&](unsigned i) { return i >= vertices.size(); });
    return util::Graphics::SharedMesh(cache, vertices, indices);
}

}  // namespace

void ReleaseGraphicsObjects(Graphics& g) {
    util::Graphics::DeleteMesh(g.Mesh);
    if (g.SolidColorTexture && util::HasGLContext()) glDeleteTextures(1, &g.SolidColorTexture);
    g.SolidColorTexture = 0;
}

void ReadGraphics(Entity e, Registry& registry, const rapidjson::Value& json) {
    // Layers first, so the add hook places a freshly added component.
    util::GetOrCreateLayers(registry);
    registry.get_or_add<Graphics>(e);
    if (!json.IsObject()) return;
    // Look the component up again after every call that may create entities or components.
    auto graphics = [&]() -> Graphics& { return registry.get<Graphics>(e); };

    json::ReadFlag(json, "Locked", graphics().Locked);
    json::ReadFlag(json, "Renderable", graphics().Renderable);
    json::ReadFlag(json, "DoLight", graphics().DoLight);

    {
        Graphics& g = graphics();
        util::Graphics::DeleteMesh(g.Mesh);
        const auto* mesh = json::Find(json, "Mesh");
        auto& cache = registry.singletons.get<singleton::MeshCache>();
        if (mesh && mesh->IsObject()) {
            g.Mesh = ReadMesh(*mesh, g, cache);
        } else {
            std::vector<util::Graphics::Vertex> vertices;
            std::vector<unsigned> indices;
            util::Graphics::AppendQuad(vertices, indices, {1.0f, 1.0f}, {1.0f, 1.0f}, {1.0f, 1.0f, 1.0f});
            g.Mesh = util::Graphics::SharedMesh(cache, vertices, indices);
        }
    }

    std::string path;
    if (json::ReadString(json, "Texture", path)) {
        const util::TextureEntry* entry = util::GetTexture(registry.singletons, path);
        graphics().Texture = entry;
    }

    {
        Graphics& g = graphics();
        g.SolidColor = {255, 255, 255, 255};
        if (const auto* v = json::Find(json, "SolidColor"); v && v->IsArray()) {
            for (rapidjson::SizeType i = 0; i < 4 && i < v->Size(); ++i)
                if (const auto channel = json::ToInteger<long long>((*v)[i]))
                    g.SolidColor[i] = static_cast<std::uint8_t>(*channel & 0xFF);
                else if ((*v)[i].IsNumber())
                    json::TraceOutOfRange("SolidColor");
        }
        if (util::HasGLContext()) {
            if (g.SolidColorTexture) glDeleteTextures(1, &g.SolidColorTexture);
            glGenTextures(1, &g.SolidColorTexture);
        }
    }

    json::ReadVec4(json, "Color", graphics().Color);

    std::string layerName;
    if (json::ReadString(json, "Layer", layerName)) {
        const int layer = util::FindLayer(layerName);
        if (layer >= 0) util::MoveToLayer(registry, e, layer);
    }
}

void CheckGraphics(ContentReport& report, const rapidjson::Value& json, const rapidjson::Value&, const std::string& pointer) {
    if (const auto* texture = json::Find(json, "Texture")) {
        if (texture->IsString())
            report.NeedFile(JoinPointer(pointer, "Texture"), texture->GetString(), ContentForm::Plain, "texture");
        else
            report.Fault(JoinPointer(pointer, "Texture"), "a texture path must be a string");
    }
    // The reader ignores an unknown name; the data almost certainly meant a known one.
    if (const auto* layer = json::Find(json, "Layer"); layer && (!layer->IsString() || util::FindLayer(layer->GetString()) < 0)) {
        std::string message = "unknown layer ";
        if (layer->IsString()) message.append("\"").append(layer->GetString()).append("\"");
        else message += JsonTypeName(*layer);
        report.Fault(JoinPointer(pointer, "Layer"), std::move(message));
    }
}

void ReadLight(Light& light, const rapidjson::Value& json) {
    light.InnerRadius = 0.0f;
    light.OuterRadius = 1.0f;
    light.Strength = 1.0f;
    light.Color = {1.0f, 1.0f, 1.0f};
    light.MinAngle = 0.0f;
    light.MaxAngle = 360.0f;
    json::ReadFloat(json, "InnerRadius", light.InnerRadius);
    json::ReadFloat(json, "OuterRadius", light.OuterRadius);
    json::ReadFloat(json, "Strength", light.Strength);
    json::ReadVec3(json, "Color", light.Color);
    light.IsSpotlight = false;
    json::ReadFlag(json, "IsSpotlight", light.IsSpotlight);
    if (light.IsSpotlight) {
        json::ReadFloat(json, "MinAngle", light.MinAngle);
        json::ReadFloat(json, "MaxAngle", light.MaxAngle);
    }
}

}  // namespace velkor::component
