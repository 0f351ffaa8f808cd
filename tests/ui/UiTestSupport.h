// What the widget tests share: a Qt application on the offscreen platform for the whole
// test program, and a scripted port that also drives a real progress dialog, so "中断" can
// be pressed with the mouse while a long operation pumps messages.
#pragma once

#include <QAction>
#include <QWidget>
#include <functional>
#include <string>

#include "support/ScriptedUserInterface.h"
#include "ui/ProgressDialog.h"

namespace tarn::testing {

class WidgetTestPort : public ScriptedUserInterface {
 public:
  WidgetTestPort() = default;

  // Called at every pump with its number (1, 2, ...), before the scripted cancel.
  std::function<void(int pump)> OnPump;
  ProgressDialog Progress;

  void ShowProgress(const std::string& label, int minimum, int maximum) override;
  void SetProgressPosition(int position) override;
  void HideProgress() override;
  void SetCancelHandler(std::function<void()> onCancel) override;
  void ProcessMessages() override;
};

// The example contour file of the repository.
std::string ExampleFile();

// Empties the recent files and dialog folders the window keeps between sessions.
void ForgetWindowMemory();
// The same as a member declared before the window, so the window starts with nothing remembered.
struct FreshWindowMemory {
  FreshWindowMemory() { ForgetWindowMemory(); }
};

template <typename T = QWidget>
T* Find(const QObject& root, const char* name) {
  return root.findChild<T*>(name);
}

inline QAction* ActionOf(const QObject& root, const char* name) { return Find<QAction>(root, name); }

}  // namespace tarn::testing
