// Playing animations on tracks with cross-fades.
//
// Contract:
// - AnimationStateData holds the mix durations: a default and per ordered pair of animations.
//   It refers to the SkeletonData by plain pointer (the data must outlive it).
// - AnimationState plays one entry per track. Setting an animation while another plays on that
//   track cross-fades from the old to the new over the pair's mix duration; the old entry keeps
//   running during the fade. A fade interrupted by another request fades from the blended pose.
// - Every Apply starts from the setup pose: a value that no playing animation keys is at its setup
//   value. Track 0 is the base; higher tracks mix over it by their entry's alpha.
// - A TrackEntry pointer is valid until the next SetAnimation or ClearTrack on its track.
// - An entry is complete once its track time reaches the animation's duration (for a looping
//   entry: once the first loop has finished). Copying a state copies its tracks and listener.
// - Events: Update hands every event key that track time passed to `listener`, in time order
//   across all tracks, once for each time a loop passes it (a key at 0 fires when the entry
//   starts). An entry that is fading out fires only while the fade is below its eventThreshold
//   (0: never). The same list stays readable through Events() until the next Update.
#pragma once

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "spine/skeleton.hpp"

namespace velkor::spine {

class AnimationStateData {
public:
    explicit AnimationStateData(const SkeletonData& data) : data_(&data) {}

    [[nodiscard]] const SkeletonData& Data() const noexcept { return *data_; }

    float defaultMix = 0;
    // False (and nothing set) when either name is not an animation of the skeleton.
    bool SetMix(std::string_view from, std::string_view to, float duration);
    void SetMix(const Animation* from, const Animation* to, float duration);
    [[nodiscard]] float GetMix(const Animation* from, const Animation* to) const;

private:
    const SkeletonData* data_;
    std::map<std::pair<const Animation*, const Animation*>, float> mixes_;
};

struct TrackEntry {
    const Animation* animation = nullptr;
    bool loop = false;
    float trackTime = 0;  // seconds this entry has played, scaled by its time scale
    float timeScale = 1;
    float alpha = 1;
    float mixTime = 0;  // seconds into the fade from the entry below it
    float mixDuration = 0;
    // While a newer entry fades this one out, its events fire until the fade passes this share.
    float eventThreshold = 0;
    bool started = false;  // has been advanced at least once

    [[nodiscard]] bool IsComplete() const noexcept;
    // Time within the animation: wrapped when looping, held at the end otherwise.
    [[nodiscard]] float AnimationTime() const noexcept;
};

// One event key that an Update passed.
struct FiredEvent {
    int track = 0;
    const Animation* animation = nullptr;
    const Event* event = nullptr;
    float at = 0;  // share of the update's time step at which it fell, 0 to 1
};

class AnimationState {
public:
    explicit AnimationState(const AnimationStateData& data) : data_(&data) {}

    [[nodiscard]] const AnimationStateData& Data() const noexcept { return *data_; }

    // Advances every track by dt × timeScale.
    void Update(float dt);
    // Poses the skeleton; false when no track has an entry (the skeleton is left as it is).
    bool Apply(Skeleton& skeleton);

    // The new entry, or nullptr (nothing changed) for an unknown name or a negative track.
    TrackEntry* SetAnimation(int track, std::string_view name, bool loop);
    TrackEntry* SetAnimation(int track, const Animation* animation, bool loop);
    // Stops the track; the skeleton keeps its last pose until something else poses it.
    void ClearTrack(int track);
    void ClearTracks();
    [[nodiscard]] TrackEntry* GetCurrent(int track);
    [[nodiscard]] const TrackEntry* GetCurrent(int track) const;

    // Events passed by the last Update, in time order.
    [[nodiscard]] const std::vector<FiredEvent>& Events() const noexcept { return fired_; }
    std::function<void(const FiredEvent&)> listener;

    float timeScale = 1;

private:
    // chain[0] plays; chain[i + 1] is what chain[i] fades from.
    using Chain = std::vector<TrackEntry>;
    struct Snapshot {
        std::vector<Bone> bones;
        std::vector<Color> light, dark;
        std::vector<const Attachment*> attachments;
        std::vector<std::vector<float>> deform;
        std::vector<IkConstraint> ik;
        std::vector<TransformConstraint> transform;
        std::vector<PathConstraint> path;
    };

    void CollectEvents(int track, const TrackEntry& entry, float step);

    void Pose(Skeleton& skeleton, const Chain& chain, std::size_t index, float alpha);

    const AnimationStateData* data_;
    std::vector<Chain> tracks_;
    std::vector<Snapshot> scratch_;  // one per fade depth, reused every frame
    std::vector<FiredEvent> fired_;
};

}  // namespace velkor::spine
