#include "mesh/Triangulation.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "mesh/MeshGrower.h"
#include "mesh/MeshSeed.h"

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

MeshBuildResult GrowMesh(const PointList& points, TriangleList& mesh, MeshBuildObserver& observer) {
  MeshGrower grower(points, mesh);
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
