#include "UiTestSupport.h"

#include <QApplication>
#include <QFont>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarn::testing {

namespace {

// One application for the whole program, on the offscreen platform so no display is needed;
// what the window and Qt's dialogs remember goes to a folder of its own, never to the user's.
class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own file dialog keeps its state in the native format: that goes there too.
    for (const auto format : {QSettings::IniFormat, QSettings::NativeFormat}) {
      QSettings::setPath(format, QSettings::UserScope, settingsDir_.path());
    }
    app_ = new QApplication(argc_, argv_);
    QFont font("IPAPGothic");
    font.setPixelSize(12);
    QApplication::setFont(font);
  }
  void TearDown() override { delete app_; }

 private:
  int argc_ = 1;
  char name_[8] = "test_ui";
  char* argv_[2] = {name_, nullptr};
  QApplication* app_ = nullptr;
  QTemporaryDir settingsDir_;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace

void WidgetTestPort::ShowProgress(const std::string& label, int minimum, int maximum) {
  ScriptedUserInterface::ShowProgress(label, minimum, maximum);
  Progress.Start(QString::fromStdString(label), minimum, maximum);
}

void WidgetTestPort::SetProgressPosition(int position) {
  ScriptedUserInterface::SetProgressPosition(position);
  Progress.SetPosition(position);
}

void WidgetTestPort::HideProgress() {
  ScriptedUserInterface::HideProgress();
  Progress.hide();
}

void WidgetTestPort::SetCancelHandler(std::function<void()> onCancel) {
  Progress.SetCancelHandler(onCancel);
  ScriptedUserInterface::SetCancelHandler(std::move(onCancel));
}

void WidgetTestPort::ProcessMessages() {
  if (OnPump) OnPump(Pumps + 1);
  ScriptedUserInterface::ProcessMessages();
}

void ForgetWindowMemory() { QSettings(QSettings::IniFormat, QSettings::UserScope, "Tarnplot", "TarnplotWindow").clear(); }

std::string ExampleFile() { return std::string(TARNPLOT_SOURCE_DIR) + "/examples/contour_standard.txt"; }

}  // namespace tarn::testing
