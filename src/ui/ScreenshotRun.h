// A hidden start-up mode for documentation and tests: "--screenshot OUTDIR DATAFILE SCATTERFILE"
// loads the data file through the menu's own command, builds the mesh, redraws, and saves the
// main window, the window with the status bar reading the picture under the mouse, every page
// of the options dialog, the About box, the help window, the progress and font dialogs as PNG
// pictures; then loads the scatter table, redraws, and saves the window while the legend
// outline follows the mouse and after a click placed it, the series editor, and the file menu
// open at the recent files; answering every dialog and question itself. The exit code is 0 when
// every picture was written and shows something.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tarn {

class MainWindow;
class UserInterface;

struct ScreenshotRequest {
  QString OutDir;
  QString DataFile;
  QString ScatterFile;
};

std::optional<ScreenshotRequest> ParseScreenshotRequest(const QStringList& arguments);

// Runs the steps on a shown window; the window must use a port made by MakeScreenshotPort.
int TakeScreenshots(MainWindow& window, const ScreenshotRequest& request);

}  // namespace tarn
