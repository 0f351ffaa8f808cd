#include "mesh/CrossingIndex.h"

namespace tarn {

void CrossingIndex::AddTriangle(PointIndex v1, PointIndex v2, PointIndex v3) {
  const PointIndex corners[3] = {v1, v2, v3};
  for (int j = 0; j < 3; ++j) {
    const PointIndex start = corners[j];
    const PointIndex end = corners[(j + 1) % 3];
    if (edges_.HolderCount(start, end) == 0) FileEdge(start, end);
  }
}

}  // namespace tarn
