#include "ui/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "app/CommandBoundary.h"
#include "app/ContourDataCommands.h"
#include "app/MeshCommands.h"
#include "app/SaveImage.h"
#include "app/SettingsCommands.h"
#include "base/NumberText.h"
#include "options/SettingsFile.h"
#include "render/ContourPixels.h"
#include "render/MarginSearch.h"
#include "support/TempDir.h"
#include "ui/HelpWindow.h"
#include "ui/OptionsDialog.h"
#include "ui/QtUserInterface.h"
#include "ui/VersionDialog.h"

namespace tarn {
namespace {

using testing::ActionOf;
using testing::ExampleFile;
using testing::Find;
using testing::TempDir;
using testing::WidgetTestPort;

std::string ScatterExample() { return TARNPLOT_SOURCE_DIR "/examples/scatter_logger.txt"; }

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() { window.show(); }

  void Click(const char* button) { QTest::mouseClick(Find<QToolButton>(window, button), Qt::LeftButton); }
  void Trigger(const char* action) { ActionOf(window, action)->trigger(); }
  bool Down(const char* button) { return Find<QToolButton>(window, button)->isChecked(); }
  bool Ticked(const char* item) { return ActionOf(window, item)->isChecked(); }
  bool Enabled(const char* action) { return ActionOf(window, action)->isEnabled(); }

  // The buttons and check items as shown, in the words of DescribeMode.
  std::string ShownMode() {
    return DescribeMode({Down("SanpButton"), Down("MeshButton"), Down("ContourButton"), Ticked("N4"), Ticked("N5")});
  }

  void LoadExample() {
    ui.Files.push_back(ExampleFile());
    Trigger("LoadData");
  }

  QStringList RecentTexts() {
    QStringList texts;
    for (QAction* item : Find<QMenu>(window, "RecentFiles")->actions()) texts << item->text();
    return texts;
  }

  // A file dragged onto the picture and let go there; it opens once the event loop runs.
  void Drop(const std::string& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    auto* picture = Find<QLabel>(window, "GraphImage");
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &drop);
    QCoreApplication::processEvents();
  }

  testing::FreshWindowMemory fresh;
  Document doc;
  WidgetTestPort ui;
  MainWindow window{doc, ui};
  TempDir dir;
};

TEST_F(MainWindowTest, ToolBarClicksAndMenuItemsFollowTheModeRules) {
  EXPECT_EQ(ShownMode(), "sanp=1 mesh=0 contour=0 show-mesh=0 show-contour=1");
  Click("SanpButton");  // released by the click: contour mode
  EXPECT_EQ(ShownMode(), "sanp=0 mesh=0 contour=1 show-mesh=0 show-contour=1");
  Click("SanpButton");  // pressed again: both contour-side buttons and items go
  EXPECT_EQ(ShownMode(), "sanp=1 mesh=0 contour=0 show-mesh=0 show-contour=0");
  Click("MeshButton");
  EXPECT_EQ(ShownMode(), "sanp=0 mesh=1 contour=0 show-mesh=1 show-contour=0");
  Click("MeshButton");  // the only contour-side button released: scatter again
  EXPECT_EQ(ShownMode(), "sanp=1 mesh=0 contour=0 show-mesh=0 show-contour=0");
  Trigger("N5");
  EXPECT_EQ(ShownMode(), "sanp=0 mesh=0 contour=1 show-mesh=0 show-contour=1");
  Trigger("N4");
  EXPECT_EQ(ShownMode(), "sanp=0 mesh=1 contour=1 show-mesh=1 show-contour=1");
  Trigger("N5");
  EXPECT_EQ(ShownMode(), "sanp=0 mesh=1 contour=0 show-mesh=1 show-contour=0");
  // What is shown is the document's mode, not a state of the widgets' own.
  EXPECT_EQ(DescribeMode(doc.Mode), ShownMode());
}

TEST_F(MainWindowTest, DataCommandsChangeTheModeWithoutRunningClickHandlers) {
  Trigger("LoadData");  // dialog cancelled: contour mode all the same
  EXPECT_EQ(ShownMode(), "sanp=0 mesh=0 contour=1 show-mesh=0 show-contour=1");
  EXPECT_EQ(window.windowTitle(), "Tarnplot - ver 2.2");
  LoadExample();
  EXPECT_EQ(window.windowTitle(), "Tarnplot - contour_standard.txt");
  EXPECT_EQ(doc.DataPoints.size(), 300u);
}

