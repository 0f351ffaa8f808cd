#include "ui/VersionDialog.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/Icons.h"

namespace tarn {

namespace {

QLabel* BoldTitle(QWidget* parent) {
  auto* title = new QLabel("Tarnplot 2.2", parent);
  title->setObjectName("ProductName");
  QFont font = title->font();
  font.setPixelSize(22);
  font.setBold(true);
  title->setFont(font);
  return title;
}

QLabel* LinkLabel(QWidget* parent) {
  auto* link = new QLabel(QString("<a href=\"%1\" style=\"color:#0000ff\">%1</a>").arg(kProjectPage), parent);
  link->setObjectName("LinkLabel");
  link->setTextFormat(Qt::RichText);
  link->setCursor(Qt::PointingHandCursor);
  // Opened by us rather than by the label, so every platform goes through the desktop's handler.
  link->setOpenExternalLinks(false);
  QObject::connect(link, &QLabel::linkActivated, [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); });
  return link;
}

}  // namespace

VersionDialog::VersionDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      link_(LinkLabel(this)) {
  setObjectName("VersionForm");
  setWindowTitle("バージョン情報");
  setModal(false);

  auto* icon = new QLabel(this);
  icon->setPixmap(MakeAppIcon(32));
  auto* head = new QGridLayout;
  head->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
  head->addWidget(BoldTitle(this), 0, 1);
  head->addWidget(new QLabel("Version 2.2", this), 1, 1);
  head->addWidget(new QLabel("グラフ作成　フリーソフト", this), 2, 1);
  head->setColumnStretch(1, 1);
  head->setHorizontalSpacing(14);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QWidget::hide);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(head);
  layout->addSpacing(6);
  layout->addWidget(link_);
  layout->addWidget(new QLabel("最新版がある場合、上記Web Pageにアップされています", this));
  layout->addSpacing(6);
  layout->addWidget(new QLabel("（警告）　このソフトを使用したことによる一切の責任は", this));
  layout->addWidget(new QLabel("使用者にあるものとします", this));
  layout->addStretch(1);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  resize(319, 209);
}

}  // namespace tarn
