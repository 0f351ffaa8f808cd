// The user-interface port without a window: message boxes become lines on standard error,
// questions take the current answer, file dialogs take the file named by the command, and
// "中断" can be pressed at a chosen message pump of the next long operation.
#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <string>

#include "base/UserInterface.h"

namespace tarn {

class BatchUserInterface : public UserInterface {
 public:
  explicit BatchUserInterface(std::ostream& err) : err_(err) {}

  // Set by the runner before a command: what the next file dialog returns ("" = cancelled).
  void SetNextFile(std::string fileName) { nextFile_ = std::move(fileName); }
  void SetAnswer(bool yes) { answer_ = yes; }
  void SetNextColor(std::optional<Color> color) { nextColor_ = color; }
  void SetNextFont(std::optional<FontChoice> font) { nextFont_ = std::move(font); }
  void SetClipboardText(std::string text) { clipboard_ = std::move(text); }
  // "中断" is pressed during the n-th message pump (from 1) of the next long operation.
  void InterruptAtPump(int n) { interruptAt_ = n; }
  int ErrorCount() const { return errors_; }

  void ShowMessage(MessageKind kind, const std::string& text) override;
  bool Ask(const std::string& text) override;
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;
  std::optional<Color> ChooseColor() override;
  std::optional<FontChoice> ChooseFont(const FontChoice& initial) override;
  void ShowProgress(const std::string& label, int minimum, int maximum) override;
  void SetProgressPosition(int position) override;
  void HideProgress() override;
  void SetCancelHandler(std::function<void()> onCancel) override;
  void ProcessMessages() override;
  std::string ClipboardText() override;
  void SetTimer(int intervalMilliseconds, std::function<void()> onTick) override;

 private:
  std::optional<std::string> TakeNextFile();
  void Print(const char* kind, const std::string& text);

  std::ostream& err_;
  std::optional<std::string> nextFile_;
  std::optional<Color> nextColor_;
  std::optional<FontChoice> nextFont_;
  std::string clipboard_;
  bool answer_ = true;
  int interruptAt_ = 0;       // 0: no interrupt pending
  int pumpsInOperation_ = 0;
  bool operationArmed_ = false;
  std::function<void()> onCancel_;
  int errors_ = 0;
};

// A message as one line: each line break written as the two characters "\n".
std::string OneLine(const std::string& text);

}  // namespace tarn
