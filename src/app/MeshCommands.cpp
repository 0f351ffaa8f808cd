#include "app/MeshCommands.h"

#include "app/BusyScope.h"
#include "app/CommandBoundary.h"
#include "data/Triangulation.h"

namespace tarn {

namespace {

// The progress dialog and the cancel flag as the triangulation sees them.
class MeshBuildProgress : public MeshBuildObserver {
 public:
  MeshBuildProgress(Document& doc, UserInterface& ui) : doc_(doc), ui_(ui) {}

  void Started(int pointCount) override {
    ui_.ShowProgress(kMeshProgressLabel, 0, pointCount);
    doc_.CancelRequested = false;
  }
  void Pump() override { ui_.ProcessMessages(); }
  bool CancelRequested() override { return doc_.CancelRequested; }
  void PassFinished(int cornerCount) override { ui_.SetProgressPosition(cornerCount); }

 private:
  Document& doc_;
  UserInterface& ui_;
};

}  // namespace

void MakeMeshExecute(Document& doc, UserInterface& ui) {
  if (RefuseWhileBusy(doc, ui)) return;
  if (doc.Mode.SanpButton) {
    ui.ShowMessage(MessageKind::Warning, kScatterModeMessage);
    return;
  }
  BusyScope busy(doc);
  MeshBuildProgress progress(doc, ui);
  MeshBuildResult result = MeshBuildResult::CannotBuild;
  try {
    result = BuildMesh(doc.DataPoints, doc.Mesh, progress);
  } catch (...) {
    ui.HideProgress();
    doc.Notify(DocumentChange::Mesh);
    throw;
  }
  doc.Notify(DocumentChange::Mesh);
  if (result == MeshBuildResult::CannotBuild) {
    ui.ShowMessage(MessageKind::Warning, kCannotMeshMessage);
    return;
  }
  doc.MeshOutdated = result == MeshBuildResult::Cancelled;
  ui.HideProgress();
}

}  // namespace tarn
