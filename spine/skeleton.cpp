#include "spine/skeleton.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velkor::spine {

namespace {

constexpr float Radians = std::numbers::pi_v<float> / 180.0f;

float CosDeg(float degrees) { return std::cos(degrees * Radians); }
float SinDeg(float degrees) { return std::sin(degrees * Radians); }

}  // namespace

Color& Color::Clamp() noexcept {
    r = std::clamp(r, 0.0f, 1.0f);
    g = std::clamp(g, 0.0f, 1.0f);
    b = std::clamp(b, 0.0f, 1.0f);
    a = std::clamp(a, 0.0f, 1.0f);
    return *this;
}

// --- Data lookups -------------------------------------------------------------------------------

const Attachment* Skin::Find(int slot, std::string_view attachment) const {
    if (slot < 0 || static_cast<std::size_t>(slot) >= attachments.size()) return nullptr;
    const auto& map = attachments[static_cast<std::size_t>(slot)];
    const auto it = map.find(attachment);
    return it == map.end() ? nullptr : it->second.get();
}

int SkeletonData::FindBone(std::string_view name) const {
    for (const auto& bone : bones)
        if (bone.name == name) return bone.index;
    return -1;
}

int SkeletonData::FindSlot(std::string_view name) const {
    for (const auto& slot : slots)
        if (slot.name == name) return slot.index;
    return -1;
}

const Skin* SkeletonData::FindSkin(std::string_view name) const {
    for (const auto& skin : skins)
        if (skin->name == name) return skin.get();
    return nullptr;
}

const Animation* SkeletonData::FindAnimation(std::string_view name) const {
    for (const auto& animation : animations)
        if (animation->name == name) return animation.get();
    return nullptr;
}

const EventData* SkeletonData::FindEvent(std::string_view name) const {
    for (const auto& event : events)
        if (event->name == name) return event.get();
    return nullptr;
}

// --- Attachments ----------------------------------------------------------------------------------

void RegionAttachment::Update() {
    const float originalW = region && region->originalWidth > 0 ? static_cast<float>(region->originalWidth) : width;
    const float originalH = region && region->originalHeight > 0 ? static_cast<float>(region->originalHeight) : height;
    const float packedW = region ? static_cast<float>(region->width) : width;
    const float packedH = region ? static_cast<float>(region->height) : height;
    // The attachment's size stands for the original image; stripped whitespace shrinks the quad.
    const float regionScaleX = originalW > 0 ? width / originalW * scaleX : 0.0f;
    const float regionScaleY = originalH > 0 ? height / originalH * scaleY : 0.0f;
    const float left = -width / 2 * scaleX + (region ? region->offsetX : 0.0f) * regionScaleX;
    const float bottom = -height / 2 * scaleY + (region ? region->offsetY : 0.0f) * regionScaleY;
    const float right = left + packedW * regionScaleX;
    const float top = bottom + packedH * regionScaleY;
    const float cs = CosDeg(rotation), sn = SinDeg(rotation);
    const float corners[8] = {left, bottom, left, top, right, top, right, bottom};
    for (int i = 0; i < 8; i += 2) {
        offsets[i] = corners[i] * cs - corners[i + 1] * sn + x;
        offsets[i + 1] = corners[i] * sn + corners[i + 1] * cs + y;
    }

    const float u = region ? region->u : 0.0f, v = region ? region->v : 0.0f;
    const float u2 = region ? region->u2 : 1.0f, v2 = region ? region->v2 : 1.0f;
    if (region && region->rotated()) {
        // Stored turned a quarter counter-clockwise: the image's top edge runs up the left side.
        const float rotatedUVs[8] = {u2, v2, u, v2, u, v, u2, v};
        std::copy(std::begin(rotatedUVs), std::end(rotatedUVs), uvs);
    } else {
        const float plainUVs[8] = {u, v2, u, v, u2, v, u2, v2};
        std::copy(std::begin(plainUVs), std::end(plainUVs), uvs);
    }
}

void RegionAttachment::ComputeWorldVertices(const Bone& bone, float* out, int offset, int stride) const {
    for (int i = 0; i < 8; i += 2, offset += stride) {
        const float ox = offsets[i], oy = offsets[i + 1];
        out[offset] = ox * bone.a + oy * bone.b + bone.worldX;
        out[offset + 1] = ox * bone.c + oy * bone.d + bone.worldY;
    }
}

