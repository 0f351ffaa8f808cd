// The port of the screenshot mode: the open dialog returns the data file (the scatter table for
// the scatter dialog), questions are answered Yes, messages go to the error stream instead of a
// modal box, the other dialogs are cancelled; everything else is the desktop's own port.
#pragma once

#include <string>

#include "app/DialogFilters.h"
#include "base/ForwardingUserInterface.h"

namespace tarn {

class ScreenshotPort : public ForwardingUserInterface {
 public:
  ScreenshotPort(UserInterface& desktop, std::string dataFile, std::string scatterFile)
      : ForwardingUserInterface(desktop), dataFile_(std::move(dataFile)), scatterFile_(std::move(scatterFile)) {}

  void ShowMessage(MessageKind kind, const std::string& text) override;
  void ShowError(const std::string& text, const std::string&) override { ShowMessage(MessageKind::Error, text); }
  bool Ask(const std::string& text) override;
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override {
    return request.Title == kScatterDataTitle ? scatterFile_ : dataFile_;
  }
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<Color> ChooseColor() override { return std::nullopt; }
  std::optional<Color> ChooseColorFrom(Color) override { return std::nullopt; }
  std::optional<FontChoice> ChooseFont(const FontChoice&) override { return std::nullopt; }

 private:
  std::string dataFile_;
  std::string scatterFile_;
};

}  // namespace tarn
