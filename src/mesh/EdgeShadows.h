// The shadows of mesh edges: places that a segment from a corner cannot reach without
// crossing an edge, so the candidate search can drop them without asking the edge index.
//
//              c
//        .    /  shadow
//   A .  .   /    of c-d      Every point k of the shadow of edge c-d seen from apex A
//        .  /     from A      lies strictly inside the wedge between the rays A->c and
//          d                  A->d and strictly beyond the line c-d, so A-k crosses c-d.
//
// "Strictly" means by a clear margin. SegmentsCross(A, k, c, d) computes its parameters
// from three orientation values (A against c-d, k against c-d, k against A-c and A-d, up
// to sign), each with an error of a few units in the last place of its terms. If each of
// them exceeds 2^-40 of the terms that enter it, both parameters come out strictly inside
// (0, 1), whichever way round the edge is stored, so SegmentsCross reports the crossing
// for every point the shadow covers. Near the borders of a shadow nothing is claimed;
// those points are tested one by one.
//
// A shadow is a proof that a segment crosses the mesh; a candidate must see both ends of
// its edge, so a point in the shadow of either end is out. Shadows are kept per end (0 or
// 1) and filed by direction seen from that end (bins of a pseudo-angle), so a test looks only
// at the shadows around the direction of the box's centre: a shadow that covers a box
// covers its centre. The bins only choose which shadows to test; the test itself is exact.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "data/PointSet.h"
#include "mesh/PointTree.h"

namespace tarn {

class EdgeShadows {
 public:
  // A convex polygon given by its corners, in order: a box, or the part of a box that a
  // half-plane cuts off.
  struct Polygon {
    double X[6];
    double Y[6];
    int Count;
  };

  void Clear();
  bool Full() const { return shadows_.size() >= kMaxShadows; }
  // The number of shadows held (a reference stays valid and follows additions).
  const std::size_t& Count() const { return count_; }

  // Adds the shadow of edge c-d seen from `apex` (end 0 or 1, one apex per end), unless the
  // apex lies too close to the line through c and d to be sure of, or enough shadows are
  // already held.
  void Add(int end, const Points& apex, const Points& c, const Points& d);

  // Covered by a shadow seen from either end.
  bool Covers(const PointTree::Box& box) const;
  bool Covers(const Polygon& polygon) const;
  // Covered by a shadow seen from `end`.
  bool CoversFrom(int end, double x, double y) const;

 private:
  using Corners = Polygon;
  struct Shadow {
    int End;
    double AX, AY, CX, CY, DX, DY;
    double CDX, CDY, ACX, ACY, ADX, ADY;  // d - c, c - A, d - A
    double LengthCD, LengthAC, LengthAD;  // L1 lengths
    double ApexOffLine;                   // |orient(c, d, A)|
    double SideOfApex;                    // sign of orient(c, d, A)
    double SideOfD;                       // sign of orient(A, c, d)
    double SideOfC;                       // sign of orient(A, d, c)
  };
  static constexpr std::size_t kMaxShadows = 512;
  static constexpr int kBins = 128;

  static double DirectionOf(double dx, double dy);
  static int BinOf(double direction);
  void File(int end, std::uint16_t shadow, double fromAngle, double toAngle);
  bool CoversAround(int end, const Corners& corners, double x, double y) const;
  static bool ShadowCovers(const Shadow& shadow, const Corners& corners);

  std::vector<Shadow> shadows_;
  std::size_t count_ = 0;
  std::array<std::array<std::vector<std::uint16_t>, kBins>, 2> bins_;
  std::vector<std::uint16_t> usedBins_;  // end * kBins + bin, to clear
  std::array<bool, 2> hasApex_{};
  std::array<double, 2> apexX_{};
  std::array<double, 2> apexY_{};
};

}  // namespace tarn
