// Reading skeleton data from the Spine JSON export format, version 3.8.
//
// Contract:
// - Read: the skeleton header (hash, spine version, x, y, width, height, fps, images), bones with
//   their five transform-inherit modes, slots (colour, dark colour, attachment, blend mode), the
//   default and named skins (3.8's array of skins and the older object form), region, mesh
//   (weighted and unweighted, with UVs, triangles, hull, edges) and linked-mesh attachments;
//   bounding boxes and points are read and draw nothing. Animations: bone rotate, translate, scale
//   and shear, slot attachment, colour and two-colour, deform and draw-order timelines, with
//   linear, stepped and Bézier curves (3.8's "curve"/"c2"/"c3"/"c4" and the older array form).
// - Not supported, read past without failing and reported in one trace message per file: IK,
//   transform and path constraints, path and clipping attachments, events, skins with bones or
//   constraints.
// - A missing, malformed or truncated file, a reference to an unknown bone, slot or skin, or
//   geometry that does not add up gives one trace message naming the file and the problem, and
//   no data (nullptr). Attachments whose atlas region is missing are left out with a message.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "spine/skeleton_data.hpp"

namespace velkor::spine {

// Reads the file at `path`, resolving attachments through `atlas`.
[[nodiscard]] std::unique_ptr<SkeletonData> ReadSkeletonData(const std::string& path, const Atlas& atlas);

// Reads JSON text; `source` names it in messages.
[[nodiscard]] std::unique_ptr<SkeletonData> ParseSkeletonData(std::string_view json, const Atlas& atlas,
                                                              const std::string& source);

}  // namespace velkor::spine
