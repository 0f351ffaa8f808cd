// A UserInterface for tests of the renderers and the settings file: it records the message boxes and the progress calls,
// and lets a test act at a chosen ProcessMessages call (to press "中断", for instance).
// The dialogs, the clipboard and the timer are not expected and fail the test.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/UserInterface.h"

namespace tarn::testing {

struct ShownMessage {
  MessageKind Kind;
  std::string Text;
  friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

class FakeUserInterface : public UserInterface {
 public:
  std::vector<ShownMessage> Messages;
  // "ShowProgress <label> <min> <max>", "SetProgressPosition <p>", "HideProgress",
  // "ProcessMessages", in call order.
  std::vector<std::string> ProgressCalls;
  // Called on every ProcessMessages with the number of the call (1 for the first).
  std::function<void(int)> OnProcessMessages;
  // What "中断" would call; kept so a test can invoke it.
  std::function<void()> CancelHandler;

  void ShowMessage(MessageKind kind, const std::string& text) override { Messages.push_back({kind, text}); }
  bool Ask(const std::string&) override { return Unused<bool>(); }
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest&) override {
    return Unused<std::optional<std::string>>();
  }
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest&) override {
    return Unused<std::optional<std::string>>();
  }
  std::optional<Color> ChooseColor() override { return Unused<std::optional<Color>>(); }
  std::optional<FontChoice> ChooseFont(const FontChoice&) override { return Unused<std::optional<FontChoice>>(); }

  void ShowProgress(const std::string& label, int minimum, int maximum) override {
    ProgressCalls.push_back("ShowProgress " + label + " " + std::to_string(minimum) + " " + std::to_string(maximum));
  }
  void SetProgressPosition(int position) override {
    ProgressCalls.push_back("SetProgressPosition " + std::to_string(position));
  }
  void HideProgress() override { ProgressCalls.push_back("HideProgress"); }
  void SetCancelHandler(std::function<void()> onCancel) override { CancelHandler = std::move(onCancel); }
  void ProcessMessages() override {
    ProgressCalls.push_back("ProcessMessages");
    ++processMessagesCalls_;
    if (OnProcessMessages) OnProcessMessages(processMessagesCalls_);
  }

  std::string ClipboardText() override { return Unused<std::string>(); }
  void SetTimer(int, std::function<void()>) override { Unused<int>(); }

 private:
  template <typename T>
  T Unused() {
    ADD_FAILURE() << "the code under test asked the user interface for more than messages and progress";
    return T{};
  }

  int processMessagesCalls_ = 0;
};

}  // namespace tarn::testing
