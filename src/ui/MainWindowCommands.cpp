// The main window's own commands: the open button's choice by mode, the secondary windows,
// help, and the picture's mouse events while the scatter legend waits for its place.
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QUrl>

#include "app/CommandBoundary.h"
#include "app/ContourDataCommands.h"
#include "app/MeshCommands.h"
#include "app/Redraw.h"
#include "app/ScatterCommands.h"
#include "app/SettingsCommands.h"
#include "ui/MainWindow.h"
#include "ui/OptionsDialog.h"
#include "ui/SeriesEditorWindow.h"
#include "ui/VersionDialog.h"

namespace tarn {

void MainWindow::PreLoadExecute() { tarn::PreLoadExecute(doc_, ui_); }

// The file menu's "散布図データ": the load, then scatter mode ("開く" in scatter mode only loads).
void MainWindow::LoadSanpudataExecute() { ScatterDataMenuExecute(doc_, ui_); }
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

// A missing help file is not reported: the desktop's handler has the last word.
void MainWindow::Help2Click() { openUrl_(QUrl::fromLocalFile(HelpFilePath())); }

// The program ends in every case; a long operation still pumping messages is asked to stop.
void MainWindow::closeEvent(QCloseEvent* event) {
  RunCommand(ui_, [this] { CloseMainWindowExecute(doc_, ui_); });
  options_->hide();
  about_->hide();
  sanpu_->hide();
  event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != static_cast<QObject*>(graphImage_) || !doc_.LegendPending) return QMainWindow::eventFilter(watched, event);
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
