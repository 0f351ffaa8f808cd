#include "ui/RecentFiles.h"

#include <QSettings>

#include "app/DialogFilters.h"
#include "app/SaveImage.h"

namespace tarn {

namespace {

// The window's memory, apart from the settings files the person saves and reads.
QSettings Store() { return QSettings(QSettings::IniFormat, QSettings::UserScope, "Tarnplot", "TarnplotWindow"); }

constexpr const char* kFilesArray = "RecentFiles";
constexpr const char* kScatterName = "scatter";
constexpr const char* kContourName = "contour";

}  // namespace

QList<RecentFile> RecentFiles::Files() const {
  QSettings store = Store();
  QList<RecentFile> files;
  const int count = store.beginReadArray(kFilesArray);
  for (int i = 0; i < count && files.size() < kMaxFiles; ++i) {
    store.setArrayIndex(i);
    const QString path = store.value("path").toString();
    if (path.isEmpty()) continue;
    const DataKind kind = store.value("kind").toString() == kScatterName ? DataKind::Scatter : DataKind::Contour;
    files.append({kind, path});
  }
  store.endArray();
  return files;
}

void RecentFiles::Add(const RecentFile& file) {
  QList<RecentFile> files = Files();
  files.removeIf([&](const RecentFile& old) { return old.Path == file.Path; });
  files.prepend(file);
  while (files.size() > kMaxFiles) files.removeLast();
  QSettings store = Store();
  store.remove(kFilesArray);
  store.beginWriteArray(kFilesArray, static_cast<int>(files.size()));
  for (int i = 0; i < files.size(); ++i) {
    store.setArrayIndex(i);
    store.setValue("kind", files[i].Kind == DataKind::Scatter ? kScatterName : kContourName);
    store.setValue("path", files[i].Path);
  }
  store.endArray();
}

QString RecentFiles::Folder(const QString& dialogKind) const {
  return Store().value("Folders/" + dialogKind).toString();
}

void RecentFiles::SetFolder(const QString& dialogKind, const QString& folder) {
  Store().setValue("Folders/" + dialogKind, folder);
}

QString DialogKind(const FileDialogRequest& request) {
  const std::string& title = request.Title;
  if (title == kStandardDataTitle || title == kTableDataTitle) return kContourName;
  if (title == kScatterDataTitle) return kScatterName;
  if (title == kMeshOpenTitle || title == kMeshSaveTitle) return "mesh";
  if (request.Filter == kSettingsFilter) return "settings";
  if (request.Filter == kPictureFilter) return "picture";
  return "other";
}

}  // namespace tarn
