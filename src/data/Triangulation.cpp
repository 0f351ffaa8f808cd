#include "data/Triangulation.h"

#include "data/MeshGrower.h"
#include "data/MeshSeed.h"

namespace tarn {

namespace {

// Most meshes have a little under two triangles per point; reserving that up front spares
// the growing list its copies.
void ReserveTriangles(TriangleList& mesh, std::size_t pointCount) {
  if (mesh.capacity() < 2 * pointCount) mesh.reserve(2 * pointCount);
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

}  // namespace tarn
