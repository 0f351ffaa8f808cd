// Files that reach the main window by other roads than its dialogs: dropped on the window, or
// picked from the recent files. Each runs the very command its menu item runs, with the file
// given to the command's open dialog, so it reads, checks and reports exactly as that item does.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "app/CommandBoundary.h"
#include "app/ContourDataCommands.h"
#include "app/DialogFilters.h"
#include "app/ScatterCommands.h"
#include "app/SettingsCommands.h"
#include "ui/GivenFilePort.h"
#include "ui/MainWindow.h"

namespace tarn {

namespace {

// The recent list shows the end of a long path, where the names that tell files apart are.
constexpr int kShownPathLength = 60;

QString ShownPath(const QString& path) {
  QString shown = path.size() > kShownPathLength ? "…" + path.right(kShownPathLength - 1) : path;
  return shown.replace('&', "&&");
}

}  // namespace

void MainWindow::RunWithFile(void (*command)(Document&, UserInterface&), std::optional<std::string> given) {
  GivenFilePort port(ui_, std::move(given));
  const bool done = RunCommand(port, [&] { command(doc_, port); });
  if (done && port.Chosen()) NoteOpened(*port.Chosen());
}

// A data file joins the recent list once its command took it as the document's file; a file
// whose reading failed does not.
void MainWindow::NoteOpened(const ChosenFile& chosen) {
  const bool scatter = chosen.Title == kScatterDataTitle && doc_.ScatterFileName == chosen.Path;
  const bool contour = (chosen.Title == kStandardDataTitle || chosen.Title == kTableDataTitle) &&
                       doc_.ContourFileName == chosen.Path;
  if (!scatter && !contour) return;
  const QString path = QFileInfo(QString::fromStdString(chosen.Path)).absoluteFilePath();
  recent_.Add({scatter ? DataKind::Scatter : DataKind::Contour, path});
  ShowRecentFiles();
}

void MainWindow::ShowRecentFiles() {
  recentMenu_->clear();
  const QList<RecentFile> files = recent_.Files();
  for (int i = 0; i < files.size(); ++i) {
    const RecentFile& file = files[i];
    const QString kind = file.Kind == DataKind::Scatter ? "散布図" : "等高線";
    auto* action = recentMenu_->addAction(QString("&%1 [%2] %3").arg(i + 1).arg(kind, ShownPath(file.Path)));
    action->setObjectName(QString("RecentFile%1").arg(i + 1));
    action->setStatusTip(file.Path);
    connect(action, &QAction::triggered, this, [this, file] { OpenRecent(file); });
  }
  recentMenu_->setEnabled(!doc_.Busy() && !files.isEmpty());
}

// The kind it was opened as: the contour data command, or the scatter data menu item.
void MainWindow::OpenRecent(const RecentFile& file) {
  RunWithFile(file.Kind == DataKind::Scatter ? ScatterDataMenuExecute : LoadDataExecute, file.Path.toStdString());
}

// A settings file is read as settings; any other file as "開く" would open it in the current mode.
void MainWindow::OpenDropped(const QString& path) {
  const bool settings = QFileInfo(path).suffix().compare("tpf", Qt::CaseInsensitive) == 0;
  RunWithFile(settings ? ReadSettingsExecute : tarn::PreLoadExecute, path.toStdString());
}

QString MainWindow::DroppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return {};
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

// The program that dragged the file waits until the drop returns: the file is opened (with its
// questions and messages) once control is back in the event loop.
void MainWindow::dropEvent(QDropEvent* event) {
  const QString path = DroppedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  QMetaObject::invokeMethod(this, [this, path] { OpenDropped(path); }, Qt::QueuedConnection);
}

}  // namespace tarn
