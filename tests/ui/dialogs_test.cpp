#include "ui/ProgressDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <tuple>

#include "UiTestSupport.h"
#include "support/TempDir.h"
#include "app/DialogFilters.h"
#include "app/MeshCommands.h"
#include "ui/GraphFontDialog.h"
#include "ui/QtUserInterface.h"

namespace tarn {
namespace {

TEST(DesktopPortTest, ProgressDialogIsModelessAndItsCancelReachesTheHandler) {
  QWidget owner;
  QtUserInterface ui;
  ui.AttachTo(&owner);
  ProgressDialog* dialog = ui.Progress();
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(dialog->isVisible()) << "created hidden at start-up";
  EXPECT_EQ(dialog->windowTitle(), "状況表示");
  EXPECT_EQ(dialog->Label()->text(), "現在処理中です");

  int cancels = 0;
  ui.SetCancelHandler([&] { ++cancels; });
  ui.ShowProgress(kMeshProgressLabel, 0, 40);
  ui.SetProgressPosition(25);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(dialog->Label()->text(), kMeshProgressLabel);
  EXPECT_EQ(dialog->Bar()->maximum(), 40);
  EXPECT_EQ(dialog->Bar()->value(), 25);
  EXPECT_EQ(dialog->CancelButton()->text(), "中断");

  QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
  EXPECT_EQ(cancels, 1);
  EXPECT_TRUE(dialog->isVisible()) << "the operation, not the button, ends the dialog";
  QTest::keyClick(dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog->isVisible());
  ui.HideProgress();
  EXPECT_FALSE(dialog->isVisible());
}

bool OnlyCloseButton(Qt::WindowFlags flags) {
  return flags.testFlag(Qt::WindowCloseButtonHint) && !flags.testFlag(Qt::WindowMinimizeButtonHint) &&
         !flags.testFlag(Qt::WindowMaximizeButtonHint);
}

// The progress dialog and the message boxes have a close button and nothing to minimise or
// maximise; the progress dialog's close button is "中断"; the error report keeps its text and
// shows where the error was met behind its details button.
TEST(DesktopPortTest, WindowsCarryOnlyACloseButtonAndErrorsTheirPlace) {
  QWidget owner;
  QtUserInterface ui;
  ui.AttachTo(&owner);
  ProgressDialog* dialog = ui.Progress();
  EXPECT_TRUE(OnlyCloseButton(dialog->windowFlags()));
  int cancels = 0;
  ui.SetCancelHandler([&] { ++cancels; });
  ui.ShowProgress(kMeshProgressLabel, 0, 40);
  EXPECT_FALSE(dialog->close());
  EXPECT_EQ(cancels, 1);
  EXPECT_TRUE(dialog->isVisible()) << "the operation, not the close button, ends the dialog";
  ui.HideProgress();

  // The error report, answered as soon as it shows.
  Qt::WindowFlags flags;
  QString text, detail;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    std::tie(flags, text, detail) = std::tuple{box->windowFlags(), box->text(), box->detailedText()};
    box->button(QMessageBox::Ok)->click();
  });
  ui.ShowError("ファイル a.txt を読めません\r\n形式が違います", "a.txt, 3 行目");
  EXPECT_TRUE(OnlyCloseButton(flags));
  EXPECT_EQ(text, "ファイル a.txt を読めません\n形式が違います");
  EXPECT_EQ(detail, "a.txt, 3 行目");
}

// Each file dialog starts in the folder the dialog of its kind last took a file from, not in
// the one any dialog visited last.
TEST(DesktopPortTest, FileDialogsStartInTheFolderLastUsedForTheirKind) {
  testing::ForgetWindowMemory();
  const testing::TempDir dir;
  QtUserInterface ui;
  const QString examples = TARNPLOT_SOURCE_DIR "/examples";
  const QString elsewhere = QFileInfo(QString::fromStdString(dir.Path("x"))).absolutePath();
  QStringList startedIn;
  const auto answer = [&](const QString& pick) {  // an empty pick cancels
    QTimer::singleShot(0, [&startedIn, pick] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      startedIn << dialog->directory().absolutePath();
      dialog->selectFile(pick);
      pick.isEmpty() ? dialog->reject() : static_cast<QDialog*>(dialog)->accept();  // accept() is public there
    });
  };
  answer(examples + "/contour_standard.txt");
  ui.ChooseFileToOpen({kStandardDataTitle, kContourDataFilter, ""});
  answer(elsewhere + "/saved.tpf");
  EXPECT_EQ(ui.ChooseFileToSave({kSettingsSaveTitle, kSettingsFilter, ""}), dir.Path("saved.tpf"));
  answer({});
  ui.ChooseFileToOpen({kTableDataTitle, kContourDataFilter, ""});
  answer({});
  ui.ChooseFileToOpen({kSettingsOpenTitle, kSettingsFilter, ""});
  EXPECT_EQ(startedIn.mid(2), (QStringList{examples, elsewhere})) << "contour data in either form; settings";
}

TEST(DesktopPortTest, MessagesShowPlainLineBreaksAndFiltersBecomeQtFilters) {
  EXPECT_EQ(MessageText("新しいデータです\r\nメッシュを作り直しますか？"), "新しいデータです\nメッシュを作り直しますか？");
  EXPECT_EQ(ToQtFilter("Tarnplot設定ファイル(*.tpf)|*.tpf|全てのファイル(*.*)|*.*"),
            "Tarnplot設定ファイル(*.tpf);;全てのファイル(*.*)");
  EXPECT_EQ(ToQtFilter("画像|*.png;*.bmp"), "画像 (*.png *.bmp)");
}

// The chooser works in points, the graph font in pixels: the size must survive the trip.
TEST(GraphFontDialogTest, KeepsPixelSizeStyleAndColour) {
  for (int pixels : {12, 16, 24}) {
    FontChoice start;
    start.PixelHeight = pixels;
    start.Bold = true;
    start.TextColor = MakeColor(200, 0, 0);
    const GraphFontDialog dialog(start);
    const FontChoice chosen = dialog.Chosen();
    EXPECT_EQ(chosen.PixelHeight, pixels);
    EXPECT_TRUE(chosen.Bold);
    EXPECT_FALSE(chosen.Italic);
    EXPECT_EQ(chosen.TextColor, MakeColor(200, 0, 0));
    EXPECT_EQ(chosen.Face, "IPAPGothic") << "the platform's face name maps to the installed gothic";
  }
  GraphFontDialog dialog{FontChoice()};
  dialog.SetTextColor(QColor(0, 0, 255));
  EXPECT_EQ(dialog.Chosen().TextColor, MakeColor(0, 0, 255));
}

// The sample shows our bold and italic and the text colour, as they change.
TEST(GraphFontDialogTest, SampleShowsBoldItalicAndColour) {
  GraphFontDialog dialog{FontChoice()};
  dialog.findChild<QCheckBox*>("BoldCheck")->click();
  dialog.findChild<QCheckBox*>("ItalicCheck")->click();
  dialog.SetTextColor(QColor(0, 0, 255));
  EXPECT_TRUE(dialog.Sample()->font().bold());
  EXPECT_TRUE(dialog.Sample()->font().italic());
  EXPECT_EQ(dialog.Sample()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

}  // namespace
}  // namespace tarn
