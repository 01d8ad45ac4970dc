#include "graphics/frame.hpp"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <limits>

#include "graphics/camera.hpp"
#include "graphics/components.hpp"
#include "graphics/debug_draw.hpp"
#include "graphics/layers.hpp"
#include "serialization/transform.hpp"

namespace velkor::util {

namespace {

constexpr const char* TooManyLights = "TOO MANY LIGHTS";

void GatherLights(Registry& registry, const glm::vec2& cameraPosition, float viewWidth, std::vector<Frame::Light>& lights) {
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
        lights.push_back({position,
                          {light.InnerRadius, light.OuterRadius, light.Strength},
                          light.Color,
                          {light.IsSpotlight ? 1.0f : 0.0f, light.MinAngle, light.MaxAngle}});
        if (lights.size() > static_cast<std::size_t>(MaxLights)) std::cout << TooManyLights << std::endl;
    }
}

}  // namespace

float DrawOrderDepth(int n) { return 1.0f - static_cast<float>(std::min(n + 1, DepthSlots)) * DepthStep; }

void Frame::Clear() {
    viewProjection = glm::mat4(1.0f);
    lights.clear();
    stream.clear();
    indices.clear();
    runs.clear();
    occluderIndices.clear();
    occluderRuns.clear();
    litMin = glm::vec2(std::numeric_limits<float>::max());
    litMax = glm::vec2(std::numeric_limits<float>::lowest());
    drawnEntities = 0;
}

bool Frame::AnyLit() const {
    return std::any_of(runs.begin(), runs.end(), [](const Run& run) { return run.lit; });
}

bool Frame::AnyScaled() const {
    return std::any_of(runs.begin(), runs.end(), [](const Run& run) { return !run.fullSize; });
}

void Frame::Append(const component::Graphics& g, const glm::mat4& transform, bool lit, bool fullSize) {
    const Graphics::MeshData& mesh = *g.Mesh.data;
    const unsigned texture = g.Texture ? g.Texture->id : 0;
    // A solid colour is the white texel times the colour: the same product the shader formed.
    glm::vec4 factor = g.Color;
    if (!g.Texture)
        factor *= glm::vec4(g.SolidColor[0], g.SolidColor[1], g.SolidColor[2], g.SolidColor[3]) / 255.0f;

    const auto base = static_cast<unsigned>(stream.size());
    const auto count = static_cast<unsigned>(mesh.vertices.size());
    const float depth = DrawOrderDepth(drawnEntities);
    for (const Graphics::Vertex& v : mesh.vertices) {
        const glm::vec4 p = transform * glm::vec4(v.position, 0.0f, 1.0f);
        // Divided through by w, so that the stored depth is the depth that is tested.
        const float w = p.w != 0.0f ? p.w : 1.0f;
        stream.push_back({{p.x / w, p.y / w, depth}, v.texCoord + g.TextureOffset, glm::vec4(v.color, 1.0f) * factor});
        if (lit) {
            litMin = glm::min(litMin, glm::vec2(p.x / w, p.y / w));
            litMax = glm::max(litMax, glm::vec2(p.x / w, p.y / w));
        }
    }
    const std::size_t first = indices.size();
    const std::size_t meshIndices = std::min<std::size_t>(mesh.indices.size(), g.Mesh.indexCount);
    for (std::size_t i = 0; i + 2 < meshIndices; i += 3) {
        const unsigned a = mesh.indices[i], b = mesh.indices[i + 1], c = mesh.indices[i + 2];
        // A triangle reaching past this mesh's vertices would draw with a neighbour's.
        if (a >= count || b >= count || c >= count) continue;
        indices.insert(indices.end(), {base + a, base + b, base + c});
    }
    const std::size_t added = indices.size() - first;
    if (added == 0) return;
    ++drawnEntities;
    // The full-size layers are drawn after the stretch, without depth. An opaque image still fades
    // into its transparent border over the outer half texel of its top and bottom rows.
    bool opaque = !fullSize && factor.a >= 1.0f;
    if (opaque && g.Texture && !g.Texture->opaque) {
        // A sprite-sheet cell or tile may be opaque where its image as a whole is not.
        glm::vec2 low(std::numeric_limits<float>::max()), high(std::numeric_limits<float>::lowest());
        for (std::size_t i = base; i < stream.size(); ++i) {
            low = glm::min(low, stream[i].texCoord);
            high = glm::max(high, stream[i].texCoord);
        }
        opaque = OpaqueOver(*g.Texture, low.x, low.y, high.x, high.y);
    }
    if (opaque && g.Texture && g.Texture->height <= 0) opaque = false;
    if (opaque) {
        const float inset = g.Texture ? 0.5f / static_cast<float>(g.Texture->height) : -1.0f;
        const std::size_t at = occluderIndices.size();
        occluderIndices.insert(occluderIndices.end(), indices.begin() + static_cast<std::ptrdiff_t>(first), indices.end());
        if (!occluderRuns.empty() && occluderRuns.back().edgeInset == inset)
            occluderRuns.back().indexCount += added;
        else
            occluderRuns.push_back({inset, at, added});
    }
    const bool textured = g.Texture != nullptr;
    if (!runs.empty()) {
        Run& last = runs.back();
        if (last.lit == lit && last.texture == texture && last.textured == textured && last.fullSize == fullSize) {
            last.indexCount += added;
            return;
        }
    }
    runs.push_back({lit, texture, textured, fullSize, first, added});
}

void GatherFrame(Registry& registry, Frame& frame) {
    auto& singletons = registry.singletons;
    frame.Clear();
    const singleton::Camera& camera = singletons.get<singleton::Camera>();
    const glm::mat4 pv = ProjectionMatrix(camera) * ViewMatrix(camera);
    frame.viewProjection = pv;
    GatherLights(registry, camera.Position, camera.ViewWidth, frame.lights);
    const bool outlines = singletons.get<singleton::DebugDraw>().EnableMesh;

    // Everything visible into the stream, in draw order.
    auto& layers = GetOrCreateLayers(registry);
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
                QueueRectangle(singletons.get<singleton::DebugDraw>(), t->Translation, t->Scale, {0.0f, 1.0f, 0.0f},
                               t->Rotation);
            // A component added in code has no mesh yet.
            if (g.Mesh.vertexArray == 0 || g.Mesh.indexCount == 0 || !g.Mesh.data) continue;
            const glm::mat4 transform = !t ? identity : g.Locked ? t->GetMatrix() : pv * t->GetMatrix();
            frame.Append(g, transform, !g.Locked && g.DoLight, layer >= FullSizeLayers);
        }
    }
}

}  // namespace velkor::util
