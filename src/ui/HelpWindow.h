// The help page in a window of our own: the program's HELP/Index.htm in a text browser, so help
// shows on every machine, with a web browser or without one. Links within the help stay in the
// window; links out of it go to the handler the main window gives.
#pragma once

#include <QWidget>
#include <functional>

class QTextBrowser;
class QUrl;

namespace tarn {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  HelpWindow(std::function<void(const QUrl&)> openOutside, QWidget* parent = nullptr);

  // Loads the page (again, so an edited file shows) and shows the window or brings it to the front.
  void ShowPage(const QString& path);
  QTextBrowser* Browser() const { return browser_; }

 private:
  void Follow(const QUrl& link);

  QTextBrowser* browser_;
  std::function<void(const QUrl&)> openOutside_;
};

}  // namespace tarn
