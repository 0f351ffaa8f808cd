// What the triangulation asks of an index of the mesh's edges: file them as triangles are
// added, and tell whether a segment between two points properly crosses one of them.
//
// An edge is filed once, in the direction of the first triangle that holds it. The crossing
// test rounds differently for the opposite direction, so where the stored direction does
// not cross, an index tries the opposite one as well, which counts if some triangle runs
// that way.
#pragma once

#include <algorithm>

#include "mesh/EdgeBuckets.h"
#include "mesh/Geometry.h"
#include "mesh/MeshEdges.h"
#include "data/PointSet.h"
#include "mesh/PointTree.h"

namespace tarn {

struct MeshEdge {
  PointIndex Start = kNoPoint;
  PointIndex End = kNoPoint;
};

class CrossingIndex {
 public:
  explicit CrossingIndex(const MeshEdges& edges) : edges_(edges) {}
  virtual ~CrossingIndex() = default;
  CrossingIndex(const CrossingIndex&) = delete;
  CrossingIndex& operator=(const CrossingIndex&) = delete;

  // Files the edges of a triangle that the mesh does not hold yet; call before the
  // triangle is added to the pair table.
  void AddTriangle(PointIndex v1, PointIndex v2, PointIndex v3);
  // Files one edge that no triangle of the mesh holds yet, in this direction.
  virtual void FileEdge(PointIndex start, PointIndex end) = 0;

  // True if the segment a-b properly crosses an edge of a filed triangle, by
  // SegmentsCross(a, b, start, end); then `crossed` (if not null) receives that edge.
  virtual bool CrossesMesh(PointIndex a, PointIndex b, MeshEdge* crossed) const = 0;

 protected:
  // A segment between two points, with its bounding box widened by the index's margin, and
  // the positions of its ends in the index's own list of points.
  struct Segment {
    double AX, AY, BX, BY;
    double MinX, MinY, MaxX, MaxY;
    std::int32_t A, B;

    Segment(const PointTree::Entry& a, const PointTree::Entry& b, double margin,
            std::int32_t positionA, std::int32_t positionB)
        : AX(a.X), AY(a.Y), BX(b.X), BY(b.Y),
          MinX(std::min(AX, BX) - margin), MinY(std::min(AY, BY) - margin),
          MaxX(std::max(AX, BX) + margin), MaxY(std::max(AY, BY) + margin),
          A(positionA), B(positionB) {}
  };

  // Whether an edge filed at `place` crosses the segment; `entryAt(position)` gives the
  // index's points.
  template <class EntryAt>
  bool PlaceHasCrossing(const EdgeBuckets& buckets, int place, const Segment& segment,
                        EntryAt entryAt, MeshEdge* crossed) const {
    return buckets.AnyOf(place, [&](EdgeBuckets::FiledEdge edge) {
      // Half the edges near a segment end at one of its ends, so they share it: told by the
      // positions alone. Most of the others miss the segment's box. Which of the two an edge
      // is, is random, so both are asked and one branch taken: the points of a nearby edge
      // are in the cache anyway.
      const bool shares = (edge.Start == segment.A) | (edge.Start == segment.B) |
                          (edge.End == segment.A) | (edge.End == segment.B);
      const PointTree::Entry& c = entryAt(edge.Start);
      const PointTree::Entry& d = entryAt(edge.End);
      const bool apart = (std::max(c.X, d.X) < segment.MinX) |
                         (std::min(c.X, d.X) > segment.MaxX) |
                         (std::max(c.Y, d.Y) < segment.MinY) | (std::min(c.Y, d.Y) > segment.MaxY);
      if (shares | apart || !Crosses(segment.AX, segment.AY, segment.BX, segment.BY, c.X, c.Y,
                                     c.Index, d.X, d.Y, d.Index)) {
        return false;
      }
      if (crossed) *crossed = {c.Index, d.Index};
      return true;
    });
  }

  // SegmentsCross of a-b with the filed edge c-d, or with d-c where a triangle runs so.
  // Edges that share an end with the segment never cross it, and many of the edges near a
  // candidate's segment meet at P, Q or the candidate, so they are passed over at once.
  bool Crosses(double ax, double ay, double bx, double by, double cx, double cy, PointIndex c,
               double dx, double dy, PointIndex d) const {
    if (SegmentsShareAnEnd(ax, ay, bx, by, cx, cy, dx, dy)) return false;
    if (SegmentsCross(ax, ay, bx, by, cx, cy, dx, dy)) return true;
    return SegmentsCross(ax, ay, bx, by, dx, dy, cx, cy) && edges_.HasDirectedEdge(d, c);
  }

 private:
  const MeshEdges& edges_;
};

}  // namespace tarn
