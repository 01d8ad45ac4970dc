#include "spine/animation_state.hpp"

#include <algorithm>
#include <cmath>

namespace velkor::spine {

namespace {

// Fades deeper than this drop their oldest entry: three overlapping requests within one mix
// duration are already more than the eye separates.
constexpr std::size_t MaxChain = 4;

float Lerp(float a, float b, float t) { return a + (b - a) * t; }

float LerpAngle(float a, float b, float t) {
    float d = std::fmod(b - a, 360.0f);
    if (d > 180) d -= 360;
    else if (d <= -180) d += 360;
    return a + d * t;
}

Color Lerp(const Color& a, const Color& b, float t) {
    return {Lerp(a.r, b.r, t), Lerp(a.g, b.g, t), Lerp(a.b, b.b, t), Lerp(a.a, b.a, t)};
}

}  // namespace

bool AnimationStateData::SetMix(std::string_view from, std::string_view to, float duration) {
    const Animation* a = data_->FindAnimation(from);
    const Animation* b = data_->FindAnimation(to);
    if (!a || !b) return false;
    SetMix(a, b, duration);
    return true;
}

void AnimationStateData::SetMix(const Animation* from, const Animation* to, float duration) {
    mixes_[{from, to}] = duration;
}

float AnimationStateData::GetMix(const Animation* from, const Animation* to) const {
    const auto it = mixes_.find({from, to});
    return it == mixes_.end() ? defaultMix : it->second;
}

bool TrackEntry::IsComplete() const noexcept { return animation && trackTime >= animation->duration; }

float TrackEntry::AnimationTime() const noexcept {
    if (!animation) return 0;
    const float duration = animation->duration;
    if (loop) return duration > 0 ? std::fmod(trackTime, duration) : 0.0f;
    return std::min(trackTime, duration);
}

void AnimationState::Update(float dt) {
    dt *= timeScale;
    fired_.clear();
    for (std::size_t t = 0; t < tracks_.size(); ++t) {
        Chain& chain = tracks_[t];
        for (std::size_t i = 0; i < chain.size(); ++i) {
            TrackEntry& entry = chain[i];
            const float step = dt * entry.timeScale;
            const TrackEntry* newer = i > 0 ? &chain[i - 1] : nullptr;
            if (!newer || (newer->mixDuration > 0 && newer->mixTime / newer->mixDuration < entry.eventThreshold))
                CollectEvents(static_cast<int>(t), entry, step);
            entry.trackTime += step;
            entry.started = true;
        }
        for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
            chain[i].mixTime += dt;
            if (chain[i].mixTime >= chain[i].mixDuration) {
                chain.resize(i + 1);  // the fade is over: what it faded from no longer shows
                break;
            }
        }
    }
    std::stable_sort(fired_.begin(), fired_.end(), [](const FiredEvent& a, const FiredEvent& b) { return a.at < b.at; });
    if (listener)
        for (const FiredEvent& fired : fired_) listener(fired);
}

// Keys in (before, after] of track time, with a key at `before` too when the entry has not
// started. A looping entry repeats its keys once per loop.
void AnimationState::CollectEvents(int track, const TrackEntry& entry, float step) {
    const EventTimeline* timeline = entry.animation ? entry.animation->events : nullptr;
    if (!timeline || step < 0) return;
    const float before = entry.trackTime, after = before + step;
    auto add = [&](float at, const Event& event) {
        if (!(at > before || (!entry.started && at >= before)) || at > after) return;
        fired_.push_back({track, entry.animation, &event, step > 0 ? (at - before) / step : 0.0f});
    };
    const float duration = entry.animation->duration;
    if (!entry.loop || duration <= 0) {
        for (const Event& event : timeline->events) add(event.time, event);
        return;
    }
    // A time step many loops long fires the last few loops only: nobody can hear more.
    constexpr float MaxLoops = 16;
    const float last = std::floor(after / duration);
    const float first = std::max(std::floor(before / duration), last - MaxLoops);
    // Counted in integers: at huge loop numbers adding one to a float changes nothing.
    const float span = last - first;  // NaN when the times overflowed
    const int loops = !(span > 0) ? 0 : static_cast<int>(std::min(span, MaxLoops));
    for (int i = 0; i <= loops; ++i)
        for (const Event& event : timeline->events) add((first + static_cast<float>(i)) * duration + event.time, event);
}

TrackEntry* AnimationState::SetAnimation(int track, std::string_view name, bool loop) {
    return SetAnimation(track, data_->Data().FindAnimation(name), loop);
}

TrackEntry* AnimationState::SetAnimation(int track, const Animation* animation, bool loop) {
    if (!animation || track < 0) return nullptr;
    if (tracks_.size() <= static_cast<std::size_t>(track)) tracks_.resize(static_cast<std::size_t>(track) + 1);
    Chain& chain = tracks_[static_cast<std::size_t>(track)];
    TrackEntry entry;
    entry.animation = animation;
    entry.loop = loop;
    if (!chain.empty() && chain.front().trackTime == 0 && chain.front().mixTime == 0) {
        // Replaced before it ever advanced: take its place, and its fade, without showing it.
        entry.mixDuration = chain.front().mixDuration;
        chain.front() = entry;
        if (chain.size() == 1) chain.front().mixDuration = 0;
        return &chain.front();
    }
    if (!chain.empty()) entry.mixDuration = data_->GetMix(chain.front().animation, animation);
    if (entry.mixDuration <= 0) chain.clear();
    chain.insert(chain.begin(), entry);
    if (chain.size() > MaxChain) chain.resize(MaxChain);
    return &chain.front();
}

void AnimationState::ClearTrack(int track) {
    if (track >= 0 && static_cast<std::size_t>(track) < tracks_.size()) tracks_[static_cast<std::size_t>(track)].clear();
}

