#include "spine/skeleton_mesh.hpp"

#include <algorithm>
#include <cmath>

namespace velkor::spine {

namespace {

constexpr unsigned RegionTriangles[6] = {0, 1, 2, 2, 3, 0};

float Cross(float ax, float ay, float bx, float by, float cx, float cy) {
    return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
}

}  // namespace

// --- Clipper ----------------------------------------------------------------------------------------

bool Clipper::Begin(const float* polygon, int count) {
    pieces_.clear();
    if (count < 3) return false;
    points_.assign(polygon, polygon + static_cast<std::ptrdiff_t>(count) * 2);
    auto px = [&](int i) { return points_[static_cast<std::size_t>(i) * 2]; };
    auto py = [&](int i) { return points_[static_cast<std::size_t>(i) * 2 + 1]; };
    float area = 0;
    for (int i = 0, j = count - 1; i < count; j = i++) area += px(j) * py(i) - px(i) * py(j);
    if (!(std::abs(area) > 1e-9f)) return false;  // also refuses NaN

    // Ear cutting, counter-clockwise. When no clean ear is left (a self-intersecting mask), the
    // first convex corner is cut anyway so the loop always ends.
    remaining_.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) remaining_[static_cast<std::size_t>(i)] = area > 0 ? i : count - 1 - i;
    polygons_.clear();
    while (remaining_.size() > 3) {
        const auto n = remaining_.size();
        std::size_t ear = n, fallback = n;
        for (std::size_t i = 0; i < n && ear == n; ++i) {
            const int a = remaining_[(i + n - 1) % n], b = remaining_[i], c = remaining_[(i + 1) % n];
            if (Cross(px(a), py(a), px(b), py(b), px(c), py(c)) <= 0) continue;
            if (fallback == n) fallback = i;
            bool empty = true;
            for (const int p : remaining_) {
                if (p == a || p == b || p == c) continue;
                if (Cross(px(a), py(a), px(b), py(b), px(p), py(p)) >= 0 &&
                    Cross(px(b), py(b), px(c), py(c), px(p), py(p)) >= 0 &&
                    Cross(px(c), py(c), px(a), py(a), px(p), py(p)) >= 0) {
                    empty = false;
                    break;
                }
            }
            if (empty) ear = i;
        }
        if (ear == n) ear = fallback == n ? 0 : fallback;
        polygons_.push_back({remaining_[(ear + n - 1) % n], remaining_[ear], remaining_[(ear + 1) % n]});
        remaining_.erase(remaining_.begin() + static_cast<std::ptrdiff_t>(ear));
    }
    polygons_.push_back(remaining_);

    // Merge neighbours across a shared edge while the union stays convex: fewer, larger pieces
    // cut the clipped triangles into fewer parts.
    auto convex = [&](const std::vector<int>& poly) {
        const auto n = poly.size();
        for (std::size_t i = 0; i < n; ++i) {
            const int a = poly[i], b = poly[(i + 1) % n], c = poly[(i + 2) % n];
            if (Cross(px(a), py(a), px(b), py(b), px(c), py(c)) < -1e-6f) return false;
        }
        return true;
    };
    for (bool merged = true; merged;) {
        merged = false;
        for (std::size_t i = 0; i < polygons_.size() && !merged; ++i) {
            for (std::size_t j = i + 1; j < polygons_.size() && !merged; ++j) {
                const auto& A = polygons_[i];
                const auto& B = polygons_[j];
                for (std::size_t e = 0; e < A.size() && !merged; ++e) {
                    const int u = A[e], v = A[(e + 1) % A.size()];
                    const auto at = std::find(B.begin(), B.end(), v);
                    if (at == B.end()) continue;
                    const auto k = static_cast<std::size_t>(at - B.begin());
                    if (B[(k + 1) % B.size()] != u) continue;
                    // A from v round to u, then B's vertices strictly between u and v.
                    std::vector<int> joined;
                    for (std::size_t s = 0; s < A.size(); ++s) joined.push_back(A[(e + 1 + s) % A.size()]);
                    for (std::size_t s = 2; s < B.size(); ++s) joined.push_back(B[(k + s) % B.size()]);
                    if (!convex(joined)) continue;
                    polygons_[i] = std::move(joined);
                    polygons_.erase(polygons_.begin() + static_cast<std::ptrdiff_t>(j));
                    merged = true;
                }
            }
        }
    }
    for (const auto& poly : polygons_) {
        std::vector<float>& piece = pieces_.emplace_back();
        for (const int p : poly) piece.insert(piece.end(), {px(p), py(p)});
    }
    return true;
}

