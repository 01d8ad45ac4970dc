#include "graphics/mesh.hpp"

#include <cstddef>
#include <string>

#include <glad/gl.h>

#include "platform/window.hpp"

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
