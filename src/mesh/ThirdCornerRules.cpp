#include "mesh/ThirdCornerRules.h"

namespace tarn {

namespace {

// Learning starts once this many candidates were refused (most searches succeed at the
// first or second), and may spend this many crossing tests per edge.
constexpr int kRefusalsBeforeLessons = 2;
constexpr int kLessonsPerEdge = 24;

}  // namespace

ThirdCornerRules::ThirdCornerRules(const PointGrid& grid, const PointTree& tree,
                                   const CrossingIndex& crossings, EdgeShadows& shadows,
                                   PointIndex p, PointIndex q, PointIndex r)
    : grid_(grid),
      crossings_(crossings),
      shadows_(shadows),
      ends_{p, q},
      endPoints_{PointAt(p), PointAt(q)},
      opposite_(r),
      line_(endPoints_[0], endPoints_[1]),
      sideOfOpposite_(line_.SideOfCorner(PointAt(r))),
      farSide_(line_, sideOfOpposite_, tree.MaxAbsX(), tree.MaxAbsY()),
      lessons_(kLessonsPerEdge) {
  shadows_.Clear();
}

bool ThirdCornerRules::MayHold(const PointTree::Box& box) const {
  return farSide_.MayHoldFarPoints(box) && !shadows_.Covers(farSide_.FarPart(box));
}

// Strictly on the far side, not a corner of the edge's triangle, and in no shadow.
bool ThirdCornerRules::Consider(const PointTree::Entry& entry) {
  if (!MayJoin(entry)) return false;
  if (shadows_.Count() == 0) return true;
  const bool fromP = shadows_.CoversFrom(0, entry.X, entry.Y);
  if (fromP && !Learning()) return false;
  const bool fromQ = shadows_.CoversFrom(1, entry.X, entry.Y);
  LearnFrom(entry, fromP, fromQ);
  return !fromP && !fromQ;
}

// Not CrossesMesh(P, k) and not CrossesMesh(Q, k); shadows learnt since k was ordered
// may already answer.
bool ThirdCornerRules::Accept(PointIndex k) {
  const Points candidate = PointAt(k);
  if (shadows_.CoversFrom(0, candidate.X, candidate.Y)) return false;
  if (shadows_.CoversFrom(1, candidate.X, candidate.Y)) return false;
  if (!Sees(0, k)) {
    ++refused_;
    if (TakeLesson()) Sees(1, k);
    return false;
  }
  if (Sees(1, k)) return true;
  ++refused_;
  return false;
}

// Not CrossesMesh(end, k); a crossing found casts its shadow seen from that end.
bool ThirdCornerRules::Sees(int end, PointIndex k) {
  MeshEdge crossed;
  if (!crossings_.CrossesMesh(ends_[end], k, &crossed)) return true;
  shadows_.Add(end, endPoints_[end], PointAt(crossed.Start), PointAt(crossed.End));
  return false;
}

bool ThirdCornerRules::Learning() const {
  return refused_ >= kRefusalsBeforeLessons && lessons_ > 0;
}

bool ThirdCornerRules::TakeLesson() {
  if (!Learning()) return false;
  --lessons_;
  return true;
}

// A point shadowed from one end only: look for a shadow from the other end.
void ThirdCornerRules::LearnFrom(const PointTree::Entry& entry, bool fromP, bool fromQ) {
  if (fromP == fromQ || !TakeLesson()) return;
  Sees(fromP ? 1 : 0, entry.Index);
}

}  // namespace tarn
