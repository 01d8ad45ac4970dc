// Our skeletal animation runtime: reads texture atlases and skeletons exported in the Spine 3.8
// JSON format, poses skeletons and plays animations on tracks with cross-fades.
//
// Contract:
// - Loading: Atlas::Load (atlas.hpp) with a TextureLoader, then ReadSkeletonData (skeleton_json.hpp)
//   against that atlas. Both report every failure (missing file, malformed or truncated text,
//   dangling references) as one trace message and return nullptr; neither throws.
// - Lifetimes, from the longest: Atlas > SkeletonData > AnimationStateData > Skeleton and
//   AnimationState. Each refers to the one before it by plain pointer; the owner keeps them alive in
//   that order. Atlas and SkeletonData never change after loading and can be shared.
// - Each frame: AnimationState::Update(dt), AnimationState::Apply(skeleton),
//   Skeleton::UpdateWorldTransform(), then read world vertices from the slots' attachments in
//   Skeleton::drawOrder.
// - Supported and unsupported features are listed in skeleton_json.hpp. Nothing here allocates per
//   frame once the first cross-fade has sized the scratch storage.
// - Single-threaded: one skeleton and its state are touched by one thread at a time.
#pragma once

#include "spine/animation_state.hpp"
#include "spine/atlas.hpp"
#include "spine/skeleton.hpp"
#include "spine/skeleton_data.hpp"
#include "spine/skeleton_json.hpp"
