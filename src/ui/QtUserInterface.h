// The user-interface port in the desktop window: Qt message boxes, file, colour and font
// dialogs (each file dialog starting in the folder last used for its kind), the modeless
// progress dialog whose "中断" calls the cancel handler, the message pump, the clipboard and a
// timer; and the close question of the main window, which can also be dismissed.
#pragma once

#include <QPointer>
#include <QString>

#include "base/UserInterface.h"
#include "ui/ProgressDialog.h"

class QTimer;
class QFileSystemWatcher;
class QWidget;

namespace tarn {

// The answers to the question asked before the main window closes; Dismissed is the box closed
// with Escape or its close button, which keeps the window open.
enum class CloseAnswer { Yes, No, Dismissed };

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
  // The general error report; a non-empty detail (where the error was met) goes behind the
  // box's details button.
  void ShowError(const std::string& text, const std::string& detail) override;
  bool Ask(const std::string& text) override;
  // The Yes/No question, where dismissing the box is an answer of its own.
  CloseAnswer AskBeforeClosing(const std::string& text);
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
