#include "graphics/graphics.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <string>

#include <glad/gl.h>
#include <glm/gtc/type_ptr.hpp>

#include "engine/trace.hpp"
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
    mesh.data = std::make_shared<MeshData>(MeshData{vertices, indices});
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
    if (mesh.data && mesh.data.use_count() > 1) {
        // Shared with other entities (read from the same data): this one goes its own way now.
        mesh = BuildMesh(vertices, indices);
        return;
    }
    if (mesh.vertexArray == 0) {
        // A component added in code has no mesh yet: give it one.
        mesh = BuildMesh(vertices, indices);
        mesh.indexCount = indices.size();
        return;
    }
    mesh.indexCount = indices.size();
    if (!mesh.data) mesh.data = std::make_shared<MeshData>();
    mesh.data->vertices = vertices;
    mesh.data->indices = indices;
    if (!HasGLContext()) return;
    glBindVertexArray(mesh.vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, mesh.vertexBuffer);
    Upload(vertices, indices);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

Mesh SharedMesh(singleton::MeshCache& cache, const std::vector<Vertex>& vertices, const std::vector<unsigned>& indices) {
    if (!HasGLContext()) return BuildMesh(vertices, indices);
    std::string key(reinterpret_cast<const char*>(vertices.data()), vertices.size() * sizeof(Vertex));
    key.append(reinterpret_cast<const char*>(indices.data()), indices.size() * sizeof(unsigned));
    key.append(std::to_string(vertices.size()));
    if (auto found = cache.meshes.find(key); found != cache.meshes.end()) {
        if (auto data = found->second.data.lock()) {
            Mesh mesh = found->second.names;
            mesh.data = std::move(data);
            return mesh;
        }
    }
    // Entries whose meshes are all gone only take room: sweep them now and then.
    if (cache.meshes.size() >= 4096)
        std::erase_if(cache.meshes, [](const auto& entry) { return entry.second.data.expired(); });
    Mesh mesh = BuildMesh(vertices, indices);
    Mesh names = mesh;
    names.data.reset();
    cache.meshes[key] = {names, mesh.data};
    return mesh;
}

void DeleteMesh(Mesh& mesh) {
    const bool last = !mesh.data || mesh.data.use_count() == 1;
    if (last && HasGLContext()) {
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
    return util::Graphics::SharedMesh(cache, vertices, indices);
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
constexpr const char* LightMapVertexShader = "Data/Shaders/LightMapVertexShader.txt";
constexpr const char* LightMapFragmentShader = "Data/Shaders/LightMapFragmentShader.txt";
constexpr const char* OccluderVertexShader = "Data/Shaders/OccluderVertexShader.txt";
constexpr const char* OccluderFragmentShader = "Data/Shaders/OccluderFragmentShader.txt";
constexpr const char* StretchVertexShader = "Data/Shaders/StretchVertexShader.txt";
constexpr const char* StretchFragmentShader = "Data/Shaders/StretchFragmentShader.txt";
constexpr const char* TooManyLights = "TOO MANY LIGHTS";
constexpr const char* RenderScaleVariable = "VELKOR_RENDER_SCALE";

// Layers from here up (UI, cursor) are drawn at the window's full size.
constexpr int FullSizeLayers = 10;

// The light map shader's fan: its centre and the 17 rim points of FAN_SEGMENTS = 16.
constexpr int LightFanVertices = 18;

// The unit the light map is bound to; everything else samples unit 0.
constexpr int LightMapUnit = 1;

// The light map stores sums divided by this (a power of two: exact in floating point). At full
// scale it holds 32-bit floats, so the frame matches the per-fragment light walk to the bit; below
// full scale (software rasterisers) 16-bit fixed point, steps of 1/4096 up to 16, which such
// rasterisers read several times faster. The two differ by less than a colour step, but that
// still flips the rounding of a few pixels under stacks of translucent sprites.
constexpr float LightRange = 16.0f;

// Draw-order depths: entity n of a frame sits at 1 - (n + 1) * DepthStep in clip space, so about
// a million entities get distinct depths; a 24-bit depth buffer resolves 16 values per step.
constexpr int DepthSlots = 1 << 20;
constexpr float DepthStep = 2.0f / static_cast<float>(DepthSlots);

float DrawOrderDepth(int n) { return 1.0f - static_cast<float>(std::min(n + 1, DepthSlots)) * DepthStep; }

// Whether the framebuffer being drawn to has a depth buffer the scene may use.
bool HasDepthBuffer(unsigned framebuffer) {
    GLint type = GL_NONE, bits = 0;
    const GLenum attachment = framebuffer == 0 ? GL_DEPTH : GL_DEPTH_ATTACHMENT;
    glGetFramebufferAttachmentParameteriv(GL_DRAW_FRAMEBUFFER, attachment, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE, &type);
    if (type == GL_NONE) return false;
    glGetFramebufferAttachmentParameteriv(GL_DRAW_FRAMEBUFFER, attachment, GL_FRAMEBUFFER_ATTACHMENT_DEPTH_SIZE, &bits);
    return bits >= 16;
}

// Names the Mesa, SwiftShader and Windows software rasterisers give in GL_RENDERER.
bool IsSoftwareRenderer(std::string_view renderer) {
    std::string lower(renderer);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    for (const char* name : {"llvmpipe", "softpipe", "swrast", "software", "swiftshader", "gdi generic"})
        if (lower.find(name) != std::string::npos) return true;
    return false;
}

unsigned OnePixelTexture(std::array<unsigned char, 4> rgba) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    return name;
}

}  // namespace