void VertexAttachment::SetupDeform(std::vector<float>& out) const {
    if (bones.empty()) out.assign(vertices.begin(), vertices.end());
    else out.assign(vertices.size() / 3 * 2, 0.0f);
}

void VertexAttachment::ComputeWorldVertices(const Skeleton& skeleton, const Slot& slot, int start, int count,
                                            float* out, int offset, int stride) const {
    const std::size_t deformLength = bones.empty() ? vertices.size() : vertices.size() / 3 * 2;
    const float* deform = slot.deform.size() == deformLength ? slot.deform.data() : nullptr;
    if (bones.empty()) {
        const Bone& bone = skeleton.bones[static_cast<std::size_t>(slot.bone)];
        const float* v = deform ? deform : vertices.data();
        for (int i = start; i < start + count; i += 2, offset += stride) {
            const float vx = v[i], vy = v[i + 1];
            out[offset] = vx * bone.a + vy * bone.b + bone.worldX;
            out[offset + 1] = vx * bone.c + vy * bone.d + bone.worldY;
        }
        return;
    }
    // Skip the weighted entries of the vertices before `start`.
    std::size_t v = 0, entry = 0;
    for (int i = 0; i < start; i += 2) {
        const auto n = static_cast<std::size_t>(bones[v]);
        v += n + 1;
        entry += n;
    }
    for (int i = start; i < start + count; i += 2, offset += stride) {
        float wx = 0, wy = 0;
        const std::size_t n = v + 1 + static_cast<std::size_t>(bones[v]);
        for (++v; v < n; ++v, ++entry) {
            const Bone& bone = skeleton.bones[static_cast<std::size_t>(bones[v])];
            float vx = vertices[entry * 3], vy = vertices[entry * 3 + 1];
            const float weight = vertices[entry * 3 + 2];
            if (deform) {
                vx += deform[entry * 2];
                vy += deform[entry * 2 + 1];
            }
            wx += (vx * bone.a + vy * bone.b + bone.worldX) * weight;
            wy += (vx * bone.c + vy * bone.d + bone.worldY) * weight;
        }
        out[offset] = wx;
        out[offset + 1] = wy;
    }
}

void MeshAttachment::UpdateUVs() {
    uvs.resize(regionUVs.size());
    if (!region) {
        uvs = regionUVs;
        return;
    }
    const AtlasRegion& r = *region;
    const float w = static_cast<float>(r.width), h = static_cast<float>(r.height);
    const float originalW = static_cast<float>(r.originalWidth), originalH = static_cast<float>(r.originalHeight);
    for (std::size_t i = 0; i + 1 < regionUVs.size(); i += 2) {
        // Pixel position inside the packed (whitespace-stripped) rectangle; offsets count from the
        // original image's left and bottom.
        const float px = regionUVs[i] * originalW - r.offsetX;
        const float py = regionUVs[i + 1] * originalH - (originalH - r.offsetY - h);
        if (r.rotated()) {
            uvs[i] = r.u + (h > 0 ? py / h : 0.0f) * (r.u2 - r.u);
            uvs[i + 1] = r.v + (w > 0 ? (w - px) / w : 0.0f) * (r.v2 - r.v);
        } else {
            uvs[i] = r.u + (w > 0 ? px / w : 0.0f) * (r.u2 - r.u);
            uvs[i + 1] = r.v + (h > 0 ? py / h : 0.0f) * (r.v2 - r.v);
        }
    }
}

// --- Skeleton -------------------------------------------------------------------------------------

Skeleton::Skeleton(const SkeletonData& data) : data_(&data) {
    bones.resize(data.bones.size());
    for (std::size_t i = 0; i < bones.size(); ++i) {
        bones[i].data = static_cast<int>(i);
        bones[i].parent = data.bones[i].parent;
    }
    slots.resize(data.slots.size());
    drawOrder.resize(slots.size());
    for (std::size_t i = 0; i < slots.size(); ++i) {
        slots[i].data = static_cast<int>(i);
        slots[i].bone = data.slots[i].bone;
        drawOrder[i] = static_cast<int>(i);
    }
    ikConstraints.resize(data.ikConstraints.size());
    for (std::size_t i = 0; i < ikConstraints.size(); ++i) ikConstraints[i].data = static_cast<int>(i);
    transformConstraints.resize(data.transformConstraints.size());
    for (std::size_t i = 0; i < transformConstraints.size(); ++i) transformConstraints[i].data = static_cast<int>(i);
    pathConstraints.resize(data.pathConstraints.size());
    for (std::size_t i = 0; i < pathConstraints.size(); ++i) pathConstraints[i].data = static_cast<int>(i);
    ResolveSetupAttachments();
    BuildUpdateOrder();
    SetToSetupPose();
    UpdateWorldTransform();
}

