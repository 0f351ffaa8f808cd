#include "ui/ProgressDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tarn
