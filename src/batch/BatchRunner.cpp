#include "batch/BatchRunner.h"

#include <chrono>
#include <functional>
#include <thread>
#include <map>

#include "app/AutoReload.h"
#include "app/CommandBoundary.h"
#include "app/ContourDataCommands.h"
#include "app/Document.h"
#include "app/GraphFontCommand.h"
#include "app/MeshCommands.h"
#include "app/OptionCommands.h"
#include "app/Redraw.h"
#include "app/SaveImage.h"
#include "app/ScatterCommands.h"
#include "app/SettingsCommands.h"
#include "base/Errors.h"
#include "base/NumberText.h"
#include "base/TextCodec.h"
#include "base/TextFile.h"
#include "data/MeshFile.h"
#include "batch/BatchScript.h"
#include "batch/BatchUserInterface.h"
#include "options/SettingsFile.h"
#include "scatter/SeriesBlock.h"
#include "platform/EmfPlayer.h"
#include "platform/HeadlessFonts.h"
#include "platform/QtFontMetrics.h"

namespace tarn {

namespace {

Color HexToColor(const std::string& rrggbb) {
  const unsigned long value = std::stoul(rrggbb, nullptr, 16);
  return MakeColor((value >> 16) & 0xFFu, (value >> 8) & 0xFFu, value & 0xFFu);
}

// One run: the document, the port, the platform's fonts and player, and where `print` writes.
struct BatchSession {
  Document Doc;
  BatchUserInterface Ui;
  std::ostream& Out;
  QtFontMetrics Metrics;
  PlatformServices Platform{Metrics, [this](std::string_view picture) { return RenderPicture(picture); }};
  AutoReload Reload{Doc, Ui, Platform};

  BatchSession(std::ostream& out, std::ostream& err) : Ui(err), Out(out) {
    Ui.SetCancelHandler([this] { Doc.CancelRequested = true; });
  }

