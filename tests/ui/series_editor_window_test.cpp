// The series editor window driven through its real controls on the offscreen platform.
#include "ui/SeriesEditorWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/MainWindow.h"
#include "ui/OptionsDialog.h"

namespace tarn {
namespace {

using testing::ActionOf;
using testing::Find;
using testing::WidgetTestPort;

class SeriesEditorWindowTest : public ::testing::Test {
 protected:
  SeriesEditorWindowTest() {
    window.show();
    ui.Files.push_back(TARNPLOT_SOURCE_DIR "/examples/scatter_logger.txt");
    ActionOf(window, "N8")->trigger();
    // Opened the way a person opens it: the options dialog's "散布図の詳細設定".
    ActionOf(window, "O3")->trigger();
    QTest::mouseClick(Find<QPushButton>(*window.Options(), "Button2"), Qt::LeftButton);
    editor = window.SeriesEditor();
  }

  QLineEdit* Edit(const char* name) { return Find<QLineEdit>(*editor, name); }
  QListWidget* List() { return Find<QListWidget>(*editor, "SListBox"); }
  void ClickItem(int row) {
    QListWidget* list = List();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(row)).center());
  }
  static bool IsRed(QLineEdit* edit) { return edit->palette().color(QPalette::Text) == QColor(255, 0, 0); }

  Document doc;
  WidgetTestPort ui;
  MainWindow window{doc, ui};
  SeriesEditorWindow* editor = nullptr;
};

TEST_F(SeriesEditorWindowTest, OpensFromTheOptionsDialogShowingTableAndSeries) {
  ASSERT_TRUE(editor->isVisible());
  EXPECT_EQ(editor->windowTitle(), "散布図の詳細設定");
  auto* grid = Find<QTableView>(*editor, "Grid");
  EXPECT_EQ(grid->model()->rowCount(), 50);
  EXPECT_EQ(grid->model()->index(0, 1).data().toString(), "槽内温度");
  EXPECT_EQ(grid->columnWidth(0), 45);
  EXPECT_EQ(grid->rowHeight(0), 17);
  EXPECT_EQ(List()->count(), 3);
  EXPECT_EQ(List()->currentRow(), 0);
  EXPECT_EQ(Edit("SeriesNameBox")->text(), "槽内温度");
  EXPECT_EQ(Find<QComboBox>(*editor, "MarkerBox")->currentText(), "□");
  editor->close();  // closing only hides it
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(window.SeriesEditor(), editor);
}

TEST_F(SeriesEditorWindowTest, EnterAppliesARedEditAndAnotherSeriesDropsWhatWasTyped) {
  ClickItem(1);
  QLineEdit* width = Edit("LWidBox");
  width->selectAll();
  QTest::keyClicks(width, "4");
  EXPECT_TRUE(IsRed(width));
  QTest::keyClick(width, Qt::Key_Return);
  EXPECT_FALSE(IsRed(width));
  EXPECT_EQ(doc.Scatter.Series[1].LineWidth, 4);
  EXPECT_TRUE(doc.Options.SettingsChanged());

  width->selectAll();
  QTest::keyClicks(width, "9");
  ClickItem(2);
  ClickItem(1);
  EXPECT_EQ(width->text(), "4");
  EXPECT_FALSE(IsRed(width));
  EXPECT_EQ(doc.Scatter.Series[1].LineWidth, 4);

  // A check box click and a list choice apply at once.
  QTest::mouseClick(Find<QCheckBox>(*editor, "ShowInGraphCheck"), Qt::LeftButton);
  EXPECT_FALSE(doc.Scatter.Series[1].ShowInGraph);
}

TEST_F(SeriesEditorWindowTest, InsertAndDeleteInTheListAddAndDelete) {
  ClickItem(2);
  QTest::keyClick(List(), Qt::Key_Insert);
  EXPECT_EQ(List()->count(), 4);
  EXPECT_EQ(List()->item(3)->text(), "冷却水温");
  QTest::keyClick(List(), Qt::Key_Delete);
  QTest::keyClick(List(), Qt::Key_Delete);
  EXPECT_EQ(List()->count(), 2);
  EXPECT_EQ(List()->currentRow(), 1);
  EXPECT_EQ(doc.Scatter.Series.size(), 2u);
}

TEST_F(SeriesEditorWindowTest, CtrlVPastesTheClipboardAndACellEditIsDrawnAtTheNextRedraw) {
  auto* grid = Find<QTableView>(*editor, "Grid");
  ui.Clipboard = "t\ta\tb\n0\t1\t2\n1\t3\t4\n";
  // Shortcuts reach only the active window's focus.
  editor->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
  grid->setFocus();
  QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(grid->model()->rowCount(), 3);
  EXPECT_EQ(List()->count(), 2);
  EXPECT_EQ(List()->item(1)->text(), "b");
  EXPECT_EQ(window.windowTitle(), "Tarnplot - クリップボードから読み込んだデータ");

  // The cell is typed in place, then the redraw's automatic range reaches it.
  grid->setCurrentIndex(grid->model()->index(2, 2));
  QTest::keyClick(grid, Qt::Key_F2);
  QWidget* cellEditor = QApplication::focusWidget();
  ASSERT_NE(cellEditor, grid);
  QTest::keyClicks(cellEditor, "250");
  QTest::keyClick(cellEditor, Qt::Key_Return);
  QApplication::processEvents();  // the delegate commits on a queued call
  EXPECT_EQ(doc.Scatter.Grid.Cell(2, 2), "250");
  ActionOf(window, "PreRedraw")->trigger();
  EXPECT_EQ(doc.Options.Text(OptionEdit::YMaxBox), "250");
}

}  // namespace
}  // namespace tarn
