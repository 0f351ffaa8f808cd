#include "mesh/MeshTestSupport.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <random>
#include <utility>

namespace tarn::testing {

PointList UniformPoints(int count, std::uint32_t seed, float scale) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<float> coordinate(0.0f, scale);
  PointList points;
  for (int i = 0; i < count; ++i) {
    const float x = coordinate(random);
    const float y = coordinate(random);
    points.push_back({x, y, x + y});
  }
  return points;
}

PointList GridPoints(int columns, int rows, float step, float x0, float y0) {
  PointList points;
  for (int r = rows - 1; r >= 0; --r) {
    for (int c = 0; c < columns; ++c) {
      points.push_back({x0 + static_cast<float>(c) * step, y0 + static_cast<float>(r) * step,
                        static_cast<float>(r * c)});
    }
  }
  return points;
}

PointList ClusteredPoints(int count, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<float> place(0.0f, 100.0f);
  std::normal_distribution<float> spread(0.0f, 0.05f);
  std::uniform_int_distribution<int> pick(0, 3);
  float centres[4][2];
  for (auto& c : centres) c[0] = place(random), c[1] = place(random);
  PointList points;
  for (int i = 0; i < count; ++i) {
    if (i % 10 == 9) {
      points.push_back({place(random), place(random), 0});
      continue;
    }
    const auto& c = centres[pick(random)];
    points.push_back({c[0] + spread(random), c[1] + spread(random), 1});
  }
  return points;
}

PointList WithStraySample(PointList points, float x, float y) {
  Points& stray = points[points.size() / 2];
  stray.X = x;
  stray.Y = y;
  return points;
}

PointList PointsWithDuplicates(int count, std::uint32_t seed) {
  std::mt19937 random(seed);
  PointList points = UniformPoints(count, seed);
  for (int i = 2; i < count; i += 3) {
    std::uniform_int_distribution<int> earlier(1, i - 1);  // a copy of point 0 refuses
    points[i] = points[earlier(random)];
  }
  return points;
}

PointList LatticePoints(int count, int size, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> coordinate(0, size);
  PointList points;
  for (int i = 0; i < count; ++i) {
    points.push_back({static_cast<float>(coordinate(random)) * 0.5f,
                      static_cast<float>(coordinate(random)) * 0.5f, 0});
  }
  return points;
}

void RecordingObserver::Started(int pointCount) {
  startedWith = pointCount;
  calls.push_back("started");
}

// Pumps inside a pass are not recorded in `calls`: only their effect on cancel is.
void RecordingObserver::Pump() {
  ++pumps;
  if (cancelAtPump > 0 && pumps == cancelAtPump) cancelNoted_ = true;
  if (calls.empty() || calls.back() != "pump") calls.push_back("pump");
}

bool RecordingObserver::CancelRequested() {
  ++passes;
  calls.push_back("cancel?");
  if (cancelAfterPass > 0 && passes == cancelAfterPass) cancelNoted_ = true;
  return cancelNoted_;
}

void RecordingObserver::PassFinished(int cornerCount) {
  progress.push_back(cornerCount);
  calls.push_back("finished");
}

