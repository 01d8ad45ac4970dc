// Turning a posed skeleton into triangles: region and mesh attachments in draw order, with
// clipping attachments masking the slots they cover.
//
// Contract:
// - SkeletonMesher::Build reads world transforms only: run Skeleton::UpdateWorldTransform first.
// - A region gives 4 vertices and the triangles 0 1 2, 2 3 0; a mesh gives its vertices and its
//   triangle list. Slots on bones the current skin leaves inactive draw nothing.
// - A clipping attachment masks every later slot in draw order up to and including its end slot
//   (or to the end of the draw order). While one clips, another clipping attachment is ignored.
//   Clipped triangles get new vertices whose texture coordinates are interpolated across the
//   triangle they came from. Concave and either-winding masks are fine; a mask that
//   intersects itself clips by what ear cutting makes of it.
// - Storage grows to the largest skeleton and is reused: no allocation per frame after that.
#pragma once

#include <vector>

#include "spine/skeleton.hpp"

namespace velkor::spine {

// Clips triangles against a polygon, which is split into convex pieces once per Begin.
class Clipper {
public:
    // Starts masking with the polygon of `count` points (x, y pairs). False, and nothing is
    // masked, for fewer than three points or no area.
    bool Begin(const float* polygon, int count);
    void End() noexcept { pieces_.clear(); }
    [[nodiscard]] bool Active() const noexcept { return !pieces_.empty(); }

    // Appends the parts of each triangle inside the mask: positions (x, y) and uvs (u, v) per
    // vertex, and triangles indexing from `base` (the number of vertices already in the output).
    void Clip(const float* xy, const float* uv, const unsigned* triangles, std::size_t triangleCount,
              std::vector<float>& outXY, std::vector<float>& outUV, std::vector<unsigned>& outTriangles,
              unsigned base);

    // The convex pieces of the current mask, counter-clockwise, each as x, y pairs.
    [[nodiscard]] const std::vector<std::vector<float>>& Pieces() const noexcept { return pieces_; }

private:
    std::vector<std::vector<float>> pieces_;
    std::vector<float> points_;
    std::vector<int> remaining_;
    std::vector<std::vector<int>> polygons_;
    std::vector<float> polygon_, next_;
};

class SkeletonMesher {
public:
    // Seven packed floats, the layout renderers take as is. Alpha is not carried.
    struct Vertex {
        float x, y, u, v;
        float r, g, b;  // skeleton colour times slot colour, clamped
    };

    // `scale` multiplies every position (a renderer's units per skeleton unit).
    void Build(const Skeleton& skeleton, float scale = 1);

    std::vector<Vertex> vertices;
    std::vector<unsigned> indices;

private:
    Clipper clipper_;
    std::vector<float> world_, clippedXY_, clippedUV_;
    std::vector<unsigned> clippedTriangles_;
};

}  // namespace velkor::spine
