#include "app/ContourDataCommands.h"

#include "app/CommandBoundary.h"
#include "app/DialogFilters.h"
#include "app/ScatterCommands.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "data/ContourReader.h"

namespace tarn {

namespace {

void SetCaptionFromFile(Document& doc, const std::string& fileName) {
  doc.SetCaption(kCaptionPrefix + BareFileName(fileName));
}

// Titles go in one by one, so a short title line keeps the titles before the missing one.
void TakeTitles(Document& doc, const std::vector<std::string>& fields) {
  const OptionEdit boxes[] = {OptionEdit::XTitleBox, OptionEdit::YTitleBox, OptionEdit::ValueTitleBox};
  for (int i = 0; i < kMaxTitleFields; ++i) {
    if (i >= static_cast<int>(fields.size())) throw ListIndexError(i);
    doc.Options.SetText(boxes[i], fields[static_cast<std::size_t>(i)]);
  }
}

void ClearPoints(Document& doc) {
  doc.DataPoints.clear();
  doc.Notify(DocumentChange::Points);
}

// The standard reader found more than three title fields: offer the table form.
bool ReadAsTableIfWanted(Document& doc, UserInterface& ui, const TextLines& lines) {
  if (!ui.Ask(kTableGuessQuestion)) return false;
  LoadTableDataExecute(doc, ui, lines);
  doc.Options.ChooseDataFormat(DataFormat::DataFormatTable);
  return true;
}

// Runs a reader that appends to the point set; views hear of the points read so far
// also when it stops with an error.
void ReadPoints(Document& doc, const TextLines& lines, void (*read)(const TextLines&, PointList&)) {
  try {
    read(lines, doc.DataPoints);
  } catch (...) {
    doc.Notify(DocumentChange::Points);
    throw;
  }
  doc.Notify(DocumentChange::Points);
}

}  // namespace

void PreLoadExecute(Document& doc, UserInterface& ui) {
  if (doc.Mode.SanpButton) {
    LoadSanpudataExecute(doc, ui);
  } else if (doc.Mode.ContourButton || doc.Mode.MeshButton) {
    LoadDataExecute(doc, ui);
  } else {
    ui.ShowMessage(MessageKind::Warning, kNoModeMessage);
  }
}

void LoadDataExecute(Document& doc, UserInterface& ui) {
  if (RefuseWhileBusy(doc, ui)) return;
  const bool standard = doc.Options.GetDataFormat() == DataFormat::DataFormatStandard;
  const auto fileName =
      ui.ChooseFileToOpen({standard ? kStandardDataTitle : kTableDataTitle, kContourDataFilter, ""});
  if (fileName) doc.ContourFileName = *fileName;
  try {
    if (fileName && standard) {
      LoadStandardDataExecute(doc, ui, *fileName);
    } else if (fileName) {
      const TextLines lines = TextLines(ReadDataFileBytes(*fileName));
      LoadTableDataExecute(doc, ui, lines);
      SetCaptionFromFile(doc, *fileName);
    }
  } catch (TarnError& error) {
    // The reader knows the line; the person also needs the file.
    if (!error.Where().empty()) error.SetWhere(*fileName + ", " + error.Where());
    throw;
  }
  AfterContourDataCommand(doc.Mode);
  doc.Notify(DocumentChange::Mode);
}

void LoadStandardDataExecute(Document& doc, UserInterface& ui, const std::string& fileName) {
  ClearPoints(doc);
  const TextLines lines = TextLines(ReadDataFileBytes(fileName));
  SetCaptionFromFile(doc, fileName);
  const std::vector<std::string> titles = FirstLineFields(lines);
  bool tookTable = false;
  if (static_cast<int>(titles.size()) > kMaxTitleFields) {
    tookTable = ReadAsTableIfWanted(doc, ui, lines);
  } else {
    TakeTitles(doc, titles);
    ReadPoints(doc, lines, ReadStandardRows);
  }
  doc.MeshOutdated = true;
  if (doc.DataPoints.empty() && !tookTable) ui.ShowMessage(MessageKind::Information, kNoStandardDataMessage);
}

void LoadTableDataExecute(Document& doc, UserInterface& ui, const TextLines& lines) {
  ClearPoints(doc);
  ReadPoints(doc, lines, ReadTableRows);
  doc.MeshOutdated = true;
  if (doc.DataPoints.empty()) ui.ShowMessage(MessageKind::Warning, kNoTableDataMessage);
}

}  // namespace tarn
