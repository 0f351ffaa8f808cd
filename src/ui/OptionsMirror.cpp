// Model to controls: each change notice names the control to re-read. The signals the
// controls raise for the program's changes are blocked, and `mirroring_` keeps the person's
// handlers quiet, so showing a change never sets an option again.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalBlocker>

#include "ui/OptionsDialog.h"

namespace tarn {

namespace {

// Sets the flag for the lifetime of the scope and restores what it was.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = was_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool was_;
};

}  // namespace

void OptionsDialog::MirrorCheck(OptionCheck check) {
  QCheckBox* box = checks_[static_cast<std::size_t>(check)];
  if (!box) return;
  const QSignalBlocker block(box);
  box->setChecked(model_.Checked(check));
  if (check == OptionCheck::ShowLine) box->setEnabled(model_.ShowLineEnabled());
  if (check == OptionCheck::AutoReloadCheck) ShowReloadControls();
}

void OptionsDialog::ShowReloadControls() {
  for (QWidget* control : reloadControls_) control->setVisible(model_.Checked(OptionCheck::AutoReloadCheck));
}

void OptionsDialog::ShowReloadState(int position, bool intervalRed) {
  reloadProgress_->setValue(position);
  QPalette palette = reloadInterval_->palette();
  palette.setColor(QPalette::Text, intervalRed ? QColor(255, 0, 0) : QColor(0, 0, 0));
  reloadInterval_->setPalette(palette);
}

void OptionsDialog::MirrorEdit(OptionEdit edit) {
  QLineEdit* line = edits_[static_cast<std::size_t>(edit)];
  if (!line) return;
  const QString text = QString::fromStdString(model_.Text(edit));
  // The person's own typing comes back unchanged; leave the cursor where it is then.
  if (line->text() == text) return;
  const QSignalBlocker block(line);
  line->setText(text);
  line->setCursorPosition(0);
}

void OptionsDialog::MirrorColor(OptionColor which) {
  QFrame* shape = colorShapes_[static_cast<std::size_t>(which)];
  const Color c = model_.GetColor(which);
  QPalette palette = shape->palette();
  palette.setColor(QPalette::Window, QColor(RedOf(c), GreenOf(c), BlueOf(c)));
  shape->setPalette(palette);
}

void OptionsDialog::MirrorRadio(QButtonGroup* group, int index) {
  QAbstractButton* button = group->button(index);
  if (!button) return;
  const QSignalBlocker block(button);
  button->setChecked(true);
}

void OptionsDialog::Mirror(const OptionChange& change) {
  const FlagScope scope(mirroring_);
  using Kind = OptionChange::Kind;
  switch (change.What) {
    case Kind::Check:
    case Kind::CheckEnabled: MirrorCheck(static_cast<OptionCheck>(change.Which)); break;
    case Kind::Edit: MirrorEdit(static_cast<OptionEdit>(change.Which)); break;
    case Kind::FillStyle: MirrorRadio(fillStyle_, static_cast<int>(model_.GetFillStyle())); break;
    case Kind::ColorScheme: MirrorRadio(colorScheme_, static_cast<int>(model_.GetColorScheme())); break;
    case Kind::ScatterColors: MirrorRadio(scatterColors_, static_cast<int>(model_.GetScatterColors())); break;
    case Kind::PictureSize: MirrorRadio(pictureSize_, static_cast<int>(model_.GetPictureSize())); break;
    case Kind::DataFormat: MirrorRadio(dataFormat_, static_cast<int>(model_.GetDataFormat())); break;
    case Kind::LineColor: {
      const QSignalBlocker block(lineColor_);
      lineColor_->setCurrentIndex(model_.LineColorIndex());
      break;
    }
    case Kind::ColorShape: MirrorColor(static_cast<OptionColor>(change.Which)); break;
    case Kind::GraphPattern: MirrorRadio(patterns_, model_.GraphPattern()); break;
    case Kind::SettingsChanged: break;
  }
}

void OptionsDialog::MirrorAll() {
  using Kind = OptionChange::Kind;
  for (int i = 0; i < kChecks; ++i) Mirror({Kind::Check, i});
  for (int i = 0; i < kEdits; ++i) Mirror({Kind::Edit, i});
  for (Kind kind : {Kind::FillStyle, Kind::ColorScheme, Kind::ScatterColors, Kind::PictureSize, Kind::DataFormat,
                    Kind::LineColor, Kind::GraphPattern}) {
    Mirror({kind, 0});
  }
  Mirror({Kind::ColorShape, static_cast<int>(OptionColor::BKCOLOR)});
  Mirror({Kind::ColorShape, static_cast<int>(OptionColor::BDColor)});
}

}  // namespace tarn
