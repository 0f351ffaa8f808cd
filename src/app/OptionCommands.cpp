#include "app/OptionCommands.h"

namespace tarn {

void ChangeColorExecute(Document& doc, UserInterface& ui, OptionColor which) {
  doc.Options.FinishColorDialog(which, ui.ChooseColor());
}

void ResetOptionsExecute(Document& doc) { doc.Options.Reset(); }

}  // namespace tarn
