// The user-interface port in the desktop window: Qt message boxes, file, colour and font
// dialogs, the modeless progress dialog whose "中断" calls the cancel handler, the message
// pump, the clipboard and a timer.
#pragma once

#include <QPointer>
#include <QString>

#include "base/UserInterface.h"
#include "ui/ProgressDialog.h"

class QTimer;
class QFileSystemWatcher;
class QWidget;

namespace tarn {


class QtUserInterface : public UserInterface {
 public:
  QtUserInterface() = default;
  ~QtUserInterface() override;
  QtUserInterface(const QtUserInterface&) = delete;
  QtUserInterface& operator=(const QtUserInterface&) = delete;

  // Message boxes and dialogs open over `owner`; the progress dialog is created here, hidden,
  // as a window of `owner`.
  void AttachTo(QWidget* owner);
  ProgressDialog* Progress() const { return progress_; }

  void ShowMessage(MessageKind kind, const std::string& text) override;
  bool Ask(const std::string& text) override;
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;
  std::optional<Color> ChooseColor() override;
  std::optional<Color> ChooseColorFrom(Color initial) override;
  std::optional<FontChoice> ChooseFont(const FontChoice& initial) override;
  void ShowProgress(const std::string& label, int minimum, int maximum) override;
  void SetProgressPosition(int position) override;
  void HideProgress() override;
  void SetCancelHandler(std::function<void()> onCancel) override;
  void ProcessMessages() override;
  std::string ClipboardText() override;
  void SetTimer(int intervalMilliseconds, std::function<void()> onTick) override;
  bool WatchFile(const std::string& path, std::function<void()> onChange) override;

 private:
  QPointer<QWidget> owner_;
  QPointer<ProgressDialog> progress_;
  QPointer<QTimer> timer_;
  QPointer<QFileSystemWatcher> watcher_;
  std::function<void()> onCancel_;
  Color lastPickedColor_ = kWhite;
};

// The platform's "caption|pattern|caption|pattern" filter as Qt writes it.
QString ToQtFilter(const std::string& filter);

// A message of the core as a Qt text: its CR LF line ends become plain line feeds.
QString MessageText(const std::string& text);

}  // namespace tarn
