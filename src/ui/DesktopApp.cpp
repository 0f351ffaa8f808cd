#include "ui/DesktopApp.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include "app/CommandBoundary.h"
#include "app/ContourDataCommands.h"
#include "app/Document.h"
#include "app/SettingsCommands.h"
#include "ui/QtUserInterface.h"

namespace tarn {

namespace {

// The first window: caption, the file menu's data and settings commands, and a summary of the
// loaded data. The full main window replaces it.
class PlaceholderWindow : public QMainWindow {
 public:
  PlaceholderWindow() : ui_(this) {
    ui_.SetCancelHandler([this] { doc_.CancelRequested = true; });
    summary_ = new QLabel(this);
    summary_->setAlignment(Qt::AlignCenter);
    setCentralWidget(summary_);
    BuildMenus();
    doc_.Subscribe([this](DocumentChange) { Refresh(); });
    resize(386, 321);
    Refresh();
  }

 private:
  void BuildMenus() {
    QMenu* file = menuBar()->addMenu("ファイル(&F)");
    QMenu* dataMenu = file->addMenu("データの取り込み(&O)");
    AddCommand(dataMenu, "等高線データ", LoadDataExecute);
    file->addSeparator();
    AddCommand(file, "設定ファイルの読み込み", ReadSettingsExecute);
    AddCommand(file, "設定ファイルの保存", SaveSettingsExecute);
    file->addSeparator();
    file->addAction("終了(&X)", this, &QWidget::close);
  }

  void AddCommand(QMenu* menu, const char* text, void (*command)(Document&, UserInterface&)) {
    menu->addAction(text, this, [this, command] { RunCommand(ui_, [&] { command(doc_, ui_); }); });
  }

  void Refresh() {
    setWindowTitle(QString::fromStdString(doc_.Caption()));
    summary_->setText(QString("%1 点のデータ").arg(doc_.DataPoints.size()));
  }

  Document doc_;
  QtUserInterface ui_;
  QLabel* summary_ = nullptr;
};

}  // namespace

int RunDesktopApp(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tarnplot");
  QFont font("IPAPGothic");
  font.setPixelSize(12);
  QApplication::setFont(font);
  PlaceholderWindow window;
  window.show();
  return QApplication::exec();
}

}  // namespace tarn
