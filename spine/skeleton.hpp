// A posed instance of SkeletonData: bones with local and world transforms, slots with colour,
// attachment and deform, the draw order.
//
// Contract:
// - Holds the SkeletonData by plain pointer: the data (and its atlas) must outlive the skeleton.
//   Bones and slots refer to each other by index, so a Skeleton copies and moves as a value.
// - UpdateWorldTransform() must run after any change of local values and before world positions
//   are read. Flipping is scaleX or scaleY = -1.
// - Angles are in degrees, counter-clockwise, y up.
#pragma once

#include <string_view>
#include <vector>

#include "spine/skeleton_data.hpp"

namespace velkor::spine {

struct Bone {
    int data = 0;
    int parent = -1;
    float x = 0, y = 0, rotation = 0, scaleX = 1, scaleY = 1, shearX = 0, shearY = 0;  // local
    float a = 1, b = 0, c = 0, d = 1, worldX = 0, worldY = 0;  // world = [a b; c d] * local + (worldX, worldY)
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
    void SetBonesToSetupPose();
    void SetSlotsToSetupPose();

    // Looks attachments up in the named skin first, then in the default skin. False for an unknown
    // skin name (the skin stays as it was).
    bool SetSkin(std::string_view name);
    [[nodiscard]] const Skin* GetSkin() const noexcept { return skin_; }
    [[nodiscard]] const Attachment* GetAttachment(int slot, std::string_view name) const;
    // Sets a slot's attachment by name (empty: none). False when slot or attachment is unknown.
    bool SetAttachment(std::string_view slot, std::string_view name);

    // Attaches `attachment` to the slot; a new attachment drops the slot's deform unless both share
    // their deform keys.
    void SetSlotAttachment(Slot& slot, const Attachment* attachment);

    std::vector<Bone> bones;
    std::vector<Slot> slots;
    std::vector<int> drawOrder;  // slot indices, back to front
    Color color;
    float x = 0, y = 0, scaleX = 1, scaleY = 1;

private:
    // Each slot's setup attachment under the current skin: posing resets slots every frame.
    void ResolveSetupAttachments();

    const SkeletonData* data_;
    const Skin* skin_ = nullptr;
    std::vector<const Attachment*> setupAttachments_;
};

}  // namespace velkor::spine
