// Joins the point set into a triangle mesh by growing triangles outwards from a seed.
//
// The method, in short (the mesh commands rely on every detail of it):
//   - Seed: point 0, its nearest neighbour a, and the nearest point b not on the line
//     through both, ordered so that the seed runs clockwise (x right, y up).
//   - Passes: every triangle built before the pass, in list order, offers each of its edges
//     j = 1, 2, 3 (corner j to the next corner) that has no other triangle across it and
//     has not been examined. The point nearest to the edge's midpoint that lies strictly
//     beyond the edge and is joined to both ends without properly crossing an existing edge
//     becomes the corner k of the new triangle (k, Q, P), appended at the end; equal
//     distances go to the lowest point index. The edge's state becomes 1, or -1 if no point
//     qualifies. Triangles appended in a pass are offered in the next one.
//   - The build ends after a pass that added nothing.
// There is no circle test and nothing is flipped or removed: the result is not Delaunay.
//
// Every distance, side and crossing test is one of the double expressions of
// mesh/Geometry.h, so ties and near-collinear cases fall the same way every time; the
// spatial indexes behind the search only skip what those expressions cannot accept.
#pragma once

#include "data/PointSet.h"

namespace tarn {

enum class MeshBuildResult {
  Finished,     // a pass added nothing
  Cancelled,    // cancel was requested; the triangles of the passes so far stay
  CannotBuild,  // fewer than two usable points, or all on one line with point 0
};

// What a build reports to the command that runs it, in this order: Started once, then per
// pass Pump, CancelRequested and (if not cancelled) PassFinished. Pump is also called now
// and then inside a long pass, where a cancel request is only noted for the pass's end.
class MeshBuildObserver {
 public:
  virtual ~MeshBuildObserver() = default;
  // After the seed, before the first pass.
  virtual void Started(int pointCount) = 0;
  // Lets the platform process pending messages.
  virtual void Pump() = 0;
  // Asked once after the pump that ends each pass.
  virtual bool CancelRequested() = 0;
  // After a pass that was not cancelled: the number of points that are a corner of at
  // least one triangle.
  virtual void PassFinished(int cornerCount) = 0;
};

// Replaces `mesh` by the mesh of `points`. On CannotBuild the mesh is left empty, on
// Cancelled it holds the seed and the triangles of the passes run so far. Points whose
// coordinates are not finite are never used.
MeshBuildResult BuildMesh(const PointList& points, TriangleList& mesh,
                          MeshBuildObserver& observer);

}  // namespace tarn
