// IK, transform and path constraints: each runs at its place in the skeleton's update order and
// rewrites the applied and world transforms of its bones.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "spine/skeleton.hpp"

namespace velkor::spine {

namespace {

constexpr float Pi = std::numbers::pi_v<float>;
constexpr float Radians = Pi / 180.0f;

// Degrees wrapped into (-180, 180].
float WrapDegrees(float d) {
    d = std::fmod(d, 360.0f);
    if (d > 180) d -= 360;
    else if (d <= -180) d += 360;
    return d;
}

float WrapRadians(float r) {
    r = std::fmod(r, 2 * Pi);
    if (r > Pi) r -= 2 * Pi;
    else if (r <= -Pi) r += 2 * Pi;
    return r;
}

// Turns a bone's world axes by r radians.
void RotateWorld(Bone& bone, float r) {
    const float cs = std::cos(r), sn = std::sin(r);
    const float a = bone.a, b = bone.b, c = bone.c, d = bone.d;
    bone.a = cs * a - sn * c;
    bone.b = cs * b - sn * d;
    bone.c = sn * a + cs * c;
    bone.d = sn * b + cs * d;
}

// The linear part that places a bone's local values in the world: its parent's, or the skeleton's
// scale for a root and for bones that inherit no rotation.
struct Frame {
    float a, b, c, d;
    [[nodiscard]] bool Invert(float& x, float& y) const {
        const float det = a * d - b * c;
        if (std::abs(det) < 1e-12f) return false;
        const float ix = (x * d - y * b) / det, iy = (y * a - x * c) / det;
        x = ix, y = iy;
        return true;
    }
};

}  // namespace

// --- IK -----------------------------------------------------------------------------------------

namespace {

Frame ParentFrame(const Skeleton& skeleton, const Bone& bone) {
    const TransformMode mode = skeleton.Data().bones[static_cast<std::size_t>(bone.data)].transformMode;
    if (bone.parent < 0 || mode == TransformMode::OnlyTranslation || mode == TransformMode::NoRotationOrReflection)
        return {skeleton.scaleX, 0, 0, skeleton.scaleY};
    const Bone& p = skeleton.bones[static_cast<std::size_t>(bone.parent)];
    return {p.a, p.b, p.c, p.d};
}

// The local rotation that points the bone's x axis along a world direction.
float LocalRotationFor(const Skeleton& skeleton, const Bone& bone, float wx, float wy) {
    if (!ParentFrame(skeleton, bone).Invert(wx, wy)) return bone.arotation;
    float rotation = std::atan2(wy, wx) / Radians - bone.ashearX;
    if (bone.ascaleX < 0) rotation += 180;
    return bone.arotation + WrapDegrees(rotation - bone.arotation);
}

}  // namespace

void Skeleton::ApplyIk(const IkConstraint& constraint) {
    const IkConstraintData& data = data_->ikConstraints[static_cast<std::size_t>(constraint.data)];
    const Bone& target = bones[static_cast<std::size_t>(data.target)];
    const float tx = target.worldX, ty = target.worldY, alpha = constraint.mix;
    Bone& parent = bones[static_cast<std::size_t>(data.bones.front())];
    if (!parent.appliedValid) UpdateAppliedTransform(parent);
    const float parentLength = data_->bones[static_cast<std::size_t>(parent.data)].length;

    if (data.bones.size() == 1) {
        const float full = LocalRotationFor(*this, parent, tx - parent.worldX, ty - parent.worldY);
        float sx = parent.ascaleX, sy = parent.ascaleY;
        if (constraint.compress || constraint.stretch) {
            // Reach measured in the parent's space, where the bone's length times its scale lies.
            float dx = tx - parent.worldX, dy = ty - parent.worldY;
            const float reach = parentLength * std::abs(sx);
            if (ParentFrame(*this, parent).Invert(dx, dy) && reach > 0.0001f) {
                const float distance = std::sqrt(dx * dx + dy * dy);
                if ((constraint.compress && distance < reach) || (constraint.stretch && distance > reach)) {
                    const float s = (distance / reach - 1) * alpha + 1;
                    sx *= s;
                    if (data.uniform) sy *= s;
                }
            }
        }
        UpdateBone(parent, parent.ax, parent.ay, parent.arotation + (full - parent.arotation) * alpha, sx, sy,
                   parent.ashearX, parent.ashearY);
        return;
    }

    Bone& child = bones[static_cast<std::size_t>(data.bones.back())];
    if (!child.appliedValid) UpdateAppliedTransform(child);
    const float parentRotation = parent.arotation, parentScaleX = parent.ascaleX, parentScaleY = parent.ascaleY;
    const float childRotation = child.arotation;
    // The child as its applied values place it under the parent as it stands now.
    UpdateBone(child, child.ax, child.ay, child.arotation, child.ascaleX, child.ascaleY, child.ashearX, child.ashearY);
    const float px = parent.worldX, py = parent.worldY;
    float l1 = std::hypot(child.worldX - px, child.worldY - py);
    float l2 = data_->bones[static_cast<std::size_t>(child.data)].length * std::hypot(child.a, child.c);
    const float dx = tx - px, dy = ty - py;
    const float distance = std::hypot(dx, dy);
    if (l1 < 0.0001f || distance < 0.0001f) return;  // nothing to turn about
    // Where the child's origin sits off the parent's x axis, in world angle.
    const float offset = std::atan2(child.worldY - py, child.worldX - px) - std::atan2(parent.c, parent.a);

    float reach = distance, stretch = 1;
    const float total = l1 + l2;
    if (constraint.stretch && distance > total && total > 0.0001f) {
        stretch = distance / total;
        l1 *= stretch;
        l2 *= stretch;
    } else if (constraint.softness > 0 && distance > total - constraint.softness) {
        // Within `softness` of full reach the chain straightens more and more slowly; it is
        // straight once the target is `softness` beyond reach.
        const float soft = constraint.softness, start = total - soft;
        const float u = std::min(1.0f, (distance - start) / (2 * soft));
        reach = start + 2 * soft * (u - u * u / 2);
    }
    const float bend = static_cast<float>(constraint.bendDirection < 0 ? -1 : 1);
    const float d = std::clamp(reach, std::abs(l1 - l2), total * stretch);
    float atParent = 0, atChild = Pi;  // interior angles of the triangle parent-child-tip
    if (l2 > 0.0001f && d > 0.0001f) {
        atParent = std::acos(std::clamp((l1 * l1 + d * d - l2 * l2) / (2 * l1 * d), -1.0f, 1.0f));
        atChild = std::acos(std::clamp((l1 * l1 + l2 * l2 - d * d) / (2 * l1 * l2), -1.0f, 1.0f));
    }
    const float segment = std::atan2(dy, dx) - bend * atParent;
    const float tip = segment + bend * (Pi - atChild);

    const float parentFull = LocalRotationFor(*this, parent, std::cos(segment - offset), std::sin(segment - offset));
    UpdateBone(parent, parent.ax, parent.ay, parentFull, parentScaleX * stretch, parentScaleY, parent.ashearX,
               parent.ashearY);
    const float childFull = LocalRotationFor(*this, child, std::cos(tip), std::sin(tip));
    const float s = (stretch - 1) * alpha + 1;
    UpdateBone(parent, parent.ax, parent.ay, parentRotation + WrapDegrees(parentFull - parentRotation) * alpha,
               parentScaleX * s, parentScaleY, parent.ashearX, parent.ashearY);
    UpdateBone(child, child.ax, child.ay, childRotation + WrapDegrees(childFull - childRotation) * alpha,
               child.ascaleX, child.ascaleY, child.ashearX, child.ashearY);
}

// --- Transform ------------------------------------------------------------------------------------

void Skeleton::ApplyTransform(const TransformConstraint& constraint) {
    const TransformConstraintData& data = data_->transformConstraints[static_cast<std::size_t>(constraint.data)];
    Bone& target = bones[static_cast<std::size_t>(data.target)];
    const float rotateMix = constraint.rotateMix, translateMix = constraint.translateMix;
    const float scaleMix = constraint.scaleMix, shearMix = constraint.shearMix;

    if (data.local) {
        if (!target.appliedValid) UpdateAppliedTransform(target);
        for (int index : data.bones) {
            Bone& bone = bones[static_cast<std::size_t>(index)];
            if (!bone.appliedValid) UpdateAppliedTransform(bone);
            float rotation = bone.arotation, x = bone.ax, y = bone.ay;
            float scaleX = bone.ascaleX, scaleY = bone.ascaleY, shearY = bone.ashearY;
            if (data.relative) {
                rotation += (target.arotation + data.offsetRotation) * rotateMix;
                x += (target.ax + data.offsetX) * translateMix;
                y += (target.ay + data.offsetY) * translateMix;
                scaleX *= (target.ascaleX - 1 + data.offsetScaleX) * scaleMix + 1;
                scaleY *= (target.ascaleY - 1 + data.offsetScaleY) * scaleMix + 1;
                shearY += (target.ashearY + data.offsetShearY) * shearMix;
            } else {
                rotation += WrapDegrees(target.arotation + data.offsetRotation - rotation) * rotateMix;
                x += (target.ax + data.offsetX - x) * translateMix;
                y += (target.ay + data.offsetY - y) * translateMix;
                scaleX += (target.ascaleX + data.offsetScaleX - scaleX) * scaleMix;
                scaleY += (target.ascaleY + data.offsetScaleY - scaleY) * scaleMix;
                shearY += WrapDegrees(target.ashearY + data.offsetShearY - shearY) * shearMix;
            }
            UpdateBone(bone, x, y, rotation, scaleX, scaleY, bone.ashearX, shearY);
        }
        return;
    }

    const float ta = target.a, tb = target.b, tc = target.c, td = target.d;
    // A reflected target turns the other way, so its offsets do too.
    const float sign = ta * td - tb * tc > 0 ? 1.0f : -1.0f;
    const float offsetRotation = data.offsetRotation * Radians * sign;
    const float offsetShearY = data.offsetShearY * Radians * sign;
    const float targetX = std::atan2(tc, ta), targetY = std::atan2(td, tb);
    const float targetScaleX = std::hypot(ta, tc), targetScaleY = std::hypot(tb, td);
    const float ox = ta * data.offsetX + tb * data.offsetY + target.worldX;
    const float oy = tc * data.offsetX + td * data.offsetY + target.worldY;
    for (int index : data.bones) {
        Bone& bone = bones[static_cast<std::size_t>(index)];
        if (rotateMix != 0) {
            const float r = data.relative ? targetX + offsetRotation
                                          : targetX - std::atan2(bone.c, bone.a) + offsetRotation;
            RotateWorld(bone, WrapRadians(r) * rotateMix);
        }
        if (translateMix != 0) {
            if (data.relative) {
                bone.worldX += ox * translateMix;
                bone.worldY += oy * translateMix;
            } else {
                bone.worldX += (ox - bone.worldX) * translateMix;
                bone.worldY += (oy - bone.worldY) * translateMix;
            }
        }
        if (scaleMix != 0) {
            float sx = std::hypot(bone.a, bone.c), sy = std::hypot(bone.b, bone.d);
            const float fx = data.relative ? (targetScaleX - 1 + data.offsetScaleX) * scaleMix + 1
                             : sx > 0.00001f ? (sx + (targetScaleX - sx + data.offsetScaleX) * scaleMix) / sx
                                             : 1.0f;
            const float fy = data.relative ? (targetScaleY - 1 + data.offsetScaleY) * scaleMix + 1
                             : sy > 0.00001f ? (sy + (targetScaleY - sy + data.offsetScaleY) * scaleMix) / sy
                                             : 1.0f;
            bone.a *= fx, bone.c *= fx, bone.b *= fy, bone.d *= fy;
        }
        if (shearMix != 0) {
            const float by = std::atan2(bone.d, bone.b), bx = std::atan2(bone.c, bone.a);
            // Shear is the y axis's angle away from a quarter turn past the x axis.
            const float targetShear = targetY - targetX - Pi / 2 + offsetShearY;
            const float r = data.relative ? WrapRadians(targetShear) : WrapRadians(targetShear - (by - bx - Pi / 2));
            const float angle = by + r * shearMix, length = std::hypot(bone.b, bone.d);
            bone.b = std::cos(angle) * length;
            bone.d = std::sin(angle) * length;
        }
        bone.appliedValid = false;
    }
}

// --- Path ---------------------------------------------------------------------------------------

namespace {

constexpr int Samples = 16;  // polyline steps per Bézier segment for arc lengths

struct Segment {
    float x0, y0, x1, y1, x2, y2, x3, y3;
    void At(float t, float& x, float& y, float& tx, float& ty) const {
        const float u = 1 - t;
        x = u * u * u * x0 + 3 * u * u * t * x1 + 3 * u * t * t * x2 + t * t * t * x3;
        y = u * u * u * y0 + 3 * u * u * t * y1 + 3 * u * t * t * y2 + t * t * t * y3;
        tx = 3 * u * u * (x1 - x0) + 6 * u * t * (x2 - x1) + 3 * t * t * (x3 - x2);
        ty = 3 * u * u * (y1 - y0) + 6 * u * t * (y2 - y1) + 3 * t * t * (y3 - y2);
        if (tx * tx + ty * ty < 1e-12f) tx = x3 - x0, ty = y3 - y0;  // handles on the points
    }
};

}  // namespace

void Skeleton::ApplyPath(const PathConstraint& constraint) {
    const PathConstraintData& data = data_->pathConstraints[static_cast<std::size_t>(constraint.data)];
    const float rotateMix = constraint.rotateMix, translateMix = constraint.translateMix;
    if (rotateMix == 0 && translateMix == 0) return;
    const Slot& slot = slots[static_cast<std::size_t>(data.target)];
    const auto* path = dynamic_cast<const PathAttachment*>(slot.attachment);
    if (!path) return;
    const int points = path->worldVerticesLength / 2;  // control points, three per path vertex
    const int vertices = points / 3;
    const int segmentCount = path->closed ? vertices : vertices - 1;
    if (segmentCount < 1) return;

    // Scratch layout: world control points, then per segment its sampled cumulative lengths.
    std::vector<float>& scratch = pathScratch_;
    const auto worldSize = static_cast<std::size_t>(path->worldVerticesLength);
    scratch.resize(worldSize + static_cast<std::size_t>(segmentCount) * (Samples + 1));
    path->ComputeWorldVertices(*this, slot, 0, path->worldVerticesLength, scratch.data(), 0, 2);
    auto point = [&](int i, float& x, float& y) {
        const auto k = static_cast<std::size_t>((i % points + points) % points) * 2;
        x = scratch[k], y = scratch[k + 1];
    };
    auto segmentAt = [&](int s) {
        Segment g{};
        point(s * 3 + 1, g.x0, g.y0);
        point(s * 3 + 2, g.x1, g.y1);
        point(s * 3 + 3, g.x2, g.y2);
        point(s * 3 + 4, g.x3, g.y3);
        return g;
    };
    float* samples = scratch.data() + worldSize;
    float total = 0;
    const bool setupLengths = !path->constantSpeed && path->lengths.size() == static_cast<std::size_t>(segmentCount);
    for (int s = 0; s < segmentCount; ++s) {
        const Segment g = segmentAt(s);
        float* cumulative = samples + static_cast<std::size_t>(s) * (Samples + 1);
        cumulative[0] = total;
        float lx = g.x0, ly = g.y0;
        for (int k = 1; k <= Samples; ++k) {
            float x, y, tx, ty;
            g.At(static_cast<float>(k) / Samples, x, y, tx, ty);
            cumulative[k] = cumulative[k - 1] + std::hypot(x - lx, y - ly);
            lx = x, ly = y;
        }
        if (setupLengths) {
            // Without constant speed the segments keep their setup share of the path and the
            // curve parameter runs evenly inside each.
            const float end = path->lengths[static_cast<std::size_t>(s)];
            for (int k = 0; k <= Samples; ++k) cumulative[k] = total + (end - total) * static_cast<float>(k) / Samples;
        }
        total = cumulative[Samples];
    }
    if (total <= 0.0001f) return;

    // A distance along the path to a point and its direction.
    auto locate = [&](float distance, float& x, float& y, float& angle) {
        float tx, ty;
        if (path->closed) {
            distance = std::fmod(distance, total);
            if (distance < 0) distance += total;
        } else if (distance < 0 || distance > total) {
            // Past an open end the path runs on straight along its end direction.
            const bool before = distance < 0;
            const Segment g = segmentAt(before ? 0 : segmentCount - 1);
            g.At(before ? 0.0f : 1.0f, x, y, tx, ty);
            const float length = std::hypot(tx, ty), over = before ? distance : distance - total;
            if (length > 0) x += tx / length * over, y += ty / length * over;
            angle = std::atan2(ty, tx);
            return;
        }
        int s = 0;
        while (s + 1 < segmentCount && samples[static_cast<std::size_t>(s + 1) * (Samples + 1)] <= distance) ++s;
        const float* cumulative = samples + static_cast<std::size_t>(s) * (Samples + 1);
        int k = 1;
        while (k < Samples && cumulative[k] < distance) ++k;
        const float span = cumulative[k] - cumulative[k - 1];
        const float f = span > 0 ? std::clamp((distance - cumulative[k - 1]) / span, 0.0f, 1.0f) : 0.0f;
        segmentAt(s).At((static_cast<float>(k - 1) + f) / Samples, x, y, tx, ty);
        angle = std::atan2(ty, tx);
    };

    const bool tangents = data.rotateMode == RotateMode::Tangent;
    const std::size_t boneCount = data.bones.size();
    float distance = data.positionMode == PositionMode::Percent ? constraint.position * total : constraint.position;
    const float sign = scaleX * scaleY < 0 ? -1.0f : 1.0f;
    const float offsetRotation = data.offsetRotation * Radians * sign;
    float nextX = 0, nextY = 0, nextAngle = 0;
    locate(distance, nextX, nextY, nextAngle);
    for (std::size_t i = 0; i < boneCount; ++i) {
        Bone& bone = bones[static_cast<std::size_t>(data.bones[i])];
        const float x = nextX, y = nextY, angle = nextAngle;
        const float length = data_->bones[static_cast<std::size_t>(bone.data)].length * std::hypot(bone.a, bone.c);
        float space = constraint.spacing;
        if (data.spacingMode == SpacingMode::Percent) space = constraint.spacing * total;
        else if (data.spacingMode == SpacingMode::Length) space = length > 0.0001f ? length + constraint.spacing : 0;
        distance += space;
        if (i + 1 < boneCount || !tangents) locate(distance, nextX, nextY, nextAngle);

        bone.worldX += (x - bone.worldX) * translateMix;
        bone.worldY += (y - bone.worldY) * translateMix;
        if (rotateMix != 0) {
            float r = angle;
            if (!tangents) {
                const float dx = nextX - x, dy = nextY - y, gap = std::hypot(dx, dy);
                if (gap > 0.0001f) r = std::atan2(dy, dx);
                if (data.rotateMode == RotateMode::ChainScale && length > 0.0001f) {
                    const float s = (gap / length - 1) * rotateMix + 1;
                    bone.a *= s;
                    bone.c *= s;
                }
            }
            RotateWorld(bone, WrapRadians(r - std::atan2(bone.c, bone.a) + offsetRotation) * rotateMix);
        }
        bone.appliedValid = false;
    }
}

}  // namespace velkor::spine
