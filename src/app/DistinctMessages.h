// A user-interface port that shows each distinct message text once: within one redraw the
// margin search repeats its measurements up to a hundred times, and a warning met in every
// trial is one warning to the person. Everything else passes through.
#pragma once

#include <set>
#include <string>

#include "base/UserInterface.h"

namespace tarn {

class DistinctMessages : public UserInterface {
 public:
  explicit DistinctMessages(UserInterface& ui) : ui_(ui) {}

  void ShowMessage(MessageKind kind, const std::string& text) override {
    if (shown_.insert(text).second) ui_.ShowMessage(kind, text);
  }
  void ShowError(const std::string& text, const std::string& detail) override { ui_.ShowError(text, detail); }
  bool Ask(const std::string& text) override { return ui_.Ask(text); }
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& r) override { return ui_.ChooseFileToOpen(r); }
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& r) override { return ui_.ChooseFileToSave(r); }
  std::optional<Color> ChooseColor() override { return ui_.ChooseColor(); }
  std::optional<Color> ChooseColorFrom(Color initial) override { return ui_.ChooseColorFrom(initial); }
  std::optional<FontChoice> ChooseFont(const FontChoice& initial) override { return ui_.ChooseFont(initial); }
  void ShowProgress(const std::string& label, int minimum, int maximum) override {
    ui_.ShowProgress(label, minimum, maximum);
  }
  void SetProgressPosition(int position) override { ui_.SetProgressPosition(position); }
  void HideProgress() override { ui_.HideProgress(); }
  void SetCancelHandler(std::function<void()> onCancel) override { ui_.SetCancelHandler(std::move(onCancel)); }
  void ProcessMessages() override { ui_.ProcessMessages(); }
  std::string ClipboardText() override { return ui_.ClipboardText(); }
  void SetTimer(int intervalMilliseconds, std::function<void()> onTick) override {
    ui_.SetTimer(intervalMilliseconds, std::move(onTick));
  }
  bool WatchFile(const std::string& path, std::function<void()> onChange) override {
    return ui_.WatchFile(path, std::move(onChange));
  }

 private:
  UserInterface& ui_;
  std::set<std::string> shown_;
};

}  // namespace tarn
