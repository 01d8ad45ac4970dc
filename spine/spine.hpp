// Our skeletal animation runtime: reads texture atlases and skeletons exported in the Spine 3.8
// JSON format, poses skeletons and plays animations on tracks with cross-fades.
//
// Contract:
// - Loading: Atlas::Load (atlas.hpp) with a TextureLoader, then ReadSkeletonData (skeleton_json.hpp)
//   against that atlas. Neither throws; what they cannot read is traced.
// - Lifetimes, from the longest: Atlas > SkeletonData > AnimationStateData > Skeleton and
//   AnimationState. Each refers to the one before it by plain pointer; the owner keeps them alive in
//   that order. Atlas and SkeletonData never change after loading and can be shared.
// - Each frame: AnimationState::Update(dt) (which hands out the events passed), then
//   AnimationState::Apply(skeleton), Skeleton::UpdateWorldTransform() (bones and IK, transform and
//   path constraints in one update order), then SkeletonMesher::Build (skeleton_mesh.hpp) for the
//   triangles in draw order with clipping applied.
// - Supported and unsupported features are listed in skeleton_json.hpp. Nothing here allocates per
//   frame once the first cross-fade has sized the scratch storage.
// - Single-threaded: one skeleton and its state are touched by one thread at a time.
#pragma once

#include "spine/animation_state.hpp"
#include "spine/atlas.hpp"
#include "spine/skeleton.hpp"
#include "spine/skeleton_data.hpp"
#include "spine/skeleton_json.hpp"
#include "spine/skeleton_mesh.hpp"
