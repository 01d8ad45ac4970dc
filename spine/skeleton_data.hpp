// Skeleton data: the shared, read-only description of one exported skeleton (bones, slots, skins,
// attachments, animations). Many Skeleton instances can pose one SkeletonData.
//
// Contract:
// - Built only by ReadSkeletonData (skeleton_json.hpp); immutable afterwards. Indices (bone parents,
//   slot bones, timeline targets, weighted-vertex bones, triangle entries) are validated when the
//   file is read, so posing and mesh building never check them again.
// - Attachments point at atlas regions: the Atlas must outlive the SkeletonData.
// - Bones are stored parents first. Constraints run in their "order"; Skeleton builds the update
//   order that interleaves them with the bones they read and write.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "spine/atlas.hpp"

namespace velkor::spine {

class Skeleton;
struct Bone;
struct Slot;

struct Color {
    float r = 1, g = 1, b = 1, a = 1;
    Color& Clamp() noexcept;
    friend bool operator==(const Color&, const Color&) = default;
};

// How a bone takes its parent's world transform.
enum class TransformMode { Normal, OnlyTranslation, NoRotationOrReflection, NoScale, NoScaleOrReflection };
enum class BlendMode { Normal, Additive, Multiply, Screen };

struct BoneData {
    int index = 0;
    std::string name;
    int parent = -1;
    float length = 0, x = 0, y = 0, rotation = 0, scaleX = 1, scaleY = 1, shearX = 0, shearY = 0;
    TransformMode transformMode = TransformMode::Normal;
    bool skinRequired = false;
};

struct SlotData {
    int index = 0;
    std::string name;
    int bone = 0;
    Color color;
    Color darkColor{0, 0, 0, 1};
    bool hasDarkColor = false;
    std::string attachmentName;  // empty: no attachment in the setup pose
    BlendMode blendMode = BlendMode::Normal;
};

// --- Attachments (told apart with dynamic_cast) ---------------------------------------------------

struct Attachment {
    // The concrete type, for code that looks at every slot every frame (dynamic_cast works too).
    enum class Kind : std::uint8_t { Region, Mesh, BoundingBox, Path, Clipping, Point };
    explicit Attachment(Kind kind) : kind(kind) {}
    virtual ~Attachment() = default;

    const Kind kind;
    std::string name;
};

// A textured quad fixed to a bone. Corner order: bottom-left, top-left, top-right, bottom-right.
struct RegionAttachment final : Attachment {
    RegionAttachment() : Attachment(Kind::Region) {}
    std::string path;
    float x = 0, y = 0, rotation = 0, scaleX = 1, scaleY = 1, width = 32, height = 32;
    Color color;
    const AtlasRegion* region = nullptr;
    float offsets[8] = {};  // corners in bone space
    float uvs[8] = {};

    // Recomputes offsets and uvs from the region and the fields above.
    void Update();
    // Writes the four corners' world positions to out[offset], out[offset + stride], ...
    void ComputeWorldVertices(const Bone& bone, float* out, int offset, int stride) const;
};

// Vertices bound to one bone (unweighted) or to several with weights.
struct VertexAttachment : Attachment {
    using Attachment::Attachment;
    // Weighted: for each vertex, bone count then that many bone indices; empty when unweighted.
    std::vector<int> bones;
    // Unweighted: x, y per vertex. Weighted: x, y, weight per bone entry.
    std::vector<float> vertices;
    int worldVerticesLength = 0;  // 2 per vertex
    // Deform keys aimed at this attachment apply to every attachment that names it here.
    const VertexAttachment* deformAttachment = this;

    // World positions of the vertices start/2 .. (start + count)/2 - 1 into out with the stride,
    // using the slot's deform when it has one.
    void ComputeWorldVertices(const Skeleton& skeleton, const Slot& slot, int start, int count, float* out,
                              int offset, int stride) const;
    // The values a deform key starts from: the vertices (unweighted) or zero offsets (weighted).
    void SetupDeform(std::vector<float>& out) const;
};

struct MeshAttachment final : VertexAttachment {
    MeshAttachment() : VertexAttachment(Kind::Mesh) {}
    std::string path;
    Color color;
    const AtlasRegion* region = nullptr;
    std::vector<float> regionUVs;  // 0..1 over the original image
    std::vector<float> uvs;  // page space
    std::vector<unsigned> triangles;
    std::vector<int> edges;
    int hullLength = 0;
    float width = 0, height = 0;
    const MeshAttachment* parentMesh = nullptr;  // set for linked meshes