TEST_F(MainWindowTest, OpenButtonFollowsTheMode) {
  ui.Files.push_back(ScatterExample());
  Trigger("PreLoad");  // scatter mode at start: the scatter table, not the contour file
  EXPECT_EQ(doc.Scatter.Series.size(), 3u);
  EXPECT_TRUE(doc.DataPoints.empty());
  Click("ContourButton");
  ui.Files.push_back(ExampleFile());
  Click("ToolButton1");
  EXPECT_EQ(doc.DataPoints.size(), 300u);
  doc.Mode = {false, false, false, false, false};
  doc.Notify(DocumentChange::Mode);
  ui.Events.clear();
  Click("ToolButton1");
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{std::string("warning: ") + kNoModeMessage});
}

TEST_F(MainWindowTest, RedrawShowsThePlayedPictureAndSizesTheWindow) {
  LoadExample();
  Trigger("PreRedrawMenu");  // the rebuild question is answered Yes
  ASSERT_FALSE(doc.Picture.empty());
  const QPixmap shown = Find<QLabel>(window, "GraphImage")->pixmap();
  EXPECT_EQ(shown.size(), QSize(275, 275));
  const QImage image = shown.toImage();
  EXPECT_NE(image.pixel(5, 5), image.pixel(137, 137)) << "the plot is drawn over the background";
  EXPECT_EQ(Find<QWidget>(window, "Panel1")->geometry(), QRect(4, 4, 275, 275));

  doc.Options.ChoosePictureSize(PictureSize::Size550275);
  Trigger("PreRedraw");
  EXPECT_EQ(Find<QLabel>(window, "GraphImage")->pixmap().size(), QSize(550, 275));
  EXPECT_EQ(window.width(), 550 + 16);
}

TEST_F(MainWindowTest, ClosePromptSavesOnYesAndWritesNothingOnNo) {
  window.close();  // nothing changed: no question
  EXPECT_TRUE(ui.Messages().empty());

  window.show();
  doc.Options.SetText(OptionEdit::XTitleBox, "距離");
  ui.Answers = {false};
  ui.Files.push_back(dir.Path("no.tpf"));
  window.close();
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{std::string("question: ") + kSaveSettingsQuestion});
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(std::filesystem::exists(dir.Path("no.tpf")));

  window.show();
  ui.Answers = {true};
  ui.Files = {dir.Path("yes.tpf")};
  window.close();
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(std::filesystem::exists(dir.Path("yes.tpf")));
  EXPECT_FALSE(doc.Options.SettingsChanged());
}

// The desktop's own question box: Escape and the close button cancel the closing (the window
// stays, nothing is saved, the settings stay marked changed); No still closes.
TEST(ClosePromptTest, DismissingTheQuestionKeepsTheWindowAndTheChangedSettings) {
  testing::FreshWindowMemory fresh;
  struct Row {
    const char* Name;
    std::function<void(QMessageBox&)> Answer;
    bool Closes;
  };
  const Row rows[] = {
      {"Escape", [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }, false},
      {"close button", [](QMessageBox& box) { box.close(); }, false},
      {"No", [](QMessageBox& box) { box.button(QMessageBox::No)->click(); }, true},
  };
  for (const Row& row : rows) {
    Document doc;
    QtUserInterface desktop;
    MainWindow window(doc, desktop);
    desktop.AttachTo(&window);
    window.show();
    doc.Options.SetText(OptionEdit::XTitleBox, "距離");
    QString text;
    std::vector<QMessageBox::StandardButton> shown;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      text = box->text();
      for (QAbstractButton* button : box->buttons()) {
        if (button->isVisible()) shown.push_back(box->standardButton(button));
      }
      row.Answer(*box);
    });
    window.close();
    EXPECT_EQ(text, "設定が変更されています\n保存しますか？") << row.Name;
    EXPECT_EQ(shown, (std::vector{QMessageBox::Yes, QMessageBox::No})) << row.Name;
    EXPECT_EQ(window.isVisible(), !row.Closes) << row.Name;
    EXPECT_TRUE(doc.Options.SettingsChanged()) << row.Name;
  }
}

