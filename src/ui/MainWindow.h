// The main window: the tool bar with the open, mode, redraw and save buttons, the menus with
// their shortcuts and the recent files, the picture of the last redraw at 1:1 (scrolled when
// larger than the screen) and the status bar that reads the picture under the mouse. It mirrors
// the document (caption, mode, picture, busy state), runs the core's commands, opens files
// dropped on it, and copies the picture; the options dialog, the About box and the help page are
// its secondary windows.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Document.h"
#include "app/PlatformServices.h"
#include "app/ValueReadout.h"
#include "base/UserInterface.h"
#include "platform/QtFontMetrics.h"
#include "ui/RecentFiles.h"

class QFrame;
class QLabel;
class QMenu;
class QMimeData;
class QScrollArea;
class QToolBar;
class QToolButton;
class QUrl;

namespace tarn {

class AutoReload;
class HelpWindow;
class OptionsDialog;
class SeriesEditorWindow;
class VersionDialog;
struct ChosenFile;
enum class CloseAnswer;


class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(Document& doc, UserInterface& ui, QWidget* parent = nullptr);
  ~MainWindow() override;

  OptionsDialog* Options() const { return options_; }
  VersionDialog* About() const { return about_; }
  SeriesEditorWindow* SeriesEditor() const { return sanpu_; }
  HelpWindow* Help() const { return helpWindow_; }
  // The help page's links out of the program go through this; tests put their own in.
  void SetUrlOpener(std::function<void(const QUrl&)> open) { openUrl_ = std::move(open); }
  static QString HelpFilePath();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // The picture's mouse events: the legend's outline follows the mouse and a click places it
  // while the legend waits; otherwise the status bar reads the picture under the mouse.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Building (MainWindow.cpp).
  void CreateActions();
  void CreateModeActions();
  void CreateMenus();
  void CreateToolBar();
  void CreatePicture();
  void CreateStatusBar();
  void AddShortcuts();
  QAction* AddCommand(const char* name, const QString& text, std::function<void()> command,
                      bool changesData = false);
  QToolButton* AddToolButton(QToolBar* bar, QAction* action, const char* name);

  // Commands that are the window's own (MainWindowCommands.cpp).
  void PreLoadExecute();
  void LoadSanpudataExecute();
  void LoadMeshExecute();
  void SaveMeshExecute();
  void ShowSanpuExecute();
  void SizingImage();
  void ShowSecondary(QWidget* window);
  void Help2Click();
  CloseAnswer AskToSaveSettings();
  void CopyPictureExecute();

  // Files reaching the window by other roads than its dialogs (MainWindowFiles.cpp).
  void RunWithFile(void (*command)(Document&, UserInterface&), std::optional<std::string> given);
  void NoteOpened(const ChosenFile& chosen);
  void OpenDropped(const QString& path);
  void OpenRecent(const RecentFile& file);
  void ShowRecentFiles();
  static QString DroppedFile(const QMimeData* data);

  // Views of the document (MainWindowView.cpp).
  void OnDocumentChanged(DocumentChange change);
  void ShowCaption();
  void ShowMode();
  void ShowPicture();
  void ShowBusy();
  void ShowReload();
  void ShowLegendOutline(QPoint at);
  void ShowImage(const QImage& image);
  static QImage PlayPicture(const Document& doc);
  // The played picture for a screen of this device pixel ratio: at a ratio above 1 it has that
  // many more pixels each way and shows at the picture's own size.
  static QPixmap PictureForScreen(const QImage& played, qreal ratio);
  void ShowReadout(QPoint at);
  void SizeWindow();

  Document& doc_;
  UserInterface& ui_;
  QtFontMetrics metrics_;
  PlatformServices platform_;
  int listener_ = 0;
  std::function<void(const QUrl&)> openUrl_;

  OptionsDialog* options_ = nullptr;
  VersionDialog* about_ = nullptr;
  SeriesEditorWindow* sanpu_ = nullptr;
  HelpWindow* helpWindow_ = nullptr;
  std::unique_ptr<AutoReload> reload_;

  // The commands that change the point set or the mesh: off while a long operation runs.
  std::vector<QAction*> dataCommands_;
  QAction* preLoad_ = nullptr;
  QAction* loadData_ = nullptr;
  QAction* loadScatter_ = nullptr;
  QAction* loadMesh_ = nullptr;
  QAction* saveMesh_ = nullptr;
  QAction* readSettings_ = nullptr;
  QAction* saveSettings_ = nullptr;
  QAction* saveImage_ = nullptr;
  QAction* saveImageMenu_ = nullptr;
  QAction* copyImage_ = nullptr;
  QAction* exit_ = nullptr;
  QAction* makeMesh_ = nullptr;
  QAction* redraw_ = nullptr;
  QAction* redrawMenu_ = nullptr;
  QAction* showOptions_ = nullptr;
  QAction* setGraphFont_ = nullptr;
  QAction* sanp_ = nullptr;
  QAction* mesh_ = nullptr;
  QAction* contour_ = nullptr;
  QAction* showMeshItem_ = nullptr;
  QAction* showContourItem_ = nullptr;
  QAction* help_ = nullptr;
  QAction* showAbout_ = nullptr;

  QMenu* recentMenu_ = nullptr;
  RecentFiles recent_;

  QToolBar* toolBar_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QWidget* client_ = nullptr;  // the scrolled area that holds the panel
  QFrame* panel_ = nullptr;
  QLabel* graphImage_ = nullptr;
  std::uint64_t shownRevision_ = 0;  // the picture shown, by the document's count
  QImage shownImage_;  // the played picture, shown again under each legend outline
  QLabel* readoutLabel_ = nullptr;
  ValueReadout readout_;
  bool pictureHasValues_ = false;  // a contour or mesh picture, not a scatter one
};

}  // namespace tarn
