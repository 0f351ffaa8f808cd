#include "ui/SeriesEditorWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include "app/CommandBoundary.h"
#include "app/ScatterCommands.h"
#include "ui/CellTableModel.h"

namespace tarn {

namespace {

constexpr int kCellWidth = 45;
constexpr int kCellHeight = 17;

// Typed but not applied: red; applied or freshly shown: black.
void ShowEditColor(QLineEdit* edit, bool red) {
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Text, red ? QColor(255, 0, 0) : QColor(0, 0, 0));
  edit->setPalette(palette);
}

void ShowShapeColor(QFrame* shape, Color color) {
  shape->setStyleSheet(QString("background-color: rgb(%1, %2, %3); border: 1px solid black;")
                           .arg(RedOf(color))
                           .arg(GreenOf(color))
                           .arg(BlueOf(color)));
}

}  // namespace

SeriesEditorWindow::SeriesEditorWindow(Document& doc, UserInterface& ui, QWidget* parent)
    : QWidget(parent, Qt::Window), doc_(doc), ui_(ui) {
  setObjectName("SanpuData");
  setWindowTitle("散布図の詳細設定");
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildGrid(), 1);
  auto* right = new QVBoxLayout;
  right->addWidget(BuildSeriesList());
  right->addWidget(BuildFields());
  layout->addLayout(right);
  resize(760, 470);
  listener_ = doc_.Subscribe([this](DocumentChange change) {
    if (change == DocumentChange::Scatter) Refresh();
  });
  Refresh();
}

SeriesEditorWindow::~SeriesEditorWindow() { doc_.Unsubscribe(listener_); }

QWidget* SeriesEditorWindow::BuildGrid() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel("Data Viewer", box));
  grid_ = new QTableView(box);
  grid_->setObjectName("Grid");
  model_ = new CellTableModel(doc_.Scatter.Grid, this);
  grid_->setModel(model_);
  // No fixed rows or columns; every cell the same size, so the view never measures contents.
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setMinimumSectionSize(kCellWidth);
  grid_->horizontalHeader()->setDefaultSectionSize(kCellWidth);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->verticalHeader()->setMinimumSectionSize(kCellHeight);
  grid_->verticalHeader()->setDefaultSectionSize(kCellHeight);
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->setShowGrid(true);
  grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed);
  grid_->setWordWrap(false);

  auto* paste = new QAction("クリップボードから貼り付け", grid_);
  paste->setObjectName("LoadFromCP");
  paste->setShortcut(QKeySequence("Ctrl+V"));
  paste->setShortcutContext(Qt::WidgetShortcut);
  connect(paste, &QAction::triggered, this, [this] { Run([this] { LoadFromCPExecute(doc_, ui_); }); });
  grid_->addAction(paste);
  grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
  layout->addWidget(grid_);
  return box;
}

QWidget* SeriesEditorWindow::BuildSeriesList() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel("系列", box));
  list_ = new QListWidget(box);
  list_->setObjectName("SListBox");
  list_->setFixedHeight(110);
  // A click shows the series again even when it is already selected (a typed value is dropped).
  connect(list_, &QListWidget::currentRowChanged, this,
          [this](int row) { Run([this, row] { SListBoxClick(doc_.Scatter, row); }); });
  connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const int row = list_->row(item);
    Run([this, row] { SListBoxClick(doc_.Scatter, row); });
  });
  auto* remove = new QAction("系列の削除", list_);
  remove->setObjectName("DeleteSeries");
  connect(remove, &QAction::triggered, this, [this] { Run([this] { DeleteSeriesExecute(doc_.Scatter, ui_); }); });
  auto* add = new QAction("系列の追加", list_);
  add->setObjectName("AddSeries");
  connect(add, &QAction::triggered, this, [this] { Run([this] { AddSeriesExecute(doc_.Scatter); }); });
  list_->addActions({remove, add});
  list_->setContextMenuPolicy(Qt::ActionsContextMenu);
  list_->installEventFilter(this);
  layout->addWidget(list_);
  return box;
}

