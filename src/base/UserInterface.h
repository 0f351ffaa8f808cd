// The one road from the core to the person: message boxes, questions, the common dialogs,
// the progress dialog with its cancel button and message pump, the clipboard and a timer.
// The desktop window and the batch runner each implement it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "base/Color.h"
#include "base/FontChoice.h"

namespace tarn {

enum class MessageKind {
  Warning,      // a warning box with OK
  Information,  // an information box with OK
  Error,        // the general error report of a command that failed
};

// What a file dialog shows; the filter is in the platform's "caption|pattern|..." form.
struct FileDialogRequest {
  std::string Title;
  std::string Filter;
  std::string DefaultExtension;
};

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  virtual void ShowMessage(MessageKind kind, const std::string& text) = 0;
  // The general error report with where it happened (a file and line) as further detail;
  // ports without room for the detail show the text alone.
  virtual void ShowError(const std::string& text, const std::string& detail) {
    static_cast<void>(detail);
    ShowMessage(MessageKind::Error, text);
  }
  // A confirmation with Yes and No; true for Yes.
  virtual bool Ask(const std::string& text) = 0;

  // The chosen file name, or nothing when the dialog was cancelled.
  virtual std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) = 0;
  // The colour dialog starts on the colour last picked in it, not on the current one.
  virtual std::optional<Color> ChooseColor() = 0;
  // The colour dialog preset to `initial`; ports without a preset answer as ChooseColor.
  virtual std::optional<Color> ChooseColorFrom(Color initial) {
    static_cast<void>(initial);
    return ChooseColor();
  }
  virtual std::optional<FontChoice> ChooseFont(const FontChoice& initial) = 0;

  // The modeless progress dialog; "中断" calls the handler given to SetCancelHandler.
  virtual void ShowProgress(const std::string& label, int minimum, int maximum) = 0;
  virtual void SetProgressPosition(int position) = 0;
  virtual void HideProgress() = 0;
  virtual void SetCancelHandler(std::function<void()> onCancel) = 0;
  // Lets the platform handle pending input once; the long operations call it between steps.
  virtual void ProcessMessages() = 0;

  virtual std::string ClipboardText() = 0;

  // A periodic timer on the user-interface thread; an interval of 0 stops it.
  virtual void SetTimer(int intervalMilliseconds, std::function<void()> onTick) = 0;

  // Calls `onChange` on the user-interface thread whenever the file at `path` changes on disk;
  // an empty path stops watching. False where the platform cannot watch files.
  virtual bool WatchFile(const std::string& path, std::function<void()> onChange) {
    static_cast<void>(path);
    static_cast<void>(onChange);
    return false;
  }
};

}  // namespace tarn
