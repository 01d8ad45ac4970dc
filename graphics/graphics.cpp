#include "graphics/graphics.hpp"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <limits>
#include <string>

#include <glad/gl.h>
#include <glm/gtc/type_ptr.hpp>

#include "graphics/camera.hpp"
#include "graphics/debug_draw.hpp"
#include "graphics/shader.hpp"
#include "graphics/window.hpp"
#include "serialization/json_read.hpp"
#include "serialization/transform.hpp"

namespace velkor::util::Graphics {

namespace {

void DeclareAttributes() {
    const auto stride = static_cast<GLsizei>(sizeof(Vertex));
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, position)));
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, texCoord)));
    glVertexAttribPointer(2, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, color)));
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(1);
    glEnableVertexAttribArray(2);
}

void Upload(const std::vector<Vertex>& vertices, const std::vector<unsigned>& indices) {
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(Vertex)), vertices.data(), GL_STATIC_DRAW);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(unsigned)), indices.data(),
                 GL_STATIC_DRAW);
}

}  // namespace

Mesh BuildMesh(const std::vector<Vertex>& vertices, const std::vector<unsigned>& indices) {
    Mesh mesh;
    if (!HasGLContext()) return mesh;
    glGenBuffers(1, &mesh.indexBuffer);
    glGenVertexArrays(1, &mesh.vertexArray);
    glGenBuffers(1, &mesh.vertexBuffer);
    glBindVertexArray(mesh.vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, mesh.vertexBuffer);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, mesh.indexBuffer);
    Upload(vertices, indices);
    DeclareAttributes();
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    mesh.indexCount = indices.size();
    return mesh;
}

void AppendQuad(std::vector<Vertex>& vertices, std::vector<unsigned>& indices, glm::vec2 size, glm::vec2 cell,
                glm::vec3 color) {
    const auto base = static_cast<unsigned>(vertices.size());
    const glm::vec2 h = size * 0.5f;
    vertices.push_back({{h.x, h.y}, {cell.x, 0.0f}, color});
    vertices.push_back({{h.x, -h.y}, {cell.x, cell.y}, color});
    vertices.push_back({{-h.x, -h.y}, {0.0f, cell.y}, color});
    vertices.push_back({{-h.x, h.y}, {0.0f, 0.0f}, color});
    for (unsigned i : {0u, 1u, 3u, 1u, 2u, 3u}) indices.push_back(base + i);
}

Mesh DefaultMesh() {
    std::vector<Vertex> vertices;
    std::vector<unsigned> indices;
    AppendQuad(vertices, indices, {1.0f, 1.0f}, {1.0f, 1.0f}, {1.0f, 1.0f, 1.0f});
    return BuildMesh(vertices, indices);
}

void RefillMesh(Mesh& mesh, const std::vector<Vertex>& vertices, const std::vector<unsigned>& indices) {
    if (mesh.vertexArray == 0) {
        // A component added in code has no mesh yet: give it one.
        mesh = BuildMesh(vertices, indices);
        mesh.indexCount = indices.size();
        return;
    }
    mesh.indexCount = indices.size();
    if (!HasGLContext()) return;
    glBindVertexArray(mesh.vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, mesh.vertexBuffer);
    Upload(vertices, indices);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void DeleteMesh(Mesh& mesh) {
    if (HasGLContext()) {
        if (mesh.vertexArray) glDeleteVertexArrays(1, &mesh.vertexArray);
        const GLuint buffers[] = {mesh.vertexBuffer, mesh.indexBuffer};
        glDeleteBuffers(2, buffers);  // zero names are ignored
    }
    mesh = Mesh{};
}

}  // namespace velkor::util::Graphics

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