// Each shortcut runs its command in the active window. The copy puts the picture on the
// clipboard as the recorded metafile and as the bitmap shown, once there is a picture.
TEST_F(MainWindowTest, ShortcutsRunTheirCommands) {
  const auto press = [this](const char* keys) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keySequence(&window, QKeySequence(keys));
  };
  press("Ctrl+C");
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{std::string("warning: ") + kNotDrawnMessage});
  ui.Files.push_back(ScatterExample());
  press("Ctrl+O");  // scatter mode: the scatter table
  EXPECT_EQ(doc.Scatter.Series.size(), 3u);
  press("F5");
  ASSERT_FALSE(doc.Picture.empty());
  press("Ctrl+C");
  const QMimeData* copied = QApplication::clipboard()->mimeData();
  EXPECT_EQ(copied->data("image/x-emf").toStdString(), doc.Picture);
  const QImage shown = Find<QLabel>(window, "GraphImage")->pixmap().toImage();
  EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()).convertToFormat(shown.format()), shown);
  ui.Files.push_back(dir.Path("keys.png"));
  press("Ctrl+S");
  EXPECT_TRUE(std::filesystem::exists(dir.Path("keys.png")));
  press("F1");
  EXPECT_TRUE(window.Help()->isVisible());
  ui.Events.clear();
  press("Ctrl+Q");  // the scatter redraw wrote its ranges back: the close asks first
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{std::string("question: ") + kSaveSettingsQuestion});
}

// A file dropped on the picture opens as "開く" opens it in the current mode, without a dialog;
// a settings file is read as settings. Dropped data files join the recent files.
TEST_F(MainWindowTest, DroppedFilesOpenByTheModeOrAsSettings) {
  Drop(ScatterExample());  // scatter mode at start
  EXPECT_EQ(doc.Scatter.Series.size(), 3u);
  EXPECT_TRUE(doc.DataPoints.empty());
  Click("ContourButton");
  Drop(ExampleFile());
  EXPECT_EQ(doc.DataPoints.size(), 300u);
  EXPECT_EQ(window.windowTitle(), "Tarnplot - contour_standard.txt");

  OptionsModel saved;
  saved.SetText(OptionEdit::YTitleBox, "深さ");
  SaveSettings(saved, dir.Path("dropped.TPF"));
  Drop(dir.Path("dropped.TPF"));
  EXPECT_EQ(doc.Options.Text(OptionEdit::YTitleBox), "深さ");
  EXPECT_EQ(doc.DataPoints.size(), 300u) << "not read as data";
  EXPECT_TRUE(ui.LastDialog.Title.empty()) << "no dialog was asked";
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(RecentTexts().size(), 2);
}

// Newest first, each reopened as the kind it was opened as, kept for the next window; a file
// that failed to load does not join.
TEST_F(MainWindowTest, RecentFilesListTheDataFilesOpenedAndReopenThem) {
  const QString contour = "[等高線] " TARNPLOT_SOURCE_DIR "/examples/contour_standard.txt";
  const QString scatter = "[散布図] " TARNPLOT_SOURCE_DIR "/examples/scatter_logger.txt";
  EXPECT_FALSE(Find<QMenu>(window, "RecentFiles")->isEnabled());
  LoadExample();
  ui.Files.push_back(ScatterExample());
  Trigger("N8");
  ui.Files.push_back(dir.Path("missing.txt"));
  Trigger("LoadData");
  ASSERT_EQ(ui.Messages().size(), 1u) << "the missing file's error";
  EXPECT_EQ(RecentTexts(), (QStringList{"&1 " + scatter, "&2 " + contour}));

  doc.DataPoints.clear();
  Trigger("RecentFile2");
  EXPECT_EQ(doc.DataPoints.size(), 300u);
  EXPECT_TRUE(Down("ContourButton"));
  EXPECT_EQ(RecentTexts(), (QStringList{"&1 " + contour, "&2 " + scatter}));
  MainWindow next(doc, ui);
  EXPECT_EQ(Find<QMenu>(next, "RecentFiles")->actions().size(), 2);
}

