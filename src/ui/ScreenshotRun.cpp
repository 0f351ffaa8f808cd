#include "ui/ScreenshotRun.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSet>
#include <QTabWidget>
#include <QThread>
#include <iostream>

#include "app/MeshCommands.h"
#include "base/FontChoice.h"
#include "ui/GraphFontDialog.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/OptionsDialog.h"
#include "ui/ProgressDialog.h"
#include "ui/ScreenshotPort.h"
#include "ui/SeriesEditorWindow.h"
#include "ui/VersionDialog.h"

namespace tarn {

namespace {

void Settle() {
  for (int i = 0; i < 20; ++i) {
    QApplication::processEvents();
    QThread::msleep(10);
  }
}

bool Trigger(MainWindow& window, const char* actionName) {
  auto* action = window.findChild<QAction*>(actionName);
  if (!action) return false;
  action->trigger();
  Settle();
  return true;
}

// A blank grab is one colour, or near it; a window with text and a picture has many.
bool ShowsSomething(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 2) {
    for (int x = 0; x < image.width(); x += 2) colours.insert(image.pixel(x, y));
  }
  return colours.size() >= 8;
}

bool SaveImage(const QImage& image, const QString& path) {
  const bool ok = ShowsSomething(image) && image.save(path);
  std::cerr << "screenshot " << path.toStdString() << (ok ? " written" : " FAILED") << '\n';
  return ok;
}

bool Save(QWidget& widget, const QString& path) {
  Settle();
  return SaveImage(widget.grab().toImage(), path);
}

void SendMouse(QWidget* target, QEvent::Type type, QPoint at) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button,
                    type == QEvent::MouseButtonRelease || type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &event);
  Settle();
}

// The scatter example in the wide picture: the legend's outline following the mouse, then
// the legend placed by a click.
bool ScatterScreenshots(MainWindow& window, const QDir& out) {
  auto* picture = window.findChild<QLabel*>("GraphImage");
  auto* wide = window.Options()->findChild<QAbstractButton*>("Size550275");
  bool ok = picture && wide && Trigger(window, "N8");
  if (wide) wide->click();
  ok = ok && Trigger(window, "PreRedrawMenu");
  if (!ok) {
    std::cerr << "screenshot: the scatter picture was not drawn\n";
    return false;
  }
  SendMouse(picture, QEvent::MouseMove, QPoint(300, 60));
  ok = Save(window, out.filePath("scatter-legend-waiting.png"));
  SendMouse(picture, QEvent::MouseButtonPress, QPoint(300, 60));
  SendMouse(picture, QEvent::MouseButtonRelease, QPoint(300, 60));
  ok = Save(window, out.filePath("scatter-window.png")) && ok;

  // The series editor, opened by the options dialog's "散布図の詳細設定", the second series chosen.
  auto* details = window.Options()->findChild<QAbstractButton*>("Button2");
  auto* series = window.SeriesEditor() ? window.SeriesEditor()->findChild<QListWidget*>("SListBox") : nullptr;
  if (!details || !series) return false;
  details->click();
  window.Options()->hide();
  series->setCurrentRow(1);
  return Save(*window.SeriesEditor(), out.filePath("series-editor.png")) && ok;
}

// The status bar reading the contour picture under the mouse, at the middle of the picture.
bool ReadoutScreenshot(MainWindow& window, const QDir& out) {
  auto* picture = window.findChild<QLabel*>("GraphImage");
  auto* readout = window.findChild<QLabel*>("ReadoutLabel");
  if (!picture || !readout) return false;
  SendMouse(picture, QEvent::MouseMove, QPoint(picture->width() / 2, picture->height() / 2));
  if (readout->text().isEmpty()) std::cerr << "screenshot: the status bar reads nothing: the redraw kept no plot\n";
  const bool ok = Save(window, out.filePath("status-readout.png"));
  SendMouse(picture, QEvent::Leave, QPoint());
  return ok;
}

