// A user-interface port for tests: records every message and question as a line of text,
// answers questions and dialogs from scripts, and can press "中断" at a chosen pump.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "base/UserInterface.h"

namespace tarn::testing {

class ScriptedUserInterface : public UserInterface {
 public:
  // "warning: text", "information: text", "error: text", "question: text", "progress: label 0..9",
  // "position: 3", "hide" in the order they happened.
  std::vector<std::string> Events;
  std::deque<bool> Answers;                       // empty: Yes
  std::deque<std::optional<std::string>> Files;   // empty: cancelled
  std::deque<std::optional<Color>> Colors;        // empty: cancelled
  std::deque<std::optional<FontChoice>> Fonts;      // empty: cancelled
  std::string Clipboard;
  int CancelAtPump = 0;  // 0: never; n: "中断" during the n-th pump
  int Pumps = 0;

  // Only the message and question lines.
  std::vector<std::string> Messages() const;

  void ShowMessage(MessageKind kind, const std::string& text) override;
  bool Ask(const std::string& text) override;
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;
  std::optional<Color> ChooseColor() override;
  std::optional<FontChoice> ChooseFont(const FontChoice& initial) override;
  void ShowProgress(const std::string& label, int minimum, int maximum) override;
  void SetProgressPosition(int position) override;
  void HideProgress() override;
  void SetCancelHandler(std::function<void()> onCancel) override { onCancel_ = std::move(onCancel); }
  void ProcessMessages() override;
  std::string ClipboardText() override { return Clipboard; }
  void SetTimer(int intervalMilliseconds, std::function<void()> onTick) override;

  FileDialogRequest LastDialog;
  int TimerInterval = 0;
  std::function<void()> TimerTick;

 private:
  template <typename T>
  static T Take(std::deque<T>& queue, T empty) {
    if (queue.empty()) return empty;
    T value = queue.front();
    queue.pop_front();
    return value;
  }
  std::function<void()> onCancel_;
};

}  // namespace tarn::testing
