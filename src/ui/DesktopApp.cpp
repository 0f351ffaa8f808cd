#include "ui/DesktopApp.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTimer>
#include <memory>

#include "app/Document.h"
#include "platform/FontSystem.h"
#include "ui/MainWindow.h"
#include "ui/QtUserInterface.h"
#include "ui/ScreenshotPort.h"
#include "ui/ScreenshotRun.h"

namespace tarn {

namespace {

// The window font: the gothic face the graph text also maps to, 12 pixels high.
void UseWindowFont() {
  QFont font(ResolveFamily(QString::fromStdString(FontChoice().Face)));
  font.setPixelSize(12);
  QApplication::setFont(font);
}

// The program speaks Japanese whatever the locale, and so do Qt's own dialogs and buttons
// when their translation is installed (Debian: qt6-translations-l10n); else they stay English.
void UseJapaneseQtTexts(QTranslator& translator) {
  if (translator.load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&translator);
  }
}

}  // namespace

int RunDesktopApp(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tarnplot");
  UseWindowFont();
  QTranslator qtTexts;
  UseJapaneseQtTexts(qtTexts);

  Document doc;
  QtUserInterface desktop;
  const std::optional<ScreenshotRequest> screenshot = ParseScreenshotRequest(QApplication::arguments());
  std::unique_ptr<ScreenshotPort> scripted;
  // The screenshots' recent files and folders stay out of the person's own.
  QTemporaryDir screenshotMemory;
  if (screenshot) {
    for (const auto format : {QSettings::IniFormat, QSettings::NativeFormat}) {
      QSettings::setPath(format, QSettings::UserScope, screenshotMemory.path());
    }
    scripted = std::make_unique<ScreenshotPort>(desktop, screenshot->DataFile.toStdString(),
                                                screenshot->ScatterFile.toStdString());
  }
  UserInterface& ui = scripted ? static_cast<UserInterface&>(*scripted) : desktop;

  // Start-up order: the main window with the options dialog and the About box, then the
  // progress dialog; all but the main window start hidden.
  MainWindow window(doc, ui);
  desktop.AttachTo(&window);
  window.show();
  if (screenshot) {
    QTimer::singleShot(0, &window, [&] { QApplication::exit(TakeScreenshots(window, *screenshot)); });
  }
  return QApplication::exec();
}

}  // namespace tarn
