#include "mesh/Triangulation.h"

#include <utility>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "mesh/MeshGrower.h"
#include "mesh/MeshSeed.h"
#include "mesh/SpatialOrder.h"

namespace tarn {

namespace {

// The indexes of a build take several times the memory of the mesh, in blocks small enough
// that the allocator keeps them for its heap; the picture drawn next should find that
// memory given back rather than held beside its own.
void ReleaseFreedMemory() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

// Most meshes have a little under two triangles per point; reserving that up front spares
// the growing list its copies.
void ReserveTriangles(TriangleList& mesh, std::size_t pointCount) {
  if (mesh.capacity() < 2 * pointCount) mesh.reserve(2 * pointCount);
}

// The seed in the numbers of `order`.
MeshTriangle PlacedSeed(const SpatialOrder& order, const MeshTriangle& seed) {
  MeshTriangle placed = seed;
  for (std::size_t i = 0; i < order.Original.size(); ++i) {
    const PointIndex original = order.Original[i];
    const auto number = static_cast<PointIndex>(i);
    if (original == seed.V1) placed.V1 = number;
    if (original == seed.V2) placed.V2 = number;
    if (original == seed.V3) placed.V3 = number;
  }
  return placed;
}

MeshBuildResult GrowMesh(const PointList& points, TriangleList& mesh, MeshBuildObserver& observer) {
  SpatialOrder order = OrderBySpace(points);
  const MeshTriangle seed = PlacedSeed(order, mesh.front());
  MeshGrower grower(std::move(order), seed, mesh);
  observer.Started(static_cast<int>(points.size()));
  for (;;) {
    const int added = grower.GrowPass(observer);
    observer.Pump();
    if (observer.CancelRequested()) return MeshBuildResult::Cancelled;
    observer.PassFinished(grower.CornerCount());
    if (added == 0) return MeshBuildResult::Finished;
  }
}

}  // namespace

MeshBuildResult BuildMesh(const PointList& points, TriangleList& mesh,
                          MeshBuildObserver& observer) {
  const std::optional<MeshTriangle> seed = FindSeed(points);
  if (!seed) {
    mesh.clear();
    return MeshBuildResult::CannotBuild;
  }
  mesh.assign(1, *seed);
  ReserveTriangles(mesh, points.size());
  const MeshBuildResult result = GrowMesh(points, mesh, observer);
  ReleaseFreedMemory();
  return result;
}

}  // namespace tarn
