// The rules of the search for the third corner of a triangle built across edge P-Q (R the
// corner opposite), in the form CandidateSearch asks for them: which boxes may hold a
// candidate, which points are worth ordering, and whether a candidate can be joined.
//
// A candidate must lie strictly on the far side of the line P-Q from R (the slope-and-
// intercept side test), must not be P, Q or R, and must be joined to P and to Q without
// crossing an edge (CrossesMesh). Each crossing found casts a shadow from that end
// (EdgeShadows) in which no later candidate can be joined, and boxes in a shadow are
// never opened. Once a few candidates were refused, a point shadowed from one end only is
// used to learn a shadow from the other end (a limited number of times per edge): the rays
// that separate the shadows of one end are then covered by those of the other, so an edge
// with no joinable point stops after a few hundred boxes instead of trying every point.
// A box is asked only about its part on the far side: the line P-Q is itself a border of
// the shadows from the ends, and a box across it is often in shadow wherever it matters.
#pragma once

#include "mesh/CandidateSearch.h"
#include "mesh/CrossingIndex.h"
#include "mesh/EdgeShadows.h"
#include "mesh/Geometry.h"
#include "mesh/PointGrid.h"
#include "data/PointSet.h"
#include "mesh/PointTree.h"

namespace tarn {

class ThirdCornerRules {
 public:
  // `shadows` is scratch space; it is cleared here.
  // The points are those of `grid` (every point with finite coordinates).
  ThirdCornerRules(const PointGrid& grid, const PointTree& tree, const CrossingIndex& crossings,
                   EdgeShadows& shadows, PointIndex p, PointIndex q, PointIndex r);

  Midpoint Centre() const { return EdgeMidpoint(endPoints_[0], endPoints_[1]); }
  bool MayHold(const PointTree::Box& box) const;
  bool Consider(const PointTree::Entry& entry);
  // The fixed part of Consider: strictly on the far side, not a corner of the triangle.
  // Without branches: the side refuses half the points of a cell at random.
  bool MayJoin(const PointTree::Entry& entry) const {
    return line_.IsOnSide(entry.X, entry.Y, -sideOfOpposite_) & (entry.Index != ends_[0]) &
           (entry.Index != ends_[1]) & (entry.Index != opposite_);
  }
  bool Accept(PointIndex k);
  // Grows whenever MayHold becomes stricter.
  const std::size_t& Learned() const { return shadows_.Count(); }

 private:
  Points PointAt(PointIndex i) const {
    const PointTree::Entry& entry = grid_.EntryAt(grid_.PositionOf(i));
    return {entry.X, entry.Y, 0};
  }
  bool Sees(int end, PointIndex k);
  bool Learning() const;
  bool TakeLesson();
  void LearnFrom(const PointTree::Entry& entry, bool fromP, bool fromQ);

  const PointGrid& grid_;
  const CrossingIndex& crossings_;
  EdgeShadows& shadows_;
  PointIndex ends_[2];
  Points endPoints_[2];
  PointIndex opposite_;
  EdgeLine line_;
  int sideOfOpposite_;
  FarSide farSide_;
  int refused_ = 0;  // candidates refused for a crossing
  int lessons_;      // crossing tests left for learning
};

}  // namespace tarn