// The status bar reads the contour picture under the mouse: x, y and the plane of the mesh
// triangle there; off the plot it shows nothing.
TEST_F(MainWindowTest, StatusBarReadsThePictureUnderTheMouse) {
  LoadExample();
  Trigger("MakeMesh");
  Trigger("PreRedraw");
  // The plot the redraw keeps: the 275-pixel picture's at margin 40 over the written-back ranges.
  if (!doc.PlotOfPicture) {
    const auto range = [&](OptionEdit min, OptionEdit max) {
      return Extent{TextToFloat(doc.Options.Text(min)), TextToFloat(doc.Options.Text(max))};
    };
    doc.PlotOfPicture = AreaForMargin(40, 275, 275, range(OptionEdit::XMinBox, OptionEdit::XMaxBox),
                                      range(OptionEdit::YminBox, OptionEdit::YMaxBox));
  }
  const PlotArea plot = *doc.PlotOfPicture;
  const int px = RoundToPixel((plot.Left + plot.Right) / 2), py = plot.Row((plot.Top + plot.Bottom) / 2);
  const double x = (px - plot.Left) / plot.XScale + plot.XMin;
  const double y = ((plot.PictureHeight - py) - plot.Bottom) / plot.YScale + plot.YMin;
  const TriangleIndex under = FindTriangle(doc.DataPoints, doc.Mesh, x, y);
  ASSERT_NE(under, kNoTriangle);
  const double value = PlaneValue(doc.DataPoints, doc.Mesh[static_cast<std::size_t>(under)], x, y);

  auto* picture = Find<QLabel>(window, "GraphImage");
  auto* readout = Find<QLabel>(window, "ReadoutLabel");
  QTest::mouseMove(picture, QPoint(px, py));
  EXPECT_EQ(readout->text().toStdString(), ReadoutText({x, y, value}, plot));
  QTest::mouseMove(picture, QPoint(2, 2));
  EXPECT_EQ(readout->text(), "");
}

// A picture larger than the screen scrolls inside a window held to the screen.
TEST_F(MainWindowTest, ABigPictureScrollsInAWindowHeldToTheScreen) {
  LoadExample();
  ApplyOptionLine(doc.Options, "Size:Custom:2000:1500", ui);
  Trigger("PreRedraw");
  QCoreApplication::processEvents();
  ASSERT_EQ(doc.PictureWidth, 2000);
  auto* scroll = Find<QScrollArea>(window, "PictureScroll");
  const QSize screen = window.screen()->availableGeometry().size();
  EXPECT_LE(window.width(), screen.width());
  EXPECT_LE(window.height(), screen.height());
  EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
  EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 4 + 2000 + 4 - scroll->viewport()->width());
}

// While the triangulation pumps messages, the commands that would change the points or
// the mesh are off; "中断" stops it, and the commands work again afterwards.
TEST_F(MainWindowTest, DataCommandsAreOffDuringALongOperationAndBackAfterCancel) {
  LoadExample();
  const std::vector<const char*> guarded = {"PreLoad", "LoadData", "N8", "LoadMesh", "MakeMesh",
                                            "PreRedraw", "PreRedrawMenu", "N9"};
  std::vector<bool> enabledDuring;
  std::size_t pointsDuring = 0;
  ui.OnPump = [&](int pump) {
    if (pump != 1) return;
    for (const char* name : guarded) enabledDuring.push_back(Enabled(name));
    ui.Files.push_back(ExampleFile());
    Trigger("LoadData");  // off: the points stay as they are
    pointsDuring = doc.DataPoints.size();
    EXPECT_TRUE(ui.Progress.isVisible());
    EXPECT_FALSE(ui.Progress.isModal());
    QTest::mouseClick(ui.Progress.CancelButton(), Qt::LeftButton);
  };
  Trigger("MakeMesh");
  EXPECT_EQ(enabledDuring, std::vector<bool>(guarded.size(), false));
  EXPECT_EQ(pointsDuring, 300u);
  EXPECT_TRUE(doc.MeshOutdated) << "the cancelled triangulation leaves the mesh outdated";
  EXPECT_FALSE(ui.Progress.isVisible());
  for (const char* name : guarded) EXPECT_TRUE(Enabled(name)) << name;
  EXPECT_TRUE(Enabled("N10")) << "saving the settings stays usable throughout";

  ui.OnPump = nullptr;
  Trigger("MakeMesh");
  EXPECT_FALSE(doc.MeshOutdated);
  EXPECT_GT(doc.Mesh.size(), 100u);
}

