// How large a picture's recording will at least be, counted before anything is drawn: a
// picture whose metafile could never be held or saved (its sizes are 32-bit, and memory is
// finite) is refused at once with a message, instead of after minutes of drawing.
#pragma once

#include <cstdint>

#include "canvas/MetafileError.h"
#include "data/PointSet.h"

namespace tarn {

// What a contour picture will draw.
struct ContourPictureWork {
  bool Bands = false;        // band polygons of the vector fill
  bool Pixels = false;       // the per-pixel fill
  bool MeshEdges = false;    // the mesh mode's edges
  std::uint64_t PlotPixels = 0;
};

// The fewest bytes the recording of that work takes for this mesh and step, counting one
// polygon for every band of every triangle. The recorder leaves out polygons that shrink to one
// pixel, so for a mesh much finer than the picture the recording is smaller than this count; a
// picture refused by it would have needed that much when every polygon was kept.
std::uint64_t LeastContourPictureBytes(const PointList& points, const TriangleList& mesh, double step,
                                       const ContourPictureWork& work);

// The fewest bytes of a scatter picture of that many points, drawn with markers and lines.
std::uint64_t LeastScatterPictureBytes(std::uint64_t points);

// Throws PictureTooLarge when `bytes` exceeds kMaxPictureBytes.
void RequireWithinPictureBudget(std::uint64_t bytes);

}  // namespace tarn