float Graphics::DefaultRenderScale(std::string_view renderer, const char* override) {
    if (override && *override) {
        char* end = nullptr;
        const float value = std::strtof(override, &end);
        if (end != override && *end == '\0' && std::isfinite(value))
            return std::clamp(value, MinRenderScale, 1.0f);
        Trace(std::string(RenderScaleVariable) + " is not a number: " + override + "\n");
    }
    return IsSoftwareRenderer(renderer) ? SoftwareRenderScale : 1.0f;
}

void Graphics::SetRenderScale(float scale) noexcept {
    renderScale_ = std::isfinite(scale) ? std::clamp(scale, MinRenderScale, 1.0f) : 1.0f;
}

Graphics::Program Graphics::Load(const char* vertexPath, const char* fragmentPath) {
    Program p;
    p.name = util::LoadShaderProgram(vertexPath, fragmentPath);
    auto at = [&](const char* uniform) { return glGetUniformLocation(p.name, uniform); };
    p.transform = at("transform");
    p.texOffset = at("texOffset");
    p.tint = at("tint");
    p.ambientFactor = at("ambientFactor");
    p.lightMap = at("lightMap");
    p.lightMapScale = at("lightMapScale");
    p.lightMapOrigin = at("lightMapOrigin");
    p.lightRange = at("lightRange");
    p.viewProjection = at("viewProjection");
    p.edgeInset = at("edgeInset");
    p.depthBias = at("depthBias");
    return p;
}

void Graphics::CreateLightGeometry() {
    glGenVertexArrays(1, &lightVertexArray_);
    glGenBuffers(1, &lightFan_);
    glGenBuffers(1, &lightInstances_);
    glBindVertexArray(lightVertexArray_);
    float fan[LightFanVertices];
    for (int i = 0; i < LightFanVertices; ++i) fan[i] = static_cast<float>(i);
    glBindBuffer(GL_ARRAY_BUFFER, lightFan_);
    glBufferData(GL_ARRAY_BUFFER, sizeof(fan), fan, GL_STATIC_DRAW);
    glVertexAttribPointer(0, 1, GL_FLOAT, GL_FALSE, 0, nullptr);
    glEnableVertexAttribArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, lightInstances_);
    const auto stride = static_cast<GLsizei>(sizeof(LightInstance));
    auto instanced = [&](GLuint location, GLint size, std::size_t offset) {
        glVertexAttribPointer(location, size, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offset));
        glVertexAttribDivisor(location, 1);
        glEnableVertexAttribArray(location);
    };
    instanced(1, 2, offsetof(LightInstance, position));
    instanced(2, 3, offsetof(LightInstance, radiiStrength));
    instanced(3, 3, offsetof(LightInstance, color));
    instanced(4, 3, offsetof(LightInstance, cone));
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);

    noLight_ = OnePixelTexture({0, 0, 0, 0});
}

