// Meshes: the seven-float vertex, vertex arrays built from vertex and index lists, refilled in place,
// and shared between the entities whose data give the same geometry.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

namespace velkor::util::Graphics {

// Seven floats, interleaved: attribute 0 position, 1 texCoord ((0, 0) = image top-left), 2 colour.
struct Vertex {
    glm::vec2 position{0.0f, 0.0f};
    glm::vec2 texCoord{0.0f, 0.0f};
    glm::vec3 color{1.0f, 1.0f, 1.0f};
};
static_assert(sizeof(Vertex) == 28, "the vertex layout is seven tightly packed floats");

// What was last uploaded, kept on the CPU: the Graphics system draws from it, placing the vertices
// of many entities into one stream so that alike neighbours share a draw call.
struct MeshData {
    std::vector<Vertex> vertices;
    std::vector<unsigned> indices;
};

struct Mesh {
    unsigned vertexArray = 0;
    unsigned vertexBuffer = 0;
    unsigned indexBuffer = 0;
    std::uint64_t indexCount = 0;
    // Shared by copies of the mesh, as the GL names are. Set by BuildMesh and RefillMesh: a mesh
    // assembled by hand without it is not drawn.
    std::shared_ptr<MeshData> data;
};

// Uploads the lists into a new vertex array with its two buffers. All zero without a GL context.
[[nodiscard]] Mesh BuildMesh(const std::vector<Vertex>& vertices, const std::vector<unsigned>& indices);

// The white unit quad with the whole texture.
[[nodiscard]] Mesh DefaultMesh();

// Re-uploads both buffers of an existing mesh with new contents (sizes may change).
void RefillMesh(Mesh& mesh, const std::vector<Vertex>& vertices, const std::vector<unsigned>& indices);

// Zeroes the mesh and deletes its GL objects unless another holder still shares them.
void DeleteMesh(Mesh& mesh);

// The quad of size `size` with texture cell (0, 0)-`cell`, centred on the origin.
void AppendQuad(std::vector<Vertex>& vertices, std::vector<unsigned>& indices, glm::vec2 size, glm::vec2 cell,
                glm::vec3 color);

}  // namespace velkor::util::Graphics

namespace velkor::singleton {

// Meshes read from data, by their exact contents: the entities whose data give the same geometry (a
// map's tiles above all: thousands of cells, a dozen shapes) share one mesh and its GL objects. The
// entries hold no ownership, so the last entity to let go still deletes the GL objects.
struct MeshCache {
    struct Entry {
        util::Graphics::Mesh names;  // its GL names and index count, without the data
        std::weak_ptr<util::Graphics::MeshData> data;
    };
    std::unordered_map<std::string, Entry> meshes;
};

}  // namespace velkor::singleton

namespace velkor::util::Graphics {

// The mesh of exactly these lists from the cache, shared, or built and remembered there.
[[nodiscard]] Mesh SharedMesh(singleton::MeshCache& cache, const std::vector<Vertex>& vertices,
                              const std::vector<unsigned>& indices);

}  // namespace velkor::util::Graphics
