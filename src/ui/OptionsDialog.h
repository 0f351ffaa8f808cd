// The options dialog: five pages whose controls mirror the options model. The person's
// edits go to the model's setters; every change the model reports (its own interlocks, a
// redraw's write-back, the settings reader, the reset) is shown by re-reading the control,
// without being sent back as a new change.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <vector>

#include "base/UserInterface.h"
#include "options/OptionsModel.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QHideEvent;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class QToolButton;

namespace tarn {

class OptionsDialog : public QDialog {
  Q_OBJECT

 public:
  OptionsDialog(OptionsModel& model, UserInterface& ui, QWidget* parent = nullptr);
  ~OptionsDialog() override;

 signals:
  // Enter in a picture-size edit.
  void SizingImageRequested();
  // "散布図の詳細設定".
  void ShowSanpuRequested();
  // The reload interval edit: a typed text, and Enter.
  void ReloadIntervalTyped(const QString& text);
  void ReloadIntervalEntered();

 public slots:
  // The reload countdown's bar and whether the interval edit shows unapplied (red) text.
  void ShowReloadState(int position, bool intervalRed);

 protected:
  // A dialog shown again would be centred over the main window anew; it comes back where the
  // person last left it.
  void hideEvent(QHideEvent* event) override;

 private:
  static constexpr int kChecks = static_cast<int>(OptionCheck::Count);
  static constexpr int kEdits = static_cast<int>(OptionEdit::Count);

  // Pages (OptionsPages.cpp).
  QWidget* BuildAxesPage();
  QWidget* BuildContourPage();
  QWidget* BuildScatterPage();
  QWidget* BuildPaperPage();
  QWidget* BuildOtherPage();
  QGroupBox* BuildTitlesGroup();
  QGroupBox* BuildRangesGroup();
  QGroupBox* BuildStepsGroup();
  QGroupBox* BuildFillGroup();
  QGroupBox* BuildLevelsGroup();
  QGroupBox* BuildSizeGroup();
  QGroupBox* BuildColorsGroup();
  QGroupBox* BuildPatternGroup();
  QGroupBox* BuildDataFormatGroup();
  QGroupBox* BuildReloadGroup();
  QLayout* BuildButtonRow();

  // Controls bound to the model (OptionsBinding.cpp).
  QCheckBox* MakeCheck(OptionCheck check, const char* name, const QString& caption);
  QLineEdit* MakeEdit(OptionEdit edit, const char* name);
  QRadioButton* MakeRadio(QButtonGroup* group, int index, const char* name, const QString& caption);
  QButtonGroup* MakeRadioGroup(std::function<void(int)> choose);
  QComboBox* MakeLineColorBox();
  QFrame* MakeColorShape(OptionColor which, const char* name);
  QAbstractButton* MakeColorButton(OptionColor which, const char* name);
  QToolButton* MakePatternButton(int pattern);

  // Model to controls (OptionsMirror.cpp).
  void Mirror(const OptionChange& change);
  void MirrorAll();
  void MirrorCheck(OptionCheck check);
  void MirrorEdit(OptionEdit edit);
  void MirrorColor(OptionColor which);
  void ShowReloadControls();
  static void MirrorRadio(QButtonGroup* group, int index);

  OptionsModel& model_;
  UserInterface& ui_;
  OptionsModel::ListenerId listener_ = 0;
  // True while the dialog writes the model's state into its controls.
  bool mirroring_ = false;

  std::array<QCheckBox*, kChecks> checks_{};
  std::array<QLineEdit*, kEdits> edits_{};
  QButtonGroup* fillStyle_ = nullptr;
  QButtonGroup* colorScheme_ = nullptr;
  QButtonGroup* scatterColors_ = nullptr;
  QButtonGroup* pictureSize_ = nullptr;
  QButtonGroup* dataFormat_ = nullptr;
  QButtonGroup* patterns_ = nullptr;
  QComboBox* lineColor_ = nullptr;
  std::array<QFrame*, 2> colorShapes_{};
  // Shown only while the reload is switched on.
  std::vector<QWidget*> reloadControls_;
  QProgressBar* reloadProgress_ = nullptr;
  QLineEdit* reloadInterval_ = nullptr;
};

}  // namespace tarn