namespace {

bool Lists(const std::vector<int>& list, int index) { return std::find(list.begin(), list.end(), index) != list.end(); }

}  // namespace

void Skeleton::BuildUpdateOrder() {
    updates_.clear();
    for (Bone& bone : bones) bone.active = !data_->bones[static_cast<std::size_t>(bone.data)].skinRequired;
    if (skin_)
        for (int index : skin_->bones)
            for (int b = index; b >= 0; b = bones[static_cast<std::size_t>(b)].parent)
                bones[static_cast<std::size_t>(b)].active = true;
    // Parents come first, so one pass carries an inactive parent down to every descendant.
    for (Bone& bone : bones)
        if (bone.parent >= 0 && !bones[static_cast<std::size_t>(bone.parent)].active) bone.active = false;

    auto boneActive = [&](int index) { return bones[static_cast<std::size_t>(index)].active; };
    auto allActive = [&](const std::vector<int>& list) { return std::all_of(list.begin(), list.end(), boneActive); };
    struct Pending {
        int order;
        Update update;
    };
    std::vector<Pending> pending;
    for (IkConstraint& c : ikConstraints) {
        const IkConstraintData& d = data_->ikConstraints[static_cast<std::size_t>(c.data)];
        c.active = (!d.skinRequired || (skin_ && Lists(skin_->ik, c.data))) && allActive(d.bones) && boneActive(d.target);
        if (c.active) pending.push_back({d.order, {Update::Kind::Ik, c.data}});
    }
    for (TransformConstraint& c : transformConstraints) {
        const TransformConstraintData& d = data_->transformConstraints[static_cast<std::size_t>(c.data)];
        c.active = (!d.skinRequired || (skin_ && Lists(skin_->transform, c.data))) && allActive(d.bones) &&
                   boneActive(d.target);
        if (c.active) pending.push_back({d.order, {Update::Kind::Transform, c.data}});
    }
    for (PathConstraint& c : pathConstraints) {
        const PathConstraintData& d = data_->pathConstraints[static_cast<std::size_t>(c.data)];
        c.active = (!d.skinRequired || (skin_ && Lists(skin_->path, c.data))) && allActive(d.bones) &&
                   boneActive(slots[static_cast<std::size_t>(d.target)].bone);
        if (c.active) pending.push_back({d.order, {Update::Kind::Path, c.data}});
    }
    std::stable_sort(pending.begin(), pending.end(), [](const Pending& a, const Pending& b) { return a.order < b.order; });

    // Inactive bones count as sorted, so nothing ever updates them.
    std::vector<char> sorted(bones.size());
    for (std::size_t i = 0; i < bones.size(); ++i) sorted[i] = !bones[i].active;
    auto constrained = [&](const std::vector<int>& list) {
        // What the constraint writes is final; the children must follow it.
        for (int bone : list) SortReset(bone, sorted);
        for (int bone : list) sorted[static_cast<std::size_t>(bone)] = 1;
    };
    for (const Pending& p : pending) {
        const auto i = static_cast<std::size_t>(p.update.index);
        switch (p.update.kind) {
            case Update::Kind::Ik: {
                const IkConstraintData& d = data_->ikConstraints[i];
                SortBone(d.target, sorted);
                const int parent = d.bones.front();
                SortBone(parent, sorted);
                // The child too: the constraint starts from its pose this frame, not the last.
                if (d.bones.size() > 1) SortBone(d.bones.back(), sorted);
                updates_.push_back(p.update);
                SortReset(parent, sorted);
                sorted[static_cast<std::size_t>(d.bones.back())] = 1;
                sorted[static_cast<std::size_t>(parent)] = 1;
                break;
            }
            case Update::Kind::Transform: {
                const TransformConstraintData& d = data_->transformConstraints[i];
                SortBone(d.target, sorted);
                // Local or world, the constraint starts from the bones as posed this frame.
                for (int bone : d.bones) SortBone(bone, sorted);
                updates_.push_back(p.update);
                constrained(d.bones);
                break;
            }
            case Update::Kind::Path: {
                const PathConstraintData& d = data_->pathConstraints[i];
                SortBone(slots[static_cast<std::size_t>(d.target)].bone, sorted);
                // Weighted path vertices hang on bones of their own.
                for (const Skin* skin : {skin_, data_->defaultSkin}) {
                    if (!skin || static_cast<std::size_t>(d.target) >= skin->attachments.size()) continue;
                    for (const auto& [name, attachment] : skin->attachments[static_cast<std::size_t>(d.target)])
                        if (const auto* path = dynamic_cast<const PathAttachment*>(attachment.get()))
                            for (std::size_t v = 0; v < path->bones.size(); v += static_cast<std::size_t>(path->bones[v]) + 1)
                                for (int b = 1; b <= path->bones[v]; ++b) SortBone(path->bones[v + static_cast<std::size_t>(b)], sorted);
                }
                for (int bone : d.bones) SortBone(bone, sorted);
                updates_.push_back(p.update);
                constrained(d.bones);
                break;
            }
            case Update::Kind::Bone:
                break;
        }
    }
    for (std::size_t i = 0; i < bones.size(); ++i) SortBone(static_cast<int>(i), sorted);
}

