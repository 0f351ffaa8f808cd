#include "ui/MainWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "app/AutoReload.h"
#include "app/CommandBoundary.h"
#include "app/ContourDataCommands.h"
#include "app/GraphFontCommand.h"
#include "app/MeshCommands.h"
#include "app/Redraw.h"
#include "app/SaveImage.h"
#include "app/SettingsCommands.h"
#include "platform/EmfPlayer.h"
#include "ui/HelpWindow.h"
#include "ui/Icons.h"
#include "ui/OptionsDialog.h"
#include "ui/SeriesEditorWindow.h"
#include "ui/VersionDialog.h"

namespace tarn {

namespace {

constexpr int kToolBarHeight = 28;
constexpr int kToolButtonWidth = 66;

}  // namespace

MainWindow::MainWindow(Document& doc, UserInterface& ui, QWidget* parent)
    : QMainWindow(parent),
      doc_(doc),
      ui_(ui),
      platform_{metrics_, [this](std::string_view picture) {
                  Bitmap24 raster(doc_.PictureWidth, doc_.PictureHeight);
                  PlayEmf(picture, raster);
                  return raster;
                }},
      openUrl_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
  setObjectName("MainForm");
  ui_.SetCancelHandler([this] { doc_.CancelRequested = true; });
  CreateActions();
  CreateMenus();
  CreateToolBar();
  CreatePicture();
  CreateStatusBar();
  AddShortcuts();
  setAcceptDrops(true);

  options_ = new OptionsDialog(doc_.Options, ui_, this);
  connect(options_, &OptionsDialog::SizingImageRequested, this, &MainWindow::SizingImage);
  connect(options_, &OptionsDialog::ShowSanpuRequested, this, &MainWindow::ShowSanpuExecute);
  about_ = new VersionDialog(this);
  sanpu_ = new SeriesEditorWindow(doc_, ui_, this);
  helpWindow_ = new HelpWindow([this](const QUrl& url) { openUrl_(url); }, this);
  reload_ = std::make_unique<AutoReload>(doc_, ui_, platform_);
  connect(options_, &OptionsDialog::ReloadIntervalTyped, this,
          [this](const QString& text) { reload_->IntervalTyped(text.toStdString()); });
  connect(options_, &OptionsDialog::ReloadIntervalEntered, this,
          [this] { RunCommand(ui_, [this] { reload_->IntervalEntered(); }); });

  listener_ = doc_.Subscribe([this](DocumentChange change) { OnDocumentChanged(change); });
  ShowRecentFiles();
  ShowCaption();
  ShowMode();
  ShowPicture();
  ShowBusy();
}

MainWindow::~MainWindow() {
  reload_.reset();
  doc_.Unsubscribe(listener_);
}

QString MainWindow::HelpFilePath() { return QCoreApplication::applicationDirPath() + "/HELP/Index.htm"; }

QAction* MainWindow::AddCommand(const char* name, const QString& text, std::function<void()> command,
                                bool changesData) {
  auto* action = new QAction(text, this);
  action->setObjectName(name);
  connect(action, &QAction::triggered, this, [this, command = std::move(command)] { RunCommand(ui_, command); });
  if (changesData) dataCommands_.push_back(action);
  return action;
}

void MainWindow::CreateActions() {
  Document& d = doc_;
  UserInterface& u = ui_;
  preLoad_ = AddCommand("PreLoad", "開く", [this] { PreLoadExecute(); }, true);
  loadData_ = AddCommand("LoadData", "等高線データ", [this] { RunWithFile(LoadDataExecute, std::nullopt); }, true);
  loadScatter_ = AddCommand("N8", "散布図データ", [this] { LoadSanpudataExecute(); }, true);
  loadMesh_ = AddCommand("LoadMesh", "メッシュデータの取り込み(&M)", [this] { LoadMeshExecute(); }, true);
  saveMesh_ = AddCommand("SaveMesh", "メッシュデータの保存(N)", [this] { SaveMeshExecute(); });
  readSettings_ = AddCommand("N9", "設定ファイルの読み込み", [&d, &u] { ReadSettingsExecute(d, u); }, true);
  saveSettings_ = AddCommand("N10", "設定ファイルの保存", [&d, &u] { SaveSettingsExecute(d, u); });
  saveImage_ = AddCommand("SaveImage", "保存", [this] { SaveImageExecute(doc_, ui_, platform_); });
  saveImageMenu_ = AddCommand("SaveImageMenu", "画像の保存(&S)", [this] { SaveImageExecute(doc_, ui_, platform_); });
  copyImage_ = AddCommand("CopyImage", "画像をコピー(&C)", [this] { CopyPictureExecute(); });
  exit_ = AddCommand("Exit1", "終了(&X)", [this] { close(); });
  makeMesh_ = AddCommand("MakeMesh", "メッシュの作成(&M)", [&d, &u] { MakeMeshExecute(d, u); }, true);
  // The scatter picture ends by giving the main window the input focus.
  const auto redraw = [this] {
    PreRedrawExecute(doc_, ui_, metrics_);
    if (doc_.Mode.SanpButton) activateWindow();
  };
  redraw_ = AddCommand("PreRedraw", "再描画", redraw, true);
  redrawMenu_ = AddCommand("PreRedrawMenu", "再描画(&R)", redraw, true);
  showOptions_ = AddCommand("O3", "オプション(&O)", [this] { ShowSecondary(options_); });
  setGraphFont_ = AddCommand("SetGraphFont", "フォント(&F)", [&d, &u] { SetGraphFontExecute(d, u); });
  help_ = AddCommand("Help2", "ヘルプ(&H)", [this] { Help2Click(); });
  showAbout_ = AddCommand("About1", "バージョン情報(&V)", [this] { ShowSecondary(about_); });
  preLoad_->setIcon(MakeToolIcon(ToolIcon::Open));
  redraw_->setIcon(MakeToolIcon(ToolIcon::Redraw));
  saveImage_->setIcon(MakeToolIcon(ToolIcon::Save));
  CreateModeActions();
}

