#include "ui/OptionsDialog.h"

#include <QHideEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tarn {

OptionsDialog::OptionsDialog(OptionsModel& model, UserInterface& ui, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      model_(model),
      ui_(ui) {
  setObjectName("OptionForm");
  setWindowTitle("オプション");
  setModal(false);

  auto* pages = new QTabWidget(this);
  pages->setObjectName("PageControl1");
  pages->addTab(BuildAxesPage(), "軸");
  pages->addTab(BuildContourPage(), "等高線");
  pages->addTab(BuildScatterPage(), "散布図");
  pages->addTab(BuildPaperPage(), "用紙");
  pages->addTab(BuildOtherPage(), "その他");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages);
  layout->addLayout(BuildButtonRow());

  MirrorAll();
  listener_ = model_.Subscribe([this](const OptionChange& change) { Mirror(change); });
}

OptionsDialog::~OptionsDialog() { model_.Unsubscribe(listener_); }

// Qt keeps a position it was told, not one the window system moved the dialog to: marked as
// told, the place it was left at is kept.
void OptionsDialog::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  setAttribute(Qt::WA_Moved);
}

QLayout* OptionsDialog::BuildButtonRow() {
  auto* reset = new QPushButton("初期設定に戻す", this);
  reset->setObjectName("Button1");
  connect(reset, &QPushButton::clicked, this, [this] { model_.Reset(); });
  auto* close = new QPushButton("閉じる", this);
  close->setObjectName("OKButton");
  connect(close, &QPushButton::clicked, this, &QWidget::hide);
  // Enter in an edit must reach the edit (the size edits resize the picture), not a button.
  for (QPushButton* button : {reset, close}) button->setAutoDefault(false);

  auto* row = new QHBoxLayout;
  row->addWidget(reset);
  row->addStretch(1);
  row->addWidget(close);
  return row;
}

}  // namespace tarn
