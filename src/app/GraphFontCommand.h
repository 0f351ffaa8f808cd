// オプション › フォント: the font dialog, whose choice (colour included) becomes the font of
// all graph text from the next redraw on.
#pragma once

#include "app/Document.h"
#include "base/UserInterface.h"

namespace tarn {

void SetGraphFontExecute(Document& doc, UserInterface& ui);

}  // namespace tarn
