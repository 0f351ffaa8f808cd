// The main window's own commands: the open button's choice by mode, the secondary windows,
// help, the close question, copying the picture, and the picture's mouse events.
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>

#include "app/CommandBoundary.h"
#include "app/ContourDataCommands.h"
#include "app/MeshCommands.h"
#include "app/Redraw.h"
#include "app/SaveImage.h"
#include "app/ScatterCommands.h"
#include "app/SettingsCommands.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/OptionsDialog.h"
#include "ui/QtUserInterface.h"
#include "ui/SeriesEditorWindow.h"
#include "ui/VersionDialog.h"

namespace tarn {

void MainWindow::PreLoadExecute() { RunWithFile(tarn::PreLoadExecute, std::nullopt); }

// The file menu's "散布図データ": the load, then scatter mode ("開く" in scatter mode only loads).
void MainWindow::LoadSanpudataExecute() { RunWithFile(ScatterDataMenuExecute, std::nullopt); }
void MainWindow::LoadMeshExecute() { RunCommand(ui_, [this] { tarn::LoadMeshExecute(doc_, ui_); }); }
void MainWindow::SaveMeshExecute() { RunCommand(ui_, [this] { tarn::SaveMeshExecute(doc_, ui_); }); }
// The series editor, shown or raised; in scatter mode the contour-side buttons are released.
void MainWindow::ShowSanpuExecute() {
  ShowSecondary(sanpu_);
  AfterSeriesEditorShown(doc_.Mode);
  doc_.Notify(DocumentChange::Mode);
}

void MainWindow::SizingImage() {
  RunCommand(ui_, [this] { SizingImageExecute(doc_, ui_); });
}

// Shown without blocking the main window, or brought to the front when already shown.
void MainWindow::ShowSecondary(QWidget* window) {
  if (window->isVisible()) {
    window->raise();
    window->activateWindow();
  } else {
    window->show();
  }
}

// Our own window rather than the desktop's browser, which a machine may not have.
void MainWindow::Help2Click() { helpWindow_->ShowPage(HelpFilePath()); }

// With changed settings, the question whether to save them first; Yes runs the save command
// (whose dialog can still be cancelled: the window closes all the same). Dismissing the desktop's
// box keeps the window open; other ports answer Yes or No only.
CloseAnswer MainWindow::AskToSaveSettings() {
  if (!doc_.Options.SettingsChanged()) return CloseAnswer::No;
  auto* desktop = dynamic_cast<QtUserInterface*>(&ui_);
  const CloseAnswer answer = desktop ? desktop->AskBeforeClosing(kSaveSettingsQuestion)
                                     : ui_.Ask(kSaveSettingsQuestion) ? CloseAnswer::Yes : CloseAnswer::No;
  if (answer == CloseAnswer::Yes) RunCommand(ui_, [this] { SaveSettingsExecute(doc_, ui_); });
  return answer;
}

// Unless the question was dismissed, the program ends; a long operation still pumping messages
// is asked to stop.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (AskToSaveSettings() == CloseAnswer::Dismissed) {
    event->ignore();
    return;
  }
  if (doc_.Busy()) doc_.CancelRequested = true;
  options_->hide();
  about_->hide();
  sanpu_->hide();
  helpWindow_->hide();
  event->accept();
}

// The picture as office programs paste it: the recorded metafile, and the bitmap the window
// shows at the picture's own size.
void MainWindow::CopyPictureExecute() {
  if (!doc_.GraphDrawn || doc_.Picture.empty()) {
    ui_.ShowMessage(MessageKind::Warning, kNotDrawnMessage);
    return;
  }
  auto picture = std::make_unique<QMimeData>();
  picture->setImageData(shownRevision_ == doc_.PictureRevision && !shownImage_.isNull() ? shownImage_ : PlayPicture(doc_));
  picture->setData("image/x-emf", QByteArray(doc_.Picture.data(), static_cast<qsizetype>(doc_.Picture.size())));
  QApplication::clipboard()->setMimeData(picture.release());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != static_cast<QObject*>(graphImage_)) return QMainWindow::eventFilter(watched, event);
  if (!doc_.LegendPending) {
    if (event->type() == QEvent::MouseMove) ShowReadout(static_cast<QMouseEvent*>(event)->position().toPoint());
    if (event->type() == QEvent::Leave) readoutLabel_->clear();
    return QMainWindow::eventFilter(watched, event);
  }
  if (event->type() == QEvent::MouseMove) {
    ShowLegendOutline(static_cast<QMouseEvent*>(event)->position().toPoint());
    return true;
  }
  if (event->type() == QEvent::MouseButtonPress) {
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    RunCommand(ui_, [this, at] { GraphImageMouseDown(doc_, ui_, metrics_, at.x(), at.y()); });
    activateWindow();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace tarn