// The toggles run the mode handlers only for the person's clicks; the program's changes of
// the mode come back through the document and are only shown.
void MainWindow::CreateModeActions() {
  auto toggle = [this](const char* name, const QString& text, void (*click)(DisplayMode&)) {
    QAction* action = AddCommand(name, text, [this, click] {
      click(doc_.Mode);
      doc_.Notify(DocumentChange::Mode);
    });
    action->setCheckable(true);
    return action;
  };
  sanp_ = toggle("SanpButtonAction", "散布図", SanpButtonClick);
  mesh_ = toggle("MeshButtonAction", "メッシュ", MeshButtonClick);
  contour_ = toggle("ContourButtonAction", "等高線", ContourButtonClick);
  showMeshItem_ = toggle("N4", "メッシュを表示する", ShowMeshItemClick);
  showContourItem_ = toggle("N5", "等高線を表示する", ShowContourItemClick);
  sanp_->setIcon(MakeToolIcon(ToolIcon::Scatter));
  mesh_->setIcon(MakeToolIcon(ToolIcon::Mesh));
  contour_->setIcon(MakeToolIcon(ToolIcon::Contour));
}

void MainWindow::CreateMenus() {
  QMenu* file = menuBar()->addMenu("ファイル(&F)");
  file->addAction(preLoad_);
  QMenu* dataMenu = file->addMenu("データの取り込み(&O)");
  dataMenu->addAction(loadData_);
  dataMenu->addAction(loadScatter_);
  recentMenu_ = file->addMenu("最近使ったファイル(&R)");
  recentMenu_->setObjectName("RecentFiles");
  file->addActions({loadMesh_, saveMesh_});
  file->addSeparator();
  file->addActions({readSettings_, saveSettings_});
  file->addSeparator();
  file->addActions({saveImageMenu_, copyImage_});
  file->addSeparator();
  file->addAction(exit_);

  QMenu* work = menuBar()->addMenu("作業(&S)");
  work->addActions({makeMesh_, redrawMenu_});

  QMenu* options = menuBar()->addMenu("オプション(&O)");
  options->addActions({showOptions_, setGraphFont_});
  options->addSeparator();
  options->addActions({showMeshItem_, showContourItem_});

  QMenu* help = menuBar()->addMenu("ヘルプ(&H)");
  help->addActions({help_, showAbout_});
}

// The menus show each shortcut beside its item; the tool-bar twins of menu items carry none, so
// that no key is claimed twice.
void MainWindow::AddShortcuts() {
  preLoad_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  saveImageMenu_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  copyImage_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  redrawMenu_->setShortcut(QKeySequence(Qt::Key_F5));
  exit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  help_->setShortcut(QKeySequence(Qt::Key_F1));
}

QToolButton* MainWindow::AddToolButton(QToolBar* bar, QAction* action, const char* name) {
  bar->addAction(action);
  auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
  button->setObjectName(name);
  button->setFixedWidth(kToolButtonWidth);
  return button;
}

void MainWindow::CreateToolBar() {
  QToolBar* bar = toolBar_ = addToolBar("ToolBar1");
  bar->setObjectName("ToolBar1");
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setFixedHeight(kToolBarHeight);
  bar->setIconSize(QSize(16, 16));
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  bar->toggleViewAction()->setEnabled(false);
  setContextMenuPolicy(Qt::NoContextMenu);
  AddToolButton(bar, preLoad_, "ToolButton1");
  AddToolButton(bar, sanp_, "SanpButton");
  AddToolButton(bar, mesh_, "MeshButton");
  AddToolButton(bar, contour_, "ContourButton");
  AddToolButton(bar, redraw_, "ToolButton3");
  AddToolButton(bar, saveImage_, "ToolButton2");
}

// The panel sits in a scrolled area: a picture larger than the screen is scrolled, a smaller one
// shows as before, with no scroll bars.
void MainWindow::CreatePicture() {
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName("PictureScroll");
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(true);
  client_ = new QWidget(scroll_);
  panel_ = new QFrame(client_);
  panel_->setObjectName("Panel1");
  panel_->setAutoFillBackground(true);
  panel_->setBackgroundRole(QPalette::Base);
  graphImage_ = new QLabel(panel_);
  graphImage_->setObjectName("GraphImage");
  graphImage_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  graphImage_->setMouseTracking(true);
  graphImage_->installEventFilter(this);
  scroll_->setWidget(client_);
  setCentralWidget(scroll_);
}

void MainWindow::CreateStatusBar() {
  statusBar()->setObjectName("StatusBar1");
  readoutLabel_ = new QLabel(statusBar());
  readoutLabel_->setObjectName("ReadoutLabel");
  statusBar()->addWidget(readoutLabel_, 1);
}

}  // namespace tarn
