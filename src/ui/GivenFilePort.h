// The port one command of the window runs with: everything passes through to the window's
// port, except that the first open dialog may be answered with a file given beforehand (one
// dropped on the window, or picked from the recent files), and the file an open dialog gave is
// noted with the dialog's title, so the window can tell which data file the command opened.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "base/ForwardingUserInterface.h"

namespace tarn {

struct ChosenFile {
  std::string Title;  // of the dialog that gave it
  std::string Path;
};

class GivenFilePort : public ForwardingUserInterface {
 public:
  GivenFilePort(UserInterface& ui, std::optional<std::string> given)
      : ForwardingUserInterface(ui), given_(std::move(given)) {}

  const std::optional<ChosenFile>& Chosen() const { return chosen_; }

  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& r) override {
    std::optional<std::string> path = given_ ? std::exchange(given_, std::nullopt) : Next().ChooseFileToOpen(r);
    if (path) chosen_ = ChosenFile{r.Title, *path};
    return path;
  }

 private:
  std::optional<std::string> given_;
  std::optional<ChosenFile> chosen_;
};

}  // namespace tarn
