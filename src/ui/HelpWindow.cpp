#include "ui/HelpWindow.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tarn {

HelpWindow::HelpWindow(std::function<void(const QUrl&)> openOutside, QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)), openOutside_(std::move(openOutside)) {
  setObjectName("HelpForm");
  setWindowTitle("Tarnplot ヘルプ");
  browser_->setObjectName("HelpBrowser");
  // Every link comes to Follow, which decides where it opens.
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::Follow);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(640, 560);
}

void HelpWindow::ShowPage(const QString& path) {
  const QUrl page = QUrl::fromLocalFile(path);
  if (!QFileInfo::exists(path)) {
    browser_->setHtml(QString("<p>ヘルプファイルが見つかりません</p><p>%1</p>").arg(path.toHtmlEscaped()));
  } else if (browser_->source() == page) {
    browser_->reload();
  } else {
    browser_->setSource(page);
  }
  if (isVisible()) {
    raise();
    activateWindow();
  } else {
    show();
  }
}

void HelpWindow::Follow(const QUrl& link) {
  const QUrl target = browser_->source().resolved(link);
  if (target.isLocalFile() || target.scheme().isEmpty()) {
    browser_->setSource(target);
  } else {
    openOutside_(target);
  }
}

}  // namespace tarn
