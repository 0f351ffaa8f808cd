// The triangulation as the plain procedure: every edge scans every point, every candidate
// scans every triangle, SharedEdgeTriangle scans the whole list. Far too slow for real data
// (its time grows with almost the cube of the point count); the tests compare the fast
// BuildMesh with it.
#pragma once

#include <vector>

#include "data/PointSet.h"

namespace tarn::testing {

struct OracleRun {
  bool Refused = false;    // "cannot build": no first or second neighbour
  bool Cancelled = false;  // stopped by the cancel request after pass `cancelAfterPass`
  TriangleList Mesh;
  std::vector<int> Progress;  // the bar's position after each pass that was not cancelled
};

// Runs the procedure; with cancelAfterPass = k > 0 the cancel flag is found set after
// pass k.
OracleRun RunOracle(const PointList& points, int cancelAfterPass = 0);

}  // namespace tarn::testing
