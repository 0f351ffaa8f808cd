#include "app/AutoReload.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/MeshCommands.h"
#include "app/Redraw.h"
#include "app/SaveImage.h"
#include "base/Errors.h"
#include "base/NumberText.h"
#include "base/TextLines.h"
#include "data/ContourReader.h"

namespace tarn {

namespace {

// While watching, the timer only checks how long the changed file has been quiet.
constexpr int kSettleTickMilliseconds = 100;
constexpr int kQuietTicksBeforeReading = 5;
// A file that stays busy or unreadable this many ticks in a row is reported as failing.
constexpr int kBusyTriesBeforeFailing = 10;

// A reload that cannot go on; reported with the failure message.
class ReloadFailure : public TarnError {
 public:
  ReloadFailure() : TarnError(kReloadFailedMessage) {}
};

bool SamePositions(const PointList& a, const PointList& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](const Points& p, const Points& q) { return p.X == q.X && p.Y == q.Y; });
}

int TickOf(double minutes) {
  const double milliseconds = RoundHalfEven(minutes * 60);
  // A negative interval stops the ticks, as an interval of 0 does.
  if (!(milliseconds > 0)) return 0;
  return static_cast<int>(std::min<double>(milliseconds, std::numeric_limits<int>::max()));
}

}  // namespace

AutoReload::AutoReload(Document& doc, UserInterface& ui, PlatformServices& platform)
    : doc_(doc), ui_(ui), platform_(platform) {
  listener_ = doc_.Options.Subscribe([this](const OptionChange& change) { OnOptionChange(change); });
  if (doc_.Options.Checked(OptionCheck::AutoReloadCheck)) Restart();
}

AutoReload::~AutoReload() {
  doc_.Options.Unsubscribe(listener_);
  ui_.SetTimer(0, nullptr);
  if (!watched_.empty()) ui_.WatchFile("", nullptr);
}

void AutoReload::OnOptionChange(const OptionChange& change) {
  if (change.What != OptionChange::Kind::Check) return;
  const auto check = static_cast<OptionCheck>(change.Which);
  if (check == OptionCheck::AutoReloadCheck) {
    if (doc_.Options.Checked(check)) {
      SetPosition(0);
      Restart();
    } else {
      Stop();
    }
  } else if (check == OptionCheck::ReloadOnFileChange && doc_.Options.Checked(OptionCheck::AutoReloadCheck)) {
    Restart();
  }
}

// The countdown, or, when the file's changes are to be followed and the platform can watch
// the file, the watcher with its settling ticks.
void AutoReload::Restart() {
  WatchCurrentFile();
  const int tick = Watching() ? kSettleTickMilliseconds : doc_.Reload.TickMilliseconds;
  ui_.SetTimer(tick, [this] { Tick(); });
}

void AutoReload::Stop() {
  ui_.SetTimer(0, nullptr);
  if (!watched_.empty()) ui_.WatchFile("", nullptr);
  watched_.clear();
  changePending_ = false;
}

void AutoReload::WatchCurrentFile() {
  const std::string file = doc_.Options.Checked(OptionCheck::ReloadOnFileChange) ? DataFile() : std::string();
  if (file == watched_) return;
  if (!watched_.empty()) ui_.WatchFile("", nullptr);
  watched_.clear();
  changePending_ = false;
  if (!file.empty() && ui_.WatchFile(file, [this] { changePending_ = true; quietTicks_ = 0; })) watched_ = file;
}

const std::string& AutoReload::DataFile() const {
  return doc_.Mode.SanpButton ? doc_.ScatterFileName : doc_.ContourFileName;
}

void AutoReload::IntervalTyped(const std::string& text) {
  doc_.Options.SetText(OptionEdit::AutoReloadInterval, text);
  doc_.Reload.IntervalRed = true;
  doc_.Notify(DocumentChange::Reload);
}

void AutoReload::IntervalEntered() {
  doc_.Reload.IntervalRed = false;
  doc_.Notify(DocumentChange::Reload);
  doc_.Reload.TickMilliseconds = TickOf(TextToFloat(doc_.Options.Text(OptionEdit::AutoReloadInterval)));
  // The running countdown goes on at the new speed from where it stands.
  if (doc_.Options.Checked(OptionCheck::AutoReloadCheck) && !Watching()) {
    ui_.SetTimer(doc_.Reload.TickMilliseconds, [this] { Tick(); });
  }
}

void AutoReload::Tick() {
  if (Watching()) {
    SettleTick();
  } else {
    CountdownTick();
  }
}

