#include "ui/OptionsDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "support/TempDir.h"
#include "ui/MainWindow.h"

namespace tarn {
namespace {

using testing::ActionOf;
using testing::ExampleFile;
using testing::Find;
using testing::TempDir;
using testing::WidgetTestPort;

class OptionsDialogTest : public ::testing::Test {
 protected:
  OptionsDialogTest() {
    window.show();
    dialog = window.Options();
    dialog->show();
    doc.Options.Subscribe([this](const OptionChange& change) { changes.push_back(change); });
  }

  QLineEdit* Edit(const char* name) { return Find<QLineEdit>(*dialog, name); }
  QCheckBox* Check(const char* name) { return Find<QCheckBox>(*dialog, name); }
  QRadioButton* Radio(const char* name) { return Find<QRadioButton>(*dialog, name); }
  void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(*dialog, name), Qt::LeftButton); }
  // Key presses carrying the characters, as an input method delivers Japanese text.
  void Type(const char* edit, const QString& text) {
    Edit(edit)->setFocus();
    Edit(edit)->selectAll();
    for (QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(Edit(edit), &press);
    }
  }
  void ReadSettings(const std::string& lines) {
    ui.Files.push_back(dir.Write("settings.tpf", lines));
    ActionOf(window, "N9")->trigger();
  }
  QColor ShapeColor(const char* name) { return Find<QFrame>(*dialog, name)->palette().color(QPalette::Window); }

  Document doc;
  WidgetTestPort ui;
  MainWindow window{doc, ui};
  OptionsDialog* dialog = nullptr;
  TempDir dir;
  std::vector<OptionChange> changes;
};

TEST_F(OptionsDialogTest, RedrawWriteBackShowsInTheEdits) {
  ui.Files.push_back(ExampleFile());
  ActionOf(window, "LoadData")->trigger();
  EXPECT_EQ(Edit("XTitleBox")->text(), "X座標 (mm)") << "the file's titles";
  ActionOf(window, "PreRedraw")->trigger();
  ASSERT_FALSE(doc.Picture.empty());
  for (auto [edit, name] : {std::pair{OptionEdit::XMinBox, "XMinBox"}, {OptionEdit::XMaxBox, "XMaxBox"},
                            {OptionEdit::YminBox, "YminBox"}, {OptionEdit::YMaxBox, "YMaxBox"},
                            {OptionEdit::ValueMinBox, "ValueMinBox"}, {OptionEdit::ValueMaxBox, "ValueMaxBox"},
                            {OptionEdit::ValueStepBox, "ValueStepBox"}}) {
    EXPECT_EQ(Edit(name)->text().toStdString(), doc.Options.Text(edit)) << name;
  }
  EXPECT_NE(Edit("XMaxBox")->text(), "1") << "the data's extent, not the default";
  EXPECT_EQ(Edit("ValueStepBox")->text(), "0.2");
  for (const char* name : {"XMMAuto", "YMMAuto", "ValueMMAuto", "ValueStepAuto"}) {
    EXPECT_TRUE(Check(name)->isChecked()) << name << " is ticked again after the write-back";
  }
}

TEST_F(OptionsDialogTest, ReadingSettingsTicksAndUnticksControls) {
  ReadSettings("ShowXTitle:False\r\nContourPattern:None\r\nContourColor:Gray\r\nXmin:-5\r\n"
               "ContourLineColor:Reverse\r\nSize:Wide\r\nBackColor:10:20:30\r\nGraphPattern:3\r\n");
  EXPECT_FALSE(Check("ShowXTitle")->isChecked());
  EXPECT_TRUE(Radio("NotPaint")->isChecked());
  EXPECT_TRUE(Check("ShowLine")->isChecked());
  EXPECT_FALSE(Check("ShowLine")->isEnabled()) << "lines only: the line switch is forced on and greyed";
  EXPECT_TRUE(Radio("GrayColor")->isChecked());
  EXPECT_FALSE(Radio("RainbowColor")->isChecked());
  EXPECT_EQ(Edit("XMinBox")->text(), "-5");
  EXPECT_FALSE(Check("XMMAuto")->isChecked()) << "a range from the file clears its automatic switch";
  EXPECT_EQ(Find<QComboBox>(*dialog, "LineColorBox")->currentIndex(), 2);
  EXPECT_TRUE(Radio("Size550275")->isChecked());
  EXPECT_EQ(Edit("ImageWidth")->text(), "550");
  EXPECT_EQ(ShapeColor("BKCOLOR"), QColor(10, 20, 30));
  EXPECT_TRUE(Find<QToolButton>(*dialog, "GraphPattern3")->isChecked());
  EXPECT_FALSE(Find<QToolButton>(*dialog, "GraphPattern1")->isChecked());

  ReadSettings("ShowXTitle:True\r\nContourPattern:Meta\r\nXAutoMaxMin:True\r\nGraphPattern:1\r\n");
  EXPECT_TRUE(Check("ShowXTitle")->isChecked());
  EXPECT_TRUE(Radio("PaintMetaContour")->isChecked());
  EXPECT_FALSE(Check("ShowLine")->isChecked()) << "leaving lines only restores the line switch";
  EXPECT_TRUE(Check("ShowLine")->isEnabled());
  EXPECT_TRUE(Check("XMMAuto")->isChecked());
  EXPECT_TRUE(Find<QToolButton>(*dialog, "GraphPattern1")->isChecked());
}