// The file menu open at its recent files: the window with the two menus painted where they
// popped up, as the window system would show them together.
bool RecentFilesScreenshot(MainWindow& window, const QDir& out) {
  QMenu* recent = window.findChild<QMenu*>("RecentFiles");
  QAction* fileTitle = window.menuBar()->actions().value(0);
  QMenu* file = fileTitle ? fileTitle->menu() : nullptr;
  if (!recent || !file) return false;
  file->popup(window.menuBar()->mapToGlobal(window.menuBar()->actionGeometry(fileTitle).bottomLeft()));
  Settle();
  file->setActiveAction(recent->menuAction());
  recent->popup(file->mapToGlobal(file->actionGeometry(recent->menuAction()).topRight()));
  Settle();
  const QPoint origin = window.frameGeometry().topLeft();
  QRect area(QPoint(0, 0), window.frameGeometry().size());
  for (QMenu* menu : {file, recent}) area |= menu->frameGeometry().translated(-origin);
  QImage shot(area.size(), QImage::Format_RGB32);
  shot.fill(Qt::white);
  {
    QPainter painter(&shot);
    painter.drawPixmap(window.geometry().topLeft() - origin, window.grab());
    for (QMenu* menu : {file, recent}) painter.drawPixmap(menu->pos() - origin, menu->grab());
  }
  recent->hide();
  file->hide();
  return SaveImage(shot, out.filePath("recent-files.png"));
}

}  // namespace

void ScreenshotPort::ShowMessage(MessageKind, const std::string& text) {
  std::cerr << "message: " << text << '\n';
}

bool ScreenshotPort::Ask(const std::string& text) {
  std::cerr << "question (Yes): " << text << '\n';
  return true;
}

std::optional<ScreenshotRequest> ParseScreenshotRequest(const QStringList& arguments) {
  const qsizetype at = arguments.indexOf("--screenshot");
  if (at < 0 || at + 3 >= arguments.size()) return std::nullopt;
  return ScreenshotRequest{arguments[at + 1], arguments[at + 2], arguments[at + 3]};
}

int TakeScreenshots(MainWindow& window, const ScreenshotRequest& request) {
  QDir().mkpath(request.OutDir);
  const QDir out(request.OutDir);
  bool ok = Trigger(window, "LoadData") && Trigger(window, "MakeMesh") && Trigger(window, "PreRedrawMenu");
  if (auto* picture = window.findChild<QLabel*>("GraphImage"); !picture || picture->pixmap().isNull()) {
    std::cerr << "screenshot: no picture was drawn\n";
    ok = false;
  }
  ok = Save(window, out.filePath("main-window.png")) && ok;
  ok = ReadoutScreenshot(window, out) && ok;

  Trigger(window, "O3");
  auto* pages = window.Options()->findChild<QTabWidget*>("PageControl1");
  for (int page = 0; pages && page < pages->count(); ++page) {
    pages->setCurrentIndex(page);
    ok = Save(*window.Options(), out.filePath(QString("options-%1.png").arg(page + 1))) && ok;
  }
  if (pages) pages->setCurrentIndex(0);

  Trigger(window, "About1");
  ok = Save(*window.About(), out.filePath("about.png")) && ok;

  if (auto* progress = window.findChild<ProgressDialog*>("PForm")) {
    progress->Start(QString::fromUtf8(kMeshProgressLabel), 0, 100);
    progress->SetPosition(40);
    ok = Save(*progress, out.filePath("progress.png")) && ok;
    progress->hide();
  }

  Trigger(window, "Help2");
  ok = Save(*window.Help(), out.filePath("help.png")) && ok;
  window.Help()->hide();

  GraphFontDialog fonts(FontChoice(), &window);
  fonts.show();
  ok = Save(fonts, out.filePath("font-dialog.png")) && ok;
  fonts.hide();
  ok = ScatterScreenshots(window, out) && ok;
  return RecentFilesScreenshot(window, out) && ok ? 0 : 1;
}

}  // namespace tarn