    void UpdateUVs();
};

struct BoundingBoxAttachment final : VertexAttachment {
    BoundingBoxAttachment() : VertexAttachment(Kind::BoundingBox) {}
};

// Cubic Bézier segments: per path vertex an in-handle, the point and an out-handle.
struct PathAttachment final : VertexAttachment {
    PathAttachment() : VertexAttachment(Kind::Path) {}
    bool closed = false;
    bool constantSpeed = true;
    std::vector<float> lengths;  // cumulative length at the end of each segment, setup pose
    Color color;
};

// Masks the slots from its own up to and including `endSlot` (-1: to the end of the draw order).
struct ClippingAttachment final : VertexAttachment {
    ClippingAttachment() : VertexAttachment(Kind::Clipping) {}
    int endSlot = -1;
    Color color;
};

struct PointAttachment final : Attachment {
    PointAttachment() : Attachment(Kind::Point) {}
    float x = 0, y = 0, rotation = 0;
};

// Attachments by slot and name. Skins other than the default one replace attachments by name.
// Bones and constraints marked as skin-required are active only while a skin listing them is set.
struct Skin {
    std::string name;
    std::vector<std::map<std::string, std::unique_ptr<Attachment>, std::less<>>> attachments;  // per slot
    std::vector<int> bones, ik, transform, path;

    [[nodiscard]] const Attachment* Find(int slot, std::string_view attachment) const;
};

// --- Constraints ---------------------------------------------------------------------------------

struct IkConstraintData {
    std::string name;
    int order = 0;
    bool skinRequired = false;
    std::vector<int> bones;  // one, or a parent and a child below it
    int target = 0;
    float mix = 1, softness = 0;
    int bendDirection = 1;
    bool compress = false, stretch = false, uniform = false;
};

struct TransformConstraintData {
    std::string name;
    int order = 0;
    bool skinRequired = false;
    std::vector<int> bones;
    int target = 0;
    float rotateMix = 1, translateMix = 1, scaleMix = 1, shearMix = 1;
    float offsetRotation = 0, offsetX = 0, offsetY = 0, offsetScaleX = 0, offsetScaleY = 0, offsetShearY = 0;
    bool local = false, relative = false;
};

enum class PositionMode : std::uint8_t { Fixed, Percent };
enum class SpacingMode : std::uint8_t { Length, Fixed, Percent };
enum class RotateMode : std::uint8_t { Tangent, Chain, ChainScale };

struct PathConstraintData {
    std::string name;
    int order = 0;
    bool skinRequired = false;
    std::vector<int> bones;
    int target = 0;  // a slot, whose attachment is the path
    PositionMode positionMode = PositionMode::Percent;
    SpacingMode spacingMode = SpacingMode::Length;
    RotateMode rotateMode = RotateMode::Tangent;
    float offsetRotation = 0, position = 0, spacing = 0, rotateMix = 1, translateMix = 1;
};

// --- Events ---------------------------------------------------------------------------------------

struct EventData {
    std::string name;
    int intValue = 0;
    float floatValue = 0;
    std::string stringValue, audioPath;
    float volume = 1, balance = 0;
};

// One key of an event timeline: the definition's values unless the key overrides them.
struct Event {
    const EventData* data = nullptr;
    float time = 0;
    int intValue = 0;
    float floatValue = 0;
    std::string stringValue;
    float volume = 1, balance = 0;
};

// --- Animations --------------------------------------------------------------------------------

// How a value moves from one key to the next.
struct Curve {
    enum class Kind : std::uint8_t { Linear, Stepped, Bezier };
    Kind kind = Kind::Linear;
    float cx1 = 0, cy1 = 0, cx2 = 1, cy2 = 1;  // Bézier handles, fractions of the segment

    // Eased fraction for a time fraction p in [0, 1].
    [[nodiscard]] float Apply(float p) const noexcept;
};

class Timeline {
public:
    virtual ~Timeline() = default;
    // Poses the skeleton at `time`; alpha 1 replaces the current values, less mixes towards them.
    virtual void Apply(Skeleton& skeleton, float time, float alpha) const = 0;

