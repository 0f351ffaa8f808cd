// A port that hands every call to another port: the base of ports that change one or two
// answers (a dropped file for the open dialog, each message once per redraw) and pass the rest on.
#pragma once

#include "base/UserInterface.h"

namespace tarn {

class ForwardingUserInterface : public UserInterface {
 public:
  explicit ForwardingUserInterface(UserInterface& next) : next_(next) {}

  void ShowMessage(MessageKind kind, const std::string& text) override { next_.ShowMessage(kind, text); }
  void ShowError(const std::string& text, const std::string& detail) override { next_.ShowError(text, detail); }
  bool Ask(const std::string& text) override { return next_.Ask(text); }
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& r) override { return next_.ChooseFileToOpen(r); }
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& r) override { return next_.ChooseFileToSave(r); }
  std::optional<Color> ChooseColor() override { return next_.ChooseColor(); }
  std::optional<Color> ChooseColorFrom(Color initial) override { return next_.ChooseColorFrom(initial); }
  std::optional<FontChoice> ChooseFont(const FontChoice& initial) override { return next_.ChooseFont(initial); }
  void ShowProgress(const std::string& label, int minimum, int maximum) override {
    next_.ShowProgress(label, minimum, maximum);
  }
  void SetProgressPosition(int position) override { next_.SetProgressPosition(position); }
  void HideProgress() override { next_.HideProgress(); }
  void SetCancelHandler(std::function<void()> onCancel) override { next_.SetCancelHandler(std::move(onCancel)); }
  void ProcessMessages() override { next_.ProcessMessages(); }
  std::string ClipboardText() override { return next_.ClipboardText(); }
  void SetTimer(int intervalMilliseconds, std::function<void()> onTick) override {
    next_.SetTimer(intervalMilliseconds, std::move(onTick));
  }
  bool WatchFile(const std::string& path, std::function<void()> onChange) override {
    return next_.WatchFile(path, std::move(onChange));
  }

 protected:
  UserInterface& Next() { return next_; }

 private:
  UserInterface& next_;
};

// A port that shows nothing, asks nothing and answers every dialog with Cancel: for programs
// that run the core's code where no person is (benchmarks, fuzz targets).
class SilentUserInterface : public UserInterface {
 public:
  void ShowMessage(MessageKind, const std::string&) override {}
  bool Ask(const std::string&) override { return false; }
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest&) override { return {}; }
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest&) override { return {}; }
  std::optional<Color> ChooseColor() override { return {}; }
  std::optional<FontChoice> ChooseFont(const FontChoice&) override { return {}; }
  void ShowProgress(const std::string&, int, int) override {}
  void SetProgressPosition(int) override {}
  void HideProgress() override {}
  void SetCancelHandler(std::function<void()>) override {}
  void ProcessMessages() override {}
  std::string ClipboardText() override { return {}; }
  void SetTimer(int, std::function<void()>) override {}
};

}  // namespace tarn
