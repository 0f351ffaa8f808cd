// The series editor "散布図の詳細設定": the data grid, the series list and the fields of the
// selected series. It mirrors the document's scatter data and runs the core's editor commands;
// it keeps no state of its own. Closing it only hides it.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "app/Document.h"
#include "base/UserInterface.h"
#include "scatter/SeriesEditor.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QListWidget;
class QTableView;

namespace tarn {

class CellTableModel;

class SeriesEditorWindow : public QWidget {
  Q_OBJECT

 public:
  SeriesEditorWindow(Document& doc, UserInterface& ui, QWidget* parent = nullptr);
  ~SeriesEditorWindow() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildGrid();
  QWidget* BuildSeriesList();
  QWidget* BuildFields();
  QWidget* BuildDataInfo();
  QLineEdit* AddEdit(SeriesControl control, const char* name);
  QCheckBox* AddCheck(SeriesControl control, const char* name, const QString& text);
  QComboBox* AddList(SeriesControl control, const char* name, const QStringList& items);

  // Runs an editor command at the command boundary, then shows the data again.
  void Run(const std::function<void()>& command);
  void Refresh();
  void ShowList();
  void ShowFields();

  Document& doc_;
  UserInterface& ui_;
  int listener_ = 0;
  std::uint64_t shownTable_ = 0;

  CellTableModel* model_ = nullptr;
  QTableView* grid_ = nullptr;
  QListWidget* list_ = nullptr;
  std::array<QLineEdit*, 7> edits_{};  // by EditSlot
  QCheckBox* showInGraph_ = nullptr;
  QCheckBox* brushing_ = nullptr;
  QComboBox* style_ = nullptr;
  QComboBox* marker_ = nullptr;
  QFrame* colorBox_ = nullptr;
  QCheckBox* changeAll_ = nullptr;
};

}  // namespace tarn