void AutoReload::CountdownTick() {
  SetPosition(std::min(doc_.Reload.Position + 1, kReloadHoldTick));
  if (doc_.Reload.Position != kReloadAtTick) return;
  if (ReloadNow() == ReloadOutcome::FileBusy) SetPosition(kReloadAtTick - 1);
}

// A change is read once the file has kept its size and time for a moment.
void AutoReload::SettleTick() {
  if (!changePending_ || reloading_) return;
  const FileStamp now = StampOf(watched_);
  quietTicks_ = now == settling_ ? quietTicks_ + 1 : 0;
  settling_ = now;
  if (quietTicks_ < kQuietTicksBeforeReading) return;
  changePending_ = false;
  if (ReloadNow() == ReloadOutcome::FileBusy) changePending_ = true;
}

void AutoReload::SetPosition(int position) {
  if (doc_.Reload.Position == position) return;
  doc_.Reload.Position = position;
  doc_.Notify(DocumentChange::Reload);
}

ReloadOutcome AutoReload::ReloadNow() {
  // A long operation pumping messages owns the data; and a reload whose message is still open
  // must not start another.
  // (Neither counts as a try of the file.)
  if (reloading_ || doc_.Busy()) return ReloadOutcome::FileBusy;
  reloading_ = true;
  ReloadOutcome outcome = ReloadOutcome::Failed;
  try {
    outcome = ReloadData();
    if (outcome == ReloadOutcome::Reloaded) {
      PreRedrawExecute(doc_, ui_, platform_.Metrics);
      SaveAfterReload();
    }
  } catch (const std::exception&) {
    outcome = ReloadOutcome::Failed;
  }
  if (outcome == ReloadOutcome::FileBusy && ++busyTries_ >= kBusyTriesBeforeFailing) outcome = ReloadOutcome::Failed;
  if (outcome != ReloadOutcome::FileBusy) busyTries_ = 0;
  if (outcome == ReloadOutcome::Failed) ui_.ShowMessage(MessageKind::Warning, kReloadFailedMessage);
  if (outcome != ReloadOutcome::FileBusy) SetPosition(0);
  reloading_ = false;
  if (doc_.Options.Checked(OptionCheck::AutoReloadCheck)) WatchCurrentFile();
  return outcome;
}

// Reads the whole file before anything changes, so that a file caught half-written or a reader
// error leaves the data that was shown.
ReloadOutcome AutoReload::ReloadData() {
  const std::string file = DataFile();
  if (file.empty()) throw ReloadFailure();
  std::optional<std::string> bytes;
  try {
    bytes = ReadSteadyFileBytes(file);
  } catch (const FileError&) {
    return ReloadOutcome::FileBusy;
  }
  if (!bytes) return ReloadOutcome::FileBusy;
  if (doc_.Mode.SanpButton) {
    FillGrid(doc_.Scatter, doc_.Options, TextLines(std::move(*bytes)));
    doc_.Notify(DocumentChange::Scatter);
  } else {
    ReloadContour(*bytes);
  }
  return ReloadOutcome::Reloaded;
}

void AutoReload::ReloadContour(const std::string& bytes) {
  const TextLines lines{std::string(bytes)};
  const bool standard = doc_.Options.GetDataFormat() == DataFormat::DataFormatStandard;
  std::vector<std::string> titles;
  PointList points;
  if (standard) {
    titles = FirstLineFields(lines);
    // A reload asks nothing: a file that now looks like a table cannot be read in this form.
    if (titles.size() != static_cast<std::size_t>(kMaxTitleFields)) throw ReloadFailure();
    ReadStandardRows(lines, points);
  } else {
    ReadTableRows(lines, points);
  }
  const OptionEdit boxes[] = {OptionEdit::XTitleBox, OptionEdit::YTitleBox, OptionEdit::ValueTitleBox};
  for (std::size_t i = 0; i < titles.size(); ++i) doc_.Options.SetText(boxes[i], titles[i]);
  const bool sameMesh = SamePositions(doc_.DataPoints, points);
  doc_.DataPoints = std::move(points);
  doc_.Notify(DocumentChange::Points);
  if (sameMesh) {
    doc_.MeshOutdated = false;
  } else {
    // The mesh refers to samples by position: new or moved samples need a new mesh.
    doc_.MeshOutdated = true;
    MakeMeshExecute(doc_, ui_);
  }
}

void AutoReload::SaveAfterReload() {
  const std::string& target = doc_.Options.Text(OptionEdit::ReloadPictureFile);
  if (!doc_.Options.Checked(OptionCheck::SaveAfterReload) || target.empty() || doc_.Picture.empty()) return;
  WritePictureFile(doc_, ui_, platform_, target, EpsChoice{false, false});
}

}  // namespace tarn
