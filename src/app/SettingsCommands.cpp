#include "app/SettingsCommands.h"

#include "app/CommandBoundary.h"
#include "app/DialogFilters.h"
#include "options/SettingsFile.h"

namespace tarn {

void ReadSettingsExecute(Document& doc, UserInterface& ui) {
  if (RefuseWhileBusy(doc, ui)) return;
  const auto path = ui.ChooseFileToOpen({kSettingsOpenTitle, kSettingsFilter, ""});
  if (path) LoadSettings(doc.Options, *path, ui);
}

void SaveSettingsExecute(Document& doc, UserInterface& ui) {
  const auto path = ui.ChooseFileToSave({kSettingsSaveTitle, kSettingsFilter, ""});
  if (!path) return;
  SaveSettings(doc.Options, *path);
  doc.Options.ClearSettingsChanged();
}

void CloseMainWindowExecute(Document& doc, UserInterface& ui) {
  // A long operation still pumping messages is asked to stop at its next check.
  if (doc.Busy()) doc.CancelRequested = true;
  if (doc.Options.SettingsChanged() && ui.Ask(kSaveSettingsQuestion)) SaveSettingsExecute(doc, ui);
}

}  // namespace tarn