void Graphics::CreateStream() {
    glGenVertexArrays(1, &streamVertexArray_);
    glGenBuffers(1, &streamVertices_);
    glGenBuffers(1, &streamIndices_);
    glBindVertexArray(streamVertexArray_);
    glBindBuffer(GL_ARRAY_BUFFER, streamVertices_);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, streamIndices_);
    const auto stride = static_cast<GLsizei>(sizeof(StreamVertex));
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(StreamVertex, position)));
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(StreamVertex, texCoord)));
    glVertexAttribPointer(2, 4, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(StreamVertex, color)));
    for (GLuint i = 0; i < 3; ++i) glEnableVertexAttribArray(i);
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    white_ = OnePixelTexture({255, 255, 255, 255});
    glGenVertexArrays(1, &emptyVertexArray_);
}

void Graphics::Resize(Target& target, int width, int height, TargetKind kind) {
    if (target.framebuffer && target.width == width && target.height == height && target.kind == kind) return;
    Release(target);
    glGenTextures(1, &target.texture);
    glBindTexture(GL_TEXTURE_2D, target.texture);
    // Light sums go past 1 and need more than 8 bits to stay within a step of the exact result.
    const bool sums = kind != TargetKind::Scene;
    switch (kind) {
    case TargetKind::Scene:
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        break;
    case TargetKind::ExactLightSums:
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA32F, width, height, 0, GL_RGBA, GL_FLOAT, nullptr);
        break;
    case TargetKind::FastLightSums:
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA16, width, height, 0, GL_RGBA, GL_UNSIGNED_SHORT, nullptr);
        break;
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, sums ? GL_NEAREST : GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, sums ? GL_NEAREST : GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);
    glGenFramebuffers(1, &target.framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, target.texture, 0);
    if (kind == TargetKind::Scene) {
        glGenRenderbuffers(1, &target.depth);
        glBindRenderbuffer(GL_RENDERBUFFER, target.depth);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
        glBindRenderbuffer(GL_RENDERBUFFER, 0);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, target.depth);
    }
    target.width = width;
    target.height = height;
    target.kind = kind;
}

void Graphics::Release(Target& target) {
    if (target.framebuffer) glDeleteFramebuffers(1, &target.framebuffer);
    if (target.texture) glDeleteTextures(1, &target.texture);
    if (target.depth) glDeleteRenderbuffers(1, &target.depth);
    target = Target{};
}

void Graphics::Init(Registry& registry) {
    auto& singletons = registry.singletons;
    util::GetOrCreateWindow(singletons);
    singletons.mark_present<singleton::Texture>();
    util::CreateCamera(singletons);
    util::GetOrCreateLayers(registry);
    lit_ = Load(LitVertexShader, LitFragmentShader);
    plain_ = Load(PlainVertexShader, PlainFragmentShader);
    lightMapProgram_ = Load(LightMapVertexShader, LightMapFragmentShader);
    occluderProgram_ = Load(OccluderVertexShader, OccluderFragmentShader);
    stretchProgram_ = Load(StretchVertexShader, StretchFragmentShader);
    glUseProgram(occluderProgram_.name);
    glUniform1f(occluderProgram_.depthBias, DepthStep * 0.5f);
    // The stream carries transforms, offsets and tints in its vertices: these uniforms never change.
    const glm::mat4 identity(1.0f);
    for (const Program* p : {&lit_, &plain_}) {
        glUseProgram(p->name);
        glUniformMatrix4fv(p->transform, 1, GL_FALSE, glm::value_ptr(identity));
        glUniform2f(p->texOffset, 0.0f, 0.0f);
        glUniform4f(p->tint, 1.0f, 1.0f, 1.0f, 1.0f);
    }
    glUseProgram(lit_.name);
    glUniform1i(lit_.lightMap, LightMapUnit);
    glUniform1f(lit_.lightRange, LightRange);
    glUseProgram(lightMapProgram_.name);
    glUniform1f(lightMapProgram_.lightRange, LightRange);
    glUseProgram(lit_.name);
    glUniform1f(lit_.ambientFactor, util::AmbientFactor);
    glUseProgram(0);
    CreateLightGeometry();
    CreateStream();
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    renderScale_ = DefaultRenderScale(renderer ? renderer : "", std::getenv(RenderScaleVariable));
}