QLineEdit* SeriesEditorWindow::AddEdit(SeriesControl control, const char* name) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  connect(edit, &QLineEdit::textEdited, this, [this, control](const QString& text) {
    TypeInSeriesEdit(doc_.Scatter, control, text.toStdString());
    ShowEditColor(edits_[EditSlot(control).value()], true);
  });
  connect(edit, &QLineEdit::returnPressed, this, [this, control] {
    Run([this, control] { EnterInSeriesEdit(doc_.Scatter, doc_.Options, ui_, control); });
  });
  edits_[EditSlot(control).value()] = edit;
  return edit;
}

QCheckBox* SeriesEditorWindow::AddCheck(SeriesControl control, const char* name, const QString& text) {
  auto* check = new QCheckBox(text, this);
  check->setObjectName(name);
  connect(check, &QCheckBox::clicked, this, [this, control](bool ticked) {
    Run([this, control, ticked] { ClickSeriesCheck(doc_.Scatter, doc_.Options, ui_, control, ticked); });
  });
  return check;
}

QComboBox* SeriesEditorWindow::AddList(SeriesControl control, const char* name, const QStringList& items) {
  auto* list = new QComboBox(this);
  list->setObjectName(name);
  list->addItems(items);
  connect(list, &QComboBox::activated, this, [this, control](int index) {
    Run([this, control, index] { ChooseSeriesListItem(doc_.Scatter, doc_.Options, ui_, control, index); });
  });
  return list;
}

QWidget* SeriesEditorWindow::BuildFields() {
  auto* group = new QGroupBox("選択した系列のオプション", this);
  auto* form = new QGridLayout(group);
  int row = 0;
  auto addRow = [&](const QString& label, QWidget* field) {
    form->addWidget(new QLabel(label, group), row, 0);
    form->addWidget(field, row++, 1);
  };
  addRow("系列の名前", AddEdit(SeriesControl::SeriesNameBox, "SeriesNameBox"));
  showInGraph_ = AddCheck(SeriesControl::ShowInGraphCheck, "ShowInGraphCheck", "グラフに表示する");
  form->addWidget(showInGraph_, row++, 1);
  style_ = AddList(SeriesControl::StyleBox, "StyleBox", {"ラインのみ", "ラインとマーカ", "マーカのみ"});
  addRow("スタイル", style_);
  addRow("線の太さ", AddEdit(SeriesControl::LWidBox, "LWidBox"));
  addRow("マーカの大きさ", AddEdit(SeriesControl::MSizeBox, "MSizeBox"));
  marker_ = AddList(SeriesControl::MarkerBox, "MarkerBox", {"○", "□", "△", "▽", "◇"});
  addRow("マーカの種類", marker_);
  brushing_ = AddCheck(SeriesControl::BrushingCheck, "BrushingCheck", "マーカを塗りつぶす");
  form->addWidget(brushing_, row++, 1);

  auto* colorRow = new QHBoxLayout;
  colorBox_ = new QFrame(group);
  colorBox_->setObjectName("ColorBox");
  colorBox_->setFixedSize(40, 20);
  auto* change = new QPushButton("変更", group);
  change->setObjectName("Button1");
  connect(change, &QPushButton::clicked, this,
          [this] { Run([this] { ColorButtonClick(doc_.Scatter, doc_.Options, ui_); }); });
  colorRow->addWidget(colorBox_);
  colorRow->addWidget(change);
  colorRow->addStretch();
  form->addWidget(new QLabel("カラー", group), row, 0);
  form->addLayout(colorRow, row++, 1);
  form->addWidget(BuildDataInfo(), row++, 0, 1, 2);

  changeAll_ = new QCheckBox("変更を全系列に適用する", group);
  changeAll_->setObjectName("ChangeAll");
  connect(changeAll_, &QCheckBox::clicked, this, [this](bool ticked) { doc_.Scatter.Fields.ChangeAll = ticked; });
  form->addWidget(changeAll_, row++, 0, 1, 2);

  auto* buttons = new QHBoxLayout;
  auto* add = new QPushButton("追加", group);
  add->setObjectName("Button3");
  connect(add, &QPushButton::clicked, this, [this] { Run([this] { AddSeriesExecute(doc_.Scatter); }); });
  auto* remove = new QPushButton("削除", group);
  remove->setObjectName("Button4");
  connect(remove, &QPushButton::clicked, this, [this] { Run([this] { DeleteSeriesExecute(doc_.Scatter, ui_); }); });
  buttons->addWidget(add);
  buttons->addWidget(remove);
  buttons->addStretch();
  form->addLayout(buttons, row++, 0, 1, 2);
  return group;
}