  Bitmap24 RenderPicture(std::string_view picture) const {
    Bitmap24 raster(Doc.PictureWidth, Doc.PictureHeight);
    PlayEmf(picture, raster);
    return raster;
  }
};

void PrintPoints(BatchSession& s) {
  for (const Points& p : s.Doc.DataPoints) {
    s.Out << FloatToText(p.X) << '\t' << FloatToText(p.Y) << '\t' << FloatToText(p.Value) << '\n';
  }
}

void PrintLines(BatchSession& s, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) s.Out << line << '\n';
}

void Print(BatchSession& s, const std::string& what) {
  if (what == "points") PrintPoints(s);
  if (what == "options") PrintLines(s, OptionLines(s.Doc.Options));
  if (what == "caption") s.Out << s.Doc.Caption() << '\n';
  if (what == "changed") s.Out << (s.Doc.Options.SettingsChanged() ? "true" : "false") << '\n';
  if (what == "mode") s.Out << DescribeMode(s.Doc.Mode) << '\n';
  if (what == "mesh") PrintLines(s, MeshFileLines(s.Doc.Mesh));
  if (what == "series") PrintLines(s, SeriesBlockLines(s.Doc.Scatter.Series));
}

// A command that picks a file in a dialog: the dialog gets the named file.
std::function<void(BatchSession&, const BatchStep&)> WithFile(void (*command)(Document&, UserInterface&)) {
  return [command](BatchSession& s, const BatchStep& step) {
    s.Ui.SetNextFile(step.Args[0]);
    command(s.Doc, s.Ui);
  };
}

void Click(BatchSession& s, const std::string& button) {
  if (button == "sanp") SanpButtonClick(s.Doc.Mode);
  if (button == "mesh") MeshButtonClick(s.Doc.Mode);
  if (button == "contour") ContourButtonClick(s.Doc.Mode);
  s.Doc.Notify(DocumentChange::Mode);
}

void Check(BatchSession& s, const std::string& item) {
  if (item == "show-mesh") ShowMeshItemClick(s.Doc.Mode);
  if (item == "show-contour") ShowContourItemClick(s.Doc.Mode);
  s.Doc.Notify(DocumentChange::Mode);
}

// "font FAMILY PIXELS [bold] [italic] [RRGGBB]": the font dialog confirmed with that font.
FontChoice FontOf(const BatchStep& step) {
  FontChoice font;
  font.Face = step.Args[0];
  font.PixelHeight = std::stoi(step.Args[1]);
  for (std::size_t i = 2; i < step.Args.size(); ++i) {
    const std::string& word = step.Args[i];
    if (word == "bold") font.Bold = true;
    else if (word == "italic") font.Italic = true;
    else font.TextColor = HexToColor(word);
  }
  return font;
}

SeriesControl SeriesFieldControl(const std::string& field) {
  static const std::map<std::string, SeriesControl> controls = {
      {"name", SeriesControl::SeriesNameBox}, {"show", SeriesControl::ShowInGraphCheck},
      {"style", SeriesControl::StyleBox},     {"width", SeriesControl::LWidBox},
      {"marksize", SeriesControl::MSizeBox},  {"marker", SeriesControl::MarkerBox},
      {"brushing", SeriesControl::BrushingCheck}, {"xcol", SeriesControl::XColBox},
      {"ycol", SeriesControl::YColBox},       {"start", SeriesControl::DStartBox},
      {"end", SeriesControl::DEndBox}};
  return controls.at(field);
}

// "series apply FIELD VALUE": typing VALUE and Enter in an edit, or a click on a check box or
// a list item.
void ApplySeriesField(BatchSession& s, const std::string& field, const std::string& value) {
  ScatterData& scatter = s.Doc.Scatter;
  const SeriesControl control = SeriesFieldControl(field);
  if (EditSlot(control)) {
    TypeInSeriesEdit(scatter, control, value);
    EnterInSeriesEdit(scatter, s.Doc.Options, s.Ui, control);
  } else if (control == SeriesControl::StyleBox || control == SeriesControl::MarkerBox) {
    ChooseSeriesListItem(scatter, s.Doc.Options, s.Ui, control, std::stoi(value));
  } else {
    ClickSeriesCheck(scatter, s.Doc.Options, s.Ui, control, value == "1");
  }
}

void Series(BatchSession& s, const BatchStep& step) {
  ScatterData& scatter = s.Doc.Scatter;
  const std::string& sub = step.Args[0];
  if (sub == "select") {
    const long index = std::stol(step.Args[1]);
    // Only an item the list shows can be clicked.
    if (index >= static_cast<long>(scatter.Series.size())) throw ListIndexError(index);
    SListBoxClick(scatter, static_cast<int>(index));
  } else if (sub == "apply") {
    ApplySeriesField(s, step.Args[1], step.Args[2]);
  } else if (sub == "color") {
    s.Ui.SetNextColor(step.Args[1] == "cancel" ? std::nullopt : std::optional<Color>(HexToColor(step.Args[1])));
    ColorButtonClick(scatter, s.Doc.Options, s.Ui);
  } else if (sub == "add") {
    AddSeriesExecute(scatter);
  } else if (sub == "delete") {
    DeleteSeriesExecute(scatter, s.Ui);
  } else if (sub == "all") {
    scatter.Fields.ChangeAll = step.Args[1] == "1";
  }
}

// One reload as when the countdown ends; a file caught while it is written is tried again a
// little later, as the next ticks would.
ReloadOutcome ReloadOnce(BatchSession& s) {
  ReloadOutcome outcome = s.Reload.ReloadNow();
  while (outcome == ReloadOutcome::FileBusy) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    outcome = s.Reload.ReloadNow();
  }
  return outcome;
}

// "watch FILE-OUT N": N times, waits until the data file has changed and stayed quiet for a
// moment, reloads and redraws it, and saves the picture to FILE-OUT.
void Watch(BatchSession& s, const std::string& target, int times) {
  constexpr auto kPoll = std::chrono::milliseconds(50);
  constexpr int kQuietPolls = 6;
  const std::string& file = s.Doc.Mode.SanpButton ? s.Doc.ScatterFileName : s.Doc.ContourFileName;
  FileStamp seen = StampOf(file);
  for (int done = 0; done < times;) {
    FileStamp now = StampOf(file);
    if (now == seen) {
      std::this_thread::sleep_for(kPoll);
      continue;
    }
    for (int quiet = 0; quiet < kQuietPolls;) {
      std::this_thread::sleep_for(kPoll);
      const FileStamp later = StampOf(file);
      quiet = later == now ? quiet + 1 : 0;
      now = later;
    }
    seen = now;
    if (ReloadOnce(s) == ReloadOutcome::Failed) return;
    WritePictureFile(s.Doc, s.Ui, s.Platform, target, EpsChoice{false, false});
    ++done;
  }
}

using StepAction = std::function<void(BatchSession&, const BatchStep&)>;

