#include "ui/ProgressDialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarn {

ProgressDialog::ProgressDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      label_(new QLabel("現在処理中です", this)),
      bar_(new QProgressBar(this)),
      cancelButton_(new QPushButton("中断", this)) {
  setObjectName("PForm");
  setWindowTitle("状況表示");
  setModal(false);
  label_->setObjectName("Label1");
  bar_->setObjectName("ProgressBar1");
  bar_->setRange(0, 100);
  bar_->setTextVisible(false);
  cancelButton_->setObjectName("Button1");
  cancelButton_->setAutoDefault(false);
  connect(cancelButton_, &QPushButton::clicked, this, [this] {
    if (onCancel_) onCancel_();
  });

  auto* row = new QHBoxLayout;
  row->addWidget(bar_, 1);
  row->addWidget(cancelButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addLayout(row);
  resize(355, 90);
}

void ProgressDialog::Start(const QString& label, int minimum, int maximum) {
  label_->setText(label);
  bar_->setRange(minimum, maximum);
  bar_->setValue(minimum);
  if (isVisible()) {
    raise();
    activateWindow();
  } else {
    show();
  }
}

void ProgressDialog::SetPosition(int position) { bar_->setValue(position); }

void ProgressDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (onCancel_) onCancel_();
}

}  // namespace tarn
