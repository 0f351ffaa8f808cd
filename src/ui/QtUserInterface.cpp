#include "ui/QtUserInterface.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

namespace tarn {

namespace {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

constexpr const char* kTitle = "Tarnplot";

}  // namespace

QString ToQtFilter(const std::string& filter) {
  const QStringList parts = ToQt(filter).split('|');
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = QString(parts[i + 1]).replace(';', ' ');
    entries << (parts[i].contains('(') ? parts[i] : parts[i] + " (" + patterns + ")");
  }
  return entries.join(";;");
}

QtUserInterface::~QtUserInterface() {
  delete progress_;
  delete timer_;
}

void QtUserInterface::ShowMessage(MessageKind kind, const std::string& text) {
  switch (kind) {
    case MessageKind::Warning: QMessageBox::warning(owner_, kTitle, ToQt(text)); break;
    case MessageKind::Information: QMessageBox::information(owner_, kTitle, ToQt(text)); break;
    case MessageKind::Error: QMessageBox::critical(owner_, kTitle, ToQt(text)); break;
  }
}

bool QtUserInterface::Ask(const std::string& text) {
  return QMessageBox::question(owner_, kTitle, ToQt(text), QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

std::optional<std::string> QtUserInterface::ChooseFileToOpen(const FileDialogRequest& request) {
  const QString name = QFileDialog::getOpenFileName(owner_, ToQt(request.Title), {}, ToQtFilter(request.Filter));
  if (name.isEmpty()) return std::nullopt;
  return name.toStdString();
}

std::optional<std::string> QtUserInterface::ChooseFileToSave(const FileDialogRequest& request) {
  // The program asks its own overwrite question where it wants one.
  const QString name = QFileDialog::getSaveFileName(owner_, ToQt(request.Title), {}, ToQtFilter(request.Filter),
                                                    nullptr, QFileDialog::DontConfirmOverwrite);
  if (name.isEmpty()) return std::nullopt;
  return name.toStdString();
}

std::optional<Color> QtUserInterface::ChooseColor() {
  const QColor start(RedOf(lastPickedColor_), GreenOf(lastPickedColor_), BlueOf(lastPickedColor_));
  const QColor picked = QColorDialog::getColor(start, owner_);
  if (!picked.isValid()) return std::nullopt;
  lastPickedColor_ = MakeColor(static_cast<unsigned>(picked.red()), static_cast<unsigned>(picked.green()),
                               static_cast<unsigned>(picked.blue()));
  return lastPickedColor_;
}

std::optional<FontSpec> QtUserInterface::ChooseFont(const FontSpec& initial) {
  QFont start(ToQt(initial.Face));
  start.setPixelSize(initial.PixelHeight);
  start.setBold(initial.Bold);
  start.setItalic(initial.Italic);
  bool ok = false;
  const QFont picked = QFontDialog::getFont(&ok, start, owner_);
  if (!ok) return std::nullopt;
  FontSpec spec = initial;
  spec.Face = picked.family().toStdString();
  spec.PixelHeight = picked.pixelSize() > 0 ? picked.pixelSize() : QFontInfo(picked).pixelSize();
  spec.Bold = picked.bold();
  spec.Italic = picked.italic();
  return spec;
}

void QtUserInterface::ShowProgress(const std::string& label, int minimum, int maximum) {
  if (!progress_) {
    progress_ = new QProgressDialog(owner_);
    progress_->setWindowTitle("状況表示");
    progress_->setCancelButton(new QPushButton("中断"));
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setMinimumDuration(0);
    QObject::connect(progress_, &QProgressDialog::canceled, [this] {
      if (onCancel_) onCancel_();
    });
  }
  progress_->setLabelText(ToQt(label));
  progress_->setRange(minimum, maximum);
  progress_->setValue(minimum);
  progress_->show();
  progress_->raise();
}

void QtUserInterface::SetProgressPosition(int position) {
  if (progress_) progress_->setValue(position);
}

void QtUserInterface::HideProgress() {
  if (progress_) progress_->hide();
}

void QtUserInterface::SetCancelHandler(std::function<void()> onCancel) { onCancel_ = std::move(onCancel); }

void QtUserInterface::ProcessMessages() { QApplication::processEvents(); }

std::string QtUserInterface::ClipboardText() { return QApplication::clipboard()->text().toStdString(); }

void QtUserInterface::SetTimer(int intervalMilliseconds, std::function<void()> onTick) {
  delete timer_;
  if (intervalMilliseconds <= 0) return;
  timer_ = new QTimer(owner_);
  QObject::connect(timer_, &QTimer::timeout, [tick = std::move(onTick)] { tick(); });
  timer_->start(intervalMilliseconds);
}

}  // namespace tarn
