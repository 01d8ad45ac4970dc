// Timelines: keyed values over time, applied to a skeleton's local pose.
#include <algorithm>
#include <cmath>

#include "spine/skeleton.hpp"

namespace velkor::spine {

namespace {

// The difference b - a taken the short way round, in (-180, 180].
float AngleDelta(float a, float b) {
    float d = std::fmod(b - a, 360.0f);
    if (d > 180) d -= 360;
    else if (d <= -180) d += 360;
    return d;
}

float Lerp(float a, float b, float t) { return a + (b - a) * t; }

Color Lerp(const Color& a, const Color& b, float t) {
    return {Lerp(a.r, b.r, t), Lerp(a.g, b.g, t), Lerp(a.b, b.b, t), Lerp(a.a, b.a, t)};
}

// Cubic Bézier coordinate with end points 0 and 1 and handles p1, p2.
float Bezier(float p1, float p2, float t) {
    const float u = 1 - t;
    return 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t;
}

float BezierSlope(float p1, float p2, float t) {
    const float u = 1 - t;
    return 3 * u * u * p1 + 6 * u * t * (p2 - p1) + 3 * t * t * (1 - p2);
}

}  // namespace

float Curve::Apply(float p) const noexcept {
    switch (kind) {
        case Kind::Linear:
            return p;
        case Kind::Stepped:
            return 0;
        case Kind::Bezier:
            break;
    }
    if (p <= 0) return 0;
    if (p >= 1) return 1;
    // Find the curve parameter whose x is p (x is monotonic for handles in [0, 1]): Newton steps,
    // kept inside a bracket that bisection narrows whenever a step would leave it.
    float lo = 0, hi = 1, t = p;
    for (int i = 0; i < 24; ++i) {
        const float x = Bezier(cx1, cx2, t) - p;
        if (std::abs(x) < 1e-6f) break;
        if (x > 0) hi = t;
        else lo = t;
        const float slope = BezierSlope(cx1, cx2, t);
        float next = slope > 1e-6f ? t - x / slope : (lo + hi) / 2;
        if (next <= lo || next >= hi) next = (lo + hi) / 2;
        t = next;
    }
    return Bezier(cy1, cy2, t);
}

int Timeline::Locate(float time, float& percent) const {
    percent = 0;
    if (times.empty() || time < times.front()) return -1;
    const auto index = static_cast<int>(std::upper_bound(times.begin(), times.end(), time) - times.begin()) - 1;
    if (static_cast<std::size_t>(index) + 1 >= times.size()) return index;
    const float t0 = times[static_cast<std::size_t>(index)], t1 = times[static_cast<std::size_t>(index) + 1];
    const float p = t1 > t0 ? (time - t0) / (t1 - t0) : 0.0f;
    percent = curves[static_cast<std::size_t>(index)].Apply(p);
    return index;
}

void BoneTimeline::Apply(Skeleton& skeleton, float time, float alpha) const {
    float percent;
    const int key = Locate(time, percent);
    if (key < 0) return;  // before the first key the setup pose holds
    const auto i = static_cast<std::size_t>(key) * 2;
    const bool last = i + 2 >= values.size();
    Bone& target = skeleton.bones[static_cast<std::size_t>(bone)];
    const BoneData& setup = skeleton.Data().bones[static_cast<std::size_t>(bone)];
    if (kind == Kind::Rotate) {
        const float angle = last ? values[i] : values[i] + AngleDelta(values[i], values[i + 2]) * percent;
        target.rotation += AngleDelta(target.rotation, setup.rotation + angle) * alpha;
        return;
    }
    const float vx = last ? values[i] : Lerp(values[i], values[i + 2], percent);
    const float vy = last ? values[i + 1] : Lerp(values[i + 1], values[i + 3], percent);
    float *px = nullptr, *py = nullptr;
    float tx = 0, ty = 0;
    switch (kind) {
        case Kind::Translate:
            px = &target.x, py = &target.y, tx = setup.x + vx, ty = setup.y + vy;
            break;
        case Kind::Scale:
            px = &target.scaleX, py = &target.scaleY, tx = setup.scaleX * vx, ty = setup.scaleY * vy;
            break;
        case Kind::Shear:
            px = &target.shearX, py = &target.shearY, tx = setup.shearX + vx, ty = setup.shearY + vy;
            break;
        case Kind::Rotate:
            return;
    }
    *px += (tx - *px) * alpha;
    *py += (ty - *py) * alpha;
}

void ColorTimeline::Apply(Skeleton& skeleton, float time, float alpha) const {
    float percent;
    const int key = Locate(time, percent);
    if (key < 0) return;
    const auto i = static_cast<std::size_t>(key);
    const bool last = i + 1 >= light.size();
    Slot& target = skeleton.slots[static_cast<std::size_t>(slot)];
    const Color l = last ? light[i] : Lerp(light[i], light[i + 1], percent);
    target.color = Lerp(target.color, l, alpha);
    if (twoColor) {
        const Color d = last ? dark[i] : Lerp(dark[i], dark[i + 1], percent);
        target.darkColor = Lerp(target.darkColor, d, alpha);
    }
}

void AttachmentTimeline::Apply(Skeleton& skeleton, float time, float) const {
    float percent;
    const int key = Locate(time, percent);
    if (key < 0) return;
    const std::string& name = names[static_cast<std::size_t>(key)];
    Slot& target = skeleton.slots[static_cast<std::size_t>(slot)];
    skeleton.SetSlotAttachment(target, name.empty() ? nullptr : skeleton.GetAttachment(slot, name));
}

void DeformTimeline::Apply(Skeleton& skeleton, float time, float alpha) const {
    Slot& target = skeleton.slots[static_cast<std::size_t>(slot)];
    const auto* vertex = dynamic_cast<const VertexAttachment*>(target.attachment);
    if (!vertex || vertex->deformAttachment != attachment) return;
    float percent;
    const int key = Locate(time, percent);
    if (key < 0) return;
    const auto i = static_cast<std::size_t>(key);
    const std::vector<float>& from = frames[i];
    const std::vector<float>* to = i + 1 < frames.size() ? &frames[i + 1] : nullptr;
    if (target.deform.size() != from.size()) attachment->SetupDeform(target.deform);
    for (std::size_t v = 0; v < from.size(); ++v) {
        const float value = to ? Lerp(from[v], (*to)[v], percent) : from[v];
        target.deform[v] += (value - target.deform[v]) * alpha;
    }
}

void IkConstraintTimeline::Apply(Skeleton& skeleton, float time, float alpha) const {
    float percent;
    const int key = Locate(time, percent);
    if (key < 0) return;
    const auto i = static_cast<std::size_t>(key);
    const Key& k = keys[i];
    const bool last = i + 1 >= keys.size();
    IkConstraint& target = skeleton.ikConstraints[static_cast<std::size_t>(constraint)];
    const float mix = last ? k.mix : Lerp(k.mix, keys[i + 1].mix, percent);
    const float softness = last ? k.softness : Lerp(k.softness, keys[i + 1].softness, percent);
    target.mix += (mix - target.mix) * alpha;
    target.softness += (softness - target.softness) * alpha;
    // Switches cannot blend: the key wins once it has the larger share.
    if (alpha >= 0.5f) {
        target.bendDirection = k.bendDirection;
        target.compress = k.compress;
        target.stretch = k.stretch;
    }
}

void TransformConstraintTimeline::Apply(Skeleton& skeleton, float time, float alpha) const {
    float percent;
    const int key = Locate(time, percent);
    if (key < 0) return;
    const auto i = static_cast<std::size_t>(key) * 4;
    const bool last = i + 4 >= values.size();
    TransformConstraint& target = skeleton.transformConstraints[static_cast<std::size_t>(constraint)];
    float* mixes[4] = {&target.rotateMix, &target.translateMix, &target.scaleMix, &target.shearMix};
    for (std::size_t m = 0; m < 4; ++m) {
        const float value = last ? values[i + m] : Lerp(values[i + m], values[i + 4 + m], percent);
        *mixes[m] += (value - *mixes[m]) * alpha;
    }
}

void PathConstraintTimeline::Apply(Skeleton& skeleton, float time, float alpha) const {
    float percent;
    const int key = Locate(time, percent);
    if (key < 0) return;
    const auto i = static_cast<std::size_t>(key) * 2;
    const bool last = i + 2 >= values.size();
    PathConstraint& target = skeleton.pathConstraints[static_cast<std::size_t>(constraint)];
    const float first = last ? values[i] : Lerp(values[i], values[i + 2], percent);
    const float second = last ? values[i + 1] : Lerp(values[i + 1], values[i + 3], percent);
    switch (kind) {
        case Kind::Position:
            target.position += (first - target.position) * alpha;
            break;
        case Kind::Spacing:
            target.spacing += (first - target.spacing) * alpha;
            break;
        case Kind::Mix:
            target.rotateMix += (first - target.rotateMix) * alpha;
            target.translateMix += (second - target.translateMix) * alpha;
            break;
    }
}

void DrawOrderTimeline::Apply(Skeleton& skeleton, float time, float) const {
    float percent;
    const int key = Locate(time, percent);
    if (key < 0) return;
    const auto& order = orders[static_cast<std::size_t>(key)];
    if (order.empty()) {
        for (std::size_t i = 0; i < skeleton.drawOrder.size(); ++i) skeleton.drawOrder[i] = static_cast<int>(i);
    } else {
        skeleton.drawOrder = order;
    }
}

void Animation::Apply(Skeleton& skeleton, float time, bool loop, float alpha) const {
    if (loop && duration > 0) time = std::fmod(time, duration);
    for (const auto& timeline : timelines) timeline->Apply(skeleton, time, alpha);
}

}  // namespace velkor::spine