void Graphics::GatherLights(Registry& registry, const glm::vec2& cameraPosition, float viewWidth) {
    lights_.clear();
    auto& pool = registry.pool<component::Light>();
    auto& transforms = registry.pool<component::Transform>();
    const auto& owners = pool.entities();
    for (std::size_t i = 0; i < owners.size(); ++i) {
        const Entity e = owners[i];
        if (!transforms.contains(e)) continue;
        const component::Light& light = pool.components()[i];
        if (!light.Enabled) continue;
        const glm::vec2 position = transforms.get(e).Translation;
        if (glm::length(cameraPosition - position) > light.OuterRadius + viewWidth) continue;
        lights_.push_back({position,
                           {light.InnerRadius, light.OuterRadius, light.Strength},
                           light.Color,
                           {light.IsSpotlight ? 1.0f : 0.0f, light.MinAngle, light.MaxAngle}});
        if (lights_.size() > static_cast<std::size_t>(util::MaxLights)) std::cout << TooManyLights << std::endl;
    }
}

void Graphics::DrawLightMap(const glm::mat4& pv, int width, int height, TargetKind kind) {
    Resize(lightMap_, width, height, kind);
    glBindFramebuffer(GL_FRAMEBUFFER, lightMap_.framebuffer);
    glViewport(0, 0, width, height);
    // Only texels under lit draws are ever read (a texel of margin for filtering): the rest of the
    // map may keep older sums.
    auto toPixels = [](float clip, int size, bool up) {
        const float at = (clip * 0.5f + 0.5f) * static_cast<float>(size);
        const float edge = up ? std::ceil(at) + 1.0f : std::floor(at) - 1.0f;
        return static_cast<int>(std::clamp(edge, 0.0f, static_cast<float>(size)));
    };
    const int x0 = toPixels(litMin_.x, width, false), x1 = toPixels(litMax_.x, width, true);
    const int y0 = toPixels(litMin_.y, height, false), y1 = toPixels(litMax_.y, height, true);
    lightMapPixels_ = static_cast<long>(x1 - x0) * (y1 - y0);
    glEnable(GL_SCISSOR_TEST);
    glScissor(x0, y0, x1 - x0, y1 - y0);
    const float none[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    glClearBufferfv(GL_COLOR, 0, none);
    glBlendFunc(GL_ONE, GL_ONE);
    glUseProgram(lightMapProgram_.name);
    glUniformMatrix4fv(lightMapProgram_.viewProjection, 1, GL_FALSE, glm::value_ptr(pv));
    glBindBuffer(GL_ARRAY_BUFFER, lightInstances_);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(lights_.size() * sizeof(LightInstance)), lights_.data(),
                 GL_STREAM_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindVertexArray(lightVertexArray_);
    glDrawArraysInstanced(GL_TRIANGLE_FAN, 0, LightFanVertices, static_cast<GLsizei>(lights_.size()));
    glBindVertexArray(0);
    glDisable(GL_SCISSOR_TEST);
    ++drawCalls_;
}

void Graphics::Append(const component::Graphics& g, const glm::mat4& transform, bool lit, bool fullSize) {
    const util::Graphics::MeshData& mesh = *g.Mesh.data;
    const unsigned program = lit ? lit_.name : plain_.name;
    const unsigned texture = g.Texture ? g.Texture->id : white_;
    // A solid colour is the white texel times the colour: the same product the shader formed.
    glm::vec4 factor = g.Color;
    if (!g.Texture)
        factor *= glm::vec4(g.SolidColor[0], g.SolidColor[1], g.SolidColor[2], g.SolidColor[3]) / 255.0f;

    const auto base = static_cast<unsigned>(stream_.size());
    const auto count = static_cast<unsigned>(mesh.vertices.size());
    const float depth = DrawOrderDepth(drawnEntities_);
    for (const util::Graphics::Vertex& v : mesh.vertices) {
        const glm::vec4 p = transform * glm::vec4(v.position, 0.0f, 1.0f);
        // Divided through by w, so that the stored depth is the depth that is tested.
        const float w = p.w != 0.0f ? p.w : 1.0f;
        stream_.push_back({{p.x / w, p.y / w, depth}, v.texCoord + g.TextureOffset, glm::vec4(v.color, 1.0f) * factor});
        if (lit) {
            litMin_ = glm::min(litMin_, glm::vec2(p.x / w, p.y / w));
            litMax_ = glm::max(litMax_, glm::vec2(p.x / w, p.y / w));
        }
    }
    const std::size_t first = streamIndexList_.size();
    const std::size_t indices = std::min<std::size_t>(mesh.indices.size(), g.Mesh.indexCount);
    for (std::size_t i = 0; i + 2 < indices; i += 3) {
        const unsigned a = mesh.indices[i], b = mesh.indices[i + 1], c = mesh.indices[i + 2];
        // A triangle reaching past this mesh's vertices would draw with a neighbour's.
        if (a >= count || b >= count || c >= count) continue;
        streamIndexList_.insert(streamIndexList_.end(), {base + a, base + b, base + c});
    }
    const std::size_t added = streamIndexList_.size() - first;
    if (added == 0) return;
    ++drawnEntities_;
    // The full-size layers are drawn after the stretch, without depth. An opaque image still fades
    // into its transparent border over the outer half texel of its top and bottom rows.
    bool opaque = !fullSize && factor.a >= 1.0f;
    if (opaque && g.Texture && !g.Texture->opaque) {
        // A sprite-sheet cell or tile may be opaque where its image as a whole is not.
        glm::vec2 low(std::numeric_limits<float>::max()), high(std::numeric_limits<float>::lowest());
        for (std::size_t i = base; i < stream_.size(); ++i) {
            low = glm::min(low, stream_[i].texCoord);
            high = glm::max(high, stream_[i].texCoord);
        }
        opaque = util::OpaqueOver(*g.Texture, low.x, low.y, high.x, high.y);
    }
    if (opaque && g.Texture && g.Texture->height <= 0) opaque = false;
    if (opaque) {
        const float inset = g.Texture ? 0.5f / static_cast<float>(g.Texture->height) : -1.0f;
        const std::size_t at = occluderIndexList_.size();
        occluderIndexList_.insert(occluderIndexList_.end(), streamIndexList_.begin() + static_cast<std::ptrdiff_t>(first),
                                  streamIndexList_.end());
        if (!occluderRuns_.empty() && occluderRuns_.back().edgeInset == inset)
            occluderRuns_.back().indexCount += added;
        else
            occluderRuns_.push_back({inset, at, added});
    }
    if (!runs_.empty()) {
        Run& last = runs_.back();
        if (last.program == program && last.texture == texture && last.textured == (g.Texture != nullptr) &&
            last.fullSize == fullSize) {
            last.indexCount += added;
            return;
        }
    }
    runs_.push_back({program, texture, g.Texture != nullptr, fullSize, first, added});
}

void Graphics::DrawOccluders(std::size_t firstIndex) {
    glEnable(GL_DEPTH_TEST);
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LESS);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glUseProgram(occluderProgram_.name);
    for (const OccluderRun& run : occluderRuns_) {
        glUniform1f(occluderProgram_.edgeInset, run.edgeInset);
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(run.indexCount), GL_UNSIGNED_INT,
                       reinterpret_cast<void*>((firstIndex + run.firstIndex) * sizeof(unsigned)));
        ++drawCalls_;
    }
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    // The shading pass tests against the occluders but writes no depth of its own.
    glDepthMask(GL_FALSE);
    glDepthFunc(GL_LEQUAL);
}