// The same for a long drawing: the per-pixel fill pumps once per column.
TEST_F(MainWindowTest, PixelFillRunsUnderTheProgressDialogAndCanBeCancelled) {
  LoadExample();
  Trigger("MakeMesh");
  doc.Options.ChooseFillStyle(FillStyle::PaintBitMapContour);
  ui.Pumps = 0;
  std::string labelDuring;
  bool redrawEnabledDuring = true;
  ui.OnPump = [&](int pump) {
    if (pump != 3) return;
    labelDuring = ui.Progress.Label()->text().toStdString();
    redrawEnabledDuring = Enabled("PreRedraw");
    doc.Options.SetText(OptionEdit::ImageWidth, "400");
    // Enter in the size edit: waits for the drawing.
    QTest::keyClick(Find<QLineEdit>(*window.Options(), "ImageWidth"), Qt::Key_Return);
    QTest::mouseClick(ui.Progress.CancelButton(), Qt::LeftButton);
  };
  Trigger("PreRedraw");
  EXPECT_EQ(labelDuring, "ピクセル補完をしています・・・・・");
  EXPECT_FALSE(redrawEnabledDuring);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{std::string("warning: ") + kBusyMessage});
  EXPECT_EQ(doc.PictureWidth, 275);
  EXPECT_EQ(doc.ImageWidth, 275);
  EXPECT_TRUE(Enabled("PreRedraw"));
  EXPECT_TRUE(doc.MeshOutdated) << "a cancelled drawing offers the rebuild next time";
  EXPECT_FALSE(ui.Progress.isVisible());
  EXPECT_FALSE(Find<QLabel>(window, "GraphImage")->pixmap().isNull()) << "what was drawn up to the cancel";
}

// Each format the save command knows, written from the tool-bar button.
TEST_F(MainWindowTest, SaveButtonWritesThePictureInEachFormat) {
  Click("ToolButton2");
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{std::string("warning: ") + kNotDrawnMessage});
  LoadExample();
  Trigger("PreRedraw");
  for (const char* name : {"graph.emf", "graph.bmp", "graph.png", "graph.jpg"}) {
    ui.Files.push_back(dir.Path(name));
    Click("ToolButton2");
    ASSERT_TRUE(std::filesystem::exists(dir.Path(name))) << name;
    EXPECT_GT(std::filesystem::file_size(dir.Path(name)), 1000u) << name;
  }
  const QImage saved(QString::fromStdString(dir.Path("graph.png")));
  EXPECT_EQ(saved, Find<QLabel>(window, "GraphImage")->pixmap().toImage().convertToFormat(saved.format()))
      << "the saved raster is the picture the window shows";
}

