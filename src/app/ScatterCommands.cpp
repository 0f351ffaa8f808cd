#include "app/ScatterCommands.h"

#include "app/CommandBoundary.h"
#include "app/DialogFilters.h"
#include "base/TextFile.h"
#include "base/TextLines.h"

namespace tarn {

namespace {

void FillGridAndTell(Document& doc, TextLines lines) {
  FillGrid(doc.Scatter, doc.Options, std::move(lines));
  doc.Notify(DocumentChange::Scatter);
}

}  // namespace

void LoadSanpudataExecute(Document& doc, UserInterface& ui) {
  if (RefuseWhileBusy(doc, ui)) return;
  const auto fileName = ui.ChooseFileToOpen({kScatterDataTitle, kContourDataFilter, ""});
  if (!fileName) return;
  // Read whole before anything changes: a file that cannot be read leaves the table as it was.
  TextLines lines = TextLines(ReadDataFileBytes(*fileName));
  doc.ScatterFileName = *fileName;
  doc.SetCaption(kCaptionPrefix + BareFileName(*fileName));
  FillGridAndTell(doc, std::move(lines));
}

void ScatterDataMenuExecute(Document& doc, UserInterface& ui) {
  if (RefuseWhileBusy(doc, ui)) return;
  LoadSanpudataExecute(doc, ui);
  AfterScatterDataCommand(doc.Mode);
  doc.Notify(DocumentChange::Mode);
}

void LoadFromCPExecute(Document& doc, UserInterface& ui) {
  if (RefuseWhileBusy(doc, ui)) return;
  // An empty clipboard gives no lines: the table keeps its columns and shrinks to one row.
  TextLines lines(ui.ClipboardText());
  doc.SetCaption(kClipboardCaption);
  FillGridAndTell(doc, std::move(lines));
}

}  // namespace tarn