void Graphics::Stretch(int x, int y, int width, int height) {
    glViewport(x, y, width, height);
    glDisable(GL_BLEND);
    glUseProgram(stretchProgram_.name);
    glBindTexture(GL_TEXTURE_2D, scene_.texture);
    // A whole multiple (half scale on a 1920 x 1080 window) repeats each scene pixel as a crisp
    // block, and a software rasteriser samples one texel instead of four; other ratios blend.
    const bool whole = width % scene_.width == 0 && height % scene_.height == 0 &&
                       width / scene_.width == height / scene_.height;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, whole ? GL_NEAREST : GL_LINEAR);
    glBindVertexArray(emptyVertexArray_);
    glDrawArrays(GL_TRIANGLES, 0, 3);
    glBindVertexArray(streamVertexArray_);
    glEnable(GL_BLEND);
    ++drawCalls_;
}

void Graphics::Update(float, Registry& registry) {
    auto& singletons = registry.singletons;
    drawCalls_ = 0;
    drawnEntities_ = 0;
    occluders_ = 0;
    lightMapPixels_ = 0;

    const singleton::Camera& camera = singletons.get<singleton::Camera>();
    const glm::mat4 pv = util::ProjectionMatrix(camera) * util::ViewMatrix(camera);
    GatherLights(registry, camera.Position, camera.ViewWidth);
    const bool outlines = singletons.get<singleton::DebugDraw>().EnableMesh;

    // Everything visible into the stream, in draw order.
    stream_.clear();
    streamIndexList_.clear();
    occluderIndexList_.clear();
    occluderRuns_.clear();
    runs_.clear();
    litMin_ = glm::vec2(std::numeric_limits<float>::max());
    litMax_ = glm::vec2(std::numeric_limits<float>::lowest());
    auto& layers = util::GetOrCreateLayers(registry);
    auto& graphicsPool = registry.pool<component::Graphics>();
    auto& transforms = registry.pool<component::Transform>();
    const glm::mat4 identity(1.0f);
    for (int layer = 0; layer < singleton::LayerCount; ++layer) {
        for (const Entity e : layers.Entities[layer]) {
            const component::Graphics& g = graphicsPool.get(e);
            if (!g.Renderable) continue;
            component::Transform* t = transforms.contains(e) ? &transforms.get(e) : nullptr;
            if (t && !g.Locked) {
                // The magnitude: a negative scale mirrors the quad (the player facing left) but keeps its size.
                if (std::abs(camera.Position.x - t->Translation.x) * 2.0f > std::abs(t->Scale.x) + camera.ViewWidth ||
                    std::abs(camera.Position.y - t->Translation.y) * 2.0f > std::abs(t->Scale.y) + camera.ViewHeight)
                    continue;
            }
            if (t && outlines)
                util::QueueRectangle(singletons.get<singleton::DebugDraw>(), t->Translation, t->Scale, {0.0f, 1.0f, 0.0f},
                                     t->Rotation);
            // A component added in code has no mesh yet.
            if (g.Mesh.vertexArray == 0 || g.Mesh.indexCount == 0 || !g.Mesh.data) continue;
            const glm::mat4 transform = !t ? identity : g.Locked ? t->GetMatrix() : pv * t->GetMatrix();
            Append(g, transform, !g.Locked && g.DoLight, layer >= FullSizeLayers);
        }
    }

    // The frame ends up in whatever framebuffer and viewport were current (the window's, normally).
    GLint viewport[4] = {};
    GLint output = 0;
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &output);
    const int width = std::max(viewport[2], 1), height = std::max(viewport[3], 1);
    // Logos and menus often draw nothing below the UI layer: then there is nothing to stretch.
    const bool offscreen = renderScale_ < 1.0f &&
                           std::any_of(runs_.begin(), runs_.end(), [](const Run& run) { return !run.fullSize; });
    const int sceneWidth = offscreen ? std::max(1, static_cast<int>(std::lround(width * renderScale_))) : width;
    const int sceneHeight = offscreen ? std::max(1, static_cast<int>(std::lround(height * renderScale_))) : height;

    glEnable(GL_BLEND);
    // Menus and other frames without a lit draw need no light map.
    const bool lightMap = !lights_.empty() && std::any_of(runs_.begin(), runs_.end(), [&](const Run& run) {
        return run.program == lit_.name;
    });
    if (lightMap)
        DrawLightMap(pv, sceneWidth, sceneHeight, offscreen ? TargetKind::FastLightSums : TargetKind::ExactLightSums);
    glActiveTexture(GL_TEXTURE0 + LightMapUnit);
    glBindTexture(GL_TEXTURE_2D, lightMap ? lightMap_.texture : noLight_);
    glActiveTexture(GL_TEXTURE0);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    // Where the draws go: the scene target at the render scale, then the output at full size.
    auto beginPass = [&](unsigned framebuffer, int x, int y, int w, int h) {
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glViewport(x, y, w, h);
        glUseProgram(lit_.name);
        // gl_FragCoord counts from the framebuffer's corner, not the viewport's; the light map
        // covers the viewport at the scene's size.
        glUniform2f(lit_.lightMapOrigin, static_cast<float>(x), static_cast<float>(y));
        glUniform2f(lit_.lightMapScale, static_cast<float>(sceneWidth) / static_cast<float>(w),
                    static_cast<float>(sceneHeight) / static_cast<float>(h));
    };
    if (offscreen) {
        Resize(scene_, sceneWidth, sceneHeight, TargetKind::Scene);
        beginPass(scene_.framebuffer, 0, 0, sceneWidth, sceneHeight);
        glClear(GL_COLOR_BUFFER_BIT);  // with the clear colour the frame began with
    } else {
        beginPass(static_cast<unsigned>(output), viewport[0], viewport[1], width, height);
    }
    const bool occlude = !occluderRuns_.empty() &&
                         (offscreen || HasDepthBuffer(static_cast<unsigned>(output)));

    glBindVertexArray(streamVertexArray_);
    glBindBuffer(GL_ARRAY_BUFFER, streamVertices_);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(stream_.size() * sizeof(StreamVertex)), stream_.data(),
                 GL_STREAM_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    // The occluders' indices follow the frame's in the same buffer.
    const std::size_t occluderFirst = streamIndexList_.size();
    const std::size_t indexCount = occluderFirst + (occlude ? occluderIndexList_.size() : 0);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indexCount * sizeof(unsigned)), nullptr, GL_STREAM_DRAW);
    glBufferSubData(GL_ELEMENT_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(occluderFirst * sizeof(unsigned)),
                    streamIndexList_.data());
    if (occlude) {
        glBufferSubData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLintptr>(occluderFirst * sizeof(unsigned)),
                        static_cast<GLsizeiptr>(occluderIndexList_.size() * sizeof(unsigned)), occluderIndexList_.data());
        // Only the scene's part of the output (the viewport) is cleared: the rest is not ours.
        glEnable(GL_SCISSOR_TEST);
        glScissor(offscreen ? 0 : viewport[0], offscreen ? 0 : viewport[1], sceneWidth, sceneHeight);
        glDepthMask(GL_TRUE);
        glClear(GL_DEPTH_BUFFER_BIT);
        glDisable(GL_SCISSOR_TEST);
        DrawOccluders(occluderFirst);
        occluders_ = static_cast<int>(occluderRuns_.size());
        glUseProgram(lit_.name);
    }
    unsigned program = lit_.name;
    bool stretched = !offscreen;
    auto stretch = [&] {
        glDisable(GL_DEPTH_TEST);
        glBindFramebuffer(GL_FRAMEBUFFER, static_cast<unsigned>(output));
        Stretch(viewport[0], viewport[1], width, height);
        beginPass(static_cast<unsigned>(output), viewport[0], viewport[1], width, height);
        program = lit_.name;
        stretched = true;
    };
    for (const Run& run : runs_) {
        if (run.fullSize && !stretched) stretch();
        // Full-size layers are drawn after everything the depth buffer orders.
        if (run.fullSize) glDisable(GL_DEPTH_TEST);
        if (run.program != program) {
            glUseProgram(run.program);
            program = run.program;
        }
        glBindTexture(GL_TEXTURE_2D, run.texture);
        if (run.textured) {
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_BORDER);
        }
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(run.indexCount), GL_UNSIGNED_INT,
                       reinterpret_cast<void*>(run.firstIndex * sizeof(unsigned)));
        ++drawCalls_;
    }
    if (!stretched) stretch();

    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LESS);
    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glActiveTexture(GL_TEXTURE0 + LightMapUnit);
    glBindTexture(GL_TEXTURE_2D, 0);
    glActiveTexture(GL_TEXTURE0);
    glUseProgram(0);
}