void ReleaseGraphicsObjects(component::Graphics& g) {
    Graphics::DeleteMesh(g.Mesh);
    if (g.SolidColorTexture && HasGLContext()) glDeleteTextures(1, &g.SolidColorTexture);
    g.SolidColorTexture = 0;
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
        ReleaseGraphicsObjects(g);
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

namespace velkor::component {

namespace {

bool LiteralTrue(const rapidjson::Value& v) { return v.IsBool() && v.GetBool(); }

float NumberAt(const rapidjson::Value& array, rapidjson::SizeType i) {
    return i < array.Size() ? json::ToFloat(array[i]).value_or(0.0f) : 0.0f;
}

util::Graphics::Mesh ReadMesh(const rapidjson::Value& json, Graphics& g) {
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
            const auto* zone = json::Find(*sheet, "UseBufferZone");
            if (!zone || LiteralTrue(*zone)) {
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
    return util::Graphics::BuildMesh(vertices, indices);
}

}  // namespace

void ReadGraphics(Entity e, Registry& registry, const rapidjson::Value& json) {
    // Layers first, so the add hook places a freshly added component.
    util::GetOrCreateLayers(registry);
    registry.get_or_add<Graphics>(e);
    if (!json.IsObject()) return;
    // Look the component up again after every call that may create entities or components.
    auto graphics = [&]() -> Graphics& { return registry.get<Graphics>(e); };

    if (const auto* v = json::Find(json, "Locked")) graphics().Locked = LiteralTrue(*v);
    if (const auto* v = json::Find(json, "Renderable")) graphics().Renderable = LiteralTrue(*v);
    if (const auto* v = json::Find(json, "DoLight")) graphics().DoLight = LiteralTrue(*v);

    {
        Graphics& g = graphics();
        util::Graphics::DeleteMesh(g.Mesh);
        const auto* mesh = json::Find(json, "Mesh");
        g.Mesh = mesh && mesh->IsObject() ? ReadMesh(*mesh, g) : util::Graphics::DefaultMesh();
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
    const auto* spot = json::Find(json, "IsSpotlight");
    light.IsSpotlight = spot && LiteralTrue(*spot);
    if (light.IsSpotlight) {
        json::ReadFloat(json, "MinAngle", light.MinAngle);
        json::ReadFloat(json, "MaxAngle", light.MaxAngle);
    }
}

}  // namespace velkor::component

namespace velkor::system {

namespace {

constexpr const char* LitVertexShader = "Data/Shaders/LightVertexShaderSource.txt";
constexpr const char* LitFragmentShader = "Data/Shaders/MultipleLightFragmentShader.txt";
constexpr const char* PlainVertexShader = "Data/Shaders/vertexShaderSource.txt";
constexpr const char* PlainFragmentShader = "Data/Shaders/fragmentShaderSource.txt";
constexpr const char* TooManyLights = "TOO MANY LIGHTS";

}  // namespace

void Graphics::LightArrays::clear() {
    inner.clear();
    outer.clear();
    strength.clear();
    minAngle.clear();
    maxAngle.clear();
    position.clear();
    color.clear();
    spot.clear();
}

Graphics::Program Graphics::Load(const char* vertexPath, const char* fragmentPath) {
    Program p;
    p.name = util::LoadShaderProgram(vertexPath, fragmentPath);
    auto at = [&](const char* uniform) { return glGetUniformLocation(p.name, uniform); };
    p.transform = at("transform");
    p.texOffset = at("texOffset");
    p.tint = at("tint");
    p.worldTransform = at("worldTransform");
    p.ambientFactor = at("ambientFactor");
    p.numLights = at("numLights");
    p.innerRadii = at("innerRadii");
    p.outerRadii = at("outerRadii");
    p.lightPositions = at("lightPositions");
    p.strengths = at("strengths");
    p.colors = at("colors");
    p.isSpotlight = at("isSpotlight");
    p.minAngles = at("minAngles");
    p.maxAngles = at("maxAngles");
    return p;
}

void Graphics::Init(Registry& registry) {
    auto& singletons = registry.singletons;
    util::GetOrCreateWindow(singletons);
    singletons.mark_present<singleton::Texture>();
    util::CreateCamera(singletons);
    util::GetOrCreateLayers(registry);
    lit_ = Load(LitVertexShader, LitFragmentShader);
    plain_ = Load(PlainVertexShader, PlainFragmentShader);
}

void Graphics::GatherLights(Registry& registry, const glm::vec2& cameraPosition, float viewWidth) {
    lights_.clear();
    auto& pool = registry.pool<component::Light>();
    auto& transforms = registry.pool<component::Transform>();
    const auto& owners = pool.entities();
    for (std::size_t i = 0; i < owners.size(); ++i) {
        const Entity e = owners[i];
        if (!registry.has<component::Transform>(e)) continue;
        const component::Light& light = pool.components()[i];
        if (!light.Enabled) continue;
        const glm::vec2 position = transforms.get(e).Translation;
        if (glm::length(cameraPosition - position) > light.OuterRadius + viewWidth) continue;
        lights_.inner.push_back(light.InnerRadius);
        lights_.outer.push_back(light.OuterRadius);
        lights_.position.push_back(position);
        lights_.color.push_back(light.Color);
        lights_.strength.push_back(light.Strength);
        lights_.spot.push_back(light.IsSpotlight ? 1 : 0);
        lights_.minAngle.push_back(light.MinAngle);
        lights_.maxAngle.push_back(light.MaxAngle);
        if (lights_.inner.size() > static_cast<std::size_t>(util::MaxLights)) std::cout << TooManyLights << std::endl;
    }
}

void Graphics::Update(float, Registry& registry) {
    auto& singletons = registry.singletons;
    drawCalls_ = 0;
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    const singleton::Camera& camera = singletons.get<singleton::Camera>();
    const glm::mat4 pv = util::ProjectionMatrix(camera) * util::ViewMatrix(camera);
    GatherLights(registry, camera.Position, camera.ViewWidth);
    const int lightCount = static_cast<int>(lights_.inner.size());
    // The arrays hold 100 entries; the count itself goes to the shader uncut and it clamps.
    const int uploaded = std::min(lightCount, util::MaxLights);
    const bool outlines = singletons.get<singleton::DebugDraw>().EnableMesh;

    auto& layers = util::GetOrCreateLayers(registry);
    auto& graphicsPool = registry.pool<component::Graphics>();
    auto& transforms = registry.pool<component::Transform>();
    const glm::mat4 identity(1.0f);

    for (const auto& layer : layers.Entities) {
        for (const Entity e : layer) {
            component::Graphics& g = graphicsPool.get(e);
            if (!g.Renderable) continue;
            component::Transform* t = transforms.contains(e) ? &transforms.get(e) : nullptr;
            if (t && !g.Locked) {
                if (std::abs(camera.Position.x - t->Translation.x) * 2.0f > t->Scale.x + camera.ViewWidth ||
                    std::abs(camera.Position.y - t->Translation.y) * 2.0f > t->Scale.y + camera.ViewHeight)
                    continue;
            }
            const bool lit = !g.Locked && g.DoLight;
            const Program& p = lit ? lit_ : plain_;
            glUseProgram(p.name);

            const glm::mat4& model = t ? t->GetMatrix() : identity;
            const glm::mat4 transform = !t ? identity : g.Locked ? model : pv * model;
            if (lit) {
                glUniformMatrix4fv(p.worldTransform, 1, GL_FALSE, glm::value_ptr(model));
                glUniform1f(p.ambientFactor, util::AmbientFactor);
                glUniform1i(p.numLights, lightCount);
                if (uploaded > 0) {
                    glUniform1fv(p.innerRadii, uploaded, lights_.inner.data());
                    glUniform1fv(p.outerRadii, uploaded, lights_.outer.data());
                    glUniform2fv(p.lightPositions, uploaded, glm::value_ptr(lights_.position.front()));
                    glUniform1fv(p.strengths, uploaded, lights_.strength.data());
                    glUniform3fv(p.colors, uploaded, glm::value_ptr(lights_.color.front()));
                    glUniform1iv(p.isSpotlight, uploaded, lights_.spot.data());
                    glUniform1fv(p.minAngles, uploaded, lights_.minAngle.data());
                    glUniform1fv(p.maxAngles, uploaded, lights_.maxAngle.data());
                }
            }
            glUniformMatrix4fv(p.transform, 1, GL_FALSE, glm::value_ptr(transform));
            glUniform2fv(p.texOffset, 1, glm::value_ptr(g.TextureOffset));
            glUniform4fv(p.tint, 1, glm::value_ptr(g.Color));

            if (t && outlines)
                util::QueueRectangle(singletons.get<singleton::DebugDraw>(), t->Translation, t->Scale, {0.0f, 1.0f, 0.0f},
                                     t->Rotation);

            if (g.Texture) {
                glBindTexture(GL_TEXTURE_2D, g.Texture->id);
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_BORDER);
            } else {
                glBindTexture(GL_TEXTURE_2D, g.SolidColorTexture);
                glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, g.SolidColor.data());
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
            }
            // A component added in code has no mesh yet; drawing with vertex array 0 is an error.
            if (g.Mesh.vertexArray != 0 && g.Mesh.indexCount > 0) {
                glBindVertexArray(g.Mesh.vertexArray);
                glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(g.Mesh.indexCount), GL_UNSIGNED_INT, nullptr);
                ++drawCalls_;
            }
            glBindVertexArray(0);
            glBindTexture(GL_TEXTURE_2D, 0);
            glUseProgram(0);
        }
    }
}

void Graphics::Shutdown(Registry& registry) {
    auto& singletons = registry.singletons;
    // The programs go while the context still exists.
    if (util::HasGLContext()) {
        glDeleteProgram(plain_.name);
        glDeleteProgram(lit_.name);
    }
    plain_ = lit_ = Program{};
    util::DestroyWindow(singletons);
    singletons.remove<singleton::Texture>();
    singletons.remove<singleton::Camera>();
    singletons.remove<singleton::Layers>();
}

}  // namespace velkor::system
