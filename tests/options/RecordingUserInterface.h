// A UserInterface that records the message boxes it is asked to show; the settings code
// uses nothing else of the port, so the other calls fail the test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/UserInterface.h"

namespace tarn::testing {

struct RecordedMessage {
  MessageKind Kind;
  std::string Text;
  friend bool operator==(const RecordedMessage&, const RecordedMessage&) = default;
};

class RecordingUserInterface : public UserInterface {
 public:
  std::vector<RecordedMessage> Messages;

  void ShowMessage(MessageKind kind, const std::string& text) override {
    Messages.push_back({kind, text});
  }
  bool Ask(const std::string&) override { return Unused<bool>(); }
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest&) override {
    return Unused<std::optional<std::string>>();
  }
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest&) override {
    return Unused<std::optional<std::string>>();
  }
  std::optional<Color> ChooseColor() override { return Unused<std::optional<Color>>(); }
  std::optional<FontSpec> ChooseFont(const FontSpec&) override {
    return Unused<std::optional<FontSpec>>();
  }
  void ShowProgress(const std::string&, int, int) override { Unused<int>(); }
  void SetProgressPosition(int) override { Unused<int>(); }
  void HideProgress() override { Unused<int>(); }
  void SetCancelHandler(std::function<void()>) override { Unused<int>(); }
  void ProcessMessages() override { Unused<int>(); }
  std::string ClipboardText() override { return Unused<std::string>(); }
  void SetTimer(int, std::function<void()>) override { Unused<int>(); }

 private:
  template <typename T>
  T Unused() {
    ADD_FAILURE() << "the settings code asked the user interface for more than a message";
    return T{};
  }
};

}  // namespace tarn::testing