void Graphics::Shutdown(Registry& registry) {
    auto& singletons = registry.singletons;
    // The GL objects go while the context still exists.
    if (util::HasGLContext()) {
        glDeleteProgram(plain_.name);
        glDeleteProgram(lit_.name);
        glDeleteProgram(lightMapProgram_.name);
        glDeleteProgram(occluderProgram_.name);
        glDeleteProgram(stretchProgram_.name);
        glDeleteVertexArrays(1, &emptyVertexArray_);
        glDeleteVertexArrays(1, &lightVertexArray_);
        const GLuint buffers[] = {lightFan_, lightInstances_};
        glDeleteBuffers(2, buffers);
        glDeleteTextures(1, &noLight_);
        glDeleteTextures(1, &white_);
        glDeleteVertexArrays(1, &streamVertexArray_);
        const GLuint stream[] = {streamVertices_, streamIndices_};
        glDeleteBuffers(2, stream);
        Release(scene_);
        Release(lightMap_);
    }
    plain_ = lit_ = lightMapProgram_ = occluderProgram_ = stretchProgram_ = Program{};
    emptyVertexArray_ = 0;
    lightVertexArray_ = lightFan_ = lightInstances_ = noLight_ = white_ = 0;
    streamVertexArray_ = streamVertices_ = streamIndices_ = 0;
    scene_ = lightMap_ = Target{};
    // Its names belong to the context that is going.
    singletons.get<singleton::MeshCache>().meshes.clear();
    util::DestroyWindow(singletons);
    singletons.remove<singleton::Texture>();
    singletons.remove<singleton::Camera>();
    singletons.remove<singleton::Layers>();
}

}  // namespace velkor::system
