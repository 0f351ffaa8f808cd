#include "app/GraphFontCommand.h"

namespace tarn {

void SetGraphFontExecute(Document& doc, UserInterface& ui) {
  const auto chosen = ui.ChooseFont(doc.GraphFont);
  if (!chosen) return;
  doc.GraphFont = *chosen;
  doc.Notify(DocumentChange::Font);
}

}  // namespace tarn
