#include "batch/BatchUserInterface.h"

namespace tarn {

std::string OneLine(const std::string& text) {
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\r' || text[i] == '\n') {
      line += "\\n";
    } else {
      line += text[i];
    }
  }
  return line;
}

void BatchUserInterface::Print(const char* kind, const std::string& text) {
  err_ << kind << ": " << OneLine(text) << '\n';
  err_.flush();
}

void BatchUserInterface::ShowMessage(MessageKind kind, const std::string& text) {
  switch (kind) {
    case MessageKind::Warning: Print("warning", text); break;
    case MessageKind::Information: Print("information", text); break;
    case MessageKind::Error:
      ++errors_;
      Print("error", text);
      break;
  }
}

bool BatchUserInterface::Ask(const std::string& text) {
  Print("question", text + (answer_ ? " [yes]" : " [no]"));
  return answer_;
}

std::optional<std::string> BatchUserInterface::TakeNextFile() {
  std::optional<std::string> file = std::move(nextFile_);
  nextFile_.reset();
  if (!file || file->empty()) return std::nullopt;
  return file;
}

std::optional<std::string> BatchUserInterface::ChooseFileToOpen(const FileDialogRequest&) { return TakeNextFile(); }

std::optional<std::string> BatchUserInterface::ChooseFileToSave(const FileDialogRequest&) { return TakeNextFile(); }

std::optional<Color> BatchUserInterface::ChooseColor() {
  std::optional<Color> color = nextColor_;
  nextColor_.reset();
  return color;
}

std::optional<FontChoice> BatchUserInterface::ChooseFont(const FontChoice&) {
  std::optional<FontChoice> font = std::move(nextFont_);
  nextFont_.reset();
  return font;
}

void BatchUserInterface::ShowProgress(const std::string&, int, int) {
  if (operationArmed_) return;  // the same operation showing its dialog again
  operationArmed_ = interruptAt_ > 0;
  pumpsInOperation_ = 0;
}

void BatchUserInterface::SetProgressPosition(int) {}

void BatchUserInterface::HideProgress() {
  // An operation that ended before the chosen pump takes the interrupt with it.
  if (operationArmed_) interruptAt_ = 0;
  operationArmed_ = false;
}

void BatchUserInterface::SetCancelHandler(std::function<void()> onCancel) { onCancel_ = std::move(onCancel); }

void BatchUserInterface::ProcessMessages() {
  if (!operationArmed_) return;
  if (++pumpsInOperation_ == interruptAt_) {
    interruptAt_ = 0;
    operationArmed_ = false;
    if (onCancel_) onCancel_();
  }
}

std::string BatchUserInterface::ClipboardText() { return clipboard_; }

void BatchUserInterface::SetTimer(int, std::function<void()>) {}

}  // namespace tarn