TEST_F(OptionsDialogTest, TypingGoesToTheModelOnceAndItsRulesShow) {
  Type("XMinBox", "5");
  EXPECT_EQ(doc.Options.Text(OptionEdit::XMinBox), "5");
  EXPECT_FALSE(Check("XMMAuto")->isChecked()) << "rule: a typed range clears its switch";
  const std::vector<OptionChange> expected = {{OptionChange::Kind::Edit, static_cast<int>(OptionEdit::XMinBox)},
                                              {OptionChange::Kind::Check, static_cast<int>(OptionCheck::XMMAuto)},
                                              {OptionChange::Kind::SettingsChanged, 0}};
  EXPECT_EQ(changes, expected);

  changes.clear();
  Type("XTitleBox", "距離");
  EXPECT_EQ(doc.Options.Text(OptionEdit::XTitleBox), "距離");
  const OptionChange titleEdit{OptionChange::Kind::Edit, static_cast<int>(OptionEdit::XTitleBox)};
  EXPECT_EQ(changes, std::vector<OptionChange>(2, titleEdit)) << "one notice per key, none echoed back";
}

TEST_F(OptionsDialogTest, ShowingTheProgramsChangesDoesNotMarkTheSettings) {
  doc.Options.SetLineColorIndex(3);
  doc.Options.SetGraphPattern(2);
  doc.Options.SetColor(OptionColor::BDColor, MakeColor(200, 0, 0));
  EXPECT_EQ(Find<QComboBox>(*dialog, "LineColorBox")->currentIndex(), 3);
  EXPECT_TRUE(Find<QToolButton>(*dialog, "GraphPattern2")->isChecked());
  EXPECT_EQ(ShapeColor("BDColor"), QColor(200, 0, 0));
  EXPECT_FALSE(doc.Options.SettingsChanged());

  // The person's click on the pattern already down still counts.
  Click("GraphPattern2");
  EXPECT_TRUE(doc.Options.SettingsChanged());
  EXPECT_EQ(doc.Options.GraphPattern(), 2);
}

TEST_F(OptionsDialogTest, FillStyleRadiosGreyTheLineSwitch) {
  Click("ShowLine");
  EXPECT_TRUE(doc.Options.Checked(OptionCheck::ShowLine));
  Click("ShowLine");
  Click("NotPaint");
  EXPECT_TRUE(Check("ShowLine")->isChecked());
  EXPECT_FALSE(Check("ShowLine")->isEnabled());
  Click("PaintBitMapContour");
  EXPECT_EQ(doc.Options.GetFillStyle(), FillStyle::PaintBitMapContour);
  EXPECT_FALSE(Check("ShowLine")->isChecked());
  EXPECT_TRUE(Check("ShowLine")->isEnabled());
}

TEST_F(OptionsDialogTest, EnterInASizeEditResizesThePictureArea) {
  Type("ImageWidth", "400");
  EXPECT_TRUE(Radio("SizeCustom")->isChecked());
  EXPECT_EQ(doc.ImageWidth, 275) << "not before Enter";
  QTest::keyClick(Edit("ImageWidth"), Qt::Key_Return);
  EXPECT_EQ(doc.ImageWidth, 400);
  EXPECT_EQ(Find<QWidget>(window, "GraphImage")->width(), 400);
  EXPECT_TRUE(dialog->isVisible()) << "Enter must not press the dialog's buttons";

  Click("Size275275");
  EXPECT_EQ(Edit("ImageWidth")->text(), "275");
  EXPECT_TRUE(Radio("Size275275")->isChecked());
}

TEST_F(OptionsDialogTest, ColourButtonsResetAndClose) {
  ui.Colors = {MakeColor(0, 128, 255), std::nullopt};
  Click("BacKColorButton");
  EXPECT_EQ(ShapeColor("BKCOLOR"), QColor(0, 128, 255));
  doc.Options.ClearSettingsChanged();
  Click("BorderColorButton");  // cancelled: the colour stays, the settings count as changed
  EXPECT_EQ(ShapeColor("BDColor"), QColor(0, 0, 0));
  EXPECT_TRUE(doc.Options.SettingsChanged());

  Type("XTitleBox", "距離");
  Click("GrayColor");
  Click("Button1");
  EXPECT_EQ(ShapeColor("BKCOLOR"), QColor(255, 255, 255));
  EXPECT_TRUE(Radio("RainbowColor")->isChecked());
  EXPECT_EQ(Edit("XTitleBox")->text(), "距離") << "the reset keeps the titles";

  Click("OKButton");
  EXPECT_FALSE(dialog->isVisible());
}

// Moved by the window system (as by dragging its caption), closed and opened again: it comes
// back where it was left, not centred over the main window anew.
TEST_F(OptionsDialogTest, ComesBackWhereThePersonLeftIt) {
  const QPoint before = dialog->pos();
  dialog->windowHandle()->setPosition(dialog->windowHandle()->position() + QPoint(57, 31));
  QCoreApplication::processEvents();
  const QPoint left = dialog->pos();
  ASSERT_EQ(left, before + QPoint(57, 31));
  Click("OKButton");
  ASSERT_FALSE(dialog->isVisible());
  ActionOf(window, "O3")->trigger();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->pos(), left);
}

}  // namespace
}  // namespace tarn