    std::vector<float> times;  // ascending
    std::vector<Curve> curves;  // curves[i] leads from key i to key i + 1

protected:
    // The key at or before `time` (-1 before the first key) and the eased fraction towards the next.
    [[nodiscard]] int Locate(float time, float& percent) const;
};

class BoneTimeline final : public Timeline {
public:
    enum class Kind : std::uint8_t { Rotate, Translate, Scale, Shear };
    BoneTimeline(Kind kind, int bone) : kind(kind), bone(bone) {}
    void Apply(Skeleton& skeleton, float time, float alpha) const override;

    Kind kind;
    int bone;
    std::vector<float> values;  // two per key (a rotation key uses the first)
};

class ColorTimeline final : public Timeline {
public:
    explicit ColorTimeline(int slot, bool twoColor) : slot(slot), twoColor(twoColor) {}
    void Apply(Skeleton& skeleton, float time, float alpha) const override;

    int slot;
    bool twoColor;
    std::vector<Color> light;
    std::vector<Color> dark;  // only for two-colour keys
};

class AttachmentTimeline final : public Timeline {
public:
    explicit AttachmentTimeline(int slot) : slot(slot) {}
    void Apply(Skeleton& skeleton, float time, float alpha) const override;

    int slot;
    std::vector<std::string> names;  // empty: no attachment
};

class DeformTimeline final : public Timeline {
public:
    DeformTimeline(int slot, const VertexAttachment* attachment) : slot(slot), attachment(attachment) {}
    void Apply(Skeleton& skeleton, float time, float alpha) const override;

    int slot;
    const VertexAttachment* attachment;
    std::vector<std::vector<float>> frames;  // full deform per key
};

class IkConstraintTimeline final : public Timeline {
public:
    explicit IkConstraintTimeline(int constraint) : constraint(constraint) {}
    void Apply(Skeleton& skeleton, float time, float alpha) const override;

    int constraint;
    struct Key {
        float mix, softness;
        int bendDirection;
        bool compress, stretch;
    };
    std::vector<Key> keys;
};

class TransformConstraintTimeline final : public Timeline {
public:
    explicit TransformConstraintTimeline(int constraint) : constraint(constraint) {}
    void Apply(Skeleton& skeleton, float time, float alpha) const override;

    int constraint;
    std::vector<float> values;  // rotate, translate, scale and shear mix per key
};

class PathConstraintTimeline final : public Timeline {
public:
    enum class Kind : std::uint8_t { Position, Spacing, Mix };
    PathConstraintTimeline(Kind kind, int constraint) : kind(kind), constraint(constraint) {}
    void Apply(Skeleton& skeleton, float time, float alpha) const override;

    Kind kind;
    int constraint;
    std::vector<float> values;  // two per key (position and spacing use the first)
};

// Fires nothing by itself: AnimationState reads `events` as track time passes them.
class EventTimeline final : public Timeline {
public:
    void Apply(Skeleton&, float, float) const override {}

    std::vector<Event> events;  // one per key, in time order
};

class DrawOrderTimeline final : public Timeline {
public:
    void Apply(Skeleton& skeleton, float time, float alpha) const override;

    std::vector<std::vector<int>> orders;  // slot indices in draw order; empty: the setup order
};

struct Animation {
    std::string name;
    float duration = 0;
    std::vector<std::unique_ptr<Timeline>> timelines;
    const EventTimeline* events = nullptr;  // also in `timelines`; nullptr when nothing is keyed

    // Applies every timeline at `time` (wrapped when looping).
    void Apply(Skeleton& skeleton, float time, bool loop, float alpha) const;
};

// --- The whole file ------------------------------------------------------------------------------

struct SkeletonData {
    std::string hash, version, images;
    float x = 0, y = 0, width = 0, height = 0, fps = 30;
    std::vector<BoneData> bones;
    std::vector<SlotData> slots;
    std::vector<std::unique_ptr<Skin>> skins;
    const Skin* defaultSkin = nullptr;
    std::vector<std::unique_ptr<Animation>> animations;
    std::vector<IkConstraintData> ikConstraints;
    std::vector<TransformConstraintData> transformConstraints;
    std::vector<PathConstraintData> pathConstraints;
    std::vector<std::unique_ptr<EventData>> events;

    [[nodiscard]] int FindBone(std::string_view name) const;
    [[nodiscard]] int FindSlot(std::string_view name) const;
    [[nodiscard]] const Skin* FindSkin(std::string_view name) const;
    [[nodiscard]] const Animation* FindAnimation(std::string_view name) const;
    [[nodiscard]] const EventData* FindEvent(std::string_view name) const;
};

}  // namespace velkor::spine