void Skeleton::SortBone(int index, std::vector<char>& sorted) {
    const auto i = static_cast<std::size_t>(index);
    if (sorted[i]) return;
    if (bones[i].parent >= 0) SortBone(bones[i].parent, sorted);
    updates_.push_back({Update::Kind::Bone, index});
    sorted[i] = 1;
}

void Skeleton::SortReset(int parent, std::vector<char>& sorted) {
    // Children always come after their parent in the bone list.
    for (std::size_t i = static_cast<std::size_t>(parent) + 1; i < bones.size(); ++i) {
        if (bones[i].parent != parent || !bones[i].active) continue;
        if (sorted[i]) SortReset(static_cast<int>(i), sorted);
        sorted[i] = 0;
    }
}

void Skeleton::ResolveSetupAttachments() {
    setupAttachments_.resize(slots.size());
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const std::string& name = data_->slots[i].attachmentName;
        setupAttachments_[i] = name.empty() ? nullptr : GetAttachment(static_cast<int>(i), name);
    }
}

void Skeleton::UpdateWorldTransform() {
    // Every constraint reads its bones after the order has updated them, which sets their applied
    // values: nothing needs resetting first.
    for (const Update& update : updates_) {
        const auto i = static_cast<std::size_t>(update.index);
        switch (update.kind) {
            case Update::Kind::Bone: {
                Bone& bone = bones[i];
                UpdateBone(bone, bone.x, bone.y, bone.rotation, bone.scaleX, bone.scaleY, bone.shearX, bone.shearY);
                break;
            }
            case Update::Kind::Ik:
                ApplyIk(ikConstraints[i]);
                break;
            case Update::Kind::Transform:
                ApplyTransform(transformConstraints[i]);
                break;
            case Update::Kind::Path:
                ApplyPath(pathConstraints[i]);
                break;
        }
    }
}

