// The main window as a view of the document: it re-reads what a change names.
#include <QAction>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

#include "app/CommandBoundary.h"
#include "platform/EmfPlayer.h"
#include "ui/OptionsDialog.h"
#include "ui/MainWindow.h"

namespace tarn {

namespace {

constexpr int kPanelLeft = 4;
constexpr int kPanelTop = 4;  // below the tool bar, which is 28 pixels high
// What the scrolled area keeps right of and below a picture too large for the window.
constexpr int kPanelRight = 4;
constexpr int kPanelBottom = 4;
// What the outer window size adds to the client area: borders and the caption.
constexpr int kFrameWidth = 4;
constexpr int kFrameHeight = 41;

void SetChecked(QAction* action, bool checked) {
  const QSignalBlocker block(action);
  action->setChecked(checked);
}

}  // namespace

// The recorded metafile played onto a white bitmap of the picture's size.
QImage MainWindow::PlayPicture(const Document& doc) {
  Bitmap24 raster(doc.PictureWidth, doc.PictureHeight);
  PlayEmf(doc.Picture, raster);
  QImage image(raster.Width(), raster.Height(), QImage::Format_RGB888);
  for (int y = 0; y < raster.Height(); ++y) {
    std::copy_n(raster.Row(y), 3 * raster.Width(), image.scanLine(y));
  }
  return image;
}

// The player draws at the picture's own pixels only, so a finer screen gets the played picture
// scaled up smoothly rather than blown up pixel by pixel.
QPixmap MainWindow::PictureForScreen(const QImage& played, qreal ratio) {
  if (ratio <= 1) return QPixmap::fromImage(played);
  QPixmap pixmap = QPixmap::fromImage(
      played.scaled(played.size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

void MainWindow::OnDocumentChanged(DocumentChange change) {
  switch (change) {
    case DocumentChange::Caption: ShowCaption(); break;
    case DocumentChange::Mode: ShowMode(); break;
    case DocumentChange::Picture: ShowPicture(); break;
    case DocumentChange::Busy: ShowBusy(); break;
    case DocumentChange::Points:
    case DocumentChange::Mesh: readout_.DataChanged(); break;
    case DocumentChange::Font:
    case DocumentChange::Scatter: break;
    case DocumentChange::Reload: ShowReload(); break;
  }
}

void MainWindow::ShowCaption() { setWindowTitle(QString::fromStdString(doc_.Caption())); }

void MainWindow::ShowMode() {
  SetChecked(sanp_, doc_.Mode.SanpButton);
  SetChecked(mesh_, doc_.Mode.MeshButton);
  SetChecked(contour_, doc_.Mode.ContourButton);
  SetChecked(showMeshItem_, doc_.Mode.ShowMeshItem);
  SetChecked(showContourItem_, doc_.Mode.ShowContourItem);
}

// The panel and window follow the picture area's size; the picture is shown at 1:1.
void MainWindow::ShowPicture() {
  panel_->setGeometry(kPanelLeft, kPanelTop, doc_.ImageWidth, doc_.ImageHeight);
  graphImage_->setGeometry(0, 0, doc_.ImageWidth, doc_.ImageHeight);
  client_->setMinimumSize(kPanelLeft + doc_.ImageWidth + kPanelRight, kPanelTop + doc_.ImageHeight + kPanelBottom);
  SizeWindow();
  if (doc_.PictureRevision == shownRevision_) return;
  shownRevision_ = doc_.PictureRevision;
  // The redraw reports its picture while the mode it drew in is still the current one.
  pictureHasValues_ = !doc_.Mode.SanpButton;
  readoutLabel_->clear();
  if (doc_.Picture.empty()) {
    shownImage_ = QImage();
    graphImage_->clear();
    return;
  }
  RunCommand(ui_, [this] {
    shownImage_ = PlayPicture(doc_);
    ShowImage(shownImage_);
  });
}

// The window's size rules, held to the screen's free area; the rest of a larger picture scrolls.
// The menu bar and the status bar lie inside a Qt window's client area, outside the platform's.
// The six 66-pixel buttons need a little more than the narrowest window; keep them all in view.
void MainWindow::SizeWindow() {
  const int width = std::max(doc_.WindowWidth - kFrameWidth, toolBar_->sizeHint().width());
  const int height =
      menuBar()->sizeHint().height() + statusBar()->sizeHint().height() + doc_.WindowHeight - kFrameHeight;
  QSize size(width, height);
  if (const QScreen* shownOn = screen()) {
    const QSize frame = frameGeometry().size() - geometry().size();
    size = size.boundedTo(shownOn->availableGeometry().size() - frame);
  }
  resize(size);
}

void MainWindow::ShowImage(const QImage& image) { graphImage_->setPixmap(PictureForScreen(image, devicePixelRatioF())); }

// x, y and, on a contour or mesh picture, the value under the mouse; nothing where there is none.
void MainWindow::ShowReadout(QPoint at) {
  const std::optional<Readout> readout = readout_.At(doc_, at.x(), at.y(), pictureHasValues_);
  readoutLabel_->setText(readout ? QString::fromStdString(ReadoutText(*readout, *doc_.PlotOfPicture)) : QString());
}

// While the legend waits for its click: the picture again, with the legend's outline at the
// mouse drawn by inverting what lies under a 2-pixel pen.
void MainWindow::ShowLegendOutline(QPoint at) {
  if (shownImage_.isNull()) return;
  QImage image = shownImage_.convertToFormat(QImage::Format_RGB32);
  {
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::NoBrush);
    const LegendState& legend = doc_.Scatter.Legend;
    painter.drawRect(QRect(at, QSize(legend.Width, legend.Height)));
  }
  ShowImage(image);
}

void MainWindow::ShowReload() { options_->ShowReloadState(doc_.Reload.Position, doc_.Reload.IntervalRed); }

void MainWindow::ShowBusy() {
  for (QAction* action : dataCommands_) action->setEnabled(!doc_.Busy());
  recentMenu_->setEnabled(!doc_.Busy() && !recentMenu_->isEmpty());
}

}  // namespace tarn