void Clipper::Clip(const float* xy, const float* uv, const unsigned* triangles, std::size_t triangleCount,
                   std::vector<float>& outXY, std::vector<float>& outUV, std::vector<unsigned>& outTriangles,
                   unsigned base) {
    for (std::size_t t = 0; t < triangleCount; ++t) {
        const unsigned i0 = triangles[t * 3], i1 = triangles[t * 3 + 1], i2 = triangles[t * 3 + 2];
        const float x0 = xy[i0 * 2], y0 = xy[i0 * 2 + 1], x1 = xy[i1 * 2], y1 = xy[i1 * 2 + 1];
        const float x2 = xy[i2 * 2], y2 = xy[i2 * 2 + 1];
        const float area = Cross(x0, y0, x1, y1, x2, y2);
        if (!(std::abs(area) > 1e-12f)) continue;  // no area, nothing to see
        for (const auto& piece : pieces_) {
            // Sutherland-Hodgman: keep what lies left of each counter-clockwise edge.
            polygon_.assign({x0, y0, x1, y1, x2, y2});
            const std::size_t edges = piece.size() / 2;
            for (std::size_t e = 0; e < edges && polygon_.size() >= 6; ++e) {
                const float ex = piece[e * 2], ey = piece[e * 2 + 1];
                const float fx = piece[(e + 1) % edges * 2], fy = piece[(e + 1) % edges * 2 + 1];
                next_.clear();
                const std::size_t n = polygon_.size() / 2;
                for (std::size_t p = 0; p < n; ++p) {
                    const float ax = polygon_[p * 2], ay = polygon_[p * 2 + 1];
                    const float bx = polygon_[(p + 1) % n * 2], by = polygon_[(p + 1) % n * 2 + 1];
                    const float da = Cross(ex, ey, fx, fy, ax, ay), db = Cross(ex, ey, fx, fy, bx, by);
                    if (da >= 0) next_.insert(next_.end(), {ax, ay});
                    if ((da >= 0) != (db >= 0)) {
                        const float s = da / (da - db);
                        next_.insert(next_.end(), {ax + (bx - ax) * s, ay + (by - ay) * s});
                    }
                }
                std::swap(polygon_, next_);
            }
            // Cuts leave repeated and in-line points; fanned, they would make triangles without area.
            const float tiny = std::abs(area) * 1e-7f;
            for (std::size_t p = 0; polygon_.size() >= 6 && p < polygon_.size() / 2;) {
                const std::size_t m = polygon_.size() / 2, prev = (p + m - 1) % m, next = (p + 1) % m;
                if (std::abs(Cross(polygon_[prev * 2], polygon_[prev * 2 + 1], polygon_[p * 2], polygon_[p * 2 + 1],
                                   polygon_[next * 2], polygon_[next * 2 + 1])) <= tiny) {
                    polygon_.erase(polygon_.begin() + static_cast<std::ptrdiff_t>(p * 2),
                                   polygon_.begin() + static_cast<std::ptrdiff_t>(p * 2 + 2));
                    p = p > 0 ? p - 1 : 0;
                } else {
                    ++p;
                }
            }
            const std::size_t n = polygon_.size() / 2;
            if (n < 3) continue;
            // A piece that only touches the triangle along an edge leaves a sliver without area.
            float kept = 0;
            for (std::size_t p = 0, q = n - 1; p < n; q = p++)
                kept += polygon_[q * 2] * polygon_[p * 2 + 1] - polygon_[p * 2] * polygon_[q * 2 + 1];
            if (!(std::abs(kept) > std::abs(area) * 1e-6f)) continue;
            const auto first = base + static_cast<unsigned>(outXY.size() / 2);
            for (std::size_t p = 0; p < n; ++p) {
                const float px = polygon_[p * 2], py = polygon_[p * 2 + 1];
                // Barycentric weights in the source triangle carry its texture coordinates over.
                const float w0 = Cross(px, py, x1, y1, x2, y2) / area, w1 = Cross(x0, y0, px, py, x2, y2) / area;
                const float w2 = 1 - w0 - w1;
                outXY.insert(outXY.end(), {px, py});
                outUV.insert(outUV.end(), {uv[i0 * 2] * w0 + uv[i1 * 2] * w1 + uv[i2 * 2] * w2,
                                           uv[i0 * 2 + 1] * w0 + uv[i1 * 2 + 1] * w1 + uv[i2 * 2 + 1] * w2});
            }
            // Clipping keeps the source triangle's winding; a clockwise source fans the same way.
            for (unsigned p = 1; p + 1 < n; ++p) outTriangles.insert(outTriangles.end(), {first, first + p, first + p + 1});
        }
    }
}

