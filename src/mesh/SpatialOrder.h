// The points renumbered along a Hilbert curve over their extent, so that points near each
// other mostly get numbers near each other; the build runs on these numbers and the tables
// it keeps per point or per pair are then read along the growing mesh, not all over memory.
//
// Only the numbering changes: coordinates are copied unchanged, and Original gives back the
// index in the caller's set, which settles equal distances as before.
#pragma once

#include <vector>

#include "data/PointSet.h"

namespace tarn {

struct SpatialOrder {
  PointList Points;                  // by new number
  std::vector<PointIndex> Original;  // per new number, the index in the caller's set
};

// Points without finite coordinates come last, in their original order.
SpatialOrder OrderBySpace(const PointList& points);

}  // namespace tarn