void Skeleton::UpdateBone(Bone& bone, float x, float y, float rotation, float scaleX, float scaleY, float shearX,
                          float shearY) {
    bone.ax = x, bone.ay = y, bone.arotation = rotation, bone.ascaleX = scaleX, bone.ascaleY = scaleY;
    bone.ashearX = shearX, bone.ashearY = shearY;
    bone.appliedValid = true;
    const BoneData& data = data_->bones[static_cast<std::size_t>(bone.data)];
    const float rx = rotation + shearX, ry = rotation + 90 + shearY;
    float la = CosDeg(rx) * scaleX, lb = CosDeg(ry) * scaleY;
    float lc = SinDeg(rx) * scaleX, ld = SinDeg(ry) * scaleY;
    if (bone.parent < 0) {
        bone.a = la * this->scaleX;
        bone.b = lb * this->scaleX;
        bone.c = lc * this->scaleY;
        bone.d = ld * this->scaleY;
        bone.worldX = x * this->scaleX + this->x;
        bone.worldY = y * this->scaleY + this->y;
        return;
    }
    const Bone& parent = bones[static_cast<std::size_t>(bone.parent)];
    const float pa = parent.a, pb = parent.b, pc = parent.c, pd = parent.d;
    bone.worldX = pa * x + pb * y + parent.worldX;
    bone.worldY = pc * x + pd * y + parent.worldY;
    switch (data.transformMode) {
        case TransformMode::Normal:
            bone.a = pa * la + pb * lc;
            bone.b = pa * lb + pb * ld;
            bone.c = pc * la + pd * lc;
            bone.d = pc * lb + pd * ld;
            return;
        case TransformMode::OnlyTranslation:
            break;
        case TransformMode::NoRotationOrReflection: {
            // Keep the parent's stretch along its own axes, R(t) diag(k, m) R(-t), and drop its
            // rotation and reflection. A parent whose x axis collapsed gives t from its y axis.
            float t, k = std::sqrt(pa * pa + pc * pc), m;
            const float det = std::abs(pa * pd - pb * pc);
            if (k > 0.0001f) {
                t = std::atan2(pc, pa);
                m = det / k;
            } else {
                t = std::atan2(pd, pb) - std::numbers::pi_v<float> / 2;
                k = 0;
                m = std::sqrt(pb * pb + pd * pd);
            }
            const float cs = std::cos(t), sn = std::sin(t);
            const float sa = k * cs * cs + m * sn * sn, sb = (k - m) * cs * sn, sd = k * sn * sn + m * cs * cs;
            const float a = sa * la + sb * lc, b = sa * lb + sb * ld;
            lc = sb * la + sd * lc;
            ld = sb * lb + sd * ld;
            la = a;
            lb = b;
            break;
        }
        case TransformMode::NoScale:
        case TransformMode::NoScaleOrReflection: {
            // The bone's x axis follows the parent's rotation of it, made unit length in
            // skeleton space; y is a quarter turn on, flipped when NoScale inherits a reflection.
            const float cs = CosDeg(rotation), sn = SinDeg(rotation);
            float za = (pa * cs + pb * sn) / (this->scaleX != 0 ? this->scaleX : 1.0f);
            float zc = (pc * cs + pd * sn) / (this->scaleY != 0 ? this->scaleY : 1.0f);
            const float length = std::sqrt(za * za + zc * zc);
            if (length > 0.00001f) {
                za /= length;
                zc /= length;
            }
            float s = 1;
            if (data.transformMode == TransformMode::NoScale &&
                ((pa * pd - pb * pc < 0) != ((this->scaleX < 0) != (this->scaleY < 0))))
                s = -1;
            const float zb = -zc * s, zd = za * s;
            const float sa = CosDeg(shearX) * scaleX, sb = CosDeg(90 + shearY) * scaleY;
            const float sc = SinDeg(shearX) * scaleX, sd = SinDeg(90 + shearY) * scaleY;
            la = za * sa + zb * sc;
            lb = za * sb + zb * sd;
            lc = zc * sa + zd * sc;
            ld = zc * sb + zd * sd;
            break;
        }
    }
    // Every mode but Normal drops what the parent passed on; the skeleton's own scale and flip
    // still apply.
    bone.a = la * this->scaleX;
    bone.b = lb * this->scaleX;
    bone.c = lc * this->scaleY;
    bone.d = ld * this->scaleY;
}

void Skeleton::UpdateAppliedTransform(Bone& bone) {
    bone.appliedValid = true;
    // The local matrix is the parent's inverse times the world matrix (for a root, the skeleton's
    // scale stands in for the parent). Shear x is folded into the rotation.
    float pa, pb, pc, pd, px, py;
    if (bone.parent < 0) {
        pa = scaleX, pb = 0, pc = 0, pd = scaleY, px = x, py = y;
    } else {
        const Bone& parent = bones[static_cast<std::size_t>(bone.parent)];
        pa = parent.a, pb = parent.b, pc = parent.c, pd = parent.d, px = parent.worldX, py = parent.worldY;
    }
    const float det = pa * pd - pb * pc;
    if (std::abs(det) < 1e-12f) return;  // a collapsed parent: keep the last applied values
    const float inv = 1 / det;
    const float dx = bone.worldX - px, dy = bone.worldY - py;
    bone.ax = (dx * pd - dy * pb) * inv;
    bone.ay = (dy * pa - dx * pc) * inv;
    const float ia = pd * inv, ib = -pb * inv, ic = -pc * inv, id = pa * inv;
    const float ra = ia * bone.a + ib * bone.c, rb = ia * bone.b + ib * bone.d;
    const float rc = ic * bone.a + id * bone.c, rd = ic * bone.b + id * bone.d;
    bone.ashearX = 0;
    bone.ascaleX = std::sqrt(ra * ra + rc * rc);
    if (bone.ascaleX > 0.0001f) {
        const float localDet = ra * rd - rb * rc;
        const float sign = localDet < 0 ? -1.0f : 1.0f;
        bone.ascaleY = std::sqrt(rb * rb + rd * rd) * sign;
        bone.ashearY = std::atan2(-(ra * rb + rc * rd) * sign, std::abs(localDet)) / Radians;
        bone.arotation = std::atan2(rc, ra) / Radians;
    } else {
        bone.ascaleX = 0;
        bone.ascaleY = std::sqrt(rb * rb + rd * rd);
        bone.ashearY = 0;
        bone.arotation = std::atan2(rd, rb) / Radians - 90;
    }
}