// --- Mesher -----------------------------------------------------------------------------------------

void SkeletonMesher::Build(const Skeleton& skeleton, float scale) {
    vertices.clear();
    indices.clear();
    clipper_.End();
    int clipEnd = -1;
    const Color& skeletonColor = skeleton.color;
    for (const int slotIndex : skeleton.drawOrder) {
        const Slot& slot = skeleton.slots[static_cast<std::size_t>(slotIndex)];
        const Attachment* attachment = slot.attachment;
        if (attachment && skeleton.bones[static_cast<std::size_t>(slot.bone)].active) {
            const float* uvs = nullptr;
            const unsigned* triangles = nullptr;
            std::size_t count = 0, triangleCount = 0;
            if (attachment->kind == Attachment::Kind::Region) {
                const auto* region = static_cast<const RegionAttachment*>(attachment);
                count = 4;
                world_.resize(8);
                region->ComputeWorldVertices(skeleton.bones[static_cast<std::size_t>(slot.bone)], world_.data(), 0, 2);
                uvs = region->uvs;
                triangles = RegionTriangles;
                triangleCount = 2;
            } else if (attachment->kind == Attachment::Kind::Mesh) {
                const auto* mesh = static_cast<const MeshAttachment*>(attachment);
                count = static_cast<std::size_t>(mesh->worldVerticesLength / 2);
                world_.resize(count * 2);
                mesh->ComputeWorldVertices(skeleton, slot, 0, mesh->worldVerticesLength, world_.data(), 0, 2);
                uvs = mesh->uvs.data();
                triangles = mesh->triangles.data();
                triangleCount = mesh->triangles.size() / 3;
            } else if (attachment->kind == Attachment::Kind::Clipping && !clipper_.Active()) {
                const auto* clip = static_cast<const ClippingAttachment*>(attachment);
                world_.resize(static_cast<std::size_t>(clip->worldVerticesLength));
                clip->ComputeWorldVertices(skeleton, slot, 0, clip->worldVerticesLength, world_.data(), 0, 2);
                if (clipper_.Begin(world_.data(), clip->worldVerticesLength / 2)) clipEnd = clip->endSlot;
            }
            if (count > 0) {
                Color tint{skeletonColor.r * slot.color.r, skeletonColor.g * slot.color.g,
                           skeletonColor.b * slot.color.b, skeletonColor.a * slot.color.a};
                tint.Clamp();
                const auto base = static_cast<unsigned>(vertices.size());
                if (clipper_.Active()) {
                    clippedXY_.clear();
                    clippedUV_.clear();
                    clippedTriangles_.clear();
                    clipper_.Clip(world_.data(), uvs, triangles, triangleCount, clippedXY_, clippedUV_, clippedTriangles_,
                                  base);
                    for (std::size_t i = 0; i < clippedXY_.size() / 2; ++i)
                        vertices.push_back({clippedXY_[i * 2] * scale, clippedXY_[i * 2 + 1] * scale, clippedUV_[i * 2],
                                            clippedUV_[i * 2 + 1], tint.r, tint.g, tint.b});
                    indices.insert(indices.end(), clippedTriangles_.begin(), clippedTriangles_.end());
                } else {
                    // Written in place: this runs for every slot of every skeleton each frame.
                    vertices.resize(base + count);
                    Vertex* out = vertices.data() + base;
                    for (std::size_t i = 0; i < count; ++i)
                        out[i] = {world_[i * 2] * scale, world_[i * 2 + 1] * scale, uvs[i * 2], uvs[i * 2 + 1], tint.r, tint.g, tint.b};
                    const std::size_t first = indices.size();
                    indices.resize(first + triangleCount * 3);
                    for (std::size_t i = 0; i < triangleCount * 3; ++i) indices[first + i] = base + triangles[i];
                }
            }
        }
        if (clipper_.Active() && slotIndex == clipEnd) clipper_.End();
    }
}

}  // namespace velkor::spine
