#include "support/ScriptedUserInterface.h"

namespace tarn::testing {

std::vector<std::string> ScriptedUserInterface::Messages() const {
  std::vector<std::string> messages;
  for (const std::string& e : Events) {
    for (const char* kind : {"warning: ", "information: ", "error: ", "question: "}) {
      if (e.starts_with(kind)) messages.push_back(e);
    }
  }
  return messages;
}

void ScriptedUserInterface::ShowMessage(MessageKind kind, const std::string& text) {
  const char* names[] = {"warning: ", "information: ", "error: "};
  Events.push_back(names[static_cast<int>(kind)] + text);
}

bool ScriptedUserInterface::Ask(const std::string& text) {
  Events.push_back("question: " + text);
  return Take(Answers, true);
}

std::optional<std::string> ScriptedUserInterface::ChooseFileToOpen(const FileDialogRequest& request) {
  LastDialog = request;
  return Take(Files, std::optional<std::string>());
}

std::optional<std::string> ScriptedUserInterface::ChooseFileToSave(const FileDialogRequest& request) {
  LastDialog = request;
  return Take(Files, std::optional<std::string>());
}

std::optional<Color> ScriptedUserInterface::ChooseColor() { return Take(Colors, std::optional<Color>()); }

std::optional<FontChoice> ScriptedUserInterface::ChooseFont(const FontChoice&) {
  return Take(Fonts, std::optional<FontChoice>());
}

void ScriptedUserInterface::ShowProgress(const std::string& label, int minimum, int maximum) {
  Events.push_back("progress: " + label + " " + std::to_string(minimum) + ".." + std::to_string(maximum));
}

void ScriptedUserInterface::SetProgressPosition(int position) {
  Events.push_back("position: " + std::to_string(position));
}

void ScriptedUserInterface::HideProgress() { Events.push_back("hide"); }

void ScriptedUserInterface::ProcessMessages() {
  if (++Pumps == CancelAtPump && onCancel_) onCancel_();
}

void ScriptedUserInterface::SetTimer(int intervalMilliseconds, std::function<void()> onTick) {
  TimerInterval = intervalMilliseconds;
  TimerTick = std::move(onTick);
}

}  // namespace tarn::testing
