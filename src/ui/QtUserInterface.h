// The user-interface port in the desktop window: Qt message boxes, file, colour and font
// dialogs, a modeless progress dialog whose "中断" calls the cancel handler, the clipboard
// and a timer.
#pragma once

#include <QPointer>

#include "base/UserInterface.h"

class QProgressDialog;
class QTimer;
class QWidget;

namespace tarn {

class QtUserInterface : public UserInterface {
 public:
  explicit QtUserInterface(QWidget* owner) : owner_(owner) {}
  ~QtUserInterface() override;

  void ShowMessage(MessageKind kind, const std::string& text) override;
  bool Ask(const std::string& text) override;
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;
  std::optional<Color> ChooseColor() override;
  std::optional<FontSpec> ChooseFont(const FontSpec& initial) override;
  void ShowProgress(const std::string& label, int minimum, int maximum) override;
  void SetProgressPosition(int position) override;
  void HideProgress() override;
  void SetCancelHandler(std::function<void()> onCancel) override;
  void ProcessMessages() override;
  std::string ClipboardText() override;
  void SetTimer(int intervalMilliseconds, std::function<void()> onTick) override;

 private:
  QWidget* owner_;
  QPointer<QProgressDialog> progress_;
  QPointer<QTimer> timer_;
  std::function<void()> onCancel_;
  Color lastPickedColor_ = kWhite;
};

// The platform's "caption|pattern|caption|pattern" filter as Qt writes it.
QString ToQtFilter(const std::string& filter);

}  // namespace tarn
