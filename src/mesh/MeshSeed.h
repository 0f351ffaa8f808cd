// The seed triangle of the mesh: point 0 and its two nearest usable neighbours.
#pragma once

#include <optional>

#include "data/PointSet.h"

namespace tarn {

// Point 0, its nearest neighbour a, and the nearest point b that is not on the line through
// point 0 and a (exact double test), each search keeping the lowest index on equal
// distances. The corners run clockwise with y upwards: (0, b, a) if b turns left of a seen
// from point 0, else (0, a, b); edge states 0. Nothing if there is no such a or b (fewer
// than two points, all on one line, or a has the coordinates of point 0). Points with
// coordinates that are not finite take no part.
std::optional<MeshTriangle> FindSeed(const PointList& points);

}  // namespace tarn