void Skeleton::SetToSetupPose() {
    SetBonesToSetupPose();
    SetSlotsToSetupPose();
}

void Skeleton::SetBonesToSetupPose() {
    for (Bone& bone : bones) {
        const BoneData& data = data_->bones[static_cast<std::size_t>(bone.data)];
        bone.x = data.x;
        bone.y = data.y;
        bone.rotation = data.rotation;
        bone.scaleX = data.scaleX;
        bone.scaleY = data.scaleY;
        bone.shearX = data.shearX;
        bone.shearY = data.shearY;
    }
    for (IkConstraint& c : ikConstraints) {
        const IkConstraintData& d = data_->ikConstraints[static_cast<std::size_t>(c.data)];
        c.mix = d.mix, c.softness = d.softness, c.bendDirection = d.bendDirection;
        c.compress = d.compress, c.stretch = d.stretch;
    }
    for (TransformConstraint& c : transformConstraints) {
        const TransformConstraintData& d = data_->transformConstraints[static_cast<std::size_t>(c.data)];
        c.rotateMix = d.rotateMix, c.translateMix = d.translateMix, c.scaleMix = d.scaleMix, c.shearMix = d.shearMix;
    }
    for (PathConstraint& c : pathConstraints) {
        const PathConstraintData& d = data_->pathConstraints[static_cast<std::size_t>(c.data)];
        c.position = d.position, c.spacing = d.spacing, c.rotateMix = d.rotateMix, c.translateMix = d.translateMix;
    }
}

void Skeleton::SetSlotsToSetupPose() {
    for (std::size_t i = 0; i < slots.size(); ++i) {
        Slot& slot = slots[i];
        const SlotData& data = data_->slots[i];
        slot.color = data.color;
        slot.darkColor = data.darkColor;
        slot.attachment = setupAttachments_[i];
        slot.deform.clear();
        drawOrder[i] = static_cast<int>(i);
    }
}

bool Skeleton::SetSkin(std::string_view name) {
    const Skin* skin = data_->FindSkin(name);
    if (!skin) return false;
    skin_ = skin;
    ResolveSetupAttachments();
    BuildUpdateOrder();
    return true;
}

const Attachment* Skeleton::GetAttachment(int slot, std::string_view name) const {
    if (skin_)
        if (const Attachment* found = skin_->Find(slot, name)) return found;
    return data_->defaultSkin ? data_->defaultSkin->Find(slot, name) : nullptr;
}

bool Skeleton::SetAttachment(std::string_view slotName, std::string_view name) {
    const int index = data_->FindSlot(slotName);
    if (index < 0) return false;
    const Attachment* attachment = nullptr;
    if (!name.empty()) {
        attachment = GetAttachment(index, name);
        if (!attachment) return false;
    }
    SetSlotAttachment(slots[static_cast<std::size_t>(index)], attachment);
    return true;
}

void Skeleton::SetSlotAttachment(Slot& slot, const Attachment* attachment) {
    if (slot.attachment == attachment) return;
    const auto* from = dynamic_cast<const VertexAttachment*>(slot.attachment);
    const auto* to = dynamic_cast<const VertexAttachment*>(attachment);
    if (!from || !to || from->deformAttachment != to->deformAttachment) slot.deform.clear();
    slot.attachment = attachment;
}

}  // namespace velkor::spine
