// A posed instance of SkeletonData: bones with local and world transforms, slots with colour,
// attachment and deform, the draw order.
//
// Contract:
// - Holds the SkeletonData by plain pointer: the data (and its atlas) must outlive the skeleton.
//   Bones and slots refer to each other by index, so a Skeleton copies and moves as a value.
// - UpdateWorldTransform() must run after any change of local values and before world positions
//   are read. It updates bones and constraints in one order, computed when the skeleton is made
//   and again when the skin changes: every constraint sees its target and bones after their
//   parents, and the children of constrained bones follow the constraint. Constraints write the
//   applied and world transforms only; the local pose that timelines key stays as it was.
// - Flipping is scaleX or scaleY = -1.
// - Angles are in degrees, counter-clockwise, y up.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "spine/skeleton_data.hpp"

namespace velkor::spine {

struct Bone {
    int data = 0;
    int parent = -1;
    float x = 0, y = 0, rotation = 0, scaleX = 1, scaleY = 1, shearX = 0, shearY = 0;  // local
    // The local values the world transform was last computed from (constraints change these).
    float ax = 0, ay = 0, arotation = 0, ascaleX = 1, ascaleY = 1, ashearX = 0, ashearY = 0;
    float a = 1, b = 0, c = 0, d = 1, worldX = 0, worldY = 0;  // world = [a b; c d] * local + (worldX, worldY)
    bool appliedValid = true;  // false once a constraint changed the world transform directly
    bool active = true;  // false for a skin-required bone the current skin does not list
};

struct IkConstraint {
    int data = 0;
    float mix = 1, softness = 0;
    int bendDirection = 1;
    bool compress = false, stretch = false;
    bool active = true;
};

struct TransformConstraint {
    int data = 0;
    float rotateMix = 1, translateMix = 1, scaleMix = 1, shearMix = 1;
    bool active = true;
};

struct PathConstraint {
    int data = 0;
    float position = 0, spacing = 0, rotateMix = 1, translateMix = 1;
    bool active = true;
};

struct Slot {
    int data = 0;
    int bone = 0;
    Color color;
    Color darkColor{0, 0, 0, 1};
    const Attachment* attachment = nullptr;
    std::vector<float> deform;  // empty: the attachment's own vertices
};

class Skeleton {
public:
    explicit Skeleton(const SkeletonData& data);

    [[nodiscard]] const SkeletonData& Data() const noexcept { return *data_; }

    void UpdateWorldTransform();
    void SetToSetupPose();
    // Bones and constraints.
    void SetBonesToSetupPose();
    void SetSlotsToSetupPose();

    // Looks attachments up in the named skin first, then in the default skin. False for an unknown
    // skin name (the skin stays as it was). Rebuilds the update order for the skin's bones and
    // constraints.
    bool SetSkin(std::string_view name);
    [[nodiscard]] const Skin* GetSkin() const noexcept { return skin_; }
    [[nodiscard]] const Attachment* GetAttachment(int slot, std::string_view name) const;
    // Sets a slot's attachment by name (empty: none). False when slot or attachment is unknown.
    bool SetAttachment(std::string_view slot, std::string_view name);

    // Attaches `attachment` to the slot; a new attachment drops the slot's deform unless both share
    // their deform keys.
    void SetSlotAttachment(Slot& slot, const Attachment* attachment);

    // World transform of one bone from the given local values, which become its applied values.
    void UpdateBone(Bone& bone, float x, float y, float rotation, float scaleX, float scaleY, float shearX,
                    float shearY);
    // Applied values that give the bone's current world transform under its parent.
    void UpdateAppliedTransform(Bone& bone);

    std::vector<Bone> bones;
    std::vector<Slot> slots;
    std::vector<IkConstraint> ikConstraints;
    std::vector<TransformConstraint> transformConstraints;
    std::vector<PathConstraint> pathConstraints;
    std::vector<int> drawOrder;  // slot indices, back to front
    Color color;
    float x = 0, y = 0, scaleX = 1, scaleY = 1;

    // One step of UpdateWorldTransform: a bone or a constraint.
    struct Update {
        enum class Kind : std::uint8_t { Bone, Ik, Transform, Path };
        Kind kind;
        int index;
        friend bool operator==(const Update&, const Update&) = default;
    };
    [[nodiscard]] const std::vector<Update>& UpdateOrder() const noexcept { return updates_; }

private:
    // Each slot's setup attachment under the current skin: posing resets slots every frame.
    void ResolveSetupAttachments();
    void BuildUpdateOrder();
    void SortBone(int bone, std::vector<char>& sorted);
    void SortReset(int parent, std::vector<char>& sorted);

    void ApplyIk(const IkConstraint& constraint);
    void ApplyTransform(const TransformConstraint& constraint);
    void ApplyPath(const PathConstraint& constraint);

    const SkeletonData* data_;
    const Skin* skin_ = nullptr;
    std::vector<const Attachment*> setupAttachments_;
    std::vector<Update> updates_;
    std::vector<float> pathScratch_;  // path constraint work space, reused every frame
};

}  // namespace velkor::spine
