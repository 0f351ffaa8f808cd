#include "mesh/TriangulationOracle.h"

#include "mesh/Geometry.h"

namespace tarn::testing {

namespace {

class Oracle {
 public:
  Oracle(const PointList& points, TriangleList& mesh) : points_(points), mesh_(mesh) {}

  int GrowPass() {
    const int count = Count();
    int added = 0;
    for (int i = 0; i < count; ++i) {
      for (int j = 1; j <= 3; ++j) added += ExamineEdge(i, j);
    }
    return added;
  }

  int CornerCount() const {
    int used = 0;
    for (int k = 0; k < static_cast<int>(points_.size()); ++k) {
      for (const MeshTriangle& t : mesh_) {
        if (t.V1 == k || t.V2 == k || t.V3 == k) {
          ++used;
          break;
        }
      }
    }
    return used;
  }

 private:
  int Count() const { return static_cast<int>(mesh_.size()); }

  static PointIndex Corner(const MeshTriangle& t, int c) {
    return c == 1 ? t.V1 : (c == 2 ? t.V2 : t.V3);
  }
  static std::int32_t& State(MeshTriangle& t, int j) {
    return j == 1 ? t.E1 : (j == 2 ? t.E2 : t.E3);
  }
  static bool Holds(const MeshTriangle& t, PointIndex p) {
    return t.V1 == p || t.V2 == p || t.V3 == p;
  }

  // The last triangle other than `t` holding both corners, or -1.
  int SharedEdgeTriangle(int t, PointIndex p, PointIndex q) const {
    int found = -1;
    for (int i = 0; i < Count(); ++i) {
      if (i != t && Holds(mesh_[i], p) && Holds(mesh_[i], q)) found = i;
    }
    return found;
  }

  bool CrossesMesh(PointIndex a, PointIndex b) const {
    for (const MeshTriangle& t : mesh_) {
      const PointIndex c[3] = {t.V1, t.V2, t.V3};
      for (int e = 0; e < 3; ++e) {
        if (SegmentsCross(points_[a], points_[b], points_[c[e]], points_[c[(e + 1) % 3]])) {
          return true;
        }
      }
    }
    return false;
  }

  int Side(PointIndex p, PointIndex q, PointIndex k, bool isCorner) const {
    const Points& P = points_[p];
    const Points& Q = points_[q];
    const Points& K = points_[k];
    if (Q.X != P.X) {
      const double s = (double{Q.Y} - double{P.Y}) / (double{Q.X} - double{P.X});
      const double c = (double{Q.X} * double{P.Y} - double{Q.Y} * double{P.X}) /
                       (double{Q.X} - double{P.X});
      if (isCorner) return K.Y > s * K.X + c ? 1 : -1;
      return K.Y > s * K.X + c ? 1 : (K.Y < s * K.X + c ? -1 : 0);
    }
    if (isCorner) return K.X > P.X ? 1 : -1;
    return K.X > P.X ? 1 : (K.X < P.X ? -1 : 0);
  }

  // Returns 1 if a triangle was appended.
  int ExamineEdge(int i, int j) {
    const PointIndex p = Corner(mesh_[i], j);
    const PointIndex q = Corner(mesh_[i], j % 3 + 1);
    const PointIndex r = Corner(mesh_[i], (j + 1) % 3 + 1);
    if (SharedEdgeTriangle(i, p, q) >= 0) return 0;
    if (State(mesh_[i], j) != 0) return 0;
    PointIndex choice = -1;
    double best = -1;
    const int sideR = Side(p, q, r, true);
    for (int k = 0; k < static_cast<int>(points_.size()); ++k) {
      if (k == p || k == q || k == r) continue;
      if (best >= 0 && MidpointDistance(points_[p], points_[q], points_[k]) >= best) continue;
      const int side = Side(p, q, k, false);
      if (side == 0 || side == sideR) continue;
      if (CrossesMesh(p, k) || CrossesMesh(q, k)) continue;
      choice = k;
      best = MidpointDistance(points_[p], points_[q], points_[k]);
    }
    if (best > 0) {
      MeshTriangle added{choice, q, p, 0, 1, 0};
      added.E1 = SharedEdgeTriangle(Count(), choice, q) >= 0 ? 1 : 0;
      added.E3 = SharedEdgeTriangle(Count(), p, choice) >= 0 ? 1 : 0;
      mesh_.push_back(added);
      State(mesh_[i], j) = 1;
      return 1;
    }
    State(mesh_[i], j) = -1;
    return 0;
  }

  const PointList& points_;
  TriangleList& mesh_;
};

// Steps 3 to 5: the seed, or -1 corners when there is none.
bool MakeSeed(const PointList& points, MeshTriangle& seed) {
  const int n = static_cast<int>(points.size());
  if (n < 2) return false;
  int a = 1;
  for (int i = 2; i < n; ++i) {
    if (PointDistance(points[0], points[i]) < PointDistance(points[0], points[a])) a = i;
  }
  const Points& o = points[0];
  const Points& A = points[a];
  int b = -1;
  for (int i = 1; i < n; ++i) {
    const Points& I = points[i];
    if (i == a) continue;
    if ((double{A.X} - o.X) * (double{I.Y} - o.Y) == (double{I.X} - o.X) * (double{A.Y} - o.Y)) {
      continue;
    }
    if (b < 0 || PointDistance(o, I) < PointDistance(o, points[b])) b = i;
  }
  if (b < 0) return false;
  seed = IsLeftTurn(o, A, points[b]) ? MeshTriangle{0, b, a, 0, 0, 0}
                                      : MeshTriangle{0, a, b, 0, 0, 0};
  return true;
}

}  // namespace

OracleRun RunOracle(const PointList& points, int cancelAfterPass) {
  OracleRun run;
  MeshTriangle seed;
  if (!MakeSeed(points, seed)) {
    run.Refused = true;
    return run;
  }
  run.Mesh.push_back(seed);
  Oracle oracle(points, run.Mesh);
  for (int pass = 1;; ++pass) {
    const int added = oracle.GrowPass();
    if (pass == cancelAfterPass) {
      run.Cancelled = true;
      return run;
    }
    run.Progress.push_back(oracle.CornerCount());
    if (added == 0) return run;
  }
}

}  // namespace tarn::testing
