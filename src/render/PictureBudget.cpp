#include "render/PictureBudget.h"

#include <algorithm>
#include <cmath>

namespace tarn {

namespace {

// The smallest record of each kind the recorder writes (a polygon of four points in its
// 16-bit form, one line segment, one pixel).
constexpr std::uint64_t kLeastPolygonBytes = 36;
constexpr std::uint64_t kLeastLineBytes = 16;
constexpr std::uint64_t kPixelBytes = 20;
constexpr std::uint64_t kLeastMarkerBytes = 24;

// The bands a triangle spans at this step, as the vector fill counts them.
std::uint64_t BandsOf(const PointList& points, const MeshTriangle& t, double step) {
  const double a = points[t.V1].Value, b = points[t.V2].Value, c = points[t.V3].Value;
  const double low = std::floor(std::min({a, b, c}) / step);
  const double high = std::ceil(std::max({a, b, c}) / step);
  const double bands = high - low;
  if (!(bands > 0)) return 0;
  return bands > 1e12 ? std::uint64_t{1} << 40 : static_cast<std::uint64_t>(bands);
}

}  // namespace

std::uint64_t LeastContourPictureBytes(const PointList& points, const TriangleList& mesh, double step,
                                       const ContourPictureWork& work) {
  std::uint64_t bytes = 0;
  if (work.Pixels) bytes += work.PlotPixels * kPixelBytes;
  if (work.MeshEdges) bytes += mesh.size() * 4 * kLeastLineBytes;
  if (work.Bands && std::isfinite(step) && step > 0) {
    for (std::size_t i = 0; i < mesh.size(); ++i) {
      PrefetchCornersAhead(points, mesh, i);
      bytes += BandsOf(points, mesh[i], step) * kLeastPolygonBytes;
      if (bytes > kMaxPictureBytes) break;  // already too large; no need to count on
    }
  }
  return bytes;
}

std::uint64_t LeastScatterPictureBytes(std::uint64_t points) { return points * (kLeastMarkerBytes + kLeastLineBytes); }

void RequireWithinPictureBudget(std::uint64_t bytes) {
  if (bytes > kMaxPictureBytes) throw PictureTooLarge();
}

}  // namespace tarn
