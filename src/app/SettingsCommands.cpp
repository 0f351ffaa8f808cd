#include "app/SettingsCommands.h"

#include "app/CommandBoundary.h"
#include "app/DialogFilters.h"
#include "options/SettingsFile.h"
#include "scatter/SeriesBlock.h"

namespace tarn {

void ReadSettingsExecute(Document& doc, UserInterface& ui) {
  if (RefuseWhileBusy(doc, ui)) return;
  const auto path = ui.ChooseFileToOpen({kSettingsOpenTitle, kSettingsFilter, ""});
  if (!path) return;
  const auto readSeries = [&](std::span<const std::string> lines) { ApplySeriesBlock(lines, doc.Scatter, ui); };
  // Series read before an error stay read, like the options; the editor hears of them either way.
  try {
    LoadSettings(doc.Options, *path, ui, readSeries);
  } catch (...) {
    doc.Notify(DocumentChange::Scatter);
    throw;
  }
  doc.Notify(DocumentChange::Scatter);
}

void SaveSettingsExecute(Document& doc, UserInterface& ui) {
  const auto path = ui.ChooseFileToSave({kSettingsSaveTitle, kSettingsFilter, ""});
  if (!path) return;
  SaveSettings(doc.Options, *path, SeriesBlockLines(doc.Scatter.Series));
  doc.Options.ClearSettingsChanged();
}

void CloseMainWindowExecute(Document& doc, UserInterface& ui) {
  // A long operation still pumping messages is asked to stop at its next check.
  if (doc.Busy()) doc.CancelRequested = true;
  if (doc.Options.SettingsChanged() && ui.Ask(kSaveSettingsQuestion)) SaveSettingsExecute(doc, ui);
}

}  // namespace tarn
