// Reading skeleton data from the Spine JSON export format, version 3.8.
//
// Contract:
// - Read: the skeleton header (hash, spine version, x, y, width, height, fps, images), bones with
//   their five transform-inherit modes, slots (colour, dark colour, attachment, blend mode), IK,
//   transform and path constraints, event definitions, the default and named skins (3.8's array
//   of skins with their own bones and constraints, and the older object form), region, mesh
//   (weighted and unweighted, with UVs, triangles, hull, edges), linked-mesh, path, clipping,
//   bounding-box and point attachments. Animations: bone rotate, translate, scale and shear; slot
//   attachment, colour and two-colour; IK, transform and path (position, spacing, mix)
//   constraint; deform (on every vertex attachment), draw-order and event timelines; linear,
//   stepped and Bézier curves (3.8's "curve"/"c2"/"c3"/"c4" and the older array form).
// - Not supported: nothing a 3.8 JSON export contains. (Binary exports are not read.)
// - Only a file that is missing, not JSON, not an object, or whose bones cannot be built (none,
//   a malformed bone, an unknown parent) gives no data (nullptr, one trace message). Anything
//   else that cannot be read (a malformed or unknown attachment, constraint, skin entry, event,
//   timeline, a reference to something the file does not define) is traced with the file and
//   its JSON pointer and left out; the rest loads. Attachments whose atlas region is missing are
//   left out with a message.
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