namespace {

using Edge = std::pair<PointIndex, PointIndex>;

// Exact for single-precision inputs of similar magnitude (the test data): the differences
// and their products fit in a long double's 64-bit mantissa.
int Orientation(const Points& a, const Points& b, const Points& c) {
  const long double value =
      (static_cast<long double>(b.X) - a.X) * (static_cast<long double>(c.Y) - a.Y) -
      (static_cast<long double>(b.Y) - a.Y) * (static_cast<long double>(c.X) - a.X);
  return value > 0 ? 1 : (value < 0 ? -1 : 0);
}

bool ProperlyCross(const PointList& p, Edge e, Edge f) {
  if (e.first == f.first || e.first == f.second || e.second == f.first ||
      e.second == f.second) {
    return false;
  }
  const int o1 = Orientation(p[e.first], p[e.second], p[f.first]);
  const int o2 = Orientation(p[e.first], p[e.second], p[f.second]);
  const int o3 = Orientation(p[f.first], p[f.second], p[e.first]);
  const int o4 = Orientation(p[f.first], p[f.second], p[e.second]);
  return o1 * o2 < 0 && o3 * o4 < 0;
}

std::string CheckCornersAndWinding(const PointList& points, const TriangleList& mesh,
                                   bool checkWinding) {
  const auto n = static_cast<PointIndex>(points.size());
  for (std::size_t i = 0; i < mesh.size(); ++i) {
    const MeshTriangle& t = mesh[i];
    for (const PointIndex v : {t.V1, t.V2, t.V3}) {
      if (v < 0 || v >= n) return "corner out of range in triangle " + std::to_string(i);
    }
    if (t.V1 == t.V2 || t.V2 == t.V3 || t.V3 == t.V1) {
      return "repeated corner in triangle " + std::to_string(i);
    }
    if (checkWinding && Orientation(points[t.V1], points[t.V2], points[t.V3]) > 0) {
      return "counter-clockwise triangle " + std::to_string(i);
    }
  }
  return "";
}

// Every triangle after the seed was built across an edge of an earlier triangle: its edge
// 2 (V2-V3) is held by an earlier triangle and marked shared. (An edge may end up with
// more than two holders, and triangles may cover older ones: nothing tests containment.)
std::string CheckBuiltAcrossEarlierEdges(const TriangleList& mesh, std::vector<Edge>& undirected) {
  std::set<Edge> held;
  for (std::size_t i = 0; i < mesh.size(); ++i) {
    const PointIndex c[3] = {mesh[i].V1, mesh[i].V2, mesh[i].V3};
    const Edge across{std::min(c[1], c[2]), std::max(c[1], c[2])};
    if (i > 0 && (mesh[i].E2 != 1 || !held.count(across))) {
      return "triangle " + std::to_string(i) + " is not built across an earlier edge";
    }
    for (int e = 0; e < 3; ++e) {
      held.insert({std::min(c[e], c[(e + 1) % 3]), std::max(c[e], c[(e + 1) % 3])});
    }
  }
  undirected.assign(held.begin(), held.end());
  return "";
}

// Buckets the edges by the grid cells their boxes touch, then tests pairs within a cell.
std::string CheckNoCrossings(const PointList& p, const std::vector<Edge>& edges) {
  float minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
  for (const Points& q : p) {
    minX = std::min(minX, q.X), maxX = std::max(maxX, q.X);
    minY = std::min(minY, q.Y), maxY = std::max(maxY, q.Y);
  }
  const int cells = std::max(1, static_cast<int>(std::sqrt(static_cast<double>(edges.size()) / 4)));
  const double w = (double{maxX} - minX) / cells + 1e-30;
  const double h = (double{maxY} - minY) / cells + 1e-30;
  auto cellOf = [cells](double v, double low, double size) {
    return std::clamp(static_cast<int>((v - low) / size), 0, cells - 1);
  };
  std::vector<std::vector<int>> buckets(static_cast<std::size_t>(cells) * cells);
  for (int i = 0; i < static_cast<int>(edges.size()); ++i) {
    const Points& a = p[edges[i].first];
    const Points& b = p[edges[i].second];
    const int lastX = cellOf(std::max(a.X, b.X), minX, w);
    const int lastY = cellOf(std::max(a.Y, b.Y), minY, h);
    for (int cx = cellOf(std::min(a.X, b.X), minX, w); cx <= lastX; ++cx) {
      for (int cy = cellOf(std::min(a.Y, b.Y), minY, h); cy <= lastY; ++cy) {
        buckets[static_cast<std::size_t>(cy) * cells + cx].push_back(i);
      }
    }
  }
  for (const auto& bucket : buckets) {
    for (std::size_t i = 0; i < bucket.size(); ++i) {
      for (std::size_t j = i + 1; j < bucket.size(); ++j) {
        if (ProperlyCross(p, edges[bucket[i]], edges[bucket[j]])) {
          return "edges " + std::to_string(edges[bucket[i]].first) + "-" +
                 std::to_string(edges[bucket[i]].second) + " and " +
                 std::to_string(edges[bucket[j]].first) + "-" +
                 std::to_string(edges[bucket[j]].second) + " cross";
        }
      }
    }
  }
  return "";
}

}  // namespace

std::string CheckMeshInvariants(const PointList& points, const TriangleList& mesh,
                                bool checkWinding) {
  std::string failure = CheckCornersAndWinding(points, mesh, checkWinding);
  if (!failure.empty()) return failure;
  std::vector<Edge> undirected;
  failure = CheckBuiltAcrossEarlierEdges(mesh, undirected);
  if (!failure.empty()) return failure;
  return CheckNoCrossings(points, undirected);
}

bool HasRepeatedCoordinates(const PointList& points) {
  std::set<std::pair<float, float>> seen;
  for (const Points& p : points) {
    if (!seen.insert({p.X, p.Y}).second) return true;
  }
  return false;
}

int OpenEdgesInsideTheHull(const PointList& points, const TriangleList& mesh) {
  int inside = 0;
  for (const MeshTriangle& t : mesh) {
    const PointIndex corner[3] = {t.V1, t.V2, t.V3};
    const std::int32_t state[3] = {t.E1, t.E2, t.E3};
    for (int e = 0; e < 3; ++e) {
      if (state[e] != -1) continue;
      const Points& a = points[corner[e]];
      const Points& b = points[corner[(e + 1) % 3]];
      bool left = false;
      bool right = false;
      for (const Points& k : points) {
        const int side = Orientation(a, b, k);
        left = left || side > 0;
        right = right || side < 0;
      }
      if (left && right) ++inside;
    }
  }
  return inside;
}

}  // namespace tarn::testing
