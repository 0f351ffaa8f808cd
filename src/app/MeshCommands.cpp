#include "app/MeshCommands.h"

#include <optional>

#include "app/BusyScope.h"
#include "app/CommandBoundary.h"
#include "app/DialogFilters.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "data/MeshFile.h"
#include "mesh/Triangulation.h"

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

// The lines of the chosen mesh file, or nothing (after the message) when it cannot be read.
std::optional<std::vector<std::string>> ReadMeshFile(const std::string& path, UserInterface& ui) {
  try {
    return ReadTextLines(path);
  } catch (const FileError&) {
    ui.ShowMessage(MessageKind::Warning, kBadMeshFileMessage);
    return std::nullopt;
  }
}

void ReplaceMesh(Document& doc, TriangleList triangles) {
  doc.Mesh = std::move(triangles);
  doc.Notify(DocumentChange::Mesh);
}

}  // namespace

void SaveMeshExecute(Document& doc, UserInterface& ui) {
  const std::vector<std::string> lines = MeshFileLines(doc.Mesh);
  const auto path = ui.ChooseFileToSave({kMeshSaveTitle, kMeshFilter, ""});
  if (path) WriteTextLines(*path, lines);
}

void LoadMeshExecute(Document& doc, UserInterface& ui) {
  if (RefuseWhileBusy(doc, ui)) return;
  ReplaceMesh(doc, {});
  const auto path = ui.ChooseFileToOpen({kMeshOpenTitle, kContourDataFilter, ""});
  if (!path) return;
  const auto lines = ReadMeshFile(*path, ui);
  if (!lines) return;
  MeshFileContent content = ParseMeshLines(*lines);
  const bool fits = MeshFitsPoints(content.Triangles, doc.DataPoints);
  ReplaceMesh(doc, fits ? std::move(content.Triangles) : TriangleList{});
  if (content.Error || !fits) {
    ui.ShowMessage(MessageKind::Warning, kBadMeshFileMessage);
    return;
  }
  doc.MeshOutdated = false;
}

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
