// The controls of the options dialog, each tied to its option: the person's input goes to
// the model's setter through the signals that only the person raises (clicked, textEdited,
// activated), so the dialog's own mirroring never comes back as a change.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "ui/Icons.h"
#include "ui/OptionsDialog.h"

namespace tarn {

QCheckBox* OptionsDialog::MakeCheck(OptionCheck check, const char* name, const QString& caption) {
  auto* box = new QCheckBox(caption, this);
  box->setObjectName(name);
  connect(box, &QCheckBox::clicked, this, [this, check](bool ticked) {
    if (!mirroring_) model_.SetChecked(check, ticked);
  });
  checks_[static_cast<std::size_t>(check)] = box;
  return box;
}

QLineEdit* OptionsDialog::MakeEdit(OptionEdit edit, const char* name) {
  auto* line = new QLineEdit(this);
  line->setObjectName(name);
  connect(line, &QLineEdit::textEdited, this, [this, edit](const QString& text) {
    if (!mirroring_) model_.SetText(edit, text.toStdString());
  });
  edits_[static_cast<std::size_t>(edit)] = line;
  return line;
}

QButtonGroup* OptionsDialog::MakeRadioGroup(std::function<void(int)> choose) {
  auto* group = new QButtonGroup(this);
  group->setExclusive(true);
  connect(group, &QButtonGroup::idClicked, this, [this, choose = std::move(choose)](int index) {
    if (!mirroring_) choose(index);
  });
  return group;
}

QRadioButton* OptionsDialog::MakeRadio(QButtonGroup* group, int index, const char* name, const QString& caption) {
  auto* radio = new QRadioButton(caption, this);
  radio->setObjectName(name);
  group->addButton(radio, index);
  return radio;
}

QComboBox* OptionsDialog::MakeLineColorBox() {
  lineColor_ = new QComboBox(this);
  lineColor_->setObjectName("LineColorBox");
  lineColor_->addItems({"黒", "白", "反転色", "普通色", "背景色", "枠色"});
  connect(lineColor_, &QComboBox::activated, this, [this](int index) {
    if (!mirroring_) model_.PickLineColor(index);
  });
  return lineColor_;
}

QFrame* OptionsDialog::MakeColorShape(OptionColor which, const char* name) {
  auto* shape = new QFrame(this);
  shape->setObjectName(name);
  shape->setFrameStyle(QFrame::Box | QFrame::Plain);
  shape->setFixedSize(40, 20);
  shape->setAutoFillBackground(true);
  colorShapes_[static_cast<std::size_t>(which)] = shape;
  return shape;
}

QAbstractButton* OptionsDialog::MakeColorButton(OptionColor which, const char* name) {
  auto* button = new QPushButton("変更", this);
  button->setObjectName(name);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, [this, which] { model_.FinishColorDialog(which, ui_.ChooseColor()); });
  return button;
}

QToolButton* OptionsDialog::MakePatternButton(int pattern) {
  static const char* const kCaptions[] = {"パターン１", "パターン２", "パターン３"};
  auto* button = new QToolButton(this);
  button->setObjectName(QString("GraphPattern%1").arg(pattern));
  button->setText(kCaptions[pattern - 1]);
  button->setIcon(QIcon(MakePatternPicture(pattern, 40)));
  button->setIconSize(QSize(40, 40));
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setCheckable(true);
  button->setFixedSize(72, 72);
  patterns_->addButton(button, pattern);
  return button;
}

}  // namespace tarn
