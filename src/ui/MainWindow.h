// The main window: the tool bar with the open, mode, redraw and save buttons, the menus, and
// the picture of the last redraw at 1:1. It mirrors the document (caption, mode, picture,
// busy state) and runs the core's commands; the options dialog and the About box are its
// secondary windows.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

#include "app/Document.h"
#include "app/PlatformServices.h"
#include "base/UserInterface.h"
#include "platform/QtFontMetrics.h"

class QFrame;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;
class QUrl;

namespace tarn {

class AutoReload;
class OptionsDialog;
class SeriesEditorWindow;
class VersionDialog;


class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(Document& doc, UserInterface& ui, QWidget* parent = nullptr);
  ~MainWindow() override;

  OptionsDialog* Options() const { return options_; }
  VersionDialog* About() const { return about_; }
  SeriesEditorWindow* SeriesEditor() const { return sanpu_; }
  // The help file and the About box's link go through this; tests put their own in.
  void SetUrlOpener(std::function<void(const QUrl&)> open) { openUrl_ = std::move(open); }
  static QString HelpFilePath();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // The picture's mouse events: the legend's outline follows the mouse, a click places it.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building (MainWindow.cpp).
  void CreateActions();
  void CreateModeActions();
  void CreateMenus();
  void CreateToolBar();
  void CreatePicture();
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

  // Views of the document (MainWindowView.cpp).
  void OnDocumentChanged(DocumentChange change);
  void ShowCaption();
  void ShowMode();
  void ShowPicture();
  void ShowBusy();
  void ShowReload();
  void ShowLegendOutline(QPoint at);

  Document& doc_;
  UserInterface& ui_;
  QtFontMetrics metrics_;
  PlatformServices platform_;
  int listener_ = 0;
  std::function<void(const QUrl&)> openUrl_;

  OptionsDialog* options_ = nullptr;
  VersionDialog* about_ = nullptr;
  SeriesEditorWindow* sanpu_ = nullptr;
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

  QToolBar* toolBar_ = nullptr;
  QFrame* panel_ = nullptr;
  QLabel* graphImage_ = nullptr;
  std::string shownPicture_;
  QImage shownImage_;  // the played picture, shown again under each legend outline
};

}  // namespace tarn
