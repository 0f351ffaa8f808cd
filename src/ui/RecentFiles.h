// What the window remembers between sessions beside the program's own settings file: the last
// data files opened (contour or scatter) and, per kind of file dialog, the folder last used.
// Both live in the user's Qt settings (an INI file), so tests can point them elsewhere with
// QSettings::setPath.
#pragma once

#include <QList>
#include <QString>

#include "base/UserInterface.h"

namespace tarn {

enum class DataKind { Contour, Scatter };

struct RecentFile {
  DataKind Kind = DataKind::Contour;
  QString Path;
  friend bool operator==(const RecentFile&, const RecentFile&) = default;
};

class RecentFiles {
 public:
  static constexpr int kMaxFiles = 8;

  // Newest first.
  QList<RecentFile> Files() const;
  // Puts the file first; an entry for the same path goes, the ninth drops off.
  void Add(const RecentFile& file);

  // The folder the dialog of this kind last took a file from; empty when none yet.
  QString Folder(const QString& dialogKind) const;
  void SetFolder(const QString& dialogKind, const QString& folder);
};

// The kind of file a dialog asks for ("contour", "scatter", "mesh", "settings", "picture",
// "other"): dialogs of one kind share their folder.
QString DialogKind(const FileDialogRequest& request);

}  // namespace tarn