TEST_F(MainWindowTest, ClosingDuringALongOperationAsksItToStop) {
  LoadExample();
  int pumps = 0;
  ui.OnPump = [&](int pump) {
    pumps = pump;
    if (pump == 1) window.close();
  };
  Trigger("MakeMesh");
  EXPECT_LE(pumps, 2) << "the triangulation stops at its next check";
  EXPECT_TRUE(doc.MeshOutdated);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, SecondaryWindowsAreShownOnceAndHelpOpensThePageBesideTheProgram) {
  Trigger("O3");
  QWidget* options = Find<QWidget>(window, "OptionForm");
  EXPECT_TRUE(options->isVisible());
  EXPECT_FALSE(options->isModal());
  Trigger("About1");
  auto* about = window.About();
  EXPECT_TRUE(about->isVisible());
  QTest::mouseClick(Find<QPushButton>(*about, "OKButton"), Qt::LeftButton);
  EXPECT_FALSE(about->isVisible());

  // The page shows in our own window, whether or not the machine has a browser.
  QUrl opened;
  window.SetUrlOpener([&](const QUrl& url) { opened = url; });
  Trigger("Help2");
  HelpWindow* shown = window.Help();
  EXPECT_TRUE(shown->isVisible());
  EXPECT_EQ(shown->Browser()->source(), QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/HELP/Index.htm"));
  EXPECT_TRUE(shown->Browser()->toPlainText().contains("メッシュの作成"));
  EXPECT_TRUE(opened.isEmpty());
  // A link out of the program goes to the desktop's handler.
  emit shown->Browser()->anchorClicked(QUrl("https://tarnplot.example.org/"));
  EXPECT_EQ(opened, QUrl("https://tarnplot.example.org/"));
  std::ifstream help(std::string(TARNPLOT_BINARY_DIR) + "/HELP/Index.htm");
  const std::string text((std::istreambuf_iterator<char>(help)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("charset=\"UTF-8\""), std::string::npos);
  EXPECT_NE(text.find("メッシュの作成"), std::string::npos);
}

TEST_F(MainWindowTest, MenusHoldTheCommandsInOrderWithTheirSeparators) {
  QStringList lines;
  for (QAction* menu : window.menuBar()->actions()) {
    lines << menu->text();
    for (QAction* item : menu->menu()->actions()) {
      const QString keys = item->shortcut().isEmpty() ? "" : "\t" + item->shortcut().toString();
      lines << "  " + (item->isSeparator() ? QString("-") : item->text() + keys);
      if (item->menu()) {
        for (QAction* sub : item->menu()->actions()) lines << "    " + sub->text();
      }
    }
  }
  EXPECT_EQ(lines.join('\n').toStdString(),
            "ファイル(&F)\n  開く\tCtrl+O\n  データの取り込み(&O)\n    等高線データ\n    散布図データ\n"
            "  最近使ったファイル(&R)\n"
            "  メッシュデータの取り込み(&M)\n  メッシュデータの保存(N)\n  -\n"
            "  設定ファイルの読み込み\n  設定ファイルの保存\n  -\n"
            "  画像の保存(&S)\tCtrl+S\n  画像をコピー(&C)\tCtrl+C\n  -\n  終了(&X)\tCtrl+Q\n"
            "作業(&S)\n  メッシュの作成(&M)\n  再描画(&R)\tF5\n"
            "オプション(&O)\n  オプション(&O)\n  フォント(&F)\n  -\n  メッシュを表示する\n  等高線を表示する\n"
            "ヘルプ(&H)\n  ヘルプ(&H)\tF1\n  バージョン情報(&V)");
}

TEST_F(MainWindowTest, ScatterDataThroughTheMenuThenTheLegendPlacedByAClick) {
  Click("ContourButton");
  ui.Files.push_back(ScatterExample());
  Trigger("N8");
  EXPECT_EQ(ShownMode(), "sanp=1 mesh=0 contour=0 show-mesh=0 show-contour=1");
  EXPECT_EQ(window.windowTitle(), "Tarnplot - scatter_logger.txt");
  Click("ToolButton3");
  ASSERT_TRUE(doc.LegendPending);
  auto* picture = Find<QLabel>(window, "GraphImage");
  const QImage waiting = picture->pixmap().toImage();

  // The outline inverts what lies under it and follows the mouse; the picture stays as recorded.
  const std::string recorded = doc.Picture;
  QTest::mouseMove(picture, QPoint(40, 30));
  const QImage outlined = picture->pixmap().toImage();
  EXPECT_EQ(outlined.pixel(40, 30) & 0xFFFFFFu, ~waiting.pixel(40, 30) & 0xFFFFFFu);
  EXPECT_EQ(outlined.pixel(40 + doc.Scatter.Legend.Width / 2, 30 + 5), waiting.pixel(40 + doc.Scatter.Legend.Width / 2, 30 + 5));
  EXPECT_EQ(doc.Picture, recorded);

  QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, QPoint(150, 60));
  EXPECT_FALSE(doc.LegendPending);
  EXPECT_FALSE(doc.Scatter.Legend.Ready);
  EXPECT_EQ(doc.Scatter.Legend.X, 150);
  EXPECT_NE(doc.Picture, recorded);
  const QImage placed = picture->pixmap().toImage();
  EXPECT_EQ(placed.pixel(150, 60) & 0xFFFFFFu, 0u) << "the legend's black outline at the click";
  // Outside the waiting state the mouse does nothing.
  const std::string finished = doc.Picture;
  QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_EQ(doc.Picture, finished);
}

TEST_F(MainWindowTest, TheReloadSwitchShowsItsControlsAndTheBarCountsTheTicks) {
  Trigger("O3");
  OptionsDialog& options = *window.Options();
  auto* bar = Find<QProgressBar>(options, "ReloadProgress");
  auto* interval = Find<QLineEdit>(options, "AutoReloadInterval");
  EXPECT_TRUE(bar->isHidden());
  QTest::mouseClick(Find<QCheckBox>(options, "AutoReloadCheck"), Qt::LeftButton);
  EXPECT_FALSE(bar->isHidden());
  EXPECT_FALSE(interval->isHidden());
  EXPECT_EQ(ui.TimerInterval, 100);
  for (int i = 0; i < 3; ++i) ui.TimerTick();
  EXPECT_EQ(bar->value(), 3);

  interval->selectAll();
  QTest::keyClicks(interval, "0.5");
  EXPECT_EQ(interval->palette().color(QPalette::Text), QColor(255, 0, 0));
  QTest::keyClick(interval, Qt::Key_Return);
  EXPECT_EQ(interval->palette().color(QPalette::Text), QColor(0, 0, 0));
  EXPECT_EQ(ui.TimerInterval, 30);
  EXPECT_EQ(bar->value(), 3);  // a new interval does not restart the countdown
}

}  // namespace
}  // namespace tarn
