// The progress dialog of the long operations: a label, a bar and "中断". It is modeless, so
// the other windows stay usable while an operation pumps messages; "中断" (or the close button,
// which means the same) only reports the click, the running operation decides when to stop.
#pragma once

#include <QDialog>
#include <functional>

class QCloseEvent;
class QLabel;
class QProgressBar;
class QPushButton;

namespace tarn {

class ProgressDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ProgressDialog(QWidget* parent = nullptr);

  // Shows the dialog (or brings it to the front) with a fresh label and range.
  void Start(const QString& label, int minimum, int maximum);
  void SetPosition(int position);
  void SetCancelHandler(std::function<void()> onCancel) { onCancel_ = std::move(onCancel); }

  QLabel* Label() const { return label_; }
  QProgressBar* Bar() const { return bar_; }
  QPushButton* CancelButton() const { return cancelButton_; }

 protected:
  // Escape would close a dialog; here it means nothing, the operation owns the dialog.
  void reject() override {}
  // The close button is "中断": the dialog stays until the operation ends.
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* label_;
  QProgressBar* bar_;
  QPushButton* cancelButton_;
  std::function<void()> onCancel_;
};

}  // namespace tarn