void AnimationState::ClearTracks() { tracks_.clear(); }

TrackEntry* AnimationState::GetCurrent(int track) {
    if (track < 0 || static_cast<std::size_t>(track) >= tracks_.size()) return nullptr;
    Chain& chain = tracks_[static_cast<std::size_t>(track)];
    return chain.empty() ? nullptr : &chain.front();
}

const TrackEntry* AnimationState::GetCurrent(int track) const {
    return const_cast<AnimationState*>(this)->GetCurrent(track);
}

bool AnimationState::Apply(Skeleton& skeleton) {
    bool posed = false;
    for (const Chain& chain : tracks_) {
        if (chain.empty()) continue;
        if (!posed) {
            skeleton.SetToSetupPose();
            Pose(skeleton, chain, 0, 1);
            posed = true;
        } else {
            Pose(skeleton, chain, 0, chain.front().alpha);
        }
    }
    return posed;
}

// Poses chain[index] blended over what it fades from. The base track starts from the setup pose,
// poses the older entry, keeps that pose, poses the newer one from setup again and mixes the two
// value by value: a value only one of them keys fades to or from its setup value.
void AnimationState::Pose(Skeleton& skeleton, const Chain& chain, std::size_t index, float alpha) {
    const TrackEntry& entry = chain[index];
    if (index + 1 >= chain.size() || alpha != 1) {
        entry.animation->Apply(skeleton, entry.AnimationTime(), false, alpha);
        return;
    }
    Pose(skeleton, chain, index + 1, 1);
    if (scratch_.size() <= index) scratch_.resize(index + 1);
    Snapshot& from = scratch_[index];
    from.bones = skeleton.bones;
    const std::size_t slotCount = skeleton.slots.size();
    from.light.resize(slotCount);
    from.dark.resize(slotCount);
    from.attachments.resize(slotCount);
    from.deform.resize(slotCount);
    from.ik = skeleton.ikConstraints;
    from.transform = skeleton.transformConstraints;
    from.path = skeleton.pathConstraints;
    for (std::size_t i = 0; i < slotCount; ++i) {
        const Slot& slot = skeleton.slots[i];
        from.light[i] = slot.color;
        from.dark[i] = slot.darkColor;
        from.attachments[i] = slot.attachment;
        from.deform[i] = slot.deform;
    }

    skeleton.SetToSetupPose();
    entry.animation->Apply(skeleton, entry.AnimationTime(), false, 1);
    const float mix = entry.mixDuration > 0 ? std::min(1.0f, entry.mixTime / entry.mixDuration) : 1.0f;
    for (std::size_t i = 0; i < skeleton.bones.size(); ++i) {
        Bone& to = skeleton.bones[i];
        const Bone& old = from.bones[i];
        to.x = Lerp(old.x, to.x, mix);
        to.y = Lerp(old.y, to.y, mix);
        to.rotation = LerpAngle(old.rotation, to.rotation, mix);
        to.scaleX = Lerp(old.scaleX, to.scaleX, mix);
        to.scaleY = Lerp(old.scaleY, to.scaleY, mix);
        to.shearX = Lerp(old.shearX, to.shearX, mix);
        to.shearY = Lerp(old.shearY, to.shearY, mix);
    }
    for (std::size_t i = 0; i < skeleton.ikConstraints.size(); ++i) {
        IkConstraint& to = skeleton.ikConstraints[i];
        const IkConstraint& old = from.ik[i];
        to.mix = Lerp(old.mix, to.mix, mix);
        to.softness = Lerp(old.softness, to.softness, mix);
        if (mix < 0.5f) to.bendDirection = old.bendDirection, to.compress = old.compress, to.stretch = old.stretch;
    }
    for (std::size_t i = 0; i < skeleton.transformConstraints.size(); ++i) {
        TransformConstraint& to = skeleton.transformConstraints[i];
        const TransformConstraint& old = from.transform[i];
        to.rotateMix = Lerp(old.rotateMix, to.rotateMix, mix);
        to.translateMix = Lerp(old.translateMix, to.translateMix, mix);
        to.scaleMix = Lerp(old.scaleMix, to.scaleMix, mix);
        to.shearMix = Lerp(old.shearMix, to.shearMix, mix);
    }
    for (std::size_t i = 0; i < skeleton.pathConstraints.size(); ++i) {
        PathConstraint& to = skeleton.pathConstraints[i];
        const PathConstraint& old = from.path[i];
        to.position = Lerp(old.position, to.position, mix);
        to.spacing = Lerp(old.spacing, to.spacing, mix);
        to.rotateMix = Lerp(old.rotateMix, to.rotateMix, mix);
        to.translateMix = Lerp(old.translateMix, to.translateMix, mix);
    }
    for (std::size_t i = 0; i < slotCount; ++i) {
        Slot& slot = skeleton.slots[i];
        slot.color = Lerp(from.light[i], slot.color, mix);
        slot.darkColor = Lerp(from.dark[i], slot.darkColor, mix);
        // Deform mixes only while both poses show the same attachment.
        const auto* vertex = dynamic_cast<const VertexAttachment*>(slot.attachment);
        if (!vertex || from.attachments[i] != slot.attachment || (from.deform[i].empty() && slot.deform.empty()))
            continue;
        if (from.deform[i].empty()) vertex->SetupDeform(from.deform[i]);
        if (slot.deform.empty()) vertex->SetupDeform(slot.deform);
        if (from.deform[i].size() != slot.deform.size()) continue;
        for (std::size_t v = 0; v < slot.deform.size(); ++v) slot.deform[v] = Lerp(from.deform[i][v], slot.deform[v], mix);
    }
}

}  // namespace velkor::spine
