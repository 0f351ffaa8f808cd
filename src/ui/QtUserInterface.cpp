#include "ui/QtUserInterface.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QFileInfo>
#include <QDateTime>
#include <QFileSystemWatcher>
#include <QTimer>

#include "ui/GraphFontDialog.h"
#include "ui/ProgressDialog.h"
#include "ui/RecentFiles.h"

namespace tarn {

namespace {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

constexpr const char* kTitle = "Tarnplot";

// A message box with the system menu and close button only: nothing to minimise or maximise.
void UseBoxFrame(QMessageBox& box) {
  box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                     Qt::WindowCloseButtonHint);
}

QMessageBox::StandardButton RunBox(QWidget* owner, QMessageBox::Icon icon, const std::string& text,
                                   QMessageBox::StandardButtons buttons, const std::string& detail = {}) {
  QMessageBox box(icon, kTitle, MessageText(text), buttons, owner);
  UseBoxFrame(box);
  if (!detail.empty()) box.setDetailedText(ToQt(detail));
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

// Where the dialog of this kind starts, and what it leaves behind for the next one.
QString StartFolder(const FileDialogRequest& request) { return RecentFiles().Folder(DialogKind(request)); }

std::optional<std::string> KeepFolder(const FileDialogRequest& request, const QString& name) {
  if (name.isEmpty()) return std::nullopt;
  RecentFiles().SetFolder(DialogKind(request), QFileInfo(name).absolutePath());
  return name.toStdString();
}

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

QString MessageText(const std::string& text) { return ToQt(text).replace("\r\n", "\n").replace('\r', '\n'); }

QtUserInterface::~QtUserInterface() { delete timer_; }

void QtUserInterface::AttachTo(QWidget* owner) {
  owner_ = owner;
  if (!progress_) progress_ = new ProgressDialog(owner);
  progress_->SetCancelHandler([this] {
    if (onCancel_) onCancel_();
  });
}

void QtUserInterface::ShowMessage(MessageKind kind, const std::string& text) {
  switch (kind) {
    case MessageKind::Warning: RunBox(owner_, QMessageBox::Warning, text, QMessageBox::Ok); break;
    case MessageKind::Information: RunBox(owner_, QMessageBox::Information, text, QMessageBox::Ok); break;
    case MessageKind::Error: RunBox(owner_, QMessageBox::Critical, text, QMessageBox::Ok); break;
  }
}

void QtUserInterface::ShowError(const std::string& text, const std::string& detail) {
  RunBox(owner_, QMessageBox::Critical, text, QMessageBox::Ok, detail);
}

// Escape and the close button answer No here, as the core's questions expect.
bool QtUserInterface::Ask(const std::string& text) {
  return RunBox(owner_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

// A hidden Cancel button takes Escape and the close button, so that they no longer mean No.
CloseAnswer QtUserInterface::AskBeforeClosing(const std::string& text) {
  QMessageBox box(QMessageBox::Question, kTitle, MessageText(text), QMessageBox::Yes | QMessageBox::No, owner_);
  UseBoxFrame(box);
  box.addButton(QMessageBox::Cancel)->hide();
  box.exec();
  if (box.clickedButton() == box.button(QMessageBox::Yes)) return CloseAnswer::Yes;
  if (box.clickedButton() == box.button(QMessageBox::No)) return CloseAnswer::No;
  return CloseAnswer::Dismissed;
}

std::optional<std::string> QtUserInterface::ChooseFileToOpen(const FileDialogRequest& request) {
  return KeepFolder(request, QFileDialog::getOpenFileName(owner_, ToQt(request.Title), StartFolder(request),
                                                          ToQtFilter(request.Filter)));
}

std::optional<std::string> QtUserInterface::ChooseFileToSave(const FileDialogRequest& request) {
  // The program asks its own overwrite question where it wants one.
  return KeepFolder(request, QFileDialog::getSaveFileName(owner_, ToQt(request.Title), StartFolder(request),
                                                          ToQtFilter(request.Filter), nullptr,
                                                          QFileDialog::DontConfirmOverwrite));
}

std::optional<Color> QtUserInterface::ChooseColor() { return ChooseColorFrom(lastPickedColor_); }

std::optional<Color> QtUserInterface::ChooseColorFrom(Color initial) {
  const QColor start(RedOf(initial), GreenOf(initial), BlueOf(initial));
  const QColor picked = QColorDialog::getColor(start, owner_);
  if (!picked.isValid()) return std::nullopt;
  lastPickedColor_ = MakeColor(static_cast<unsigned>(picked.red()), static_cast<unsigned>(picked.green()),
                               static_cast<unsigned>(picked.blue()));
  return lastPickedColor_;
}

std::optional<FontChoice> QtUserInterface::ChooseFont(const FontChoice& initial) {
  return GraphFontDialog::Choose(initial, owner_);
}

void QtUserInterface::ShowProgress(const std::string& label, int minimum, int maximum) {
  if (progress_) progress_->Start(ToQt(label), minimum, maximum);
}

void QtUserInterface::SetProgressPosition(int position) {
  if (progress_) progress_->SetPosition(position);
}

void QtUserInterface::HideProgress() {
  if (progress_) progress_->hide();
}

void QtUserInterface::SetCancelHandler(std::function<void()> onCancel) { onCancel_ = std::move(onCancel); }

void QtUserInterface::ProcessMessages() { QApplication::processEvents(); }

std::string QtUserInterface::ClipboardText() { return QApplication::clipboard()->text().toStdString(); }

void QtUserInterface::SetTimer(int intervalMilliseconds, std::function<void()> onTick) {
  // The timer may be replaced from inside its own tick (a reload's message box lets the person
  // switch the reload off): it goes once control is back in the event loop.
  if (timer_) {
    timer_->stop();
    timer_->deleteLater();
    timer_ = nullptr;
  }
  if (intervalMilliseconds <= 0) return;
  timer_ = new QTimer(owner_);
  QObject::connect(timer_, &QTimer::timeout, [tick = std::move(onTick)] { tick(); });
  timer_->start(intervalMilliseconds);
}

// A file replaced by renaming another over it leaves the watch list: it is watched again each
// time it changes, and the folder is watched too, so a file that comes back is seen.
bool QtUserInterface::WatchFile(const std::string& path, std::function<void()> onChange) {
  if (watcher_) watcher_->deleteLater();
  watcher_ = nullptr;
  if (path.empty()) return true;
  const QString file = QString::fromStdString(path);
  watcher_ = new QFileSystemWatcher(owner_);
  const QString folder = QFileInfo(file).absolutePath();
  if (!watcher_->addPath(file) || !watcher_->addPath(folder)) {
    watcher_->deleteLater();
    watcher_ = nullptr;
    return false;
  }
  // The folder also changes for other files; only a new size or time of this one counts.
  auto stamp = [file] {
    const QFileInfo info(file);
    return std::pair{info.exists() ? info.size() : -1, info.lastModified()};
  };
  auto changed = [this, file, stamp, seen = stamp(), tell = std::move(onChange)]() mutable {
    if (watcher_ && !watcher_->files().contains(file) && QFileInfo::exists(file)) watcher_->addPath(file);
    const auto now = stamp();
    if (now == seen) return;
    seen = now;
    tell();
  };
  QObject::connect(watcher_, &QFileSystemWatcher::fileChanged, changed);
  QObject::connect(watcher_, &QFileSystemWatcher::directoryChanged, changed);
  return true;
}

}  // namespace tarn
