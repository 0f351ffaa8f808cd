// Point sets, a recording observer and a mesh checker for the triangulation tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/PointSet.h"
#include "mesh/Triangulation.h"

namespace tarn::testing {

// Uniform in [0, scale) x [0, scale).
PointList UniformPoints(int count, std::uint32_t seed, float scale = 1.0f);
// Rows of a table-form file: x = x0 + i*step for each column, rows from the top (y down).
PointList GridPoints(int columns, int rows, float step, float x0 = 0, float y0 = 0);
// Tight clusters plus a few lone points.
PointList ClusteredPoints(int count, std::uint32_t seed);
// The points with one of them (not point 0) moved far away, as a stray sample would lie.
PointList WithStraySample(PointList points, float x, float y);
// Uniform points where about a third repeat the coordinates of an earlier point other
// than point 0.
PointList PointsWithDuplicates(int count, std::uint32_t seed);
// Points of a small integer lattice, drawn at random with repeats: many exactly collinear
// points, points on edge lines and at edge midpoints.
PointList LatticePoints(int count, int size, std::uint32_t seed);

// Records the calls of a build; asks for cancel after pass `cancelAfterPass` (0: never),
// or at the `cancelAtPump`-th call of Pump (0: never).
class RecordingObserver : public MeshBuildObserver {
 public:
  int cancelAfterPass = 0;
  int cancelAtPump = 0;

  int startedWith = -1;
  int passes = 0;     // passes seen by CancelRequested
  int pumps = 0;
  std::vector<int> progress;
  std::vector<std::string> calls;  // "started", "pump" (after a pass), "cancel?", "finished"

  void Started(int pointCount) override;
  void Pump() override;
  bool CancelRequested() override;
  void PassFinished(int cornerCount) override;

 private:
  bool cancelNoted_ = false;
};

// The invariants of a built mesh: corners in range and distinct; clockwise winding with y
// up (cross product <= 0); every triangle after the seed built across an edge of an earlier
// one; no two edges that properly cross (exact orientation test). Returns the first
// violation, or "" if none.
//
// Winding holds only where no point repeats another's coordinates: a copy of an edge's end
// may be joined across it (the slope-and-intercept side test rounds it off the line), and
// the zero-area triangle it makes has no "far side" to keep later triangles turning the
// same way. The plain procedure does exactly the same; see the duplicates tests.
std::string CheckMeshInvariants(const PointList& points, const TriangleList& mesh,
                                bool checkWinding = true);

// Whether two points share both coordinates (random sets can hold such copies by chance).
bool HasRepeatedCoordinates(const PointList& points);

// The edges left open (state -1) that are not edges of the convex hull: some point lies
// strictly on either side of their line.
int OpenEdgesInsideTheHull(const PointList& points, const TriangleList& mesh);

}  // namespace tarn::testing