QWidget* SeriesEditorWindow::BuildDataInfo() {
  auto* group = new QGroupBox("データ情報", this);
  auto* form = new QGridLayout(group);
  const struct {
    const char* Label;
    SeriesControl Control;
    const char* Name;
    const char* Unit;
  } rows[] = {{"xデータ　：", SeriesControl::XColBox, "XColBox", "列目"},
              {"ｙデータ　：", SeriesControl::YColBox, "YColBox", "列目"},
              {"データ開始行", SeriesControl::DStartBox, "DStartBox", "行目"},
              {"データ終了行", SeriesControl::DEndBox, "DEndBox", "行目"}};
  int row = 0;
  for (const auto& r : rows) {
    form->addWidget(new QLabel(r.Label, group), row, 0);
    form->addWidget(AddEdit(r.Control, r.Name), row, 1);
    form->addWidget(new QLabel(r.Unit, group), row++, 2);
  }
  return group;
}

// Insert and Delete in the series list add and delete like the buttons.
bool SeriesEditorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == static_cast<QObject*>(list_) && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Insert) {
      Run([this] { AddSeriesExecute(doc_.Scatter); });
      return true;
    }
    if (key == Qt::Key_Delete) {
      Run([this] { DeleteSeriesExecute(doc_.Scatter, ui_); });
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void SeriesEditorWindow::Run(const std::function<void()>& command) {
  RunCommand(ui_, command);
  doc_.Notify(DocumentChange::Scatter);
}

void SeriesEditorWindow::Refresh() {
  if (doc_.Scatter.Grid.Revision() != shownTable_) {
    shownTable_ = doc_.Scatter.Grid.Revision();
    model_->Reload();
  }
  ShowList();
  ShowFields();
}

void SeriesEditorWindow::ShowList() {
  const QSignalBlocker block(list_);
  const std::vector<std::string>& items = doc_.Scatter.ListItems;
  if (list_->count() != static_cast<int>(items.size())) {
    list_->clear();
    for (const std::string& item : items) list_->addItem(QString::fromStdString(item));
  } else {
    for (int i = 0; i < list_->count(); ++i) list_->item(i)->setText(QString::fromStdString(items[static_cast<std::size_t>(i)]));
  }
  list_->setCurrentRow(doc_.Scatter.Selected);
}

void SeriesEditorWindow::ShowFields() {
  const SeriesFields& f = doc_.Scatter.Fields;
  for (std::size_t i = 0; i < edits_.size(); ++i) {
    const QString text = QString::fromStdString(f.Edits[i].Text);
    if (edits_[i]->text() != text) edits_[i]->setText(text);
    ShowEditColor(edits_[i], f.Edits[i].Red);
  }
  showInGraph_->setChecked(f.ShowInGraphCheck);
  brushing_->setChecked(f.BrushingCheck);
  style_->setCurrentIndex(f.StyleBox);
  marker_->setCurrentIndex(f.MarkerBox);
  ShowShapeColor(colorBox_, f.ColorBox);
  changeAll_->setChecked(f.ChangeAll);
}

}  // namespace tarn
