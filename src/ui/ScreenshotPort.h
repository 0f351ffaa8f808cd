// The port of the screenshot mode: the open dialog returns the data file (the scatter table
// for the scatter dialog), questions are
// answered Yes, messages go to the error stream instead of a modal box; everything else
// is the desktop's own port.
#pragma once

#include <string>

#include "app/DialogFilters.h"
#include "base/UserInterface.h"

namespace tarn {

class ScreenshotPort : public UserInterface {
 public:
  ScreenshotPort(UserInterface& desktop, std::string dataFile, std::string scatterFile)
      : desktop_(desktop), dataFile_(std::move(dataFile)), scatterFile_(std::move(scatterFile)) {}

  void ShowMessage(MessageKind kind, const std::string& text) override;
  bool Ask(const std::string& text) override;
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override {
    return request.Title == kScatterDataTitle ? scatterFile_ : dataFile_;
  }
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<Color> ChooseColor() override { return std::nullopt; }
  std::optional<FontChoice> ChooseFont(const FontChoice&) override { return std::nullopt; }
  void ShowProgress(const std::string& label, int minimum, int maximum) override {
    desktop_.ShowProgress(label, minimum, maximum);
  }
  void SetProgressPosition(int position) override { desktop_.SetProgressPosition(position); }
  void HideProgress() override { desktop_.HideProgress(); }
  void SetCancelHandler(std::function<void()> onCancel) override { desktop_.SetCancelHandler(std::move(onCancel)); }
  void ProcessMessages() override { desktop_.ProcessMessages(); }
  std::string ClipboardText() override { return desktop_.ClipboardText(); }
  void SetTimer(int intervalMilliseconds, std::function<void()> onTick) override {
    desktop_.SetTimer(intervalMilliseconds, std::move(onTick));
  }

 private:
  UserInterface& desktop_;
  std::string dataFile_;
  std::string scatterFile_;
};

}  // namespace tarn
