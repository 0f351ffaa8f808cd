// How large a picture's recording will at least be, counted before anything is drawn: a
// picture whose metafile could never be held or saved (its sizes are 32-bit, and memory is
// finite) is refused at once with a message, instead of after minutes of drawing.
#pragma once

#include <cstdint>

#include "base/Errors.h"
#include "data/PointSet.h"

namespace tarn {

// The largest recording the program makes: well inside the metafile's 32-bit sizes and the
// memory of an ordinary desktop.
inline constexpr std::uint64_t kMaxPictureBytes = std::uint64_t{1} << 30;

inline constexpr const char* kPictureTooLargeMessage =
    "描画する図形が多すぎるため、画像を作成できません\r\n等高線の間隔を広げるか、データを減らしてください";

class PictureTooLarge : public TarnError {
 public:
  PictureTooLarge() : TarnError(kPictureTooLargeMessage) {}
};

// What a contour picture will draw.
struct ContourPictureWork {
  bool Bands = false;        // band polygons of the vector fill
  bool Pixels = false;       // the per-pixel fill
  bool MeshEdges = false;    // the mesh mode's edges
  std::uint64_t PlotPixels = 0;
};

// The fewest bytes the recording of that work takes for this mesh and step.
std::uint64_t LeastContourPictureBytes(const PointList& points, const TriangleList& mesh, double step,
                                       const ContourPictureWork& work);

// The fewest bytes of a scatter picture of that many points, drawn with markers and lines.
std::uint64_t LeastScatterPictureBytes(std::uint64_t points);

// Throws PictureTooLarge when `bytes` exceeds the limit.
void RequireWithinPictureBudget(std::uint64_t bytes);

}  // namespace tarn
