// What the fuzz targets share: a port that answers nothing and shows nothing, and the rule that
// the program's own errors are expected answers to bad input, while anything else is a fault.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/Errors.h"
#include "base/UserInterface.h"

namespace tarn::fuzz {

class QuietPort : public UserInterface {
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

// Runs `read` on the input; the program's own errors are fine, anything else escapes and fails.
template <typename Read>
int Fuzz(const std::uint8_t* data, std::size_t size, Read read) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  try {
    read(bytes);
  } catch (const TarnError&) {
  }
  return 0;
}

}  // namespace tarn::fuzz