const std::map<std::string, StepAction>& StepActions() {
  static const std::map<std::string, StepAction> actions = {
      {"open-contour", WithFile(LoadDataExecute)},
      {"open", WithFile(PreLoadExecute)},
      {"open-scatter", WithFile(ScatterDataMenuExecute)},
      {"paste-scatter", [](BatchSession& s, const BatchStep& step) {
         s.Ui.SetClipboardText(DecodeText(ReadFileBytes(step.Args[0])));
         LoadFromCPExecute(s.Doc, s.Ui);
       }},
      {"series", Series},
      {"reload", [](BatchSession& s, const BatchStep&) { ReloadOnce(s); }},
      {"watch", [](BatchSession& s, const BatchStep& step) { Watch(s, step.Args[0], std::stoi(step.Args[1])); }},
      {"legend", [](BatchSession& s, const BatchStep& step) {
         GraphImageMouseDown(s.Doc, s.Ui, s.Metrics, std::stoi(step.Args[0]), std::stoi(step.Args[1]));
       }},
      {"open-mesh", WithFile(LoadMeshExecute)},
      {"quit", WithFile(CloseMainWindowExecute)},
      {"reset", [](BatchSession& s, const BatchStep&) { ResetOptionsExecute(s.Doc); }},
      {"color", [](BatchSession& s, const BatchStep& step) {
         s.Ui.SetNextColor(step.Args[1] == "cancel" ? std::nullopt : std::optional<Color>(HexToColor(step.Args[1])));
         ChangeColorExecute(s.Doc, s.Ui, step.Args[0] == "back" ? OptionColor::BKCOLOR : OptionColor::BDColor);
       }},
      {"save-mesh", WithFile(SaveMeshExecute)},
      {"open-settings", WithFile(ReadSettingsExecute)},
      {"save-settings", WithFile(SaveSettingsExecute)},
      {"set", [](BatchSession& s, const BatchStep& step) { ApplyOptionLine(s.Doc.Options, step.Args[0], s.Ui); }},
      {"answer", [](BatchSession& s, const BatchStep& step) { s.Ui.SetAnswer(step.Args[0] == "yes"); }},
      {"click", [](BatchSession& s, const BatchStep& step) { Click(s, step.Args[0]); }},
      {"check", [](BatchSession& s, const BatchStep& step) { Check(s, step.Args[0]); }},
      {"print", [](BatchSession& s, const BatchStep& step) { Print(s, step.Args[0]); }},
      {"make-mesh", [](BatchSession& s, const BatchStep&) { MakeMeshExecute(s.Doc, s.Ui); }},
      {"redraw", [](BatchSession& s, const BatchStep&) { PreRedrawExecute(s.Doc, s.Ui, s.Metrics); }},
      {"save-image", [](BatchSession& s, const BatchStep& step) {
         s.Ui.SetNextFile(step.Args[0]);
         SaveImageExecute(s.Doc, s.Ui, s.Platform);
       }},
      {"save-eps", [](BatchSession& s, const BatchStep& step) {
         s.Ui.SetNextFile(step.Args[0]);
         SaveEpsExecute(s.Doc, s.Ui, s.Platform, {step.Args[1] == "gray", step.Args[2] == "vector"});
       }},
      {"font", [](BatchSession& s, const BatchStep& step) {
         s.Ui.SetNextFont(FontOf(step));
         SetGraphFontExecute(s.Doc, s.Ui);
       }},
      {"interrupt", [](BatchSession& s, const BatchStep& step) { s.Ui.InterruptAtPump(std::stoi(step.Args[0])); }},
  };
  return actions;
}

}  // namespace

int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  BatchScript script;
  try {
    script = ParseBatchScript(args);
  } catch (const UsageError& error) {
    err << "tarnplot: " << error.what() << '\n'
        << "usage: tarnplot --batch [--keep-going] COMMAND [ARG]...\n";
    return 2;
  }
  PrepareHeadlessFontSystem();
  BatchSession session(out, err);
  for (const BatchStep& step : script.Steps) {
    const int errorsBefore = session.Ui.ErrorCount();
    RunCommand(session.Ui, [&] { StepActions().at(step.Command)(session, step); });
    out.flush();
    if (session.Ui.ErrorCount() > errorsBefore && !script.KeepGoing) return 1;
  }
  return session.Ui.ErrorCount() > 0 ? 1 : 0;
}

}  // namespace tarn
